#include "clock.h"
#include "device.h"
#include "profile.h"
#include "tzderive.h"

#include <QDateTime>
#include <QDir>

using za::test::FixedHostClock;
using za::test::MakeTime;
using za::test::ProfileTest;
using za::test::UtcMs;
using za::test::ZoneOfYear;

namespace {

}  // namespace

class DeviceClock : public ProfileTest {};

TEST_F(DeviceClock, SettingTheClockMovesTheDeviceNotTheHost) {
    FixedHostClock host(UtcMs(2026, 6, 1, 12, 0, 0));
    SYSTEMTIME target = MakeTime(2027, 1, 2, 3, 4, 5);
    ASSERT_TRUE(SetSystemTime(&target));
    SYSTEMTIME now{};
    GetSystemTime(&now);
    EXPECT_EQ(2027, now.wYear);
    EXPECT_EQ(5, now.wSecond);
    // The offset is kept: ten host seconds later the device is ten seconds later too.
    host.Set(UtcMs(2026, 6, 1, 12, 0, 10));
    za::device::Reset();
    GetSystemTime(&now);
    EXPECT_EQ(15, now.wSecond);
    EXPECT_EQ(UtcMs(2027, 1, 2, 3, 4, 15), za::device::NowUtcMs());

    SYSTEMTIME bad = MakeTime(2027, 1, 2);
    bad.wDay = 30;
    bad.wMonth = 2;
    EXPECT_FALSE(SetSystemTime(&bad));
    bad = MakeTime(2027, 1, 2);
    bad.wHour = 24;
    EXPECT_FALSE(SetSystemTime(&bad));
}

// The clock a worker thread reads: the offset of the moment it was taken, the host clock at
// each reading, and no profile.
TEST_F(DeviceClock, ADetachedClockKeepsTheOffsetItWasTakenWith) {
    FixedHostClock host(UtcMs(2026, 6, 1, 12, 0, 0));
    SYSTEMTIME ahead = MakeTime(2026, 6, 1, 15, 0, 0);
    ahead.wMilliseconds = 250;
    ASSERT_TRUE(SetSystemTime(&ahead));
    const za::device::SystemTimeSource detached = za::device::DetachedSystemTime();
    host.Set(UtcMs(2026, 6, 1, 12, 0, 10));
    SYSTEMTIME got{};
    detached(&got);
    EXPECT_EQ(15, got.wHour);
    EXPECT_EQ(10, got.wSecond);
    EXPECT_EQ(250, got.wMilliseconds);
    // The profile is closed and the device clock moved: the detached clock does not notice.
    SYSTEMTIME later = MakeTime(2030, 1, 1);
    ASSERT_TRUE(SetSystemTime(&later));
    za::device::Reset();
    detached(&got);
    EXPECT_EQ(2026, got.wYear);
    EXPECT_EQ(15, got.wHour);
}

TEST_F(DeviceClock, LocalTimeFollowsTheDeviceZoneRules) {
    FixedHostClock host(UtcMs(2026, 7, 1, 12, 0, 0));
    TIME_ZONE_INFORMATION paris = ZoneOfYear("Europe/Paris", 2026);
    ASSERT_TRUE(SetTimeZoneInformation(&paris));
    SYSTEMTIME local{};
    GetLocalTime(&local);
    EXPECT_EQ(14, local.wHour);  // CEST in July
    TIME_ZONE_INFORMATION back{};
    EXPECT_EQ(TIME_ZONE_ID_DAYLIGHT, GetTimeZoneInformation(&back));
    EXPECT_EQ(QStringLiteral("Std"), za::tz::StandardName(back));
    EXPECT_EQ(-60, back.Bias);

    host.Set(UtcMs(2026, 12, 1, 12, 0, 0));
    GetLocalTime(&local);
    EXPECT_EQ(13, local.wHour);
    EXPECT_EQ(TIME_ZONE_ID_STANDARD, GetTimeZoneInformation(&back));

    TIME_ZONE_INFORMATION tokyo = ZoneOfYear("Asia/Tokyo", 2026);
    ASSERT_TRUE(SetTimeZoneInformation(&tokyo));
    EXPECT_EQ(TIME_ZONE_ID_UNKNOWN, GetTimeZoneInformation(&back));
    GetLocalTime(&local);
    EXPECT_EQ(21, local.wHour);

    EXPECT_FALSE(GetDaylightTime());
    ASSERT_TRUE(SetDaylightTime(1));
    EXPECT_TRUE(GetDaylightTime());
}

TEST_F(DeviceClock, ANewProfileStartsInTheHostZone) {
    const QTimeZone host = QTimeZone::systemTimeZone();
    TIME_ZONE_INFORMATION expected{};
    ASSERT_TRUE(za::tz::DeriveFromZone(host, QDateTime::currentDateTimeUtc().date().year(), &expected));
    TIME_ZONE_INFORMATION device{};
    ASSERT_NE(TIME_ZONE_ID_INVALID, GetTimeZoneInformation(&device));
    EXPECT_EQ(expected.Bias, device.Bias);
    EXPECT_EQ(expected.DaylightBias, device.DaylightBias);
    EXPECT_EQ(expected.StandardDate.wMonth, device.StandardDate.wMonth);
}

TEST_F(DeviceClock, UnusableProfileGivesAnInvalidZone) {
    QDir().mkpath(profile.dbPath());
    TIME_ZONE_INFORMATION tzi{};
    EXPECT_EQ(TIME_ZONE_ID_INVALID, GetTimeZoneInformation(&tzi));
    SYSTEMTIME t = MakeTime(2026, 1, 1);
    EXPECT_FALSE(SetSystemTime(&t));
}
