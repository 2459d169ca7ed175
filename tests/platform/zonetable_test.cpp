// The Outlook stand-in's zone table: its entries, what they derive to, whether the table
// covers today's world, and the installation steps built on it.
#include "clock.h"
#include "oledate.h"
#include "poutlook.h"
#include "profile.h"
#include "registry.h"
#include "tzderive.h"
#include "tzrule.h"

#include <QDateTime>
#include <QStringList>
#include <QTimeZone>

#include <cstring>
#include <set>
#include <vector>

#include <gtest/gtest.h>

using za::outlook::ZoneEntry;
using za::test::FixedHostClock;
using za::test::ProfileTest;
using za::test::UtcMs;

namespace {

// Qt's fixed-offset ids for offsets that no place keeps: no entry gives them (data/zones.md).
const std::set<QByteArray> kOffsetOnlyIds = {"UTC+08:30", "UTC-03:30", "UTC-04:30", "UTC-13:00", "UTC-14:00"};

std::vector<ZoneEntry> Table() {
    int count = 0;
    const ZoneEntry* table = za::outlook::ZoneTable(&count);
    return std::vector<ZoneEntry>(table, table + count);
}

std::int64_t YearStart(int year) { return za::DaysFromCivil(year, 1, 1) * 86400; }

QDateTime Utc(std::int64_t seconds) { return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()); }

// The years the table must hold for: a fixed one, and the one the device is in now.
std::set<int> YearsToCheck() {
    return {2026, Utc(za::device::NowUtcMs() / 1000).date().year()};
}

// The zone's offsets (seconds east of UTC) through [from, to), from the tz database's own
// transitions: the offset in force just before `from` and every change in the span.
struct OffsetLine {
    int initial;
    std::vector<std::pair<std::int64_t, int>> changes;  // instant, offset from then on

    OffsetLine(const QTimeZone& zone, std::int64_t from, std::int64_t to) {
        initial = zone.offsetFromUtc(Utc(from - 1));
        int previous = initial;
        for (const QTimeZone::OffsetData& t : zone.transitions(Utc(from), Utc(to - 1))) {
            const std::int64_t at = t.atUtc.toSecsSinceEpoch();
            if (at < from || at >= to || t.offsetFromUtc == previous) continue;
            changes.emplace_back(at, t.offsetFromUtc);
            previous = t.offsetFromUtc;
        }
    }
    int At(std::int64_t t) const {
        int offset = initial;
        for (const auto& [at, after] : changes) {
            if (at > t) break;
            offset = after;
        }
        return offset;
    }
};

int ChangesInYear(const QTimeZone& zone, int year) {
    return static_cast<int>(OffsetLine(zone, YearStart(year), YearStart(year + 1)).changes.size());
}

bool IsAbsolute(const TIME_ZONE_INFORMATION& tzi) {
    return tzi.StandardDate.wMonth != 0 && (tzi.StandardDate.wYear != 0 || tzi.DaylightDate.wYear != 0);
}

}  // namespace

