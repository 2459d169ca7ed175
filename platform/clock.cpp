#include "clock.h"

#include "device.h"
#include "oledate.h"
#include "tzrule.h"

#include <QDateTime>

#include <cstring>

namespace {

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS device_clock(name TEXT PRIMARY KEY, value) WITHOUT ROWID";
constexpr const char* kRead = "SELECT value FROM device_clock WHERE name = ?1";
constexpr const char* kWrite = "INSERT OR REPLACE INTO device_clock(name, value) VALUES(?1, ?2)";
const za::device::SchemaRegistrar g_schema(kSchema);

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

bool WriteBlob(const char* name, const QByteArray& blob) {
    za::sql::Database* db = za::device::Db();
    if (!db) return false;
    return db->prepare(kWrite).bind(1, QString::fromLatin1(name)).bindBlob(2, blob).run();
}

bool WriteNumber(const char* name, std::int64_t value) {
    za::sql::Database* db = za::device::Db();
    if (!db) return false;
    return db->prepare(kWrite).bind(1, QString::fromLatin1(name)).bind(2, value).run();
}

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
    return WriteNumber("offset_ms", target - HostNowMs()) ? TRUE : FALSE;
}

DWORD GetTimeZoneInformation(TIME_ZONE_INFORMATION* tzi) {
    if (!tzi) return TIME_ZONE_ID_INVALID;
    QByteArray blob;
    if (!ReadValue("zone", &blob, nullptr) || blob.size() != sizeof(TIME_ZONE_INFORMATION)) {
        return TIME_ZONE_ID_INVALID;
    }
    std::memcpy(tzi, blob.constData(), sizeof *tzi);
    if (tzi->StandardDate.wMonth == 0) return TIME_ZONE_ID_UNKNOWN;
    return za::tz::IsDaylightAt(*tzi, za::device::NowUtcMs() / 1000) ? TIME_ZONE_ID_DAYLIGHT
                                                                     : TIME_ZONE_ID_STANDARD;
}

BOOL SetTimeZoneInformation(const TIME_ZONE_INFORMATION* tzi) {
    if (!tzi) return FALSE;
    return WriteBlob("zone", QByteArray(reinterpret_cast<const char*>(tzi), sizeof *tzi)) ? TRUE : FALSE;
}

BOOL SetDaylightTime(DWORD daylight) { return WriteNumber("daylight", daylight ? 1 : 0) ? TRUE : FALSE; }

BOOL GetDaylightTime() {
    std::int64_t value = 0;
    return ReadValue("daylight", nullptr, &value) && value != 0;
}

void GetLocalTime(SYSTEMTIME* st) {
    if (!st) return;
    const std::int64_t ms = za::device::NowUtcMs();
    std::int64_t seconds = ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
    TIME_ZONE_INFORMATION tzi{};
    int bias = 0;
    if (GetTimeZoneInformation(&tzi) != TIME_ZONE_ID_INVALID) bias = za::tz::BiasAt(tzi, seconds);
    za::SecondsToSystemTime(seconds - bias * 60, st);
    st->wMilliseconds = static_cast<WORD>(ms - seconds * 1000);
}
