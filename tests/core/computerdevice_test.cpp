// The computer as the device: its zone and clock through systemd's time service, played by
// python3-dbusmock's timedated template on a private bus.
#include "citylist.h"
#include "cityinstall.h"
#include "clock.h"
#include "currentcity.h"
#include "poapp.h"
#include "poutlook.h"
#include "profile.h"
#include "settings.h"
#include "sntp.h"
#include "timedatemock.h"
#include "timeservice.h"
#include "tzderive.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

using za::test::FixedHostClock;
using za::test::TimedateMock;
using za::test::UtcMs;

namespace {

// Runs the event loop until done() or a generous deadline; whether it came in time is not
// what is tested, only that it came.
bool WaitFor(const std::function<bool()>& done) {
    QDeadlineTimer deadline(20000);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    return true;
}

CCity LoadCity(const QString& name) {
    CCity city;
    CCityList list;
    EXPECT_TRUE(list.Open() && list.LoadCity(name, city)) << name.toStdString();
    list.Close();
    return city;
}

QString FirstCity() {
    CRegistry& reg = GetReg();
    reg.Open();
    const QString name = reg.GetStringValue(CRegistry::City0);
    reg.Close();
    return name;
}

QString StandardName(const TIME_ZONE_INFORMATION& tzi) { return za::tz::StandardName(tzi); }

// A profile made while the mock runs: the mock comes first, the profile opens at first use.
class ComputerDevice : public za::test::ProfileTest {
protected:
    void SetUp() override { GetPOApp().Logoff(); }
    void TearDown() override { GetPOApp().Logoff(); }
};

}  // namespace

TEST_F(ComputerDevice, ANewProfileTakesTheComputerAndTheUsersOwnCity) {
    struct Row {
        const char* nickname;
        const char* zone;
        const char* city;
        const char* standardName;
    };
    const Row rows[] = {
        {"a zone a city is named after", "Europe/Berlin", "Berlin", "W. Europe Standard Time"},
        {"a city with a comma", "America/New_York", "New York, NY", "Eastern Standard Time"},
        {"a zone no city names: a city keeping its offset all year", "Etc/UTC", "Reykjav\u00edk",
         "Greenwich Standard Time"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.nickname);
        za::test::TempProfile fresh;
        TimedateMock mock{QString::fromLatin1(r.zone)};
        ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
        GetPOApp().Logoff();

        EXPECT_EQ(za::device::DeviceKind::Computer, za::device::Kind());
        EXPECT_EQ(QString::fromUtf8(r.city), FirstCity());
        QString home;
        int zone = -1;
        ASSERT_TRUE(GetPOApp().GetCurrentCityAndTZID(home, &zone));
        EXPECT_EQ(QString::fromUtf8(r.city), home);
        TIME_ZONE_INFORMATION tzi{};
        ASSERT_NE(TIME_ZONE_ID_INVALID, GetTimeZoneInformation(&tzi));
        EXPECT_EQ(QString::fromLatin1(r.standardName), StandardName(tzi));
        // The display's city is in the device zone: the start-up check has nothing to replace.
        EXPECT_TRUE(LoadCity(QString::fromUtf8(r.city)).TimeZone().IsSameTZ(&tzi));
        EXPECT_TRUE(mock.Calls().isEmpty()) << "a new profile changes nothing on the computer";
    }
}

TEST_F(ComputerDevice, AZoneNoCityUsesMapsToTheEntryWithItsOffsetsThisYearAndNext) {
    const auto utc = za::outlook::MapZone("Etc/UTC", 2026);
    EXPECT_EQ(90, utc.entry);
    EXPECT_EQ(za::outlook::ZoneMatch::SameOffsets, utc.match);
    EXPECT_TRUE(za::outlook::DescribeMapping("Etc/UTC", utc).contains(QStringLiteral("no city uses this zone")));
    // Europe/Rome is no entry's own, but Rome is a city of the list: the entry of its cities.
    const auto rome = za::outlook::MapZone("Europe/Rome", 2026);
    EXPECT_EQ(110, rome.entry);
    EXPECT_EQ(za::outlook::ZoneMatch::City, rome.match);
    EXPECT_EQ(za::outlook::ZoneMatch::Table, za::outlook::MapZone("Asia/Tokyo", 2026).match);
}