TEST(ZoneTable, IdsAreUniqueAndSortedAndEveryEntryIsWellFormed) {
    const std::vector<ZoneEntry> table = Table();
    ASSERT_FALSE(table.empty());
    for (size_t i = 0; i < table.size(); ++i) {
        const ZoneEntry& e = table[i];
        SCOPED_TRACE(testing::Message() << "entry " << e.id << " " << e.standardName);
        if (i > 0) {
            EXPECT_LT(table[i - 1].id, e.id) << "ids must be unique and ascending";
        }
        EXPECT_GE(e.id, 0);
        for (const char* name : {e.standardName, e.daylightName}) {
            const QString text = QString::fromUtf8(name);
            EXPECT_FALSE(text.isEmpty());
            EXPECT_LE(text.size(), 31) << name;  // 32 characters with the NUL
            // The names are copied into the fixed fields as Latin-1.
            for (QChar c : text) EXPECT_LT(c.unicode(), 0x80) << name;
        }
        EXPECT_STRNE("", e.label);
        EXPECT_TRUE(QTimeZone(QByteArray(e.tzId)).isValid()) << e.tzId;
        EXPECT_EQ(za::outlook::ZoneTable(nullptr) + i, za::outlook::FindZoneEntry(e.id));
    }
    // The handheld's own IDs are all kept: stored cities and settings refer to them.
    const int classic[] = {0,   1,   2,   3,   4,   10,  13,  15,  20,  25,  30,  33,  35,  40,  45,  50,  55,  56,  60,
                           65,  70,  73,  75,  80,  83,  85,  90,  95,  100, 105, 110, 113, 115, 120, 125, 130, 135, 140,
                           145, 150, 155, 158, 160, 165, 170, 175, 180, 185, 190, 193, 195, 200, 201, 203, 205, 207, 210,
                           215, 220, 225, 227, 230, 235, 240, 245, 250, 255, 260, 265, 270, 275, 280, 285, 290, 300};
    for (int id : classic) EXPECT_NE(nullptr, za::outlook::FindZoneEntry(id)) << id;
    for (int id : {-1, 5, 320, 99999}) EXPECT_EQ(nullptr, za::outlook::FindZoneEntry(id)) << id;
}

TEST(ZoneTable, DisplayNamesShowTheStandardOffsetOfTheYear) {
    const struct {
        int id;
        int year;
        const char* display;
    } rows[] = {
        {4, 2026, "(GMT-08:00) Pacific Time (US & Canada)"},
        {0, 2026, "(GMT-12:00) International Date Line West"},
        {60, 2026, "(GMT-03:30) Newfoundland"},
        {302, 2026, "(GMT-09:30) Marquesas Islands"},
        {85, 2026, "(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London"},
        {193, 2026, "(GMT+05:45) Kathmandu"},
        {318, 2026, "(GMT+12:45) Chatham Islands"},
        {319, 2026, "(GMT+14:00) Kiritimati"},
        // British Columbia keeps daylight time from 2026 on: standard UTC-8 that year, UTC-7 after.
        {305, 2026, "(GMT-08:00) British Columbia"},
        {305, 2027, "(GMT-07:00) British Columbia"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.id << " in " << r.year);
        const ZoneEntry* e = za::outlook::FindZoneEntry(r.id);
        ASSERT_NE(nullptr, e);
        EXPECT_EQ(QString::fromUtf8(r.display), za::outlook::DisplayName(*e, r.year));
    }
    const ZoneEntry bogus{999, "X Standard Time", "X Daylight Time", "Nowhere", "No/Such_Zone"};
    EXPECT_TRUE(za::outlook::DisplayName(bogus, 2026).isEmpty());
    TIME_ZONE_INFORMATION tzi{};
    EXPECT_FALSE(za::outlook::ZoneInformation(bogus, 2026, &tzi));
}

