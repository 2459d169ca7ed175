#include "profile.h"
#include "sun.h"
#include "timezone.h"

#include <cmath>
#include <cstring>

using namespace za::astro;
using za::test::ProfileTest;

namespace {

SYSTEMTIME Date(int year, int month, int day, int hour = 0, int minute = 0) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    st.wHour = static_cast<WORD>(hour);
    st.wMinute = static_cast<WORD>(minute);
    return st;
}

// A zone with its rule set by hand: a fixed bias, or one with a yearly daylight-time rule.
class RuleZone : public CTimeZone {
public:
    explicit RuleZone(int bias) {
        std::memset(&m_tzi, 0, sizeof m_tzi);
        m_tzi.Bias = bias;
        m_id = 9999;
    }
    // Daylight time from the `occurrence`-th Sunday of `fromMonth` to that of `toMonth`, both at
    // 02:00 local, one hour ahead.
    RuleZone(int bias, int fromMonth, int fromOccurrence, int toMonth, int toOccurrence) : RuleZone(bias) {
        m_tzi.DaylightBias = -60;
        m_tzi.DaylightDate = Date(0, fromMonth, fromOccurrence, 2);
        m_tzi.StandardDate = Date(0, toMonth, toOccurrence, 2);
    }
};

RuleZone UsPacific() { return RuleZone(480, 3, 2, 11, 1); }
RuleZone CentralEurope() { return RuleZone(-60, 3, 5, 10, 5); }

QString Q(const char* s) { return QString::fromUtf8(s); }

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

TEST(SiderealTime, AtJ2000AndADayLater) {
    // 18h 41m 50.54841s at 2000-01-01 12:00 UT; a solar day later the clock has gained 3m 56.555s.
    const double at2000 = (18.0 + 41.0 / 60.0 + 50.54841 / 3600.0) * 15.0 * kRad;
    EXPECT_NEAR(at2000, SiderealTime(51544.5), 1e-8);
    EXPECT_NEAR(at2000 + 236.555 / 86400.0 * kPi2, SiderealTime(51545.5), 1e-6);
    // Stays in [0, 2π) for an instant before the epoch.
    const double early = SiderealTime(-100840.25);
    EXPECT_GE(early, 0.0);
    EXPECT_LT(early, kPi2);
}

