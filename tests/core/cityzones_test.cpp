// Every city's clock against the tz database: the city converts through its own zone's history
// (the zone-table entry stays its identity and name), local times the clocks skip or repeat are
// taken one way on both sides of Greenwich, and the device zone keeps the city's own zone.
#include "city.h"
#include "cityinstall.h"
#include "citylistcsv.h"
#include "clock.h"
#include "oledate.h"
#include "profile.h"
#include "timezone.h"

#include <QDateTime>
#include <QProcess>
#include <QStringList>
#include <QTimeZone>

#include <cstdint>
#include <map>
#include <set>
#include <vector>

using za::test::FixedHostClock;
using za::test::MakeTime;
using za::test::ProfileTest;
using za::test::UtcMs;
using Kind = za::tz::ZoneHistory::LocalKind;

namespace {

struct ShippedCity {
    QString name;
    QByteArray tz;
    int zoneId;
};

// The shipped list's cities with their tz database zones, read with the list's own CSV rules
// through a small parser of quoted fields.
std::vector<ShippedCity> ShippedCities() {
    std::vector<ShippedCity> cities;
    const QStringList lines = QString::fromUtf8(za::ShippedCityList()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QStringList fields;
        QString field;
        bool quoted = false;
        const QString& line = lines[i];
        for (qsizetype k = 0; k < line.size(); ++k) {
            const QChar c = line[k];
            if (quoted) {
                if (c == QLatin1Char('"') && k + 1 < line.size() && line[k + 1] == QLatin1Char('"')) {
                    field += c;
                    ++k;
                } else if (c == QLatin1Char('"')) {
                    quoted = false;
                } else {
                    field += c;
                }
            } else if (c == QLatin1Char('"')) {
                quoted = true;
            } else if (c == QLatin1Char(',')) {
                fields << field;
                field.clear();
            } else if (c != QLatin1Char('\r')) {
                field += c;
            }
        }
        fields << field;
        if (fields.size() == 9) cities.push_back({fields[0], fields[7].toLatin1(), fields[8].toInt()});
    }
    return cities;
}

struct Probe {
    std::int64_t utc;
    int offset;  // seconds east of UTC
};

// The reference offsets of tests/data/tzreference.py (python's zoneinfo on the system's tz
// database) for the zones; empty when the script cannot run.
std::map<QByteArray, std::vector<Probe>> ReferenceOffsets(const std::set<QByteArray>& zones, QString* error) {
    std::map<QByteArray, std::vector<Probe>> reference;
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(ZONARIA_TEST_DATA "/tzreference.py")});
    if (!python.waitForStarted()) {
        *error = QStringLiteral("cannot start /usr/bin/python3");
        return reference;
    }
    QByteArray input;
    for (const QByteArray& z : zones) input += z + '\n';
    python.write(input);
    python.closeWriteChannel();
    QByteArray output;
    while (python.state() != QProcess::NotRunning) {
        python.waitForReadyRead(-1);
        output += python.readAllStandardOutput();
    }
    output += python.readAllStandardOutput();
    if (python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0) {
        *error = QString::fromLocal8Bit(python.readAllStandardError());
        return {};
    }
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() != 3) continue;
        reference[f[0]].push_back({f[1].toLongLong(), f[2].toInt()});
    }
    return reference;
}

SYSTEMTIME At(std::int64_t seconds) {
    SYSTEMTIME st{};
    za::SecondsToSystemTime(seconds, &st);
    return st;
}

std::int64_t Seconds(const SYSTEMTIME& st) {
    std::int64_t s = 0;
    za::SystemTimeToSeconds(st, &s);
    return s;
}

CCity City(const QString& name, int zone) {
    CCity city;
    city.SetName(name);
    city.SetTimeZoneID(zone);
    return city;
}

}  // namespace

class CityZones : public ProfileTest {};

