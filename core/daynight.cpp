#include "daynight.h"

#include <cmath>

namespace {

using namespace za::astro;

// Degrees × 100 to the integer the map uses: add a half and truncate toward zero, so -90°
// gives -8999 (the map has always drawn it so).
LONG Hundredths(double radians) { return static_cast<LONG>(kDeg * radians * 100.0 + 0.5); }

}  // namespace

void CalcDarkBoundaries(ZENITH zenith, int year, int month, int day, POINT* points, int* count) {
    const int capacity = *count;
    const double mjd = DayNumber(year, month, day, 0, 0, 0);
    const double theta0 = SiderealTime(mjd);
    double ra = 0.0, dec = 0.0;
    SunPosition(CenturiesOf(mjd), &ra, &dec);
    const double sinH0 = SinH0(zenith);
    const double sinDec = std::sin(dec), cosDec = std::cos(dec);

    // Parallels from pole to pole; their number leaves room for one corner point, so the
    // mirrored outline fits the capacity.
    const double step = kPi / (capacity / 2 - 2);
    int k = 0;
    double phi = -kPi / 2.0;
    do {
        const double q = (sinH0 - std::sin(phi) * sinDec) / (std::cos(phi) * cosDec);
        if (std::fabs(q) < 1.0) {
            // The western crossing: the hour angle acos(q) east of the Sun's meridian, which at
            // 0 h UT lies at longitude α - θ0.
            double lambda = std::acos(q) + ra - theta0;
            if (lambda > kPi) lambda -= kPi2;
            points[k++] = {Hundredths(lambda), Hundredths(phi)};
        } else if (SinAltitude(ZENITH_OFFICIAL, mjd, 0.0, 0.0, std::cos(phi), std::sin(phi)) - sinH0 <= 0.0) {
            // Dark all round (the Sun's altitude, whatever the zenith): the edge runs along the
            // map's western border.
            if (k == 0) points[k++] = {-18000, -9000};
            points[k++] = {-18000, Hundredths(phi)};
            if (phi + step > kPi / 2.0) points[k++] = {-18000, 9000};
        }
        phi += step;
    } while (phi <= kPi / 2.0);

    *count = 2 * k;
    for (int i = 0; i < k; ++i) points[k + i] = {-points[k - 1 - i].x, points[k - 1 - i].y};
}
