// Making a city the device's current city: the work behind "Set as Current City" and behind
// a new city picked for the selected display, shared by the application and zonaria-cli.
// Asking the user first is the caller's part.
#pragma once

#include "city.h"
#include "wintypes.h"

namespace za {

// Whether making newCity current changes the device's time zone (its zone ID differs from
// that of oldCity, the current city).
bool CurrentCityChangesZone(const CCity& oldCity, const CCity& newCity);

// Makes city's zone the device's zone (on the computer: the city's own tz zone, through the
// time service) and then the city the device's home city (display index 0) or visiting city
// (any other display). With Outlook's city interface the device's UTC time is kept across the
// change; without it the Clock program is closed and its settings rewritten. The result is
// that of the device time-zone change: FALSE, with the reason in
// za::device::LastClockError(), when the device refused, and then nothing was changed.
BOOL ApplyCurrentCity(const CCity& city, int index);

}  // namespace za
