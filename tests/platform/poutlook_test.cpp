// The Outlook stand-in's application object: logon and the zone table it serves, the seam
// that makes it absent or partial, and the cities kept in device.db.
#include "clock.h"
#include "device.h"
#include "poutlook.h"
#include "profile.h"
#include "registry.h"
#include "tzderive.h"

#include <QDir>

#include <cstring>

#include <gtest/gtest.h>

using za::outlook::AppPtr;
using za::outlook::Availability;
using za::outlook::CityPtr;
using za::outlook::FolderPtr;
using za::outlook::ItemsPtr;
using za::test::FixedHostClock;
using za::test::UtcMs;

namespace {

struct CityFields {
    QString name, country, airport, phone, area;
    long longitude, latitude, zone;
};

void Fill(const CityPtr& city, const CityFields& f) {
    ASSERT_EQ(S_OK, city->put_Name(f.name));
    ASSERT_EQ(S_OK, city->put_Country(f.country));
    ASSERT_EQ(S_OK, city->put_AirportCode(f.airport));
    ASSERT_EQ(S_OK, city->put_CountryPhoneCode(f.phone));
    ASSERT_EQ(S_OK, city->put_AreaCode(f.area));
    ASSERT_EQ(S_OK, city->put_Longitude(f.longitude));
    ASSERT_EQ(S_OK, city->put_Latitude(f.latitude));
    ASSERT_EQ(S_OK, city->put_TimezoneIndex(f.zone));
}

CityFields Read(const CityPtr& city) {
    CityFields f{};
    EXPECT_EQ(S_OK, city->get_Name(&f.name));
    EXPECT_EQ(S_OK, city->get_Country(&f.country));
    EXPECT_EQ(S_OK, city->get_AirportCode(&f.airport));
    EXPECT_EQ(S_OK, city->get_CountryPhoneCode(&f.phone));
    EXPECT_EQ(S_OK, city->get_AreaCode(&f.area));
    EXPECT_EQ(S_OK, city->get_Longitude(&f.longitude));
    EXPECT_EQ(S_OK, city->get_Latitude(&f.latitude));
    EXPECT_EQ(S_OK, city->get_TimezoneIndex(&f.zone));
    return f;
}

void ExpectFields(const CityFields& want, const CityFields& got) {
    EXPECT_EQ(want.name, got.name);
    EXPECT_EQ(want.country, got.country);
    EXPECT_EQ(want.airport, got.airport);
    EXPECT_EQ(want.phone, got.phone);
    EXPECT_EQ(want.area, got.area);
    EXPECT_EQ(want.longitude, got.longitude);
    EXPECT_EQ(want.latitude, got.latitude);
    EXPECT_EQ(want.zone, got.zone);
}

const CityFields kParis{QStringLiteral("Paris"), QStringLiteral("France"), QStringLiteral("CDG"), QStringLiteral("33"),
                        QStringLiteral("1"), 235, 4886, 105};
const CityFields kParisTexas{QStringLiteral("Paris"), QStringLiteral("United States"), QStringLiteral("PRX"),
                             QStringLiteral("1"), QStringLiteral("903"), -9555, 3366, 20};
const CityFields kZurich{QStringLiteral("Zürich"), QStringLiteral("Schweiz"), QStringLiteral("ZRH"), QStringLiteral("41"),
                         QStringLiteral("44"), 854, 4737, 110};
const CityFields kAuckland{QStringLiteral("Auckland"), QStringLiteral("New Zealand"), QStringLiteral("AKL"),
                           QStringLiteral("64"), QStringLiteral("9"), 17476, -3685, 290};

// The display name the registry holds for a zone, without its NUL.
QString Display(int id) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\SOFTWARE\\Microsoft\\TimeZones\\%1").arg(id), 0, 0,
                      &key) != ERROR_SUCCESS) {
        return QStringLiteral("<no key>");
    }
    char16_t data[128] = {};
    DWORD type = 0, bytes = sizeof data;
    const LONG rc = RegQueryValueExW(key, QStringLiteral("Display"), nullptr, &type, reinterpret_cast<BYTE*>(data), &bytes);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS ? QString::fromUtf16(data) : QStringLiteral("<no value>");
}

