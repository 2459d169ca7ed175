#include "city.h"
#include "profile.h"
#include "sun.h"

using namespace za::astro;
using za::test::FixedHostClock;
using za::test::MakeTime;
using za::test::ProfileTest;
using za::test::UtcMs;

namespace {

// Zone IDs of the zone table: UTC all year (Monrovia, Reykjavik), Central Europe, Kathmandu
// (5 h 45 min ahead), Brisbane (10 h ahead all year), US Pacific.
constexpr int kUtc = 90, kCentralEurope = 110, kNepal = 193, kBrisbane = 260, kPacific = 4;

CCity City(int latitude, int longitude, int zone) {
    CCity city;
    city.SetLatitude(latitude);
    city.SetLongitude(longitude);
    city.SetTimeZoneID(zone);
    return city;
}

struct Texts {
    QString rise, set, hours;
};

Texts TextsOf(const CCity& city, const SYSTEMTIME& date, ZENITH zenith) {
    Texts t;
    city.RiseSet(t.rise, t.set, &date, zenith);
    t.hours = city.DaylightHours(&date, zenith);
    return t;
}

QString Q(const char16_t* s) { return QString::fromUtf16(s); }

}  // namespace

TEST(DayNumber, CalendarsAndTimeOfDay) {
    struct Row {
        const char* name;
        int y, m, d, h, mi, s;
        double mjd;
    } rows[] = {
        {"epoch of MJD", 1858, 11, 17, 0, 0, 0, 0.0},
        {"J2000", 2000, 1, 1, 12, 0, 0, 51544.5},
        {"leap day", 2024, 2, 29, 0, 0, 0, 60369.0},
        {"day after leap day", 2024, 3, 1, 0, 0, 0, 60370.0},
        {"last Julian day", 1582, 10, 4, 0, 0, 0, -100841.0},
        {"first Gregorian day", 1582, 10, 15, 0, 0, 0, -100840.0},
        {"quarter to seven", 2026, 3, 20, 18, 45, 0, 61119.78125},
        {"negative time counts back", 2000, 1, 1, -6, -30, 0, 51544.0 - 6.5 / 24.0},
        {"one negative part turns all", 2000, 1, 1, 6, -30, 0, 51544.0 - 6.5 / 24.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_NEAR(r.mjd, DayNumber(r.y, r.m, r.d, r.h, r.mi, r.s), 1e-9);
    }
}

TEST(QuadraticFit, RootsAndExtremum) {
    struct Row {
        const char* name;
        double yMinus, y0, yPlus;
        int roots;
        double r1, r2, xe, ye;
    } rows[] = {
        // y = x² - 0.25
        {"two roots in a dip", 0.75, -0.25, 0.75, 2, -0.5, 0.5, 0.0, -0.25},
        // y = x² + x - 0.75 = (x + 1.5)(x - 0.5): r1 = -1.5 falls outside and gives way to r2
        {"one root, left one outside", -0.75, -0.75, 1.25, 1, 0.5, 0.5, -0.5, -1.0},
        // y = x² + 1
        {"no root", 2.0, 1.0, 2.0, 0, 0, 0, 0.0, 1.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const QuadFit q = FitQuadratic(r.yMinus, r.y0, r.yPlus);
        EXPECT_EQ(r.roots, q.roots);
        EXPECT_NEAR(r.xe, q.xe, 1e-12);
        EXPECT_NEAR(r.ye, q.ye, 1e-12);
        if (r.roots > 0) {
            EXPECT_NEAR(r.r1, q.r1, 1e-12);
            EXPECT_NEAR(r.r2, q.r2, 1e-12);
        }
    }
}

class CityRiseSet : public ProfileTest {};

TEST_F(CityRiseSet, TextsOfOneDay) {
    struct Row {
        const char* name;
        CCity city;
        SYSTEMTIME date;
        ZENITH zenith;
        const char16_t *rise, *set, *hours;
    } rows[] = {
        // Astronomy Engine: 07:12:50 and 19:21:40 PDT.
        {"San Francisco at the equinox", City(3780, -12240, kPacific), MakeTime(2026, 3, 20), ZENITH_OFFICIAL,
         u"7:13 AM \u00a4", u"7:22 PM \u00a4", u"12 hr 9 min"},
        // Astronomy Engine: 06:08:02 and 18:14:50.
        {"Kathmandu at the equinox", City(2771, 8532, kNepal), MakeTime(2026, 3, 20), ZENITH_OFFICIAL, u"6:08 AM",
         u"6:15 PM", u"12 hr 7 min"},
        {"80 N midsummer", City(8000, 1000, kUtc), MakeTime(2026, 6, 21), ZENITH_OFFICIAL, u"Never rises", u"Never sets",
         u"Always light"},
        {"80 N midwinter", City(8000, 1000, kUtc), MakeTime(2026, 12, 21), ZENITH_OFFICIAL, u"Never rises", u"Never sets",
         u"Always dark"},
        {"80 S midsummer", City(-8000, 1000, kUtc), MakeTime(2026, 12, 21), ZENITH_OFFICIAL, u"Never rises",
         u"Never sets", u"Always light"},
        // At 55 N in June the Sun never sinks 18 degrees below the horizon.
        {"astronomical twilight at 55 N in June", City(5500, 1000, kUtc), MakeTime(2026, 6, 21), ZENITH_ASTRONOMICAL,
         u"Never rises", u"Never sets", u"Always light"},
        // Reykjavik in June: the Sun sets just after midnight and rises before three, so the day
        // is light but for the interval between them (Astronomy Engine: 00:03:03, 02:55:35).
        {"set before rise", City(6413, -2190, kUtc), MakeTime(2026, 6, 21), ZENITH_OFFICIAL, u"2:55 AM", u"12:03 AM",
         u"21 hr 8 min"},
        // Tromsø's first day of the midnight sun: it rises at 01:32 and sets again only after
        // midnight (Astronomy Engine: 01:31:59 CEST), up for the rest of the day.
        {"sunrise only", City(6965, 1896, kCentralEurope), MakeTime(2026, 5, 16), ZENITH_OFFICIAL, u"1:32 AM \u00a4",
         u"Never sets", u"22 hr 28 min"},
        // Astronomy Engine: moonrise 14:11:08, no moonset; up from then to midnight.
        {"moonrise only", City(2771, 8532, kNepal), MakeTime(2024, 8, 14), ZENITH_MOON, u"2:11 PM", u"Never sets",
         u"9 hr 49 min"},
        // Astronomy Engine: moonset 14:50:54, no moonrise; up from midnight to the set.
        {"moonset only", City(-3387, 15121, kBrisbane), MakeTime(2025, 3, 24), ZENITH_MOON, u"Never rises", u"2:51 PM",
         u"14 hr 51 min"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const Texts t = TextsOf(r.city, r.date, r.zenith);
        EXPECT_EQ(Q(r.rise), t.rise);
        EXPECT_EQ(Q(r.set), t.set);
        EXPECT_EQ(Q(r.hours), t.hours);
    }
}

TEST_F(CityRiseSet, EventsRoundToTheNearestMinute) {
    // On the equator sunrise moves 2.4 s per hundredth of a degree of longitude: find the
    // longitudes whose unrounded sunrise falls just after and just before 06:29:30 UTC.
    const double mjd0 = DayNumber(2026, 3, 20, 0, 0, 0);
    int after = 0, before = 0;
    double afterGap = 1e9, beforeGap = 1e9;
    for (int lon = -1500; lon <= 0; ++lon) {
        const DayEvents ev = SearchDay(ZENITH_OFFICIAL, mjd0, kRad * (lon / 100.0), 0.0);
        const double secondsPast = (ev.rise - (6.0 + 29.5 / 60.0)) * 3600.0;
        if (secondsPast > 0 && secondsPast < afterGap) afterGap = secondsPast, after = lon;
        if (secondsPast < 0 && -secondsPast < beforeGap) beforeGap = -secondsPast, before = lon;
    }
    ASSERT_LT(afterGap, 2.0);
    ASSERT_LT(beforeGap, 2.0);

    EXPECT_EQ(Q(u"6:30 AM"), TextsOf(City(0, after, kUtc), MakeTime(2026, 3, 20), ZENITH_OFFICIAL).rise)
        << "06:29:30 + " << afterGap << " s";
    EXPECT_EQ(Q(u"6:29 AM"), TextsOf(City(0, before, kUtc), MakeTime(2026, 3, 20), ZENITH_OFFICIAL).rise)
        << "06:29:30 - " << beforeGap << " s";
    const SYSTEMTIME instant = FindRiseSet(MakeTime(2026, 3, 20), 0, before, 0, ZENITH_OFFICIAL).rise;
    EXPECT_EQ(6, instant.wHour);
    EXPECT_EQ(29, instant.wMinute);
    EXPECT_EQ(0, instant.wSecond);
}

TEST_F(CityRiseSet, NoDateMeansTodayInTheCity) {
    // 03:00 UTC on 21 March is still the evening of the 20th in San Francisco.
    FixedHostClock clock(UtcMs(2026, 3, 21, 3, 0));
    const CCity city = City(3780, -12240, kPacific);
    const Texts day20 = TextsOf(city, MakeTime(2026, 3, 20), ZENITH_CIVIL);
    ASSERT_NE(day20.rise, TextsOf(city, MakeTime(2026, 3, 21), ZENITH_CIVIL).rise);
    QString rise, set;
    city.RiseSet(rise, set, nullptr, ZENITH_CIVIL);
    EXPECT_EQ(day20.rise, rise);
    EXPECT_EQ(day20.set, set);
    EXPECT_EQ(day20.hours, city.DaylightHours(nullptr, ZENITH_CIVIL));
}
