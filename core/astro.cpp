#include "astro.h"

#include <array>
#include <cstdlib>

namespace za::astro {
namespace {

// Obliquity of the ecliptic at J2000; its drift over centuries is far below the series' error.
constexpr double kObliquity = 23.43929111 * kRad;

struct Vec3 {
    double x, y, z;
};

Vec3 FromPolar(double phi, double theta, double r) {
    const double rc = r * std::cos(theta);
    return {rc * std::cos(phi), rc * std::sin(phi), r * std::sin(theta)};
}

// Angles of a vector: phi in [0, 2π) and theta in [-π/2, π/2]; 0 where undefined.
void ToPolar(const Vec3& v, double* phi, double* theta) {
    const double rhoSqr = v.x * v.x + v.y * v.y;
    const double rho = std::sqrt(rhoSqr);
    *phi = (v.x == 0.0 && v.y == 0.0) ? 0.0 : std::atan2(v.y, v.x);
    if (*phi < 0.0) *phi += kPi2;
    *theta = (v.z == 0.0 && rho == 0.0) ? 0.0 : std::atan2(v.z, rho);
}

}  // namespace

double SinH0(int zenith) {
    static const std::array<double, 5> table = [] {
        return std::array<double, 5>{std::sin(kRad * 8.0 / 60.0), std::sin(kRad * -50.0 / 60.0), std::sin(kRad * -6.0),
                                     std::sin(kRad * -12.0), std::sin(kRad * -18.0)};
    }();
    return table[(zenith >= 0 && zenith <= 4) ? zenith : ZENITH_OFFICIAL];
}

double DayNumber(int year, int month, int day, int hour, int minute, double second) {
    if (month <= 2) {
        month += 12;
        --year;
    }
    // The calendar reform: the day after Thursday 4 October 1582 was Friday 15 October.
    const int b = (10000L * year + 100L * month + day <= 15821004L) ? (year + 4716) / 4 - 1181
                                                                     : year / 400 - year / 100 + year / 4;
    const double midnight =
        365.0 * year - 679004.0 + b + static_cast<int>(30.6001 * (month + 1)) + day;
    const double sign = (hour < 0 || minute < 0 || second < 0) ? -1.0 : 1.0;
    const double fraction = sign * (std::abs(hour) + std::abs(minute) / 60.0 + std::fabs(second) / 3600.0) / 24.0;
    return midnight + fraction;
}

double SiderealTime(double mjd) {
    const double mjd0 = std::floor(mjd);
    const double ut = 86400.0 * (mjd - mjd0);
    const double t0 = CenturiesOf(mjd0);
    const double t = CenturiesOf(mjd);
    // IAU 1982 mean sidereal time, in seconds.
    const double gmst = 24110.54841 + 8640184.812866 * t0 + 1.0027379093 * ut + (0.093104 - 0.0000062 * t) * t * t;
    return (kPi2 / 86400.0) * Modulo(gmst, 86400.0);
}

double SunEclipticLongitude(double T) {
    const double m = kPi2 * Frac(0.993133 + 99.997361 * T);
    return kPi2 * Frac(0.7859453 + m / kPi2 + (6893.0 * std::sin(m) + 72.0 * std::sin(2.0 * m) + 6191.2 * T) / 1296000.0);
}

void EclipticToEquatorial(double lon, double lat, double* ra, double* dec) {
    const Vec3 e = FromPolar(lon, lat, 1.0);
    const double c = std::cos(kObliquity), s = std::sin(kObliquity);
    ToPolar({e.x, c * e.y - s * e.z, s * e.y + c * e.z}, ra, dec);
}

void SunPosition(double T, double* ra, double* dec) { EclipticToEquatorial(SunEclipticLongitude(T), 0.0, ra, dec); }

void MoonEclipticPosition(double T, double* lon, double* lat) {
    const double l0 = Frac(0.606433 + 1336.855225 * T);       // mean longitude, revolutions
    const double l = kPi2 * Frac(0.374897 + 1325.552410 * T);  // Moon's mean anomaly
    const double ls = kPi2 * Frac(0.993133 + 99.997361 * T);   // Sun's mean anomaly
    const double d = kPi2 * Frac(0.827361 + 1236.853086 * T);  // mean elongation
    const double f = kPi2 * Frac(0.259086 + 1342.227825 * T);  // distance from the ascending node

    // Perturbations of the longitude, arc-seconds.
    const double dL = 22640.0 * std::sin(l) - 4586.0 * std::sin(l - 2.0 * d) + 2370.0 * std::sin(2.0 * d) +
                      769.0 * std::sin(2.0 * l) - 668.0 * std::sin(ls) - 412.0 * std::sin(2.0 * f) -
                      212.0 * std::sin(2.0 * l - 2.0 * d) - 206.0 * std::sin(l + ls - 2.0 * d) +
                      192.0 * std::sin(l + 2.0 * d) - 165.0 * std::sin(ls - 2.0 * d) - 125.0 * std::sin(d) -
                      110.0 * std::sin(l + ls) + 148.0 * std::sin(l - ls) - 55.0 * std::sin(2.0 * f - 2.0 * d);

    const double s = f + (dL + 412.0 * std::sin(2.0 * f) + 541.0 * std::sin(ls)) / kArcs;
    const double h = f - 2.0 * d;
    const double n = -526.0 * std::sin(h) + 44.0 * std::sin(l + h) - 31.0 * std::sin(h - l) - 23.0 * std::sin(ls + h) +
                     11.0 * std::sin(h - ls) - 25.0 * std::sin(f - 2.0 * l) + 21.0 * std::sin(f - l);

    *lon = kPi2 * Frac(l0 + dL / 1296000.0);
    *lat = (18520.0 * std::sin(s) + n) / kArcs;
}

void MoonPosition(double T, double* ra, double* dec) {
    double lon = 0.0, lat = 0.0;
    MoonEclipticPosition(T, &lon, &lat);
    EclipticToEquatorial(lon, lat, ra, dec);
}

double SinAltitude(int zenith, double mjd0, double hour, double lambda, double cosPhi, double sinPhi) {
    const double mjd = mjd0 + hour / 24.0;
    const double T = CenturiesOf(mjd);
    double ra = 0.0, dec = 0.0;
    if (zenith != ZENITH_MOON) {
        SunPosition(T, &ra, &dec);
    } else {
        MoonPosition(T, &ra, &dec);
    }
    const double tau = SiderealTime(mjd) + lambda - ra;
    return sinPhi * std::sin(dec) + cosPhi * std::cos(dec) * std::cos(tau);
}

QuadFit FitQuadratic(double yMinus, double y0, double yPlus) {
    QuadFit q{};
    const double a = 0.5 * (yPlus + yMinus) - y0;
    const double b = 0.5 * (yPlus - yMinus);
    const double c = y0;
    q.xe = -b / (2.0 * a);
    q.ye = (a * q.xe + b) * q.xe + c;
    const double dis = b * b - 4.0 * a * c;
    q.roots = 0;
    if (dis >= 0.0) {
        const double dx = 0.5 * std::sqrt(dis) / std::fabs(a);
        q.r1 = q.xe - dx;
        q.r2 = q.xe + dx;
        if (std::fabs(q.r1) <= 1.0) ++q.roots;
        if (std::fabs(q.r2) <= 1.0) ++q.roots;
        if (q.r1 < -1.0) q.r1 = q.r2;
    }
    return q;
}

}  // namespace za::astro
