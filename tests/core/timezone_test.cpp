#include "clock.h"
#include "oledate.h"
#include "poapp.h"
#include "poutlook.h"
#include "profile.h"
#include "timezone.h"
#include "tzderive.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <set>
#include <vector>

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

// Daylight time begins with the transition instant itself, as in the tz database: counting it
// as standard time showed 02:00:00 on the spring-forward day, a wall clock that does not exist.
TEST_F(TimeZoneRules, DaylightTimeBeginsAtTheTransitionInstant) {
    const TIME_ZONE_INFORMATION tzi = OldUsEastern();
    const SYSTEMTIME start = MakeTime(2003, 4, 6, 7, 0, 0);
    EXPECT_TRUE(IsDaylightTime(tzi, start));
    EXPECT_TRUE(IsDaylightTime(tzi, Plus(start, 1)));
    EXPECT_FALSE(IsDaylightTime(tzi, Plus(start, -1)));
    // It ends on the last Sunday of October at 02:00 daylight time, 06:00 UTC; the instant is
    // standard time again.
    const SYSTEMTIME end = MakeTime(2003, 10, 26, 6, 0, 0);
    EXPECT_TRUE(IsDaylightTime(tzi, Plus(end, -1)));
    EXPECT_FALSE(IsDaylightTime(tzi, end));
    RuleZone zone(tzi);
    EXPECT_EQ(300, zone.Bias(Plus(start, -1)));
    EXPECT_EQ(240, zone.Bias(start));
    EXPECT_EQ(QStringLiteral("First Sunday in April to Last Sunday in October"), zone.GetDaylightRule());
}

