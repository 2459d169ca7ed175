// The alarm record and the program's list of alarms over the notification store: the proposed
// time of a new alarm, the conversions between a city's time and the device's, the default
// message, the past, which notifications are the program's, and the instant that stays when
// the device zone changes.
#include "alarm.h"
#include "citylist.h"
#include "clock.h"
#include "currentcity.h"
#include "profile.h"
#include "shell.h"
#include "window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using za::test::FixedHostClock;
using za::test::UtcMs;

namespace {

constexpr int kTokyo = 235;
constexpr int kLondon = 85;
constexpr int kSanFrancisco = 4;
constexpr int kSydney = 255;

CCity Load(const char* name) {
    CCity city;
    EXPECT_TRUE(GetCityList().LoadCity(QString::fromUtf8(name), city)) << name;
    return city;
}

// Makes the zone of that ID the device's.
void SetDeviceZone(int id) {
    CTimeZone zone;
    zone.Load(id);
    ASSERT_TRUE(zone.SetSystemTimeZone());
}

DATE Date(int year, int month, int day, int hour, int minute, int second = 0) {
    const SYSTEMTIME st = za::test::MakeTime(year, month, day, hour, minute, second);
    DATE d = 0;
    SystemTimeToVariantTime(&st, &d);
    return d;
}

SYSTEMTIME FromDate(DATE d) {
    SYSTEMTIME st{};
    VariantTimeToSystemTime(d, &st);
    return st;
}

HANDLE RegisterOther(const QString& application) {
    const QString args = QStringLiteral("Tokyo");
    CE_NOTIFICATION_TRIGGER trigger{};
    trigger.dwSize = sizeof trigger;
    trigger.dwType = CNT_TIME;
    trigger.lpszApplication = const_cast<WCHAR*>(reinterpret_cast<const WCHAR*>(application.utf16()));
    trigger.lpszArguments = const_cast<WCHAR*>(reinterpret_cast<const WCHAR*>(args.utf16()));
    trigger.stStartTime = za::test::MakeTime(2026, 8, 1, 9, 0);
    CE_USER_NOTIFICATION user{};
    return CeSetUserNotificationEx(nullptr, &trigger, &user);
}

class AlarmTest : public za::test::ProfileTest {
protected:
    AlarmTest() : host(UtcMs(2026, 7, 1, 1, 37, 0)) {  // 10:37 in Tokyo
        EXPECT_TRUE(GetCityList().Open());
    }
    ~AlarmTest() override { GetCityList().Close(); }
    FixedHostClock host;
    za::shell::ScopedRecorder shell;
};

}  // namespace

TEST_F(AlarmTest, ANewAlarmIsProposedForTheNextWholeHourInItsCityWhateverTheDeviceZone) {
    const CCity tokyo = Load("Tokyo");
    for (int device : {kTokyo, kLondon, kSanFrancisco, kSydney}) {
        SCOPED_TRACE(device);
        SetDeviceZone(device);
        const CAlarm alarm(tokyo);
        const SYSTEMTIME proposed = FromDate(alarm.GetCityLocalTime());
        EXPECT_EQ(2026, proposed.wYear);
        EXPECT_EQ(1, proposed.wDay);
        EXPECT_EQ(11, proposed.wHour);
        EXPECT_EQ(0, proposed.wMinute);
        EXPECT_EQ(0, proposed.wSecond);
        EXPECT_FALSE(alarm.IsCustomMessage());
        EXPECT_EQ(QStringLiteral("It is 11:00 AM in Tokyo"), alarm.Message());
        EXPECT_EQ(29u, alarm.ActionFlags());  // "AlarmOptions" by default: LED, dialog, sound, repeat
        EXPECT_EQ(QStringLiteral("Alarm1"), alarm.Sound());
    }
}

