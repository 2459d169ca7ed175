#include "timezone.h"

#include "clock.h"
#include "localetext.h"
#include "oledate.h"
#include "poapp.h"
#include "poutlook.h"
#include "registry.h"
#include "stringtable.h"
#include "timeservice.h"
#include "tzderive.h"
#include "tzrule.h"
#include "zastrings.h"

#include <QTimeZone>

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

// A local time of a zone to UTC: the rule of the local time's year is first evaluated as if
// the local time were UTC, then corrected once at the instant found, by the record of that
// instant's year (which differs at a year's end where the records of two years differ:
// 20:09 on 31 December 2026 in British Columbia is already 2027 in UTC).
//
// The single correction maps the first second of daylight time east of Greenwich an hour late
// (Paris, 29 March 2026, 03:00 local gave 02:00 UTC, not 01:00), so an alarm for that minute
// would ring an hour late. When the result does not convert back to the local time but the
// other bias's result does, that one is right. A transition instant converts back to the wall
// clock on either side of it, both being the same moment.
SYSTEMTIME LocalToUtc(const Records& records, const SYSTEMTIME& local) {
    const int first = BiasAt(records.Of(local.wYear), local);
    SYSTEMTIME result = AddMinutes(local, first);
    const TIME_ZONE_INFORMATION& rule = records.Of(result.wYear);
    int used = first;
    const int second = BiasAt(rule, result);
    if (second != first) {
        result = AddMinutes(local, second);
        used = second;
    }
    std::int64_t wanted = 0;
    if (!ToSeconds(local, &wanted)) return result;
    auto convertsBack = [&](const SYSTEMTIME& candidate) {
        std::int64_t at = 0;
        if (!ToSeconds(candidate, &at)) return false;
        return at - records.BiasAt(at) * 60 == wanted || at - records.BiasAt(at - 1) * 60 == wanted;
    };
    if (!convertsBack(result)) {
        const int standard = rule.Bias + rule.StandardBias;
        const int daylight = rule.Bias + rule.DaylightBias;
        const SYSTEMTIME other = AddMinutes(local, used == daylight ? standard : daylight);
        if (convertsBack(other)) result = other;
    }
    return result;
}

// The device zone as stored, with its records of every year where it follows a zone of the tz
// database; all zero when the profile cannot be read.
struct DeviceZone {
    TIME_ZONE_INFORMATION stored{};
    za::tz::YearlyRulesPtr years;

    DeviceZone() {
        if (!za::device::ReadDeviceZone(&stored, &years)) stored = TIME_ZONE_INFORMATION{};
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
}

BOOL CDBTimeZone::Load(int id) {
    Unload();
    CPOApp& po = GetPOApp();
    po.GetTZIFromID(id, &m_tzi);
    // The other years' records only where the device year's record is one of them: a record
    // that matches none keeps its one rule.
    za::tz::YearlyRulesPtr years;
    if (po.GetTZRulesFromID(id, &years) && years->Holds(m_tzi)) m_years = std::move(years);
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

int CDBTimeZone::Bias(const SYSTEMTIME& utc) const { return BiasAt(RuleOfYear(utc.wYear), utc); }

BOOL CDBTimeZone::IsDaylightTime(const SYSTEMTIME& utc) const { return ::IsDaylightTime(RuleOfYear(utc.wYear), utc); }

void CDBTimeZone::AdjustBiasForDST() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    const TIME_ZONE_INFORMATION& rule = RuleOfYear(now.wYear);
    m_bDaylight = ::IsDaylightTime(rule, now);
    m_bias = rule.Bias + (m_bDaylight ? rule.DaylightBias : rule.StandardBias);
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
    local = AddMinutes(utc, -Bias(utc));
}

void CTimeZone::LocalTimeToUTCTime(const SYSTEMTIME& local, SYSTEMTIME& utc) const {
    utc = LocalToUtc(Records{&m_tzi, m_years.get()}, local);
}

BOOL CTimeZone::SetSystemTimeZone(const QByteArray& place) {
    AdjustBiasForDST();
    // The computer's clock does not move with its zone; the private device's is set back to
    // the instant it read before.
    const bool computer = za::device::Kind() == za::device::DeviceKind::Computer;
    SYSTEMTIME now{};
    GetSystemTime(&now);
    // A zone of the table goes on following its records of every year as the device zone; the
    // place's own zone where it has the same rule now (the computer then names the city's zone).
    QByteArray follow = m_years ? m_years->TzId() : QByteArray();
    if (!place.isEmpty() && m_years) {
        TIME_ZONE_INFORMATION own{};
        if (za::tz::DeriveFromZone(QTimeZone(place), za::device::DeviceYear(), &own) && za::outlook::SameRule(own, m_tzi)) follow = place;
    }
    const BOOL result = !follow.isEmpty() ? za::device::SetTimeZoneFollowing(m_tzi, follow) : SetTimeZoneInformation(&m_tzi);
    if (!result) return FALSE;
    SetDaylightTime(m_bDaylight ? 1 : 0);
    if (!computer) SetSystemTime(&now);
    return result;
}

BOOL IsDaylightTime(const TIME_ZONE_INFORMATION& tzi, const SYSTEMTIME& utc) {
    std::int64_t seconds = 0;
    if (!ToSeconds(utc, &seconds)) return FALSE;
    return za::tz::IsDaylightAt(tzi, seconds) ? TRUE : FALSE;
}

BOOL SetSystemTimeAndDST(const SYSTEMTIME& utc) {
    const DeviceZone zone;
    SetDaylightTime(IsDaylightTime(zone.records().Of(utc.wYear), utc) ? 1 : 0);
    return SetSystemTime(&utc);
}

void UTCTimeToSystemLocalTime(const SYSTEMTIME& utc, SYSTEMTIME& local) {
    const DeviceZone zone;
    local = AddMinutes(utc, -BiasAt(zone.records().Of(utc.wYear), utc));
}

void SystemLocalTimeToUTCTime(const SYSTEMTIME& local, SYSTEMTIME& utc) {
    const DeviceZone zone;
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
