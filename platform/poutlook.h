// The stand-in for the handheld's Pocket Outlook object: logon, the current city index, the
// time-zone table by index, home and visiting city, and a cities folder with find, add and
// save. Its zone table is derived from the system's tz database at logon, a record for every
// year from 1970 to 2037; its cities live in device.db. Calls return HRESULTs (negative =
// failure), as the object model does, so that callers can treat every failure alike.
#pragma once

#include "tzyears.h"
#include "wintypes.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace za::outlook {

// Folder number of the cities folder.
constexpr int olFolderCities = 101;

// A city item of the cities folder. Changes are kept in the item until Save. Getters and
// setters work on the item alone (also after Logoff); a null out-pointer gives E_INVALIDARG.
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
    // Hundredths of a degree, east and north positive: longitude -18000..18000, latitude
    // -9000..9000; a value outside gives E_INVALIDARG and leaves the item as it was.
    virtual HRESULT get_Longitude(long* value) = 0;
    virtual HRESULT put_Longitude(long value) = 0;
    virtual HRESULT get_Latitude(long* value) = 0;
    virtual HRESULT put_Latitude(long value) = 0;
    // A time-zone ID of the table (ZoneTable); any other gives E_INVALIDARG. A new item has 0.
    virtual HRESULT get_TimezoneIndex(long* index) = 0;
    virtual HRESULT put_TimezoneIndex(long index) = 0;
    // Writes the item to the store: a new item gets its place at the end of the folder, a saved
    // or found one is updated in place. E_FAIL after Logoff or when the store cannot be written.
    virtual HRESULT Save() = 0;
};
using CityPtr = std::shared_ptr<ICity>;

class IPOutlookItemCollection {
public:
    virtual ~IPOutlookItemCollection() = default;
    // Restrictions of the forms
    //   [Name] = "text"
    //   [Name] = "text" AND [TimezoneIndex] = 35
    // A double quote inside the text is written doubled ("Bar ""Zum Hirschen""", see
    // RestrictionText). Spaces between the parts are free (AND needs one on each side), the
    // property names and AND compare without regard to case, the index is a decimal integer.
    // Names compare exactly (case and all). The first matching item in folder order is given;
    // no match gives S_FALSE and a null item; a restriction that cannot be parsed gives
    // E_INVALIDARG.
    virtual HRESULT Find(const QString& restriction, CityPtr* item) = 0;
    // A new, unsaved item (empty texts, zeros); it joins the folder on Save.
    virtual HRESULT Add(CityPtr* item) = 0;
    virtual HRESULT get_Count(int* count) = 0;
    // 1-based, as the object model counts, in the order the items were first saved;
    // E_INVALIDARG outside 1..count.
    virtual HRESULT Item(int index, CityPtr* item) = 0;
};
using ItemsPtr = std::shared_ptr<IPOutlookItemCollection>;

class IFolder {
public:
    virtual ~IFolder() = default;
    virtual HRESULT get_Items(ItemsPtr* items) = 0;
};
using FolderPtr = std::shared_ptr<IFolder>;

