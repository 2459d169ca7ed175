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
#include "riseset.h"
#include "wintypes.h"

#include <QString>

class CTimeZone;

namespace za::astro {

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

}  // namespace za::astro
