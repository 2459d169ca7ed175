// What a world clock shows beside the time: the next clock change of a city, its offset from the
// current city, the meeting planner's hours and the points where the Sun and the Moon stand
// overhead, each against an independent reference in tests/data (see its README).
#include "citylist.h"
#include "cityoffset.h"
#include "displaynote.h"
#include "clockchange.h"
#include "meetingplanner.h"
#include "oledate.h"
#include "profile.h"
#include "subpoint.h"

#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

using za::test::MakeTime;

namespace {

QString DataPath(const char* name) { return QStringLiteral(ZONARIA_TEST_DATA "/") + QString::fromUtf8(name); }

// The rows of a CSV file without its header; fields may be quoted ("New York, NY").
QList<QStringList> ReadCsv(const char* name) {
    QFile file(DataPath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << name;
    QTextStream in(&file);
    in.readLine();
    QList<QStringList> rows;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty()) continue;
        QStringList fields;
        QString field;
        bool quoted = false;
        for (const QChar c : line) {
            if (c == QLatin1Char('"')) {
                quoted = !quoted;
            } else if (c == QLatin1Char(',') && !quoted) {
                fields << field;
                field.clear();
            } else {
                field += c;
            }
        }
        fields << field;
        rows << fields;
    }
    return rows;
}

// "2026-03-29T01:00:00Z", "2026-03-29T01:00:00" or "2026-03-29T01:00".
SYSTEMTIME ParseIso(QString text) {
    text.remove(QLatin1Char('Z'));
    const QStringList parts = text.split(QLatin1Char('T'));
    const QStringList d = parts.value(0).split(QLatin1Char('-'));
    const QStringList t = parts.value(1).split(QLatin1Char(':'));
    return MakeTime(d.value(0).toInt(), d.value(1).toInt(), d.value(2).toInt(), t.value(0).toInt(), t.value(1).toInt(),
                    t.value(2).toInt());
}

QString Iso(const SYSTEMTIME& st) {
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d", st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute,
                             st.wSecond);
}

class WorldClockTest : public za::test::ProfileTest {
protected:
    WorldClockTest() { EXPECT_TRUE(GetCityList().Open()); }
    ~WorldClockTest() override { GetCityList().Close(); }

    static CCity Load(const QString& name) {
        CCity city;
        EXPECT_TRUE(GetCityList().LoadCity(name, city)) << name.toStdString();
        return city;
    }
};

using ClockChangeTest = WorldClockTest;

TEST_F(ClockChangeTest, NextChangeAgreesWithTheTzDatabase) {
    const QList<QStringList> rows = ReadCsv("clockchanges.csv");
    ASSERT_GE(rows.size(), 100);
    int mismatches = 0;
    for (const QStringList& row : rows) {
        const QString trace = row.join(QLatin1Char(' '));
        SCOPED_TRACE(trace.toStdString());
        const CCity city = Load(row[0]);
        const za::ClockChange change = za::NextClockChange(city.TimeZone(), ParseIso(row[2]), 400);
        if (row[3] == QLatin1String("none")) {
            EXPECT_FALSE(change.found) << "found " << Iso(change.utc).toStdString();
            mismatches += change.found ? 1 : 0;
            continue;
        }
        const bool same = change.found && Iso(change.utc) + QLatin1Char('Z') == row[3] &&
                          change.biasBefore == -row[4].toInt() && change.biasAfter == -row[5].toInt() &&
                          Iso(change.local) == row[6];
        EXPECT_TRUE(same) << "got " << (change.found ? Iso(change.utc).toStdString() : std::string("none")) << " bias "
                          << change.biasBefore << " -> " << change.biasAfter << " at local "
                          << Iso(change.local).toStdString();
        mismatches += same ? 0 : 1;
    }
    EXPECT_EQ(0, mismatches) << "of " << rows.size() << " rows";
}

