// Geographic positions, distances, speeds and travel times.
//
// A coordinate is a signed integer of hundredths of a degree (decimal fractions, not minutes):
// latitude -9000..9000, north positive; longitude -18000..18000, east positive; 0 counts as
// north and east. Distances are kilometres and speeds km/h inside the system; they are
// converted to the user's units only for input and display. A time span is a double counting
// days (whole days in the integer part).
#pragma once

#include <QString>

// The user's unit system; the values are stored in the "UnitSystem" setting and are the item
// indices of the Preferences list.
enum TUnitSystem {
    usEnglish = 0,   // statute miles, miles per hour
    usMetric = 1,    // kilometres, kilometres per hour
    usNautical = 2,  // nautical miles, knots
};

// Splits a coordinate into whole degrees, minutes (hundredths rounded to the nearest minute,
// halves up, at most 59) and the hemisphere (1 = north or east, including 0).
void ConvertToDMS(int value, int* degrees, int* minutes, int* positive);
// The inverse, truncating the minutes to hundredths: 0° 1' gives 1, so 2 hundredths do not
// come back as 2.
void ConvertFromDMS(int* value, int degrees, int minutes, int positive);

// "37° 45´ N" / "122° 25´ W": degrees and rounded minutes with the hemisphere.
QString FormatLatitude(int value);
QString FormatLongitude(int value);
// The same from its parts, for a latitude or a longitude.
QString FormatDegreesMinutes(int degrees, int minutes, bool positive, bool latitude);

// Distance in kilometres between two positions (longitude first for each point): the length
// of the shortest geodesic on the ellipsoid a = 6378.14 km, f = 1/298.257, by Karney's method
// (GeographicLib, "Algorithms for geodesics", 2013), accurate to well under a millimetre
// everywhere, near antipodal points and the poles included. Identical positions give exactly
// 0. A null km writes nothing.
void GreatCircleDistance(long lon1, long lat1, long lon2, long lat2, double* km);

// Converts a distance, or a speed (the same factors serve both), between unit systems.
// Values outside the enum count as metric.
double ConvertDistance(double value, TUnitSystem from, TUnitSystem to);

// "62 miles", "100 km", "54 nautical miles": kilometres in the given units, rounded.
QString FormatDistance(double km, TUnitSystem units);
// "62 miles/hour", "100 km/hour", "54 knots": a speed in km/h in the given units, rounded.
QString FormatVelocity(double kmPerHour, TUnitSystem units);
// The speed unit alone: "miles/hour", "km/hour" or "knots".
QString VelocityUnits(TUnitSystem units);

// "1 days 12 hours 0 min", "6 hours 0 min", "14 min 24 sec": a span of days, every part taken
// from the span rounded to the second. A span that is not finite or whose day count does not
// fit an int (a travel at a speed of nearly 0) gives an empty text.
QString FormatTimeSpan(double days);
