#include "notify.h"

#include "clock.h"
#include "device.h"
#include "oledate.h"
#include "tzrule.h"
#include "window.h"

#include <algorithm>
#include <cstring>

namespace {

using za::sql::Database;
using za::sql::Statement;

constexpr const char* kColumns =
    "n.handle, n.due_utc_ms, n.signalled, n.application, n.arguments, n.title, n.body, n.sound, n.action_flags,"
    " coalesce(c.shown, 0), coalesce(c.server_id, 0)";
constexpr const char* kInsert =
    "INSERT INTO user_notifications(due_utc_ms, signalled, type, event, application, arguments, title, body, sound,"
    " action_flags, max_sound) VALUES(?1, 0, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)";
constexpr const char* kUpdate =
    "UPDATE user_notifications SET due_utc_ms = ?1, signalled = 0, type = ?2, event = ?3, application = ?4,"
    " arguments = ?5, title = ?6, body = ?7, sound = ?8, action_flags = ?9, max_sound = ?10 WHERE handle = ?11";
constexpr const char* kHandles = "SELECT handle FROM user_notifications ORDER BY handle";
constexpr const char* kDelete = "DELETE FROM user_notifications WHERE handle = ?1";
// When each notification is next to be claimed: its trigger while not delivered, else the end
// of its claim's lease (at once for one signalled without a claim).
constexpr const char* kPending =
    "SELECT n.handle, CASE WHEN n.signalled = 0 THEN n.due_utc_ms"
    " ELSE max(n.due_utc_ms, coalesce(c.lease_until_ms, 0)) END AS at"
    " FROM user_notifications n LEFT JOIN notification_claims c ON c.handle = n.handle ORDER BY at, n.handle";
constexpr const char* kDue =
    "SELECT n.handle FROM user_notifications n LEFT JOIN notification_claims c ON c.handle = n.handle"
    " WHERE n.due_utc_ms <= ?1 AND (n.signalled = 0 OR c.lease_until_ms IS NULL OR c.lease_until_ms <= ?1)"
    " ORDER BY n.due_utc_ms, n.handle";
constexpr const char* kClaim = "UPDATE user_notifications SET signalled = 1 WHERE handle = ?1";
constexpr const char* kHoldClaim =
    "INSERT INTO notification_claims(handle, lease_until_ms, shown, server_id) VALUES(?1, ?2, 0, 0)"
    " ON CONFLICT(handle) DO UPDATE SET lease_until_ms = excluded.lease_until_ms, shown = 0";
// Only while claimed: a notification given back or cleared meanwhile is not marked.
constexpr const char* kMarkShown =
    "UPDATE notification_claims SET shown = 1, server_id = ?2, lease_until_ms = ?3"
    " WHERE handle = ?1 AND lease_until_ms > 0";
constexpr const char* kRenew = "UPDATE notification_claims SET lease_until_ms = ?2 WHERE handle = ?1";
constexpr const char* kUnclaim = "UPDATE user_notifications SET signalled = 0 WHERE handle = ?1";
constexpr const char* kReleaseClaim = "UPDATE notification_claims SET lease_until_ms = 0, shown = 0 WHERE handle = ?1";
constexpr const char* kDropClaim = "DELETE FROM notification_claims WHERE handle = ?1";
constexpr const char* kReschedule =
    "UPDATE user_notifications SET due_utc_ms = ?1, signalled = 0 WHERE handle = ?2";

std::int64_t IdOf(HANDLE h) { return static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(h)); }
HANDLE HandleOf(std::int64_t id) { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(id)); }

QString Text(const WCHAR* s) { return s ? QString::fromUtf16(s) : QString(); }

std::int64_t SecondsOf(std::int64_t ms) { return ms / 1000 - (ms % 1000 < 0 ? 1 : 0); }

// The device zone's record for a year.
class DeviceRules {
public:
    bool Load() { return za::device::ReadDeviceZone(&m_stored, &m_years); }
    const TIME_ZONE_INFORMATION& Of(int year) const { return m_years ? m_years->ForYear(year) : m_stored; }

private:
    TIME_ZONE_INFORMATION m_stored{};
    za::tz::YearlyRulesPtr m_years;
};

void AnnounceChange() {
    const UINT msg = RegisterWindowMessageW(QString::fromLatin1(za::notify::kNotificationsChangedMessage));
    if (msg != 0) PostMessageW(HWND_BROADCAST, msg, 0, 0);
}

