#include "timezone.h"

#include "clock.h"
#include "localetext.h"
#include "oledate.h"
#include "poapp.h"
#include "registry.h"
#include "stringtable.h"
#include "tzrule.h"
#include "zastrings.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr const char16_t* kTimeZonesKey = u"\\SOFTWARE\\Microsoft\\TimeZones";
constexpr UINT IDS_NO_DST = 504;
constexpr UINT IDS_DST_RULE = 510;

// Whole seconds since 1970 of a SYSTEMTIME (milliseconds dropped); false when it is not a
// valid time.
bool ToSeconds(const SYSTEMTIME& st, std::int64_t* seconds) { return za::SystemTimeToSeconds(st, seconds); }

SYSTEMTIME FromSeconds(std::int64_t seconds) {
    SYSTEMTIME st{};
    za::SecondsToSystemTime(seconds, &st);
    return st;
}

SYSTEMTIME AddMinutes(const SYSTEMTIME& st, int minutes) {
    std::int64_t s = 0;
    if (!ToSeconds(st, &s)) return st;
    return FromSeconds(s + static_cast<std::int64_t>(minutes) * 60);
}

int BiasAt(const TIME_ZONE_INFORMATION& tzi, const SYSTEMTIME& utc) {
    return tzi.Bias + (IsDaylightTime(tzi, utc) ? tzi.DaylightBias : tzi.StandardBias);
}

QString DisplayNameFromRegistry(int id) {
    const QString path = za::FormatString(QStringLiteral("%s\\%d"), {QString::fromUtf16(kTimeZonesKey), id});
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, 0, &key) != ERROR_SUCCESS) return QString();
    QString name;
    DWORD size = 0, type = 0;
    if (RegQueryValueExW(key, QStringLiteral("Display"), nullptr, &type, nullptr, &size) == ERROR_SUCCESS && size > 0) {
        std::vector<char16_t> buffer(size / 2 + 1, 0);
        if (RegQueryValueExW(key, QStringLiteral("Display"), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                             &size) == ERROR_SUCCESS) {
            name = QString::fromUtf16(buffer.data());
        }
    }
    RegCloseKey(key);
    return name;
}

QString NameField(const WCHAR* field) {
    int n = 0;
    while (n < 32 && field[n]) ++n;
    return QString::fromUtf16(field, n);
}

bool SameDate(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDayOfWeek == b.wDayOfWeek && a.wDay == b.wDay;
}

// The weekday or month name of a transition date, through the locale's date formatting with a
// picture, into a 16-character buffer as the handheld does.
QString DatePart(const SYSTEMTIME& date, const char16_t* picture) {
    WCHAR buffer[16] = {};
    if (GetDateFormatW(LOCALE_USER_DEFAULT, 0, &date, picture, buffer, 16) == 0) return QString();
    return QString::fromUtf16(buffer);
}

// The occurrence word of a transition: 505 "First" to 509 "Last". A yearly rule names its
// occurrence; an absolute date (one year's instant) is described by where its day falls in
// its month, so the text stays true for that year. Out-of-range occurrences are clamped.
QString OccurrenceWord(const SYSTEMTIME& date) {
    int occurrence = date.wDay;
    if (date.wYear != 0) {
        occurrence = (date.wDay - 1) / 7 + 1;
        if (date.wDay + 7 > za::DaysInMonth(date.wYear, date.wMonth)) occurrence = 5;
    }
    occurrence = std::clamp(occurrence, 1, 5);
    return za::CoreString(IDS_NO_DST + static_cast<UINT>(occurrence));
}

// A zone's record by year: its record of each year where it has them, else its one record.
struct Records {
    const TIME_ZONE_INFORMATION* own;
    const za::tz::YearlyRules* years;

    const TIME_ZONE_INFORMATION& Of(int year) const { return years ? years->ForYear(year) : *own; }
    // The bias at a UTC instant, by the record of its year.
    int BiasAt(std::int64_t utc) const { return za::tz::BiasAt(Of(za::tz::YearOf(utc)), utc); }
};

// A local time of a zone to UTC by the records of the years: of the instants the record's two
// biases give, those that show the local time again; of two (a time that occurs twice as the
// clocks go back), the first. A time the clocks skipped is read with the bias in force before
// the change, which is the time after the gap (02:30 when 02:00 became 03:00 gives 03:30
// daylight time), as east of Greenwich so west of it. The rule's single correction gave one
// or the other depending on the side of Greenwich and on the minute.
SYSTEMTIME LocalToUtc(const Records& records, const SYSTEMTIME& local) {
    std::int64_t wanted = 0;
    if (!ToSeconds(local, &wanted)) return local;
    const TIME_ZONE_INFORMATION& own = records.Of(local.wYear);
    const TIME_ZONE_INFORMATION& next = records.Of(za::tz::YearOf(wanted + own.Bias * 60));
    bool found = false;
    std::int64_t best = 0;
    for (const TIME_ZONE_INFORMATION* rule : {&own, &next}) {
        for (const int bias : {rule->Bias + rule->StandardBias, rule->Bias + rule->DaylightBias}) {
            const std::int64_t u = wanted + static_cast<std::int64_t>(bias) * 60;
            if (u - records.BiasAt(u) * 60 != wanted) continue;
            if (!found || u < best) best = u;
            found = true;
        }
    }
    if (!found) {
        // Half a day before: changes of a zone's clock are never that close together.
        constexpr std::int64_t kBefore = 12 * 3600;
        best = wanted + static_cast<std::int64_t>(records.BiasAt(wanted + own.Bias * 60 - kBefore)) * 60;
    }
    return FromSeconds(best);
}

