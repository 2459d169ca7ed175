#include "oledate.h"
#include "poutlook.h"
#include "tzderive.h"
#include "tzrule.h"
#include "tzyears.h"

#include <QDateTime>
#include <QStringList>
#include <QTimeZone>

#include <algorithm>
#include <iostream>
#include <set>
#include <vector>


#include <gtest/gtest.h>

namespace {

struct RuleRow {
    const char* zone;
    int bias, daylightBias;
    // DaylightDate then StandardDate: month, weekday, occurrence, hour, minute
    int dMonth, dWeekday, dDay, dHour, dMinute;
    int sMonth, sWeekday, sDay, sHour, sMinute;
};

void ExpectRule(const SYSTEMTIME& st, int month, int weekday, int day, int hour, int minute) {
    EXPECT_EQ(0, st.wYear);
    EXPECT_EQ(month, st.wMonth);
    EXPECT_EQ(weekday, st.wDayOfWeek);
    EXPECT_EQ(day, st.wDay);
    EXPECT_EQ(hour, st.wHour);
    EXPECT_EQ(minute, st.wMinute);
}

}  // namespace

TEST(ZoneDerivation, YearlyRulesOfWellKnownZones) {
    const RuleRow rows[] = {
        {"America/Los_Angeles", 480, -60, 3, 0, 2, 2, 0, 11, 0, 1, 2, 0},
        {"America/New_York", 300, -60, 3, 0, 2, 2, 0, 11, 0, 1, 2, 0},
        {"Europe/Paris", -60, -60, 3, 0, 5, 2, 0, 10, 0, 5, 3, 0},
        {"Europe/London", 0, -60, 3, 0, 5, 1, 0, 10, 0, 5, 2, 0},
        {"Europe/Dublin", 0, -60, 3, 0, 5, 1, 0, 10, 0, 5, 2, 0},  // tz calls winter "daylight" there
        {"Australia/Sydney", -600, -60, 10, 0, 1, 2, 0, 4, 0, 1, 3, 0},
        {"Australia/Lord_Howe", -630, -30, 10, 0, 1, 2, 0, 4, 0, 1, 2, 0},
        {"America/St_Johns", 210, -60, 3, 0, 2, 2, 0, 11, 0, 1, 2, 0},
        {"Pacific/Auckland", -720, -60, 9, 0, 5, 2, 0, 4, 0, 1, 3, 0},
    };
    for (const RuleRow& r : rows) {
        SCOPED_TRACE(r.zone);
        TIME_ZONE_INFORMATION tzi{};
        ASSERT_TRUE(za::tz::DeriveFromZone(QTimeZone(r.zone), 2026, &tzi));
        EXPECT_EQ(r.bias, tzi.Bias);
        EXPECT_EQ(0, tzi.StandardBias);
        EXPECT_EQ(r.daylightBias, tzi.DaylightBias);
        ExpectRule(tzi.DaylightDate, r.dMonth, r.dWeekday, r.dDay, r.dHour, r.dMinute);
        ExpectRule(tzi.StandardDate, r.sMonth, r.sWeekday, r.sDay, r.sHour, r.sMinute);
    }
}

TEST(ZoneDerivation, ZonesWithoutDaylightTimeAndIrregularOnes) {
    TIME_ZONE_INFORMATION tzi{};
    ASSERT_TRUE(za::tz::DeriveFromZone(QTimeZone("Asia/Kolkata"), 2026, &tzi));
    EXPECT_EQ(-330, tzi.Bias);
    EXPECT_EQ(0, tzi.StandardDate.wMonth);
    ASSERT_TRUE(za::tz::DeriveFromZone(QTimeZone("Asia/Kathmandu"), 2026, &tzi));
    EXPECT_EQ(-345, tzi.Bias);
    ASSERT_TRUE(za::tz::DeriveFromZone(QTimeZone("Pacific/Kiritimati"), 2026, &tzi));
    EXPECT_EQ(-840, tzi.Bias);
    // Morocco's daylight-time break follows Ramadan: no weekday rule holds two years running.
    ASSERT_TRUE(za::tz::DeriveFromZone(QTimeZone("Africa/Casablanca"), 2026, &tzi));
    EXPECT_EQ(0, tzi.Bias);
    EXPECT_EQ(-60, tzi.DaylightBias);
    EXPECT_EQ(2026, tzi.DaylightDate.wYear);
    EXPECT_EQ(2026, tzi.StandardDate.wYear);
    EXPECT_FALSE(za::tz::DeriveFromZone(QTimeZone("No/Such_Zone"), 2026, &tzi));
}

