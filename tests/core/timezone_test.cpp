#include "clock.h"
#include "oledate.h"
#include "poapp.h"
#include "poutlook.h"
#include "profile.h"
#include "timezone.h"
#include "tzderive.h"

#include <QDateTime>
#include <QTimeZone>

#include <cstring>
#include <map>

using za::test::FixedHostClock;
using za::test::MakeTime;
using za::test::ProfileTest;
using za::test::UtcMs;

namespace {

// A zone with a rule set by hand, for the rule logic on its own.
class RuleZone : public CTimeZone {
public:
    explicit RuleZone(const TIME_ZONE_INFORMATION& tzi) {
        m_tzi = tzi;
        m_id = 9999;
    }
};

SYSTEMTIME Rule(int month, int weekday, int occurrence, int hour, int minute = 0) {
    SYSTEMTIME st{};
    st.wMonth = month;
    st.wDayOfWeek = weekday;
    st.wDay = occurrence;
    st.wHour = hour;
    st.wMinute = minute;
    return st;
}

// First Sunday of April to last Sunday of October at 02:00, five hours west of Greenwich.
TIME_ZONE_INFORMATION OldUsEastern() {
    TIME_ZONE_INFORMATION tzi{};
    tzi.Bias = 300;
    tzi.DaylightBias = -60;
    tzi.DaylightDate = Rule(4, 0, 1, 2);
    tzi.StandardDate = Rule(10, 0, 5, 2);
    return tzi;
}

TIME_ZONE_INFORMATION Derived(const char* id, int year = 2026) {
    TIME_ZONE_INFORMATION tzi{};
    EXPECT_TRUE(za::tz::DeriveFromZone(QTimeZone(id), year, &tzi)) << id;
    return tzi;
}

SYSTEMTIME Plus(const SYSTEMTIME& st, int seconds) {
    std::int64_t s = 0;
    za::SystemTimeToSeconds(st, &s);
    SYSTEMTIME out{};
    za::SecondsToSystemTime(s + seconds, &out);
    return out;
}

void ExpectTime(const SYSTEMTIME& expected, const SYSTEMTIME& got) {
    EXPECT_EQ(expected.wYear, got.wYear);
    EXPECT_EQ(expected.wMonth, got.wMonth);
    EXPECT_EQ(expected.wDay, got.wDay);
    EXPECT_EQ(expected.wHour, got.wHour);
    EXPECT_EQ(expected.wMinute, got.wMinute);
    EXPECT_EQ(expected.wSecond, got.wSecond);
    EXPECT_EQ(0, got.wMilliseconds);
    EXPECT_EQ(expected.wDayOfWeek, got.wDayOfWeek);
}

}  // namespace

class TimeZoneRules : public ProfileTest {};

TEST_F(TimeZoneRules, DaylightTimeBeginsJustAfterTheTransitionInstant) {
    const TIME_ZONE_INFORMATION tzi = OldUsEastern();
    const SYSTEMTIME start = MakeTime(2003, 4, 6, 7, 0, 0);
    EXPECT_FALSE(IsDaylightTime(tzi, start));
    EXPECT_TRUE(IsDaylightTime(tzi, Plus(start, 1)));
    EXPECT_FALSE(IsDaylightTime(tzi, Plus(start, -1)));
    // It ends on the last Sunday of October at 02:00 daylight time, 06:00 UTC; the instant is
    // standard time again.
    const SYSTEMTIME end = MakeTime(2003, 10, 26, 6, 0, 0);
    EXPECT_TRUE(IsDaylightTime(tzi, Plus(end, -1)));
    EXPECT_FALSE(IsDaylightTime(tzi, end));
    RuleZone zone(tzi);
    EXPECT_EQ(300, zone.Bias(start));
    EXPECT_EQ(240, zone.Bias(Plus(start, 1)));
    EXPECT_EQ(QStringLiteral("First Sunday in April to Last Sunday in October"), zone.GetDaylightRule());
}