TEST_F(AlarmTest, ACityTimeIsKeptAsTheDeviceLocalEquivalentAndReadsBack) {
    SetDeviceZone(kSanFrancisco);
    const CCity tokyo = Load("Tokyo");
    CAlarm alarm(tokyo);
    alarm.SetTimeAndCity(tokyo, Date(2026, 7, 2, 8, 0));
    // 08:00 in Tokyo (UTC+9) is 16:00 the day before in San Francisco (daylight time, UTC-7).
    EXPECT_EQ(1, alarm.AlarmTime().wDay);
    EXPECT_EQ(16, alarm.AlarmTime().wHour);
    EXPECT_EQ(QStringLiteral("4:00 PM 7/1/26"), alarm.DisplayTime());
    ASSERT_TRUE(alarm.Register());

    CAlarmList list;
    list.LoadAll();
    ASSERT_EQ(1, list.GetCount());
    const CAlarm& back = *list.GetAt(0);
    EXPECT_EQ(alarm.Handle(), back.Handle());
    EXPECT_EQ(QStringLiteral("Tokyo"), back.City().Name());
    const SYSTEMTIME cityTime = FromDate(back.GetCityLocalTime());
    EXPECT_EQ(2, cityTime.wDay);
    EXPECT_EQ(8, cityTime.wHour);
    EXPECT_EQ(0, cityTime.wMinute);
    EXPECT_FALSE(back.IsCustomMessage());
    EXPECT_EQ(QStringLiteral("It is 8:00 AM in Tokyo"), back.Message());
}

// The mend: the store keeps the instant, so a change of the device's zone (another current
// city) leaves the alarm at 7:00 in Tokyo.
TEST_F(AlarmTest, AnAlarmKeepsItsCityTimeAndInstantWhenTheDeviceZoneChanges) {
    SetDeviceZone(kLondon);
    const CCity tokyo = Load("Tokyo");
    CAlarm alarm(tokyo);
    alarm.SetTimeAndCity(tokyo, Date(2026, 7, 3, 7, 0));
    ASSERT_TRUE(alarm.Register());
    const std::int64_t instant = za::notify::Read(alarm.Handle())->dueUtcMs;
    EXPECT_EQ(UtcMs(2026, 7, 2, 22, 0, 0), instant);

    ASSERT_TRUE(za::ApplyCurrentCity(Load("Sydney"), 0));
    CAlarmList list;
    list.LoadAll();
    ASSERT_EQ(1, list.GetCount());
    const SYSTEMTIME cityTime = FromDate(list.GetAt(0)->GetCityLocalTime());
    EXPECT_EQ(3, cityTime.wDay);
    EXPECT_EQ(7, cityTime.wHour);
    EXPECT_EQ(0, cityTime.wMinute);
    // Shown in the device's new local time: 08:00 in Sydney (UTC+10 in July).
    EXPECT_EQ(8, list.GetAt(0)->AlarmTime().wHour);
    EXPECT_EQ(instant, za::notify::Read(alarm.Handle())->dueUtcMs);
    EXPECT_EQ(QStringLiteral("It is 7:00 AM in Tokyo"), list.GetAt(0)->Message());
    EXPECT_FALSE(list.GetAt(0)->IsCustomMessage());
}

TEST_F(AlarmTest, TheDefaultMessageFollowsUntilTheUserWritesHisOwn) {
    SetDeviceZone(kLondon);
    const CCity tokyo = Load("Tokyo");
    const CCity london = Load("London");
    CAlarm alarm(tokyo);
    alarm.SetTimeAndCity(london, Date(2026, 7, 4, 6, 30));
    EXPECT_EQ(QStringLiteral("It is 6:30 AM \u00a4 in London"), alarm.Message());  // with the daylight mark

    alarm.SetMessage(QStringLiteral("Call home"));
    EXPECT_TRUE(alarm.IsCustomMessage());
    alarm.SetTimeAndCity(tokyo, Date(2026, 7, 4, 9, 0));
    EXPECT_EQ(QStringLiteral("Call home"), alarm.Message());

    // Typing exactly the default text counts as the default again.
    alarm.SetMessage(QStringLiteral("It is 9:00 AM in Tokyo"));
    EXPECT_FALSE(alarm.IsCustomMessage());
    alarm.SetTimeAndCity(tokyo, Date(2026, 7, 4, 9, 15));
    EXPECT_EQ(QStringLiteral("It is 9:15 AM in Tokyo"), alarm.Message());

    const CAlarm copy = alarm;
    EXPECT_EQ(alarm.Message(), copy.Message());
    EXPECT_EQ(alarm.Sound(), copy.Sound());
    EXPECT_EQ(alarm.City().Name(), copy.City().Name());
}

