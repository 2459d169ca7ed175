// The points of the Earth where the Sun and the Moon stand overhead at an instant, from the same
// low-precision series and sidereal time that shade the map's night (core/astro.h): the Sun
// within about 0.02°, the Moon within about 0.1° of a full ephemeris (tests/data/subpoints.txt).
// Latitudes are the bodies' geocentric declinations.
#pragma once

#include "wintypes.h"

#include <QString>

namespace za::astro {

// Degrees: latitude -90 … 90 north positive, longitude [-180, 180) east positive.
struct SubPoint {
    double latitude = 0.0;
    double longitude = 0.0;
};

struct MoonOverhead {
    SubPoint point;
    double illuminated = 0.0;  // the lit fraction of the disc, 0 (new) … 1 (full)
    bool waxing = true;        // the lit part grows (the Moon less than 180° east of the Sun)
};

// Instants are UTC.
SubPoint SubsolarPoint(const SYSTEMTIME& utc);
MoonOverhead SublunarPoint(const SYSTEMTIME& utc);

// "12° S, 110° E": whole degrees, rounded; 0° reads N and E, ±180° reads E.
QString SubPointText(const SubPoint& point);
// "Sun overhead: 12° S, 110° E" and "Moon overhead: 5° N, 30° W".
QString SunOverheadText(const SubPoint& point);
QString MoonOverheadText(const SubPoint& point);

}  // namespace za::astro
