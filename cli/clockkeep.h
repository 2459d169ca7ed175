// Keeps the clock cache the quick command line answers `clock` from.
#pragma once

#include "city.h"

#include <vector>

namespace cli {

// Writes the cache for these five cities (the displays' cities, as found) after the clock was
// shown at utc. Nothing is written for a profile that cannot be written, for a city whose zone
// is not its own place's from the tz database, or for a locale whose texts the quick command
// line does not write exactly as Qt does; the quick one then leaves clock to this one.
void KeepClockCache(const std::vector<CCity>& cities, const SYSTEMTIME& utc);

}  // namespace cli
