#include "riseset.h"

#include "astro.h"
#include "oledate.h"

#include <cmath>

namespace za::astro {
namespace {

// Rounds an event to the minute. The guard keeps a later conversion to whole seconds from
// landing on hh:mm-1:59 through the binary fraction of a minute.
double RoundToMinute(double hour) { return std::floor(hour * 60.0 + 0.5) / 60.0 + 0.00001; }

// The UTC instant `hours` after a local midnight whose bias is `bias`.
SYSTEMTIME InstantAfter(const SYSTEMTIME& midnight, double hours, int bias) {
    SYSTEMTIME out{};
    DATE start = 0;
    if (!SystemTimeToVariantTime(&midnight, &start)) return out;
    VariantTimeToSystemTime(AddSpan(start, hours / 24.0 + bias / 1440.0), &out);
    return out;
}

}  // namespace

SYSTEMTIME LocalMidnight(const SYSTEMTIME& date) {
    SYSTEMTIME midnight = date;
    midnight.wHour = midnight.wMinute = midnight.wSecond = midnight.wMilliseconds = 0;
    return midnight;
}

DayEvents SearchDay(int zenith, double mjd0, double lambda, double phi, double hours) {
    const double sinH0 = SinH0(zenith);
    const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    DayEvents ev;
    ev.hours = hours;
    // A crossing in the day: a root past its end is the next day's.
    auto inDay = [hours](double t) { return t <= hours; };

    double yMinus = SinAltitude(zenith, mjd0, 0.0, lambda, cosPhi, sinPhi) - sinH0;
    ev.above = yMinus > 0.0;

    // Two-hour steps, each fitting a parabola through three hourly altitudes: 25 evaluations
    // cover the day and still catch a body that rises and sets within one step.
    for (int hour = 1; hour - 1 < hours && !(ev.rises && ev.sets); hour += 2) {
        const double y0 = SinAltitude(zenith, mjd0, hour, lambda, cosPhi, sinPhi) - sinH0;
        const double yPlus = SinAltitude(zenith, mjd0, hour + 1.0, lambda, cosPhi, sinPhi) - sinH0;
        const QuadFit q = FitQuadratic(yMinus, y0, yPlus);
        if (q.roots == 1) {
            if (inDay(hour + q.r1)) {
                if (yMinus < 0.0) {
                    ev.rise = hour + q.r1;
                    ev.rises = true;
                } else {
                    ev.set = hour + q.r1;
                    ev.sets = true;
                }
            }
        } else if (q.roots == 2) {
            // Both crossings within the step: which comes first follows from whether the
            // parabola dips (a minimum below h0) or peaks.
            const double rise = hour + (q.ye < 0.0 ? q.r2 : q.r1);
            const double set = hour + (q.ye < 0.0 ? q.r1 : q.r2);
            if (inDay(rise)) {
                ev.rise = rise;
                ev.rises = true;
            }
            if (inDay(set)) {
                ev.set = set;
                ev.sets = true;
            }
        }
        yMinus = yPlus;
    }
    return ev;
}

RiseSetEvents FindRiseSet(const SYSTEMTIME& localDate, int bias, int longitude, int latitude, int zenith,
                          double hours) {
    const SYSTEMTIME midnight = LocalMidnight(localDate);
    // Real divisions throughout: a zone of 5 h 45 min or a longitude of 85.32° must not be cut
    // to whole units.
    const double zone = -bias / 60.0;
    const double lambda = kRad * (longitude / 100.0);
    const double phi = kRad * (latitude / 100.0);
    const double mjd0 = DayNumber(midnight.wYear, midnight.wMonth, midnight.wDay, 0, 0, 0) - zone / 24.0;

    RiseSetEvents out;
    out.day = SearchDay(zenith, mjd0, lambda, phi, hours);
    if (out.day.rises) {
        out.day.rise = RoundToMinute(out.day.rise);
        out.rise = InstantAfter(midnight, out.day.rise, bias);
    }
    if (out.day.sets) {
        out.day.set = RoundToMinute(out.day.set);
        out.set = InstantAfter(midnight, out.day.set, bias);
    }
    return out;
}

double HoursAbove(const DayEvents& day) {
    if (day.rises && day.sets) {
        // A set before the rise (Reykjavik in June: set 00:04, rise 02:55) leaves the day light
        // but for the interval between them.
        const double span = day.set - day.rise;
        return span >= 0.0 ? span : day.hours + span;
    }
    if (day.rises) return day.hours - day.rise;  // up from the rise until midnight
    if (day.sets) return day.set;           // up from midnight until the set
    return -1.0;
}

}  // namespace za::astro
