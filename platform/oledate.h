// OLE Automation dates: a double counting days since 30 December 1899, the fraction being the
// time of day. Before that day the whole part is negative and the fraction still counts
// forward from the start of the day (-1.25 is 29 December 1899, 06:00). Valid from
// 1 January 100 to 31 December 9999.
#pragma once

#include "wintypes.h"

#include <cstdint>

using DATE = double;

// Milliseconds are ignored. Fails for months outside 1..12, days outside 1..31, hours, minutes
// or seconds out of range, and years outside 100..9999. A day beyond the month's end rolls into
// the next month (31 April is 1 May), as the handheld does.
BOOL SystemTimeToVariantTime(const SYSTEMTIME* st, DATE* out);
// Rounds to the nearest whole second; wMilliseconds is 0 and wDayOfWeek is recomputed.
// Fails outside the valid range.
BOOL VariantTimeToSystemTime(DATE date, SYSTEMTIME* st);

namespace za {

// A span in days built from its parts; negative parts subtract.
double DateSpan(long days, int hours, int minutes, int seconds);

// Adds a span to a date as the framework's date-time value does: through the linear time line,
// so that adding across 30 December 1899 works.
DATE AddSpan(DATE date, double spanDays);
// date2 - date1 in days along the linear time line.
double SpanBetween(DATE date1, DATE date2);

// Whole seconds since 1970-01-01 00:00 of a calendar time (no zone); false when out of range.
bool SystemTimeToSeconds(const SYSTEMTIME& st, std::int64_t* seconds);
// The calendar time of whole seconds since 1970; wDayOfWeek set, milliseconds 0.
// False outside years 1..9999.
bool SecondsToSystemTime(std::int64_t seconds, SYSTEMTIME* st);

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(std::int64_t days, int* year, int* month, int* day);
// 0 = Sunday.
int WeekdayFromDays(std::int64_t days);
int DaysInMonth(int year, int month);

}  // namespace za