TEST_F(ClockChangeTest, TextNamesDirectionAmountDateAndTime) {
    struct Case {
        const char* nickname;
        const char* city;
        SYSTEMTIME after;
        const char* text;
    } cases[] = {
        {"London in autumn", "London", MakeTime(2026, 10, 20), "Clocks go back 1 hour on Sun 25 Oct 2026 at 02:00"},
        {"Paris in autumn", "Paris", MakeTime(2026, 10, 20), "Clocks go back 1 hour on Sun 25 Oct 2026 at 03:00"},
        {"New York in spring", "New York, NY", MakeTime(2027, 1, 1),
         "Clocks go forward 1 hour on Sun 14 Mar 2027 at 02:00"},
        {"half an hour at Lord Howe", "Lord Howe Island", MakeTime(2026, 7, 1),
         "Clocks go forward 30 min on Sun 4 Oct 2026 at 02:00"},
        {"southern autumn", "Sydney", MakeTime(2027, 3, 1), "Clocks go back 1 hour on Sun 4 Apr 2027 at 03:00"},
        {"no daylight time", "Tokyo", MakeTime(2026, 10, 20), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nickname);
        const CCity city = Load(QString::fromUtf8(c.city));
        EXPECT_EQ(QString::fromUtf8(c.text), za::ClockChangeText(za::NextClockChange(city.TimeZone(), c.after)));
    }
    EXPECT_EQ(QStringLiteral("2 hours"), za::ClockChangeAmountText(-120));
    EXPECT_EQ(QStringLiteral("1 hour 30 min"), za::ClockChangeAmountText(90));
}

TEST_F(ClockChangeTest, AChangeWithinSevenDaysIsMarkedAndOneBeyondIsNot) {
    const CCity london = Load(QStringLiteral("London"));
    // The change is at 01:00 UTC on 25 October 2026.
    const SYSTEMTIME sevenDaysBefore = MakeTime(2026, 10, 18, 1, 0);
    const SYSTEMTIME justOver = MakeTime(2026, 10, 18, 0, 59, 59);
    EXPECT_TRUE(za::ChangesWithinDays(za::NextClockChange(london.TimeZone(), sevenDaysBefore), sevenDaysBefore, 7));
    EXPECT_FALSE(za::ChangesWithinDays(za::NextClockChange(london.TimeZone(), justOver), justOver, 7));
    const CCity tokyo = Load(QStringLiteral("Tokyo"));
    EXPECT_FALSE(za::ChangesWithinDays(za::NextClockChange(tokyo.TimeZone(), justOver), justOver, 7));
}

TEST_F(ClockChangeTest, ADisplaysNoteKeepsTheChangeUntilItHasPassed) {
    const CCity london = Load(QStringLiteral("London"));
    const CCity tokyo = Load(QStringLiteral("Tokyo"));
    za::ClockChangeCache cache;
    const za::DisplayNote before = za::MakeDisplayNote(tokyo, london, false, true, MakeTime(2026, 10, 20), cache);
    EXPECT_EQ(QStringLiteral("\u22128 h"), before.offset);
    EXPECT_TRUE(before.changeSoon);
    EXPECT_EQ(QStringLiteral("Clocks go back 1 hour on Sun 25 Oct 2026 at 02:00"), before.changeText);
    // Once the change has passed the next one is sought: spring 2027.
    const za::DisplayNote after = za::MakeDisplayNote(tokyo, london, false, true, MakeTime(2026, 10, 25, 1, 0), cache);
    EXPECT_EQ(QStringLiteral("\u22129 h"), after.offset);
    EXPECT_FALSE(after.changeSoon);
    EXPECT_EQ(QStringLiteral("Clocks go forward 1 hour on Sun 28 Mar 2027 at 01:00"), after.changeText);
    // The current city itself, and offsets turned off, show no offset.
    EXPECT_EQ(QString(), za::MakeDisplayNote(london, london, true, true, MakeTime(2026, 10, 20), cache).offset);
    EXPECT_EQ(QString(), za::MakeDisplayNote(tokyo, london, false, false, MakeTime(2026, 10, 20), cache).offset);
    // A clock set back to before the kept search finds the earlier change again.
    EXPECT_TRUE(za::MakeDisplayNote(tokyo, london, false, true, MakeTime(2026, 10, 21), cache).changeSoon);
}

using CityOffsetTest = WorldClockTest;

