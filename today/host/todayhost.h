// The Today screen of a Linux desktop: a small window that stays above the others and shows
// the enabled Today items stacked, each a plug-in named in its item key. It reloads them when
// the set of items changes (the setting-change broadcast with 0xF2), remembers its place, and
// offers the items' options, Zonaria and Close on its context menu.
#pragma once

#include "todayapi.h"
#include "window.h"

#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QVBoxLayout;

namespace za::today {

// The host's platform window, which a second host finds.
inline constexpr const char* kHostWindowClass = "ZonariaTodayHost";

// Where a plug-in named in an item key is looked for: an absolute path as it is; a bare or
// relative one beside the host's program, in its lib folder (the build tree's), and in the
// installed programs' own library folder (such as lib/x86_64-linux-gnu/zonaria).
QStringList PluginCandidates(const QString& dll, const QString& programDir);

class CTodayHost : public QWidget {
    Q_OBJECT

public:
    explicit CTodayHost(QWidget* parent = nullptr);
    ~CTodayHost() override;

    // Unloads the items and loads the enabled ones again from their keys.
    void LoadItems();
    int ItemCount() const { return static_cast<int>(m_items.size()); }
    QWidget* Item(int i) const { return m_items[static_cast<size_t>(i)].window; }
    // Runs the options dialog of item i.
    void ShowOptions(int i);
    // Starts Zonaria (a running one comes to the front).
    void OpenZonaria();
    HWND PlatformHandle() const { return m_window.hwnd(); }

    // Puts the window at its remembered place, or the screen's top-right corner.
    void PlaceAtStart();

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

private:
    struct Loaded {
        TODAYLISTITEM record;
        QWidget* window = nullptr;
        CustomItemOptionsDlgProcFn options = nullptr;
    };
    void ClearItems();
    void OnPlatformMessage(UINT msg, WPARAM wParam);
    void SavePlace();
    int ItemAt(const QPoint& at) const;

    std::vector<Loaded> m_items;
    QVBoxLayout* m_itemsLayout = nullptr;
    QLabel* m_empty = nullptr;
    za::PlatformWindow m_window;
    QPoint m_dragFrom;
    bool m_dragging = false;
    bool m_placed = false;
};

}  // namespace za::today
