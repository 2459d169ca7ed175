#include "calculators.h"

#include "poapp.h"
#include "profile.h"
#include "settings.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace za::calc;
using za::test::MakeTime;

namespace {

struct ModeCase {
    int position;
    int knots;
    const char* name;
};

// The slider table exactly as the dialog lists it; position 6 is faster than position 7.
const ModeCase kModes[] = {
    {0, 2, "Walk"},
    {1, 8, "Sailboat"},
    {2, 10, "Bicycle"},
    {3, 22, "Cruise Ship"},
    {4, 48, "Automobile"},
    {5, 60, "Train"},
    {6, 136, "High Speed Train"},
    {7, 125, "Private Plane"},
    {8, 200, "Commuter Turbo-Prop"},
    {9, 450, "Commercial Jet"},
    {10, 520, "Commercial Jet (fastest)"},
    {11, 1160, "Concorde Supersonic"},
};

}  // namespace

TEST(TravelModes, TableInSliderOrder) {
    ASSERT_EQ(kTravelModeCount, static_cast<int>(std::size(kModes)));
    for (const ModeCase& c : kModes) {
        SCOPED_TRACE(c.name);
        TravelMode m;
        ASSERT_TRUE(GetTravelMode(c.position, &m));
        EXPECT_EQ(c.knots, m.knots);
        EXPECT_EQ(QString::fromLatin1(c.name), m.name);
    }
    EXPECT_FALSE(GetTravelMode(-1, nullptr));
    EXPECT_FALSE(GetTravelMode(kTravelModeCount, nullptr));
    EXPECT_EQ(9, kInitialTravelMode);
}

TEST(TravelModes, ModeStringsSplitAtTheFirstTilde) {
    struct Case {
        const char* text;
        int knots;
        const char* name;
    } cases[] = {
        {"2~Walk", 2, "Walk"},
        {"12x~Odd", 12, "Odd"},        // leading digits only
        {"abc~Name", 0, "Name"},       // no digits read as 0
        {"5~a~b", 5, "a~b"},           // only the first tilde splits
        {"77", 77, ""},                // no tilde: no name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const TravelMode m = ParseTravelModeString(QString::fromLatin1(c.text));
        EXPECT_EQ(c.knots, m.knots);
        EXPECT_EQ(QString::fromLatin1(c.name), m.name);
    }
}

TEST(TravelModes, SliderSpeedsInEachUnitSystemAreRoundedDown) {
    for (const ModeCase& c : kModes) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.knots, TravelModeSpeed(c.position, usNautical));
    }
    EXPECT_EQ(3.0, TravelModeSpeed(0, usMetric));  // 3.704 km/h
    EXPECT_EQ(1334.0, TravelModeSpeed(11, usEnglish));
    EXPECT_EQ(517.0, TravelModeSpeed(9, usEnglish));
    EXPECT_EQ(0.0, TravelModeSpeed(12, usMetric));
}

TEST(DistanceCalculator, InitialSpeedIs500KmPerHourInTheUsersUnits) {
    EXPECT_EQ(500.0, InitialSpeed(usMetric));
    EXPECT_EQ(310.0, InitialSpeed(usEnglish));
    EXPECT_EQ(269.0, InitialSpeed(usNautical));
}

TEST(DistanceCalculator, SpeedRange) {
    EXPECT_TRUE(IsValidSpeed(0.0));
    EXPECT_TRUE(IsValidSpeed(1000000.0));
    EXPECT_FALSE(IsValidSpeed(1000000.5));
    EXPECT_FALSE(IsValidSpeed(-1.0));
    EXPECT_FALSE(IsValidSpeed(std::nan("")));
}

TEST(DistanceCalculator, TypedSpeedTextIsTheSpeedInTheUsersUnits) {
    EXPECT_EQ(QStringLiteral("500 km/hour"), TypedSpeedText(500, usMetric));
    EXPECT_EQ(QStringLiteral("310 miles/hour"), TypedSpeedText(310, usEnglish));
    EXPECT_EQ(QStringLiteral("269 knots"), TypedSpeedText(269, usNautical));
}

TEST(DistanceCalculator, SamePositionIsZeroDistanceAndZeroTime) {
    const DistanceResult r = RecalculateDistance(-12242, 3775, -12242, 3775, 310, usEnglish);
    EXPECT_EQ(0.0, r.km);
    EXPECT_EQ(QStringLiteral("0 miles"), r.distanceText);
    EXPECT_EQ(QStringLiteral("0 min 0 sec"), r.timeText);
    EXPECT_EQ(QStringLiteral("miles/hour"), r.unitText);
}

