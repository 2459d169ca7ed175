// The stand-in for the handheld's Pocket Outlook object: logon, the current city index, the
// time-zone table by index, home and visiting city, and a cities folder with find, add and
// save. Its zone table is derived from the system's tz database at logon for the device
// clock's year; its cities live in device.db. Calls return HRESULTs (negative = failure), as
// the object model does, so that callers can treat every failure alike.
#pragma once

#include "wintypes.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace za::outlook {

// Folder number of the cities folder.
constexpr int olFolderCities = 101;

// A city item of the cities folder. Changes are kept in the item until Save.
class ICity {
public:
    virtual ~ICity() = default;
    virtual HRESULT get_Name(QString* name) = 0;
    virtual HRESULT put_Name(const QString& name) = 0;
    virtual HRESULT get_Country(QString* country) = 0;
    virtual HRESULT put_Country(const QString& country) = 0;
    virtual HRESULT get_AirportCode(QString* code) = 0;
    virtual HRESULT put_AirportCode(const QString& code) = 0;
    virtual HRESULT get_CountryPhoneCode(QString* code) = 0;
    virtual HRESULT put_CountryPhoneCode(const QString& code) = 0;
    virtual HRESULT get_AreaCode(QString* code) = 0;
    virtual HRESULT put_AreaCode(const QString& code) = 0;
    // Hundredths of a degree, east and north positive.
    virtual HRESULT get_Longitude(long* value) = 0;
    virtual HRESULT put_Longitude(long value) = 0;
    virtual HRESULT get_Latitude(long* value) = 0;
    virtual HRESULT put_Latitude(long value) = 0;
    virtual HRESULT get_TimezoneIndex(long* index) = 0;
    virtual HRESULT put_TimezoneIndex(long index) = 0;
    // Writes the item to the store (a new item gets its place in the folder).
    virtual HRESULT Save() = 0;
};
using CityPtr = std::shared_ptr<ICity>;

class IPOutlookItemCollection {
public:
    virtual ~IPOutlookItemCollection() = default;
    // Restrictions of the forms
    //   [Name] = "text"
    //   [Name] = "text" AND [TimezoneIndex] = 35
    // Names compare exactly. No match gives S_FALSE and a null item; a restriction that
    // cannot be parsed gives E_INVALIDARG.
    virtual HRESULT Find(const QString& restriction, CityPtr* item) = 0;
    // A new, unsaved item.
    virtual HRESULT Add(CityPtr* item) = 0;
    virtual HRESULT get_Count(int* count) = 0;
    virtual HRESULT Item(int index, CityPtr* item) = 0;  // 1-based, as the object model counts
};
using ItemsPtr = std::shared_ptr<IPOutlookItemCollection>;

class IFolder {
public:
    virtual ~IFolder() = default;
    virtual HRESULT get_Items(ItemsPtr* items) = 0;
};
using FolderPtr = std::shared_ptr<IFolder>;

class IPOutlookApp {
public:
    virtual ~IPOutlookApp() = default;
    // Derives the zone table for the device clock's year.
    virtual HRESULT Logon(long hwnd) = 0;
    virtual HRESULT Logoff() = 0;
    // 0 = home city, 1 = visiting city. Fails when the object has no city interface.
    virtual HRESULT get_CurrentCityIndex(long* index) = 0;
    virtual HRESULT put_CurrentCityIndex(long index) = 0;
    // Fills all 172 bytes; E_INVALIDARG for an index the table does not hold; fails before Logon.
    virtual HRESULT GetTimeZoneInformationFromIndex(long index, TIME_ZONE_INFORMATION* tzi) = 0;
    // No such city: S_FALSE with a null item.
    virtual HRESULT get_HomeCity(CityPtr* city) = 0;
    virtual HRESULT put_HomeCity(const CityPtr& city) = 0;
    virtual HRESULT get_VisitingCity(CityPtr* city) = 0;
    virtual HRESULT put_VisitingCity(const CityPtr& city) = 0;
    virtual HRESULT GetDefaultFolder(int folder, FolderPtr* out) = 0;
};
using AppPtr = std::shared_ptr<IPOutlookApp>;

// Creates the application object for a ProgID ("PocketOutlook.Application") or a class id in
// braces. REGDB_E_CLASSNOTREG for anything else.
HRESULT CreateApplication(const QString& progId, AppPtr* app);

// What tests can make of the object, to exercise the callers' failure paths.
enum class Availability {
    Present,          // the full object
    Absent,           // creation fails (REGDB_E_CLASSNOTREG)
    RefusesLogon,     // Logon fails with E_FAIL
    NoCityInterface,  // get_CurrentCityIndex fails; zones still served
};
void SetAvailability(Availability availability);
Availability GetAvailability();

// The table the object serves, for tools and tests: one entry per time-zone ID.
struct ZoneEntry {
    int id;
    const char* standardName;  // "Pacific Standard Time"
    const char* daylightName;  // "Pacific Daylight Time"
    const char* label;         // "Pacific Time (US & Canada)"
    const char* tzId;          // representative zone of the tz database
};
const ZoneEntry* ZoneTable(int* count);
// "(GMT-08:00) Pacific Time (US & Canada)", from the entry's standard offset in `year`.
QString DisplayName(const ZoneEntry& entry, int year);
// The entry's zone information for `year`, names included; false for an invalid zone.
bool ZoneInformation(const ZoneEntry& entry, int year, TIME_ZONE_INFORMATION* tzi);

// The entry with time-zone ID `id`, or null.
const ZoneEntry* FindZoneEntry(int id);

// The whole table derived for `year`, in table order, names included: what Logon serves.
// False when an entry's representative zone is missing from the tz database.
bool DeriveZoneTable(int year, std::vector<TIME_ZONE_INFORMATION>* out);

// Whether two zone informations give the same rule: equal Bias, StandardBias and DaylightBias,
// and equal DaylightDate and StandardDate in wYear, wMonth, wDayOfWeek, wDay, wHour and
// wMinute. Names are not compared.
bool SameRule(const TIME_ZONE_INFORMATION& a, const TIME_ZONE_INFORMATION& b);

// The entry a zone of the tz database maps to in `year`: the entry whose representative it is;
// else among the entries with the same rule the one whose label names the zone's city ("Rome"
// for Europe/Rome), else the lowest of them; else the entry with the nearest standard offset
// (lowest id on a tie). An id the tz database does not know is taken as UTC. Returns the ID.
int EntryForZone(const QByteArray& tzId, int year);

// The host zone a new profile's device zone is taken from (through EntryForZone) at
// installation: QTimeZone::systemTimeZone() unless a test names another; empty restores it.
void SetHostZoneId(const QByteArray& tzId);

// A quoted text for a Find restriction: in double quotes, a double quote inside doubled
// ("say ""hi""" is the text say "hi").
QString RestrictionText(const QString& text);

}  // namespace za::outlook
