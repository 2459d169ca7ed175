// How far a city's clocks stand from the current city's at an instant: the difference of the
// two local times and the calendar day between them.
#pragma once

#include "wintypes.h"

#include <QString>

class CTimeZone;

namespace za {

struct CityOffset {
    int minutes = 0;   // the city's local time minus the reference's, in minutes
    int dayDelta = 0;  // the city's local date minus the reference's: -1, 0 or +1
};

// The offset of `zone` from `reference` at a UTC instant, each by the bias in force then.
CityOffset OffsetBetween(const CTimeZone& reference, const CTimeZone& zone, const SYSTEMTIME& utc);

// "+9 h", "−5 h 30 min" (a true minus sign), "−30 min", "0 h" for the same time.
QString OffsetText(int minutes);
// "yesterday", "tomorrow", or empty on the same date.
QString DayDeltaText(int dayDelta);
// The two together as a display shows them: "+9 h tomorrow", "−8 h", "0 h".
QString OffsetLabel(const CityOffset& offset);

}  // namespace za