TEST_F(CityOffsetTest, OffsetAndDayFromTheCurrentCity) {
    struct Case {
        const char* nickname;
        const char* reference;
        const char* city;
        SYSTEMTIME utc;
        const char* label;
    } cases[] = {
        {"east in summer", "London", "Tokyo", MakeTime(2026, 7, 1, 12, 0), "+8 h"},
        {"east in winter", "London", "Tokyo", MakeTime(2026, 1, 15, 12, 0), "+9 h"},
        {"west", "London", "New York, NY", MakeTime(2026, 1, 15, 12, 0), "\u22125 h"},
        {"half hour", "New York, NY", "New Delhi", MakeTime(2026, 1, 15, 12, 0), "+10 h 30 min"},
        {"half hour behind", "New Delhi", "London", MakeTime(2026, 1, 15, 12, 0), "\u22125 h 30 min"},
        {"quarter hour", "London", "Kathmandu", MakeTime(2026, 1, 15, 12, 0), "+5 h 45 min"},
        {"under an hour", "Sydney", "Adelaide", MakeTime(2026, 1, 15, 12, 0), "\u221230 min"},
        {"same time", "Paris", "Berlin", MakeTime(2026, 1, 15, 12, 0), "0 h"},
        // 13:00 in San Francisco is 05:00 the next day in Tokyo.
        {"tomorrow", "San Francisco, CA", "Tokyo", MakeTime(2026, 7, 1, 20, 0), "+16 h tomorrow"},
        {"yesterday", "Tokyo", "San Francisco, CA", MakeTime(2026, 7, 1, 20, 0), "\u221216 h yesterday"},
        // Offsets differ across the weeks in which only one of the two has changed.
        {"between the changes", "London", "New York, NY", MakeTime(2026, 3, 20, 12, 0), "\u22124 h"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nickname);
        const CCity reference = Load(QString::fromUtf8(c.reference));
        const CCity city = Load(QString::fromUtf8(c.city));
        EXPECT_EQ(QString::fromUtf8(c.label),
                  za::OffsetLabel(za::OffsetBetween(reference.TimeZone(), city.TimeZone(), c.utc)));
    }
}

using MeetingPlannerTest = WorldClockTest;

TEST_F(MeetingPlannerTest, HoursAgreeWithZoneinfo) {
    const QList<QStringList> rows = ReadCsv("meetingplan.csv");
    ASSERT_GE(rows.size(), 100);
    // plan name → its date, cities in order, and rows by (slot, city).
    struct Expected {
        QString date;
        QStringList cities;
        QMap<QPair<int, QString>, QStringList> cells;
        int slotCount = 0;
    };
    std::map<std::string, Expected> plans;
    for (const QStringList& row : rows) {
        Expected& e = plans[row[0].toStdString()];
        e.date = row[1];
        if (!e.cities.contains(row[4])) e.cities << row[4];
        e.cells.insert({row[2].toInt(), row[4]}, row);
        e.slotCount = std::max(e.slotCount, row[2].toInt() + 1);
    }
    ASSERT_EQ(6u, plans.size());
    for (const auto& [name, e] : plans) {
        SCOPED_TRACE(name);
        std::vector<za::PlanCity> cities;
        for (const QString& city : e.cities) cities.push_back({Load(city), za::WorkingHours{}});
        const za::MeetingPlan plan = za::PlanMeeting(ParseIso(e.date + QStringLiteral("T00:00")), cities);
        ASSERT_EQ(static_cast<size_t>(e.slotCount), plan.slotStarts.size());
        ASSERT_EQ(static_cast<size_t>(e.cities.size()), plan.rows.size());
        for (int slot = 0; slot < e.slotCount; ++slot) {
            bool common = true;
            for (int r = 0; r < e.cities.size(); ++r) {
                const QStringList& want = e.cells.value({slot, e.cities[r]});
                SCOPED_TRACE(want.join(QLatin1Char(' ')).toStdString());
                EXPECT_EQ(want[3], Iso(plan.slotStarts[slot]) + QLatin1Char('Z'));
                EXPECT_EQ(want[5], Iso(plan.rows[r].cells[slot].local).left(16));
                EXPECT_EQ(want[6] == QLatin1String("1"), plan.rows[r].cells[slot].working);
                common = common && want[6] == QLatin1String("1");
            }
            EXPECT_EQ(common, plan.common[slot]) << "slot " << slot;
        }
    }
}

