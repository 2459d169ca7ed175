// The pop-up city picker: the whole name list of the city database in a small window at an
// anchor point, with a search field that narrows it as the user types. One picker serves the
// whole program. Also the list box it holds, which reports the release of the mouse over it.
#pragma once

#include "wintypes.h"

#include <QListView>
#include <QPointer>
#include <QStringList>

class QEventLoop;
class QLineEdit;

namespace za::app {

class CCityPickerModel;

constexpr UINT IDD_CITYPICKER = 137;
constexpr int IDC_CITYLIST = 1008;
// The list box's notification: the mouse was released over it.
constexpr int LBN_RELEASED = 8;

class CCityListBox : public QListView {
    Q_OBJECT
public:
    explicit CCityListBox(QWidget* parent);

signals:
    // Code LBN_RELEASED from the list's id.
    void command(int id, int code);

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

class CCityPickerPopup : public QObject {
    Q_OBJECT

public:
    // The program's picker, made on first use.
    static CCityPickerPopup& Instance();

    // Shows the picker with its top-left corner at anchor (owner's coordinates, moved inside
    // the owner) and currentName's entry selected, and waits. TRUE when the user chose a city;
    // *chosen is then its name (the entry up to " (").
    bool Show(const QPoint& anchor, const QString& currentName, QWidget* owner, QString* chosen);
    // Ends a running Show as cancelled (the program's cancel-mode).
    void Cancel();
    // Fills the list again from the city list's names (the city list's change handler).
    void Refresh();

    // What the picker shows while it runs; for the program's tests.
    QWidget* Window() const { return m_window; }
    QLineEdit* SearchField() const { return m_search; }
    CCityListBox* ListBox() const { return m_list; }
    // The entry texts that the search leaves, in order.
    QStringList VisibleEntries() const;
    QString SelectedEntry() const;
    // The top-left corner for an anchor, in the owner's coordinates.
    static QPoint Place(const QPoint& anchor, const QSize& popup, const QSize& owner);

    // Whether an entry matches typed text: every typed word begins a word of the entry,
    // without regard to case or accents.
    static bool Matches(const QString& entry, const QString& typed);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    CCityPickerPopup();
    void Create(QWidget* owner);
    void Fill(const QString& current);
    // Selects the visible entry whose name matches the typed text best (za::NameMatchRank);
    // the first visible one where none ranks.
    void SelectBestVisible(const QString& typed);
    void Choose();
    void End(bool chosen);

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_owner;
    QLineEdit* m_search = nullptr;
    CCityListBox* m_list = nullptr;
    CCityPickerModel* m_model = nullptr;
    QString m_chosenText;
    QEventLoop* m_loop = nullptr;
    bool m_chosen = false;
    bool m_activeShown = false;  // the window has been active since Show began
};

}  // namespace za::app
