// Evaluation of a TIME_ZONE_INFORMATION at an instant, in whole seconds since 1970 (UTC).
// Shared by the device clock and the core library's zone rules.
#pragma once

#include "wintypes.h"

#include <cstdint>

namespace za::tz {

// The UTC instant at which a transition date takes effect in year `year`.
// A yearly rule (wYear = 0: month, weekday, occurrence 1..5 with 5 = last, local wall-clock
// hour and minute) is placed in `year` and shifted by offsetMinutes (UTC = wall + offset).
// An absolute date (wYear != 0) is that instant itself, without offset.
// Returns false when the date has no instant: month outside 1..12, weekday above 6,
// occurrence outside 1..5, a time of day outside [0, 24 h), or an invalid absolute date.
bool TransitionInstant(const SYSTEMTIME& date, int year, int offsetMinutes, std::int64_t* utc);

// Whether daylight time is in force at utc: from the start instant on, until just before the
// end instant (which is standard time again). A zone without daylight time
// (StandardDate.wMonth = 0), or whose transitions have no instant, is never in daylight time.
bool IsDaylightAt(const TIME_ZONE_INFORMATION& tzi, std::int64_t utc);

// Bias + DaylightBias in daylight time, else Bias + StandardBias (minutes, UTC = local + bias).
int BiasAt(const TIME_ZONE_INFORMATION& tzi, std::int64_t utc);

}  // namespace za::tz