TEST_F(MeetingPlannerTest, LondonNewYorkAndTokyoShareNoWorkingHour) {
    const SYSTEMTIME date = MakeTime(2027, 3, 29);
    std::vector<za::PlanCity> cities = {{Load(QStringLiteral("London")), {}},
                                        {Load(QStringLiteral("New York, NY")), {}}};
    // 09:00 in New York is 14:00 in London (both on daylight time); London stops at 17:00.
    EXPECT_EQ(QStringLiteral("14:00\u201317:00"), za::CommonHoursText(za::PlanMeeting(date, cities)));
    cities.push_back({Load(QStringLiteral("Tokyo")), {}});
    const za::MeetingPlan plan = za::PlanMeeting(date, cities);
    EXPECT_TRUE(plan.CommonRuns().empty());
    EXPECT_EQ(QString(), za::CommonHoursText(plan));
    // Tokyo working from 22:00 to 06:00 makes the evening in London common to all three.
    cities[2].hours = {22 * 60, 6 * 60};
    EXPECT_EQ(QStringLiteral("14:00\u201317:00"), za::CommonHoursText(za::PlanMeeting(date, cities)));
}

TEST_F(MeetingPlannerTest, ClockChangeDaysHaveTwentyThreeAndTwentyFiveHours) {
    struct Case {
        const char* nickname;
        SYSTEMTIME date;
        size_t londonHours;
        int newYorkHours;
    } cases[] = {
        {"London springs forward", MakeTime(2026, 3, 29), 23, 24},
        {"London falls back", MakeTime(2026, 10, 25), 25, 24},
        {"New York springs forward", MakeTime(2026, 3, 8), 24, 23},
        {"an ordinary day", MakeTime(2026, 6, 1), 24, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nickname);
        const za::MeetingPlan plan =
            za::PlanMeeting(c.date, {{Load(QStringLiteral("London")), {}}, {Load(QStringLiteral("New York, NY")), {}}});
        EXPECT_EQ(c.londonHours, plan.slotStarts.size());
        EXPECT_EQ(static_cast<int>(c.londonHours), plan.rows[0].dayHours);
        EXPECT_EQ(c.newYorkHours, plan.rows[1].dayHours);
    }
    // The hour after London's change is marked in its row.
    const za::MeetingPlan spring =
        za::PlanMeeting(MakeTime(2026, 3, 29), {{Load(QStringLiteral("London")), {}}});
    EXPECT_FALSE(spring.rows[0].cells[0].changed);
    EXPECT_TRUE(spring.rows[0].cells[1].changed);  // 00:00 GMT, then 02:00 BST: 01:00 never comes
    EXPECT_EQ(2, spring.rows[0].cells[1].local.wHour);
    EXPECT_FALSE(spring.rows[0].cells[2].changed);
}

TEST_F(MeetingPlannerTest, AnHourReadsAsAScreenReaderSaysIt) {
    const za::MeetingPlan plan = za::PlanMeeting(
        MakeTime(2027, 1, 15), {{Load(QStringLiteral("London")), {}}, {Load(QStringLiteral("Tokyo")), {}},
                                {Load(QStringLiteral("New York, NY")), {}}});
    EXPECT_EQ(QStringLiteral("14:00 in London is 23:00 in Tokyo, outside working hours"), za::SlotReading(plan, 14, 1));
    EXPECT_EQ(QStringLiteral("14:00 in London is 09:00 in New York, NY, within working hours"),
              za::SlotReading(plan, 14, 2));
    EXPECT_EQ(QStringLiteral("02:00 in London is 21:00 in New York, NY yesterday, outside working hours"),
              za::SlotReading(plan, 2, 2));
    EXPECT_EQ(QString(), za::SlotReading(plan, 24, 1));
}

