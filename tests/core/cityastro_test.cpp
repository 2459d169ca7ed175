#include "city.h"
#include "profile.h"

using za::test::FixedHostClock;
using za::test::ProfileTest;
using za::test::UtcMs;

namespace {

CCity City(int latitude, int longitude, int zone) {
    CCity city;
    city.SetLatitude(latitude);
    city.SetLongitude(longitude);
    city.SetTimeZoneID(zone);
    return city;
}

SYSTEMTIME Date(int year, int month, int day) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    return st;
}

}  // namespace

class CityRiseSet : public ProfileTest {};

TEST_F(CityRiseSet, TimesInTheCityZone) {
    struct Row {
        const char* name;
        CCity city;
        SYSTEMTIME date;
        ZENITH zenith;
        const char16_t *rise, *set, *hours;
    } rows[] = {
        // Astronomy Engine: 07:12:50 and 19:21:40 PDT.
        {"San Francisco at the equinox", City(3780, -12240, 4), Date(2026, 3, 20), ZENITH_OFFICIAL, u"7:13 AM \u00a4",
         u"7:22 PM \u00a4", u"12 hr 9 min"},
        // Kathmandu keeps 5 h 45 min: Astronomy Engine 06:08:02 and 18:14:50.
        {"Kathmandu at the equinox", City(2771, 8532, 193), Date(2026, 3, 20), ZENITH_OFFICIAL, u"6:08 AM", u"6:15 PM",
         u"12 hr 7 min"},
        // Astronomy Engine: moonrise 14:11:08, no moonset that day.
        {"Kathmandu, moon up from 2:11 PM", City(2771, 8532, 193), Date(2024, 8, 14), ZENITH_MOON, u"2:11 PM",
         u"Never sets", u"9 hr 49 min"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QString rise, set;
        r.city.RiseSet(rise, set, &r.date, r.zenith);
        EXPECT_EQ(QString::fromUtf16(r.rise), rise);
        EXPECT_EQ(QString::fromUtf16(r.set), set);
        EXPECT_EQ(QString::fromUtf16(r.hours), r.city.DaylightHours(&r.date, r.zenith));
    }
}

TEST_F(CityRiseSet, NoDateMeansTodayInTheCity) {
    // 03:00 UTC on 21 March is still the evening of the 20th in San Francisco.
    FixedHostClock clock(UtcMs(2026, 3, 21, 3, 0));
    const CCity city = City(3780, -12240, 4);
    const SYSTEMTIME day20 = Date(2026, 3, 20), day21 = Date(2026, 3, 21);
    QString rise20, set20, rise21, set21, rise, set;
    city.RiseSet(rise20, set20, &day20, ZENITH_CIVIL);
    city.RiseSet(rise21, set21, &day21, ZENITH_CIVIL);
    ASSERT_NE(rise20, rise21);
    city.RiseSet(rise, set, nullptr, ZENITH_CIVIL);
    EXPECT_EQ(rise20, rise);
    EXPECT_EQ(set20, set);
    EXPECT_EQ(city.DaylightHours(&day20, ZENITH_CIVIL), city.DaylightHours(nullptr, ZENITH_CIVIL));
}