TEST_F(ComputerDevice, MakingACityCurrentSetsTheComputersZoneToTheCitysOwn) {
    TimedateMock mock{QStringLiteral("Europe/Berlin")};
    ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
    // The profile is made while the mock runs, so that it takes the computer.
    za::test::TempProfile onComputer;
    GetPOApp().Logoff();
    GetPOApp().Logoff();

    EXPECT_TRUE(za::ApplyCurrentCity(LoadCity(QStringLiteral("London")), 0));
    TIME_ZONE_INFORMATION tzi{};
    GetTimeZoneInformation(&tzi);
    EXPECT_EQ(QStringLiteral("GMT Standard Time"), StandardName(tzi));
    EXPECT_EQ(QByteArray("Europe/London"), za::device::TimeService().timezone);

    // Rome shares Berlin's entry; the computer is still told the city's own zone.
    EXPECT_TRUE(za::ApplyCurrentCity(LoadCity(QStringLiteral("Rome")), 3));
    EXPECT_EQ((QStringList{QStringLiteral("SetTimezone \"Europe/London\" True"),
                           QStringLiteral("SetTimezone \"Europe/Rome\" True")}),
              mock.Calls());
    QString current;
    int zone = -1;
    ASSERT_TRUE(GetPOApp().GetCurrentCityAndTZID(current, &zone));
    EXPECT_EQ(QStringLiteral("Rome"), current);
}

TEST_F(ComputerDevice, ARefusalChangesNeitherTheZoneNorTheCurrentCity) {
    TimedateMock mock{QStringLiteral("Europe/Berlin")};
    ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
    // The profile is made while the mock runs, so that it takes the computer.
    za::test::TempProfile onComputer;
    GetPOApp().Logoff();
    ASSERT_TRUE(mock.Refuse(QStringLiteral("SetTimezone"), QStringLiteral("sb")));
    GetPOApp().Logoff();
    QString before;
    int beforeZone = -1;
    ASSERT_TRUE(GetPOApp().GetCurrentCityAndTZID(before, &beforeZone));

    EXPECT_FALSE(za::ApplyCurrentCity(LoadCity(QStringLiteral("Tokyo")), 0));
    EXPECT_TRUE(za::device::LastClockError().contains(QStringLiteral("not authorised")))
        << za::device::LastClockError().toStdString();
    TIME_ZONE_INFORMATION tzi{};
    GetTimeZoneInformation(&tzi);
    EXPECT_EQ(QStringLiteral("W. Europe Standard Time"), StandardName(tzi));
    QString after;
    int afterZone = -1;
    ASSERT_TRUE(GetPOApp().GetCurrentCityAndTZID(after, &afterZone));
    EXPECT_EQ(before, after);
    EXPECT_EQ(beforeZone, afterZone);
    EXPECT_EQ(QByteArray("Europe/Berlin"), za::device::TimeService().timezone);
}

TEST_F(ComputerDevice, TheClockIsSetAndCorrectedThroughTheTimeService) {
    TimedateMock mock{QStringLiteral("Europe/Berlin")};
    ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
    // The profile is made while the mock runs, so that it takes the computer.
    za::test::TempProfile onComputer;
    GetPOApp().Logoff();
    FixedHostClock host{UtcMs(2026, 3, 1, 12, 0)};
    const SYSTEMTIME target = za::test::MakeTime(2026, 3, 1, 13, 30, 15);
    EXPECT_TRUE(SetSystemTime(&target));
    // Sync's correction moves the clock by the offset measured, whatever the call's delay.
    EXPECT_TRUE(SetSystemTimeByOffset(-2.5));
    EXPECT_EQ((QStringList{QStringLiteral("SetTime %1 False True").arg(UtcMs(2026, 3, 1, 13, 30, 15) * 1000),
                           QStringLiteral("SetTime -2500000 True True")}),
              mock.Calls());
    // The device clock is the host's own: no offset of Zonaria's own.
    SYSTEMTIME now{};
    GetSystemTime(&now);
    EXPECT_EQ(12, now.wHour);
    EXPECT_EQ(0, now.wMinute);
}

