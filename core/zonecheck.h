// The check that keeps the current city in the device's zone: after the zone changed from
// outside (the desktop's settings, timedatectl, another process), the current city follows it.
// The window and the Today item share the decision; only the window asks the user for a new
// city when the list has none in the zone.
#pragma once

#include "city.h"
#include "displayedcities.h"

#include <array>

namespace za {

struct ZoneCheck {
    enum Outcome {
        Agrees,         // the current city is in the device's zone: nothing to do
        SelectDisplay,  // another display shows a city of the zone: `display` becomes current
        ReplaceCity,    // `city`, a city of the list in the zone, takes the selected `display`
        NewCity,        // the list has no city in the zone, whose entry is `zoneId`: a new one is needed
        NoZone,         // no entry of the table keeps the device's rules: nothing can agree
    };
    Outcome outcome = Agrees;
    int display = -1;
    CCity city;
    int zoneId = -1;
};

// cities: the five displays' cities; selected: the selected display. Reads the city list, the
// zone table and the current city of the calendar (the hint between cities of one zone).
ZoneCheck CheckDeviceZone(const std::array<const CCity*, kDisplays>& cities, int selected,
                          const TIME_ZONE_INFORMATION& device);

// Carries out what needs no question (SelectDisplay, ReplaceCity) on the displayed cities.
// True when it changed them.
bool ApplyZoneCheck(const ZoneCheck& check);

}  // namespace za