bool IsZero(const TIME_ZONE_INFORMATION& tzi) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&tzi);
    for (size_t i = 0; i < sizeof tzi; ++i) {
        if (bytes[i] != 0) return false;
    }
    return true;
}

}  // namespace

class Outlook : public za::test::ProfileTest {
protected:
    void SetUp() override { za::outlook::SetAvailability(Availability::Present); }
    void TearDown() override { za::outlook::SetAvailability(Availability::Present); }

    static AppPtr Create() {
        AppPtr app;
        EXPECT_EQ(S_OK, za::outlook::CreateApplication(QStringLiteral("PocketOutlook.Application"), &app));
        return app;
    }
    static AppPtr LoggedOn() {
        AppPtr app = Create();
        EXPECT_EQ(S_OK, app->Logon(0));
        return app;
    }
    static ItemsPtr Cities(const AppPtr& app) {
        FolderPtr folder;
        EXPECT_EQ(S_OK, app->GetDefaultFolder(za::outlook::olFolderCities, &folder));
        ItemsPtr items;
        if (folder) {
            EXPECT_EQ(S_OK, folder->get_Items(&items));
        }
        return items;
    }
    static CityPtr AddSaved(const ItemsPtr& items, const CityFields& fields) {
        CityPtr city;
        EXPECT_EQ(S_OK, items->Add(&city));
        Fill(city, fields);
        EXPECT_EQ(S_OK, city->Save());
        return city;
    }
};

TEST_F(Outlook, CreationAnswersOnlyToItsNames) {
    const struct {
        const char* name;
        HRESULT hr;
    } rows[] = {
        {"PocketOutlook.Application", S_OK},
        {"pocketoutlook.application", S_OK},
        {"{05058F23-20BE-11D2-8F18-0000F87A4335}", S_OK},
        {"{05058f23-20be-11d2-8f18-0000f87a4335}", S_OK},
        {"05058F23-20BE-11D2-8F18-0000F87A4335", REGDB_E_CLASSNOTREG},
        {"Outlook.Application", REGDB_E_CLASSNOTREG},
        {"", REGDB_E_CLASSNOTREG},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        AppPtr app;
        EXPECT_EQ(r.hr, za::outlook::CreateApplication(QString::fromLatin1(r.name), &app));
        EXPECT_EQ(r.hr == S_OK, app != nullptr);
    }
}

TEST_F(Outlook, LogonDerivesTheTableForTheDeviceClocksYear) {
    FixedHostClock host(UtcMs(2026, 7, 1, 12, 0, 0));
    AppPtr app = Create();
    TIME_ZONE_INFORMATION tzi;
    std::memset(&tzi, 0xAB, sizeof tzi);
    EXPECT_EQ(E_FAIL, app->GetTimeZoneInformationFromIndex(4, &tzi)) << "before Logon";
    EXPECT_TRUE(IsZero(tzi));

    ASSERT_EQ(S_OK, app->Logon(0));
    TIME_ZONE_INFORMATION expected{};
    ASSERT_TRUE(za::outlook::ZoneInformation(*za::outlook::FindZoneEntry(4), 2026, &expected));
    ASSERT_EQ(S_OK, app->GetTimeZoneInformationFromIndex(4, &tzi));
    EXPECT_EQ(0, std::memcmp(&expected, &tzi, sizeof tzi));
    EXPECT_EQ(QStringLiteral("Pacific Standard Time"), za::tz::StandardName(tzi));
    EXPECT_EQ(QStringLiteral("Pacific Daylight Time"), za::tz::DaylightName(tzi));
    EXPECT_EQ(480, tzi.Bias);
    EXPECT_EQ(-60, tzi.DaylightBias);
    ASSERT_EQ(S_OK, app->GetTimeZoneInformationFromIndex(305, &tzi));
    EXPECT_EQ(480, tzi.Bias) << "British Columbia in 2026";

    ASSERT_EQ(S_OK, app->Logoff());
    std::memset(&tzi, 0xAB, sizeof tzi);
    EXPECT_EQ(E_FAIL, app->GetTimeZoneInformationFromIndex(4, &tzi)) << "after Logoff";
    EXPECT_TRUE(IsZero(tzi));

    // The device's clock, not the host's, gives the year.
    SYSTEMTIME later = za::test::MakeTime(2027, 2, 1, 0, 0, 0);
    ASSERT_TRUE(SetSystemTime(&later));
    ASSERT_EQ(S_OK, app->Logon(0));
    ASSERT_EQ(S_OK, app->GetTimeZoneInformationFromIndex(305, &tzi));
    EXPECT_EQ(420, tzi.Bias) << "British Columbia in 2027";
    EXPECT_EQ(0, tzi.StandardDate.wMonth);
}

