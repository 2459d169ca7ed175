#include "moon.h"

#include "astro.h"

namespace za::astro {
namespace {

constexpr double DaysToT(double days) { return days / kDaysPerCentury; }

// The search's durations, in T.
constexpr double kSearchBefore = DaysToT(35.0);
constexpr double kBracketStep = DaysToT(7.0);  // under a quarter of a lunation, so one root per step
constexpr double kSearchPast = DaysToT(14.0);
constexpr double kWindow = DaysToT(10.5);
constexpr double kRootAccuracy = DaysToT(0.5 / 1440.0);
constexpr double kSunLightTime = DaysToT(8.32 / 1440.0);

}  // namespace

double PhaseFunction(double T, int phase) {
    double lonMoon = 0.0, latMoon = 0.0;
    MoonEclipticPosition(T, &lonMoon, &latMoon);
    const double lonSun = SunEclipticLongitude(T - kSunLightTime);
    return Modulo(lonMoon - lonSun - phase * kPi / 2.0 + kPi, kPi2) - kPi;
}

double DeltaT(double T) {
    if (T < -1.75 || T > 0.05) return 0.0;
    const int i = static_cast<int>(std::floor(4.0 * T));
    double t = T - i / 4.0;
    switch (i) {
    case -7: return 10.4 + t * (-80.8 + t * (413.9 - 572.3 * t));
    case -6: return 6.6 + t * (46.3 + t * (-358.4 + 18.8 * t));
    case -5: return -3.9 + t * (-10.8 + t * (-166.2 + 867.4 * t));
    case -4: return -2.6 + t * (114.1 + t * (327.5 - 1467.4 * t));
    case -3: return 24.2 + t * (-6.3 + t * (-8.2 + 483.4 * t));
    case -2: return 29.3 + t * (32.5 + t * (-3.8 + 550.7 * t));
    case -1: return 45.3 + t * (130.5 + t * (-570.5 + 1516.7 * t));
    default:
        // 2000 to 2005 continue the last quarter-century's cubic.
        t += 0.25;
        return 45.3 + t * (130.5 + t * (-570.5 + 1516.7 * t));
    }
}

SYSTEMTIME CalendarFromMjd(double mjd) {
    const long a = static_cast<long>(mjd + 2400001.0);
    long c = 0;
    if (a < 2299161L) {
        c = a + 1524;
    } else {
        const long b = static_cast<long>((a - 1867216.25) / 36524.25);
        c = a + b - b / 4 + 1525;
    }
    const long d = static_cast<long>((c - 122.1) / 365.25);
    const long e = 365 * d + d / 4;
    const long f = static_cast<long>((c - e) / 30.6001);
    const long day = c - e - static_cast<long>(30.6001 * f);
    const long month = f - 1 - 12 * (f / 14);
    const long year = d - 4715 - (7 + month) / 10;

    double hours = 24.0 * (mjd - std::floor(mjd));
    const int hour = static_cast<int>(hours);
    hours = (hours - hour) * 60.0;
    const int minute = static_cast<int>(hours);
    const int second = static_cast<int>(std::floor((hours - minute) * 60.0));

    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    st.wHour = static_cast<WORD>(hour);
    st.wMinute = static_cast<WORD>(minute);
    st.wSecond = static_cast<WORD>(second);
    return st;
}

}  // namespace za::astro

void MoonPhase(const SYSTEMTIME& when, enLunarPhase& lastPhase, SYSTEMTIME& lastTime, enLunarPhase& nextPhase,
               SYSTEMTIME& nextTime) {
    using namespace za::astro;
    const double T =
        CenturiesOf(DayNumber(when.wYear, when.wMonth, when.wDay, when.wHour, when.wMinute, when.wSecond));
    // Start five weeks back and walk forward through the phases in their order, one root per
    // phase and bracket, until both sides of T are found or the walk is two weeks past it.
    double t0 = T - kSearchBefore;
    double t1 = t0 + kBracketStep;
    bool foundLast = false, foundNext = false;
    for (;;) {
        if (t0 > T + kSearchPast) return;
        for (int k = LP_NEW_MOON; k <= LP_LAST_QUARTER; ++k) {
            auto f = [k](double t) { return PhaseFunction(t, k); };
            double d0 = f(t0);
            for (;;) {
                const double d1 = f(t1);
                // An upward crossing; the function also jumps down by 2π half a lunation away.
                if (d0 * d1 <= 0.0 && d1 >= d0) break;
                t0 = t1;
                d0 = d1;
                t1 += kBracketStep;
            }
            const double tp = PegasusRoot(f, t0, t1, kRootAccuracy, nullptr);
            const double mjdUt = tp * kDaysPerCentury + kMjdJ2000 - DeltaT(tp) / 86400.0;
            if (tp < T && T - tp <= kWindow) {
                lastPhase = static_cast<enLunarPhase>(k);
                lastTime = CalendarFromMjd(mjdUt);
                foundLast = true;
            }
            if (!foundNext && tp > T && tp - T <= kWindow) {
                nextPhase = static_cast<enLunarPhase>(k);
                nextTime = CalendarFromMjd(mjdUt);
                foundNext = true;
            }
            t0 = tp;
            t1 = tp + kBracketStep;
            if (foundLast && foundNext) return;
        }
    }
}
