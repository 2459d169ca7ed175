#include "displayedcities.h"
#include "profile.h"
#include "settings.h"
#include "window.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdint>
#include <vector>

using za::DisplayedCities;
using za::test::ProfileTest;

using DisplayedCitiesTest = ProfileTest;

TEST_F(DisplayedCitiesTest, ReadsTheFiveNamesAndTheSelection) {
    GetReg().WriteStringValue(CRegistry::City3, QStringLiteral("Sydney"));
    GetReg().WriteDWORDValue(CRegistry::CityX, 3);
    const DisplayedCities d = DisplayedCities::Read();
    EXPECT_EQ(d.Name(0), QStringLiteral("Los Angeles, CA"));  // the tests' host zone's city
    EXPECT_EQ(d.Name(3), QStringLiteral("Sydney"));
    EXPECT_EQ(d.Name(4), QStringLiteral("Tokyo"));
    EXPECT_EQ(d.Name(-1), QString());
    EXPECT_EQ(d.Name(za::kDisplays), QString());
    EXPECT_EQ(d.Selected(), 3);
    EXPECT_EQ(d.SelectedName(), QStringLiteral("Sydney"));
    EXPECT_TRUE(d.SelectionWasValid());
}

TEST_F(DisplayedCitiesTest, ASelectionOutsideTheFiveReadsAsDisplayZeroAndIsLeftStored) {
    for (DWORD stored : {5u, 7u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(stored);
        GetReg().WriteDWORDValue(CRegistry::CityX, stored);
        const DisplayedCities d = DisplayedCities::Read();
        EXPECT_EQ(d.Selected(), 0);
        EXPECT_FALSE(d.SelectionWasValid());
        // Reading repairs nothing: whoever may write decides.
        EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::CityX), stored);
    }
}

TEST_F(DisplayedCitiesTest, ContainsComparesExactly) {
    GetReg().WriteStringValue(CRegistry::City2, QStringLiteral("London"));
    const DisplayedCities d = DisplayedCities::Read();
    EXPECT_TRUE(d.Contains(QStringLiteral("London")));
    EXPECT_FALSE(d.Contains(QStringLiteral("london")));
    EXPECT_FALSE(d.Contains(QStringLiteral("London ")));
}

TEST_F(DisplayedCitiesTest, WritesReachTheProfileAndRefuseDisplaysThatDoNotExist) {
    DisplayedCities d = DisplayedCities::Read();
    EXPECT_TRUE(d.SetName(1, QStringLiteral("Tokyo")));
    EXPECT_TRUE(d.SetSelected(4));
    EXPECT_EQ(GetReg().GetStringValue(CRegistry::City1), QStringLiteral("Tokyo"));
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::CityX), 4u);
    EXPECT_EQ(d.Name(1), QStringLiteral("Tokyo"));
    EXPECT_EQ(d.Selected(), 4);

    EXPECT_FALSE(d.SetName(5, QStringLiteral("Paris")));
    EXPECT_FALSE(d.SetSelected(-1));
    EXPECT_FALSE(d.SetSelected(5));
    EXPECT_EQ(d.Selected(), 4);
    EXPECT_EQ(GetReg().GetDWORDValue(CRegistry::CityX), 4u);
    const DisplayedCities again = DisplayedCities::Read();
    EXPECT_EQ(again.Name(1), QStringLiteral("Tokyo"));
    EXPECT_EQ(again.Selected(), 4);
}

TEST_F(DisplayedCitiesTest, EachWriteTellsTheRunningTodayItem) {
    std::vector<UINT> received;
    za::PlatformWindow item(QStringLiteral("ZAToday"), QString(), [&](UINT msg, WPARAM, LPARAM) { received.push_back(msg); });
    ASSERT_NE(item.hwnd(), nullptr);
    GetReg().WriteDWORDValue(CRegistry::ZAReserved, static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(item.hwnd())));
    DisplayedCities d = DisplayedCities::Read();
    d.SetName(2, QStringLiteral("Sydney"));
    d.SetSelected(2);
    const UINT update = RegisterWindowMessageW(QStringLiteral("WM_UPDATE_ZATODAY"));
    QElapsedTimer waited;
    waited.start();
    while (received.size() < 2 && waited.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(received, (std::vector<UINT>{update, update}));
}