// Rome showed Berlin's 1970s, Istanbul Moscow's clock until 2016, Almaty +05 until 2024-02-29,
// Abidjan Monrovia's -0:44:30: a city converted through its entry's representative zone. Every
// city now gives the tz database's offset one second before, at and one second after every
// transition from 1970 to 2037 (seconds included), and on the 15th of every month.
TEST_F(CityZones, EveryCityEqualsTheTzDatabaseAtEveryTransitionFrom1970To2037) {
    FixedHostClock host(UtcMs(2026, 6, 1));
    const std::vector<ShippedCity> cities = ShippedCities();
    ASSERT_GT(cities.size(), 2000u);
    std::set<QByteArray> zones;
    for (const ShippedCity& c : cities) zones.insert(c.tz);
    QString error;
    const auto reference = ReferenceOffsets(zones, &error);
    ASSERT_FALSE(reference.empty()) << error.toStdString();

    // Each city follows its own zone; the checks run once for each (zone, entry) pair, the
    // only two things a city's conversion depends on.
    std::map<std::pair<QByteArray, int>, QString> pairs;
    int notFollowing = 0;
    for (const ShippedCity& c : cities) {
        const CCity city = City(c.name, c.zoneId);
        if (city.TimeZone().FollowedZone() != c.tz) {
            if (++notFollowing <= 5) ADD_FAILURE() << c.name.toStdString() << " follows " << city.TimeZone().FollowedZone().constData();
        }
        pairs.emplace(std::make_pair(c.tz, c.zoneId), c.name);
    }
    EXPECT_EQ(0, notFollowing);

    long checked = 0;
    int wrongPairs = 0;
    for (const auto& [key, name] : pairs) {
        const auto it = reference.find(key.first);
        ASSERT_NE(it, reference.end()) << key.first.constData();
        const CCity city = City(name, key.second);
        int wrong = 0;
        QString first;
        for (const Probe& p : it->second) {
            SYSTEMTIME local{};
            city.TimeZone().UTCTimeToLocalTime(At(p.utc), local);
            ++checked;
            const std::int64_t got = Seconds(local) - p.utc;
            if (got != p.offset) {
                if (first.isEmpty()) {
                    first = QStringLiteral("%1 gives %2 s, the tz database %3 s")
                                .arg(QDateTime::fromSecsSinceEpoch(p.utc, QTimeZone::utc()).toString(Qt::ISODate))
                                .arg(got)
                                .arg(p.offset);
                }
                ++wrong;
            }
        }
        if (wrong > 0 && ++wrongPairs <= 10) {
            ADD_FAILURE() << name.toStdString() << " (" << key.first.constData() << ", entry " << key.second << "): "
                          << wrong << " probes wrong, first at " << first.toStdString();
        }
    }
    EXPECT_EQ(0, wrongPairs) << "of " << pairs.size() << " (zone, entry) pairs";
    EXPECT_GT(checked, 200000L);
}

