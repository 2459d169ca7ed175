#include "cityeditor.h"

#include "appstrings.h"
#include "city.h"
#include "citylist.h"
#include "errorbox.h"
#include "pagecity.h"
#include "pagelocation.h"
#include "pagetimezone.h"
#include "resource.h"
#include "stringtable.h"

namespace za::app {
namespace {

// Whether the city is the one of the selected display: the device's current city.
bool IsCurrentCity(const CCity& city, const CHost& host) {
    const za::DisplayedCities* displayed = host.Displayed();
    return displayed && displayed->SelectedName() == city.Name();
}

// The pages' fields into a copy of the city, saved whole; the city takes them only when the
// database did.
BOOL SaveFromPages(const CBasePropertySheet& sheet, CCity& city, bool isNew) {
    const CPageCity& info = *CityPage(sheet);
    CCity edited(city);
    if (isNew) edited.SetName(info.CityName());
    edited.SetCountryName(info.CountryName());
    edited.SetAirportCode(info.AirportCode());
    edited.SetAreaCode(info.AreaCode());
    edited.SetCountryPhoneCode(info.CountryPhoneCode());
    edited.SetTimeZoneID(TimeZonePage(sheet)->TimeZoneID());
    edited.SetLatitude(LocationPage(sheet)->Latitude());
    edited.SetLongitude(LocationPage(sheet)->Longitude());
    CCityList& cities = GetCityList();
    if (!cities.SaveCity(edited)) {
        EZError(FormatString(AppString(IDS_SAVE_CITY_FAILED), {edited.Name()}), 0, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    city = edited;
    return TRUE;
}

}  // namespace

std::unique_ptr<CBasePropertySheet> CreateCitySheet(QWidget* parent, CCity& city, bool isNew, CHost& host) {
    auto sheet = std::make_unique<CBasePropertySheet>(city.Name(), parent);
    auto* info = new CPageCity;
    const SYSTEMTIME now = host.Now();
    auto* zone = new CPageTimeZone(now);
    auto* location = new CPageLocation(now);
    sheet->AddPage(info);
    sheet->AddPage(zone);
    sheet->AddPage(location);
    info->Load(city, isNew);
    zone->Load(city.TimeZoneID(), IsCurrentCity(city, host));
    location->Load(city.Longitude(), city.Latitude());
    sheet->SetNewCity(isNew);
    CBasePropertySheet* s = sheet.get();
    QObject::connect(info, &CPageCity::nameChanged, s, &CBasePropertySheet::SetCaption);
    sheet->SetApply([s, &city, isNew] { return SaveFromPages(*s, city, isNew); });
    return sheet;
}

int EditCityProperties(QWidget* parent, CCity& city, bool isNew, CHost& host) {
    const std::unique_ptr<CBasePropertySheet> sheet = CreateCitySheet(parent, city, isNew, host);
    return sheet->DoModal();
}

CPageCity* CityPage(const CBasePropertySheet& sheet) { return static_cast<CPageCity*>(sheet.GetPage(0)); }

CPageTimeZone* TimeZonePage(const CBasePropertySheet& sheet) { return static_cast<CPageTimeZone*>(sheet.GetPage(1)); }

CPageLocation* LocationPage(const CBasePropertySheet& sheet) { return static_cast<CPageLocation*>(sheet.GetPage(2)); }

}  // namespace za::app
