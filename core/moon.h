// The principal phases of the Moon: when the Moon's ecliptic longitude runs ahead of the Sun's
// by 0, 90, 180 or 270 degrees. Times are UTC. With the low-precision lunar series the phases
// come within 8 minutes of a full ephemeris, with a median of about two (1826 to 2099).
#pragma once

#include "wintypes.h"

#include <cmath>

enum enLunarPhase {
    LP_NEW_MOON = 0,
    LP_FIRST_QUARTER = 1,
    LP_FULL_MOON = 2,
    LP_LAST_QUARTER = 3,
};

// The latest principal phase before `when` and the first one after it, each within 10.5 days
// of it (a phase falling on `when` itself is neither). Milliseconds of `when` are ignored; the
// times come back as UTC with the seconds truncated, wDayOfWeek and wMilliseconds 0. An output
// that was not found is left as it was. Keeps no state between calls.
void MoonPhase(const SYSTEMTIME& when, enLunarPhase& lastPhase, SYSTEMTIME& lastTime, enLunarPhase& nextPhase,
               SYSTEMTIME& nextTime);

namespace za::astro {

// The Moon's elongation from the Sun less phase × 90°, in [-π, π): it passes upward through 0
// at the phase. T in Julian centuries; the Sun is taken 8.32 minutes earlier for the light
// time, as it is seen.
double PhaseFunction(double T, int phase);

// ET - UT in seconds for T, from cubics fitted to the observed values of 1825 to 2005; 0
// outside those years.
double DeltaT(double T);

// The calendar date and time of an MJD: Julian calendar before 15 October 1582. Seconds are
// truncated; wDayOfWeek and wMilliseconds are 0.
SYSTEMTIME CalendarFromMjd(double mjd);

// A root of f on [x1, x2] by regula falsi with the Pegasus modification (Dowell and Jarratt
// 1972), which keeps the bracket from stalling at one end. Returns the better end of the last
// bracket, and through *success whether the bracket shrank to eps within 30 steps. Without a
// sign change it takes no step: it returns an end where f is exactly 0 (x1 first), else x1.
template <class F>
double PegasusRoot(F&& f, double x1, double x2, double eps, bool* success) {
    double f1 = f(x1), f2 = f(x2);
    // An exact zero at x2 is the root, not x1: the bracket test of the caller accepts it.
    double root = (f2 == 0.0 && f1 != 0.0) ? x2 : x1;
    bool ok = false;
    if (f1 * f2 < 0.0) {
        for (int i = 0; i < 30 && !ok; ++i) {
            const double x3 = x2 - f2 / ((f2 - f1) / (x2 - x1));
            const double f3 = f(x3);
            if (f3 * f2 <= 0.0) {
                x1 = x2;
                f1 = f2;
            } else {
                f1 = f1 * f2 / (f2 + f3);
            }
            x2 = x3;
            f2 = f3;
            root = std::fabs(f1) < std::fabs(f2) ? x1 : x2;
            ok = std::fabs(x2 - x1) <= eps;
        }
    }
    if (success) *success = ok;
    return root;
}

}  // namespace za::astro
