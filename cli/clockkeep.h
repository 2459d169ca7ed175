// Keeps the clock cache the quick command line answers `clock` from.
#pragma once

#include "city.h"
#include "quick/clockcache.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cli {

// Writes the cache for these five cities (the displays' cities, as found) after the clock was
// shown at utc. Nothing is written for a profile that cannot be written, for a city whose zone
// is not its own place's from the tz database, or for a locale whose texts the quick command
// line does not write exactly as Qt does; the quick one then leaves clock to this one.
void KeepClockCache(const std::vector<CCity>& cities, const SYSTEMTIME& utc);

// What the caches share: the user's formats, whether the quick command line writes dates and
// times with them exactly as FormatDateAndTime does, and a zone's periods from `from` to
// `until`, probed every `step` seconds (no zone changes twice within one) and each change then
// found to the second.
quick::Formats FormatsOfLocale();
bool WritesAsQt(const quick::Formats& formats);
bool PeriodsOf(const CTimeZone& zone, std::int64_t from, std::int64_t until, std::int64_t step,
               std::vector<quick::Period>* periods);
// The cache's bytes written whole in a file of that name beside device.db, or nothing (best
// effort: a profile that cannot be written keeps no cache).
void WriteCache(const char* name, const std::string& bytes);

}  // namespace cli
