#include "quickcity.h"

#include "astro.h"
#include "biaschange.h"
#include "citycache.h"
#include "clockcache.h"
#include "oledate.h"
#include "quickprofile.h"
#include "riseset.h"

#include <cstdio>
#include <optional>
#include <utility>

namespace cli::quick {

namespace {

constexpr std::int64_t kDay = 86400;
constexpr int kMaxCityText = 4 * 31;  // cli/cliutil.h: longer names are refused there
constexpr int kHorizonDays = 400;     // core/clockchange.h's default

// What QString::trimmed takes away: Unicode's spaces.
bool IsSpace(char16_t c) {
    return (c >= 9 && c <= 13) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::u16string Decimal(long long value) { return Ascii(std::to_string(value)); }

// As geography's FormatLatitude and FormatLongitude: whole degrees and rounded minutes.
std::u16string Coordinate(std::int32_t value, const std::u16string& positive, const std::u16string& negative) {
    const long long a = value < 0 ? -static_cast<long long>(value) : value;
    return Filled(value >= 0 ? positive : negative, Decimal(a / 100), Decimal(((a % 100) * 60 + 50) / 100));
}

// The zone's bias in minutes at t, as CTimeZone::Bias gives it (UTC = local time + bias); the
// caller keeps t within the cache's span.
int BiasAt(const std::vector<Period>& zone, std::int64_t t) {
    const Period* p = PeriodAt(zone, t);
    return p ? -p->offset / 60 : 0;
}

// The UTC instant of a wall time that the zone shows exactly once; false for a time the clocks
// skip or repeat, where the complete command line's choice is its own.
bool UtcOfWall(const std::vector<Period>& zone, std::int64_t wall, std::int64_t* utc) {
    int found = 0;
    for (std::size_t i = 0; i < zone.size(); ++i) {
        const std::int64_t t = wall - zone[i].offset;
        const bool within = t >= zone[i].start && (i + 1 == zone.size() || t < zone[i + 1].start);
        if (within) {
            *utc = t;
            ++found;
        }
    }
    return found == 1;
}

SYSTEMTIME Date(const LocalTime& t) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDay = static_cast<WORD>(t.day);
    st.wDayOfWeek = static_cast<WORD>(t.weekday);
    return st;
}

// The event's time in the zone, as the sun's texts write it.
bool EventText(const CityCache& cache, const std::vector<Period>& zone, const SYSTEMTIME& utc, std::u16string* out) {
    std::int64_t t = 0;
    if (!za::SystemTimeToSeconds(utc, &t)) return false;
    const Period* p = PeriodAt(zone, t);
    return p && RenderTimeText(cache.formats, LocalTimeOf(t + p->offset), p->daylight, out);
}

// The sunrise and sunset of the city's local day at `now`, as za::astro::RiseSetTexts writes
// them; false on a day whose midnights the clocks skip or repeat.
bool RiseSet(const CityCache& cache, const std::vector<Period>& zone, const CityRecord& city, std::int64_t now,
             std::u16string* rise, std::u16string* set) {
    const Period* p = PeriodAt(zone, now);
    if (!p) return false;
    const std::int64_t local = now + p->offset;
    const std::int64_t wall = (local >= 0 ? local : local - (kDay - 1)) / kDay * kDay;
    std::int64_t from = 0, to = 0;
    if (!UtcOfWall(zone, wall, &from) || !UtcOfWall(zone, wall + kDay, &to)) return false;
    const double hours = to > from ? static_cast<double>(to - from) / 3600.0 : 24.0;
    const int bias = static_cast<int>((from - wall) / 60);
    const za::astro::RiseSetEvents ev =
        za::astro::FindRiseSet(Date(LocalTimeOf(wall)), bias, city.longitude, city.latitude, ZENITH_OFFICIAL, hours);
    if (ev.day.rises) {
        if (!EventText(cache, zone, ev.rise, rise)) return false;
    } else {
        *rise = cache.texts.neverRises;
    }
    if (ev.day.sets) return EventText(cache, zone, ev.set, set);
    *set = cache.texts.neverSets;
    return true;
}

// The next clock change's text, found as za::NextClockChange finds it.
bool ClockChange(const CityCache& cache, const std::vector<Period>& zone, std::int64_t now, std::u16string* out) {
    const int startBias = BiasAt(zone, now);
    const std::optional<std::int64_t> after =
        za::NextBiasChange(now, kHorizonDays, [&zone](std::int64_t seconds) { return BiasAt(zone, seconds); });
    if (!after) {
        *out = cache.texts.noChange;
        return true;
    }
    const int minutes = startBias - BiasAt(zone, *after);
    const int amount = minutes < 0 ? -minutes : minutes;
    if (amount % 15 != 0 || amount / 15 < 1 || amount / 15 > kQuarterHours) return false;
    const LocalTime local = LocalTimeOf(*after - static_cast<std::int64_t>(startBias) * 60);
    std::u16string date;
    if (!RenderDatePattern(cache.formats, cache.texts.changeDatePattern, local, &date)) return false;
    char time[8];
    std::snprintf(time, sizeof time, "%02d:%02d", local.hour, local.minute);
    *out = Filled(minutes > 0 ? cache.texts.forward : cache.texts.back, cache.texts.amounts[amount / 15 - 1], date,
                  Ascii(time));
    return true;
}

}  // namespace

bool City(const std::string& asked, std::string* out) {
    std::u16string name;
    if (!FromUtf8(asked, &name) || name.empty() || name.size() > static_cast<std::size_t>(kMaxCityText) ||
        IsSpace(name.front()) || IsSpace(name.back())) {
        return false;
    }
    std::string folder, file;
    if (!SoundProfile(&folder, &file)) return false;
    CityCache cache;
    if (!ReadCache(folder, kCityCacheName, &cache)) return false;

    Profile profile(file);
    Snapshot snapshot;
    if (!OpenSnapshot(profile, cache.schemaVersion, &snapshot)) return false;
    const std::int64_t now = snapshot.now;
    if (now < cache.from || now >= cache.until - kCityHorizon) return false;
    CityRecord city;
    if (!CityFinder(profile, snapshot).find(name, &city)) return false;
    // Only a shipped city keeps its own place's zone; another one's comes from the device's zone
    // table, which this program does not read.
    ShippedZone shipped;
    const ZoneName* zoneName = FindZoneName(cache, city.zoneId);
    std::vector<Period> zone;
    if (!FindShipped(cache, city.name, &shipped) || shipped.zoneId != city.zoneId || !zoneName ||
        !ZoneAt(cache, shipped.zone, &zone)) {
        return false;
    }

    std::u16string rise, set, change;
    if (!RiseSet(cache, zone, city, now, &rise, &set) || !ClockChange(cache, zone, now, &change)) return false;
    const CityTexts& t = cache.texts;
    const std::u16string lines[] = {
        city.name + u", " + city.country,
        t.labels[0] + zoneName->name,
        t.labels[1] + Coordinate(city.latitude, t.north, t.south),
        t.labels[2] + Coordinate(city.longitude, t.east, t.west),
        t.labels[3] + rise,
        t.labels[4] + set,
        t.labels[5] + city.airport,
        t.labels[6] + city.countryCode + u" - " + city.areaCode,
        t.labels[7] + change,
    };
    if (!EndSnapshot(profile)) return false;
    out->clear();
    for (const std::u16string& line : lines) *out += Utf8(line) + '\n';
    return true;
}

}  // namespace cli::quick
