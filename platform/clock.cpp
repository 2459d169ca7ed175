#include "clock.h"

#include "device.h"
#include "oledate.h"
#include "tzderive.h"
#include "tzrule.h"
#include "window.h"

#include <QDateTime>
#include <QStringList>

#include <cstring>
#include <map>
#include <mutex>
#include <utility>

namespace {

constexpr const char* kRead = "SELECT value FROM device_clock WHERE name = ?1";
constexpr const char* kWrite = "INSERT OR REPLACE INTO device_clock(name, value) VALUES(?1, ?2)";
constexpr const char* kDelete = "DELETE FROM device_clock WHERE name = ?1";
// "zone" holds the TIME_ZONE_INFORMATION; "zone_tz", when present, the tz database's zone
// whose yearly records the device zone follows.
constexpr const char* kReadZone = "SELECT name, value FROM device_clock WHERE name IN ('zone', 'zone_tz')";

za::device::HostClock& HostClockFn() {
    static za::device::HostClock clock;
    return clock;
}

std::int64_t HostNowMs() {
    const auto& fn = HostClockFn();
    return fn ? fn() : QDateTime::currentMSecsSinceEpoch();
}

bool ReadValue(const char* name, QByteArray* blob, std::int64_t* number) {
    za::sql::Database* db = za::device::Db();
    if (!db) return false;
    za::sql::Statement q = db->prepare(kRead);
    q.bind(1, QString::fromLatin1(name));
    if (!q.step()) return false;
    if (blob) *blob = q.columnBlob(0);
    if (number) *number = q.columnInt(0);
    return true;
}

bool WriteNumber(const char* name, std::int64_t value) {
    za::sql::Database* db = za::device::Db();
    if (!db) return false;
    return db->prepare(kWrite).bind(1, QString::fromLatin1(name)).bind(2, value).run();
}

// The yearly records of a followed zone, derived once per process for each zone and names.
za::tz::YearlyRulesPtr FollowedRules(const QByteArray& tzId, const TIME_ZONE_INFORMATION& named) {
    static std::mutex mutex;
    static std::map<std::pair<QByteArray, QStringList>, za::tz::YearlyRulesPtr> cache;
    const QStringList names{za::tz::StandardName(named), za::tz::DaylightName(named)};
    const std::lock_guard<std::mutex> lock(mutex);
    const auto key = std::make_pair(tzId, names);
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, za::tz::YearlyRules::Derive(tzId, names[0], names[1])).first;
    return it->second;
}

// The zone's record and the followed tz zone (empty: none) in one transaction, so that a
// reader never sees the record of one with the yearly rules of another.
bool StoreZone(const TIME_ZONE_INFORMATION& tzi, const QByteArray& tzId) {
    return za::device::Transaction([&](za::sql::Database& db) {
        if (!db.prepare(kWrite)
                 .bind(1, QStringLiteral("zone"))
                 .bindBlob(2, QByteArray(reinterpret_cast<const char*>(&tzi), sizeof tzi))
                 .run()) {
            return false;
        }
        if (tzId.isEmpty()) return db.prepare(kDelete).bind(1, QStringLiteral("zone_tz")).run();
        return db.prepare(kWrite).bind(1, QStringLiteral("zone_tz")).bind(2, QString::fromUtf8(tzId)).run();
    });
}

// Whole seconds of a millisecond count, rounded down.
std::int64_t SecondsOf(std::int64_t ms) { return ms / 1000 - (ms % 1000 < 0 ? 1 : 0); }

std::int64_t OffsetMs() {
    std::int64_t offset = 0;
    return ReadValue("offset_ms", nullptr, &offset) ? offset : 0;
}

void MsToSystemTime(std::int64_t ms, SYSTEMTIME* st) {
    std::int64_t seconds = ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
    za::SecondsToSystemTime(seconds, st);
    st->wMilliseconds = static_cast<WORD>(ms - seconds * 1000);
}

}  // namespace