// The year turning while a program runs: the next call gives the new year's record, and the
// display names follow it, without a new Logon.
TEST_F(Outlook, AYearThatTurnsWhileLoggedOnGivesItsRecordAndDisplayNames) {
    FixedHostClock host(UtcMs(2026, 12, 31, 23, 0, 0));
    AppPtr app = LoggedOn();
    TIME_ZONE_INFORMATION tzi{};
    ASSERT_EQ(S_OK, app->GetTimeZoneInformationFromIndex(305, &tzi));
    EXPECT_EQ(480, tzi.Bias);
    EXPECT_EQ(QStringLiteral("(GMT-08:00) British Columbia"), Display(305));

    host.Set(UtcMs(2027, 1, 1, 1, 0, 0));
    ASSERT_EQ(S_OK, app->GetTimeZoneInformationFromIndex(305, &tzi));
    EXPECT_EQ(420, tzi.Bias);
    EXPECT_EQ(0, tzi.StandardDate.wMonth);
    const struct {
        int id;
        const char* display;
    } names[] = {
        {305, "(GMT-07:00) British Columbia"},
        {306, "(GMT-06:00) Alberta, Northwest Territories"},
        {308, "(GMT-05:00) Manitoba"},
        {4, "(GMT-08:00) Pacific Time (US & Canada)"},
    };
    for (const auto& n : names) EXPECT_EQ(QString::fromUtf8(n.display), Display(n.id)) << n.id;

    // The records of every year come with the entry; the one served is the device year's.
    za::tz::YearlyRulesPtr rules;
    ASSERT_EQ(S_OK, app->GetTimeZoneRulesFromIndex(305, &rules));
    ASSERT_TRUE(rules);
    EXPECT_EQ(0, std::memcmp(&rules->ForYear(2027), &tzi, sizeof tzi));
    EXPECT_EQ(480, rules->ForYear(2025).Bias);
    za::tz::YearlyRulesPtr none;
    EXPECT_EQ(E_INVALIDARG, app->GetTimeZoneRulesFromIndex(5, &none));
    EXPECT_EQ(nullptr, none);

    // A device clock beyond the years the records cover takes the last year's record.
    host.Set(UtcMs(2045, 6, 1, 0, 0, 0));
    ASSERT_EQ(S_OK, app->GetTimeZoneInformationFromIndex(305, &tzi));
    EXPECT_EQ(0, std::memcmp(&rules->ForYear(2037), &tzi, sizeof tzi));

    // Back in 2026, a new Logon brings the names back to that year.
    ASSERT_EQ(S_OK, app->Logoff());
    host.Set(UtcMs(2026, 6, 1, 0, 0, 0));
    ASSERT_EQ(S_OK, app->Logon(0));
    EXPECT_EQ(QStringLiteral("(GMT-08:00) British Columbia"), Display(305));
    ASSERT_EQ(S_OK, app->Logoff());
    EXPECT_EQ(E_FAIL, app->GetTimeZoneRulesFromIndex(305, &none)) << "after Logoff";
}

TEST_F(Outlook, IndexesTheTableDoesNotHoldAreInvalid) {
    AppPtr app = LoggedOn();
    for (long index : {-1L, 5L, 299L, 320L, 100000L}) {
        SCOPED_TRACE(index);
        TIME_ZONE_INFORMATION tzi;
        std::memset(&tzi, 0xAB, sizeof tzi);
        EXPECT_EQ(E_INVALIDARG, app->GetTimeZoneInformationFromIndex(index, &tzi));
        EXPECT_TRUE(IsZero(tzi)) << "an unknown index leaves a zero-filled structure";
    }
    EXPECT_EQ(E_INVALIDARG, app->GetTimeZoneInformationFromIndex(4, nullptr));
    TIME_ZONE_INFORMATION tzi{};
    EXPECT_EQ(S_OK, app->GetTimeZoneInformationFromIndex(319, &tzi));
    EXPECT_EQ(-840, tzi.Bias);
}

