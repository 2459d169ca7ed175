// Derivation of a TIME_ZONE_INFORMATION from a zone of the system's tz database for one year.
#pragma once

#include "wintypes.h"

#include <QString>
#include <QTimeZone>

namespace za::tz {

// Fills Bias, StandardBias, DaylightBias, StandardDate and DaylightDate of tzi for `year`;
// the names are left as they are. Of the offsets in force during the year the smaller is
// standard time and the larger daylight time (so zones whose tz data call winter time
// "daylight", like Dublin, come out the usual way round). The transitions become yearly rules
// (month, weekday, occurrence 1..5 with 5 = last, local wall clock) when one rule gives both
// this year's and next year's transition; otherwise both are the year's absolute UTC instants.
// A zone without transitions in the year gets StandardDate.wMonth = 0.
// Returns false for an invalid zone or a year outside 1900..9998.
bool DeriveFromZone(const QTimeZone& zone, int year, TIME_ZONE_INFORMATION* tzi);

// Copies the names into the fixed 32-character fields (at most 31 characters and a NUL).
void SetNames(TIME_ZONE_INFORMATION* tzi, const QString& standardName, const QString& daylightName);
QString StandardName(const TIME_ZONE_INFORMATION& tzi);
QString DaylightName(const TIME_ZONE_INFORMATION& tzi);

}  // namespace za::tz
