#include "clock.h"
#include "currentcity.h"
#include "poapp.h"
#include "profile.h"

#include <gtest/gtest.h>

using za::test::FixedHostClock;
using za::test::UtcMs;

namespace {

class ApplyCurrentCity : public za::test::ProfileTest {
protected:
    void SetUp() override { GetPOApp().Logoff(); }
    void TearDown() override {
        za::outlook::SetAvailability(za::outlook::Availability::Present);
        GetPOApp().Logoff();
    }

    static CCity City(const char* name, int zone) {
        CCity city;
        city.SetName(QString::fromLatin1(name));
        city.SetTimeZoneID(zone);
        return city;
    }
};

}  // namespace

TEST_F(ApplyCurrentCity, OnlyAnotherZoneChangesTheDevice) {
    EXPECT_TRUE(za::CurrentCityChangesZone(City("A", 4), City("B", 235)));
    EXPECT_FALSE(za::CurrentCityChangesZone(City("A", 235), City("B", 235)));
}

TEST_F(ApplyCurrentCity, TheDeviceTakesTheCitysZoneAndKeepsItsUtcTime) {
    for (bool withOutlook : {true, false}) {
        SCOPED_TRACE(withOutlook ? "with the city interface" : "without it");
        za::outlook::SetAvailability(withOutlook ? za::outlook::Availability::Present
                                                 : za::outlook::Availability::NoCityInterface);
        GetPOApp().Logoff();
        FixedHostClock host{UtcMs(2026, 1, 15, 12, 0)};
        SYSTEMTIME before{};
        GetSystemTime(&before);

        EXPECT_TRUE(za::ApplyCurrentCity(City("Tokyo", 235), 3));
        TIME_ZONE_INFORMATION tzi{};
        GetTimeZoneInformation(&tzi);
        EXPECT_EQ(-540, tzi.Bias);
        SYSTEMTIME after{};
        GetSystemTime(&after);
        EXPECT_EQ(before.wDay, after.wDay);
        EXPECT_EQ(before.wHour, after.wHour);
        EXPECT_EQ(before.wMinute, after.wMinute);
        SYSTEMTIME local{};
        GetLocalTime(&local);
        EXPECT_EQ(21, local.wHour);

        EXPECT_TRUE(za::ApplyCurrentCity(City("San Francisco", 4), 0));
        GetTimeZoneInformation(&tzi);
        EXPECT_EQ(480, tzi.Bias);
    }
}