TEST(ZoneTable, SameRuleComparesBiasesAndTransitionFieldsOnly) {
    TIME_ZONE_INFORMATION base{};
    ASSERT_TRUE(za::tz::DeriveFromZone(QTimeZone("Europe/London"), 2026, &base));
    za::tz::SetNames(&base, QStringLiteral("A"), QStringLiteral("B"));
    const struct {
        const char* name;
        void (*change)(TIME_ZONE_INFORMATION*);
        bool same;
    } rows[] = {
        {"names", [](TIME_ZONE_INFORMATION* t) { za::tz::SetNames(t, QStringLiteral("C"), QStringLiteral("D")); }, true},
        {"seconds", [](TIME_ZONE_INFORMATION* t) { t->DaylightDate.wSecond = 30; }, true},
        {"Bias", [](TIME_ZONE_INFORMATION* t) { t->Bias = 60; }, false},
        {"StandardBias", [](TIME_ZONE_INFORMATION* t) { t->StandardBias = -1; }, false},
        {"DaylightBias", [](TIME_ZONE_INFORMATION* t) { t->DaylightBias = -30; }, false},
        {"daylight hour", [](TIME_ZONE_INFORMATION* t) { t->DaylightDate.wHour = 2; }, false},
        {"daylight minute", [](TIME_ZONE_INFORMATION* t) { t->DaylightDate.wMinute = 30; }, false},
        {"daylight year", [](TIME_ZONE_INFORMATION* t) { t->DaylightDate.wYear = 2026; }, false},
        {"standard month", [](TIME_ZONE_INFORMATION* t) { t->StandardDate.wMonth = 11; }, false},
        {"standard weekday", [](TIME_ZONE_INFORMATION* t) { t->StandardDate.wDayOfWeek = 6; }, false},
        {"standard occurrence", [](TIME_ZONE_INFORMATION* t) { t->StandardDate.wDay = 4; }, false},
        {"standard hour", [](TIME_ZONE_INFORMATION* t) { t->StandardDate.wHour = 1; }, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        TIME_ZONE_INFORMATION other = base;
        r.change(&other);
        EXPECT_EQ(r.same, za::outlook::SameRule(base, other));
        EXPECT_EQ(r.same, za::outlook::SameRule(other, base));
    }
    // Same offsets, other transition hours: Chile's rule written for Easter Island's clock.
    TIME_ZONE_INFORMATION santiago{}, easter{};
    ASSERT_TRUE(za::tz::DeriveFromZone(QTimeZone("America/Santiago"), 2026, &santiago));
    ASSERT_TRUE(za::tz::DeriveFromZone(QTimeZone("Pacific/Easter"), 2026, &easter));
    easter.Bias = santiago.Bias;
    EXPECT_FALSE(za::outlook::SameRule(santiago, easter));
}

// For every entry and every hour of the year, the derived zone information gives the offset
// the tz database gives its representative zone; so do one second before, at and after each
// change, the instant of a change itself taking the offset that begins there. A rule
// of weekdays must hold the next year too; one of absolute instants only its own year. A zone
// with more than two changes in the year (Morocco in 2026) cannot be held by one rule; it must
// be right from its last change on.
TEST(ZoneTable, EveryEntryGivesItsZonesOffsetsHourByHour) {
    const std::vector<ZoneEntry> table = Table();
    QStringList failures;
    int checked = 0;
    for (int year : YearsToCheck()) {
        for (const ZoneEntry& e : table) {
            TIME_ZONE_INFORMATION tzi{};
            ASSERT_TRUE(za::outlook::ZoneInformation(e, year, &tzi)) << e.tzId;
            EXPECT_EQ(QString::fromLatin1(e.standardName), za::tz::StandardName(tzi)) << e.id;
            EXPECT_EQ(QString::fromLatin1(e.daylightName), za::tz::DaylightName(tzi)) << e.id;
            const QTimeZone zone{QByteArray(e.tzId)};
            const int lastYear = IsAbsolute(tzi) ? year : year + 1;
            for (int y = year; y <= lastYear; ++y) {
                const std::int64_t from = YearStart(y);
                const std::int64_t to = YearStart(y + 1);
                const OffsetLine line(zone, from, to);
                std::int64_t checkFrom = from;
                if (ChangesInYear(zone, y) > 2) checkFrom = line.changes.back().first;
                std::vector<std::int64_t> instants;
                for (std::int64_t t = from; t < to; t += 3600) instants.push_back(t);
                for (const auto& change : line.changes) {
                    for (std::int64_t d : {-1, 0, 1}) instants.push_back(change.first + d);
                }
                for (std::int64_t t : instants) {
                    if (t < checkFrom || t >= to) continue;
                    const int expected = line.At(t);
                    ++checked;
                    const int got = za::tz::BiasAt(tzi, t);
                    if (got != -expected / 60) {
                        failures << QStringLiteral("%1 (%2, rule of %3) at %4: bias %5, tz %6")
                                        .arg(e.id)
                                        .arg(QLatin1String(e.tzId))
                                        .arg(year)
                                        .arg(Utc(t).toString(Qt::ISODate))
                                        .arg(got)
                                        .arg(-expected / 60);
                        break;
                    }
                }
            }
        }
    }
    EXPECT_GT(checked, 8760 * static_cast<int>(table.size()));
    EXPECT_TRUE(failures.isEmpty()) << failures.size() << " entries differ, first: "
                                    << failures.mid(0, 10).join(QStringLiteral("; ")).toStdString();
}

// Every zone of the tz database finds an entry with exactly its rule of the year, so that
// any city can be given a zone index that keeps its clock right.
TEST(ZoneTable, EveryZoneOfTheTzDatabaseHasAnEntryWithItsRule) {
    for (int year : YearsToCheck()) {
        SCOPED_TRACE(testing::Message() << "year " << year);
        std::vector<TIME_ZONE_INFORMATION> table;
        ASSERT_TRUE(za::outlook::DeriveZoneTable(year, &table));
        int compared = 0;
        QStringList missing;
        std::set<QByteArray> offsetOnlyMissing;
        for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
            const QTimeZone zone(id);
            TIME_ZONE_INFORMATION tzi{};
            ASSERT_TRUE(za::tz::DeriveFromZone(zone, year, &tzi)) << id.constData();
            ++compared;
            bool found = false;
            for (const TIME_ZONE_INFORMATION& entry : table) found = found || za::outlook::SameRule(tzi, entry);
            if (found) continue;
            if (kOffsetOnlyIds.count(id)) {
                offsetOnlyMissing.insert(id);
            } else if (ChangesInYear(zone, year) <= 2) {
                missing << QString::fromLatin1(id);
            }
        }
        EXPECT_GT(compared, 400);
        EXPECT_TRUE(missing.isEmpty()) << "no entry gives: " << missing.join(QLatin1Char(' ')).toStdString();
        // The offset-only ids are skipped because no place keeps them; should one gain a
        // place, its zone would show up above.
        for (const QByteArray& id : offsetOnlyMissing) EXPECT_EQ(1u, kOffsetOnlyIds.count(id));
    }
}

