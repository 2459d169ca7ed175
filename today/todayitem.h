// Zonaria's Today item: the first two to five of the main screen's cities with their local
// times, one row each, the current city's row in bold; a tap starts Zonaria. It reads
// everything through the core library and reloads when the application posts
// "WM_UPDATE_ZATODAY" to the window it publishes in "ZAReserved".
#pragma once

#include "city.h"
#include "displaynote.h"
#include "displayedcities.h"
#include "todayapi.h"
#include "window.h"

#include <QDialog>
#include <QFont>
#include <QPixmap>
#include <QWidget>

class QPainter;

#include <array>
#include <memory>

class QComboBox;

// The item's classes are visible outside the plug-in for its tests; the Today host only uses
// the entry points.
#define ZATODAY_EXPORT Q_DECL_EXPORT

namespace za::today {

constexpr int kMaxRows = za::kDisplays;
constexpr int IDT_TICK = 1000;
constexpr int kTickMs = 10000;
// The column at the left that holds the icon.
constexpr int kIconColumn = 30;

// The row count the item shows: "ZATodayCount", cached; 0 until first read.
ZATODAY_EXPORT int CachedCount();
ZATODAY_EXPORT void SetCachedCount(int count);

// A row of the item for a screen reader: "City, time". The item paints it.
class ZATODAY_EXPORT CTodayRow : public QWidget {
    Q_OBJECT
public:
    explicit CTodayRow(QWidget* parent);
    void SetTexts(const QString& city, const QString& time, bool selected);
    QString Text() const { return m_text; }
    bool IsSelected() const { return m_selected; }

private:
    QString m_text;
    bool m_selected = false;
};

class ZATODAY_EXPORT CTodayItem : public QWidget {
    Q_OBJECT

public:
    // The window of class "ZAToday" inside parent, count × row height high. Started() tells
    // whether it could start (its cities loaded).
    CTodayItem(QWidget* parent, int width);
    ~CTodayItem() override;

    bool Started() const { return m_started; }
    int RowHeight() const { return m_rowHeight; }
    int Selected() const { return m_selected; }
    QRect NameRect(int i) const { return m_nameRects[static_cast<size_t>(i)]; }
    QRect TimeRect(int i) const { return m_timeRects[static_cast<size_t>(i)]; }
    const CCity& City(int i) const { return m_cities[static_cast<size_t>(i)]; }
    QString TimeText(int i) const;
    // Row i's offset from the current city and clock-change note, as of the shown time.
    const za::DisplayNote& Note(int i) const { return m_notes[static_cast<size_t>(i)]; }
    QString ApplicationPath() const { return m_appPath; }
    QColor TextColour() const { return m_textColour; }
    // The page the rows are painted on: the Today screen's, or the item's own.
    QColor PageColour() const;
    QColor LineColour() const { return m_lineColour; }
    HWND PlatformHandle() const { return m_window ? m_window->hwnd() : nullptr; }

    // The messages of the item's window.
    void Reload();
    // Makes the current city agree with the device's zone after it changed from outside.
    void FollowDeviceZone();
    void Tick();
    void StartApplication();

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void timerEvent(QTimerEvent* e) override;

private:
    bool Initialise();
    void Cleanup();
    bool LoadCities();
    void LayOut();
    void UpdateRows();
    // The change mark and, where it fits in `room` pixels, the offset, at the end of r.
    void DrawNote(QPainter& p, const QRect& r, int room, const za::DisplayNote& note) const;

    bool m_started = false;
    std::unique_ptr<za::PlatformWindow> m_window;
    UINT m_updateMessage = 0;
    std::array<CCity, kMaxRows> m_cities;
    std::array<QString, kMaxRows> m_names;
    std::array<za::DisplayNote, kMaxRows> m_notes;
    za::ClockChangeCache m_changes;
    int m_selected = 0;
    int m_count = 0;
    SYSTEMTIME m_loadTime{};
    SYSTEMTIME m_shownTime{};
    int m_rowHeight = 15;
    std::array<QRect, kMaxRows> m_nameRects;
    std::array<QRect, kMaxRows> m_timeRects;
    std::array<CTodayRow*, kMaxRows> m_rows{};
    QFont m_normalFont;
    QFont m_boldFont;
    QPixmap m_icon;
    QColor m_textColour;
    QColor m_lineColour;
    QString m_appPath;
    int m_timer = 0;
};

// The options dialog: how many cities the item shows.
class ZATODAY_EXPORT CTodayOptionsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTodayOptionsDlg(QWidget* parent);
    QComboBox* CountBox() const { return m_count; }

public slots:
    void accept() override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QComboBox* m_count;
    QFont m_titleFont;
};

}  // namespace za::today