TEST_F(Outlook, AvailabilityModes) {
    AppPtr app;
    {
        SCOPED_TRACE("Absent");
        za::outlook::SetAvailability(Availability::Absent);
        EXPECT_EQ(Availability::Absent, za::outlook::GetAvailability());
        EXPECT_EQ(REGDB_E_CLASSNOTREG, za::outlook::CreateApplication(QStringLiteral("PocketOutlook.Application"), &app));
        EXPECT_EQ(nullptr, app);
    }
    {
        SCOPED_TRACE("RefusesLogon");
        za::outlook::SetAvailability(Availability::RefusesLogon);
        app = Create();
        ASSERT_NE(nullptr, app);
        EXPECT_EQ(E_FAIL, app->Logon(0));
        TIME_ZONE_INFORMATION tzi{};
        EXPECT_EQ(E_FAIL, app->GetTimeZoneInformationFromIndex(35, &tzi));
        long index = -1;
        EXPECT_EQ(E_FAIL, app->get_CurrentCityIndex(&index));
    }
    {
        SCOPED_TRACE("NoCityInterface");
        za::outlook::SetAvailability(Availability::NoCityInterface);
        app = Create();
        ASSERT_EQ(S_OK, app->Logon(0));
        long index = -1;
        EXPECT_EQ(E_NOINTERFACE, app->get_CurrentCityIndex(&index));
        EXPECT_EQ(E_NOINTERFACE, app->put_CurrentCityIndex(1));
        CityPtr city;
        EXPECT_EQ(E_NOINTERFACE, app->get_HomeCity(&city));
        EXPECT_EQ(E_NOINTERFACE, app->get_VisitingCity(&city));
        FolderPtr folder;
        EXPECT_EQ(E_NOINTERFACE, app->GetDefaultFolder(za::outlook::olFolderCities, &folder));
        EXPECT_EQ(nullptr, folder);
        TIME_ZONE_INFORMATION tzi{};
        EXPECT_EQ(S_OK, app->GetTimeZoneInformationFromIndex(35, &tzi));
        EXPECT_EQ(QStringLiteral("Eastern Standard Time"), za::tz::StandardName(tzi));
    }
    {
        SCOPED_TRACE("an object keeps the availability it was created with");
        za::outlook::SetAvailability(Availability::Present);
        app = Create();
        za::outlook::SetAvailability(Availability::RefusesLogon);
        EXPECT_EQ(S_OK, app->Logon(0));
        long index = -1;
        EXPECT_EQ(S_OK, app->get_CurrentCityIndex(&index));
        EXPECT_EQ(0, index);
    }
}

TEST_F(Outlook, CallsNeedingTheStoreFailBeforeLogon) {
    AppPtr app = Create();
    long index = -1;
    EXPECT_EQ(E_FAIL, app->get_CurrentCityIndex(&index));
    EXPECT_EQ(E_FAIL, app->put_CurrentCityIndex(1));
    CityPtr city;
    EXPECT_EQ(E_FAIL, app->get_HomeCity(&city));
    FolderPtr folder;
    EXPECT_EQ(E_FAIL, app->GetDefaultFolder(za::outlook::olFolderCities, &folder));
    EXPECT_EQ(nullptr, folder);
    ASSERT_EQ(S_OK, app->Logon(0));
    EXPECT_EQ(E_INVALIDARG, app->GetDefaultFolder(9, &folder)) << "only the cities folder";
}

TEST_F(Outlook, UnusableProfileRefusesLogon) {
    QDir().mkpath(profile.dbPath());  // a folder where device.db should be
    AppPtr app = Create();
    EXPECT_EQ(E_FAIL, app->Logon(0));
}

