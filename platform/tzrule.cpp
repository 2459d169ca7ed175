#include "tzrule.h"

#include "oledate.h"

namespace za::tz {

bool TransitionInstant(const SYSTEMTIME& d, int year, int offsetMinutes, std::int64_t* utc) {
    if (d.wYear != 0) {
        std::int64_t seconds = 0;
        if (!SystemTimeToSeconds(d, &seconds)) return false;
        *utc = seconds;
        return true;
    }
    if (d.wMonth < 1 || d.wMonth > 12 || d.wDayOfWeek > 6 || d.wDay < 1 || d.wDay > 5) return false;
    const int minuteOfDay = d.wHour * 60 + d.wMinute;
    if (d.wMinute > 59 || minuteOfDay >= 24 * 60) return false;
    if (year < 1 || year > 9999) return false;

    const std::int64_t first = DaysFromCivil(year, d.wMonth, 1);
    const int shift = (d.wDayOfWeek - WeekdayFromDays(first) + 7) % 7;
    int dayOfMonth = 1 + shift + 7 * (d.wDay - 1);
    // Only the fifth occurrence can leave the month: it then means the last one.
    if (dayOfMonth > DaysInMonth(year, d.wMonth)) dayOfMonth -= 7;
    const std::int64_t day = first + dayOfMonth - 1;
    *utc = day * 86400 + static_cast<std::int64_t>(minuteOfDay + offsetMinutes) * 60;
    return true;
}

bool IsDaylightAt(const TIME_ZONE_INFORMATION& tzi, std::int64_t utc) {
    if (tzi.StandardDate.wMonth == 0) return false;
    SYSTEMTIME at{};
    if (!SecondsToSystemTime(utc, &at)) return false;
    std::int64_t start = 0, end = 0;
    if (!TransitionInstant(tzi.DaylightDate, at.wYear, tzi.Bias + tzi.StandardBias, &start) ||
        !TransitionInstant(tzi.StandardDate, at.wYear, tzi.Bias + tzi.DaylightBias, &end)) {
        return false;
    }
    // Daylight time begins with the start instant itself, as in the tz database (counting it
    // as standard time showed a wall clock that does not exist: 02:00:00 in Chicago on the
    // spring-forward day); the end instant is standard time again.
    if (end < start) return utc >= start || utc < end;  // southern hemisphere
    return utc >= start && utc < end;
}

int BiasAt(const TIME_ZONE_INFORMATION& tzi, std::int64_t utc) {
    return tzi.Bias + (IsDaylightAt(tzi, utc) ? tzi.DaylightBias : tzi.StandardBias);
}

}  // namespace za::tz
