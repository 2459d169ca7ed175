#include "zonecheck.h"

#include "citylist.h"
#include "poapp.h"
#include "tzlist.h"

namespace za {

ZoneCheck CheckDeviceZone(const std::array<const CCity*, kDisplays>& cities, int selected,
                          const TIME_ZONE_INFORMATION& device) {
    ZoneCheck check;
    if (selected < 0 || selected >= kDisplays) selected = 0;
    if (cities[static_cast<size_t>(selected)]->TimeZone().IsSameTZ(&device)) return check;
    for (int i = 0; i < kDisplays; ++i) {
        if (i != selected && cities[static_cast<size_t>(i)]->TimeZone().IsSameTZ(&device)) {
            check.outcome = ZoneCheck::SelectDisplay;
            check.display = i;
            return check;
        }
    }
    // Between cities of one zone, the calendar's current city (the one last made current here
    // or by the desktop) is the likelier.
    QString calendarCity;
    int calendarZone = -1;
    const BOOL fromCalendar = GetPOApp().GetCurrentCityAndTZID(calendarCity, &calendarZone);
    BOOL sameRule = FALSE;
    const int id = GetTZList().GetNearestTimeZoneID(&device, &sameRule, fromCalendar ? calendarZone : -1);
    check.display = selected;
    check.zoneId = id;
    if (GetCityList().FindCityWithSameTZ(id, check.city, fromCalendar ? &calendarCity : nullptr)) {
        check.outcome = ZoneCheck::ReplaceCity;
        return check;
    }
    check.outcome = sameRule ? ZoneCheck::NewCity : ZoneCheck::NoZone;
    return check;
}

bool ApplyZoneCheck(const ZoneCheck& check) {
    DisplayedCities displayed = DisplayedCities::Read();
    switch (check.outcome) {
    case ZoneCheck::SelectDisplay:
        return displayed.Selected() != check.display && displayed.SetSelected(check.display);
    case ZoneCheck::ReplaceCity:
        return displayed.Name(check.display) != check.city.Name() && displayed.SetName(check.display, check.city.Name());
    default:
        return false;
    }
}

}  // namespace za
