// Windows, messages and processes across real processes: the stand-in clock program
// (clockwindow) runs in the test's profile; the test finds, messages, waits for and ends it.
#include "device.h"
#include "handles.h"
#include "process.h"
#include "profile.h"
#include "window.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Generous: these only bound a wait for something that should happen within milliseconds.
constexpr int kStartMs = 20000;
constexpr int kEventMs = 20000;

// Runs the event loop until cond holds or the time is up; returns cond.
bool RunUntil(const std::function<bool()>& cond, int ms = kEventMs) {
    QElapsedTimer timer;
    timer.start();
    while (!cond()) {
        if (timer.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

class WindowTest : public za::test::ProfileTest {
protected:
    ~WindowTest() override {
        for (auto& p : m_processes) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(kStartMs);
            }
        }
        // A look at the windows sweeps the socket files that killed clocks left behind.
        EnumWindows([](HWND) { return TRUE; });
    }

    // Starts the clock program in this test's profile and waits until its window exists.
    QProcess* StartClock(const QStringList& args = {}) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZONARIA_DEVICE"), profile.path());
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::SeparateChannels);
        p->start(QStringLiteral(CLOCKWINDOW_PATH), args);
        QProcess* raw = p.get();
        m_processes.push_back(std::move(p));
        if (!raw->waitForStarted(kStartMs)) return nullptr;
        QByteArray line;
        do {
            if (!RunUntil([raw] { return raw->canReadLine() || raw->state() == QProcess::NotRunning; }, kStartMs)) {
                return nullptr;
            }
            line = raw->readLine().trimmed();
            if (line.startsWith("registered ")) registered = line.mid(11).toUInt();
        } while (line.startsWith("registered "));
        if (line != "ready") {
            ADD_FAILURE() << "clockwindow said '" << line.constData() << "', stderr: "
                          << raw->readAllStandardError().constData();
            return nullptr;
        }
        return raw;
    }

    static DWORD PidOf(const QProcess* p) { return static_cast<DWORD>(p->processId()); }

    static int WindowRows() {
        za::sql::Statement q = za::device::Db()->prepare("SELECT count(*) FROM windows");
        return q.step() ? static_cast<int>(q.columnInt(0)) : -1;
    }

    static QString OnlyEndpoint() {
        za::sql::Statement q = za::device::Db()->prepare("SELECT endpoint FROM windows");
        return q.step() ? q.columnText(0) : QString();
    }

    // What the last clock started with --register printed.
    UINT registered = 0;

private:
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

HWND MadeUpWindow() { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(987654321)); }

