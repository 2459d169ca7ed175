// The alarm agent with real processes on a private session bus (the tests run under
// dbus-run-session): the agent program, the notification server stub and, where the server
// plays no sounds, a stand-in sound player that writes down what it was asked to play. Zonaria
// itself never runs. The device clock is moved rather than waited for.
#include "alarmagent.h"
#include "clock.h"
#include "desktopnotifier.h"
#include "device.h"
#include "format.h"
#include "notify.h"
#include "oledate.h"
#include "profile.h"
#include "tzderive.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <signal.h>

#include <functional>
#include <memory>
#include <vector>

using za::test::FixedHostClock;

namespace {

// Bounds of waits for what should happen within a second or two.
constexpr int kWaitMs = 20000;

bool RunUntil(const std::function<bool()>& cond, int ms = kWaitMs) {
    QElapsedTimer timer;
    timer.start();
    while (!cond()) {
        if (timer.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

void Pump(int ms) {
    RunUntil([] { return false; }, ms);
}

struct Alarm {
    QString app = QStringLiteral("/opt/zonaria/bin/zonaria");
    QString city = QStringLiteral("Tokyo");
    QString title = QStringLiteral("Zonaria");
    QString text = QStringLiteral("It is 7:00 AM in Tokyo");
    QString sound = QStringLiteral("Alarm1");
    DWORD flags = PUN_LED | PUN_DIALOG | PUN_SOUND | PUN_REPEAT;
};

// Registers an alarm due at the device UTC instant dueMs.
HANDLE Register(std::int64_t dueMs, const Alarm& a = Alarm()) {
    SYSTEMTIME local{};
    EXPECT_TRUE(za::notify::UtcMsToDeviceLocal(dueMs, &local));
    local.wMilliseconds = 0;
    CE_NOTIFICATION_TRIGGER trigger{};
    trigger.dwSize = sizeof trigger;
    trigger.dwType = CNT_TIME;
    trigger.lpszApplication = const_cast<WCHAR*>(reinterpret_cast<const WCHAR*>(a.app.utf16()));
    trigger.lpszArguments = const_cast<WCHAR*>(reinterpret_cast<const WCHAR*>(a.city.utf16()));
    trigger.stStartTime = local;
    CE_USER_NOTIFICATION user{};
    user.ActionFlags = a.flags;
    user.pwszDialogTitle = const_cast<WCHAR*>(reinterpret_cast<const WCHAR*>(a.title.utf16()));
    user.pwszDialogText = const_cast<WCHAR*>(reinterpret_cast<const WCHAR*>(a.text.utf16()));
    user.pwszSound = const_cast<WCHAR*>(reinterpret_cast<const WCHAR*>(a.sound.utf16()));
    user.nMaxSound = 520;
    return CeSetUserNotificationEx(nullptr, &trigger, &user);
}

bool Exists(HANDLE h) {
    DWORD needed = 0;
    return CeGetUserNotification(h, 0, &needed, nullptr) || needed != 0;
}

class AgentTest : public za::test::ProfileTest {
protected:
    AgentTest() {
        // A zone without daylight time, so the times shown are plain.
        TIME_ZONE_INFORMATION tokyo{};
        EXPECT_TRUE(za::tz::DeriveFromZone(QTimeZone("Asia/Tokyo"), 2026, &tokyo));
        SetTimeZoneInformation(&tokyo);
        // The stand-in players, first on the path.
        EXPECT_TRUE(players.isValid());
        for (const char* name : {"pw-play", "paplay", "aplay"}) {
            QFile script(players.filePath(QString::fromLatin1(name)));
            EXPECT_TRUE(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\necho \"$@\" >> \"" + PlayedLog().toUtf8() + "\"\n");
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZONARIA_DEVICE"), profile.path());
        env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        env.insert(QStringLiteral("PATH"), players.path() + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
        // Each test has a runtime folder of its own, so the agents' locks are its own too.
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), players.path());
    }
    ~AgentTest() override {
        for (auto& p : processes) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(kWaitMs);
            }
        }
    }

    QString PlayedLog() const { return players.filePath(QStringLiteral("played.log")); }
    QStringList Played() const {
        QFile f(PlayedLog());
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QProcess* Start(const QString& program, const QStringList& args = {}) {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(env);
        p->start(program, args);
        EXPECT_TRUE(p->waitForStarted(kWaitMs));
        processes.push_back(std::move(p));
        return processes.back().get();
    }

    // Starts the stub and waits until it owns its name.
    QProcess* StartServer(const QStringList& args = {}) {
        QProcess* p = Start(QStringLiteral(NOTIFYSTUB_PATH), args);
        EXPECT_TRUE(RunUntil([p] { return p->canReadLine() || p->state() == QProcess::NotRunning; }));
        EXPECT_EQ("ready", p->readLine().trimmed()) << p->readAllStandardError().constData();
        server = p;
        return p;
    }
    QProcess* StartAgent() { return Start(QStringLiteral(ALARMD_PATH)); }

    // The stub's next "notify" line, or an empty object after ms.
    QJsonObject NextNotify(int ms = kWaitMs) {
        QJsonObject found;
        RunUntil(
            [&] {
                while (server->canReadLine()) {
                    const QByteArray line = server->readLine().trimmed();
                    if (line.startsWith("notify ")) {
                        found = QJsonDocument::fromJson(line.mid(7)).object();
                        return true;
                    }
                }
                return false;
            },
            ms);
        return found;
    }

    void Send(const QByteArray& line) {
        server->write(line + "\n");
        server->waitForBytesWritten(kWaitMs);
    }

    QTemporaryDir players;
    QProcessEnvironment env;
    QProcess* server = nullptr;
    std::vector<std::unique_ptr<QProcess>> processes;
};

}  // namespace

TEST_F(AgentTest, AnAlarmTwoSecondsAheadIsDeliveredOnceWithItsTextsSoundAndActions) {
    StartServer();
    const std::int64_t due = za::device::NowUtcMs() + 2000;
    const HANDLE h = Register(due);
    StartAgent();

    const QJsonObject n = NextNotify();
    ASSERT_FALSE(n.isEmpty());
    // The device clock is the host's here: it rang at its time, not before.
    EXPECT_GE(n[QStringLiteral("at")].toInteger(), due - 1000);
    // The summary says what rang and when in its city's time; the message is the body.
    SYSTEMTIME tokyo{};
    ASSERT_TRUE(za::notify::UtcMsToDeviceLocal(due, &tokyo));
    EXPECT_EQ(QStringLiteral("Alarm \u2013 %1 in Tokyo").arg(FormatDateAndTime(tokyo, FALSE, TF_TIME)),
              n[QStringLiteral("summary")].toString());
    EXPECT_EQ(QStringLiteral("It is 7:00 AM in Tokyo"), n[QStringLiteral("body")].toString());
    EXPECT_EQ(QJsonArray({"default", "Open Zonaria", "dismiss", "Dismiss", "snooze", "Snooze 10 min"}),
              n[QStringLiteral("actions")].toArray());
    EXPECT_EQ(QStringLiteral("io.github.zonaria.Zonaria"), n[QStringLiteral("hints")].toObject()[QStringLiteral("desktop-entry")].toString());
    const QJsonObject hints = n[QStringLiteral("hints")].toObject();
    EXPECT_EQ(QStringLiteral("alarm-clock-elapsed"), hints[QStringLiteral("sound-name")].toString());
    EXPECT_TRUE(hints[QStringLiteral("sound-file")].toString().endsWith(QLatin1String("/sounds/zonaria-alarm.wav")));
    EXPECT_TRUE(QFile::exists(hints[QStringLiteral("sound-file")].toString()));
    EXPECT_EQ(2, hints[QStringLiteral("urgency")].toInt());
    EXPECT_EQ(0, n[QStringLiteral("replaces")].toInt());
    // The server plays the sound: no local player.
    EXPECT_TRUE(Played().isEmpty());
    EXPECT_TRUE(za::notify::Read(h)->signalled);

    EXPECT_TRUE(NextNotify(3000).isEmpty()) << "delivered a second time";
}

// Another process moves the device's clock past an alarm an hour away: the agent is told (the
// time-change message, and the profile's change) and rings it at once rather than at its next
// look at the clocks (every 30 s).
TEST_F(AgentTest, AClockMovedByAnotherProcessIsFollowedAtOnce) {
    StartServer();
    const std::int64_t due = za::device::NowUtcMs() + 3600 * 1000;
    const HANDLE h = Register(due);
    env.insert(QStringLiteral("ZONARIA_REPORT_READY"), QStringLiteral("1"));
    QProcess* agent = StartAgent();
    ASSERT_TRUE(RunUntil([agent] { return agent->canReadLine(); })) << agent->readAllStandardError().constData();
    ASSERT_EQ("ready", agent->readLine().trimmed());
    EXPECT_TRUE(NextNotify(500).isEmpty()) << "an hour early";

    SYSTEMTIME later{};
    ASSERT_TRUE(za::SecondsToSystemTime(due / 1000 + 1, &later));
    ASSERT_TRUE(SetSystemTime(&later));
    const QJsonObject n = NextNotify(10000);
    EXPECT_FALSE(n.isEmpty()) << "not rung within 10 s of the clock's move";
    EXPECT_TRUE(za::notify::Read(h)->signalled);
}

TEST_F(AgentTest, DismissClearsTheAlarmFromTheStore) {
    StartServer();
    const HANDLE h = Register(za::device::NowUtcMs() + 500);
    StartAgent();
    const QJsonObject n = NextNotify();
    ASSERT_FALSE(n.isEmpty());
    EXPECT_TRUE(Exists(h));
    Send("invoke " + QByteArray::number(n[QStringLiteral("id")].toInt()) + " dismiss");
    EXPECT_TRUE(RunUntil([h] { return !Exists(h); }));
}

TEST_F(AgentTest, AClickOnTheNotificationOpensZonariaAndEndsTheAlarm) {
    // A stand-in for the alarm's program, which says that it was started.
    Alarm alarm;
    alarm.app = players.filePath(QStringLiteral("zonaria"));
    QFile script(alarm.app);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho zonaria >> \"" + PlayedLog().toUtf8() + "\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    StartServer();
    const HANDLE h = Register(za::device::NowUtcMs() + 500, alarm);
    StartAgent();
    const QJsonObject n = NextNotify();
    ASSERT_FALSE(n.isEmpty());
    Send("invoke " + QByteArray::number(n[QStringLiteral("id")].toInt()) + " default");
    EXPECT_TRUE(RunUntil([this] { return Played().contains(QStringLiteral("zonaria")); }));
    EXPECT_TRUE(RunUntil([h] { return !Exists(h); }));
}

TEST_F(AgentTest, AClosedNotificationCountsAsDismissed) {
    StartServer();
    const HANDLE h = Register(za::device::NowUtcMs() + 500);
    StartAgent();
    const QJsonObject n = NextNotify();
    ASSERT_FALSE(n.isEmpty());
    Send("closed " + QByteArray::number(n[QStringLiteral("id")].toInt()) + " 2");
    EXPECT_TRUE(RunUntil([h] { return !Exists(h); }));
}

TEST_F(AgentTest, SnoozeBringsTheAlarmBackTenMinutesLater) {
    StartServer();
    const HANDLE h = Register(za::device::NowUtcMs() + 500);
    StartAgent();
    const QJsonObject first = NextNotify();
    ASSERT_FALSE(first.isEmpty());

    const std::int64_t snoozedAt = za::device::NowUtcMs();
    Send("invoke " + QByteArray::number(first[QStringLiteral("id")].toInt()) + " snooze");
    ASSERT_TRUE(RunUntil([h] { return !za::notify::Read(h)->signalled; }));
    const std::int64_t due = za::notify::Read(h)->dueUtcMs;
    EXPECT_GE(due, snoozedAt + 600000 - 5000);
    EXPECT_LE(due, za::device::NowUtcMs() + 600000);
    EXPECT_TRUE(NextNotify(2000).isEmpty()) << "back before its time";

    // Ten minutes on the device clock: the agent is told and rings it again.
    SYSTEMTIME later{};
    za::SecondsToSystemTime((due + 1000) / 1000, &later);
    ASSERT_TRUE(SetSystemTime(&later));
    const QJsonObject again = NextNotify();
    ASSERT_FALSE(again.isEmpty());
    EXPECT_EQ(QStringLiteral("It is 7:00 AM in Tokyo"), again[QStringLiteral("body")].toString());
    EXPECT_TRUE(Exists(h));
}

TEST_F(AgentTest, AnAlarmDueWhileNoAgentRanIsDeliveredAsMissed) {
    const std::int64_t due = za::device::NowUtcMs() - 30 * 60000;
    Register(due);
    StartServer();
    StartAgent();
    const QJsonObject n = NextNotify();
    ASSERT_FALSE(n.isEmpty());
    SYSTEMTIME local{};
    ASSERT_TRUE(za::notify::UtcMsToDeviceLocal(due, &local));
    EXPECT_EQ(QStringLiteral("It is 7:00 AM in Tokyo (missed, due %1)").arg(FormatDateAndTime(local, FALSE, TF_TIME)),
              n[QStringLiteral("body")].toString());
}

TEST_F(AgentTest, WithoutANotificationServerTheAlarmIsLoggedAndKeptForTheNextSession) {
    const HANDLE h = Register(za::device::NowUtcMs() - 5 * 60000);
    QProcess* lonely = StartAgent();
    ASSERT_TRUE(RunUntil([lonely] { return lonely->readAllStandardError().contains("kept for the next session"); }))
        << "the agent did not say it kept the alarm";
    EXPECT_FALSE(za::notify::Read(h)->signalled);
    lonely->kill();
    lonely->waitForFinished(kWaitMs);

    StartServer();
    StartAgent();
    const QJsonObject n = NextNotify();
    ASSERT_FALSE(n.isEmpty());
    EXPECT_TRUE(n[QStringLiteral("body")].toString().contains(QLatin1String("(missed, due ")));
}

// The agent that found no server shows the alarm as soon as one comes, without a restart.
TEST_F(AgentTest, AServerThatComesLaterShowsTheAlarmThatWaited) {
    const HANDLE h = Register(za::device::NowUtcMs() - 60000);
    QProcess* agent = StartAgent();
    ASSERT_TRUE(RunUntil([agent] { return agent->readAllStandardError().contains("kept for the next session"); }));
    StartServer();
    const QJsonObject n = NextNotify();
    ASSERT_FALSE(n.isEmpty()) << "the waiting alarm was not shown when the server came";
    EXPECT_EQ(QProcess::Running, agent->state());
    EXPECT_TRUE(n[QStringLiteral("body")].toString().contains(QLatin1String("(missed, due ")));
    EXPECT_TRUE(RunUntil([h] { return za::notify::Read(h)->signalled; }));
}

TEST_F(AgentTest, TwoAgentsStartedTogetherDeliverTheAlarmOnce) {
    StartServer();
    Register(za::device::NowUtcMs() + 2000);
    QProcess* a = StartAgent();
    QProcess* b = StartAgent();
    // One of them sees the other and goes.
    ASSERT_TRUE(RunUntil([&] { return a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning; }));
    QProcess* gone = a->state() == QProcess::NotRunning ? a : b;
    EXPECT_EQ(0, gone->exitCode());
    EXPECT_TRUE(gone->readAllStandardError().contains("already runs"));
    ASSERT_FALSE(NextNotify().isEmpty());
    EXPECT_TRUE(NextNotify(3000).isEmpty()) << "delivered twice";
}

TEST_F(AgentTest, AServerWithoutSoundsLeavesTheSoundToALocalPlayer) {
    StartServer({QStringLiteral("--no-sound")});
    Register(za::device::NowUtcMs() + 500);
    StartAgent();
    ASSERT_FALSE(NextNotify().isEmpty());
    ASSERT_TRUE(RunUntil([this] { return !Played().isEmpty(); }));
    EXPECT_TRUE(Played().first().endsWith(QLatin1String("/sounds/zonaria-alarm.wav"))) << Played().first().toStdString();
}

// The claim was committed before the server was asked: an agent that died in between left the
// alarm claimed for ever, and no later agent delivered it.
TEST_F(AgentTest, AnAgentKilledBetweenClaimAndShowStillDeliversOnce) {
    QProcess* hung = StartServer({QStringLiteral("--hang")});
    const HANDLE h = Register(za::device::NowUtcMs() - 1000);
    QProcess* first = StartAgent();
    ASSERT_FALSE(NextNotify().isEmpty());  // asked; the server never answers
    EXPECT_TRUE(za::notify::Read(h)->signalled);
    EXPECT_FALSE(za::notify::Read(h)->shown);
    ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
    ASSERT_TRUE(first->waitForFinished(kWaitMs));
    hung->kill();
    ASSERT_TRUE(hung->waitForFinished(kWaitMs));

    StartServer();
    // The dead agent's lease ends on the device clock.
    SYSTEMTIME later{};
    za::SecondsToSystemTime((za::device::NowUtcMs() + za::notify::kClaimLeaseMs + 1000) / 1000, &later);
    ASSERT_TRUE(SetSystemTime(&later));
    StartAgent();
    ASSERT_FALSE(NextNotify().isEmpty());
    EXPECT_TRUE(RunUntil([h] { return za::notify::Read(h)->shown; }));
    EXPECT_TRUE(NextNotify(3000).isEmpty()) << "delivered twice";
}

// A server slower than the call's time-out showed the alarm, and the agent, taking it for not
// shown, gave it back to be shown again.
TEST_F(AgentTest, ASlowServerShowsTheAlarmOnce) {
    StartServer({QStringLiteral("--delay"), QStringLiteral("7000")});
    const HANDLE h = Register(za::device::NowUtcMs() - 1000);
    QProcess* agent = StartAgent();
    ASSERT_FALSE(NextNotify().isEmpty());
    ASSERT_TRUE(RunUntil([h] { return za::notify::Read(h)->shown; }));
    EXPECT_TRUE(za::notify::Read(h)->signalled);
    EXPECT_TRUE(agent->readAllStandardError().contains("has not answered"));
    // A change of the store makes the agent look again: the alarm stays shown once.
    Register(za::device::NowUtcMs() + 3600000);
    EXPECT_TRUE(NextNotify(3000).isEmpty()) << "shown a second time";
}

// An alarm on screen when its agent ended (logout) was never shown again, yet stayed in the
// list with nothing to answer it.
TEST_F(AgentTest, AnAlarmOnScreenWhenItsAgentEndsIsShownAgainInItsPlace) {
    StartServer();
    const HANDLE h = Register(za::device::NowUtcMs() - 1000);
    QProcess* first = StartAgent();
    const QJsonObject n = NextNotify();
    ASSERT_FALSE(n.isEmpty());
    ASSERT_TRUE(RunUntil([h] { return za::notify::Read(h)->shown; }));
    first->terminate();
    ASSERT_TRUE(first->waitForFinished(kWaitMs));
    StartAgent();
    const QJsonObject again = NextNotify();
    ASSERT_FALSE(again.isEmpty());
    EXPECT_EQ(n[QStringLiteral("id")].toInt(), again[QStringLiteral("replaces")].toInt());
    EXPECT_TRUE(Exists(h));
    EXPECT_TRUE(NextNotify(2000).isEmpty());
}

// The user's text went to a server that reads markup in the body as it was.
TEST_F(AgentTest, TheTextIsShownAsPlainTextWhereTheServerReadsMarkup) {
    Alarm marked;
    marked.text = QStringLiteral("<h1>Paris</h1> & <font color=red>!");
    for (const bool markup : {true, false}) {
        SCOPED_TRACE(markup);
        QProcess* stub = StartServer(markup ? QStringList{QStringLiteral("--markup")} : QStringList{});
        const HANDLE h = Register(za::device::NowUtcMs() - 1000, marked);
        QProcess* agent = StartAgent();
        const QJsonObject n = NextNotify();
        ASSERT_FALSE(n.isEmpty());
        EXPECT_EQ(markup ? QStringLiteral("&lt;h1&gt;Paris&lt;/h1&gt; &amp; &lt;font color=red&gt;!") : marked.text,
                  n[QStringLiteral("body")].toString());
        agent->kill();
        agent->waitForFinished(kWaitMs);
        stub->kill();
        stub->waitForFinished(kWaitMs);
        CeClearUserNotification(h);
    }
}

// In this process, with short periods: the repeat and its end, and a clock that jumps without
// a word (the machine woke up).
class AgentInProcess : public AgentTest {
protected:
    AgentInProcess() {
        qputenv("PATH", env.value(QStringLiteral("PATH")).toUtf8());
        timing.checkMs = 100;
        timing.repeatMs = 150;
        timing.repeatForMs = 1000;
    }
    CAlarmAgent::Timing timing;
};

TEST_F(AgentInProcess, TheSoundRepeatsUntilDismissedForAtMostItsTime) {
    StartServer({QStringLiteral("--no-sound")});
    CDesktopNotifier notifier;
    CAlarmAgent agent(notifier, timing);
    Alarm silent;
    silent.flags = PUN_DIALOG | PUN_SOUND;  // no repeat
    const HANDLE once = Register(za::device::NowUtcMs() - 1000, silent);
    const HANDLE repeating = Register(za::device::NowUtcMs() - 1000);
    QString error;
    ASSERT_TRUE(agent.Start(&error)) << error.toStdString();
    EXPECT_EQ(2, agent.ActiveCount());
    Pump(2000);
    const int played = Played().size();
    // Once for each, then every 150 ms for a second for the repeating one (a busy machine may
    // run fewer of the timer's turns, but more than none).
    EXPECT_GE(played, 4);
    EXPECT_LE(played, 9);
    Pump(700);
    EXPECT_EQ(played, Played().size()) << "still repeating after its time";
    EXPECT_TRUE(Exists(once));
    EXPECT_TRUE(Exists(repeating));  // shown until dismissed
}

TEST_F(AgentInProcess, AClockThatJumpsIsNoticedWithinACheck) {
    StartServer();
    FixedHostClock host(za::test::UtcMs(2026, 7, 1, 12, 0, 0));
    const std::int64_t due = za::test::UtcMs(2026, 7, 1, 13, 0, 0);
    Register(due);
    CDesktopNotifier notifier;
    CAlarmAgent agent(notifier, timing);
    QString error;
    ASSERT_TRUE(agent.Start(&error)) << error.toStdString();
    EXPECT_EQ(due, agent.ArmedFor());
    EXPECT_TRUE(NextNotify(500).isEmpty());
    host.Set(due + 1000);  // no message: only the clocks tell
    const QJsonObject n = NextNotify(5000);
    ASSERT_FALSE(n.isEmpty());
    EXPECT_EQ(0, agent.ArmedFor());
}

TEST(AlarmSound, TheFileOfASound) {
    const QString shipped = CAlarmAgent::DefaultSoundFile();
    EXPECT_TRUE(QFile::exists(shipped)) << shipped.toStdString();
    EXPECT_EQ(shipped, CAlarmAgent::SoundFileFor(QStringLiteral("Alarm1")));
    EXPECT_EQ(QString(), CAlarmAgent::SoundFileFor(QStringLiteral("--no sound--")));
    EXPECT_EQ(shipped, CAlarmAgent::SoundFileFor(QStringLiteral("/no/such/file.wav")));
    EXPECT_EQ(shipped, CAlarmAgent::SoundFileFor(shipped));
}
