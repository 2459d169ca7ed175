#include "window.h"

#include "device.h"
#include "process.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSocketNotifier>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using za::sql::Database;
using za::sql::Statement;

constexpr const char* kFindMessage = "SELECT id FROM registered_messages WHERE name = ?1";
constexpr const char* kInsertMessage = "INSERT INTO registered_messages(name) VALUES(?1)";
constexpr qint64 kFirstMessage = 0xC000;
constexpr qint64 kLastMessage = 0xFFFF;

constexpr const char* kInsertWindow =
    "INSERT INTO windows(pid, started, tid, class, title, endpoint) VALUES(?1, ?2, ?3, ?4, ?5, ?6)";
constexpr const char* kDeleteWindow = "DELETE FROM windows WHERE id = ?1";
constexpr const char* kAllWindows =
    "SELECT id, pid, started, tid, class, title, endpoint FROM windows ORDER BY id DESC";

// A message on the wire: window id, message, wParam, lParam, in QDataStream's big-endian form.
constexpr qint64 kFrameSize = 8 + 4 + 8 + 8;
// How long a post may wait for the owner's endpoint to take the message. A local socket takes
// it into the kernel's queue even while the owner is busy, so this is only reached when the
// owner is gone or its queue is full.
constexpr int kPostTimeoutMs = 2000;

struct WindowRow {
    qint64 id = 0;
    DWORD pid = 0;
    std::uint64_t started = 0;
    DWORD tid = 0;
    QString className;
    QString title;
    QString endpoint;
};

// An endpoint is a local (AF_UNIX) stream socket in the temporary folder under its name, where
// Qt's QLocalServer would put it, so that programs of earlier versions still reach it. Plain
// POSIX sockets and Qt Core's socket notifier keep Qt Network out of every program.
QString SocketPath(const QString& name) { return QDir::cleanPath(QDir::tempPath()) + QLatin1Char('/') + name; }

bool FillAddress(const QString& path, sockaddr_un* address) {
    const QByteArray file = QFile::encodeName(path);
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (file.size() >= static_cast<qsizetype>(sizeof address->sun_path)) return false;
    std::memcpy(address->sun_path, file.constData(), static_cast<size_t>(file.size()));
    return true;
}

// One connection to the endpoint: the bytes that came in so far, whole frames taken off.
class Connection : public QObject {
public:
    Connection(int fd, QObject* parent) : QObject(parent), m_fd(fd), m_notifier(fd, QSocketNotifier::Read, this) {}
    ~Connection() override { ::close(m_fd); }
    int fd() const { return m_fd; }
    QSocketNotifier& notifier() { return m_notifier; }
    QByteArray buffer;

private:
    int m_fd;
    QSocketNotifier m_notifier;
};

// The listening socket, a child of the application object.
class Listener : public QObject {
public:
    Listener(int fd, const QString& path, QObject* parent)
        : QObject(parent), m_fd(fd), m_path(path), m_notifier(fd, QSocketNotifier::Read, this) {}
    ~Listener() override {
        ::close(m_fd);
        QFile::remove(m_path);
    }
    int fd() const { return m_fd; }
    QSocketNotifier& notifier() { return m_notifier; }

private:
    int m_fd;
    QString m_path;
    QSocketNotifier m_notifier;
};

