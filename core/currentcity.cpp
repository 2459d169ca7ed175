#include "currentcity.h"

#include "cityinstall.h"
#include "clock.h"
#include "poapp.h"
#include "timeservice.h"

namespace za {

bool CurrentCityChangesZone(const CCity& oldCity, const CCity& newCity) {
    return newCity.TimeZone().ID() != oldCity.TimeZone().ID();
}

BOOL ApplyCurrentCity(const CCity& city, int index) {
    // The zone first: a device that refuses it (the computer asks for authorisation) leaves
    // the home and visiting cities as they were, so that the current city and the device zone
    // never disagree.
    CTimeZone zone = city.TimeZone();
    if (!zone.SetSystemTimeZone(ShippedCityZone(city.Name()))) return FALSE;
    const BOOL home = index == 0 ? TRUE : FALSE;
    CPOApp& app = GetPOApp();
    if (app.SupportsICity()) {
        // Outlook's city change may move the private device's clock; its UTC time must stay what
        // it was. The computer's clock is never moved by it.
        const bool computer = device::Kind() == device::DeviceKind::Computer;
        SYSTEMTIME utc{};
        GetSystemTime(&utc);
        app.SetTimeZoneCity(city, home);
        if (!computer) SetSystemTime(&utc);
    } else {
        KillClock();
        CPOApp::WriteClockRegistryInfo(city, home);
    }
    return TRUE;
}

}  // namespace za