za::notify::Notification RowOf(const Statement& q) {
    za::notify::Notification n;
    n.handle = HandleOf(q.columnInt(0));
    n.dueUtcMs = q.columnInt(1);
    n.signalled = q.columnInt(2) != 0;
    n.application = q.columnText(3);
    n.arguments = q.columnText(4);
    n.title = q.columnText(5);
    n.text = q.columnText(6);
    n.sound = q.columnText(7);
    n.actionFlags = static_cast<DWORD>(q.columnInt(8));
    n.shown = q.columnInt(9) != 0;
    n.serverId = static_cast<std::uint32_t>(q.columnInt(10));
    return n;
}

std::optional<za::notify::Notification> ReadRow(Database& db, std::int64_t id) {
    const std::string sql = std::string("SELECT ") + kColumns +
                            " FROM user_notifications n LEFT JOIN notification_claims c ON c.handle = n.handle"
                            " WHERE n.handle = ?1";
    Statement q = db.prepare(sql.c_str());
    if (!q.bind(1, id).step()) return std::nullopt;
    return RowOf(q);
}

// Bytes of a text with its NUL.
DWORD TextBytes(const QString& s) { return static_cast<DWORD>((s.size() + 1) * sizeof(WCHAR)); }

WCHAR* PutText(BYTE*& at, const QString& s) {
    auto* out = reinterpret_cast<WCHAR*>(at);
    std::memcpy(out, s.utf16(), s.size() * sizeof(WCHAR));
    out[s.size()] = 0;
    at += TextBytes(s);
    return out;
}

}  // namespace

