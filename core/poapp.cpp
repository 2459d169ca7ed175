#include "poapp.h"

#include "city.h"
#include "citylist.h"
#include "registry.h"
#include "stringtable.h"

#include <cstring>
#include <vector>

namespace {

constexpr const char16_t* kProgId = u"PocketOutlook.Application";

// Every failing Outlook call, or a missing object, leaves the operation through this
// exception; the guard around each operation turns it into FALSE.
struct OutlookFailure {
    HRESULT hr;
};

void Check(HRESULT hr) {
    if (hr < 0) throw OutlookFailure{hr};
}

template <typename T>
void CheckPtr(const T& ptr) {
    if (!ptr) throw OutlookFailure{E_FAIL};
}

template <typename Fn>
BOOL Guard(Fn&& fn) {
    try {
        return fn();
    } catch (const OutlookFailure&) {
        return FALSE;
    }
}

// The items of Outlook's cities folder.
za::outlook::ItemsPtr CityItems(za::outlook::IPOutlookApp& app) {
    za::outlook::FolderPtr folder;
    Check(app.GetDefaultFolder(za::outlook::olFolderCities, &folder));
    CheckPtr(folder);
    za::outlook::ItemsPtr items;
    Check(folder->get_Items(&items));
    CheckPtr(items);
    return items;
}

// A new, saved item of the cities folder with all eight fields of the city, set in the order
// the handheld's Outlook expects them.
za::outlook::CityPtr AddCityItem(za::outlook::IPOutlookItemCollection& items, const CCity& city) {
    za::outlook::CityPtr item;
    Check(items.Add(&item));
    CheckPtr(item);
    Check(item->put_Longitude(city.Longitude()));
    Check(item->put_Latitude(city.Latitude()));
    Check(item->put_TimezoneIndex(city.TimeZoneID()));
    Check(item->put_AirportCode(city.AirportCode()));
    Check(item->put_CountryPhoneCode(city.CountryPhoneCode()));
    Check(item->put_AreaCode(city.AreaCode()));
    Check(item->put_Name(city.Name()));
    Check(item->put_Country(city.CountryName()));
    Check(item->Save());
    return item;
}

}  // namespace

CPOApp::CPOApp() : m_bLoggedOn(FALSE), m_bSupportsICity(FALSE) {}

CPOApp::~CPOApp() { Logoff(); }

BOOL CPOApp::Logon() {
    return Guard([this]() -> BOOL {
        if (m_bLoggedOn) return TRUE;
        if (!m_app) {
            za::outlook::AppPtr app;
            if (za::outlook::CreateApplication(QString::fromUtf16(kProgId), &app) < 0 || !app) {
                throw OutlookFailure{E_FAIL};
            }
            m_app = app;
        }
        // There is no main window of ours to hand over at this level. A refused logon releases
        // the object, like every reference taken before a failure, so the next try starts anew.
        const HRESULT hr = m_app->Logon(0);
        if (hr < 0) {
            m_app.reset();
            throw OutlookFailure{hr};
        }
        m_bLoggedOn = TRUE;
        long index = 0;
        m_bSupportsICity = m_app->get_CurrentCityIndex(&index) >= 0;
        return TRUE;
    });
}

BOOL CPOApp::Logoff() {
    return Guard([this]() -> BOOL {
        if (!m_bLoggedOn) return TRUE;
        CheckPtr(m_app);
        Check(m_app->Logoff());
        m_bLoggedOn = FALSE;
        // The city interface is known only while logged on.
        m_bSupportsICity = FALSE;
        m_app.reset();
        return TRUE;
    });
}

BOOL CPOApp::GetTZIFromID(long id, TIME_ZONE_INFORMATION* tzi) {
    if (!tzi) return FALSE;
    std::memset(tzi, 0, sizeof *tzi);
    return Guard([&]() -> BOOL {
        CheckPtr(m_app);
        const HRESULT hr = m_app->GetTimeZoneInformationFromIndex(id, tzi);
        if (hr < 0) {
            std::memset(tzi, 0, sizeof *tzi);
            throw OutlookFailure{hr};
        }
        return TRUE;
    });
}

BOOL CPOApp::GetTZRulesFromID(long id, za::tz::YearlyRulesPtr* rules) {
    if (!rules) return FALSE;
    *rules = nullptr;
    return Guard([&]() -> BOOL {
        CheckPtr(m_app);
        const HRESULT hr = m_app->GetTimeZoneRulesFromIndex(id, rules);
        if (hr < 0 || !*rules) {
            *rules = nullptr;
            throw OutlookFailure{hr < 0 ? hr : E_FAIL};
        }
        return TRUE;
    });
}

BOOL CPOApp::GetHomeCity(QString& name) { return GetCityName(TRUE, name); }

BOOL CPOApp::GetVisitingCity(QString& name) { return GetCityName(FALSE, name); }

BOOL CPOApp::GetCityName(BOOL home, QString& name) {
    if (!m_bSupportsICity) return FALSE;
    return Guard([&]() -> BOOL {
        CheckPtr(m_app);
        za::outlook::CityPtr city;
        Check(home ? m_app->get_HomeCity(&city) : m_app->get_VisitingCity(&city));
        CheckPtr(city);
        Check(city->get_Name(&name));
        return TRUE;
    });
}