// Before a successful Logon, and after Logoff, every call that needs the zone table or the
// store fails with E_FAIL, and so do the folders, collections and items handed out before
// (they work again after a new Logon). In every failure an out-pointer is left null.
class IPOutlookApp {
public:
    virtual ~IPOutlookApp() = default;
    // Derives the zone table, a record of every year from 1970 to 2037 for each entry, and
    // brings the display names in the registry to the device clock's year (DisplayName).
    // hwnd is not used. E_FAIL when the object refuses logons, the device profile cannot be used
    // or no entry can be derived; a failed Logon leaves the object as it was.
    virtual HRESULT Logon(long hwnd) = 0;
    virtual HRESULT Logoff() = 0;
    // 0 = home city, 1 = visiting city; 0 until one is chosen; put takes only 0 or 1
    // (E_INVALIDARG). Kept in device.db.
    virtual HRESULT get_CurrentCityIndex(long* index) = 0;
    virtual HRESULT put_CurrentCityIndex(long index) = 0;
    // The record of the device clock's year at this call (a year outside 1970..2037 takes the
    // nearest one), so a year that turns while a program runs is seen at the next call; the
    // display names follow at the same call. Fills all 172 bytes; E_INVALIDARG for an index
    // the table does not hold (or whose zone the system's tz database lacks); fails before
    // Logon. On every failure the whole structure is zero-filled (so no stale zone is used by
    // mistake).
    virtual HRESULT GetTimeZoneInformationFromIndex(long index, TIME_ZONE_INFORMATION* tzi) = 0;
    // The zone's records of every year, of which GetTimeZoneInformationFromIndex gives one;
    // failures as there, with a null out-pointer. An object that keeps one record per zone
    // (the handheld's own) gives E_NOTIMPL.
    virtual HRESULT GetTimeZoneRulesFromIndex(long index, za::tz::YearlyRulesPtr* rules) {
        if (rules) *rules = nullptr;
        (void)index;
        return E_NOTIMPL;
    }
    // No such city: S_FALSE with a null item. The item given is the folder's item itself:
    // changes saved to it show in the folder, and the other way round.
    virtual HRESULT get_HomeCity(CityPtr* city) = 0;
    // Takes a saved item of the cities folder; a null, unsaved or unknown item gives
    // E_INVALIDARG. What is kept is the item, not its unsaved changes.
    virtual HRESULT put_HomeCity(const CityPtr& city) = 0;
    virtual HRESULT get_VisitingCity(CityPtr* city) = 0;
    virtual HRESULT put_VisitingCity(const CityPtr& city) = 0;
    // Only olFolderCities; any other folder number gives E_INVALIDARG.
    virtual HRESULT GetDefaultFolder(int folder, FolderPtr* out) = 0;
};
using AppPtr = std::shared_ptr<IPOutlookApp>;

// Creates the application object for a ProgID ("PocketOutlook.Application") or a class id in
// braces ({05058F23-20BE-11D2-8F18-0000F87A4335}), either without regard to case.
// REGDB_E_CLASSNOTREG for anything else.
HRESULT CreateApplication(const QString& progId, AppPtr* app);

// What tests can make of the object, to exercise the callers' failure paths. An object keeps
// the availability in force when it was created.
enum class Availability {
    Present,          // the full object
    Absent,           // creation fails (REGDB_E_CLASSNOTREG)
    RefusesLogon,     // Logon fails with E_FAIL
    // As on handhelds whose Outlook has no cities: get_CurrentCityIndex fails with
    // E_NOINTERFACE, and so do put_CurrentCityIndex, the home and visiting city and the cities
    // folder; zones are still served after Logon.
    NoCityInterface,
};
void SetAvailability(Availability availability);

// Lets tests hand out an object of their own (a zone table with names of their choosing);
// an empty factory restores the real object.
using ApplicationFactory = std::function<HRESULT(AppPtr*)>;
void SetApplicationFactory(ApplicationFactory factory);
Availability GetAvailability();

// The table the object serves, for tools and tests: one entry per time-zone ID, sorted by ID.
// IDs up to 300 are the handheld's; those above were added for rules of today's world that
// none of them gives (data/zones.md says which and how they were found).
struct ZoneEntry {
    int id;
    const char* standardName;  // "Pacific Standard Time"
    const char* daylightName;  // "Pacific Daylight Time"
    const char* label;         // "Pacific Time (US & Canada)"
    const char* tzId;          // representative zone of the tz database
};
const ZoneEntry* ZoneTable(int* count);
// "(GMT-08:00) Pacific Time (US & Canada)", from the entry's standard offset (Bias) in `year`;
// "(GMT) label" for offset 0; empty for an invalid zone.
QString DisplayName(const ZoneEntry& entry, int year);
// The entry's zone information for `year`, names included; false for an invalid zone.
bool ZoneInformation(const ZoneEntry& entry, int year, TIME_ZONE_INFORMATION* tzi);