namespace za::notify {

bool UtcMsToDeviceLocal(std::int64_t utcMs, SYSTEMTIME* local) {
    DeviceRules rules;
    if (!local || !rules.Load()) return false;
    const std::int64_t seconds = SecondsOf(utcMs);
    const int bias = za::tz::BiasAt(rules.Of(za::tz::YearOf(seconds)), seconds);
    if (!za::SecondsToSystemTime(seconds - bias * 60, local)) return false;
    local->wMilliseconds = static_cast<WORD>(utcMs - seconds * 1000);
    return true;
}

bool DeviceLocalToUtcMs(const SYSTEMTIME& local, std::int64_t* utcMs) {
    DeviceRules rules;
    std::int64_t seconds = 0;
    if (!utcMs || local.wMilliseconds > 999 || local.wYear < 1601 || !za::SystemTimeToSeconds(local, &seconds) ||
        local.wDay > za::DaysInMonth(local.wYear, local.wMonth) || !rules.Load()) {
        return false;
    }
    // As SystemLocalTimeToUTCTime: the standard bias first, then the daylight correction of
    // the instant it gives, by the record of that instant's year.
    const TIME_ZONE_INFORMATION* tzi = &rules.Of(local.wYear);
    std::int64_t u = seconds + tzi->Bias * 60;
    if (za::tz::YearOf(u) != local.wYear) {
        tzi = &rules.Of(za::tz::YearOf(u));
        u = seconds + tzi->Bias * 60;
    }
    u += (za::tz::IsDaylightAt(*tzi, u) ? tzi->DaylightBias : tzi->StandardBias) * 60;
    *utcMs = u * 1000 + local.wMilliseconds;
    return true;
}

std::optional<std::int64_t> NextDueUtcMs(const std::vector<HANDLE>& skip) {
    Database* db = za::device::Db();
    if (!db) return std::nullopt;
    Statement q = db->prepare(kPending);
    while (q.step()) {
        if (std::find(skip.begin(), skip.end(), HandleOf(q.columnInt(0))) == skip.end()) return q.columnInt(1);
    }
    return std::nullopt;
}

namespace {

// The first max due notifications that are not in skip, in their order; false when the store
// cannot be read.
bool DueIds(Database& db, std::int64_t nowUtcMs, const std::vector<HANDLE>& skip, int max, std::vector<std::int64_t>* due) {
    Statement q = db.prepare(kDue);
    q.bind(1, nowUtcMs);
    while (static_cast<int>(due->size()) < max && q.step()) {
        const std::int64_t id = q.columnInt(0);
        if (std::find(skip.begin(), skip.end(), HandleOf(id)) == skip.end()) due->push_back(id);
    }
    return !q.failed();
}

}  // namespace

std::vector<Notification> ClaimDue(std::int64_t nowUtcMs, int max, const std::vector<HANDLE>& skip,
                                   std::int64_t leaseMs) {
    std::vector<Notification> claimed;
    // Most looks find nothing due: that is seen without taking the profile's write lock. What
    // becomes due meanwhile is another change, and brings another look.
    std::vector<std::int64_t> any;
    if (Database* db = za::device::Db(); db && DueIds(*db, nowUtcMs, skip, 1, &any) && any.empty()) return claimed;
    const bool ok = za::device::Transaction([&](Database& db) {
        std::vector<std::int64_t> due;
        if (!DueIds(db, nowUtcMs, skip, max, &due)) return false;
        Statement claim = db.prepare(kClaim);
        Statement hold = db.prepare(kHoldClaim);
        for (std::int64_t id : due) {
            claim.reset();
            hold.reset();
            if (!claim.bind(1, id).run() || !hold.bind(1, id).bind(2, nowUtcMs + leaseMs).run()) return false;
            std::optional<Notification> n = ReadRow(db, id);
            if (!n) return false;
            claimed.push_back(*n);
        }
        return true;
    });
    if (!ok) claimed.clear();
    return claimed;
}

bool MarkShown(HANDLE handle, std::uint32_t serverId, std::int64_t leaseUntilUtcMs) {
    bool ours = false;
    return za::device::Transaction([&](Database& db) {
               if (!db.prepare(kMarkShown)
                        .bind(1, IdOf(handle))
                        .bind(2, static_cast<std::int64_t>(serverId))
                        .bind(3, leaseUntilUtcMs)
                        .run()) {
                   return false;
               }
               ours = db.changes() == 1;
               return true;
           }) &&
           ours;
}

bool RenewClaims(const std::vector<HANDLE>& handles, std::int64_t leaseUntilUtcMs) {
    if (handles.empty()) return true;
    return za::device::Transaction([&](Database& db) {
        Statement renew = db.prepare(kRenew);
        for (const HANDLE h : handles) {
            renew.reset();
            if (!renew.bind(1, IdOf(h)).bind(2, leaseUntilUtcMs).run()) return false;
        }
        return true;
    });
}

bool Unclaim(HANDLE handle) {
    bool found = false;
    return za::device::Transaction([&](Database& db) {
               if (!db.prepare(kUnclaim).bind(1, IdOf(handle)).run()) return false;
               found = db.changes() == 1;
               return db.prepare(kReleaseClaim).bind(1, IdOf(handle)).run();
           }) &&
           found;
}

bool Reschedule(HANDLE handle, std::int64_t dueUtcMs) {
    bool found = false;
    const bool ok = za::device::Transaction([&](Database& db) {
        if (!db.prepare(kReschedule).bind(1, dueUtcMs).bind(2, IdOf(handle)).run()) return false;
        found = db.changes() == 1;
        return db.prepare(kDropClaim).bind(1, IdOf(handle)).run();
    });
    if (ok && found) AnnounceChange();
    return ok && found;
}

std::optional<Notification> Read(HANDLE handle) {
    Database* db = za::device::Db();
    if (!db || !handle) return std::nullopt;
    return ReadRow(*db, IdOf(handle));
}

HANDLE Set(const Notification& n) {
    if (n.application.isEmpty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::int64_t id = IdOf(n.handle);
    bool missing = false;
    const bool ok = za::device::Transaction([&](Database& db) {
        Statement q = db.prepare(n.handle ? kUpdate : kInsert);
        // Only time triggers are kept; the sound's buffer size is what a reader is told.
        q.bind(1, n.dueUtcMs)
            .bind(2, static_cast<std::int64_t>(CNT_TIME))
            .bind(3, std::int64_t{0})
            .bind(4, n.application)
            .bind(5, n.arguments)
            .bind(6, n.title)
            .bind(7, n.text)
            .bind(8, n.sound)
            .bind(9, static_cast<std::int64_t>(n.actionFlags))
            .bind(10, static_cast<std::int64_t>(TextBytes(n.sound)));
        if (n.handle) q.bind(11, id);
        if (!q.run()) return false;
        if (n.handle) {
            missing = db.changes() != 1;
            // Replaced: a new notification, to be delivered afresh.
            return !missing && db.prepare(kDropClaim).bind(1, id).run();
        }
        id = db.lastInsertRowId();
        return true;
    });
    if (!ok) {
        SetLastError(missing ? ERROR_INVALID_HANDLE : ERROR_BADDB);
        return nullptr;
    }
    AnnounceChange();
    return HandleOf(id);
}

std::optional<std::vector<Notification>> List() {
    Database* db = za::device::Db();
    if (!db) return std::nullopt;
    std::vector<Notification> all;
    const std::string sql = std::string("SELECT ") + kColumns +
                            " FROM user_notifications n LEFT JOIN notification_claims c ON c.handle = n.handle"
                            " ORDER BY n.handle";
    Statement q = db->prepare(sql.c_str());
    while (q.step()) all.push_back(RowOf(q));
    if (q.failed()) return std::nullopt;
    return all;
}

bool Clear(HANDLE handle) {
    bool found = false;
    const bool ok = handle && za::device::Transaction([&](Database& db) {
        if (!db.prepare(kDelete).bind(1, IdOf(handle)).run()) return false;
        found = db.changes() == 1;
        return true;
    });
    if (!ok || !found) {
        SetLastError(ok || handle == nullptr ? ERROR_INVALID_HANDLE : ERROR_BADDB);
        return false;
    }
    AnnounceChange();
    return true;
}

}  // namespace za::notify

HANDLE CeSetUserNotificationEx(HANDLE hNotification, const CE_NOTIFICATION_TRIGGER* pcnt,
                               const CE_USER_NOTIFICATION* pceun) {
    za::notify::Notification n;
    if (!pcnt || !pceun || (pcnt->dwSize != sizeof *pcnt && pcnt->dwSize != kHandheldTriggerSize) ||
        pcnt->dwType != CNT_TIME || Text(pcnt->lpszApplication).isEmpty() ||
        !za::notify::DeviceLocalToUtcMs(pcnt->stStartTime, &n.dueUtcMs)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    n.handle = hNotification;
    n.application = Text(pcnt->lpszApplication);
    n.arguments = Text(pcnt->lpszArguments);
    n.title = Text(pceun->pwszDialogTitle);
    n.text = Text(pceun->pwszDialogText);
    n.sound = Text(pceun->pwszSound);
    n.actionFlags = pceun->ActionFlags;
    return za::notify::Set(n);
}

BOOL CeGetUserNotificationHandles(HANDLE* rghNotifications, DWORD cHandles, DWORD* pcHandlesNeeded) {
    if (!pcHandlesNeeded || (cHandles > 0 && !rghNotifications)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Database* db = za::device::Db();
    if (!db) {
        SetLastError(ERROR_BADDB);
        return FALSE;
    }
    Statement q = db->prepare(kHandles);
    DWORD count = 0;
    while (q.step()) {
        if (count < cHandles) rghNotifications[count] = HandleOf(q.columnInt(0));
        ++count;
    }
    if (q.failed()) {
        SetLastError(ERROR_BADDB);
        return FALSE;
    }
    *pcHandlesNeeded = count;
    return TRUE;
}

BOOL CeGetUserNotification(HANDLE hNotification, DWORD cBufferSize, DWORD* pcBytesNeeded, BYTE* pBuffer) {
    if (!pcBytesNeeded) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *pcBytesNeeded = 0;
    Database* db = za::device::Db();
    if (!db) {
        SetLastError(ERROR_BADDB);
        return FALSE;
    }
    const std::optional<za::notify::Notification> n =
        hNotification ? ReadRow(*db, IdOf(hNotification)) : std::nullopt;
    if (!n) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    SYSTEMTIME start{};
    if (!za::notify::UtcMsToDeviceLocal(n->dueUtcMs, &start)) {
        SetLastError(ERROR_BADDB);
        return FALSE;
    }
    // Header, trigger and user notification, then their texts; each structure's size is a
    // multiple of the pointer size, so the texts start aligned.
    const DWORD fixed = sizeof(CE_NOTIFICATION_INFO_HEADER) + sizeof(CE_NOTIFICATION_TRIGGER) + sizeof(CE_USER_NOTIFICATION);
    const DWORD needed = fixed + TextBytes(n->application) + TextBytes(n->arguments) + TextBytes(n->title) +
                         TextBytes(n->text) + TextBytes(n->sound);
    *pcBytesNeeded = needed;
    if (cBufferSize < needed || !pBuffer) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memset(pBuffer, 0, needed);
    auto* header = reinterpret_cast<CE_NOTIFICATION_INFO_HEADER*>(pBuffer);
    auto* trigger = reinterpret_cast<CE_NOTIFICATION_TRIGGER*>(pBuffer + sizeof *header);
    auto* user = reinterpret_cast<CE_USER_NOTIFICATION*>(pBuffer + sizeof *header + sizeof *trigger);
    BYTE* at = pBuffer + fixed;
    header->hNotification = n->handle;
    header->dwStatus = n->signalled ? CNS_SIGNALLED : 0;
    header->pcent = trigger;
    header->pceun = user;
    trigger->dwSize = sizeof *trigger;
    trigger->dwType = CNT_TIME;
    trigger->lpszApplication = PutText(at, n->application);
    trigger->lpszArguments = PutText(at, n->arguments);
    trigger->stStartTime = start;
    user->ActionFlags = n->actionFlags;
    user->pwszDialogTitle = PutText(at, n->title);
    user->pwszDialogText = PutText(at, n->text);
    user->nMaxSound = TextBytes(n->sound);
    user->pwszSound = PutText(at, n->sound);
    return TRUE;
}

BOOL CeClearUserNotification(HANDLE hNotification) { return za::notify::Clear(hNotification) ? TRUE : FALSE; }