TEST_F(TimeZoneRules, LastOccurrenceInMonthsWithFourAndFiveSundays) {
    TIME_ZONE_INFORMATION tzi{};
    tzi.Bias = 0;
    tzi.DaylightBias = -60;
    // February 2026 has four Sundays (the last is the 22nd), March 2026 five (the 29th).
    tzi.DaylightDate = Rule(2, 0, 5, 0);
    tzi.StandardDate = Rule(3, 0, 5, 1);
    EXPECT_FALSE(IsDaylightTime(tzi, MakeTime(2026, 2, 22, 0, 0, 0)));
    EXPECT_TRUE(IsDaylightTime(tzi, MakeTime(2026, 2, 22, 0, 0, 1)));
    EXPECT_TRUE(IsDaylightTime(tzi, MakeTime(2026, 3, 22, 12, 0, 0)));  // not the fourth Sunday
    EXPECT_TRUE(IsDaylightTime(tzi, MakeTime(2026, 3, 28, 23, 59, 59)));
    EXPECT_FALSE(IsDaylightTime(tzi, MakeTime(2026, 3, 29, 0, 0, 0)));  // 01:00 daylight = 00:00 UTC
}

TEST_F(TimeZoneRules, SouthernHemisphereIsInDaylightTimeInJanuary) {
    const TIME_ZONE_INFORMATION sydney = Derived("Australia/Sydney");
    EXPECT_TRUE(IsDaylightTime(sydney, MakeTime(2026, 1, 15, 12)));
    EXPECT_FALSE(IsDaylightTime(sydney, MakeTime(2026, 7, 15, 12)));
    EXPECT_TRUE(IsDaylightTime(sydney, MakeTime(2026, 12, 15, 12)));
}

TEST_F(TimeZoneRules, NoDaylightTimeAndOutOfRangeRules) {
    TIME_ZONE_INFORMATION tzi = OldUsEastern();
    tzi.StandardDate.wMonth = 0;
    RuleZone none(tzi);
    EXPECT_FALSE(none.SupportsDST());
    EXPECT_FALSE(IsDaylightTime(tzi, MakeTime(2003, 7, 1)));
    EXPECT_EQ(QStringLiteral("Does not observe daylight savings time"), none.GetDaylightRule());

    // Fields outside their ranges give no transition instant: never daylight time, and the
    // rule text still uses an occurrence word from First to Last.
    struct Bad {
        const char* name;
        SYSTEMTIME start;
    } bad[] = {
        {"occurrence 0", Rule(4, 0, 0, 2)},
        {"occurrence 6", Rule(4, 0, 6, 2)},
        {"weekday 7", Rule(4, 7, 1, 2)},
        {"month 13", Rule(13, 0, 1, 2)},
        {"hour 24", Rule(4, 0, 1, 24)},
        {"minute 60", Rule(4, 0, 1, 2, 60)},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.name);
        TIME_ZONE_INFORMATION broken = OldUsEastern();
        broken.DaylightDate = b.start;
        for (int month = 1; month <= 12; ++month) {
            EXPECT_FALSE(IsDaylightTime(broken, MakeTime(2026, month, 15, 12)));
        }
        RuleZone zone(broken);
        const QString text = zone.GetDaylightRule();
        EXPECT_TRUE(text.startsWith(QStringLiteral("First ")) || text.startsWith(QStringLiteral("Last ")))
            << text.toStdString();
    }
}

TEST_F(TimeZoneRules, ConversionsKeepSecondsAndDropMilliseconds) {
    RuleZone zone(Derived("America/New_York"));
    SYSTEMTIME utc = MakeTime(2026, 7, 4, 16, 30, 15);
    utc.wMilliseconds = 999;
    SYSTEMTIME local{};
    zone.UTCTimeToLocalTime(utc, local);
    ExpectTime(MakeTime(2026, 7, 4, 12, 30, 15), local);
    SYSTEMTIME back{};
    zone.LocalTimeToUTCTime(local, back);
    ExpectTime(MakeTime(2026, 7, 4, 16, 30, 15), back);
    // Across a day and a year.
    zone.UTCTimeToLocalTime(MakeTime(2027, 1, 1, 3, 0, 0), local);
    ExpectTime(MakeTime(2026, 12, 31, 22, 0, 0), local);
}

