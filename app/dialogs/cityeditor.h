// The one entry point that edits a city of the database or creates a new one: the property
// sheet with the City Info, Time Zone and Location pages.
#pragma once

#include "basepropertysheet.h"
#include "host.h"

#include <memory>

class CCity;

namespace za::app {

class CPageCity;
class CPageTimeZone;
class CPageLocation;

// Runs the sheet on city (isNew: a city that is not in the database yet, whose name can be
// changed). IDOK when the city was saved; city then holds what was saved. A save that the
// database refuses is reported and keeps the sheet open; the database then still holds the
// city as it was. The host tells whether the city is the current one.
int EditCityProperties(QWidget* parent, CCity& city, bool isNew, CHost& host = NoHost());

// The sheet EditCityProperties runs: captioned with the city's name, its pages filled from
// the city, saving into it when OK goes ahead. city must outlive the sheet.
std::unique_ptr<CBasePropertySheet> CreateCitySheet(QWidget* parent, CCity& city, bool isNew, CHost& host = NoHost());
CPageCity* CityPage(const CBasePropertySheet& sheet);
CPageTimeZone* TimeZonePage(const CBasePropertySheet& sheet);
CPageLocation* LocationPage(const CBasePropertySheet& sheet);

}  // namespace za::app
