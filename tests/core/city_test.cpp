#include "city.h"
#include "profile.h"

using za::test::FixedHostClock;
using za::test::MakeTime;
using za::test::ProfileTest;
using CityInProfile = ProfileTest;
using za::test::UtcMs;

namespace {

const QString kMark = QString::fromUtf16(kDaylightMark);

CCity City(const QString& name, int zone) {
    CCity city;
    city.SetName(name);
    city.SetTimeZoneID(zone);
    return city;
}

}  // namespace

TEST(CityModel, NewCityHasTheDefaults) {
    const CCity city;
    EXPECT_EQ(35, city.TimeZoneID());
    EXPECT_EQ(0, city.Latitude());
    EXPECT_EQ(0, city.Longitude());
    EXPECT_TRUE(city.Name().isEmpty());
    EXPECT_TRUE(city.CountryName().isEmpty());
    EXPECT_TRUE(city.CountryPhoneCode().isEmpty());
    EXPECT_TRUE(city.AreaCode().isEmpty());
    EXPECT_TRUE(city.AirportCode().isEmpty());
}

TEST(CityModel, CoordinatesAreKeptOnTheGlobe) {
    CCity city;
    city.SetLatitude(4075);
    city.SetLongitude(-7399);
    EXPECT_EQ(4075, city.Latitude());
    EXPECT_EQ(-7399, city.Longitude());
    EXPECT_EQ(QStringLiteral("40\u00b0 45\u00b4 N"), city.LatitudeAsString());
    EXPECT_EQ(QStringLiteral("73\u00b0 59\u00b4 W"), city.LongitudeAsString());
    // A record holds 16 bits: 40000 would come back as -25536 without the clamp.
    city.SetLatitude(40000);
    city.SetLongitude(-70000);
    EXPECT_EQ(9000, city.Latitude());
    EXPECT_EQ(-18000, city.Longitude());
}

TEST_F(CityInProfile, LocalTimeFollowsItsZone) {
    FixedHostClock host(UtcMs(2026, 1, 15, 17, 5));
    const CCity newYork = City(QStringLiteral("New York, NY"), 35);
    const CCity tokyo = City(QStringLiteral("Tokyo"), 235);
    const CCity kolkata = City(QStringLiteral("Kolkata"), 190);

    struct Case {
        const char* nickname;
        const CCity& city;
        SYSTEMTIME utc;
        QString text;
    } cases[] = {
        {"winter in New York", newYork, MakeTime(2026, 1, 15, 17, 5), QStringLiteral("12:05 PM")},
        {"summer in New York", newYork, MakeTime(2026, 7, 15, 17, 5), QStringLiteral("1:05 PM") + kMark},
        {"Tokyo has no daylight time", tokyo, MakeTime(2026, 7, 15, 17, 5), QStringLiteral("2:05 AM")},
        {"half-hour zone", kolkata, MakeTime(2026, 7, 15, 17, 5), QStringLiteral("10:35 PM")},
        {"first second of daylight time", newYork, MakeTime(2026, 3, 8, 7, 0, 1), QStringLiteral("3:00 AM") + kMark},
        {"last minute of standard time", newYork, MakeTime(2026, 3, 8, 6, 59), QStringLiteral("1:59 AM")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nickname);
        EXPECT_EQ(c.text, c.city.LocalTimeAsString(c.utc, TF_TIME));
    }
    EXPECT_EQ(QStringLiteral("Thu 1/15/26"), newYork.LocalTimeAsString(MakeTime(2026, 1, 15, 17, 5), TF_WEEKDAY_SHORTDATE));
    EXPECT_EQ(QStringLiteral("Fri 1/16/26"), tokyo.LocalTimeAsString(MakeTime(2026, 1, 15, 17, 5), TF_WEEKDAY_SHORTDATE));

    // The present local time of the device clock.
    EXPECT_EQ(QStringLiteral("12:05 PM"), newYork.LocalTimeAsString(TF_TIME));
    EXPECT_EQ(QStringLiteral("2:05 AM"), tokyo.LocalTimeAsString(TF_TIME));
}