TEST_F(ComputerDevice, AZoneChangedFromOutsideIsFollowed) {
    TimedateMock mock{QStringLiteral("Europe/Berlin")};
    ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
    // The profile is made while the mock runs, so that it takes the computer.
    za::test::TempProfile onComputer;
    GetPOApp().Logoff();
    TIME_ZONE_INFORMATION tzi{};
    GetTimeZoneInformation(&tzi);
    ASSERT_EQ(QStringLiteral("W. Europe Standard Time"), StandardName(tzi));
    QObject context;
    unsigned seen = 0;
    za::device::WatchDeviceChanges(&context, [&seen](unsigned changes) { seen |= changes; });

    ASSERT_TRUE(mock.SetProperty(QStringLiteral("Timezone"), QStringLiteral("Asia/Tokyo")));
    ASSERT_TRUE(WaitFor([&] { return (seen & za::device::ZoneOrClockChanged) != 0; }));
    GetTimeZoneInformation(&tzi);
    EXPECT_EQ(QStringLiteral("Tokyo Standard Time"), StandardName(tzi));
    EXPECT_EQ(-540, tzi.Bias);
}

TEST_F(ComputerDevice, AServiceThatVanishesLeavesTheProfileOnTheComputerAndRefusesChanges) {
    TimedateMock mock{QStringLiteral("Europe/Berlin")};
    ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
    // The profile is made while the mock runs, so that it takes the computer.
    za::test::TempProfile onComputer;
    GetPOApp().Logoff();
    GetPOApp().Logoff();
    ASSERT_TRUE(za::device::TimeService().answers);
    QObject context;
    unsigned seen = 0;
    za::device::WatchDeviceChanges(&context, [&seen](unsigned changes) { seen |= changes; });

    mock.StopService();
    ASSERT_TRUE(WaitFor([&] { return (seen & za::device::ZoneOrClockChanged) != 0; }));
    EXPECT_FALSE(za::device::TimeService().answers);
    EXPECT_EQ(za::device::DeviceKind::Computer, za::device::Kind()) << "never switched without the user";
    EXPECT_FALSE(za::ApplyCurrentCity(LoadCity(QStringLiteral("Tokyo")), 0));
    EXPECT_TRUE(za::device::LastClockError().contains(QStringLiteral("does not answer")))
        << za::device::LastClockError().toStdString();
    // The zone is then the host's own, as the computer keeps it.
    TIME_ZONE_INFORMATION tzi{};
    EXPECT_NE(TIME_ZONE_ID_INVALID, GetTimeZoneInformation(&tzi));
    EXPECT_EQ(QTimeZone::systemTimeZoneId(), za::device::ComputerZoneId());
}

TEST_F(ComputerDevice, TheMachinesOwnZoneAndClockAreUntouched) {
    const QString localtime = QFileInfo(QStringLiteral("/etc/localtime")).symLinkTarget();
    const QByteArray hostZone = QTimeZone::systemTimeZoneId();
    QElapsedTimer monotonic;
    monotonic.start();
    const qint64 wallBefore = QDateTime::currentMSecsSinceEpoch();
    {
        TimedateMock mock{QStringLiteral("Europe/Berlin")};
        ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
        // The profile is made while the mock runs, so that it takes the computer.
        za::test::TempProfile onComputer;
        GetPOApp().Logoff();
        GetPOApp().Logoff();
        EXPECT_TRUE(za::ApplyCurrentCity(LoadCity(QStringLiteral("Tokyo")), 0));
        SYSTEMTIME later{};
        GetSystemTime(&later);
        later.wYear = static_cast<WORD>(later.wYear + 1);
        if (later.wMonth == 2 && later.wDay == 29) later.wDay = 28;
        EXPECT_TRUE(SetSystemTime(&later));
        EXPECT_TRUE(SetSystemTimeByOffset(7200.0));
        QString error;
        EXPECT_TRUE(za::device::SetComputerNtp(false, &error));
        // Every change went to the mock...
        EXPECT_EQ(4, mock.Calls().size());
    }
    // ...and none to the machine: its zone is what it was, its clock ran on as the monotonic
    // clock did (a year or two hours would show).
    EXPECT_EQ(localtime, QFileInfo(QStringLiteral("/etc/localtime")).symLinkTarget());
    EXPECT_EQ(hostZone, QTimeZone::systemTimeZoneId());
    const qint64 drift = (QDateTime::currentMSecsSinceEpoch() - wallBefore) - monotonic.elapsed();
    EXPECT_LT(std::abs(drift), 60 * 1000);
}

