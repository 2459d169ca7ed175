#include "window.h"

#include "device.h"
#include "process.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include <sys/syscall.h>
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

// This process's endpoint for one profile and the handlers of its windows there.
struct Endpoint {
    QString name;
    QPointer<QLocalServer> server;  // owned by the application object
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
// different profiles (tests running side by side) from meeting.
QString EndpointName(const QString& profile, DWORD pid) {
    const QByteArray hash = QCryptographicHash::hash(profile.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("zonaria-%1-%2").arg(QString::fromLatin1(hash)).arg(pid);
}

qint64 IdOf(HWND hwnd) { return static_cast<qint64>(reinterpret_cast<std::uintptr_t>(hwnd)); }
HWND HwndOf(qint64 id) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(id)); }

DWORD CurrentThreadId() { return static_cast<DWORD>(::syscall(SYS_gettid)); }

// Runs the handlers of every whole message that has arrived on s.
void Drain(Endpoint* ep, QLocalSocket* s) {
    while (s->bytesAvailable() >= kFrameSize) {
        QDataStream in(s->read(kFrameSize));
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
    ep->name = EndpointName(profile, static_cast<DWORD>(::getpid()));
    auto* server = new QLocalServer(app);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left under this name belongs to a dead process that had our id.
    QLocalServer::removeServer(ep->name);
    if (!server->listen(ep->name)) {
        delete server;
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    Endpoint* raw = ep.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [raw, server] {
        while (QLocalSocket* s = server->nextPendingConnection()) {
            QObject::connect(s, &QLocalSocket::readyRead, s, [raw, s] { Drain(raw, s); });
            QObject::connect(s, &QLocalSocket::disconnected, s, [raw, s] {
                Drain(raw, s);
                s->deleteLater();
            });
            Drain(raw, s);
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
        za::device::Transaction([&](Database& d) {
            Statement del = d.prepare(kDeleteWindow);
            for (qint64 id : dead) {
                del.reset();
                if (!del.bind(1, id).run()) return false;
            }
            return true;
        });
    }
    // A killed process leaves its socket file behind. Only a process with that id could listen
    // under the name, so it goes once no process has the id and no live window names it.
    // (Not a structured binding: C++17 does not let a lambda capture one, and clang holds
    // to that.)
    for (const auto& dead : deadEndpoints) {
        const QString& endpoint = dead.second;
        const bool inUse = std::any_of(live->begin(), live->end(),
                                       [&](const WindowRow& r) { return r.endpoint == endpoint; });
        if (!inUse && !za::process::IsAlive(dead.first)) QLocalServer::removeServer(endpoint);
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
    });
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
    const bool ok = za::device::Transaction([&](Database& db) {
        Statement del = db.prepare(kDeleteWindow);
        return del.bind(1, id).run();
    });
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
    QLocalSocket socket;
    socket.connectToServer(row.endpoint, QIODevice::WriteOnly);
    if (!socket.waitForConnected(kPostTimeoutMs)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    socket.write(frame);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kPostTimeoutMs)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
    }
    socket.disconnectFromServer();
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
    qint64 id = 0;
    const bool ok = za::device::Transaction([&](Database& db) {
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
