// The city display: one city's name and local time in a strip of the main screen, and the
// city chooser of the dialogs. Its option bits decide the look (bold, lines, one or two
// lines, buttons) and the behaviour (pop-up menu or not). It tells its owner what happens
// through notifications that carry the handheld's codes and fields, sent synchronously so
// the owner's answer (the cancel field) is known before the display goes on.
#pragma once

#include "city.h"
#include "host.h"
#include "wintypes.h"

#include <QAbstractButton>
#include <QFont>
#include <QTimer>
#include <QWidget>

class QFontMetrics;
class QMenu;
class QPainter;

namespace za::app {

// Option bits.
constexpr DWORD CDS_BOLD = 0x0001;
constexpr DWORD CDS_TOPLINE = 0x0002;
constexpr DWORD CDS_ALTFORMAT = 0x0004;
constexpr DWORD CDS_TWOLINE = 0x0008;
constexpr DWORD CDS_BLACKONWHITE = 0x0010;
constexpr DWORD CDS_CURRENTBUTTON = 0x0020;
constexpr DWORD CDS_CURRENT = 0x0040;
constexpr DWORD CDS_CHANGEBUTTON = 0x0080;
constexpr DWORD CDS_BOTTOMLINE = 0x0100;
constexpr DWORD CDS_NOMENU = 0x0200;
constexpr DWORD CDS_NAMEONLY = 0x0400;
constexpr DWORD CDS_PRESSED = 0x8000;
// The dialogs' city chooser: name only, no menu, bottom line, change-city button; and the
// time calculator's, which keeps the time.
constexpr DWORD CDS_CHOOSER = 0x0780;
constexpr DWORD CDS_CHOOSER_WITH_TIME = 0x0380;

// Notification codes.
constexpr int CDN_CITYCHANGING = -901;
constexpr int CDN_SETCURRENT = -902;
constexpr int CDN_TAPPED = -903;
constexpr int CDN_CITYCHANGED = -904;

// Images of the buttons.
constexpr UINT IDB_CHANGECITY = 138;
constexpr UINT IDB_NOTCURRENT = 139;
constexpr UINT IDB_CURRENT = 140;

class CCityDisplay;

// The offset note as it fits in room pixels: whole, else without its day word, else empty.
QString FittedNote(const QString& note, const QFontMetrics& metrics, int room);

// One notification: the header (sender, its id, the code) and the fields of that code.
struct CityDisplayNotify {
    CCityDisplay* sender = nullptr;
    int id = 0;
    int code = 0;
    // CDN_CITYCHANGING: the chosen city, loaded once by the display
    BOOL cancel = FALSE;
    QString newCity;
    const CCity* city = nullptr;
    // CDN_TAPPED
    BOOL hold = FALSE;
    QPoint point;
    int longitude = 0;
    int latitude = 0;
};

// A 12 x 12 image button of the display; its image follows the display's bitmaps.
class CDisplayButton : public QAbstractButton {
    Q_OBJECT
public:
    CDisplayButton(UINT command, UINT image, const QString& name, QWidget* parent);
    void SetImage(UINT image);
    UINT Image() const { return m_image; }
    UINT Command() const { return m_command; }
    QSize sizeHint() const override { return QSize(12, 12); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    UINT m_command;
    UINT m_image;
};

class CCityDisplay : public QWidget {
    Q_OBJECT

public:
    // host: where the menu's dialogs open and whose tip a press hides.
    explicit CCityDisplay(QWidget* parent = nullptr, CHost& host = NoHost());
    ~CCityDisplay() override;

    // Stores the options and the id and makes the buttons; the display is shown.
    void Create(DWORD options, int id);
    // TRUE when the bits differ from the previous ones. Colours, font and layout follow.
    BOOL SetOptions(DWORD bits);
    // SetOptions((options & ~clear) | set).
    BOOL ChangeOptions(DWORD set, DWORD clear);
    DWORD Options() const { return m_options; }
    int Id() const { return m_id; }

    // Repaints the time (and in two-line layout the name) only when the instant differs from
    // the shown one in a field down to the minute. utc is the caller's one clock read; a
    // display shows no instant until its owner hands it one.
    void UpdateTime(const SYSTEMTIME& utc);
    const SYSTEMTIME& ShownTime() const { return m_shownTime; }

    const CCity& City() const { return m_city; }
    CCity& City() { return m_city; }
    void SetCity(const CCity& city);
    int PreferredHeight() const { return m_height; }
    // The narrowest width at which the widest time this display can show (any weekday, month
    // and hour, with the daylight mark) fits its time line uncut.
    int MinimumWidth() const;

    // The texts as drawn: the name line and the time line.
    QString NameText() const;
    QString TimeText() const;
    QRect NameRect() const { return m_nameRect; }
    QRect TimeRect() const { return m_timeRect; }
    QColor TextColour() const { return m_textColour; }
    QColor BackgroundColour() const { return m_backColour; }
    const QFont& DisplayFont() const { return m_font; }
    CDisplayButton* ChangeButton() const { return m_changeButton; }
    CDisplayButton* CurrentButton() const { return m_currentButton; }

    // What the owner computed at its tick: the offset from the current city ("+9 h tomorrow",
    // drawn small at the end of the time line), the next clock change's text (for the tip and
    // the screen reader) and its direction when it falls within a week (+1 forward, -1 back,
    // 0 none: the mark drawn beside the offset).
    void SetNote(const QString& offset, const QString& change, int soonDirection);
    QString OffsetNote() const { return m_noteOffset; }
    QString ChangeNote() const { return m_noteChange; }
    int ChangeMark() const { return m_noteDirection; }

    // The commands of the pop-up menu and the buttons. TRUE when handled.
    BOOL OnCommand(UINT id);
    // A tap: the notification with hold 0.
    void Tap(const QPoint& at);
    // A tap that became a tap-and-hold: the notification with hold 1, then the pop-up menu.
    void TapAndHold(const QPoint& at);
    // The pop-up menu of the display (null with CDS_NOMENU); exec'd by the tap-and-hold.
    QMenu* CreatePopupMenu();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Sent synchronously; the owner may set n.cancel for CDN_CITYCHANGING.
    void notify(za::app::CityDisplayNotify& n);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void changeEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void Layout();
    void SetPressed(bool pressed);
    void SelectCity();
    void SetCurrent();
    void Send(CityDisplayNotify& n);
    // The tap notification, with the place and the city's position.
    void SendTapped(const QPoint& at, BOOL hold);
    void UpdateAccessibleTexts();
    QWidget* DialogOwner() const;
    // Draws the change mark and the offset note at the right end of r, the note only where it
    // fits in `room` pixels.
    void DrawNote(QPainter& p, const QRect& r, int room) const;

    CHost& m_host;
    CDisplayButton* m_changeButton = nullptr;
    CDisplayButton* m_currentButton = nullptr;
    SYSTEMTIME m_shownTime{};
    CCity m_city;
    DWORD m_options = 0xFFFF;
    int m_id = 0;
    int m_height = 0;
    QFont m_font;
    bool m_hasFont = false;
    QRect m_nameRect;
    QRect m_timeRect;
    QColor m_textColour;
    QColor m_backColour;
    QTimer m_holdTimer;
    QPoint m_pressPoint;
    QString m_accessibleDescription;
    QString m_noteOffset;
    QString m_noteChange;
    int m_noteDirection = 0;
};

}  // namespace za::app