// Every zone of the tz database, derived for 2026, gives the tz database's offset at every
// instant of 2026, checked every three hours and one second on each side of every change.
// The instant of a change takes the offset that begins there, as in the tz database. A zone
// that changes more than twice in the year cannot be held by one pair of transitions; it must
// still be right from its last change of the year on, which is where the year ends up.
TEST(ZoneDerivation, EveryTzZoneMatchesItsRulesThroughTheYear) {
    const int year = 2026;
    const std::int64_t from = za::DaysFromCivil(year, 1, 1) * 86400;
    const std::int64_t to = za::DaysFromCivil(year + 1, 1, 1) * 86400;
    auto utc = [](std::int64_t t) { return QDateTime::fromSecsSinceEpoch(t, QTimeZone::utc()); };
    int zones = 0;
    QStringList failures, partial;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        const QTimeZone zone(id);
        TIME_ZONE_INFORMATION tzi{};
        if (!za::tz::DeriveFromZone(zone, year, &tzi)) {
            failures << QString::fromLatin1(id) + QStringLiteral(": not derived");
            continue;
        }
        ++zones;
        std::vector<std::int64_t> changes;
        int previous = zone.offsetFromUtc(utc(from - 1));
        for (const auto& tr : zone.transitions(utc(from), utc(to - 1))) {
            if (tr.offsetFromUtc == previous) continue;
            changes.push_back(tr.atUtc.toSecsSinceEpoch());
            previous = tr.offsetFromUtc;
        }
        std::int64_t checkFrom = from;
        if (changes.size() > 2) {
            partial << QString::fromLatin1(id);
            checkFrom = changes.back();
        }
        std::vector<std::int64_t> instants;
        for (std::int64_t t = from; t < to; t += 3 * 3600) instants.push_back(t);
        for (std::int64_t at : changes) {
            instants.push_back(at - 1);
            instants.push_back(at);
            instants.push_back(at + 1);
        }
        for (std::int64_t t : instants) {
            if (t < checkFrom) continue;
            const int offset = zone.offsetFromUtc(utc(t));
            const int got = za::tz::BiasAt(tzi, t);
            if (-offset / 60 != got) {
                failures << QStringLiteral("%1 at %2: bias %3, tz %4")
                                .arg(QString::fromLatin1(id), utc(t).toString(Qt::ISODate))
                                .arg(got)
                                .arg(-offset / 60);
                break;
            }
        }
    }
    EXPECT_GT(zones, 300);
    EXPECT_TRUE(failures.isEmpty()) << failures.size() << " zones differ, first: "
                                    << failures.mid(0, 10).join(QStringLiteral("; ")).toStdString();
    // Only Morocco's Ramadan breaks should need more than one pair.
    for (const QString& id : partial) {
        EXPECT_TRUE(id.startsWith(QStringLiteral("Africa/"))) << id.toStdString();
    }
}

TEST(ZoneYears, YearOfAnInstant) {
    const struct {
        std::int64_t utc;
        int year;
    } rows[] = {
        {0, 1970},
        {-1, 1969},
        {za::DaysFromCivil(2037, 12, 31) * 86400 + 86399, 2037},
        {za::DaysFromCivil(2038, 1, 1) * 86400, 2038},
        {za::DaysFromCivil(2024, 2, 29) * 86400 + 43200, 2024},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.utc);
        EXPECT_EQ(r.year, za::tz::YearOf(r.utc));
    }
}

