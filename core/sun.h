// Sunrise, sunset, twilight, moonrise and moonset of one local day, and the texts a city
// shows for them. Coordinates are in hundredths of a degree (latitude north positive, longitude
// east positive); biases in minutes with UTC = local time + bias. Times are rounded to the
// minute. Against a full ephemeris (tests/data) the rounded times come within 1 minute for the
// Sun and 1.5 minutes for the Moon up to 60° of latitude; beyond, where the body crosses the
// altitude at a shallow angle and the same angular error costs more time, within 3 and 5
// minutes on the days checked. A body that only grazes the altitude may be found on one side
// and not the other.
#pragma once

#include "astro.h"
#include "wintypes.h"

#include <QString>

class CTimeZone;

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

// The events of the zone's local day of `localDate`, from its midnight to the next in the
// day's own offsets (San Francisco's 1 November 2026 has 25 hours, its moonrise at 11:44 PM in
// the last of them): what the texts below are made of, for callers that want the UTC instants.
RiseSetEvents EventsOfLocalDay(const CTimeZone& zone, int longitude, int latitude, const SYSTEMTIME& localDate,
                               int zenith);

// The texts and the day length of events already found, for callers that also want the
// instants: one search serves all three.
void RiseSetTexts(const CTimeZone& zone, const RiseSetEvents& events, QString& riseText, QString& setText);
QString DaylightHoursText(const RiseSetEvents& events);

// The texts of the rising and setting event in the zone's local time ("6:42 AM", with the
// daylight-time mark when it applies), or "Never rises" / "Never sets". The local day is
// taken with the bias in force at its midnight.
void RiseSetTexts(const CTimeZone& zone, int longitude, int latitude, const SYSTEMTIME& localDate, int zenith,
                  QString& riseText, QString& setText);

// How long the body stands above h0 within the local day, as "12 hr 7 min"; "Always light" or
// "Always dark" when it neither rises nor sets. When it sets before it rises the day has two
// light spans, from midnight to the set and from the rise to midnight; with only one event it
// is the span between that event and the midnight on the light side of it.
QString DaylightHoursText(const CTimeZone& zone, int longitude, int latitude, const SYSTEMTIME& localDate,
                          int zenith);

// The length in hours that DaylightHoursText reports, or a negative value when the body
// neither rises nor sets.
double HoursAbove(const DayEvents& day);

}  // namespace za::astro