TEST_F(TimeZoneRules, LastOccurrenceInMonthsWithFourAndFiveSundays) {
    TIME_ZONE_INFORMATION tzi{};
    tzi.Bias = 0;
    tzi.DaylightBias = -60;
    // February 2026 has four Sundays (the last is the 22nd), March 2026 five (the 29th).
    tzi.DaylightDate = Rule(2, 0, 5, 0);
    tzi.StandardDate = Rule(3, 0, 5, 1);
    EXPECT_FALSE(IsDaylightTime(tzi, MakeTime(2026, 2, 21, 23, 59, 59)));
    EXPECT_TRUE(IsDaylightTime(tzi, MakeTime(2026, 2, 22, 0, 0, 0)));
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

// A rule of its own (no tz history) takes skipped and repeated times as the history does: the
// time after the gap, the first occurrence. The single correction gave 01:30 EST for 02:30.
TEST_F(TimeZoneRules, LocalTimeInTheSkippedHourIsTheTimeAfterTheGapWestOfGreenwich) {
    RuleZone zone(Derived("America/New_York"));
    SYSTEMTIME utc{};
    zone.LocalTimeToUTCTime(MakeTime(2026, 3, 8, 2, 30, 0), utc);  // does not exist: 03:30 EDT
    ExpectTime(MakeTime(2026, 3, 8, 7, 30, 0), utc);
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
    // A local time in the skipped hour is the time after the gap (03:30 CEST), one that exists
    // twice its first occurrence (02:30 CEST), as west of Greenwich.
    paris.LocalTimeToUTCTime(MakeTime(2026, 3, 29, 2, 30, 0), utc);
    ExpectTime(MakeTime(2026, 3, 29, 1, 30, 0), utc);
    paris.LocalTimeToUTCTime(MakeTime(2026, 10, 25, 2, 30, 0), utc);
    ExpectTime(MakeTime(2026, 10, 25, 0, 30, 0), utc);
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

namespace {

QDateTime Utc(std::int64_t t) { return QDateTime::fromSecsSinceEpoch(t, QTimeZone::utc()); }
std::int64_t YearStart(int year) { return za::DaysFromCivil(year, 1, 1) * 86400; }

// What the tz database says of a zone from one change to the next over a span: the offset
// (seconds east of UTC) and whether it is daylight time.
struct TzStep {
    std::int64_t at;
    int offset;
    int daylightOffset;  // the tz database's daylight offset: 0 standard, < 0 "negative DST"
};

std::vector<TzStep> TzSteps(const QTimeZone& zone, std::int64_t from, std::int64_t to) {
    const QTimeZone::OffsetData first = zone.offsetData(Utc(from));
    std::vector<TzStep> steps{{from, first.offsetFromUtc, first.daylightTimeOffset}};
    for (const QTimeZone::OffsetData& t : zone.transitions(Utc(from), Utc(to - 1))) {
        const std::int64_t at = t.atUtc.toSecsSinceEpoch();
        if (at <= from || at >= to) continue;
        steps.push_back({at, t.offsetFromUtc, t.daylightTimeOffset});
    }
    return steps;
}

// One year of a zone as the tz database has it, and why a two-transition record may not hold
// all of it.
struct TzYear {
    std::vector<TzStep> steps;
    int changes = 0;              // changes of offset in the year
    bool standardChanges = false;  // standard time at two offsets (British Columbia 2026)
    bool negativeDaylight = false;

    TzYear(const QTimeZone& zone, int year) : steps(TzSteps(zone, YearStart(year), YearStart(year + 1))) {
        std::set<int> standard;
        for (size_t i = 0; i < steps.size(); ++i) {
            if (i > 0 && steps[i].offset != steps[i - 1].offset) ++changes;
            if (steps[i].daylightOffset < 0) negativeDaylight = true;
        }
        for (size_t i = 0; i < steps.size(); ++i) {
            if (!Daylight(i)) standard.insert(steps[i].offset);
        }
        standardChanges = standard.size() > 1;
    }
    // Daylight time as the tz database's rearguard form has it: where the main form writes
    // winter time as negative daylight time (Ireland, Morocco), the smaller offset is
    // standard time, as the zone table takes it.
    bool Daylight(size_t step) const {
        if (!negativeDaylight) return steps[step].daylightOffset != 0;
        int smallest = steps.front().offset;
        for (const TzStep& s : steps) smallest = std::min(smallest, s.offset);
        return steps[step].offset > smallest;
    }
};

}  // namespace

// Every entry of the zone table, at every hour from 2020 to 2037 and one second either side of
// every change, gives the local time and the daylight time of the tz database's zone for the
// entry (its representative), through the records of each year. The exceptions, counted and
// stated: a year with more than two changes (Morocco around Ramadan) cannot be held by one
// pair of transitions; a year whose standard time has two offsets (British Columbia, Alberta
// and Manitoba leave daylight time for good in November 2026, at its offset) keeps every
// offset right, so the rest of that year is marked daylight time.
TEST_F(TimeZoneLoading, EveryTableEntryGivesTheTzDatabasesTimeEveryHourFrom2020To2037) {
    FixedHostClock host(UtcMs(2026, 6, 1, 0, 0, 0));
    int count = 0;
    const za::outlook::ZoneEntry* table = za::outlook::ZoneTable(&count);
    ASSERT_GT(count, 90);
    QStringList failures, exceptions;
    long checked = 0;
    int changeExceptionHours = 0, flagExceptionHours = 0;
    for (int e = 0; e < count; ++e) {
        const QTimeZone tz(table[e].tzId);
        CTimeZone zone;
        zone.Load(table[e].id);
        for (int year = 2020; year <= 2037; ++year) {
            const TzYear truth(tz, year);
            std::vector<std::int64_t> instants;
            for (std::int64_t t = YearStart(year); t < YearStart(year + 1); t += 3600) instants.push_back(t);
            for (size_t i = 1; i < truth.steps.size(); ++i) {
                for (int d : {-1, 0, 1}) instants.push_back(truth.steps[i].at + d);
            }
            std::sort(instants.begin(), instants.end());
            int wrongTime = 0, wrongFlag = 0;
            QString first;
            size_t step = 0;
            for (std::int64_t t : instants) {
                while (step + 1 < truth.steps.size() && truth.steps[step + 1].at <= t) ++step;
                SYSTEMTIME u{}, local{}, expected{};
                za::SecondsToSystemTime(t, &u);
                zone.UTCTimeToLocalTime(u, local);
                za::SecondsToSystemTime(t + truth.steps[step].offset, &expected);
                const bool timeRight = std::memcmp(&local, &expected, sizeof local) == 0;
                const bool flagRight = (zone.IsDaylightTime(u) != FALSE) == truth.Daylight(step);
                ++checked;
                if (!timeRight) ++wrongTime;
                if (!flagRight) ++wrongFlag;
                if ((!timeRight || !flagRight) && first.isEmpty()) first = Utc(t).toString(Qt::ISODate);
            }
            if (wrongTime == 0 && wrongFlag == 0) continue;
            const QString what = QStringLiteral("%1 (%2) in %3: %4 hours of local time and %5 of daylight time wrong, first at %6")
                                     .arg(table[e].id)
                                     .arg(QString::fromLatin1(table[e].tzId))
                                     .arg(year)
                                     .arg(wrongTime)
                                     .arg(wrongFlag)
                                     .arg(first);
            if (truth.changes > 2) {
                exceptions << what + QStringLiteral(" (%1 changes in the year)").arg(truth.changes);
                changeExceptionHours += wrongTime + wrongFlag;
            } else if (wrongTime == 0 && truth.standardChanges) {
                exceptions << what + QStringLiteral(" (standard time at two offsets)");
                flagExceptionHours += wrongFlag;
            } else {
                failures << what;
            }
        }
    }
    EXPECT_GT(checked, 8760L * 18 * count);
    EXPECT_TRUE(failures.isEmpty()) << failures.size() << " entry-years differ: "
                                    << failures.mid(0, 10).join(QStringLiteral("; ")).toStdString();
    // The exceptions are stated with every run; their hours are counted, not hidden.
    std::cout << "[ exceptions ] " << changeExceptionHours << " hours in years of more than two changes, "
              << flagExceptionHours << " hours of daylight time in years whose standard time has two offsets:\n";
    for (const QString& x : exceptions) std::cout << "  " << x.toStdString() << '\n';
    RecordProperty("more_than_two_changes_hours", changeExceptionHours);
    RecordProperty("two_standard_offsets_hours", flagExceptionHours);
}

// Local time back to UTC takes the record of the local time's year: every local time of these
// zones' changing years converts to an instant that shows that local time again.
TEST_F(TimeZoneLoading, LocalTimesConvertBackThroughTheRecordOfTheirYear) {
    FixedHostClock host(UtcMs(2026, 6, 1, 0, 0, 0));
    for (int id : {305, 306, 308, 309, 314, 56, 120, 4, 255, 290}) {
        CTimeZone zone;
        zone.Load(id);
        int wrong = 0;
        QString first;
        for (std::int64_t t = YearStart(2025); t < YearStart(2032); t += 3 * 3600 + 17 * 60) {
            SYSTEMTIME u{}, local{}, back{}, again{};
            za::SecondsToSystemTime(t, &u);
            zone.UTCTimeToLocalTime(u, local);
            zone.LocalTimeToUTCTime(local, back);
            zone.UTCTimeToLocalTime(back, again);
            if (std::memcmp(&local, &again, sizeof local) != 0) {
                if (first.isEmpty()) first = Utc(t).toString(Qt::ISODate);
                ++wrong;
            }
        }
        EXPECT_EQ(0, wrong) << "zone " << id << ", first at " << first.toStdString();
    }
    // 15 June 2027, 04:17 UTC: British Columbia keeps UTC-7 from November 2026 on.
    CTimeZone vancouver;
    vancouver.Load(305);
    SYSTEMTIME local{}, utc{};
    vancouver.UTCTimeToLocalTime(MakeTime(2027, 6, 15, 4, 17, 0), local);
    ExpectTime(MakeTime(2027, 6, 14, 21, 17, 0), local);
    vancouver.LocalTimeToUTCTime(MakeTime(2027, 12, 24, 18, 0, 0), utc);
    ExpectTime(MakeTime(2027, 12, 25, 1, 0, 0), utc);
    EXPECT_FALSE(vancouver.IsDaylightTime(MakeTime(2027, 6, 15, 4, 17, 0)));
}

// Chicago, 8 March 2026: 08:00:00 UTC is the first second of daylight time, 03:00:00 local, as
// in the tz database (02:00:00 does not exist there); the end instant is standard time again.
TEST_F(TimeZoneLoading, TheFirstSecondOfDaylightTimeIsDaylightTime) {
    CTimeZone chicago;
    chicago.Load(20);
    const struct {
        SYSTEMTIME utc;
        SYSTEMTIME local;
        bool daylight;
    } rows[] = {
        {MakeTime(2026, 3, 8, 7, 59, 59), MakeTime(2026, 3, 8, 1, 59, 59), false},
        {MakeTime(2026, 3, 8, 8, 0, 0), MakeTime(2026, 3, 8, 3, 0, 0), true},
        {MakeTime(2026, 11, 1, 6, 59, 59), MakeTime(2026, 11, 1, 1, 59, 59), true},
        {MakeTime(2026, 11, 1, 7, 0, 0), MakeTime(2026, 11, 1, 1, 0, 0), false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.utc.wMonth << "/" << r.utc.wDay << " " << r.utc.wHour << ":" << r.utc.wMinute);
        SYSTEMTIME local{};
        chicago.UTCTimeToLocalTime(r.utc, local);
        ExpectTime(r.local, local);
        EXPECT_EQ(r.daylight, chicago.IsDaylightTime(r.utc) != FALSE);
    }
}

// The device zone made from a table entry follows its records of each year: British Columbia
// set as the device zone in 2026 is UTC-7 without daylight time in 2027, and UTC-8 in the
// winter of 2025.
TEST_F(TimeZoneLoading, TheDeviceZoneTakesTheRecordOfEachInstantsYear) {
    FixedHostClock host(UtcMs(2026, 12, 7, 12, 0, 0));
    CTimeZone vancouver;
    vancouver.Load(305);
    ASSERT_TRUE(vancouver.SetSystemTimeZone());
    SYSTEMTIME local{}, utc{};
    UTCTimeToSystemLocalTime(MakeTime(2027, 6, 15, 4, 17, 0), local);
    ExpectTime(MakeTime(2027, 6, 14, 21, 17, 0), local);
    UTCTimeToSystemLocalTime(MakeTime(2025, 12, 15, 12, 0, 0), local);
    ExpectTime(MakeTime(2025, 12, 15, 4, 0, 0), local);
    SystemLocalTimeToUTCTime(MakeTime(2027, 1, 10, 9, 0, 0), utc);
    ExpectTime(MakeTime(2027, 1, 10, 16, 0, 0), utc);
    SystemLocalTimeToUTCTime(MakeTime(2025, 1, 10, 9, 0, 0), utc);
    ExpectTime(MakeTime(2025, 1, 10, 17, 0, 0), utc);
    // A local time of 2026 whose instant is in 2027 takes 2027's record there.
    SystemLocalTimeToUTCTime(MakeTime(2026, 12, 31, 20, 9, 0), utc);
    ExpectTime(MakeTime(2027, 1, 1, 3, 9, 0), utc);

    ASSERT_TRUE(SetSystemTimeAndDST(MakeTime(2027, 7, 1, 12, 0, 0)));
    EXPECT_FALSE(GetDaylightTime()) << "no daylight time in 2027";
    TIME_ZONE_INFORMATION device{};
    EXPECT_EQ(TIME_ZONE_ID_UNKNOWN, GetTimeZoneInformation(&device)) << "the record of the device's year";
    EXPECT_EQ(420, device.Bias);
    EXPECT_FALSE(vancouver.IsSameTZ(&device)) << "2026's record is another";
    GetLocalTime(&local);
    EXPECT_EQ(5, local.wHour);
    ASSERT_TRUE(SetSystemTimeAndDST(MakeTime(2026, 7, 1, 12, 0, 0)));
    EXPECT_TRUE(GetDaylightTime());
    EXPECT_EQ(TIME_ZONE_ID_DAYLIGHT, GetTimeZoneInformation(&device));
    EXPECT_TRUE(vancouver.IsSameTZ(&device));

    // A rule of no entry keeps its one record in every year.
    TIME_ZONE_INFORMATION own = Derived("America/Vancouver", 2024);
    ASSERT_TRUE(SetTimeZoneInformation(&own));
    UTCTimeToSystemLocalTime(MakeTime(2027, 6, 15, 4, 17, 0), local);
    ExpectTime(MakeTime(2027, 6, 14, 21, 17, 0), local);  // 2024's rule: daylight time in June
    UTCTimeToSystemLocalTime(MakeTime(2027, 12, 15, 12, 0, 0), local);
    ExpectTime(MakeTime(2027, 12, 15, 4, 0, 0), local);
}

// A new device takes the host zone's table entry, and follows the host zone's own records in
// the other years: Rome kept summer time in 1975, Berlin (entry 110's zone) did not.
TEST_F(TimeZoneLoading, ANewDeviceFollowsTheHostZonesOwnYears) {
    FixedHostClock host(UtcMs(2026, 7, 1, 12, 0, 0));
    za::outlook::SetHostZoneId("Europe/Rome");
    {
        za::test::TempProfile fresh;
        GetPOApp().Logoff();
        TIME_ZONE_INFORMATION device{};
        ASSERT_EQ(TIME_ZONE_ID_DAYLIGHT, GetTimeZoneInformation(&device));
        CTimeZone berlin;
        berlin.Load(110);
        EXPECT_TRUE(berlin.IsSameTZ(&device));
        SYSTEMTIME local{};
        UTCTimeToSystemLocalTime(MakeTime(1975, 7, 1, 12, 0, 0), local);
        ExpectTime(MakeTime(1975, 7, 1, 14, 0, 0), local);
        berlin.UTCTimeToLocalTime(MakeTime(1975, 7, 1, 12, 0, 0), local);
        ExpectTime(MakeTime(1975, 7, 1, 13, 0, 0), local);
        GetPOApp().Logoff();
    }
    za::outlook::SetHostZoneId(QByteArray());
}

// The device's year turning while a program runs: the zone loaded before gives the new year's
// local time at the next conversion, and the next load gives the new year's record and name.
TEST_F(TimeZoneLoading, AYearThatTurnsWhileRunningIsSeenAtTheNextConversion) {
    FixedHostClock host(UtcMs(2026, 12, 31, 23, 59, 0));
    CTimeZone bc;
    bc.Load(305);
    EXPECT_EQ(480, bc.UnadjustedBias());
    EXPECT_EQ(QStringLiteral("(GMT-08:00) British Columbia"), bc.Name());
    // The rest of 2026 keeps UTC-7 as standard time in the tz database: no daylight mark,
    // though the year's one record could only give that offset as daylight time.
    EXPECT_FALSE(bc.IsDaylightTime());
    EXPECT_EQ(420, bc.Bias());
    ASSERT_TRUE(bc.SetSystemTimeZone());

    host.Set(UtcMs(2027, 1, 1, 0, 1, 0));
    SYSTEMTIME local{};
    bc.UTCTimeToLocalTime(MakeTime(2027, 1, 1, 0, 1, 0), local);
    ExpectTime(MakeTime(2026, 12, 31, 17, 1, 0), local);
    bc.AdjustBiasForDST();
    EXPECT_FALSE(bc.IsDaylightTime());
    EXPECT_EQ(420, bc.Bias());
    CTimeZone again;
    again.Load(305);
    EXPECT_EQ(420, again.UnadjustedBias());
    EXPECT_FALSE(again.SupportsDST());
    EXPECT_EQ(QStringLiteral("(GMT-07:00) British Columbia"), again.Name());
    // The device zone gives the record of its new year, the one the table lists now.
    TIME_ZONE_INFORMATION device{};
    EXPECT_EQ(TIME_ZONE_ID_UNKNOWN, GetTimeZoneInformation(&device));
    EXPECT_TRUE(again.IsSameTZ(&device));
    UTCTimeToSystemLocalTime(MakeTime(2027, 1, 1, 0, 1, 0), local);
    ExpectTime(MakeTime(2026, 12, 31, 17, 1, 0), local);
}