TEST_F(CityInProfile, ZoneIsACacheUnloadedBySetTimeZoneIdAndCopies) {
    FixedHostClock host(UtcMs(2026, 3, 1, 17, 5));
    CCity newYork = City(QStringLiteral("New York, NY"), 35);
    EXPECT_EQ(QStringLiteral("12:05 PM"), newYork.LocalTimeAsString(TF_TIME));
    EXPECT_EQ(35, newYork.TimeZone().ID());

    // Past the change to daylight time the loaded zone keeps its snapshot...
    host.Set(UtcMs(2026, 3, 10, 17, 5));
    EXPECT_EQ(QStringLiteral("12:05 PM"), newYork.LocalTimeAsString(TF_TIME));
    // ...while a copy starts unloaded and loads the rule in force now.
    const CCity copy(newYork);
    EXPECT_EQ(QStringLiteral("1:05 PM") + kMark, copy.LocalTimeAsString(TF_TIME));
    CCity assigned;
    assigned.TimeZone();  // loaded for its own ID
    assigned = newYork;
    EXPECT_EQ(QStringLiteral("1:05 PM") + kMark, assigned.LocalTimeAsString(TF_TIME));
    EXPECT_EQ(QStringLiteral("New York, NY"), assigned.Name());

    // Setting the ID, even the same one, reloads.
    newYork.SetTimeZoneID(35);
    EXPECT_EQ(QStringLiteral("1:05 PM") + kMark, newYork.LocalTimeAsString(TF_TIME));
    newYork.SetTimeZoneID(235);
    EXPECT_EQ(235, newYork.TimeZone().ID());
    EXPECT_EQ(QStringLiteral("2:05 AM"), newYork.LocalTimeAsString(TF_TIME));
}

TEST_F(CityInProfile, WithAnUnknownZoneShowsUtc) {
    const CCity city = City(QStringLiteral("Nowhere"), 999);
    EXPECT_EQ(QStringLiteral("5:05 PM"), city.LocalTimeAsString(MakeTime(2026, 7, 15, 17, 5), TF_TIME));
    EXPECT_FALSE(city.TimeZone().SupportsDST());
}

TEST(CityEntry, BuildsAndSplitsNameAndCountry) {
    const QString entry = za::CityEntry(QStringLiteral("New York, NY"), QStringLiteral("United States"));
    EXPECT_EQ(entry, QStringLiteral("New York, NY (United States)"));
    EXPECT_TRUE(entry.startsWith(za::CityEntryPrefix(QStringLiteral("New York, NY"))));
    EXPECT_FALSE(entry.startsWith(za::CityEntryPrefix(QStringLiteral("New York"))));
    QString name, country;
    za::SplitCityEntry(entry, &name, &country);
    EXPECT_EQ(name, QStringLiteral("New York, NY"));
    EXPECT_EQ(country, QStringLiteral("United States"));
    // A country may hold parentheses; a name cannot, so the first " (" starts the country.
    za::SplitCityEntry(QStringLiteral("Vaduz (Liechtenstein (FL))"), &name, &country);
    EXPECT_EQ(name, QStringLiteral("Vaduz"));
    EXPECT_EQ(country, QStringLiteral("Liechtenstein (FL)"));
    // Text that is not an entry is all name.
    for (const char* text : {"Tokyo", "Tokyo (Japan", "Tokyo(Japan)"}) {
        SCOPED_TRACE(text);
        country = QStringLiteral("stale");
        za::SplitCityEntry(QString::fromLatin1(text), &name, &country);
        EXPECT_EQ(name, QString::fromLatin1(text));
        EXPECT_TRUE(country.isEmpty());
        EXPECT_EQ(za::CityNameOfEntry(QString::fromLatin1(text)), QString::fromLatin1(text));
    }
}
