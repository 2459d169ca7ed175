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

// Makes city, on display index, the current city: display index shows it ("City<index>"), is
// the selected display ("CityX") and, when changeZone, the device takes its zone as
// ApplyCurrentCity does. All in one transaction of the device profile, so that a program
// killed halfway leaves the current city and the device zone agreeing, as they were or as
// they are to be. FALSE, with nothing changed, when a write is refused or the device refuses
// the zone; then *zoneRefused says which (the device's reason in za::device::LastClockError()).
BOOL CommitCurrentCity(const CCity& city, int index, bool changeZone, bool* zoneRefused = nullptr);

// Whether the device's zone is that of the current city (the city of the selected display);
// false with what disagrees in *why. A current city missing from the database cannot
// disagree. Unless always, only once a change of the current city has set the device zone:
// a new profile's device zone is the system's until the window adopts it.
bool CurrentCityAgreesWithDeviceZone(QString* why, bool always = false);

}  // namespace za