// The two alarm cases' conversions and their mirror images east of Greenwich and south of the
// equator: a time the clocks skip is the time after the gap, a time they repeat its first
// (daylight) occurrence, whatever the side of Greenwich. Chicago's 02:00 went to 08:00Z while
// 02:30 went to 07:30Z: a later wall time gave an earlier instant.
TEST_F(CityZones, SkippedAndRepeatedLocalTimesAreTakenOneWayEverywhere) {
    FixedHostClock host(UtcMs(2026, 6, 1));
    const struct {
        const char* nickname;
        const char* city;
        int zone;
        SYSTEMTIME local;
        SYSTEMTIME utc;
        Kind kind;
    } rows[] = {
        {"New York gap", "New York, NY", 35, MakeTime(2027, 3, 14, 2, 30), MakeTime(2027, 3, 14, 7, 30), Kind::Skipped},
        {"New York overlap", "New York, NY", 35, MakeTime(2027, 11, 7, 1, 30), MakeTime(2027, 11, 7, 5, 30),
         Kind::Repeated},
        {"Chicago gap start", "Chicago, IL", 20, MakeTime(2026, 3, 8, 2, 0), MakeTime(2026, 3, 8, 8, 0), Kind::Skipped},
        {"Chicago gap middle", "Chicago, IL", 20, MakeTime(2026, 3, 8, 2, 30), MakeTime(2026, 3, 8, 8, 30),
         Kind::Skipped},
        {"Chicago after the gap", "Chicago, IL", 20, MakeTime(2026, 3, 8, 3, 0), MakeTime(2026, 3, 8, 8, 0),
         Kind::Unique},
        {"Paris gap", "Paris", 105, MakeTime(2026, 3, 29, 2, 30), MakeTime(2026, 3, 29, 1, 30), Kind::Skipped},
        {"Paris first of summer time", "Paris", 105, MakeTime(2026, 3, 29, 3, 0), MakeTime(2026, 3, 29, 1, 0),
         Kind::Unique},
        {"Paris overlap", "Paris", 105, MakeTime(2026, 10, 25, 2, 30), MakeTime(2026, 10, 25, 0, 30), Kind::Repeated},
        {"Sydney gap", "Sydney", 255, MakeTime(2026, 10, 4, 2, 30), MakeTime(2026, 10, 3, 16, 30), Kind::Skipped},
        {"Sydney overlap", "Sydney", 255, MakeTime(2026, 4, 5, 2, 30), MakeTime(2026, 4, 4, 15, 30), Kind::Repeated},
        {"Lord Howe half-hour gap", "Lord Howe Island", 316, MakeTime(2026, 10, 4, 2, 15),
         MakeTime(2026, 10, 3, 15, 45), Kind::Skipped},
        {"London overlap", "London", 85, MakeTime(2027, 10, 31, 1, 30), MakeTime(2027, 10, 31, 0, 30), Kind::Repeated},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.nickname);
        const CCity city = City(QString::fromUtf8(r.city), r.zone);
        SYSTEMTIME utc{};
        Kind kind = Kind::Unique;
        city.TimeZone().LocalTimeToUTCTime(r.local, utc, &kind);
        EXPECT_EQ(Seconds(r.utc), Seconds(utc));
        EXPECT_EQ(r.kind, kind);
        QString note;
        city.LocalToUtc(r.local, &note);
        EXPECT_EQ(r.kind != Kind::Unique, !note.isEmpty()) << note.toStdString();
    }
    QString note;
    City(QStringLiteral("New York, NY"), 35).LocalToUtc(MakeTime(2027, 3, 14, 2, 30), &note);
    EXPECT_EQ(QStringLiteral("2:30 AM does not exist in New York, NY that day (the clocks go forward): 3:30 AM \u00a4 "
                             "is taken."),
              note);
    City(QStringLiteral("New York, NY"), 35).LocalToUtc(MakeTime(2027, 11, 7, 1, 30), &note);
    EXPECT_EQ(QStringLiteral("1:30 AM occurs twice in New York, NY that day (the clocks go back): the first, "
                             "1:30 AM \u00a4, is taken."),
              note);
}

// Every local time of a year of these zones converts to an instant that shows it again, unless
// the clocks skipped it: the conversions are each other's inverse wherever they can be.
TEST_F(CityZones, LocalTimesConvertBackWhereverTheyExist) {
    FixedHostClock host(UtcMs(2026, 6, 1));
    for (const auto& [name, zone] : std::vector<std::pair<const char*, int>>{
             {"Casablanca", 311}, {"Chicago, IL", 20}, {"Lord Howe Island", 316}, {"Monrovia", 90}, {"Moscow", 145}}) {
        const CCity city = City(QString::fromUtf8(name), zone);
        int wrong = 0;
        for (std::int64_t t = za::DaysFromCivil(1971, 1, 1) * 86400; t < za::DaysFromCivil(2030, 1, 1) * 86400;
             t += 7 * 3600 + 13 * 60 + 7) {
            SYSTEMTIME local{}, back{};
            city.TimeZone().UTCTimeToLocalTime(At(t), local);
            Kind kind = Kind::Unique;
            city.TimeZone().LocalTimeToUTCTime(local, back, &kind);
            if (kind == Kind::Skipped || (kind == Kind::Unique && Seconds(back) != t)) ++wrong;
            if (kind == Kind::Repeated && Seconds(back) > t) ++wrong;
        }
        EXPECT_EQ(0, wrong) << name;
    }
}