TEST_F(TimeZoneRules, LocalTimeInTheSkippedHourUsesTheDaylightBiasWestOfGreenwich) {
    RuleZone zone(Derived("America/New_York"));
    SYSTEMTIME utc{};
    zone.LocalTimeToUTCTime(MakeTime(2026, 3, 8, 2, 30, 0), utc);  // does not exist
    ExpectTime(MakeTime(2026, 3, 8, 6, 30, 0), utc);
    // The first second of daylight time is the transition instant.
    zone.LocalTimeToUTCTime(MakeTime(2026, 3, 8, 3, 0, 0), utc);
    ExpectTime(MakeTime(2026, 3, 8, 7, 0, 0), utc);
    // 01:30 on the last day of daylight time exists twice: the daylight one is taken.
    zone.LocalTimeToUTCTime(MakeTime(2026, 11, 1, 1, 30, 0), utc);
    ExpectTime(MakeTime(2026, 11, 1, 5, 30, 0), utc);
}

// Paris, 29 March 2026: 03:00:00 local is the first second of summer time, 01:00 UTC. The
// rule's single correction gave 02:00 UTC, so an alarm for that minute rang an hour late.
TEST_F(TimeZoneRules, FirstSecondOfDaylightTimeEastOfGreenwichIsNotAnHourLate) {
    RuleZone paris(Derived("Europe/Paris"));
    SYSTEMTIME utc{};
    paris.LocalTimeToUTCTime(MakeTime(2026, 3, 29, 3, 0, 0), utc);
    ExpectTime(MakeTime(2026, 3, 29, 1, 0, 0), utc);
    paris.LocalTimeToUTCTime(MakeTime(2026, 3, 29, 3, 0, 1), utc);
    ExpectTime(MakeTime(2026, 3, 29, 1, 0, 1), utc);
    // A local time in the skipped hour and one that exists twice keep the rule's result.
    paris.LocalTimeToUTCTime(MakeTime(2026, 3, 29, 2, 30, 0), utc);
    ExpectTime(MakeTime(2026, 3, 29, 1, 30, 0), utc);
    paris.LocalTimeToUTCTime(MakeTime(2026, 10, 25, 2, 30, 0), utc);
    ExpectTime(MakeTime(2026, 10, 25, 1, 30, 0), utc);
    // Every whole minute of the year that exists once converts back to itself.
    const std::int64_t from = za::DaysFromCivil(2026, 1, 1) * 86400;
    int wrong = 0;
    for (std::int64_t t = from; t < from + 365 * 86400; t += 60 * 17) {
        SYSTEMTIME u{}, local{}, again{};
        za::SecondsToSystemTime(t, &u);
        paris.UTCTimeToLocalTime(u, local);
        paris.LocalTimeToUTCTime(local, again);
        std::int64_t back = 0;
        za::SystemTimeToSeconds(again, &back);
        const bool ambiguous = local.wMonth == 10 && local.wDay == 25 && local.wHour == 2;
        if (back != t && !ambiguous) ++wrong;
    }
    EXPECT_EQ(0, wrong);
}

TEST_F(TimeZoneRules, SameRuleComparesBiasesAndDatesButNotHoursOrNames) {
    TIME_ZONE_INFORMATION a = OldUsEastern();
    za::tz::SetNames(&a, QStringLiteral("Eastern Standard Time"), QStringLiteral("Eastern Daylight Time"));
    RuleZone zone(a);
    TIME_ZONE_INFORMATION b = a;
    b.DaylightDate.wHour = 3;
    BOOL sameNames = FALSE;
    EXPECT_TRUE(zone.IsSameTZ(&b, &sameNames));
    EXPECT_TRUE(sameNames);
    za::tz::SetNames(&b, QStringLiteral("Other Standard Time"), QStringLiteral("Eastern Daylight Time"));
    EXPECT_TRUE(zone.IsSameTZ(&b, &sameNames));
    EXPECT_FALSE(sameNames);
    b.DaylightBias = -30;
    EXPECT_FALSE(zone.IsSameTZ(&b));
    b = a;
    b.StandardDate.wDay = 4;
    EXPECT_FALSE(zone.IsSameTZ(&b));
    b = a;
    b.StandardName[31] = u'x';  // past the visible name: still a different name
    EXPECT_TRUE(zone.IsSameTZ(&b, &sameNames));
    EXPECT_FALSE(sameNames);
}

