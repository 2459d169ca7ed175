#include "currentcity.h"

#include "cityinstall.h"
#include "citylist.h"
#include "clock.h"
#include "device.h"
#include "displayedcities.h"
#include "poapp.h"
#include "registry.h"
#include "settings.h"
#include "timeservice.h"
#include "tzderive.h"

#include <QCoreApplication>

namespace za {

bool CurrentCityChangesZone(const CCity& oldCity, const CCity& newCity) {
    return newCity.TimeZone().ID() != oldCity.TimeZone().ID();
}

namespace {

// The city half of a change of the current city, once the device has taken its zone.
void WriteCityOfClock(const CCity& city, int index) {
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
}

BOOL SetDeviceZone(const CCity& city) {
    CTimeZone zone = city.TimeZone();
    return zone.SetSystemTimeZone(ShippedCityZone(city.Name()));
}

}  // namespace

BOOL ApplyCurrentCity(const CCity& city, int index) {
    // The zone first: a device that refuses it (the computer asks for authorisation) leaves
    // the home and visiting cities as they were, so that the current city and the device zone
    // never disagree.
    if (!SetDeviceZone(city)) return FALSE;
    WriteCityOfClock(city, index);
    return TRUE;
}

namespace {

// Set, in the transaction of a change of the current city, once the device zone has been made
// the current city's: from then on the two are to agree. (A new profile's device zone is the
// system's, which the window adopts at its start; before that they may differ.)
const QString kCurrentCityKey = QStringLiteral("\\Software\\Corvantel\\Zonaria\\CurrentCity");
const QString kZoneFollowsValue = QStringLiteral("ZoneFollows");

bool MarkZoneFollows() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kCurrentCityKey, 0, QString(), 0, 0, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const DWORD one = 1;
    const bool ok = RegSetValueExW(key, kZoneFollowsValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one),
                                   sizeof one) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

bool ZoneFollows() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kCurrentCityKey, 0, 0, &key) != ERROR_SUCCESS) return false;
    DWORD value = 0;
    DWORD size = sizeof value;
    const bool set = RegQueryValueExW(key, kZoneFollowsValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                                      &size) == ERROR_SUCCESS &&
                     value != 0;
    RegCloseKey(key);
    return set;
}

}  // namespace

BOOL CommitCurrentCity(const CCity& city, int index, bool changeZone, bool* zoneRefused) {
    if (zoneRefused) *zoneRefused = false;
    if (index < 0 || index >= kDisplays) return FALSE;
    CRegistry& reg = GetReg();
    const auto shows = static_cast<CRegistry::ValueName>(CRegistry::City0 + index);
    // The computer's zone is not in the profile, and its time service may ask the user for
    // authorisation: it is changed before the transaction rather than with the profile's write
    // lock held all that while. Should the transaction then fail, the window's zone check finds
    // the disagreement and offers a city of the new zone.
    const bool computerZone = changeZone && za::device::Kind() == za::device::DeviceKind::Computer;
    if (computerZone && !SetDeviceZone(city)) {
        if (zoneRefused) *zoneRefused = true;
        return FALSE;
    }
    const bool ok = za::device::Transaction([&](za::sql::Database&) {
        if (changeZone) {
            if (!computerZone && !SetDeviceZone(city)) {
                if (zoneRefused) *zoneRefused = true;
                return false;
            }
            WriteCityOfClock(city, index);
            if (!MarkZoneFollows()) return false;
        }
        reg.WriteStringValue(shows, city.Name());
        if (reg.LastWriteResult() != ERROR_SUCCESS) return false;
        reg.WriteDWORDValue(CRegistry::CityX, static_cast<DWORD>(index));
        return reg.LastWriteResult() == ERROR_SUCCESS;
    });
    return ok ? TRUE : FALSE;
}

bool CurrentCityAgreesWithDeviceZone(QString* why, bool always) {
    if (!always && !ZoneFollows()) return true;
    CRegistry& reg = GetReg();
    const DWORD selected = reg.GetDWORDValue(CRegistry::CityX);
    if (selected >= static_cast<DWORD>(kDisplays)) {
        if (why) *why = QCoreApplication::translate("za::CurrentCity", "the selected display (%1) is not one of the five").arg(selected);
        return false;
    }
    const QString name = reg.GetStringValue(static_cast<CRegistry::ValueName>(CRegistry::City0 + selected));
    CCity city;
    CCityList& list = GetCityList();
    const bool found = list.Open() && list.LoadCity(name, city);
    list.Close();
    if (!found) return true;
    TIME_ZONE_INFORMATION device{};
    GetTimeZoneInformation(&device);
    if (city.TimeZone().IsSameTZ(&device)) return true;
    if (why) {
        *why = QCoreApplication::translate("za::CurrentCity", "the current city %1 (display %2) is not in the device's time zone (%3)")
                   .arg(name, QString::number(selected), za::tz::StandardName(device));
    }
    return false;
}

}  // namespace za
