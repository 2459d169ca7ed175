// The search of one local day for the crossings of a body's altitude, and its events as UTC
// instants: the arithmetic under the sun's and moon's texts, without the zones and texts (the
// quick command line uses it too). Coordinates are in hundredths of a degree (latitude north
// positive, longitude east positive); biases in minutes with UTC = local time + bias.
#pragma once

#include "wintypes.h"

namespace za::astro {

// What the search of one local day found. Hours count from the local midnight the search
// started at, 0 … the length of the day; a kind that did not happen keeps 0.
struct DayEvents {
    bool rises = false;
    bool sets = false;
    bool above = false;  // the body stood above h0 at the local midnight
    double rise = 0.0;
    double set = 0.0;
    double hours = 24.0;  // the length of the local day: 23 or 25 when the clocks change
};

// The date at 00:00:00.000.
SYSTEMTIME LocalMidnight(const SYSTEMTIME& date);

// Searches the `hours` from mjd0 (the UTC instant of a local midnight, as an MJD) to the next
// local midnight for the crossings of the zenith's altitude, with a parabola through the
// altitude every hour. When a kind happens twice the later one is kept, unless both kinds have
// been found by then. A crossing after the day's end belongs to the next day and is left out.
DayEvents SearchDay(int zenith, double mjd0, double lambda, double phi, double hours = 24.0);

// The events of a local day, with each hour rounded to the minute (plus a guard of 0.036 s so
// that a conversion to whole seconds cannot fall back to the minute before) and as UTC
// instants to the whole second (wDayOfWeek set, milliseconds 0).
struct RiseSetEvents {
    DayEvents day;  // hours rounded and guarded
    SYSTEMTIME rise{};
    SYSTEMTIME set{};
};

// The events on the local date of `localDate` (its time of day is ignored) at a place whose
// zone has `bias` minutes at its midnight and whose day lasts `hours` (23 or 25 on the days the
// clocks change). A bias that is not whole hours (India, Nepal, Newfoundland) shifts the day by
// exactly that much.
RiseSetEvents FindRiseSet(const SYSTEMTIME& localDate, int bias, int longitude, int latitude, int zenith,
                          double hours = 24.0);

// The length in hours that DaylightHoursText reports, or a negative value when the body
// neither rises nor sets.
double HoursAbove(const DayEvents& day);

}  // namespace za::astro