// The entry with time-zone ID `id`, or null.
const ZoneEntry* FindZoneEntry(int id);

// The whole table derived for `year`, in table order, names included. False when an entry
// cannot be derived (its representative is missing from an older tz database, or the year is
// outside 1900..9998); that entry is left zero-filled, the others are derived all the same.
bool DeriveZoneTable(int year, std::vector<TIME_ZONE_INFORMATION>* out);
// Every entry's records for every year from 1970 to 2037, in table order, names included:
// what Logon serves. False when an entry cannot be derived; that entry is null, the others are
// derived all the same.
bool DeriveZoneRules(std::vector<za::tz::YearlyRulesPtr>* out);
// One entry's records for every year from 1970 to 2037, names included: derived the first time
// a process asks, then kept (a look-up of five cities needs five of the table's entries, not
// all of them). Null when the tz database cannot give the entry's zone.
za::tz::YearlyRulesPtr ZoneRules(const ZoneEntry& entry);
// Writes each entry's display name of `year` under HKLM\SOFTWARE\Microsoft\TimeZones\<id>,
// value "Display", where the registry holds another text (or none). False, with the reason,
// when an entry cannot be derived or a value cannot be written.
bool WriteDisplayNames(int year, QString* error);

// Whether two zone informations give the same rule: equal Bias, StandardBias and DaylightBias,
// and equal DaylightDate and StandardDate in wYear, wMonth, wDayOfWeek, wDay, wHour and
// wMinute. Names are not compared.
bool SameRule(const TIME_ZONE_INFORMATION& a, const TIME_ZONE_INFORMATION& b);

// The entry a zone of the tz database maps to in `year`: the entry whose representative it is;
// else among the entries with the same rule the one whose label names the zone's city ("Rome"
// for Europe/Rome), else the lowest of them; else the entry with the nearest standard offset
// (lowest id on a tie). An id the tz database does not know is taken as UTC. Returns the ID,
// or -1 when nothing can be derived for the year (outside 1900..9998).
int EntryForZone(const QByteArray& tzId, int year);

// How the computer's IANA zone became an entry of the table (MapZone).
enum class ZoneMatch {
    Table,        // the entry's representative zone
    City,         // a city of the city list in that zone names the entry
    SameOffsets,  // no city uses the zone: the entry with its offsets and rules this year and next
    Nearest,      // no entry has its rules: the nearest standard offset
};
struct ZoneMapping {
    int entry = -1;
    ZoneMatch match = ZoneMatch::Nearest;
};
// The entry of the table that stands for a zone of the tz database in `year`, for the device
// zone when the device is the computer. A city's entry is asked of the resolver the city list
// registers (SetCityZoneResolver); among several entries with the same rules the one whose
// label names the zone's city wins, else the lowest. entry -1 when nothing can be derived.
ZoneMapping MapZone(const QByteArray& tzId, int year);
// Words for `check`: "Europe/Berlin (entry 110, its own)".
QString DescribeMapping(const QByteArray& tzId, const ZoneMapping& mapping);
// The city list's entry for a zone of the tz database that one of its cities uses, else -1.
using CityZoneResolver = std::function<int(const QByteArray& tzId)>;
void SetCityZoneResolver(CityZoneResolver resolver);

// The host zone a new profile's device zone is taken from (through EntryForZone) at
// installation: QTimeZone::systemTimeZone() unless a test names another; empty restores it.
void SetHostZoneId(const QByteArray& tzId);
// The zone a new profile's device starts in: the computer's (its time service's) when the
// computer is the device, else the host's (as above).
QByteArray NewDeviceZoneId();

// A quoted text for a Find restriction: in double quotes, a double quote inside doubled
// ("say ""hi""" is the text say "hi").
QString RestrictionText(const QString& text);

}  // namespace za::outlook