// A socket listening at path, bound there directly: for a folder only this user can enter.
int ListenInPlace(const QString& path) {
    sockaddr_un address{};
    if (!FillAddress(path, &address)) return -1;
    ::unlink(address.sun_path);  // a dead process's, which had our id
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 64) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A socket listening at path in a folder others can enter, readable and writable by this user
// only: bound in a private folder first and moved into place, so that no other user can
// connect meanwhile.
int ListenMovedIntoPlace(const QString& path) {
    QFile::remove(path);
    QByteArray folder = QFile::encodeName(QDir::tempPath() + QStringLiteral("/zonaria-endpoint-XXXXXX"));
    if (!::mkdtemp(folder.data())) return -1;
    const QString inside = QFile::decodeName(folder) + QStringLiteral("/s");
    sockaddr_un address{};
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    // The final path must fit an address too, or no one could connect to it.
    bool ok = fd >= 0 && FillAddress(path, &address) && FillAddress(inside, &address) &&
              ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
              ::chmod(address.sun_path, S_IRWXU) == 0 && ::listen(fd, 64) == 0 &&
              ::rename(address.sun_path, QFile::encodeName(path).constData()) == 0;
    QFile::remove(inside);
    ::rmdir(folder.constData());
    if (!ok && fd >= 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The user's own folder for endpoints in the temporary folder, made once and kept, so that a
// start binds its socket in place: making and removing a folder per start cost more than the
// rest of the endpoint. Empty when that name is taken by anything but a folder of this user's
// that only this user can enter.
QString OwnFolderName() {
    const uid_t user = ::geteuid();
    const QString name = QStringLiteral("zonaria-%1").arg(user);
    const QByteArray folder = QFile::encodeName(QDir::cleanPath(QDir::tempPath()) + QLatin1Char('/') + name);
    if (::mkdir(folder.constData(), S_IRWXU) != 0 && errno != EEXIST) return QString();
    struct stat st{};
    if (::lstat(folder.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != user ||
        (st.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        return QString();
    }
    return name;
}

// This process's endpoint for one profile and the handlers of its windows there.
struct Endpoint {
    QString name;
    QPointer<Listener> server;  // owned by the application object
    std::map<qint64, WindowHandler> windows;
};

std::map<QString, std::unique_ptr<Endpoint>>& Endpoints() {
    static std::map<QString, std::unique_ptr<Endpoint>> endpoints;
    return endpoints;
}

QString ProfileKey() {
    const QString path = za::device::ProfilePath();
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}

// Short enough for a socket path in the temporary folder; the hash keeps processes of
// different profiles (tests running side by side) from meeting. With a folder, the name is
// relative to the temporary folder all the same, which is how every program finds it.
QString EndpointName(const QString& folder, const QString& profile, DWORD pid) {
    const QByteArray hash = QCryptographicHash::hash(profile.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString file = QStringLiteral("%1-%2").arg(QString::fromLatin1(hash)).arg(pid);
    return folder.isEmpty() ? QStringLiteral("zonaria-") + file : folder + QLatin1Char('/') + file;
}

qint64 IdOf(HWND hwnd) { return static_cast<qint64>(reinterpret_cast<std::uintptr_t>(hwnd)); }
HWND HwndOf(qint64 id) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(id)); }

DWORD CurrentThreadId() { return static_cast<DWORD>(::syscall(SYS_gettid)); }

// Runs the handlers of every whole message that has arrived on c.
void Drain(Endpoint* ep, Connection* c) {
    while (c->buffer.size() >= kFrameSize) {
        QDataStream in(c->buffer.left(kFrameSize));
        c->buffer.remove(0, kFrameSize);
        qint64 id = 0;
        quint32 msg = 0;
        quint64 wParam = 0;
        qint64 lParam = 0;
        in >> id >> msg >> wParam >> lParam;
        auto it = ep->windows.find(id);
        if (it == ep->windows.end()) continue;  // destroyed while the message was on its way
        // A copy: the handler may destroy its own window.
        const WindowHandler handler = it->second;
        handler(msg, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
    }
}

// Reads what the connection holds; at its end (or an error) runs what is left and closes it.
void Receive(Endpoint* ep, Connection* c) {
    char bytes[4096];
    for (;;) {
        const ssize_t n = ::read(c->fd(), bytes, sizeof bytes);
        if (n > 0) {
            c->buffer.append(bytes, n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        const bool ended = n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
        Drain(ep, c);
        if (ended) {
            c->notifier().setEnabled(false);
            c->deleteLater();
        }
        return;
    }
}

// The endpoint of this process for the current profile, listening from the first call on.
Endpoint* OpenEndpoint() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const QString profile = ProfileKey();
    auto& all = Endpoints();
    auto it = all.find(profile);
    if (it != all.end() && it->second->server) return it->second.get();
    auto ep = std::make_unique<Endpoint>();
    // A socket left under the name belongs to a dead process that had our id: it is replaced.
    const DWORD pid = static_cast<DWORD>(::getpid());
    const QString folder = OwnFolderName();
    ep->name = EndpointName(folder, profile, pid);
    QString path = SocketPath(ep->name);
    int fd = folder.isEmpty() ? -1 : ListenInPlace(path);
    if (fd < 0) {
        ep->name = EndpointName(QString(), profile, pid);
        path = SocketPath(ep->name);
        fd = ListenMovedIntoPlace(path);
    }
    if (fd < 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    auto* server = new Listener(fd, path, app);
    Endpoint* raw = ep.get();
    QObject::connect(&server->notifier(), &QSocketNotifier::activated, server, [raw, server] {
        for (;;) {
            const int client = ::accept4(server->fd(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (client < 0) {
                if (errno == EINTR) continue;
                return;
            }
            auto* c = new Connection(client, server);
            QObject::connect(&c->notifier(), &QSocketNotifier::activated, c, [raw, c] { Receive(raw, c); });
            Receive(raw, c);
        }
    });
    ep->server = server;
    all[profile] = std::move(ep);
    return raw;
}

// The windows of running processes, newest first; rows of processes that ended are deleted.
bool LiveWindows(std::vector<WindowRow>* live) {
    Database* db = za::device::Db();
    if (!db) {
        SetLastError(ERROR_BADDB);
        return false;
    }
    std::vector<qint64> dead;
    std::vector<std::pair<DWORD, QString>> deadEndpoints;
    {
        Statement q = db->prepare(kAllWindows);
        while (q.step()) {
            WindowRow r;
            r.id = q.columnInt(0);
            r.pid = static_cast<DWORD>(q.columnInt(1));
            r.started = static_cast<std::uint64_t>(q.columnInt(2));
            r.tid = static_cast<DWORD>(q.columnInt(3));
            r.className = q.columnText(4);
            r.title = q.columnText(5);
            r.endpoint = q.columnText(6);
            if (za::process::IsAlive(r.pid, r.started)) {
                live->push_back(std::move(r));
            } else {
                dead.push_back(r.id);
                deadEndpoints.emplace_back(r.pid, r.endpoint);
            }
        }
        if (q.failed()) {
            SetLastError(ERROR_BADDB);
            return false;
        }
    }
    if (!dead.empty()) {
        // Best effort: a row left behind is dropped again at the next look.
        za::device::Transaction(
            [&](Database& d) {
                Statement del = d.prepare(kDeleteWindow);
                for (qint64 id : dead) {
                    del.reset();
                    if (!del.bind(1, id).run()) return false;
                }
                return true;
            },
            za::device::Commit::Unsynced);
    }
    // A killed process leaves its socket file behind. Only a process with that id could listen
    // under the name, so it goes once no process has the id and no live window names it.
    // (Not a structured binding: C++17 does not let a lambda capture one, and clang holds
    // to that.)
    for (const auto& dead : deadEndpoints) {
        const QString& endpoint = dead.second;
        const bool inUse = std::any_of(live->begin(), live->end(),
                                       [&](const WindowRow& r) { return r.endpoint == endpoint; });
        if (!inUse && !za::process::IsAlive(dead.first)) QFile::remove(SocketPath(endpoint));
    }
    return true;
}

bool FindLive(HWND hwnd, WindowRow* row) {
    std::vector<WindowRow> live;
    if (!LiveWindows(&live)) return false;
    const qint64 id = IdOf(hwnd);
    for (WindowRow& r : live) {
        if (r.id == id) {
            *row = std::move(r);
            return true;
        }
    }
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return false;
}

bool Matches(const QString& wanted, const QString& value) {
    return wanted.isEmpty() || wanted.compare(value, Qt::CaseInsensitive) == 0;
}

}  // namespace

HWND CreatePlatformWindow(const QString& className, const QString& title, WindowHandler handler) {
    if (!handler) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!za::device::Db()) {
        SetLastError(ERROR_BADDB);
        return nullptr;
    }
    Endpoint* ep = OpenEndpoint();
    if (!ep) return nullptr;
    const DWORD pid = static_cast<DWORD>(::getpid());
    qint64 id = 0;
    // A window's row is worth nothing once the computer has gone down, so its commit does not
    // wait for the disk: every program's start wrote one (a wait per start on a slow disk).
    const bool ok = za::device::Transaction([&](Database& db) {
        Statement ins = db.prepare(kInsertWindow);
        ins.bind(1, static_cast<qint64>(pid))
            .bind(2, static_cast<qint64>(za::process::StartTime(pid)))
            .bind(3, static_cast<qint64>(CurrentThreadId()))
            .bind(4, className)
            .bind(5, title)
            .bind(6, ep->name);
        if (!ins.run()) return false;
        id = db.lastInsertRowId();
        if (HwndOf(id) == HWND_BROADCAST) {
            // That number means "every window": take the next one instead.
            Statement del = db.prepare(kDeleteWindow);
            if (!del.bind(1, id).run()) return false;
            ins.reset();
            if (!ins.run()) return false;
            id = db.lastInsertRowId();
        }
        return true;
    }, za::device::Commit::Unsynced);
    if (!ok || id <= 0) {
        SetLastError(ERROR_BADDB);
        return nullptr;
    }
    ep->windows[id] = std::move(handler);
    return HwndOf(id);
}

BOOL DestroyPlatformWindow(HWND hwnd) {
    auto& all = Endpoints();
    auto it = all.find(ProfileKey());
    const qint64 id = IdOf(hwnd);
    if (it == all.end() || it->second->windows.erase(id) == 0) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    const bool ok = za::device::Transaction(
        [&](Database& db) {
            Statement del = db.prepare(kDeleteWindow);
            return del.bind(1, id).run();
        },
        za::device::Commit::Unsynced);
    if (!ok) {
        // The window no longer takes messages; its row goes once this process has ended.
        SetLastError(ERROR_BADDB);
        return FALSE;
    }
    return TRUE;
}

HWND FindWindowW(const QString& className, const QString& title) {
    std::vector<WindowRow> live;
    if (!LiveWindows(&live)) return nullptr;
    for (const WindowRow& r : live) {
        if (Matches(className, r.className) && Matches(title, r.title)) return HwndOf(r.id);
    }
    SetLastError(ERROR_SUCCESS);
    return nullptr;
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId) {
    WindowRow row;
    if (!hwnd || !FindLive(hwnd, &row)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (processId) *processId = row.pid;
    return row.tid;
}

BOOL EnumWindows(const std::function<BOOL(HWND)>& fn) {
    std::vector<WindowRow> live;
    if (!fn || !LiveWindows(&live)) return FALSE;
    // The list is taken first: fn may create, destroy or post to windows.
    for (const WindowRow& r : live) {
        if (!fn(HwndOf(r.id))) return FALSE;
    }
    return TRUE;
}

namespace {

bool Deliver(const WindowRow& row, UINT msg, WPARAM wParam, LPARAM lParam) {
    QByteArray frame;
    {
        QDataStream out(&frame, QIODevice::WriteOnly);
        out << row.id << static_cast<quint32>(msg) << static_cast<quint64>(wParam) << static_cast<qint64>(lParam);
    }
    // The kernel takes the frame into the endpoint's queue even while its owner is busy; the
    // time-outs are only reached when the owner is gone or its queue is full.
    sockaddr_un address{};
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const timeval timeout{kPostTimeoutMs / 1000, (kPostTimeoutMs % 1000) * 1000};
    bool sent = fd >= 0 && FillAddress(SocketPath(row.endpoint), &address) &&
                ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout) == 0;
    if (sent) {
        int rc;
        do {
            rc = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        } while (rc != 0 && errno == EINTR);
        sent = rc == 0;
    }
    for (qsizetype done = 0; sent && done < frame.size();) {
        const ssize_t n = ::send(fd, frame.constData() + done, static_cast<size_t>(frame.size() - done), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        sent = n > 0;
        if (sent) done += n;
    }
    if (fd >= 0) ::close(fd);
    if (!sent) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return TRUE;
}

}  // namespace

BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd == HWND_BROADCAST) {
        std::vector<WindowRow> live;
        if (!LiveWindows(&live)) return FALSE;
        // A window that went away meanwhile just misses the message, as any late receiver would.
        for (const WindowRow& r : live) Deliver(r, msg, wParam, lParam);
        return TRUE;
    }
    WindowRow row;
    if (!hwnd || !FindLive(hwnd, &row)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return Deliver(row, msg, wParam, lParam) ? TRUE : FALSE;
}

UINT RegisterWindowMessageW(const QString& name) {
    if (name.isEmpty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (!za::device::Db()) {
        SetLastError(ERROR_BADDB);
        return 0;
    }
    // A name is registered once for good: looked up first without the write lock.
    qint64 id = 0;
    {
        Statement find = za::device::Db()->prepare(kFindMessage);
        if (find.bind(1, name).step()) id = find.columnInt(0);
    }
    const bool ok = id > 0 || za::device::Transaction([&](Database& db) {
        Statement find = db.prepare(kFindMessage);
        if (find.bind(1, name).step()) {
            id = find.columnInt(0);
            return true;
        }
        if (find.failed()) return false;
        Statement ins = db.prepare(kInsertMessage);
        if (!ins.bind(1, name).run()) return false;
        id = db.lastInsertRowId();
        return true;
    });
    if (!ok || id <= 0) {
        SetLastError(ERROR_BADDB);
        return 0;
    }
    if (kFirstMessage + id - 1 > kLastMessage) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    return static_cast<UINT>(kFirstMessage + id - 1);
}