// British Columbia: the US rule until 2025, daylight time from March 2026 kept at UTC-7 for
// good from November (standard time at UTC-7 from 2027), each year with its own record.
TEST(ZoneYears, EachYearHasItsRecordAndARunOfEqualYearsIsKeptOnce) {
    const auto rules = za::tz::YearlyRules::Derive("America/Vancouver", QStringLiteral("British Columbia Standard Time"),
                                                   QStringLiteral("British Columbia Daylight Time"));
    ASSERT_TRUE(rules);
    EXPECT_EQ(QByteArray("America/Vancouver"), rules->TzId());

    const TIME_ZONE_INFORMATION& y2024 = rules->ForYear(2024);
    EXPECT_EQ(480, y2024.Bias);
    ExpectRule(y2024.DaylightDate, 3, 0, 2, 2, 0);
    ExpectRule(y2024.StandardDate, 11, 0, 1, 2, 0);
    EXPECT_EQ(QStringLiteral("British Columbia Standard Time"), za::tz::StandardName(y2024));

    // 2026 cannot be one weekday rule: daylight time from 8 March 10:00 UTC to the year's end,
    // so every instant of the year has the tz database's offset.
    const TIME_ZONE_INFORMATION& y2026 = rules->ForYear(2026);
    EXPECT_EQ(480, y2026.Bias);
    EXPECT_EQ(-60, y2026.DaylightBias);
    EXPECT_EQ(2026, y2026.DaylightDate.wYear);
    EXPECT_EQ(3, y2026.DaylightDate.wMonth);
    EXPECT_EQ(8, y2026.DaylightDate.wDay);
    EXPECT_EQ(10, y2026.DaylightDate.wHour);
    EXPECT_EQ(2027, y2026.StandardDate.wYear);
    EXPECT_EQ(1, y2026.StandardDate.wMonth);
    EXPECT_EQ(1, y2026.StandardDate.wDay);

    const TIME_ZONE_INFORMATION& y2027 = rules->ForYear(2027);
    EXPECT_EQ(420, y2027.Bias);
    EXPECT_EQ(0, y2027.StandardDate.wMonth);
    EXPECT_EQ(QStringLiteral("British Columbia Daylight Time"), za::tz::DaylightName(y2027));
    // Equal years share one stored record; years outside the range take the nearest one.
    EXPECT_EQ(&y2027, &rules->ForYear(2037));
    EXPECT_EQ(&y2027, &rules->ForYear(2100));
    EXPECT_EQ(&rules->ForYear(1970), &rules->ForYear(1900));
    EXPECT_EQ(&rules->ForYear(2030), &rules->ForInstant(za::DaysFromCivil(2030, 7, 1) * 86400));
    EXPECT_GE(rules->RecordCount(), 4);
    EXPECT_LT(rules->RecordCount(), 2037 - 1970 + 1);

    EXPECT_TRUE(rules->Holds(y2026));
    TIME_ZONE_INFORMATION changed = y2026;
    changed.DaylightDate.wSecond = 1;
    EXPECT_FALSE(rules->Holds(changed));
    EXPECT_EQ(nullptr, za::tz::YearlyRules::Derive("No/Such_Zone", QString(), QString()));
}

// Each zone of the table, in every year from 1970 to 2037, is derived from one read of the tz
// database; the records of the years must give the tz database's offset at every change and
// between changes, except in years that one pair of transitions cannot hold: more than two
// changes, more than two offsets, or an offset that is not whole minutes (local mean time,
// Monrovia's -0:44:30 until 1972). Those years are counted and stated.
TEST(ZoneYears, EveryYearFrom1970GivesTheTzDatabasesOffsets) {
    int count = 0;
    const za::outlook::ZoneEntry* table = za::outlook::ZoneTable(&count);
    QStringList failures, unheld;
    for (int e = 0; e < count; ++e) {
        const auto rules = za::tz::YearlyRules::Derive(table[e].tzId, QString(), QString());
        ASSERT_TRUE(rules) << table[e].tzId;
        const QTimeZone zone(table[e].tzId);
        for (int year = za::tz::kFirstRuleYear; year <= za::tz::kLastRuleYear; ++year) {
            const std::int64_t from = za::tz::YearStart(year), to = za::tz::YearStart(year + 1);
            const za::tz::OffsetHistory history(zone, from, to);
            const std::vector<za::tz::OffsetHistory::Change> changes = history.Changes(from, to);
            std::set<int> offsets{history.OffsetAt(from)};
            for (const auto& c : changes) offsets.insert(c.after);
            std::vector<std::int64_t> instants;
            for (std::int64_t t = from; t < to; t += 6 * 3600) instants.push_back(t);
            for (const auto& c : changes) {
                for (int d : {-1, 0, 1}) instants.push_back(c.at + d);
            }
            int wrong = 0;
            for (std::int64_t t : instants) {
                if (t < from || t >= to) continue;
                if (-za::tz::BiasAt(rules->ForYear(year), t) * 60 != history.OffsetAt(t)) ++wrong;
            }
            if (wrong == 0) continue;
            const QString what = QStringLiteral("%1 %2: %3 of %4 instants")
                                     .arg(QString::fromLatin1(table[e].tzId))
                                     .arg(year)
                                     .arg(wrong)
                                     .arg(instants.size());
            const bool wholeMinutes =
                std::all_of(offsets.begin(), offsets.end(), [](int offset) { return offset % 60 == 0; });
            if (changes.size() > 2 || offsets.size() > 2 || !wholeMinutes) {
                unheld << what;
            } else {
                failures << what;
            }
        }
    }
    EXPECT_TRUE(failures.isEmpty()) << failures.join(QStringLiteral("; ")).toStdString();
    std::cout << "[ unheld years ] " << unheld.size()
              << " zone-years of more than two changes or offsets, or offsets of seconds:\n  "
              << unheld.join(QStringLiteral("\n  ")).toStdString() << '\n';
}