TEST(DistanceCalculator, TravelTimeIsDistanceOverSpeed) {
    // A quarter of the equator: about 10018.75 km on the ellipsoid.
    const DistanceResult r = RecalculateDistance(0, 0, 9000, 0, 500, usMetric);
    double km = -1;
    GreatCircleDistance(0, 0, 9000, 0, &km);
    EXPECT_EQ(km, r.km);
    EXPECT_NEAR(10018.75, r.km, 0.5);
    EXPECT_DOUBLE_EQ(r.km / 500.0 / 24.0, r.days);
    EXPECT_EQ(FormatDistance(km, usMetric), r.distanceText);
    EXPECT_EQ(QStringLiteral("10019 km"), r.distanceText);
    EXPECT_EQ(QStringLiteral("20 hours 2 min"), r.timeText);
    EXPECT_EQ(QStringLiteral("km/hour"), r.unitText);

    // The speed is in the user's units: 269 knots is about 498 km/h.
    const DistanceResult n = RecalculateDistance(0, 0, 9000, 0, 269, usNautical);
    EXPECT_DOUBLE_EQ(km / ConvertDistance(269, usNautical, usMetric) / 24.0, n.days);
    EXPECT_NEAR(km / (269 * 1.852) / 24.0, n.days, 1e-6);
    EXPECT_EQ(QStringLiteral("5410 nautical miles"), n.distanceText);
}

TEST(DistanceCalculator, ZeroSpeedHasNoTravelTime) {
    const DistanceResult r = RecalculateDistance(0, 0, 100, 0, 0, usMetric);
    EXPECT_TRUE(std::isinf(r.days));
    EXPECT_EQ(QString(), r.timeText);
    const DistanceResult same = RecalculateDistance(0, 0, 0, 0, 0, usMetric);
    EXPECT_EQ(QString(), same.timeText);
    // "-0" is the same speed: no negative infinity of days.
    const DistanceResult negativeZero = RecalculateDistance(0, 0, 100, 0, -0.0, usMetric);
    EXPECT_TRUE(std::isinf(negativeZero.days) && negativeZero.days > 0);
    EXPECT_EQ(QString(), negativeZero.timeText);
}

class TimeCalculator : public za::test::ProfileTest {
protected:
    void SetUp() override { GetPOApp().Logoff(); }
    void TearDown() override { GetPOApp().Logoff(); }

    static CCity CityInZone(int id) {
        CCity city;
        city.SetName(QStringLiteral("Somewhere"));
        city.SetTimeZoneID(id);
        return city;
    }
};

TEST_F(TimeCalculator, DateAndTimeOfDayCombine) {
    const SYSTEMTIME combined = CombineDateAndTime(MakeTime(2026, 3, 8, 23, 59, 59), MakeTime(1999, 1, 2, 7, 5, 30));
    EXPECT_EQ(2026, combined.wYear);
    EXPECT_EQ(3, combined.wMonth);
    EXPECT_EQ(8, combined.wDay);
    EXPECT_EQ(7, combined.wHour);
    EXPECT_EQ(5, combined.wMinute);
    EXPECT_EQ(30, combined.wSecond);
    EXPECT_EQ(0, combined.wDayOfWeek);  // a Sunday
}

