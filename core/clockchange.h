// The next change of a zone's clocks (daylight time starting or ending, or a new standard
// offset), found from the zone's conversions alone: whatever records stand behind a zone, the
// change is where its bias changes. Biases are in minutes, UTC = local time + bias.
#pragma once

#include "wintypes.h"

#include <QString>

class CTimeZone;

namespace za {

struct ClockChange {
    bool found = false;    // false: no change within the horizon searched
    SYSTEMTIME utc{};      // the first second of the new offset
    SYSTEMTIME local{};    // the wall time at that instant by the old offset ("at 02:00")
    int biasBefore = 0;
    int biasAfter = 0;
    // Minutes the clocks move: positive forward (spring), negative back (autumn).
    int Minutes() const { return biasBefore - biasAfter; }
};

// The first change strictly after `afterUtc` and no later than horizonDays after it. The search
// steps one day at a time and then halves the step down to the second, so two changes within
// one day that cancel each other are not seen (no zone of the tz database has such a pair).
ClockChange NextClockChange(const CTimeZone& zone, const SYSTEMTIME& afterUtc, int horizonDays = 400);

// "Clocks go back 1 hour on Sun 25 Oct 2026 at 02:00", "Clocks go forward 30 min on …": the
// date in the user's locale, the time on the 24-hour clock. Empty when nothing was found.
QString ClockChangeText(const ClockChange& change);
// The same from its parts.
QString ClockChangeText(bool forward, const QString& amount, const QString& date, const QString& time);
// The date's pattern in the text, in the user's locale.
inline constexpr char16_t kClockChangeDatePattern[] = u"ddd d MMM yyyy";
// The amount alone: "1 hour", "2 hours", "30 min", "1 hour 30 min".
QString ClockChangeAmountText(int minutes);

// Whether the zone's clocks change within `days` days after `utc` (the mark on a display).
bool ChangesWithinDays(const ClockChange& change, const SYSTEMTIME& utc, int days);

}  // namespace za
