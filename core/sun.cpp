#include "sun.h"

#include "format.h"
#include "oledate.h"
#include "stringtable.h"
#include "timezone.h"
#include "zastrings.h"

#include <cmath>
#include <cstdint>

namespace za::astro {
namespace {

constexpr UINT IDS_NEVER_RISES = 500;
constexpr UINT IDS_NEVER_SETS = 501;
constexpr UINT IDS_ALWAYS_LIGHT = 502;
constexpr UINT IDS_ALWAYS_DARK = 503;
constexpr UINT IDS_HOURS_MINUTES = 520;

QString EventText(const CTimeZone& zone, const SYSTEMTIME& utc) {
    SYSTEMTIME local{};
    zone.UTCTimeToLocalTime(utc, local);
    return FormatDateAndTime(local, zone.IsDaylightTime(utc), TF_TIME);
}

}  // namespace

RiseSetEvents EventsOfLocalDay(const CTimeZone& zone, int longitude, int latitude, const SYSTEMTIME& localDate,
                               int zenith) {
    // The day in its own offsets: from its midnight (or, where the clocks skip midnight, from
    // the change) to the next day's.
    const SYSTEMTIME midnight = LocalMidnight(localDate);
    SYSTEMTIME midnightUtc{}, nextUtc{};
    zone.LocalTimeToUTCTime(midnight, midnightUtc);
    DATE day = 0;
    SystemTimeToVariantTime(&midnight, &day);
    SYSTEMTIME next{};
    VariantTimeToSystemTime(AddSpan(day, 1.0), &next);
    zone.LocalTimeToUTCTime(next, nextUtc);
    std::int64_t from = 0, to = 0;
    double hours = 24.0;
    if (SystemTimeToSeconds(midnightUtc, &from) && SystemTimeToSeconds(nextUtc, &to) && to > from) {
        hours = static_cast<double>(to - from) / 3600.0;
    }
    // The bias that places the day's start: the midnight's own, in seconds where it has them.
    std::int64_t wall = 0;
    SystemTimeToSeconds(midnight, &wall);
    const int bias = static_cast<int>((from - wall) / 60);
    return FindRiseSet(localDate, bias, longitude, latitude, zenith, hours);
}

void RiseSetTexts(const CTimeZone& zone, const RiseSetEvents& ev, QString& riseText, QString& setText) {
    riseText = ev.day.rises ? EventText(zone, ev.rise) : CoreString(IDS_NEVER_RISES);
    setText = ev.day.sets ? EventText(zone, ev.set) : CoreString(IDS_NEVER_SETS);
}

void RiseSetTexts(const CTimeZone& zone, int longitude, int latitude, const SYSTEMTIME& localDate, int zenith,
                  QString& riseText, QString& setText) {
    RiseSetTexts(zone, EventsOfLocalDay(zone, longitude, latitude, localDate, zenith), riseText, setText);
}

QString DaylightHoursText(const RiseSetEvents& ev) {
    const double hours = HoursAbove(ev.day);
    if (hours < 0.0) return CoreString(ev.day.above ? IDS_ALWAYS_LIGHT : IDS_ALWAYS_DARK);
    const long long seconds = std::llround(hours * 3600.0);
    return FormatString(CoreString(IDS_HOURS_MINUTES, static_cast<int>(seconds / 3600)), {seconds / 3600, (seconds % 3600) / 60});
}

QString DaylightHoursText(const CTimeZone& zone, int longitude, int latitude, const SYSTEMTIME& localDate,
                          int zenith) {
    return DaylightHoursText(EventsOfLocalDay(zone, longitude, latitude, localDate, zenith));
}

}  // namespace za::astro
