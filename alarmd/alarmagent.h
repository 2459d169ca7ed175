// The alarm agent: delivers the profile's due notifications while the user is logged in,
// whether Zonaria runs or not. One timer waits for the next due trigger on the device clock;
// it is set again when the store changes, when the device clock is set (both announced by
// window messages) and when the host clock jumps or the machine wakes (a look every 30 s at the
// wall clock against the monotonic one). Each due notification is claimed once in the store,
// shown through the desktop's notification server with Dismiss and Snooze, and sounds as its
// action flags say.
#pragma once

#include "desktopnotifier.h"
#include "notify.h"
#include "window.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class CAlarmAgent : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "net.corvantel.Zonaria.AlarmAgent")

public:
    // The periods of the agent, in milliseconds.
    struct Timing {
        int checkMs = 30000;                   // the look at the clocks
        std::int64_t jumpMs = 2000;            // a difference that counts as a jump
        int repeatMs = 20000;                  // the sound again, while not dismissed
        std::int64_t repeatForMs = 5 * 60000;  // for at most this long
        std::int64_t snoozeMs = 10 * 60000;    // Snooze
        std::int64_t missedAfterMs = 60000;    // later than this is a missed alarm
        // How long a claim holds unless renewed (at each look at the clocks), and how long
        // the server may think before the agent says so in its log.
        std::int64_t leaseMs = za::notify::kClaimLeaseMs;
        int slowServerMs = 5000;
    };

    CAlarmAgent(CDesktopNotifier& notifier, Timing timing, QObject* parent = nullptr);
    ~CAlarmAgent() override;

    // Creates the agent's window, delivers what is due (missed alarms too) and arms the timer.
    // False, with the reason, when the window cannot be made.
    bool Start(QString* error);
    // How many notifications are shown, sounding or on their way to the server now.
    int ActiveCount() const { return static_cast<int>(m_active.size() + m_pending.size()); }
    // When the timer fires next, in device UTC milliseconds; 0 when it does not run.
    std::int64_t ArmedFor() const { return m_armedFor; }

    // The shipped alarm sound: beside the program (sounds/) or in its share folder.
    static QString DefaultSoundFile();
    // The file to play for a notification's sound: an existing absolute path as it is, nothing
    // for "--no sound--", else the shipped sound.
    static QString SoundFileFor(const QString& sound);

public slots:
    // Delivers what is due and waits for the next trigger. Also reachable on the session bus.
    Q_SCRIPTABLE void Rearm();

private:
    // A repeat timer may end from its own timeout: stopped at once, deleted from the event loop.
    struct StopLater {
        void operator()(QTimer* timer) const {
            timer->stop();
            timer->deleteLater();
        }
    };
    struct Active {
        HANDLE handle = nullptr;
        uint id = 0;  // the server's id; a key of our own when nothing is shown
        bool shown = false;
        bool repeats = false;  // the sound again until dismissed
        QString title;
        QString body;
        QString application;  // the program the alarm belongs to
        QString soundFile;  // empty: silent
        QElapsedTimer since;
        std::unique_ptr<QTimer, StopLater> repeat;
    };

    void Deliver(const za::notify::Notification& n, std::int64_t now);
    // The server's answer to the showing of a claimed notification.
    void OnShown(HANDLE handle, uint id, const QString& error);
    // An alarm shown (or silent): its sound, and its place among the active ones.
    void Begin(std::unique_ptr<Active> a);
    // The handles this agent holds or waits with, which its claims leave alone.
    std::vector<HANDLE> Held() const;
    void RenewClaims();
    void Sound(const Active& a, bool again);
    void Repeat(uint key);
    void OnAction(uint id, const QString& key);
    void OnClosed(uint id, uint reason);
    void CheckClocks();
    std::unique_ptr<Active> Take(uint key);

    CDesktopNotifier& m_notifier;
    Timing m_timing;
    std::unique_ptr<za::PlatformWindow> m_window;
    UINT m_changedMessage = 0;
    QString m_profileFile;  // device.db: when it goes, so does the agent
    QTimer m_due;
    QTimer m_check;
    std::int64_t m_armedFor = 0;
    QElapsedTimer m_monotonic;
    std::int64_t m_wallAtMark = 0;
    std::int64_t m_monotonicAtMark = 0;
    std::map<uint, std::unique_ptr<Active>> m_active;
    // Claimed and sent to the server, which has not answered yet.
    std::map<HANDLE, std::unique_ptr<Active>> m_pending;
    uint m_nextSilentKey = 0x80000000u;
    // Claimed while no notification server was there: left for the next session (or until a
    // server comes).
    std::vector<HANDLE> m_waiting;
    bool m_warnedNoPlayer = false;
};

// A line for the user's logs: standard error, and the journal where there is one.
void LogLine(const QString& line, int priority = 5);
// The notification's summary: "Alarm – 7:00 AM in Tokyo", the due time in the alarm's city (its
// arguments name it); without that city, the device's time alone.
QString AlarmSummary(const za::notify::Notification& n);