// The device zone as stored, with its records of every year where it follows a zone of the tz
// database; all zero when the profile cannot be read.
struct DeviceZone {
    TIME_ZONE_INFORMATION stored{};
    za::tz::YearlyRulesPtr years;
    // The followed zone's exact history, which the conversions take within its years.
    za::tz::ZoneHistoryPtr history;

    DeviceZone() {
        if (!za::device::ReadDeviceZone(&stored, &years)) stored = TIME_ZONE_INFORMATION{};
        if (years) history = za::tz::ZoneHistory::Of(years->TzId());
    }
    Records records() const { return Records{&stored, years.get()}; }
};

}  // namespace

CDBTimeZone::CDBTimeZone() { Unload(); }

void CDBTimeZone::Unload() {
    m_bias = 0;
    m_bDaylight = FALSE;
    m_id = -1;
    m_name.clear();
    std::memset(&m_tzi, 0, sizeof m_tzi);
    m_years.reset();
    m_history.reset();
}

BOOL CDBTimeZone::Load(int id, const QByteArray& ownZone) {
    Unload();
    CPOApp& po = GetPOApp();
    po.GetTZIFromID(id, &m_tzi);
    // The other years' records only where the device year's record is one of them: a record
    // that matches none keeps its one rule.
    za::tz::YearlyRulesPtr years;
    if (po.GetTZRulesFromID(id, &years) && years->Holds(m_tzi)) m_years = std::move(years);
    // The place's own zone's history, else the entry's representative's: only the one used is
    // read from the tz database.
    if (!ownZone.isEmpty()) m_history = za::tz::ZoneHistory::Of(ownZone);
    if (!m_history && m_years) m_history = za::tz::ZoneHistory::Of(m_years->TzId());
    if (po.SupportsICity()) {
        m_name = DisplayNameFromRegistry(id);
    } else {
        m_name = NameField(m_tzi.StandardName);
        if (m_name.startsWith(QLatin1String("MT"))) m_name.prepend(QLatin1Char('G'));
    }
    m_id = id;
    AdjustBiasForDST();
    return TRUE;
}

BOOL CDBTimeZone::IsSameTZ(const TIME_ZONE_INFORMATION* tzi, BOOL* sameNames) const {
    if (!tzi) return FALSE;
    if (sameNames) {
        *sameNames = std::memcmp(tzi->StandardName, m_tzi.StandardName, sizeof m_tzi.StandardName) == 0 &&
                     std::memcmp(tzi->DaylightName, m_tzi.DaylightName, sizeof m_tzi.DaylightName) == 0;
    }
    return tzi->Bias == m_tzi.Bias && tzi->DaylightBias == m_tzi.DaylightBias &&
           tzi->StandardBias == m_tzi.StandardBias && SameDate(tzi->DaylightDate, m_tzi.DaylightDate) &&
           SameDate(tzi->StandardDate, m_tzi.StandardDate);
}

void CDBTimeZone::FollowZone(const QByteArray& tzId) {
    if (tzId.isEmpty() || (m_history && m_history->TzId() == tzId)) return;
    if (za::tz::ZoneHistoryPtr history = za::tz::ZoneHistory::Of(tzId)) {
        m_history = std::move(history);
        AdjustBiasForDST();
    }
}

bool CDBTimeZone::HistoryCovers(const SYSTEMTIME& utc, std::int64_t* seconds) const {
    return m_history && ToSeconds(utc, seconds) && m_history->Covers(*seconds);
}

int CDBTimeZone::Bias(const SYSTEMTIME& utc) const {
    std::int64_t seconds = 0;
    if (HistoryCovers(utc, &seconds)) return -m_history->OffsetAt(seconds) / 60;
    return BiasAt(RuleOfYear(utc.wYear), utc);
}

BOOL CDBTimeZone::IsDaylightTime(const SYSTEMTIME& utc) const {
    std::int64_t seconds = 0;
    if (HistoryCovers(utc, &seconds)) return m_history->IsDaylightAt(seconds) ? TRUE : FALSE;
    return ::IsDaylightTime(RuleOfYear(utc.wYear), utc);
}

void CDBTimeZone::AdjustBiasForDST() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    m_bDaylight = IsDaylightTime(now);
    m_bias = Bias(now);
}