TEST_F(TimeZoneRules, DeviceZoneFunctionsUseTheDeviceZone) {
    FixedHostClock host(UtcMs(2026, 7, 1, 10, 0, 0));
    TIME_ZONE_INFORMATION sydney = Derived("Australia/Sydney");
    ASSERT_TRUE(SetTimeZoneInformation(&sydney));
    SYSTEMTIME local{}, utc{};
    UTCTimeToSystemLocalTime(MakeTime(2026, 1, 10, 0, 0, 0), local);
    ExpectTime(MakeTime(2026, 1, 10, 11, 0, 0), local);
    SystemLocalTimeToUTCTime(MakeTime(2026, 7, 10, 10, 0, 0), utc);
    ExpectTime(MakeTime(2026, 7, 10, 0, 0, 0), utc);

    // Setting the clock also sets the daylight flag for the new instant.
    ASSERT_TRUE(SetSystemTimeAndDST(MakeTime(2026, 12, 24, 1, 0, 0)));
    EXPECT_TRUE(GetDaylightTime());
    SYSTEMTIME now{};
    GetSystemTime(&now);
    EXPECT_EQ(12, now.wMonth);
    ASSERT_TRUE(SetSystemTimeAndDST(MakeTime(2026, 6, 24, 1, 0, 0)));
    EXPECT_FALSE(GetDaylightTime());
    SYSTEMTIME invalid = MakeTime(2026, 6, 24);
    invalid.wMonth = 14;
    EXPECT_FALSE(SetSystemTimeAndDST(invalid));
}

namespace {

// An Outlook of the handheld's older kind: zones only, no city interface, and a zone table
// whose names are the test's.
class ZonesOnlyOutlook : public za::outlook::IPOutlookApp {
public:
    HRESULT Logon(long) override { return S_OK; }
    HRESULT Logoff() override { return S_OK; }
    HRESULT get_CurrentCityIndex(long*) override { return E_NOINTERFACE; }
    HRESULT put_CurrentCityIndex(long) override { return E_NOINTERFACE; }
    HRESULT GetTimeZoneInformationFromIndex(long index, TIME_ZONE_INFORMATION* tzi) override {
        std::memset(tzi, 0, sizeof *tzi);
        if (index == 85) za::tz::SetNames(tzi, QStringLiteral("MT Standard Time"), QStringLiteral("MT Daylight Time"));
        else if (index == 10) za::tz::SetNames(tzi, QStringLiteral("Mountain Standard Time"), QString());
        else return E_INVALIDARG;
        return S_OK;
    }
    HRESULT get_HomeCity(za::outlook::CityPtr*) override { return E_NOINTERFACE; }
    HRESULT put_HomeCity(const za::outlook::CityPtr&) override { return E_NOINTERFACE; }
    HRESULT get_VisitingCity(za::outlook::CityPtr*) override { return E_NOINTERFACE; }
    HRESULT put_VisitingCity(const za::outlook::CityPtr&) override { return E_NOINTERFACE; }
    HRESULT GetDefaultFolder(int, za::outlook::FolderPtr*) override { return E_NOINTERFACE; }
};

}  // namespace

// Zones loaded through the library's Outlook bridge. Each test starts logged off so that the
// bridge logs on to the Outlook of that test.
class TimeZoneLoading : public ProfileTest {
protected:
    void SetUp() override { GetPOApp().Logoff(); }
    void TearDown() override {
        za::outlook::SetAvailability(za::outlook::Availability::Present);
        za::outlook::SetApplicationFactory({});
        GetPOApp().Logoff();
    }
};

TEST_F(TimeZoneLoading, AZoneLoadsItsRuleAndItsDisplayNameFromTheRegistry) {
    CTimeZone pacific;
    EXPECT_FALSE(pacific.IsLoaded());
    EXPECT_EQ(-1, pacific.ID());
    ASSERT_TRUE(pacific.Load(4));
    EXPECT_TRUE(pacific.IsLoaded());
    EXPECT_TRUE(GetPOApp().SupportsICity());
    EXPECT_EQ(QStringLiteral("(GMT-08:00) Pacific Time (US & Canada)"), pacific.Name());
    EXPECT_EQ(480, pacific.UnadjustedBias());
    EXPECT_TRUE(pacific.SupportsDST());
    EXPECT_EQ(QStringLiteral("Second Sunday in March to First Sunday in November"), pacific.GetDaylightRule());
    CTimeZone copy = pacific;
    EXPECT_TRUE(copy.IsIdenticalTZ(pacific));
    EXPECT_TRUE(copy.IsSameTZ(pacific.GetTZI()));
    CTimeZone tokyo;
    tokyo.Load(235);
    EXPECT_FALSE(tokyo.IsIdenticalTZ(pacific));
    EXPECT_EQ(QStringLiteral("Does not observe daylight savings time"), tokyo.GetDaylightRule());
    pacific.Unload();
    EXPECT_FALSE(pacific.IsLoaded());
    EXPECT_EQ(0, pacific.GetTZI()->Bias);
}

