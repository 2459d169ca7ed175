// The arithmetic behind the Distance Calculator and the Time Calculator, kept apart from the
// dialogs so that every front end (the dialogs, zonaria-cli) computes the same results.
#pragma once

#include "city.h"
#include "geography.h"
#include "wintypes.h"

#include <QString>

namespace za::calc {

// ---- Distance Calculator ----

// The "UnitSystem" setting; a value outside the enum reads as metric, as the conversions do.
TUnitSystem UnitSystemSetting();

// One position of the travel-mode slider: a whole number of knots and the mode's name.
struct TravelMode {
    int knots = 0;
    QString name;
};

constexpr int kTravelModeCount = 12;
// The slider position the dialog starts at (Commercial Jet).
constexpr int kInitialTravelMode = 9;
// The speed field accepts values in 0 ... kMaxSpeed, in the user's units.
constexpr double kMaxSpeed = 1000000.0;

// The modes in slider order (not sorted by speed). A mode outside 0 ... 11 gives false.
bool GetTravelMode(int mode, TravelMode* out);
// Parses one mode string, "<knots>~<name>": the leading digits before the first "~" (anything
// else reads as 0) and the text after it.
TravelMode ParseTravelModeString(const QString& text);

// The dialog's starting speed: 500 km/h in the user's units, rounded down.
double InitialSpeed(TUnitSystem units);
// The speed a slider position sets: the mode's knots in the user's units, rounded down. A
// position outside the table gives 0.
double TravelModeSpeed(int mode, TUnitSystem units);
// Whether a typed speed (in the user's units) is accepted.
bool IsValidSpeed(double speed);
// The text that replaces the mode name when a speed is typed: "500 km/hour".
QString TypedSpeedText(double speed, TUnitSystem units);

struct DistanceResult {
    double km = 0.0;
    double days = 0.0;     // travel time; infinite at a speed of 0
    QString distanceText;  // FormatDistance
    QString timeText;      // FormatTimeSpan; empty when there is no finite time
    QString unitText;      // VelocityUnits
};

// The dialog's recalculation: the great-circle distance between two positions (hundredths of
// a degree) and the time to cover it at `speed` in the user's units.
DistanceResult RecalculateDistance(int fromLongitude, int fromLatitude, int toLongitude, int toLatitude,
                                   double speed, TUnitSystem units);
DistanceResult RecalculateDistance(const CCity& from, const CCity& to, double speed, TUnitSystem units);

// When a travel of `days` that leaves at `departureUtc` arrives, to the nearest second. False
// when the time is not finite (a speed of 0) or the arrival lies beyond the calendar's range.
bool ArrivalTime(const SYSTEMTIME& departureUtc, double days, SYSTEMTIME* arrivalUtc);
// That arrival as the destination's local date and time, "3/8/26 11:42 PM" (with the daylight
// mark of that instant); empty when there is no arrival time.
QString ArrivalLocalText(const CCity& to, const SYSTEMTIME& departureUtc, double days);

// ---- Time Calculator ----

// The picked local reference instant: the date part of `date` with the time of day of `time`.
SYSTEMTIME CombineDateAndTime(const SYSTEMTIME& date, const SYSTEMTIME& time);
// The reference city's local date and time converted to UTC with its zone: a time its clocks
// skip is the time after the gap, a repeated one its first occurrence; *note, when given,
// receives the sentence that says so (empty for a time that occurs once).
SYSTEMTIME ReferenceTimeToUtc(const CCity& reference, const SYSTEMTIME& date, const SYSTEMTIME& time,
                              QString* note = nullptr);
// Where the dialog starts: the city's local time at `utcNow` on the hour (minutes, seconds and
// milliseconds 0).
SYSTEMTIME InitialReferenceTime(const CCity& reference, const SYSTEMTIME& utcNow);

}  // namespace za::calc
