// What `zonaria-cli city NAME` needs beyond the city's record, kept by the complete command
// line for the quick one: the texts of the user's language, the zones of the shipped cities for
// the coming year and weeks, and which zone each shipped city follows. The complete command
// line writes it only where it proved that the quick one writes what it writes
// (../citykeep.cpp).
#pragma once

#include "clockcache.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cli::quick {

// Markers in the texts below, where the numbers and parts go.
inline constexpr char16_t kFirst = u'\x01', kSecond = u'\x02', kThird = u'\x03';

inline constexpr int kCityLabels = 8;  // "Time zone:" … "Clock change:"
inline constexpr int kQuarterHours = 96;

struct CityTexts {
    std::u16string labels[kCityLabels];
    std::u16string neverRises, neverSets, noChange;
    std::u16string north, south, east, west;  // degrees at kFirst, minutes at kSecond
    std::u16string forward, back;             // the amount at kFirst, the date at kSecond, the time at kThird
    std::u16string amounts[kQuarterHours];    // 15 min, 30 min … 24 hours
    std::u16string changeDatePattern;
};

// A shipped city whose record still names its own zone's entry follows that place's zone.
struct ShippedZone {
    std::u16string name;
    std::int32_t zoneId = 0;
    std::uint32_t zone = 0;  // into CityCache::zones
};

struct ZoneName {
    std::int32_t zoneId = 0;
    std::u16string name;
};

struct CityCache : CacheHead {
    CityTexts texts;
    std::int64_t from = 0, until = 0;  // the zones' span, UTC seconds
    std::vector<ZoneName> zoneNames;   // in zoneId order

    // Written: the zones, each covering the span, and the shipped cities in name order (UTF-16
    // units), one per name. Read, they stay in `bytes` and are found there one at a time: a city
    // needs one of each, and reading 3,000 names was most of its work.
    std::vector<std::vector<Period>> zones;
    std::vector<ShippedZone> shipped;
    std::string bytes;
    std::size_t zoneTable = 0, shippedTable = 0;  // where their offsets begin in `bytes`
    std::uint32_t zoneCount = 0, shippedCount = 0;
};

inline constexpr const char* kCityCacheName = "city.cache";
// How far after a moment the city command looks for the next clock change, and a day more.
inline constexpr std::int64_t kCityHorizon = 401 * 86400;

std::string Serialise(const CityCache& cache);
// False for bytes that are not a whole cache of this format.
bool Parse(std::string bytes, CityCache* cache);

// The shipped city of that name, and a zone of a cache that was read; false for none.
bool FindShipped(const CityCache& cache, const std::u16string& name, ShippedZone* city);
bool ZoneAt(const CityCache& cache, std::uint32_t zone, std::vector<Period>* periods);
const ZoneName* FindZoneName(const CityCache& cache, std::int32_t zoneId);

// The text with each marker replaced by its part.
std::u16string Filled(const std::u16string& text, const std::u16string& first, const std::u16string& second = {},
                      const std::u16string& third = {});

}  // namespace cli::quick
