#include "oledate.h"
#include "tzderive.h"
#include "tzrule.h"

#include <QDateTime>
#include <QTimeZone>

#include <map>

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
// The instant of a change into daylight time itself counts as standard time by design. A zone
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
        std::map<std::int64_t, int> offsetBefore;
        int previous = zone.offsetFromUtc(utc(from - 1));
        for (const auto& tr : zone.transitions(utc(from), utc(to - 1))) {
            if (tr.offsetFromUtc == previous) continue;
            const std::int64_t at = tr.atUtc.toSecsSinceEpoch();
            changes.push_back(at);
            if (tr.offsetFromUtc > previous) offsetBefore[at] = previous;
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
            auto before = offsetBefore.find(t);
            const int offset = before != offsetBefore.end() ? before->second : zone.offsetFromUtc(utc(t));
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