TEST_F(Outlook, CurrentCityIndexSurvivesAReset) {
    {
        AppPtr app = LoggedOn();
        long index = -1;
        ASSERT_EQ(S_OK, app->get_CurrentCityIndex(&index));
        EXPECT_EQ(0, index) << "the home city until one is chosen";
        EXPECT_EQ(S_OK, app->put_CurrentCityIndex(1));
        EXPECT_EQ(E_INVALIDARG, app->put_CurrentCityIndex(2));
        EXPECT_EQ(E_INVALIDARG, app->put_CurrentCityIndex(-1));
    }
    za::device::Reset();
    AppPtr app = LoggedOn();
    long index = -1;
    ASSERT_EQ(S_OK, app->get_CurrentCityIndex(&index));
    EXPECT_EQ(1, index);
}

TEST_F(Outlook, HomeAndVisitingCitySurviveAReset) {
    {
        AppPtr app = LoggedOn();
        CityPtr none;
        EXPECT_EQ(S_FALSE, app->get_HomeCity(&none));
        EXPECT_EQ(nullptr, none);
        EXPECT_EQ(S_FALSE, app->get_VisitingCity(&none));
        EXPECT_EQ(nullptr, none);

        ItemsPtr items = Cities(app);
        ASSERT_NE(nullptr, items);
        CityPtr unsaved;
        ASSERT_EQ(S_OK, items->Add(&unsaved));
        Fill(unsaved, kZurich);
        EXPECT_EQ(E_INVALIDARG, app->put_HomeCity(unsaved)) << "an unsaved item";
        EXPECT_EQ(E_INVALIDARG, app->put_HomeCity(nullptr));
        EXPECT_EQ(S_FALSE, app->get_HomeCity(&none)) << "a refused item leaves no home city";

        CityPtr paris = AddSaved(items, kParis);
        CityPtr auckland = AddSaved(items, kAuckland);
        EXPECT_EQ(S_OK, app->put_HomeCity(paris));
        EXPECT_EQ(S_OK, app->put_VisitingCity(auckland));
    }
    za::device::Reset();
    AppPtr app = LoggedOn();
    CityPtr home, visiting;
    ASSERT_EQ(S_OK, app->get_HomeCity(&home));
    ASSERT_NE(nullptr, home);
    ExpectFields(kParis, Read(home));
    ASSERT_EQ(S_OK, app->get_VisitingCity(&visiting));
    ASSERT_NE(nullptr, visiting);
    ExpectFields(kAuckland, Read(visiting));

    // The home city is the folder's item: a change saved to it is what the folder holds.
    ASSERT_EQ(S_OK, home->put_AreaCode(QStringLiteral("01")));
    ASSERT_EQ(S_OK, home->Save());
    ItemsPtr items = Cities(app);
    int count = 0;
    ASSERT_EQ(S_OK, items->get_Count(&count));
    EXPECT_EQ(2, count);
    CityPtr found;
    ASSERT_EQ(S_OK, items->Find(QStringLiteral("[Name] = \"Paris\""), &found));
    QString area;
    EXPECT_EQ(S_OK, found->get_AreaCode(&area));
    EXPECT_EQ(QStringLiteral("01"), area);
}

TEST_F(Outlook, AddSaveAndFindKeepEveryField) {
    AppPtr app = LoggedOn();
    ItemsPtr items = Cities(app);
    ASSERT_NE(nullptr, items);
    CityPtr city;
    ASSERT_EQ(S_OK, items->Add(&city));
    // A new item: empty texts and zeros.
    ExpectFields(CityFields{{}, {}, {}, {}, {}, 0, 0, 0}, Read(city));
    int count = -1;
    ASSERT_EQ(S_OK, items->get_Count(&count));
    EXPECT_EQ(0, count) << "an added item joins the folder only when saved";

    Fill(city, kZurich);
    ASSERT_EQ(S_OK, city->Save());
    AddSaved(items, kAuckland);
    ASSERT_EQ(S_OK, items->get_Count(&count));
    EXPECT_EQ(2, count);

    CityPtr found;
    ASSERT_EQ(S_OK, items->Find(QStringLiteral("[Name] = \"Zürich\""), &found));
    ExpectFields(kZurich, Read(found));
    CityPtr first, second, beyond;
    ASSERT_EQ(S_OK, items->Item(1, &first));
    ExpectFields(kZurich, Read(first));
    ASSERT_EQ(S_OK, items->Item(2, &second));
    ExpectFields(kAuckland, Read(second));
    EXPECT_EQ(E_INVALIDARG, items->Item(3, &beyond));
    EXPECT_EQ(nullptr, beyond);
    EXPECT_EQ(E_INVALIDARG, items->Item(0, &beyond));

    // Values the item refuses leave it as it was.
    EXPECT_EQ(E_INVALIDARG, found->put_Longitude(18001));
    EXPECT_EQ(E_INVALIDARG, found->put_Latitude(-9001));
    EXPECT_EQ(E_INVALIDARG, found->put_TimezoneIndex(5));
    EXPECT_EQ(E_INVALIDARG, found->put_TimezoneIndex(-1));
    ExpectFields(kZurich, Read(found));
    EXPECT_EQ(S_OK, found->put_Longitude(-18000));
    EXPECT_EQ(S_OK, found->put_TimezoneIndex(319));
}