TEST_F(TimeCalculator, ReferenceLocalTimeToUtc) {
    struct Case {
        const char* nickname;
        int zone;
        SYSTEMTIME local;
        SYSTEMTIME utc;
    } cases[] = {
        {"Tokyo, no daylight time", 235, MakeTime(2026, 3, 8, 19, 0), MakeTime(2026, 3, 8, 10, 0)},
        {"Pacific standard time", 4, MakeTime(2026, 1, 15, 12, 0), MakeTime(2026, 1, 15, 20, 0)},
        {"Pacific daylight time", 4, MakeTime(2026, 7, 1, 12, 0), MakeTime(2026, 7, 1, 19, 0)},
        {"just before the change", 4, MakeTime(2026, 3, 8, 1, 30), MakeTime(2026, 3, 8, 9, 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nickname);
        const CCity city = CityInZone(c.zone);
        const SYSTEMTIME utc = ReferenceTimeToUtc(city, c.local, c.local);
        EXPECT_EQ(c.utc.wYear, utc.wYear);
        EXPECT_EQ(c.utc.wMonth, utc.wMonth);
        EXPECT_EQ(c.utc.wDay, utc.wDay);
        EXPECT_EQ(c.utc.wHour, utc.wHour);
        EXPECT_EQ(c.utc.wMinute, utc.wMinute);
    }
}

TEST_F(TimeCalculator, ChangingTheReferenceCityKeepsTheLocalTimeAndMovesTheInstant) {
    const SYSTEMTIME picked = MakeTime(2026, 1, 15, 12, 0);
    const SYSTEMTIME fromTokyo = ReferenceTimeToUtc(CityInZone(235), picked, picked);
    const SYSTEMTIME fromPacific = ReferenceTimeToUtc(CityInZone(4), picked, picked);
    EXPECT_EQ(3, fromTokyo.wHour);
    EXPECT_EQ(20, fromPacific.wHour);
    EXPECT_EQ(15, fromPacific.wDay);
}

TEST_F(TimeCalculator, InitialTimeIsTheCurrentHourOnTheHourInTheReferenceCity) {
    SYSTEMTIME now = MakeTime(2026, 7, 1, 18, 47, 12);
    now.wMilliseconds = 345;
    const SYSTEMTIME start = InitialReferenceTime(CityInZone(4), now);
    EXPECT_EQ(1, start.wDay);
    EXPECT_EQ(11, start.wHour);
    EXPECT_EQ(0, start.wMinute);
    EXPECT_EQ(0, start.wSecond);
    EXPECT_EQ(0, start.wMilliseconds);
}

TEST_F(TimeCalculator, UnitSystemSettingReadsOutOfRangeAsMetric) {
    struct Case {
        DWORD stored;
        TUnitSystem units;
    } cases[] = {{0, usEnglish}, {1, usMetric}, {2, usNautical}, {3, usMetric}, {0xFFFFFFFF, usMetric}};
    EXPECT_EQ(usEnglish, UnitSystemSetting());  // the default
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        GetReg().WriteDWORDValue(CRegistry::UnitSystem, c.stored);
        EXPECT_EQ(c.units, UnitSystemSetting());
    }
}

TEST_F(TimeCalculator, ArrivalIsTheDeparturePlusTheTravelTimeInTheDestinationsZone) {
    const SYSTEMTIME leave = MakeTime(2026, 3, 8, 14, 0);
    struct Case {
        const char* nickname;
        int zone;
        double days;
        const char* text;
    } cases[] = {
        // Tokyo has no daylight time: UTC + 9.
        {"same day", 235, 2.0 / 24.0, "3/9/26 1:00 AM"},
        {"rounded to the second, shown to the minute", 235, (59.0 * 60.0 + 59.6) / 86400.0, "3/9/26 12:00 AM"},
        // Pacific time changed to daylight time at 10:00 UTC that day: the arrival's own
        // instant decides the offset and the mark.
        {"daylight time at the arrival", 4, 1.0, "3/9/26 7:00 AM \u00a4"},
        {"many days", 235, 400.0, "4/12/27 11:00 PM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nickname);
        EXPECT_EQ(QString::fromUtf8(c.text), ArrivalLocalText(CityInZone(c.zone), leave, c.days));
    }
    SYSTEMTIME arrival{};
    ASSERT_TRUE(ArrivalTime(leave, 1.5, &arrival));
    EXPECT_EQ(10, arrival.wDay);
    EXPECT_EQ(2, arrival.wHour);
    EXPECT_EQ(2, arrival.wDayOfWeek);  // a Tuesday
}

TEST_F(TimeCalculator, NoArrivalWithoutAFiniteTravelTime) {
    const SYSTEMTIME leave = MakeTime(2026, 3, 8, 14, 0);
    SYSTEMTIME arrival = MakeTime(2000, 1, 1);
    EXPECT_FALSE(ArrivalTime(leave, HUGE_VAL, &arrival));
    EXPECT_FALSE(ArrivalTime(leave, std::nan(""), &arrival));
    EXPECT_FALSE(ArrivalTime(leave, -1.0, &arrival));
    // Walking round the world a million times ends beyond the calendar.
    EXPECT_FALSE(ArrivalTime(leave, 1.0e8, &arrival));
    EXPECT_EQ(2000, arrival.wYear) << "a failure leaves the output alone";
    EXPECT_EQ(QString(), ArrivalLocalText(CityInZone(235), leave, RecalculateDistance(0, 0, 100, 0, 0, usMetric).days));
}
