// The Set Time dialog: the device's date and time set by hand in two pickers that follow the
// clock until the user works with them, or synchronised with an Internet time server over
// SNTP. The exchange runs on a worker thread while the dialog keeps its event loop going, so
// it repaints (and its pickers keep ticking) for the up to 20 seconds a silent server takes.
#pragma once

#include "dialogframe.h"
#include "wintypes.h"

#include <QString>
#include <QTimer>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTimeEdit;
struct SntpExchange;
enum class SntpFailure;

namespace za::app {

// Controls of dialog 157.
constexpr int IDC_TIME_PICKER = 1015;
constexpr int IDC_DATE_PICKER = 1014;
constexpr int IDC_SNTP_SERVER = 1040;
constexpr int IDC_SYNC = 1041;
// Its timers: the time picker follows the clock every second, the date picker every minute.
constexpr int IDT_TIME_TICK = 100;
constexpr int IDT_DATE_TICK = 101;
constexpr int kTimeTickMs = 1000;
constexpr int kDateTickMs = 60000;

class CSetTimeDlg : public CBaseDialog {
    Q_OBJECT

public:
    explicit CSetTimeDlg(QWidget* parent);
    ~CSetTimeDlg() override;

    // Where Sync asks and how long it waits: port 123 and 20 seconds unless set (tests serve
    // on a port of their own and wait less).
    void SetSntpPort(unsigned short port) { m_port = port; }
    void SetSntpTimeout(int ms) { m_timeoutMs = ms; }

    // The user changed a picker since the dialog started or since the last successful sync.
    bool IsModified() const { return m_modified; }
    // An exchange is running: Sync, OK and Cancel do nothing until it ends.
    bool IsSyncing() const { return m_syncing; }

    // A tick of IDT_TIME_TICK or IDT_DATE_TICK: while nothing is modified, the picker of that
    // timer shows the device's local time unless it has the focus.
    void OnTimer(int id);
    // The Sync button: one exchange with the server named in the combo box, the device clock
    // set from it, and message 133 or 134.
    void OnSync();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The headings with their fields under them, the labels of both sections in one column.
    void LayOut(QLabel* timeHeading, QLabel* syncHeading, QLabel* note);
    // Runs Query on a worker thread and this thread's events until it is done. TRUE fills
    // exchange.
    BOOL RunExchange(const QString& server, SntpExchange& exchange, SntpFailure* failure = nullptr,
                     DWORD* error = nullptr);
    // While an exchange runs nothing else may start: Sync, the server and the dialog's buttons
    // are disabled.
    void SetSyncing(bool syncing);
    // Both pickers to the device's local time now.
    void ShowCurrentTime();
    // The pickers' local date and time to the device clock, through the device zone.
    BOOL Apply();
    // On the computer: whether its clock may be set by hand now. When it keeps its clock
    // automatically, the user is asked to turn that off first (and it is turned off on Yes).
    bool MayClockBeSet();
    // The computer's automatic time, shown under the sync section (hidden on the private device).
    void ShowAutomaticTime();
    void OnAutomaticTime(bool on);

    QTimeEdit* m_time = nullptr;
    QDateEdit* m_date = nullptr;
    QComboBox* m_server = nullptr;
    QPushButton* m_sync = nullptr;
    QWidget* m_calendarPopup = nullptr;  // the date picker's drop-down calendar
    QLabel* m_ntpState = nullptr;        // whether the computer keeps its clock itself
    QCheckBox* m_ntp = nullptr;          // turns that on or off, where the computer can
    QTimer m_timeTick;
    QTimer m_dateTick;
    bool m_modified = false;
    bool m_syncing = false;
    unsigned short m_port;
    int m_timeoutMs;
};

}  // namespace za::app