// Every shipped city is found by its name as the list writes it (plain, or quoted when it
// holds a comma), from the first row to the last; a name the list does not hold, or the right
// name with another entry, finds nothing.
TEST_F(CityZones, EveryShippedCityIsFoundByItsName) {
    std::vector<za::CityZoneRow> rows;
    ASSERT_TRUE(za::ParseCityListZones(za::ShippedCityList(), &rows));
    ASSERT_GT(rows.size(), 3000u);
    int quoted = 0;
    for (const za::CityZoneRow& row : rows) {
        EXPECT_EQ(row.tz, za::ShippedCityZone(row.name, row.zoneId)) << row.name.toStdString();
        EXPECT_EQ(row.tz, za::ShippedCityZone(row.name)) << row.name.toStdString();
        if (row.name.contains(QLatin1Char(','))) ++quoted;
    }
    EXPECT_GT(quoted, 100);
    EXPECT_TRUE(za::ShippedCityZone(QStringLiteral("Rome"), 111).isEmpty());
    EXPECT_TRUE(za::ShippedCityZone(QStringLiteral("Nowhere Town")).isEmpty());
    EXPECT_TRUE(za::ShippedCityZone(QStringLiteral("Vancouver")).isEmpty()) << "only \"Vancouver, BC\" is shipped";
    EXPECT_TRUE(za::ShippedCityZone(QString()).isEmpty());
}

// British Columbia, Alberta and Manitoba keep their summer offset as standard time from
// November 2026: the offset was right, the daylight mark was not.
TEST_F(CityZones, TheDaylightFlagFollowsTheTzDatabase) {
    FixedHostClock host(UtcMs(2026, 12, 1));
    const struct {
        const char* city;
        int zone;
        SYSTEMTIME utc;
        bool daylight;
    } rows[] = {
        {"Vancouver, BC", 305, MakeTime(2026, 7, 1, 12), true},
        {"Vancouver, BC", 305, MakeTime(2026, 12, 1, 12), false},
        {"Calgary, AB", 306, MakeTime(2026, 12, 1, 12), false},
        {"Winnipeg, MB", 308, MakeTime(2026, 12, 1, 12), false},
        {"Dublin", 85, MakeTime(2026, 7, 1, 12), true},
        {"Dublin", 85, MakeTime(2026, 1, 1, 12), false},
        {"New York, NY", 35, MakeTime(2026, 7, 1, 12), true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.city << " " << r.utc.wMonth);
        const CCity city = City(QString::fromUtf8(r.city), r.zone);
        EXPECT_EQ(r.daylight, city.TimeZone().IsDaylightTime(r.utc) != FALSE);
    }
    EXPECT_FALSE(City(QStringLiteral("Vancouver, BC"), 305).TimeZone().IsDaylightTime()) << "the snapshot of now";
}

// The device zone made from a city keeps the city's own zone: Rome is not Europe/Berlin.
TEST_F(CityZones, TheDeviceZoneKeepsTheCitysOwnZone) {
    FixedHostClock host(UtcMs(2026, 7, 1, 12));
    const CCity rome = City(QStringLiteral("Rome"), 110);
    ASSERT_TRUE(rome.TimeZone().SetSystemTimeZone());
    SYSTEMTIME local{};
    // Italy kept summer time in 1975; West Germany did not.
    UTCTimeToSystemLocalTime(MakeTime(1975, 7, 1, 12), local);
    EXPECT_EQ(14, local.wHour);
    const CCity berlin = City(QStringLiteral("Berlin"), 110);
    berlin.TimeZone().UTCTimeToLocalTime(MakeTime(1975, 7, 1, 12), local);
    EXPECT_EQ(13, local.wHour);
    rome.TimeZone().UTCTimeToLocalTime(MakeTime(1975, 7, 1, 12), local);
    EXPECT_EQ(14, local.wHour);
    // A city of the user's, or with another entry, follows the entry's representative.
    EXPECT_EQ(QByteArray("Europe/Berlin"), City(QStringLiteral("My Town"), 110).TimeZone().FollowedZone());
    EXPECT_EQ(QByteArray("Europe/Rome"), rome.TimeZone().FollowedZone());
    EXPECT_EQ(110, rome.TimeZone().ID());
}