namespace za::device {

void SetHostClock(HostClock clock) { HostClockFn() = std::move(clock); }

std::int64_t NowUtcMs() { return HostNowMs() + OffsetMs(); }

int DeviceYear() { return za::tz::YearOf(SecondsOf(NowUtcMs())); }

BOOL SetTimeZoneFollowing(const TIME_ZONE_INFORMATION& tzi, const QByteArray& tzId) {
    return StoreZone(tzi, tzId) ? TRUE : FALSE;
}

bool ReadDeviceZone(TIME_ZONE_INFORMATION* stored, za::tz::YearlyRulesPtr* years) {
    za::sql::Database* db = Db();
    if (!db) return false;
    za::sql::Statement q = db->prepare(kReadZone);
    bool found = false;
    QByteArray tzId;
    while (q.step()) {
        if (q.columnText(0) == QLatin1String("zone_tz")) {
            tzId = q.columnText(1).toUtf8();
            continue;
        }
        const QByteArray blob = q.columnBlob(1);
        if (blob.size() != sizeof *stored) return false;
        std::memcpy(stored, blob.constData(), sizeof *stored);
        found = true;
    }
    if (!found || q.failed()) return false;
    *years = tzId.isEmpty() ? nullptr : FollowedRules(tzId, *stored);
    return true;
}

SystemTimeSource DetachedSystemTime() {
    const std::int64_t offset = OffsetMs();
    return [offset](SYSTEMTIME* st) {
        if (st) MsToSystemTime(HostNowMs() + offset, st);
    };
}

}  // namespace za::device

void GetSystemTime(SYSTEMTIME* st) {
    if (st) MsToSystemTime(za::device::NowUtcMs(), st);
}

BOOL SetSystemTime(const SYSTEMTIME* st) {
    std::int64_t seconds = 0;
    if (!st || st->wMilliseconds > 999 || st->wYear < 1601 || !za::SystemTimeToSeconds(*st, &seconds)) {
        return FALSE;
    }
    // A day beyond the month's end is an invalid time here, not a roll-over.
    if (st->wDay > za::DaysInMonth(st->wYear, st->wMonth)) return FALSE;
    const std::int64_t target = seconds * 1000 + st->wMilliseconds;
    if (!WriteNumber("offset_ms", target - HostNowMs())) return FALSE;
    // Whoever waits for an instant of the device clock (the alarm agent) has to look again.
    PostMessageW(HWND_BROADCAST, WM_TIMECHANGE, 0, 0);
    return TRUE;
}

DWORD GetTimeZoneInformation(TIME_ZONE_INFORMATION* tzi) {
    if (!tzi) return TIME_ZONE_ID_INVALID;
    TIME_ZONE_INFORMATION stored{};
    za::tz::YearlyRulesPtr years;
    if (!za::device::ReadDeviceZone(&stored, &years)) return TIME_ZONE_ID_INVALID;
    const std::int64_t now = SecondsOf(za::device::NowUtcMs());
    *tzi = years ? years->ForInstant(now) : stored;
    if (tzi->StandardDate.wMonth == 0) return TIME_ZONE_ID_UNKNOWN;
    return za::tz::IsDaylightAt(*tzi, now) ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD;
}

BOOL SetTimeZoneInformation(const TIME_ZONE_INFORMATION* tzi) {
    if (!tzi) return FALSE;
    return StoreZone(*tzi, QByteArray()) ? TRUE : FALSE;
}

BOOL SetDaylightTime(DWORD daylight) { return WriteNumber("daylight", daylight ? 1 : 0) ? TRUE : FALSE; }

BOOL GetDaylightTime() {
    std::int64_t value = 0;
    return ReadValue("daylight", nullptr, &value) && value != 0;
}

void GetLocalTime(SYSTEMTIME* st) {
    if (!st) return;
    const std::int64_t ms = za::device::NowUtcMs();
    const std::int64_t seconds = SecondsOf(ms);
    TIME_ZONE_INFORMATION stored{};
    za::tz::YearlyRulesPtr years;
    int bias = 0;
    if (za::device::ReadDeviceZone(&stored, &years)) {
        bias = za::tz::BiasAt(years ? years->ForInstant(seconds) : stored, seconds);
    }
    za::SecondsToSystemTime(seconds - bias * 60, st);
    st->wMilliseconds = static_cast<WORD>(ms - seconds * 1000);
}