TEST_F(AlarmTest, LessThanAWholeSecondAheadIsThePast) {
    const CCity tokyo = Load("Tokyo");
    struct Case {
        const char* name;
        std::int64_t hostMs;
        DATE cityLocal;
        bool future;
    } cases[] = {
        {"now", UtcMs(2026, 7, 1, 1, 37, 0), Date(2026, 7, 1, 10, 37, 0), false},
        {"one second ahead", UtcMs(2026, 7, 1, 1, 37, 0), Date(2026, 7, 1, 10, 37, 1), true},
        {"a tenth of a second ahead", UtcMs(2026, 7, 1, 1, 36, 59) + 900, Date(2026, 7, 1, 10, 37, 0), true},
        {"a minute ago", UtcMs(2026, 7, 1, 1, 37, 0), Date(2026, 7, 1, 10, 36, 0), false},
        {"tomorrow", UtcMs(2026, 7, 1, 1, 37, 0), Date(2026, 7, 2, 10, 0, 0), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.Set(c.hostMs);
        EXPECT_EQ(c.future, static_cast<bool>(CAlarm::IsInFuture(tokyo, c.cityLocal)));
    }
}

// Past the 128th alarm, or with a message longer than the first read buffer, an alarm was
// stored and rang but was not listed, so it could not be deleted either.
TEST_F(AlarmTest, OnlyThisProgramsNotificationsAreListedHoweverManyAndHoweverLong) {
    const CCity tokyo = Load("Tokyo");
    for (int i = 0; i < 3; ++i) ASSERT_NE(nullptr, RegisterOther(QStringLiteral("/usr/bin/other-program")));
    // A path that differs only in case is another program's.
    ASSERT_NE(nullptr, RegisterOther(AlarmApplicationPath().toUpper()));
    for (int i = 0; i < 199; ++i) {
        CAlarm alarm(tokyo);
        ASSERT_TRUE(alarm.Register());
    }
    CAlarm longOne(tokyo);
    const QString message = QString(5000, QLatin1Char('x')) + QStringLiteral(" the end");
    longOne.SetMessage(message);
    ASSERT_TRUE(longOne.Register());
    CAlarmList list;
    list.LoadAll();
    ASSERT_EQ(200, list.GetCount());
    for (int i = 0; i < list.GetCount(); ++i) EXPECT_EQ(QStringLiteral("Tokyo"), list.GetAt(i)->City().Name());
    CAlarm* last = list.GetAt(199);
    EXPECT_EQ(longOne.Handle(), last->Handle());
    EXPECT_EQ(message, last->Message());
    EXPECT_TRUE(list.Remove(last));
    CAlarmList again;
    again.LoadAll();
    EXPECT_EQ(199, again.GetCount());
}

TEST_F(AlarmTest, ACityThatIsGoneGivesWayToTheFirstCity) {
    const CCity tokyo = Load("Tokyo");
    CCity ghost = tokyo;
    ghost.SetName(QStringLiteral("Atlantis"));
    CAlarm alarm(ghost);
    alarm.SetMessage(QStringLiteral("Sunken"));
    ASSERT_TRUE(alarm.Register());
    CAlarmList list;
    list.LoadAll();
    ASSERT_EQ(1, list.GetCount());
    CCity first;
    ASSERT_TRUE(GetCityList().BeginLoadCityByIndex());
    ASSERT_TRUE(GetCityList().LoadCity(0L, first));
    GetCityList().EndLoadCityByIndex();
    EXPECT_EQ(first.Name(), list.GetAt(0)->City().Name());
    EXPECT_FALSE(list.GetAt(0)->IsCustomMessage());
    EXPECT_EQ(QStringLiteral("Sunken"), list.GetAt(0)->Message());  // until the next change
}

TEST_F(AlarmTest, RemovingAndPurgingTouchOnlyWhatTheySay) {
    const CCity tokyo = Load("Tokyo");
    CAlarm a(tokyo), b(tokyo), c(tokyo);
    ASSERT_TRUE(a.Register() && b.Register() && c.Register());
    CAlarmList list;
    list.LoadAll();
    ASSERT_EQ(3, list.GetCount());
    CAlarm stranger(tokyo);
    EXPECT_FALSE(list.Remove(&stranger));
    EXPECT_TRUE(list.Remove(list.GetAt(0)));
    EXPECT_EQ(2, list.GetCount());
    DWORD needed = 0;
    EXPECT_FALSE(CeGetUserNotification(a.Handle(), 0, &needed, nullptr));

    // Cleared elsewhere (rung and dismissed): purged from the list, nothing else cleared.
    ASSERT_TRUE(CeClearUserNotification(c.Handle()));
    list.PurgeExpired();
    ASSERT_EQ(1, list.GetCount());
    EXPECT_EQ(b.Handle(), list.GetAt(0)->Handle());
    EXPECT_TRUE(CeGetUserNotification(b.Handle(), 0, &needed, nullptr) || needed > 0);
    // A record whose clearing the store refuses stays.
    ASSERT_TRUE(CeClearUserNotification(b.Handle()));
    EXPECT_FALSE(list.Remove(list.GetAt(0)));
    EXPECT_EQ(1, list.GetCount());
}

TEST_F(AlarmTest, RegisteringStartsTheAgentUnlessItRuns) {
    const CCity tokyo = Load("Tokyo");
    const QString agent = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zonaria-alarmd"));
    ASSERT_TRUE(QFileInfo(agent).isExecutable()) << agent.toStdString();
    CAlarm first(tokyo);
    ASSERT_TRUE(first.Register());
    ASSERT_EQ(1u, shell->CallsOf(QStringLiteral("start")).size());
    EXPECT_EQ(agent, shell->CallsOf(QStringLiteral("start"))[0].text);

    za::PlatformWindow running(QString::fromLatin1(kAlarmAgentWindowClass), QString(), [](UINT, WPARAM, LPARAM) {});
    CAlarm second(tokyo);
    ASSERT_TRUE(second.Register());
    EXPECT_EQ(1u, shell->CallsOf(QStringLiteral("start")).size());
}

// The two alarms that rang an hour off, with the device zone New York. London at 05:30 on
// 7 November 2027 is 01:30 in New York, which that night happens twice: read back through the
// device's local time it was the second (06:30Z). New York's own 02:30 on 14 March 2027 does
// not exist: it was stored as 01:30 EST (06:30Z) while the picker showed 2:30. The alarm holds
// its instant from the moment it is set; a time skipped is the one after the gap, and it says so.
TEST_F(AlarmTest, AlarmsInTheRepeatedAndTheMissingHourHoldTheirInstant) {
    host.Set(UtcMs(2027, 1, 10, 12, 0, 0));
    SetDeviceZone(35);
    const struct {
        const char* nickname;
        const char* city;
        DATE cityLocal;
        std::int64_t dueUtcMs;
        bool noted;
        const char* message;
    } rows[] = {
        {"London in New York's repeated hour", "London", Date(2027, 11, 7, 5, 30), UtcMs(2027, 11, 7, 5, 30), false,
         "It is 5:30 AM in London"},
        {"New York's missing hour", "New York, NY", Date(2027, 3, 14, 2, 30), UtcMs(2027, 3, 14, 7, 30), true,
         "It is 3:30 AM \u00a4 in New York, NY"},
        {"New York's repeated hour: the first", "New York, NY", Date(2027, 11, 7, 1, 30), UtcMs(2027, 11, 7, 5, 30),
         true, "It is 1:30 AM \u00a4 in New York, NY"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.nickname);
        const CCity city = Load(r.city);
        CAlarm alarm(city);
        QString note;
        alarm.SetTimeAndCity(city, r.cityLocal, &note);
        EXPECT_EQ(r.dueUtcMs, alarm.DueUtcMs());
        EXPECT_EQ(r.noted, !note.isEmpty()) << note.toStdString();
        EXPECT_EQ(QString::fromUtf8(r.message), alarm.Message());
        ASSERT_TRUE(alarm.Register());
        // The store keeps that instant, and the alarm read back is the same one.
        const auto stored = za::notify::Read(alarm.Handle());
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(r.dueUtcMs, stored->dueUtcMs);
        CAlarmList list;
        list.LoadAll();
        const CAlarm* back = nullptr;
        for (int i = 0; i < list.GetCount(); ++i) {
            if (list.GetAt(i)->Handle() == alarm.Handle()) back = list.GetAt(i);
        }
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(r.dueUtcMs, back->DueUtcMs());
        EXPECT_EQ(QString::fromUtf8(r.message), back->DefaultMessage());
        EXPECT_FALSE(back->IsCustomMessage());
    }
}