TEST(ZoneTable, HostZonesMapToTheirEntry) {
    const struct {
        const char* zone;
        int id;
        const char* why;
    } rows[] = {
        {"America/Los_Angeles", 4, "representative"},
        {"Europe/Berlin", 110, "representative, though 95 has the same rule"},
        {"Africa/Casablanca", 311, "representative of an added entry"},
        {"Europe/Rome", 110, "same rule, the label names Rome"},
        {"Europe/Madrid", 105, "same rule, the label names Madrid"},
        {"Europe/Prague", 95, "same rule, the label names Prague"},
        {"America/Argentina/Buenos_Aires", 70, "representative"},
        {"America/Toronto", 35, "same rule, lowest id"},
        {"Asia/Colombo", 200, "representative, though 190 has the same rule"},
        {"Etc/UTC", 90, "same rule as Monrovia"},
        {"UTC", 90, "same rule as Monrovia"},
        {"UTC+08:30", 315, "no rule matches: Eucla's +08:45 is the nearest offset"},
        {"No/Such_Zone", 90, "unknown ids are taken as UTC"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.zone << ": " << r.why);
        EXPECT_EQ(r.id, za::outlook::EntryForZone(QByteArray(r.zone), 2026));
    }
    EXPECT_EQ(-1, za::outlook::EntryForZone("Europe/Rome", 1800)) << "no rules before 1900";
    EXPECT_EQ(4, za::outlook::EntryForZone("America/Los_Angeles", 1800)) << "a representative needs no rules";
}