TEST_F(ComputerDevice, WithoutATimeServiceANewProfileTakesThePrivateDeviceAndTheHostsCity) {
    // The tests' system bus does not exist. The private device starts in the host's zone, and
    // its first city is the host zone's, as on the computer: never a city of another zone that
    // the start-up check would replace (San Francisco became Abidjan on a host in UTC).
    EXPECT_EQ(za::device::DeviceKind::Private, za::device::Kind());
    const struct {
        const char* zone;
        const char* city;
    } hosts[] = {{"Europe/Berlin", "Berlin"}, {"Etc/UTC", "Reykjav\u00edk"}, {"America/Los_Angeles", "Los Angeles, CA"}};
    for (const auto& h : hosts) {
        SCOPED_TRACE(h.zone);
        za::outlook::SetHostZoneId(h.zone);
        za::test::TempProfile fresh;
        GetPOApp().Logoff();
        EXPECT_EQ(za::device::DeviceKind::Private, za::device::Kind());
        EXPECT_EQ(QString::fromUtf8(h.city), FirstCity());
        TIME_ZONE_INFORMATION tzi{};
        ASSERT_NE(TIME_ZONE_ID_INVALID, GetTimeZoneInformation(&tzi));
        EXPECT_TRUE(LoadCity(QString::fromUtf8(h.city)).TimeZone().IsSameTZ(&tzi));
        za::outlook::SetHostZoneId(QByteArray());
    }
    QString error;
    EXPECT_FALSE(za::device::SetDeviceKind(za::device::DeviceKind::Computer, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(za::device::DeviceKind::Private, za::device::Kind());
}

TEST_F(ComputerDevice, TheUserMayChooseThePrivateDevice) {
    TimedateMock mock{QStringLiteral("Europe/Berlin")};
    ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
    // The profile is made while the mock runs, so that it takes the computer.
    za::test::TempProfile onComputer;
    GetPOApp().Logoff();
    ASSERT_EQ(za::device::DeviceKind::Computer, za::device::Kind());
    QString error;
    ASSERT_TRUE(za::device::SetDeviceKind(za::device::DeviceKind::Private, &error)) << error.toStdString();
    GetPOApp().Logoff();
    EXPECT_TRUE(za::ApplyCurrentCity(LoadCity(QStringLiteral("Tokyo")), 0));
    TIME_ZONE_INFORMATION tzi{};
    GetTimeZoneInformation(&tzi);
    EXPECT_EQ(-540, tzi.Bias);
    EXPECT_TRUE(mock.Calls().isEmpty()) << "the private device leaves the computer alone";
    EXPECT_EQ(QByteArray("Europe/Berlin"), za::device::TimeService().timezone);
}

TEST(UserCityForZone, PicksTheZonesOwnCityElseAWellKnownOneWithItsOffsets) {
    EXPECT_EQ(QStringLiteral("Berlin"), za::UserCityForZone("Europe/Berlin", 2026));
    EXPECT_EQ(QStringLiteral("Tokyo"), za::UserCityForZone("Asia/Tokyo", 2026));
    EXPECT_EQ(QString::fromUtf8("Reykjav\u00edk"), za::UserCityForZone("Etc/UTC", 2026));
    // Nine hours east all year, as Tokyo.
    EXPECT_EQ(QStringLiteral("Tokyo"), za::UserCityForZone("Etc/GMT-9", 2026));
}