TEST(WorkingHours, ParsedFromTheirTexts) {
    struct Case {
        const char* text;
        bool ok;
        int start;
        int end;
    } cases[] = {
        {"9-17", true, 540, 1020},        {"09:00-17:30", true, 540, 1050}, {"8:30\u201316", true, 510, 960},
        {"22-6", true, 1320, 360},        {"0-24", true, 0, 1440},          {"9-25", false, 0, 0},
        {"9:60-17", false, 0, 0},         {"nine-five", false, 0, 0},       {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        za::WorkingHours hours{};
        ASSERT_EQ(c.ok, za::ParseWorkingHours(QString::fromUtf8(c.text), &hours));
        if (!c.ok) continue;
        EXPECT_EQ(c.start, hours.start);
        EXPECT_EQ(c.end, hours.end);
    }
    EXPECT_TRUE((za::WorkingHours{0, 1440}).Contains(23 * 60 + 59));
    EXPECT_TRUE((za::WorkingHours{1320, 360}).Contains(0));
    EXPECT_FALSE((za::WorkingHours{1320, 360}).Contains(360));
    EXPECT_EQ(QStringLiteral("09:00\u201317:00"), za::WorkingHoursText({}));
}

TEST(SubPoints, AgreeWithAnEphemerisWithinHalfADegree) {
    QFile file(DataPath("subpoints.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    constexpr double kTolerance = 0.5;   // degrees, along the meridian and along the parallel
    constexpr double kLitTolerance = 0.03;
    double worstSun = 0.0, worstMoon = 0.0, worstLit = 0.0;
    QString worstSunRow, worstMoonRow, worstLitRow;
    int rows = 0;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1Char('#')) || line.isEmpty()) continue;
        const QStringList f = line.split(QLatin1Char(' '));
        ASSERT_EQ(7, f.size()) << line.toStdString();
        const SYSTEMTIME utc = ParseIso(f[0]);
        auto error = [](const za::astro::SubPoint& p, double lat, double lon) {
            double dLon = std::remainder(p.longitude - lon, 360.0);
            dLon *= std::cos(lat * 3.14159265358979323846 / 180.0);
            return std::hypot(p.latitude - lat, dLon);
        };
        const double sun = error(za::astro::SubsolarPoint(utc), f[1].toDouble(), f[2].toDouble());
        const za::astro::MoonOverhead moon = za::astro::SublunarPoint(utc);
        const double moonError = error(moon.point, f[3].toDouble(), f[4].toDouble());
        const double lit = std::fabs(moon.illuminated - f[5].toDouble());
        if (sun > worstSun) worstSun = sun, worstSunRow = line;
        if (moonError > worstMoon) worstMoon = moonError, worstMoonRow = line;
        if (lit > worstLit) worstLit = lit, worstLitRow = line;
        // Near new and full moon the waxing flag flips within the series' error.
        if (f[5].toDouble() > 0.02 && f[5].toDouble() < 0.98) {
            EXPECT_EQ(f[6] == QLatin1String("1"), moon.waxing) << line.toStdString();
        }
        ++rows;
    }
    EXPECT_GE(rows, 200);
    EXPECT_LE(worstSun, kTolerance) << worstSunRow.toStdString();
    EXPECT_LE(worstMoon, kTolerance) << worstMoonRow.toStdString();
    EXPECT_LE(worstLit, kLitTolerance) << worstLitRow.toStdString();
    std::printf("sub-points: worst sun %.4f deg, moon %.4f deg, lit fraction %.4f over %d instants\n", worstSun,
                worstMoon, worstLit, rows);
}

TEST(SubPoints, NamedInWholeDegrees) {
    struct Case {
        const char* nickname;
        double lat;
        double lon;
        const char* text;
    } cases[] = {
        {"south east", -12.4, 110.4, "12\u00b0 S, 110\u00b0 E"},
        {"north west", 5.5, -30.2, "6\u00b0 N, 30\u00b0 W"},
        {"rounding to zero", -0.3, -0.4, "0\u00b0 N, 0\u00b0 E"},
        {"the date line", 1.0, -179.6, "1\u00b0 N, 180\u00b0 E"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nickname);
        EXPECT_EQ(QString::fromUtf8(c.text), za::astro::SubPointText({c.lat, c.lon}));
    }
    EXPECT_EQ(QStringLiteral("Sun overhead: 12\u00b0 S, 110\u00b0 E"), za::astro::SunOverheadText({-12.4, 110.4}));
    EXPECT_EQ(QStringLiteral("Moon overhead: 6\u00b0 N, 30\u00b0 W"), za::astro::MoonOverheadText({5.5, -30.2}));
}

}  // namespace
