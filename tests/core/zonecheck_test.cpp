// The check that keeps the current city in the device's zone: each outcome decided from the five
// displays and the list, and only the outcomes that need no question carried out.
#include "citylist.h"
#include "displayedcities.h"
#include "poapp.h"
#include "profile.h"
#include "settings.h"
#include "zonecheck.h"

#include <gtest/gtest.h>

using za::ZoneCheck;
using za::test::ZoneOfYear;

namespace {

class ZoneCheckTest : public za::test::ProfileTest {
protected:
    void SetUp() override {
        // Los Angeles (current), Chicago, New York, London, Tokyo.
        ASSERT_TRUE(GetCityList().Open());
        for (int i = 0; i < za::kDisplays; ++i) {
            ASSERT_TRUE(GetCityList().LoadCity(za::DisplayedCities::Read().Name(i), m_cities[static_cast<size_t>(i)]));
        }
    }
    ZoneCheck Check(const char* tzId, int selected = 0) {
        std::array<const CCity*, za::kDisplays> cities{};
        for (int i = 0; i < za::kDisplays; ++i) cities[static_cast<size_t>(i)] = &m_cities[static_cast<size_t>(i)];
        return za::CheckDeviceZone(cities, selected, ZoneOfYear(tzId, 2026));
    }

    void TearDown() override { GetCityList().Close(); }

    std::array<CCity, za::kDisplays> m_cities;
};

}  // namespace

TEST_F(ZoneCheckTest, EachOutcomeAndWhatIsCarriedOut) {
    // The current city's zone: nothing to do.
    EXPECT_EQ(ZoneCheck::Agrees, Check("America/Los_Angeles").outcome);
    EXPECT_FALSE(za::ApplyZoneCheck(Check("America/Los_Angeles")));

    // Tokyo is shown: its display becomes current, and the selection is stored.
    const ZoneCheck tokyo = Check("Asia/Tokyo");
    EXPECT_EQ(ZoneCheck::SelectDisplay, tokyo.outcome);
    EXPECT_EQ(4, tokyo.display);
    EXPECT_TRUE(za::ApplyZoneCheck(tokyo));
    EXPECT_EQ(4, za::DisplayedCities::Read().Selected());
    EXPECT_FALSE(za::ApplyZoneCheck(tokyo)) << "done once, nothing is left to change";

    // No display shows the zone: a city of the list in it takes the selected display.
    const ZoneCheck paris = Check("Europe/Paris", 4);
    ASSERT_EQ(ZoneCheck::ReplaceCity, paris.outcome);
    EXPECT_EQ(4, paris.display);
    const TIME_ZONE_INFORMATION france = ZoneOfYear("Europe/Paris", 2026);
    EXPECT_TRUE(paris.city.TimeZone().IsSameTZ(&france)) << paris.city.Name().toStdString();
    EXPECT_TRUE(za::ApplyZoneCheck(paris));
    EXPECT_EQ(paris.city.Name(), za::DisplayedCities::Read().Name(4));

    // Darwin is its zone's only city: without it the list has none, and the check changes
    // nothing (the window asks the user for a new city).
    ASSERT_TRUE(GetCityList().DeleteCity(QStringLiteral("Darwin")));
    const ZoneCheck darwin = Check("Australia/Darwin", 4);
    EXPECT_EQ(ZoneCheck::NewCity, darwin.outcome);
    EXPECT_EQ(245, darwin.zoneId);
    EXPECT_FALSE(za::ApplyZoneCheck(darwin));

    // Rules no entry of the table keeps: nothing can agree, nothing changes.
    TIME_ZONE_INFORMATION odd = ZoneOfYear("Etc/UTC", 2026);
    odd.Bias = -17;
    std::array<const CCity*, za::kDisplays> cities{};
    for (int i = 0; i < za::kDisplays; ++i) cities[static_cast<size_t>(i)] = &m_cities[static_cast<size_t>(i)];
    const ZoneCheck none = za::CheckDeviceZone(cities, 0, odd);
    EXPECT_EQ(ZoneCheck::NoZone, none.outcome);
    EXPECT_FALSE(za::ApplyZoneCheck(none));
    EXPECT_EQ(paris.city.Name(), za::DisplayedCities::Read().Name(4));
    EXPECT_EQ(4, za::DisplayedCities::Read().Selected());
}

// Between cities of one zone, the calendar's current city is taken.
TEST_F(ZoneCheckTest, TheCalendarsCurrentCityIsTakenBeforeTheFirstOfItsZone) {
    CCity sanFrancisco;
    ASSERT_TRUE(GetCityList().LoadCity(QStringLiteral("San Francisco, CA"), sanFrancisco));
    ASSERT_TRUE(GetPOApp().SetTimeZoneCity(sanFrancisco, FALSE));
    m_cities[0] = m_cities[3];  // London shown twice: no display in the Pacific zone
    const ZoneCheck check = Check("America/Los_Angeles");
    ASSERT_EQ(ZoneCheck::ReplaceCity, check.outcome);
    EXPECT_EQ(QStringLiteral("San Francisco, CA"), check.city.Name());
}
