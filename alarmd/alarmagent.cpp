#include "alarmagent.h"

#include "alarm.h"
#include "city.h"
#include "citylist.h"
#include "clock.h"
#include "device.h"
#include "format.h"
#include "timeservice.h"
#include "process.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>
#include <QDir>
#include <QFileInfo>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr const char* kNoSound = "--no sound--";
constexpr const char* kSoundFileName = "zonaria-alarm.wav";
// QTimer takes an int; a trigger further away is looked at again after this long.
constexpr std::int64_t kLongestWaitMs = std::numeric_limits<int>::max();

// The journal's native protocol: one datagram of KEY=value lines.
void SendToJournal(const QString& line, int priority) {
    static const char* const kSocket = "/run/systemd/journal/socket";
    if (::access(kSocket, W_OK) != 0) return;
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, kSocket, sizeof address.sun_path - 1);
    QByteArray text = line.toUtf8();
    text.replace('\n', ' ');
    const QByteArray datagram = "PRIORITY=" + QByteArray::number(priority) +
                                "\nSYSLOG_IDENTIFIER=zonaria-alarmd\nMESSAGE=" + text + "\n";
    ::sendto(fd, datagram.constData(), static_cast<size_t>(datagram.size()), MSG_NOSIGNAL,
             reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::close(fd);
}

SYSTEMTIME UtcSystemTime(std::int64_t utcMs) {
    const QDateTime t = QDateTime::fromMSecsSinceEpoch(utcMs, QTimeZone::utc());
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.date().year());
    st.wMonth = static_cast<WORD>(t.date().month());
    st.wDay = static_cast<WORD>(t.date().day());
    st.wDayOfWeek = static_cast<WORD>(t.date().dayOfWeek() % 7);
    st.wHour = static_cast<WORD>(t.time().hour());
    st.wMinute = static_cast<WORD>(t.time().minute());
    st.wSecond = static_cast<WORD>(t.time().second());
    return st;
}

}  // namespace

QString AlarmSummary(const za::notify::Notification& n) {
    // The alarm was set in its city's time, so that is the time it names.
    CCityList& cities = GetCityList();
    CCity city;
    const bool opened = cities.Open();
    const bool found = opened && !n.arguments.isEmpty() && cities.LoadCity(n.arguments, city);
    if (opened) cities.Close();
    if (found) {
        return QCoreApplication::translate("CAlarmAgent", "Alarm – %1 in %2")
            .arg(city.LocalTimeAsString(UtcSystemTime(n.dueUtcMs), TF_TIME), city.Name());
    }
    SYSTEMTIME local{};
    za::notify::UtcMsToDeviceLocal(n.dueUtcMs, &local);
    return QCoreApplication::translate("CAlarmAgent", "Alarm – %1").arg(FormatDateAndTime(local, FALSE, TF_TIME));
}

