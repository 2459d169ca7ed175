#include "subpoint.h"

#include "astro.h"
#include "stringtable.h"
#include "worldstrings.h"

#include <cmath>

namespace za::astro {
namespace {

double Mjd(const SYSTEMTIME& utc) {
    return DayNumber(utc.wYear, utc.wMonth, utc.wDay, utc.wHour, utc.wMinute, utc.wSecond + utc.wMilliseconds / 1000.0);
}

// The point under a body of right ascension ra and declination dec at Greenwich sidereal
// time theta: its longitude is the body's hour angle at Greenwich, negated.
SubPoint Under(double ra, double dec, double theta) {
    double lambda = Modulo(ra - theta + kPi, kPi2) - kPi;
    return {kDeg * dec, kDeg * lambda};
}

}  // namespace

SubPoint SubsolarPoint(const SYSTEMTIME& utc) {
    const double mjd = Mjd(utc);
    double ra = 0.0, dec = 0.0;
    SunPosition(CenturiesOf(mjd), &ra, &dec);
    return Under(ra, dec, SiderealTime(mjd));
}

MoonOverhead SublunarPoint(const SYSTEMTIME& utc) {
    const double mjd = Mjd(utc);
    const double T = CenturiesOf(mjd);
    double ra = 0.0, dec = 0.0;
    MoonPosition(T, &ra, &dec);
    MoonOverhead moon;
    moon.point = Under(ra, dec, SiderealTime(mjd));
    // The phase from the elongation in ecliptic longitude; the Moon's latitude (at most 5°)
    // changes the lit fraction by well under a percent.
    double lon = 0.0, lat = 0.0;
    MoonEclipticPosition(T, &lon, &lat);
    const double elongation = Modulo(lon - SunEclipticLongitude(T), kPi2);
    moon.illuminated = 0.5 * (1.0 - std::cos(elongation) * std::cos(lat));
    moon.waxing = elongation < kPi;
    return moon;
}

QString SubPointText(const SubPoint& point) {
    const int lat = static_cast<int>(std::lround(point.latitude));
    int lon = static_cast<int>(std::lround(point.longitude));
    if (lon == -180) lon = 180;
    const QString latText = FormatString(WorldString(lat < 0 ? IDS_DEGREES_S : IDS_DEGREES_N), {std::abs(lat)});
    const QString lonText = FormatString(WorldString(lon < 0 ? IDS_DEGREES_W : IDS_DEGREES_E), {std::abs(lon)});
    return latText + QStringLiteral(", ") + lonText;
}

QString SunOverheadText(const SubPoint& point) {
    return FormatString(WorldString(IDS_SUN_OVERHEAD), {SubPointText(point)});
}

QString MoonOverheadText(const SubPoint& point) {
    return FormatString(WorldString(IDS_MOON_OVERHEAD), {SubPointText(point)});
}

}  // namespace za::astro