QString CDBTimeZone::GetDaylightRule() const {
    if (!SupportsDST()) return za::CoreString(IDS_NO_DST);
    const SYSTEMTIME& start = m_tzi.DaylightDate;
    const SYSTEMTIME& end = m_tzi.StandardDate;
    return za::FormatString(za::CoreString(IDS_DST_RULE),
                            {OccurrenceWord(start), DatePart(start, u"dddd"), DatePart(start, u"MMMM"),
                             OccurrenceWord(end), DatePart(end, u"dddd"), DatePart(end, u"MMMM")});
}

void CTimeZone::GetLocalTime(SYSTEMTIME& local) const {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    now.wMilliseconds = 0;
    local = AddMinutes(now, -m_bias);
}

void CTimeZone::UTCTimeToLocalTime(const SYSTEMTIME& utc, SYSTEMTIME& local) const {
    std::int64_t seconds = 0;
    if (HistoryCovers(utc, &seconds)) {
        // Seconds included: Monrovia's clock was 44 minutes 30 seconds behind UTC until 1972.
        local = FromSeconds(seconds + m_history->OffsetAt(seconds));
        return;
    }
    local = AddMinutes(utc, -Bias(utc));
}

void CTimeZone::LocalTimeToUTCTime(const SYSTEMTIME& local, SYSTEMTIME& utc,
                                   za::tz::ZoneHistory::LocalKind* kind) const {
    if (kind) *kind = za::tz::ZoneHistory::LocalKind::Unique;
    std::int64_t seconds = 0;
    if (m_history && ToSeconds(local, &seconds) && m_history->CoversLocal(seconds)) {
        utc = FromSeconds(m_history->LocalToUtc(seconds, kind));
        return;
    }
    utc = LocalToUtc(Records{&m_tzi, m_years.get()}, local);
}

BOOL CTimeZone::SetSystemTimeZone() {
    AdjustBiasForDST();
    SYSTEMTIME now{};
    GetSystemTime(&now);
    // A zone of the table goes on following its place's own zone of the tz database as the
    // device zone (Rome stays Europe/Rome, not entry 110's Europe/Berlin).
    const QByteArray followed = m_history ? m_history->TzId() : m_years ? m_years->TzId() : QByteArray();
    const BOOL result =
        !followed.isEmpty() ? za::device::SetTimeZoneFollowing(m_tzi, followed) : SetTimeZoneInformation(&m_tzi);
    SetDaylightTime(m_bDaylight ? 1 : 0);
    SetSystemTime(&now);
    return result;
}

BOOL IsDaylightTime(const TIME_ZONE_INFORMATION& tzi, const SYSTEMTIME& utc) {
    std::int64_t seconds = 0;
    if (!ToSeconds(utc, &seconds)) return FALSE;
    return za::tz::IsDaylightAt(tzi, seconds) ? TRUE : FALSE;
}

BOOL SetSystemTimeAndDST(const SYSTEMTIME& utc) {
    const DeviceZone zone;
    std::int64_t seconds = 0;
    const bool daylight = zone.history && ToSeconds(utc, &seconds) && zone.history->Covers(seconds)
                              ? zone.history->IsDaylightAt(seconds)
                              : IsDaylightTime(zone.records().Of(utc.wYear), utc) != FALSE;
    SetDaylightTime(daylight ? 1 : 0);
    return SetSystemTime(&utc);
}

void UTCTimeToSystemLocalTime(const SYSTEMTIME& utc, SYSTEMTIME& local) {
    const DeviceZone zone;
    std::int64_t seconds = 0;
    if (zone.history && ToSeconds(utc, &seconds) && zone.history->Covers(seconds)) {
        local = FromSeconds(seconds + zone.history->OffsetAt(seconds));
        return;
    }
    local = AddMinutes(utc, -BiasAt(zone.records().Of(utc.wYear), utc));
}

void SystemLocalTimeToUTCTime(const SYSTEMTIME& local, SYSTEMTIME& utc) {
    const DeviceZone zone;
    std::int64_t seconds = 0;
    if (zone.history && ToSeconds(local, &seconds) && zone.history->CoversLocal(seconds)) {
        utc = FromSeconds(zone.history->LocalToUtc(seconds));
        return;
    }
    // Out of the history's years, the same reading by the records (a time skipped or repeated
    // at a change is taken as the one correction gives it, as the device zone always did).
    const Records records = zone.records();
    const TIME_ZONE_INFORMATION* tzi = &records.Of(local.wYear);
    SYSTEMTIME u = AddMinutes(local, tzi->Bias);
    // Where the local time's instant lies in another year, that year's record holds there.
    if (u.wYear != local.wYear) {
        tzi = &records.Of(u.wYear);
        u = AddMinutes(local, tzi->Bias);
    }
    utc = AddMinutes(u, IsDaylightTime(*tzi, u) ? tzi->DaylightBias : tzi->StandardBias);
}
