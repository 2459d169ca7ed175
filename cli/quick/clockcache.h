// What `zonaria-cli clock` needs beyond the profile, kept by the complete command line for the
// quick one (which has no Qt): the user's date and time formats, and the five cities' zones
// over the coming weeks. The quick command line answers from it only where the complete one
// proved the same answer (see ../clockkeep.cpp), and leaves every other case to it.
// Strings are UTF-16, as the complete command line's, so that widths and cuts count alike.
#pragma once

#include <locale.h>

#include <cstdint>
#include <string>
#include <vector>

namespace cli::quick {

// A stretch of time with one offset: from `start` (UTC seconds since 1970) to the next period's.
struct Period {
    std::int64_t start = 0;
    std::int32_t offset = 0;  // seconds added to UTC to give the local time
    bool daylight = false;
};

// A city's zone as the city database's row names it: its name and time-zone ID.
struct CachedZone {
    std::u16string name;
    std::int32_t zoneId = 0;
    std::vector<Period> periods;  // in order, covering the cache's span
};

// The locale's short date as Qt patterns it, the names it uses, and the time picture in the
// handheld's letters (h, H, m, s, tt).
struct Formats {
    std::u16string datePattern;
    std::u16string months[12], longMonths[12], days[7], longDays[7];  // days from Sunday
    std::u16string zero;  // the locale's zero digit
    std::u16string timePicture, am, pm;
    std::u16string daylightMark;
};

// What every cache holds first: what it was kept for, and the user's formats.
struct CacheHead {
    std::string key;      // EnvironmentKey() when written
    std::string tzStamp;  // TzStamp() when written
    std::int32_t schemaVersion = 0;
    Formats formats;
};

struct ClockCache : CacheHead {
    std::int64_t from = 0, until = 0;  // the zones' span, UTC seconds
    std::vector<CachedZone> zones;
};

// The cache's file beside device.db.
inline constexpr const char* kClockCacheName = "clock.cache";

std::string Serialise(const ClockCache& cache);
// False for bytes that are not a whole cache of this format (cut, damaged, another version).
bool Parse(const std::string& bytes, ClockCache* cache);

// What the formats depend on: Zonaria's version and the locale's environment variables.
std::string EnvironmentKey();
// Which tz database the zones came from: the identity of its tzdata.zi ("" when it has none).
std::string TzStamp();
// The period at t of periods in order, or null before the first.
const Period* PeriodAt(const std::vector<Period>& periods, std::int64_t t);

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    int weekday = 0;  // 0 Sunday
};
LocalTime LocalTimeOf(std::int64_t localSeconds);

// The short date, a space, the time without seconds, and the daylight mark when `daylight`,
// as the complete command line writes them; false when the pattern holds what this does not
// know.
bool RenderShortDateTime(const Formats& formats, const LocalTime& t, bool daylight, std::u16string* out);

// A date in another Qt pattern of the locale ("ddd d MMM yyyy"); false as above.
bool RenderDatePattern(const Formats& formats, const std::u16string& pattern, const LocalTime& t, std::u16string* out);
// The time alone, and the daylight mark when `daylight`.
bool RenderTimeText(const Formats& formats, const LocalTime& t, bool daylight, std::u16string* out);

// A UTF-16 unit as Qt folds it for its case-insensitive comparisons, given the C library's
// UTF-8 locale; units of letters beyond the Basic Multilingual Plane stay as they are.
std::uint32_t FoldedUnit(char16_t c, locale_t utf8);

std::string Utf8(const std::u16string& text);
// False for bytes that are not UTF-8.
bool FromUtf8(const std::string& bytes, std::u16string* text);

}  // namespace cli::quick