TEST_F(Outlook, UpdatingAFoundItemDoesNotAddOne) {
    AppPtr app = LoggedOn();
    ItemsPtr items = Cities(app);
    AddSaved(items, kParis);
    CityPtr found;
    ASSERT_EQ(S_OK, items->Find(QStringLiteral("[Name] = \"Paris\""), &found));
    ASSERT_EQ(S_OK, found->put_TimezoneIndex(110));
    ASSERT_EQ(S_OK, found->Save());
    ASSERT_EQ(S_OK, found->Save()) << "saving twice is still one item";
    int count = 0;
    ASSERT_EQ(S_OK, items->get_Count(&count));
    EXPECT_EQ(1, count);
    CityPtr again;
    EXPECT_EQ(S_FALSE, items->Find(QStringLiteral("[Name] = \"Paris\" AND [TimezoneIndex] = 105"), &again));
    ASSERT_EQ(S_OK, items->Find(QStringLiteral("[Name] = \"Paris\" AND [TimezoneIndex] = 110"), &again));
    CityFields want = kParis;
    want.zone = 110;
    ExpectFields(want, Read(again));
}

TEST_F(Outlook, FindTakesBothFormsAndComparesNamesExactly) {
    AppPtr app = LoggedOn();
    ItemsPtr items = Cities(app);
    AddSaved(items, kParis);
    AddSaved(items, kParisTexas);
    const struct {
        const char* restriction;
        HRESULT hr;
        const char* country;  // of the item found
    } rows[] = {
        {"[Name] = \"Paris\"", S_OK, "France"},  // the first in folder order
        {"[Name] = \"Paris\" AND [TimezoneIndex] = 20", S_OK, "United States"},
        {"[Name] = \"Paris\" AND [TimezoneIndex] = 105", S_OK, "France"},
        {"  [name]=\"Paris\"   and\t[TIMEZONEINDEX]=20  ", S_OK, "United States"},
        {"[Name] = \"Paris\" AND [TimezoneIndex] = 35", S_FALSE, nullptr},
        {"[Name] = \"paris\"", S_FALSE, nullptr},
        {"[Name] = \"Paris \"", S_FALSE, nullptr},
        {"[Name] = \"Lyon\"", S_FALSE, nullptr},
        {"[Name] = \"\"", S_FALSE, nullptr},
    };
    CityPtr stale;  // what a caller may still hold from an earlier call
    ASSERT_EQ(S_OK, items->Add(&stale));
    for (const auto& r : rows) {
        SCOPED_TRACE(r.restriction);
        CityPtr city = stale;
        EXPECT_EQ(r.hr, items->Find(QString::fromUtf8(r.restriction), &city));
        if (!r.country) {
            EXPECT_EQ(nullptr, city);
            continue;
        }
        ASSERT_NE(nullptr, city);
        QString country;
        EXPECT_EQ(S_OK, city->get_Country(&country));
        EXPECT_EQ(QString::fromUtf8(r.country), country);
    }
}