TEST_F(TimeZoneLoading, TheStoredBiasIsASnapshotOfTheDeviceClock) {
    FixedHostClock host(UtcMs(2026, 7, 1, 12, 0, 0));
    CTimeZone pacific;
    pacific.Load(4);
    EXPECT_TRUE(pacific.IsDaylightTime());
    EXPECT_EQ(420, pacific.Bias());
    SYSTEMTIME local{};
    pacific.GetLocalTime(local);
    EXPECT_EQ(5, local.wHour);
    // The snapshot stays until the zone is evaluated again.
    host.Set(UtcMs(2026, 12, 1, 12, 0, 0));
    EXPECT_EQ(420, pacific.Bias());
    pacific.AdjustBiasForDST();
    EXPECT_FALSE(pacific.IsDaylightTime());
    EXPECT_EQ(480, pacific.Bias());
    pacific.GetLocalTime(local);
    EXPECT_EQ(4, local.wHour);
}

TEST_F(TimeZoneLoading, AnUnknownIdLoadsAsAZoneWithoutOffset) {
    CTimeZone unknown;
    EXPECT_TRUE(unknown.Load(4242));
    EXPECT_TRUE(unknown.IsLoaded());
    EXPECT_EQ(4242, unknown.ID());
    EXPECT_EQ(0, unknown.Bias());
    EXPECT_FALSE(unknown.SupportsDST());
    EXPECT_TRUE(unknown.Name().isEmpty());
    SYSTEMTIME local{};
    unknown.UTCTimeToLocalTime(MakeTime(2026, 5, 5, 5, 5, 5), local);
    ExpectTime(MakeTime(2026, 5, 5, 5, 5, 5), local);
}

TEST_F(TimeZoneLoading, WithoutOutlookEveryZoneIsAllZeroAndLogonIsRetried) {
    za::outlook::SetAvailability(za::outlook::Availability::Absent);
    CTimeZone zone;
    EXPECT_TRUE(zone.Load(4));
    EXPECT_FALSE(GetPOApp().IsLoggedOn());
    EXPECT_FALSE(GetPOApp().SupportsICity());
    TIME_ZONE_INFORMATION zero{};
    EXPECT_EQ(0, std::memcmp(&zero, zone.GetTZI(), sizeof zero));
    EXPECT_TRUE(zone.Name().isEmpty());
    TIME_ZONE_INFORMATION tzi;
    std::memset(&tzi, 0xAB, sizeof tzi);
    EXPECT_FALSE(GetPOApp().GetTZIFromID(4, &tzi));
    EXPECT_EQ(0, std::memcmp(&zero, &tzi, sizeof zero));

    za::outlook::SetAvailability(za::outlook::Availability::RefusesLogon);
    EXPECT_FALSE(GetPOApp().IsLoggedOn());

    // Outlook is back: the next use logs on.
    za::outlook::SetAvailability(za::outlook::Availability::Present);
    EXPECT_TRUE(GetPOApp().IsLoggedOn());
    zone.Load(4);
    EXPECT_EQ(480, zone.UnadjustedBias());
}

TEST_F(TimeZoneLoading, WithoutTheCityInterfaceTheNameIsTheStandardName) {
    za::outlook::SetApplicationFactory([](za::outlook::AppPtr* app) {
        *app = std::make_shared<ZonesOnlyOutlook>();
        return S_OK;
    });
    CTimeZone gmt;
    gmt.Load(85);
    EXPECT_FALSE(GetPOApp().SupportsICity());
    EXPECT_EQ(QStringLiteral("GMT Standard Time"), gmt.Name());
    CTimeZone mountain;
    mountain.Load(10);
    EXPECT_EQ(QStringLiteral("Mountain Standard Time"), mountain.Name());
    // The real object without its city interface serves its own names the same way.
    za::outlook::SetApplicationFactory({});
    za::outlook::SetAvailability(za::outlook::Availability::NoCityInterface);
    GetPOApp().Logoff();
    CTimeZone pacific;
    pacific.Load(4);
    EXPECT_FALSE(GetPOApp().SupportsICity());
    EXPECT_EQ(QStringLiteral("Pacific Standard Time"), pacific.Name());
}