void LogLine(const QString& line, int priority) {
    std::fprintf(stderr, "zonaria-alarmd: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    SendToJournal(line, priority);
}

CAlarmAgent::CAlarmAgent(CDesktopNotifier& notifier, Timing timing, QObject* parent)
    : QObject(parent), m_notifier(notifier), m_timing(timing) {
    m_due.setSingleShot(true);
    m_due.setTimerType(Qt::PreciseTimer);
    connect(&m_due, &QTimer::timeout, this, &CAlarmAgent::Rearm);
    m_check.setInterval(m_timing.checkMs);
    connect(&m_check, &QTimer::timeout, this, &CAlarmAgent::CheckClocks);
    connect(&m_notifier, &CDesktopNotifier::actionInvoked, this, &CAlarmAgent::OnAction);
    connect(&m_notifier, &CDesktopNotifier::closed, this, &CAlarmAgent::OnClosed);
    connect(&m_notifier, &CDesktopNotifier::serverAppeared, this, [this] {
        // What waited for a server can be shown now.
        m_waiting.clear();
        Rearm();
    });
}

CAlarmAgent::~CAlarmAgent() {
    // What is on screen or waits for the server goes back to the store, so that the next
    // agent shows it again (in place of the one on screen, which no one answers any more).
    for (const auto& [key, a] : m_active) {
        if (a->shown) za::notify::Unclaim(a->handle);
    }
    for (const auto& [handle, a] : m_pending) za::notify::Unclaim(handle);
}

bool CAlarmAgent::Start(QString* error) {
    m_changedMessage = RegisterWindowMessageW(QString::fromLatin1(za::notify::kNotificationsChangedMessage));
    m_window = std::make_unique<za::PlatformWindow>(
        QString::fromLatin1(kAlarmAgentWindowClass), QString(), [this](UINT msg, WPARAM, LPARAM) {
            if (msg == WM_TIMECHANGE || (m_changedMessage != 0 && msg == m_changedMessage)) {
                QTimer::singleShot(0, this, &CAlarmAgent::Rearm);
            }
        });
    if (!m_window->hwnd()) {
        if (error) *error = QStringLiteral("the agent's window could not be made (error %1)").arg(GetLastError());
        return false;
    }
    m_profileFile = QDir(za::device::ProfilePath()).filePath(QStringLiteral("device.db"));
    m_monotonic.start();
    m_wallAtMark = za::device::NowUtcMs();
    m_monotonicAtMark = 0;
    m_check.start();
    // The device's zone or clock changed from outside (the computer's time service, another
    // process's change of the private device): the alarms keep their instants, and the timer
    // is set again from the clock as it is now.
    za::device::WatchDeviceChanges(this, [this](unsigned changes) {
        if (changes & za::device::ZoneOrClockChanged) Rearm();
    });
    Rearm();
    return true;
}

void CAlarmAgent::Rearm() {
    const std::int64_t now = za::device::NowUtcMs();
    for (const za::notify::Notification& n : za::notify::ClaimDue(now, 64, Held(), m_timing.leaseMs)) Deliver(n, now);
    m_due.stop();
    m_armedFor = 0;
    const std::optional<std::int64_t> next = za::notify::NextDueUtcMs(Held());
    if (!next) return;
    const std::int64_t wait = std::clamp<std::int64_t>(*next - za::device::NowUtcMs(), 0, kLongestWaitMs);
    m_armedFor = *next;
    m_due.start(static_cast<int>(wait));
}

void CAlarmAgent::RenewClaims() {
    std::vector<HANDLE> held;
    for (const auto& [key, a] : m_active) held.push_back(a->handle);
    for (const auto& [handle, a] : m_pending) held.push_back(handle);
    za::notify::RenewClaims(held, za::device::NowUtcMs() + m_timing.leaseMs);
}

void CAlarmAgent::CheckClocks() {
    if (!QFileInfo::exists(m_profileFile)) {
        // Removed (a reset, or a test's profile): nothing is left to deliver.
        LogLine(QStringLiteral("the device profile %1 is gone; the agent ends").arg(m_profileFile));
        QCoreApplication::exit(0);
        return;
    }
    RenewClaims();
    const std::int64_t wall = za::device::NowUtcMs();
    const std::int64_t monotonic = m_monotonic.elapsed();
    const std::int64_t drift = (wall - m_wallAtMark) - (monotonic - m_monotonicAtMark);
    m_wallAtMark = wall;
    m_monotonicAtMark = monotonic;
    // The machine slept, or the clock was set: the timer counts time that did not pass as the
    // wall clock says.
    if (drift > m_timing.jumpMs || drift < -m_timing.jumpMs) Rearm();
}

QString CAlarmAgent::DefaultSoundFile() {
    const QDir dir(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {dir.filePath(QStringLiteral("sounds/%1").arg(QLatin1String(kSoundFileName))),
                                     dir.filePath(QStringLiteral("../share/zonaria/sounds/%1").arg(QLatin1String(kSoundFileName)))}) {
        if (QFileInfo::exists(candidate)) return QDir::cleanPath(candidate);
    }
    return QString();
}

QString CAlarmAgent::SoundFileFor(const QString& sound) {
    if (sound == QLatin1String(kNoSound)) return QString();
    const QFileInfo file(sound);
    if (file.isAbsolute() && file.isFile()) return sound;
    return DefaultSoundFile();
}

void CAlarmAgent::Deliver(const za::notify::Notification& n, std::int64_t now) {
    QString body = n.text;
    if (now - n.dueUtcMs > m_timing.missedAfterMs) {
        SYSTEMTIME local{};
        za::notify::UtcMsToDeviceLocal(n.dueUtcMs, &local);
        body += QCoreApplication::translate("CAlarmAgent", " (missed, due %1)").arg(FormatDateAndTime(local, FALSE, TF_TIME));
    }
    auto a = std::make_unique<Active>();
    a->handle = n.handle;
    a->title = AlarmSummary(n);
    a->application = n.application;
    a->body = body;
    a->soundFile = (n.actionFlags & PUN_SOUND) ? SoundFileFor(n.sound) : QString();
    a->repeats = (n.actionFlags & PUN_REPEAT) != 0;
    a->since.start();
    if (!(n.actionFlags & PUN_DIALOG)) {
        a->id = m_nextSilentKey++;
        za::notify::MarkShown(n.handle, 0, now + m_timing.leaseMs);
        Begin(std::move(a));
        return;
    }
    // Shown once the server answers, however long it takes; meanwhile the claim is held.
    const HANDLE handle = n.handle;
    m_pending[handle] = std::move(a);
    m_notifier.ShowAsync(n.serverId, m_pending[handle]->title, body, !m_pending[handle]->soundFile.isEmpty(),
                         m_pending[handle]->soundFile, this,
                         [this, handle](uint id, const QString& error) { OnShown(handle, id, error); });
    QTimer::singleShot(m_timing.slowServerMs, this, [this, handle] {
        if (m_pending.count(handle) != 0) {
            LogLine(QStringLiteral("the notification server has not answered for %1 s; the alarm waits for it")
                        .arg(m_timing.slowServerMs / 1000),
                    4);
        }
    });
}

void CAlarmAgent::OnShown(HANDLE handle, uint id, const QString& error) {
    auto it = m_pending.find(handle);
    if (it == m_pending.end()) return;
    std::unique_ptr<Active> a = std::move(it->second);
    m_pending.erase(it);
    if (id == 0) {
        LogLine(QStringLiteral("%1: %2 — no notification server could show it (%3); it is kept for the next session")
                    .arg(a->title, a->body, error),
                4);
        za::notify::Unclaim(handle);
        m_waiting.push_back(handle);
        m_notifier.WatchForServer();
        return;
    }
    a->id = id;
    a->shown = true;
    if (!za::notify::MarkShown(handle, id, za::device::NowUtcMs() + m_timing.leaseMs)) {
        // Cleared while the server thought (the user deleted the alarm): nothing to answer.
        m_notifier.Close(id);
        return;
    }
    Begin(std::move(a));
}

void CAlarmAgent::Begin(std::unique_ptr<Active> a) {
    LogLine(QStringLiteral("%1: %2").arg(a->title, a->body), 5);
    Sound(*a, false);
    const uint key = a->id;
    if (a->repeats && !a->soundFile.isEmpty()) {
        a->repeat.reset(new QTimer);
        connect(a->repeat.get(), &QTimer::timeout, this, [this, key] { Repeat(key); });
        a->repeat->start(m_timing.repeatMs);
    }
    const bool lingers = a->shown || a->repeat;
    const HANDLE handle = a->handle;
    m_active[key] = std::move(a);
    // Nothing to dismiss and nothing more to play: the alarm is over.
    if (!lingers) {
        Take(key);
        za::notify::Clear(handle);
    }
}

std::vector<HANDLE> CAlarmAgent::Held() const {
    std::vector<HANDLE> held = m_waiting;
    for (const auto& [key, a] : m_active) held.push_back(a->handle);
    for (const auto& [handle, a] : m_pending) held.push_back(handle);
    return held;
}

void CAlarmAgent::Sound(const Active& a, bool again) {
    if (a.soundFile.isEmpty()) return;
    if (a.shown && m_notifier.ServerPlaysSound()) {
        // The server plays the hint's sound each time the notification is shown again.
        if (again) m_notifier.Show(a.id, a.title, a.body, true, a.soundFile);
        return;
    }
    if (!m_notifier.PlayLocally(a.soundFile) && !m_warnedNoPlayer) {
        m_warnedNoPlayer = true;
        LogLine(QStringLiteral("no sound player was found (pw-play, paplay or aplay); alarms are silent"), 4);
    }
}

void CAlarmAgent::Repeat(uint key) {
    auto it = m_active.find(key);
    if (it == m_active.end()) return;
    Active& a = *it->second;
    if (a.since.elapsed() >= m_timing.repeatForMs) {
        a.repeat.reset();
        if (!a.shown) {
            const HANDLE handle = a.handle;
            Take(key);
            za::notify::Clear(handle);
        }
        return;
    }
    Sound(a, true);
}

std::unique_ptr<CAlarmAgent::Active> CAlarmAgent::Take(uint key) {
    auto it = m_active.find(key);
    if (it == m_active.end()) return nullptr;
    std::unique_ptr<Active> a = std::move(it->second);
    m_active.erase(it);
    return a;
}

void CAlarmAgent::OnAction(uint id, const QString& key) {
    std::unique_ptr<Active> a = Take(id);
    if (!a) return;
    if (key == QLatin1String(kSnoozeAction)) {
        za::notify::Reschedule(a->handle, za::device::NowUtcMs() + m_timing.snoozeMs);
    } else if (key == QLatin1String(kDefaultAction)) {
        // A click on the notification: the alarm is seen, and Zonaria comes to the front (a
        // second start raises the running window).
        CeClearUserNotification(a->handle);
        QString program = a->application;
        if (!QFileInfo(program).isExecutable()) program = AlarmApplicationPath();
        if (QFileInfo(program).isExecutable()) za::process::StartDetached(program, {});
    } else {
        za::notify::Clear(a->handle);
    }
    // Taken first, so the closing it causes is not taken for a dismissal.
    m_notifier.Close(id);
    Rearm();
}

void CAlarmAgent::OnClosed(uint id, uint) {
    std::unique_ptr<Active> a = Take(id);
    if (a) za::notify::Clear(a->handle);
}