TEST_F(Outlook, MalformedRestrictionsAreInvalidArguments) {
    AppPtr app = LoggedOn();
    ItemsPtr items = Cities(app);
    AddSaved(items, kParis);
    const char* rows[] = {
        "",
        "[Name]",
        "[Name] =",
        "[Name] = Paris",
        "[Name] = 'Paris'",
        "[Name] = \"Paris",
        "[Name] == \"Paris\"",
        "Name = \"Paris\"",
        "[Country] = \"France\"",
        "[Name] = \"Pa\"ris\"",
        "[Name] = \"Paris\" AND",
        "[Name] = \"Paris\" AND [TimezoneIndex]",
        "[Name] = \"Paris\" AND [TimezoneIndex] =",
        "[Name] = \"Paris\" AND [TimezoneIndex] = x",
        "[Name] = \"Paris\" AND [TimezoneIndex] = 1.5",
        "[Name] = \"Paris\" AND [TimezoneIndex] = 99999999999",
        "[Name] = \"Paris\" AND [TimezoneIndex] = 105 extra",
        "[Name] = \"Paris\" OR [TimezoneIndex] = 105",
        "[Name] = \"Paris\"AND [TimezoneIndex] = 105",
        "[Name] = \"Paris\" AND[TimezoneIndex] = 105",
        "[Name] = \"Paris\" AND [Name] = \"Paris\"",
        "[TimezoneIndex] = 105 AND [Name] = \"Paris\"",
    };
    CityPtr stale;
    ASSERT_EQ(S_OK, items->Add(&stale));
    for (const char* r : rows) {
        SCOPED_TRACE(r);
        CityPtr city = stale;
        EXPECT_EQ(E_INVALIDARG, items->Find(QString::fromUtf8(r), &city));
        EXPECT_EQ(nullptr, city);
    }
}

TEST_F(Outlook, NamesWithDoubleQuotesAreFoundWithDoubledQuotes) {
    AppPtr app = LoggedOn();
    ItemsPtr items = Cities(app);
    CityFields bar = kZurich;
    bar.name = QStringLiteral("Bar \"Zum Hirschen\"");
    AddSaved(items, bar);
    CityFields quote = kParis;
    quote.name = QStringLiteral("\"");
    AddSaved(items, quote);

    const struct {
        const char* restriction;
        const char* name;  // null: no match
    } rows[] = {
        {"[Name] = \"Bar \"\"Zum Hirschen\"\"\"", "Bar \"Zum Hirschen\""},
        {"[Name] = \"Bar \"\"Zum Hirschen\"\"\" AND [TimezoneIndex] = 110", "Bar \"Zum Hirschen\""},
        {"[Name] = \"\"\"\"", "\""},
        {"[Name] = \"Bar \"\"Zum Hirschen\"", nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.restriction);
        CityPtr city;
        EXPECT_EQ(r.name ? S_OK : S_FALSE, items->Find(QString::fromUtf8(r.restriction), &city));
        ASSERT_EQ(r.name != nullptr, city != nullptr);
        if (!city) continue;
        QString name;
        EXPECT_EQ(S_OK, city->get_Name(&name));
        EXPECT_EQ(QString::fromUtf8(r.name), name);
    }
    // The helper writes the same escape.
    CityPtr city;
    EXPECT_EQ(S_OK, items->Find(QStringLiteral("[Name] = ") + za::outlook::RestrictionText(bar.name), &city));
}

TEST_F(Outlook, ItemsFailAfterLogoffAndWorkAgainAfterLogon) {
    AppPtr app = LoggedOn();
    ItemsPtr items = Cities(app);
    CityPtr paris = AddSaved(items, kParis);
    ASSERT_EQ(S_OK, app->Logoff());
    CityPtr city;
    EXPECT_EQ(E_FAIL, items->Find(QStringLiteral("[Name] = \"Paris\""), &city));
    EXPECT_EQ(E_FAIL, items->Add(&city));
    int count = -1;
    EXPECT_EQ(E_FAIL, items->get_Count(&count));
    ASSERT_EQ(S_OK, paris->put_Country(QStringLiteral("Frankreich"))) << "the item itself still takes changes";
    EXPECT_EQ(E_FAIL, paris->Save());
    ASSERT_EQ(S_OK, app->Logon(0));
    EXPECT_EQ(S_OK, paris->Save());
    ASSERT_EQ(S_OK, items->Find(QStringLiteral("[Name] = \"Paris\""), &city));
    QString country;
    EXPECT_EQ(S_OK, city->get_Country(&country));
    EXPECT_EQ(QStringLiteral("Frankreich"), country);
}