TEST_F(WindowTest, FindsAnotherProcessWindowByClassAndTitle) {
    QProcess* clock = StartClock();
    ASSERT_NE(clock, nullptr);

    const HWND hwnd = FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock"));
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(FindWindowW(QStringLiteral("dialog"), QStringLiteral("CLOCK")), hwnd);
    EXPECT_EQ(FindWindowW(QString(), QStringLiteral("Clock")), hwnd);
    EXPECT_EQ(FindWindowW(QStringLiteral("Dialog"), QString()), hwnd);
    EXPECT_EQ(FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Alarm")), nullptr);
    EXPECT_EQ(FindWindowW(QStringLiteral("Static"), QStringLiteral("Clock")), nullptr);
    EXPECT_EQ(FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock ")), nullptr);

    DWORD pid = 0;
    EXPECT_NE(GetWindowThreadProcessId(hwnd, &pid), 0u);
    EXPECT_EQ(pid, PidOf(clock));
    EXPECT_NE(pid, static_cast<DWORD>(::getpid()));
    EXPECT_NE(GetWindowThreadProcessId(hwnd, nullptr), 0u);
}

TEST_F(WindowTest, CloseMessageEndsTheProgram) {
    QProcess* clock = StartClock();
    ASSERT_NE(clock, nullptr);
    const HWND hwnd = FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock"));
    ASSERT_NE(hwnd, nullptr);

    EXPECT_TRUE(PostMessageW(hwnd, WM_CLOSE, 0, 0));
    ASSERT_TRUE(clock->waitForFinished(kEventMs));
    EXPECT_EQ(clock->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(clock->exitCode(), 0);
    // It destroyed its window on the way out.
    EXPECT_EQ(FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock")), nullptr);
    EXPECT_EQ(WindowRows(), 0);
}

TEST_F(WindowTest, IgnoredCloseTimesOutAndTerminateEndsIt) {
    QProcess* clock = StartClock({QStringLiteral("--ignore-close")});
    ASSERT_NE(clock, nullptr);
    const HWND hwnd = FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock"));
    ASSERT_NE(hwnd, nullptr);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    ASSERT_EQ(pid, PidOf(clock));

    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
    ASSERT_NE(process, nullptr);
    ASSERT_TRUE(PostMessageW(hwnd, WM_CLOSE, 0, 0));
    // The message arrived and was ignored, so the wait below really is a timeout.
    ASSERT_TRUE(RunUntil([clock] { return clock->canReadLine(); }));
    EXPECT_EQ(clock->readLine().trimmed(), QByteArray("close ignored"));

    EXPECT_EQ(WaitForSingleObject(process, 2000), WAIT_TIMEOUT);
    EXPECT_EQ(clock->state(), QProcess::Running);

    EXPECT_TRUE(TerminateProcess(process, 0));
    EXPECT_EQ(WaitForSingleObject(process, kEventMs), WAIT_OBJECT_0);
    ASSERT_TRUE(clock->waitForFinished(kEventMs));
    EXPECT_EQ(clock->exitStatus(), QProcess::CrashExit);
    // Ended already: nothing left to terminate, and waiting returns at once.
    EXPECT_FALSE(TerminateProcess(process, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(WaitForSingleObject(process, 0), WAIT_OBJECT_0);

    EXPECT_TRUE(CloseHandle(process));
    EXPECT_FALSE(CloseHandle(process));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(WaitForSingleObject(process, 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(WindowTest, RegisteredMessagesAgreeAcrossProcesses) {
    const UINT first = RegisterWindowMessageW(QStringLiteral("WM_UPDATE_ZATODAY"));
    EXPECT_EQ(first, 0xC000u);
    EXPECT_EQ(RegisterWindowMessageW(QStringLiteral("wm_update_zatoday")), first);
    const UINT second = RegisterWindowMessageW(QStringLiteral("Another"));
    EXPECT_EQ(second, 0xC001u);
    EXPECT_EQ(RegisterWindowMessageW(QString()), 0u);

    QProcess* clock = StartClock({QStringLiteral("--register"), QStringLiteral("ANOTHER")});
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(registered, second);
    StartClock({QStringLiteral("--register"), QStringLiteral("Third")});
    EXPECT_EQ(registered, 0xC002u);
    EXPECT_EQ(RegisterWindowMessageW(QStringLiteral("Third")), 0xC002u);
}

TEST_F(WindowTest, BroadcastReachesEveryProcess) {
    std::vector<UINT> own;
    za::PlatformWindow window(QStringLiteral("Frame"), QStringLiteral("Zonaria"),
                              [&](UINT msg, WPARAM, LPARAM) { own.push_back(msg); });
    ASSERT_NE(window.hwnd(), nullptr);
    QProcess* clock = StartClock();
    ASSERT_NE(clock, nullptr);

    EXPECT_TRUE(PostMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, 0xF2, 0));
    ASSERT_TRUE(RunUntil([&] { return clock->canReadLine() && !own.empty(); }));
    EXPECT_EQ(clock->readLine().trimmed(), QByteArray("message 26 242 0"));
    EXPECT_EQ(own, std::vector<UINT>{WM_SETTINGCHANGE});
    // No window answers to the broadcast handle itself.
    EXPECT_EQ(GetWindowThreadProcessId(HWND_BROADCAST, nullptr), 0u);
}

TEST_F(WindowTest, WindowOfAKilledProcessIsGone) {
    QProcess* clock = StartClock();
    ASSERT_NE(clock, nullptr);
    const HWND hwnd = FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock"));
    ASSERT_NE(hwnd, nullptr);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, PidOf(clock));
    ASSERT_NE(process, nullptr);
    ASSERT_TRUE(TerminateProcess(process, 0));
    ASSERT_EQ(WaitForSingleObject(process, kEventMs), WAIT_OBJECT_0);
    EXPECT_TRUE(CloseHandle(process));

    // Killed, it never removed its window nor its endpoint: both stay until someone looks.
    EXPECT_EQ(WindowRows(), 1);
    const QString socketFile = QDir::tempPath() + QLatin1Char('/') + OnlyEndpoint();
    EXPECT_TRUE(QFileInfo::exists(socketFile)) << qPrintable(socketFile);
    EXPECT_EQ(FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock")), nullptr);
    EXPECT_EQ(WindowRows(), 0);
    EXPECT_FALSE(QFileInfo::exists(socketFile));
    EXPECT_EQ(GetWindowThreadProcessId(hwnd, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(PostMessageW(hwnd, WM_CLOSE, 0, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(WindowTest, EnumWindowsCoversEveryProcess) {
    za::PlatformWindow own(QStringLiteral("Frame"), QStringLiteral("Zonaria"), [](UINT, WPARAM, LPARAM) {});
    ASSERT_NE(own.hwnd(), nullptr);
    QProcess* clock = StartClock();
    ASSERT_NE(clock, nullptr);

    std::vector<DWORD> owners;
    std::vector<HWND> seen;
    EXPECT_TRUE(EnumWindows([&](HWND hwnd) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        owners.push_back(pid);
        seen.push_back(hwnd);
        return TRUE;
    }));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock")));  // newest first
    EXPECT_EQ(seen[1], own.hwnd());
    EXPECT_EQ(owners[0], PidOf(clock));
    EXPECT_EQ(owners[1], static_cast<DWORD>(::getpid()));

    int calls = 0;
    EXPECT_FALSE(EnumWindows([&](HWND) {
        ++calls;
        return FALSE;
    }));
    EXPECT_EQ(calls, 1);
}

TEST_F(WindowTest, PostToOwnWindowArrivesLaterInOrderWithItsParameters) {
    struct Message {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Message> got;
    za::PlatformWindow own(QStringLiteral("Frame"), QStringLiteral("Zonaria"),
                           [&](UINT msg, WPARAM w, LPARAM l) { got.push_back({msg, w, l}); });
    ASSERT_NE(own.hwnd(), nullptr);

    const WPARAM bigW = ~static_cast<WPARAM>(0);
    ASSERT_TRUE(PostMessageW(own.hwnd(), 0x8001, bigW, -5));
    ASSERT_TRUE(PostMessageW(own.hwnd(), WM_CLOSE, 7, 0x7FFFFFFF12345678LL));
    EXPECT_TRUE(got.empty()) << "delivered inside PostMessageW";
    ASSERT_TRUE(RunUntil([&] { return got.size() >= 2; }));
    EXPECT_EQ(got[0].msg, 0x8001u);
    EXPECT_EQ(got[0].wParam, bigW);
    EXPECT_EQ(got[0].lParam, -5);
    EXPECT_EQ(got[1].msg, WM_CLOSE);
    EXPECT_EQ(got[1].wParam, 7u);
    EXPECT_EQ(got[1].lParam, 0x7FFFFFFF12345678LL);
}

// The endpoint a window listens at is this user's alone, and messages posted one after another
// all arrive. It lies in the user's own folder, which only the user can enter.
TEST_F(WindowTest, EndpointIsTheUsersOwnAndFramesArriveWhole) {
    int got = 0;
    za::PlatformWindow own(QStringLiteral("Frame"), QStringLiteral("Zonaria"), [&](UINT, WPARAM, LPARAM) { ++got; });
    ASSERT_NE(own.hwnd(), nullptr);
    const QString name = OnlyEndpoint();
    ASSERT_EQ(name.section(QLatin1Char('/'), 0, 0), QStringLiteral("zonaria-%1").arg(::geteuid())) << name.toStdString();
    const QFileInfo socket(QDir::tempPath() + QLatin1Char('/') + name);
    EXPECT_TRUE(socket.exists()) << socket.filePath().toStdString();
    struct stat folder{};
    ASSERT_EQ(::lstat(QFile::encodeName(socket.path()).constData(), &folder), 0);
    EXPECT_TRUE(S_ISDIR(folder.st_mode));
    EXPECT_EQ(folder.st_uid, ::geteuid());
    EXPECT_EQ(folder.st_mode & (S_IRWXG | S_IRWXO), 0u) << "others could send the window messages";
    for (int i = 0; i < 50; ++i) ASSERT_TRUE(PostMessageW(own.hwnd(), 0x8001 + i, i, i));
    ASSERT_TRUE(RunUntil([&] { return got >= 50; }));
}

// Where the user's folder name is taken by a folder others can enter, the endpoint is not put
// in it: it is bound elsewhere and moved into place, readable and writable by the user only.
TEST_F(WindowTest, AnEndpointFolderOthersCanEnterIsNotUsed) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    struct Restore {
        QByteArray value;
        ~Restore() { value.isEmpty() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", value); }
    } restore{previous};
    const QString taken = temp.path() + QStringLiteral("/zonaria-%1").arg(::geteuid());
    ASSERT_TRUE(QDir().mkdir(taken));
    ASSERT_EQ(::chmod(QFile::encodeName(taken).constData(), 0755), 0);

    int got = 0;
    za::PlatformWindow own(QStringLiteral("Frame"), QStringLiteral("Zonaria"), [&](UINT, WPARAM, LPARAM) { ++got; });
    ASSERT_NE(own.hwnd(), nullptr);
    const QString name = OnlyEndpoint();
    EXPECT_FALSE(name.contains(QLatin1Char('/'))) << name.toStdString();
    EXPECT_TRUE(QDir(taken).isEmpty());
    const QFileInfo socket(temp.path() + QLatin1Char('/') + name);
    ASSERT_TRUE(socket.exists()) << socket.filePath().toStdString();
    EXPECT_EQ(socket.permissions() & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther |
                                      QFileDevice::WriteOther),
              QFileDevice::Permissions()) << "others could send the window messages";
    ASSERT_TRUE(PostMessageW(own.hwnd(), 0x8001, 1, 2));
    ASSERT_TRUE(RunUntil([&] { return got == 1; }));
}

TEST_F(WindowTest, DestroyedWindowIsNotFoundAndTakesNoMessages) {
    int calls = 0;
    const HWND hwnd = CreatePlatformWindow(QStringLiteral("Dialog"), QStringLiteral("Clock"),
                                           [&](UINT, WPARAM, LPARAM) { ++calls; });
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock")), hwnd);
    ASSERT_TRUE(PostMessageW(hwnd, WM_CLOSE, 0, 0));
    EXPECT_TRUE(DestroyPlatformWindow(hwnd));  // the posted message is dropped

    EXPECT_EQ(FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock")), nullptr);
    EXPECT_FALSE(DestroyPlatformWindow(hwnd));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(PostMessageW(hwnd, WM_CLOSE, 0, 0));

    // A later window gets a new id, so the old handle never reaches it.
    za::PlatformWindow next(QStringLiteral("Dialog"), QStringLiteral("Clock"), [&](UINT, WPARAM, LPARAM) { ++calls; });
    ASSERT_NE(next.hwnd(), nullptr);
    EXPECT_NE(next.hwnd(), hwnd);
    EXPECT_FALSE(PostMessageW(hwnd, WM_CLOSE, 0, 0));
    // Let anything that was queued arrive: nothing may reach a handler.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 200);
    EXPECT_EQ(calls, 0);
}

TEST_F(WindowTest, ProfilesDoNotMeet) {
    int firstCalls = 0;
    za::PlatformWindow first(QStringLiteral("Dialog"), QStringLiteral("Clock"), [&](UINT, WPARAM, LPARAM) { ++firstCalls; });
    ASSERT_NE(first.hwnd(), nullptr);
    {
        za::test::TempProfile other;
        EXPECT_EQ(FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock")), nullptr);
        int secondCalls = 0;
        const HWND second = CreatePlatformWindow(QStringLiteral("Dialog"), QStringLiteral("Clock"),
                                                 [&](UINT, WPARAM, LPARAM) { ++secondCalls; });
        ASSERT_NE(second, nullptr);
        ASSERT_EQ(FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock")), second);
        ASSERT_TRUE(PostMessageW(second, WM_CLOSE, 0, 0));
        ASSERT_TRUE(RunUntil([&] { return secondCalls == 1; }));
        EXPECT_TRUE(DestroyPlatformWindow(second));
    }
    EXPECT_EQ(firstCalls, 0);
    EXPECT_EQ(FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock")), first.hwnd());
}

TEST_F(WindowTest, ProcessRightsAreEnforced) {
    QProcess* clock = StartClock({QStringLiteral("--ignore-close")});
    ASSERT_NE(clock, nullptr);

    HANDLE syncOnly = OpenProcess(SYNCHRONIZE, FALSE, PidOf(clock));
    ASSERT_NE(syncOnly, nullptr);
    EXPECT_FALSE(TerminateProcess(syncOnly, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(WaitForSingleObject(syncOnly, 0), WAIT_TIMEOUT);
    EXPECT_EQ(clock->state(), QProcess::Running);

    HANDLE terminateOnly = OpenProcess(PROCESS_TERMINATE, FALSE, PidOf(clock));
    ASSERT_NE(terminateOnly, nullptr);
    EXPECT_NE(terminateOnly, syncOnly);
    EXPECT_EQ(WaitForSingleObject(terminateOnly, 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(TerminateProcess(terminateOnly, 0));
    EXPECT_EQ(WaitForSingleObject(syncOnly, kEventMs), WAIT_OBJECT_0);

    EXPECT_TRUE(CloseHandle(syncOnly));
    EXPECT_TRUE(CloseHandle(terminateOnly));
}

TEST_F(WindowTest, BadHandlesFailCleanly) {
    for (HANDLE bad : {static_cast<HANDLE>(nullptr), INVALID_HANDLE_VALUE,
                       reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(0x1234))}) {
        SCOPED_TRACE(reinterpret_cast<std::uintptr_t>(bad));
        SetLastError(0);
        EXPECT_FALSE(CloseHandle(bad));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        SetLastError(0);
        EXPECT_EQ(WaitForSingleObject(bad, 0), WAIT_FAILED);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        SetLastError(0);
        EXPECT_FALSE(TerminateProcess(bad, 0));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    }

    for (HWND bad : {static_cast<HWND>(nullptr), MadeUpWindow()}) {
        SetLastError(0);
        EXPECT_FALSE(PostMessageW(bad, WM_CLOSE, 0, 0));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
        DWORD pid = 42;
        EXPECT_EQ(GetWindowThreadProcessId(bad, &pid), 0u);
        EXPECT_EQ(pid, 42u);
        EXPECT_FALSE(DestroyPlatformWindow(bad));
    }
    EXPECT_EQ(CreatePlatformWindow(QStringLiteral("Dialog"), QStringLiteral("Clock"), WindowHandler()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    // 0 and ids beyond pid_t would reach kill() as process groups (-1: every process).
    for (DWORD pid : {0u, 0xFFFFFFFFu, 0x80000000u}) {
        SCOPED_TRACE(pid);
        SetLastError(0);
        EXPECT_EQ(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
        EXPECT_FALSE(za::process::IsAlive(pid));
    }
}

// A process is known by its id and start time, whatever its name holds (the name comes before
// the fields, and may hold spaces and parentheses); one that ended but was not yet reaped is gone.
TEST(ProcessTest, AProcessIsKnownByItsStartTimeWhateverItsName) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::prctl(PR_SET_NAME, "a) b (1 2 3)");
        for (;;) ::pause();
    }
    const DWORD pid = static_cast<DWORD>(child);
    const QString commFile = QStringLiteral("/proc/%1/comm").arg(child);
    ASSERT_TRUE(RunUntil([&] {
        QFile comm(commFile);
        return comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("a) b (1 2 3)");
    }));
    // Field 22 of the file, counted from the last ')'.
    QFile statFile(QStringLiteral("/proc/%1/stat").arg(child));
    ASSERT_TRUE(statFile.open(QIODevice::ReadOnly));
    const QByteArray stat = statFile.readAll();
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    ASSERT_GT(fields.size(), 19);
    const std::uint64_t started = fields[19].toULongLong();
    ASSERT_GT(started, 0u);

    EXPECT_EQ(za::process::StartTime(pid), started);
    EXPECT_TRUE(za::process::IsAlive(pid, started));
    EXPECT_TRUE(za::process::IsAlive(pid));
    EXPECT_FALSE(za::process::IsAlive(pid, started + 1)) << "another process with the same id";

    ASSERT_EQ(::kill(child, SIGKILL), 0);
    ASSERT_TRUE(RunUntil([&] { return za::process::StartTime(pid) == 0; }));  // a zombie now
    EXPECT_FALSE(za::process::IsAlive(pid, started));
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_FALSE(za::process::IsAlive(pid, started));
}

TEST_F(WindowTest, OpenProcessFailsForAProcessThatIsGone) {
    QProcess done;
    done.start(QStringLiteral(CLOCKWINDOW_PATH), {});
    ASSERT_TRUE(done.waitForStarted(kStartMs));
    const DWORD pid = PidOf(&done);
    done.kill();
    ASSERT_TRUE(done.waitForFinished(kStartMs));  // reaped: the id names no process now

    SetLastError(0);
    EXPECT_EQ(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(WindowTest, OneTableClosesHandlesOfEveryKind) {
    HANDLE self = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(::getpid()));
    ASSERT_NE(self, nullptr);
    EXPECT_TRUE(za::handles::IsOpen(self));
    EXPECT_EQ(WaitForSingleObject(self, 0), WAIT_TIMEOUT);  // we are still running

    bool closed = false;
    int token = 0;
    HANDLE other = &token;
    za::handles::Add(other, [&] { closed = true; });
    EXPECT_TRUE(CloseHandle(other));
    EXPECT_TRUE(closed);
    EXPECT_FALSE(CloseHandle(other));

    za::handles::Add(other, [&] { ADD_FAILURE() << "a removed handle was closed"; });
    EXPECT_TRUE(za::handles::Remove(other));
    EXPECT_FALSE(za::handles::Remove(other));
    EXPECT_FALSE(CloseHandle(other));

    EXPECT_TRUE(CloseHandle(self));
    EXPECT_FALSE(za::handles::IsOpen(self));
}

// Waiting and terminating, with pidfds and by polling the process id (kernels without them).
class ProcessWaitTest : public WindowTest, public ::testing::WithParamInterface<bool> {
protected:
    ProcessWaitTest() { za::process::SetPidfdsEnabled(GetParam()); }
    ~ProcessWaitTest() override { za::process::SetPidfdsEnabled(true); }
};

TEST_P(ProcessWaitTest, WaitTimesOutWhileRunningAndEndsAfterTerminate) {
    QProcess* clock = StartClock({QStringLiteral("--ignore-close")});
    ASSERT_NE(clock, nullptr);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, PidOf(clock));
    ASSERT_NE(process, nullptr);

    EXPECT_EQ(WaitForSingleObject(process, 0), WAIT_TIMEOUT);
    EXPECT_EQ(WaitForSingleObject(process, 300), WAIT_TIMEOUT);
    EXPECT_EQ(clock->state(), QProcess::Running);
    EXPECT_TRUE(TerminateProcess(process, 0));
    EXPECT_EQ(WaitForSingleObject(process, INFINITE), WAIT_OBJECT_0);
    EXPECT_FALSE(TerminateProcess(process, 0));
    EXPECT_TRUE(clock->waitForFinished(kEventMs));
    EXPECT_EQ(clock->exitStatus(), QProcess::CrashExit);
    EXPECT_TRUE(CloseHandle(process));
}

TEST_P(ProcessWaitTest, WaitSeesAProcessEndedByOthers) {
    QProcess* clock = StartClock();
    ASSERT_NE(clock, nullptr);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, PidOf(clock));
    ASSERT_NE(process, nullptr);
    const HWND hwnd = FindWindowW(QStringLiteral("Dialog"), QStringLiteral("Clock"));
    ASSERT_TRUE(PostMessageW(hwnd, WM_CLOSE, 0, 0));
    EXPECT_EQ(WaitForSingleObject(process, kEventMs), WAIT_OBJECT_0);
    EXPECT_TRUE(clock->waitForFinished(kEventMs));
    EXPECT_EQ(clock->exitCode(), 0);
    EXPECT_TRUE(CloseHandle(process));
}

INSTANTIATE_TEST_SUITE_P(Kernel, ProcessWaitTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Pidfd" : "PollById");
                         });

}  // namespace
