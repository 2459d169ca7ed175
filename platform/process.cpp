#include "process.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

struct Process {
    DWORD pid = 0;
    std::uint64_t startTime = 0;
    DWORD access = 0;
    int pidfd = -1;  // -1 where the kernel has no pidfds: then pid and start time name it
};

struct Table {
    std::mutex lock;
    std::unordered_map<HANDLE, std::unique_ptr<Process>> open;
};

std::atomic<bool> g_pidfds{true};

Table& Processes() {
    static Table table;
    return table;
}

// A copy of the process behind handle; false with ERROR_INVALID_HANDLE when there is none.
bool Lookup(HANDLE handle, Process* out) {
    Table& t = Processes();
    std::lock_guard<std::mutex> guard(t.lock);
    auto it = t.open.find(handle);
    if (it == t.open.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    *out = *it->second;
    return true;
}

int PidfdOpen(DWORD pid) {
#ifdef SYS_pidfd_open
    if (!g_pidfds) {
        errno = ENOSYS;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
#else
    (void)pid;
    errno = ENOSYS;
    return -1;
#endif
}

int PidfdKill(int pidfd) {
#ifdef SYS_pidfd_send_signal
    return static_cast<int>(::syscall(SYS_pidfd_send_signal, pidfd, SIGKILL, nullptr, 0));
#else
    (void)pidfd;
    errno = ENOSYS;
    return -1;
#endif
}

struct Stat {
    char state = 0;
    std::uint64_t startTime = 0;
};

// The state and start time of a process from /proc/PID/stat; false without that file. Read
// with plain calls: every program's window reads its own at its start, and every look at the
// windows reads each owner's.
bool ReadStat(DWORD pid, Stat* stat) {
    char path[32];
    std::snprintf(path, sizeof path, "/proc/%u/stat", static_cast<unsigned>(pid));
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    // About 52 numbers after a name of at most 16 bytes: well under this.
    char text[2048];
    std::size_t used = 0;
    while (used < sizeof text - 1) {
        const ssize_t n = ::read(fd, text + used, sizeof text - 1 - used);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
    text[used] = '\0';
    // The name may hold spaces and parentheses: the fields start after the last ')'.
    const char* field = std::strrchr(text, ')');
    if (!field || field[1] != ' ') return false;
    field += 2;
    stat->state = *field;
    // The state is field 3 of the file, the start time field 22.
    for (int skip = 0; skip < 19; ++skip) {
        field = std::strchr(field, ' ');
        if (!field) return false;
        ++field;
    }
    stat->startTime = std::strtoull(field, nullptr, 10);
    return true;
}

// Whether the process has ended, by polling its pidfd once or, without one, by its id.
bool Ended(const Process& p, int timeoutMs) {
    if (p.pidfd >= 0) {
        pollfd pfd{p.pidfd, POLLIN, 0};
        int r;
        do {
            r = ::poll(&pfd, 1, timeoutMs);
        } while (r < 0 && errno == EINTR);
        return r > 0;
    }
    return !za::process::IsAlive(p.pid, p.startTime);
}

}  // namespace

namespace za::process {

std::uint64_t StartTime(DWORD pid) {
    Stat stat;
    if (!ReadStat(pid, &stat) || stat.state == 'Z' || stat.state == 'X') return 0;
    return stat.startTime;
}

bool IsAlive(DWORD pid, std::uint64_t startTime) {
    // kill() reads 0 and negative ids as process groups (-1: every process we may signal);
    // none of them names one process.
    if (pid == 0 || pid > static_cast<DWORD>(std::numeric_limits<pid_t>::max())) return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return false;
    Stat stat;
    if (!ReadStat(pid, &stat)) return true;  // no /proc: kill() is all we can know
    if (stat.state == 'Z' || stat.state == 'X') return false;
    return startTime == 0 || stat.startTime == startTime;
}

void SetPidfdsEnabled(bool enabled) { g_pidfds = enabled; }

}  // namespace za::process

HANDLE OpenProcess(DWORD access, BOOL /*inherit*/, DWORD pid) {
    if (pid == 0 || !za::process::IsAlive(pid)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if ((access & PROCESS_TERMINATE) && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == EPERM) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    auto p = std::make_unique<Process>();
    p->pid = pid;
    p->access = access;
    p->startTime = za::process::StartTime(pid);
    p->pidfd = PidfdOpen(pid);
    if (p->pidfd < 0 && errno == ESRCH) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HANDLE handle = p.get();
    {
        Table& t = Processes();
        std::lock_guard<std::mutex> guard(t.lock);
        t.open.emplace(handle, std::move(p));
    }
    za::handles::Add(handle, [handle] {
        std::unique_ptr<Process> gone;
        {
            Table& t = Processes();
            std::lock_guard<std::mutex> guard(t.lock);
            auto it = t.open.find(handle);
            if (it == t.open.end()) return;
            gone = std::move(it->second);
            t.open.erase(it);
        }
        if (gone->pidfd >= 0) ::close(gone->pidfd);
    });
    return handle;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD ms) {
    Process p;
    if (!Lookup(handle, &p)) return WAIT_FAILED;
    if (!(p.access & SYNCHRONIZE)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return WAIT_FAILED;
    }
    if (p.pidfd >= 0) {
        // poll() takes an int; INFINITE and anything longer than it holds wait without limit.
        const int timeout = ms > 0x7FFFFFFFu ? -1 : static_cast<int>(ms);
        return Ended(p, timeout) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
    }
    // Without a pidfd nothing wakes us when the process ends: look every 10 ms.
    constexpr DWORD kStepMs = 10;
    for (DWORD waited = 0;; waited += kStepMs) {
        if (Ended(p, 0)) return WAIT_OBJECT_0;
        if (ms != INFINITE && waited >= ms) return WAIT_TIMEOUT;
        std::this_thread::sleep_for(std::chrono::milliseconds(kStepMs));
    }
}

BOOL TerminateProcess(HANDLE handle, UINT /*exitCode*/) {
    Process p;
    if (!Lookup(handle, &p)) return FALSE;
    if (!(p.access & PROCESS_TERMINATE) || Ended(p, 0)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    const int r = p.pidfd >= 0 ? PidfdKill(p.pidfd) : ::kill(static_cast<pid_t>(p.pid), SIGKILL);
    if (r != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return TRUE;
}

namespace za::process {

bool StartDetached(const QString& program, const QStringList& arguments) {
    if (program.isEmpty()) return false;
    QProcess p;
    p.setProgram(program);
    p.setArguments(arguments);
    p.setStandardInputFile(QProcess::nullDevice());
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    return p.startDetached();
}

}  // namespace za::process

namespace {

// The handler may only write to a descriptor; the event loop reads the other end.
int g_signalSocket[2] = {-1, -1};

void OnTerminationSignal(int signal) {
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_signalSocket[0], &byte, 1);
    errno = saved;
}

}  // namespace

namespace za::process {

void QuitOnTerminationSignals() {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || g_signalSocket[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalSocket) != 0) return;
    auto* notifier = new QSocketNotifier(g_signalSocket[1], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [] {
        char buffer[16];
        while (::read(g_signalSocket[1], buffer, sizeof buffer) > 0) {
        }
        QCoreApplication::exit(0);  // every running event loop, a dialog's too
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

}  // namespace za::process