BOOL CPOApp::GetCurrentCityAndTZID(QString& name, int* tzID) {
    if (!m_bSupportsICity) return FALSE;
    return Guard([&]() -> BOOL {
        CheckPtr(m_app);
        long index = 0;
        Check(m_app->get_CurrentCityIndex(&index));
        za::outlook::CityPtr city;
        Check(index == 0 ? m_app->get_HomeCity(&city) : m_app->get_VisitingCity(&city));
        CheckPtr(city);
        long zone = 0;
        Check(city->get_Name(&name));
        Check(city->get_TimezoneIndex(&zone));
        if (tzID) *tzID = static_cast<int>(zone);
        return TRUE;
    });
}

BOOL CPOApp::SetTimeZoneCity(const CCity& city, BOOL home) {
    if (!m_bSupportsICity) return FALSE;
    if (!KillClock()) return FALSE;
    return Guard([&]() -> BOOL {
        CheckPtr(m_app);
        const long currentIndex = home ? 0 : 1;
        auto makeCurrent = [&](const za::outlook::CityPtr& item) {
            Check(home ? m_app->put_HomeCity(item) : m_app->put_VisitingCity(item));
            Check(m_app->put_CurrentCityIndex(currentIndex));
        };

        // A device without a visiting (or home) city yet simply gets one: failing here would
        // make the first visiting city impossible to set on a new device.
        za::outlook::CityPtr present;
        Check(home ? m_app->get_HomeCity(&present) : m_app->get_VisitingCity(&present));
        if (present) {
            QString presentName;
            long presentZone = 0;
            Check(present->get_Name(&presentName));
            Check(present->get_TimezoneIndex(&presentZone));
            if (presentName == city.Name() && presentZone == city.TimeZoneID()) {
                Check(m_app->put_CurrentCityIndex(currentIndex));
                return TRUE;
            }
        }

        const za::outlook::ItemsPtr items = CityItems(*m_app);
        // The name in quotes with any quote inside doubled, so the restriction finds exactly
        // that name and never another item.
        const QString name = za::outlook::RestrictionText(city.Name());
        za::outlook::CityPtr item;
        Check(items->Find(za::FormatString(QStringLiteral("[Name] = %s AND [TimezoneIndex] = %d"),
                                           {name, city.TimeZoneID()}),
                          &item));
        if (item) {
            makeCurrent(item);
            return TRUE;
        }
        Check(items->Find(za::FormatString(QStringLiteral("[Name] = %s"), {name}), &item));
        if (item) {
            Check(item->put_TimezoneIndex(city.TimeZoneID()));
            Check(item->Save());
            makeCurrent(item);
            return TRUE;
        }
        item = AddCityItem(*items, city);
        makeCurrent(item);
        return TRUE;
    });
}

BOOL CPOApp::AddHomeCity(const CCity& city) {
    if (!m_bSupportsICity) return FALSE;
    return Guard([&]() -> BOOL {
        CheckPtr(m_app);
        const za::outlook::ItemsPtr items = CityItems(*m_app);
        Check(m_app->put_HomeCity(AddCityItem(*items, city)));
        Check(m_app->put_CurrentCityIndex(0));
        return TRUE;
    });
}

void CPOApp::WriteClockRegistryInfo(const CCity& city, BOOL home) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Microsoft\\Clock"), 0, 0, &key) != ERROR_SUCCESS) {
        return;
    }
    const DWORD daylight = city.TimeZone().IsDaylightTime() ? 1 : 0;
    const DWORD zoneID = static_cast<DWORD>(city.TimeZoneID());
    auto writeDword = [&](const char16_t* name, DWORD value) {
        RegSetValueExW(key, QString::fromUtf16(name), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    };
    if (home) {
        writeDword(u"GMT_OFFSET", static_cast<DWORD>(city.TimeZone().UnadjustedBias()));
        writeDword(u"HomeDST", daylight);
        writeDword(u"TZIndex", zoneID);
    }
    DWORD size = 0;
    DWORD type = 0;
    const QString appInfo = QStringLiteral("AppInfo");
    if (RegQueryValueExW(key, appInfo, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<BYTE> bytes(size);
        DWORD read = size;
        if (RegQueryValueExW(key, appInfo, nullptr, &type, bytes.data(), &read) == ERROR_SUCCESS) {
            const DWORD cityIndex = static_cast<DWORD>(GetCityList().FindIndexOfCity(city.Name()));
            // Words past the end of a short value are not there to write.
            auto setWord = [&](std::size_t word, DWORD value) {
                if ((word + 1) * 4 <= read) std::memcpy(bytes.data() + word * 4, &value, 4);
            };
            if (home) {
                setWord(0, 1);
                setWord(1, cityIndex);
                setWord(2, zoneID);
                setWord(4, daylight);
            } else {
                setWord(0, 0);
                setWord(5, cityIndex);
                setWord(6, zoneID);
                setWord(8, daylight);
            }
            RegSetValueExW(key, appInfo, 0, type, bytes.data(), read);
        }
    }
    RegCloseKey(key);
}

CPOApp& GetPOApp() {
    static CPOApp app;
    if (!app.IsLoggedOn()) app.Logon();
    return app;
}