TEST_F(TimeZoneLoading, MakingAZoneTheDeviceZoneKeepsTheDeviceUtcTime) {
    FixedHostClock host(UtcMs(2026, 1, 20, 8, 0, 0));
    SYSTEMTIME before{};
    GetSystemTime(&before);
    CTimeZone sydney;
    sydney.Load(255);
    ASSERT_TRUE(sydney.SetSystemTimeZone());
    TIME_ZONE_INFORMATION device{};
    EXPECT_EQ(TIME_ZONE_ID_DAYLIGHT, GetTimeZoneInformation(&device));
    EXPECT_TRUE(sydney.IsSameTZ(&device));
    EXPECT_TRUE(GetDaylightTime());
    SYSTEMTIME after{}, local{};
    GetSystemTime(&after);
    EXPECT_EQ(before.wHour, after.wHour);
    EXPECT_EQ(before.wMinute, after.wMinute);
    GetLocalTime(&local);
    EXPECT_EQ(19, local.wHour);  // 08:00 UTC is 19:00 in Sydney's summer
}

TEST_F(TimeZoneLoading, AnAbsoluteRuleIsDescribedAsItFallsThatYear) {
    FixedHostClock host(UtcMs(2026, 12, 1, 0, 0, 0));
    CTimeZone morocco;
    morocco.Load(311);
    ASSERT_EQ(2026, morocco.GetTZI()->DaylightDate.wYear);
    const QString rule = morocco.GetDaylightRule();
    EXPECT_TRUE(rule.contains(QStringLiteral(" Sunday in March to ")) && rule.endsWith(QStringLiteral("Sunday in September")))
        << rule.toStdString();
}

// Every entry of the zone table, at every hour of the device's year, gives the local time the
// tz database gives for the entry's representative zone. The instant of a change into
// daylight time counts as standard time by design, and a zone that changes more than twice
// in the year is only held from its last change on.
TEST_F(TimeZoneLoading, EveryTableEntryGivesTheTzDatabasesLocalTimeAllYear) {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    const int year = now.wYear;
    const std::int64_t from = za::DaysFromCivil(year, 1, 1) * 86400;
    const std::int64_t to = za::DaysFromCivil(year + 1, 1, 1) * 86400;
    auto utc = [](std::int64_t t) { return QDateTime::fromSecsSinceEpoch(t, QTimeZone::utc()); };
    int count = 0;
    const za::outlook::ZoneEntry* table = za::outlook::ZoneTable(&count);
    ASSERT_GT(count, 90);
    QStringList failures;
    for (int e = 0; e < count; ++e) {
        const QTimeZone tz(table[e].tzId);
        CTimeZone zone;
        zone.Load(table[e].id);
        std::map<std::int64_t, int> intoDaylight;
        std::int64_t checkFrom = from;
        int previous = tz.offsetFromUtc(utc(from - 1)), changes = 0;
        for (const auto& tr : tz.transitions(utc(from), utc(to - 1))) {
            if (tr.offsetFromUtc == previous) continue;
            ++changes;
            if (tr.offsetFromUtc > previous) intoDaylight[tr.atUtc.toSecsSinceEpoch()] = previous;
            previous = tr.offsetFromUtc;
            if (changes > 2) checkFrom = tr.atUtc.toSecsSinceEpoch();
        }
        for (std::int64_t t = checkFrom - checkFrom % 3600; t < to; t += 3600) {
            if (t < checkFrom) continue;
            const auto it = intoDaylight.find(t);
            const int offset = it != intoDaylight.end() ? it->second : tz.offsetFromUtc(utc(t));
            SYSTEMTIME u{}, local{}, expected{};
            za::SecondsToSystemTime(t, &u);
            zone.UTCTimeToLocalTime(u, local);
            za::SecondsToSystemTime(t + offset, &expected);
            if (std::memcmp(&local, &expected, sizeof local) != 0) {
                failures << QStringLiteral("%1 (%2) at %3").arg(table[e].id).arg(QString::fromLatin1(table[e].tzId), utc(t).toString(Qt::ISODate));
                break;
            }
        }
    }
    EXPECT_TRUE(failures.isEmpty()) << failures.join(QStringLiteral("; ")).toStdString();
}
