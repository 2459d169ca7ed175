#include "currentcity.h"

#include "clock.h"
#include "poapp.h"

namespace za {

bool CurrentCityChangesZone(const CCity& oldCity, const CCity& newCity) {
    return newCity.TimeZone().ID() != oldCity.TimeZone().ID();
}

BOOL ApplyCurrentCity(const CCity& city, int index) {
    const BOOL home = index == 0 ? TRUE : FALSE;
    CPOApp& app = GetPOApp();
    if (app.SupportsICity()) {
        // Outlook's city change may move the clock; the UTC time must stay what it was.
        SYSTEMTIME utc{};
        GetSystemTime(&utc);
        app.SetTimeZoneCity(city, home);
        SetSystemTime(&utc);
    } else {
        KillClock();
        CPOApp::WriteClockRegistryInfo(city, home);
    }
    CTimeZone zone = city.TimeZone();
    return zone.SetSystemTimeZone();
}

}  // namespace za
