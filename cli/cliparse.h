// The readers and writers of zonaria-cli's dates, instants, numbers and unit systems.
#pragma once

#include "geography.h"
#include "wintypes.h"

#include <QString>

namespace cli {

// The device's current UTC time.
SYSTEMTIME NowUtc();

// "2026-03-08T10:00:00Z"
QString IsoUtc(const SYSTEMTIME& utc);
// "2026-03-08T19:00:00", a local time without zone.
QString IsoLocal(const SYSTEMTIME& local);
// "2026-03-08"
QString IsoDate(const SYSTEMTIME& date);

// Fails, saying that it is outside the supported years, for a year in which the zone
// conversions do not hold (before 1970 or after 2037).
void CheckSupportedYear(const QString& what, const QString& text, int year);

// Readers that fail with a message naming the option and the expected form, or the supported
// years (CheckSupportedYear) for a time outside them.
SYSTEMTIME ParseInstant(const QString& what, const QString& text);     // 2026-03-08T10:00:00Z (seconds optional)
SYSTEMTIME ParseDate(const QString& what, const QString& text);        // 2026-03-08
SYSTEMTIME ParseLocalDateTime(const QString& what, const QString& text);  // 2026-03-08 19:00
double ParseNumber(const QString& what, const QString& text, double min, double max);
int ParseInteger(const QString& what, const QString& text, int min, int max);

// Unit-system names on the command line and in JSON.
QString UnitsName(TUnitSystem units);
TUnitSystem ParseUnits(const QString& text);

}  // namespace cli
