// Astronomical groundwork shared by the rise/set search, the day/night boundary and the moon
// phases: day numbers, sidereal time, low-precision positions of the Sun and the Moon and the
// altitude test. Angles are radians unless a name says otherwise. Time is universal time
// throughout; the series are evaluated with T taken straight from it (no ΔT), which costs the
// Moon about half an arc-minute and the Sun nothing visible.
//
// The series are the short ones of Montenbruck and Pfleger, "Astronomy on the Personal
// Computer" (MiniSun, MiniMoon): the Sun to about 1' and the Moon to a few arc-minutes, enough
// for rise and set times to within a minute at moderate latitudes.
#pragma once

#include <cmath>

// What a rise/set search looks for: the body, and the altitude h0 its centre must cross.
// Values 1 to 4 are those of the "Twilight" setting.
enum ZENITH {
    ZENITH_MOON = 0,          // the Moon at +8' (geocentric; allows for parallax and refraction)
    ZENITH_OFFICIAL = 1,      // the Sun at -50' (refraction and semi-diameter)
    ZENITH_CIVIL = 2,         // the Sun at -6 degrees
    ZENITH_NAUTICAL = 3,      // the Sun at -12 degrees
    ZENITH_ASTRONOMICAL = 4,  // the Sun at -18 degrees
};

namespace za::astro {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kPi2 = 2.0 * kPi;
inline constexpr double kRad = kPi / 180.0;
inline constexpr double kDeg = 180.0 / kPi;
inline constexpr double kArcs = 3600.0 * 180.0 / kPi;  // arc-seconds per radian

// Days from 1858-11-17 00:00 to 2000-01-01 12:00 (J2000), and days in a Julian century.
inline constexpr double kMjdJ2000 = 51544.5;
inline constexpr double kDaysPerCentury = 36525.0;

inline double Frac(double x) { return x - std::floor(x); }
// y * Frac(x / y): x moved into [0, y) for positive y.
inline double Modulo(double x, double y) { return y * Frac(x / y); }

// Julian centuries since J2000 of a modified Julian day.
inline double CenturiesOf(double mjd) { return (mjd - kMjdJ2000) / kDaysPerCentury; }

// sin h0 of a ZENITH value; an out-of-range value reads as official sunrise.
double SinH0(int zenith);

// Modified Julian day of a calendar date and time: Julian calendar up to 4 October 1582,
// Gregorian from then on. A negative hour, minute or second makes the whole time of day count
// backwards from midnight.
double DayNumber(int year, int month, int day, int hour, int minute, double second);

// Greenwich mean sidereal time, radians in [0, 2π).
double SiderealTime(double mjd);

// The Sun's ecliptic longitude for T, radians in [0, 2π).
double SunEclipticLongitude(double T);
// The Sun's right ascension (0 … 2π) and declination for T.
void SunPosition(double T, double* ra, double* dec);

// The Moon's ecliptic longitude (0 … 2π) and latitude for T.
void MoonEclipticPosition(double T, double* lon, double* lat);
// The Moon's right ascension (0 … 2π) and declination for T.
void MoonPosition(double T, double* ra, double* dec);

// Rotates ecliptic longitude and latitude (radius 1) to right ascension (0 … 2π) and
// declination with the obliquity of J2000.
void EclipticToEquatorial(double lon, double lat, double* ra, double* dec);

// Sine of the altitude of the Sun (any zenith but ZENITH_MOON) or the Moon at `hour` hours
// after mjd0, seen from east longitude lambda with the given cosine and sine of the latitude.
double SinAltitude(int zenith, double mjd0, double hour, double lambda, double cosPhi, double sinPhi);

// A parabola through (-1, yMinus), (0, y0), (+1, yPlus): its extremum (xe, ye) and the roots
// within [-1, 1]. With one root it is r1; with two, r1 < r2.
struct QuadFit {
    double xe;
    double ye;
    double r1;
    double r2;
    int roots;
};
QuadFit FitQuadratic(double yMinus, double y0, double yPlus);

}  // namespace za::astro