TEST(SolarPosition, EquinoxesAndSolsticesOf2026) {
    struct Row {
        const char* name;
        double mjd;  // UT of the event
        double raDeg;
        double decDeg;
    } rows[] = {
        {"March equinox", DayNumber(2026, 3, 20, 14, 46, 0), 0.0, 0.0},
        {"June solstice", DayNumber(2026, 6, 21, 8, 24, 0), 90.0, 23.436},
        {"September equinox", DayNumber(2026, 9, 23, 0, 5, 0), 180.0, 0.0},
        {"December solstice", DayNumber(2026, 12, 21, 20, 50, 0), 270.0, -23.436},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        double ra = 0, dec = 0;
        SunPosition(CenturiesOf(r.mjd), &ra, &dec);
        // The series is good to about an arc-minute; the right ascension wraps at the equinox.
        EXPECT_NEAR(0.0, std::remainder(ra * kDeg - r.raDeg, 360.0), 0.03);
        EXPECT_NEAR(r.decDeg, dec * kDeg, 0.02);
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
        // y = 0.25 - x²
        {"two roots on a peak", -0.75, 0.25, -0.75, 2, -0.5, 0.5, 0.0, 0.25},
        // y = x² + x - 0.75 = (x + 1.5)(x - 0.5): r1 = -1.5 falls outside and gives way to r2
        {"one root, left one outside", -0.75, -0.75, 1.25, 1, 0.5, 0.5, -0.5, -1.0},
        // y = -(x² - x - 0.75) = -(x - 1.5)(x + 0.5)
        {"one root, right one outside", -1.25, 0.75, 0.75, 1, -0.5, 1.5, 0.5, 1.0},
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

TEST(RiseSetSearch, AltitudeTableFollowsZenith) {
    const double h0[] = {8.0 / 60.0, -50.0 / 60.0, -6.0, -12.0, -18.0};
    for (int z = 0; z < 5; ++z) {
        SCOPED_TRACE(z);
        EXPECT_DOUBLE_EQ(std::sin(h0[z] * kRad), SinH0(z));
    }
}

TEST(RiseSetSearch, InstantsAreUtcOnTheMinute) {
    // Kathmandu, 5 h 45 min ahead of UTC: an integer bias or a truncated longitude would move
    // the day by 45 minutes and the events with it.
    const RiseSetEvents ev = FindRiseSet(Date(2026, 3, 20, 15, 30), -345, 8532, 2771, ZENITH_OFFICIAL);
    ASSERT_TRUE(ev.day.rises && ev.day.sets);
    EXPECT_FALSE(ev.day.above);
    // Astronomy Engine: 06:08:02 and 18:14:50 local, that is 00:23:02 and 12:29:50 UTC.
    const SYSTEMTIME rise = ev.rise, set = ev.set;
    EXPECT_EQ(20, rise.wDay);
    EXPECT_EQ(0, rise.wHour);
    EXPECT_NEAR(23, rise.wMinute, 1);
    EXPECT_EQ(12, set.wHour);
    EXPECT_NEAR(30, set.wMinute, 1);
    for (const SYSTEMTIME& st : {rise, set}) {
        EXPECT_EQ(0, st.wSecond);
        EXPECT_EQ(0, st.wMilliseconds);
        EXPECT_EQ(5, st.wDayOfWeek);  // a Friday
    }
    // The local hour of the rise matches its UTC instant.
    EXPECT_NEAR(rise.wHour + rise.wMinute / 60.0 + 345 / 60.0, ev.day.rise, 1e-4);
}

class RiseSetTexts : public ProfileTest {};

TEST_F(RiseSetTexts, EquinoxDayAtSanFranciscoInDaylightTime) {
    const RuleZone zone = UsPacific();
    QString rise, set;
    // Astronomy Engine: 07:12:50 and 19:21:40 PDT.
    za::astro::RiseSetTexts(zone, -12240, 3780, Date(2026, 3, 20), ZENITH_OFFICIAL, rise, set);
    EXPECT_EQ(Q("7:13 AM \u00a4"), rise);
    EXPECT_EQ(Q("7:22 PM \u00a4"), set);
    EXPECT_EQ(Q("12 hr 9 min"), DaylightHoursText(zone, -12240, 3780, Date(2026, 3, 20), ZENITH_OFFICIAL));
    // In standard time the same sky reads an hour earlier, without the mark.
    za::astro::RiseSetTexts(zone, -12240, 3780, Date(2026, 3, 2), ZENITH_OFFICIAL, rise, set);
    EXPECT_TRUE(rise.startsWith(Q("6:")) && !rise.contains(QChar(0xa4))) << rise.toStdString();
}

TEST_F(RiseSetTexts, PolarDayAndNightAndTwilightThatNeverEnds) {
    const RuleZone utc(0);
    struct Row {
        const char* name;
        int latitude;
        SYSTEMTIME date;
        int zenith;
        const char* daylight;
    } rows[] = {
        {"80 N midsummer", 8000, Date(2026, 6, 21), ZENITH_OFFICIAL, "Always light"},
        {"80 N midwinter", 8000, Date(2026, 12, 21), ZENITH_OFFICIAL, "Always dark"},
        {"80 S midsummer", -8000, Date(2026, 12, 21), ZENITH_OFFICIAL, "Always light"},
        // At 55 N in June the Sun never sinks 18 degrees below the horizon.
        {"astronomical twilight at 55 N in June", 5500, Date(2026, 6, 21), ZENITH_ASTRONOMICAL, "Always light"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QString rise, set;
        za::astro::RiseSetTexts(utc, 1000, r.latitude, r.date, r.zenith, rise, set);
        EXPECT_EQ(Q("Never rises"), rise);
        EXPECT_EQ(Q("Never sets"), set);
        EXPECT_EQ(Q(r.daylight), DaylightHoursText(utc, 1000, r.latitude, r.date, r.zenith));
    }
}

TEST_F(RiseSetTexts, EventsRoundToTheNearestMinute) {
    // On the equator sunrise moves 2.4 s per hundredth of a degree of longitude: find the
    // longitudes whose unrounded sunrise falls just after and just before 06:29:30 UTC.
    const SYSTEMTIME day = Date(2026, 3, 20);
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

    const RuleZone utc(0);
    QString rise, set;
    za::astro::RiseSetTexts(utc, after, 0, day, ZENITH_OFFICIAL, rise, set);
    EXPECT_EQ(Q("6:30 AM"), rise) << "06:29:30 + " << afterGap << " s";
    za::astro::RiseSetTexts(utc, before, 0, day, ZENITH_OFFICIAL, rise, set);
    EXPECT_EQ(Q("6:29 AM"), rise) << "06:29:30 - " << beforeGap << " s";
    const SYSTEMTIME instant = FindRiseSet(day, 0, before, 0, ZENITH_OFFICIAL).rise;
    EXPECT_EQ(6, instant.wHour);
    EXPECT_EQ(29, instant.wMinute);
    EXPECT_EQ(0, instant.wSecond);
}

// Reykjavik in June: the Sun sets just after midnight and rises before three. The day's light
// is all of it but the interval between them, not the negative span from rise to set.
TEST_F(RiseSetTexts, DaylightWhenTheSunSetsBeforeItRises) {
    const RuleZone utc(0);
    QString rise, set;
    // Astronomy Engine: set 00:03:03, rise 02:55:35.
    za::astro::RiseSetTexts(utc, -2190, 6413, Date(2026, 6, 21), ZENITH_OFFICIAL, rise, set);
    EXPECT_EQ(Q("2:55 AM"), rise);
    EXPECT_EQ(Q("12:03 AM"), set);
    EXPECT_EQ(Q("21 hr 8 min"), DaylightHoursText(utc, -2190, 6413, Date(2026, 6, 21), ZENITH_OFFICIAL));
}

// Tromsø on 16 May 2026, the first day of the midnight sun: it rises at 01:32 and does not set
// again. The Sun is up for the rest of the day, which the midnight altitude alone called dark.
TEST_F(RiseSetTexts, DaylightOnADayWithOnlyASunrise) {
    const RuleZone zone = CentralEurope();
    QString rise, set;
    // Astronomy Engine: rise 01:31:59 CEST, the sets around it 23:48 the day before and 00:02 the day after.
    za::astro::RiseSetTexts(zone, 1896, 6965, Date(2026, 5, 16), ZENITH_OFFICIAL, rise, set);
    EXPECT_EQ(Q("1:32 AM \u00a4"), rise);
    EXPECT_EQ(Q("Never sets"), set);
    EXPECT_EQ(Q("22 hr 28 min"), DaylightHoursText(zone, 1896, 6965, Date(2026, 5, 16), ZENITH_OFFICIAL));
}

TEST_F(RiseSetTexts, MoonDaysWithOnlyARiseOrOnlyASet) {
    struct Row {
        const char* name;
        int bias, longitude, latitude;
        SYSTEMTIME date;
        const char *rise, *set, *hours;
    } rows[] = {
        // Astronomy Engine: moonrise 14:11:08, no moonset; the Moon is up from then to midnight.
        {"Kathmandu, rise only", -345, 8532, 2771, Date(2024, 8, 14), "2:11 PM", "Never sets", "9 hr 49 min"},
        // Astronomy Engine: moonset 14:50:54, no moonrise; up from midnight to the set.
        {"Sydney, set only", -600, 15121, -3387, Date(2025, 3, 24), "Never rises", "2:51 PM", "14 hr 51 min"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const RuleZone zone(r.bias);
        QString rise, set;
        za::astro::RiseSetTexts(zone, r.longitude, r.latitude, r.date, ZENITH_MOON, rise, set);
        EXPECT_EQ(Q(r.rise), rise);
        EXPECT_EQ(Q(r.set), set);
        EXPECT_EQ(Q(r.hours), DaylightHoursText(zone, r.longitude, r.latitude, r.date, ZENITH_MOON));
    }
}