TEST(ZoneTable, RestrictionTextDoublesQuotes) {
    EXPECT_EQ(QStringLiteral("\"Paris\""), za::outlook::RestrictionText(QStringLiteral("Paris")));
    EXPECT_EQ(QStringLiteral("\"Bar \"\"Zum Hirschen\"\"\""),
              za::outlook::RestrictionText(QStringLiteral("Bar \"Zum Hirschen\"")));
    EXPECT_EQ(QStringLiteral("\"\""), za::outlook::RestrictionText(QString()));
}

class ZoneInstall : public ProfileTest {
protected:
    void TearDown() override { za::outlook::SetHostZoneId(QByteArray()); }
};

QString ReadDisplay(int id, DWORD* type, DWORD* bytes) {
    HKEY key = nullptr;
    // Key names compare without regard to case, as on the handheld.
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Microsoft\\TimeZones\\%1").arg(id), 0, 0,
                      &key) != ERROR_SUCCESS) {
        return QStringLiteral("<no key>");
    }
    BYTE data[512] = {};
    *bytes = sizeof data;
    const LONG rc = RegQueryValueExW(key, QStringLiteral("Display"), nullptr, type, data, bytes);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || *bytes < 2) return QStringLiteral("<no value>");
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(data), *bytes / 2);
    return text;
}

TEST_F(ZoneInstall, ANewProfileHasEveryDisplayNameOfItsYear) {
    FixedHostClock host(UtcMs(2027, 3, 1, 12, 0, 0));
    DWORD type = 0, bytes = 0;
    // Each value is UTF-16 with its NUL, in REG_SZ.
    QString value = ReadDisplay(4, &type, &bytes);
    EXPECT_EQ(REG_SZ, type);
    ASSERT_FALSE(value.isEmpty());
    EXPECT_EQ(QChar(0), value.back());
    EXPECT_EQ(QStringLiteral("(GMT-08:00) Pacific Time (US & Canada)"), value.chopped(1));
    EXPECT_EQ(QStringLiteral("(GMT+05:45) Kathmandu"), ReadDisplay(193, &type, &bytes).chopped(1));
    EXPECT_EQ(QStringLiteral("(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London"),
              ReadDisplay(85, &type, &bytes).chopped(1));
    // Installed in 2027, when British Columbia's standard time is UTC-7.
    EXPECT_EQ(QStringLiteral("(GMT-07:00) British Columbia"), ReadDisplay(305, &type, &bytes).chopped(1));
    for (const ZoneEntry& e : Table()) {
        EXPECT_EQ(za::outlook::DisplayName(e, 2027) + QChar(0), ReadDisplay(e.id, &type, &bytes)) << e.id;
    }
}

TEST_F(ZoneInstall, ANewProfileStartsInTheEntryOfTheHostZone) {
    FixedHostClock host(UtcMs(2026, 7, 1, 12, 0, 0));
    const struct {
        const char* host;  // null: the system's zone
        int id;
    } rows[] = {
        {nullptr, za::outlook::EntryForZone(QTimeZone::systemTimeZone().id(), 2026)},
        {"Europe/Rome", 110},
        {"America/Toronto", 35},
        {"UTC+08:30", 315},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.host ? r.host : "system zone");
        za::test::TempProfile fresh;
        za::outlook::SetHostZoneId(r.host ? QByteArray(r.host) : QByteArray());
        TIME_ZONE_INFORMATION device{};
        ASSERT_NE(TIME_ZONE_ID_INVALID, GetTimeZoneInformation(&device));
        TIME_ZONE_INFORMATION expected{};
        ASSERT_TRUE(za::outlook::ZoneInformation(*za::outlook::FindZoneEntry(r.id), 2026, &expected));
        EXPECT_EQ(0, std::memcmp(&expected, &device, sizeof device))
            << za::tz::StandardName(device).toStdString() << " instead of " << za::tz::StandardName(expected).toStdString();
    }
}
