// Runs the built zonaria-cli as a user would, each test on a profile of its own, with the
// locale pinned to en_US, and checks what it prints and how it exits.
#include "city.h"
#include "citylist.h"
#include "clock.h"
#include "currentcity.h"
#include "device.h"
#include "geography.h"
#include "ntpservers.h"
#include "oledate.h"
#include "profile.h"
#include "registry.h"
#include "timedatemock.h"
#include "window.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <cmath>
#include <cstdlib>

#include <csignal>

namespace {

struct Result {
    int code = -1;
    QString out;
    QString err;

    QJsonObject Json() const {
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(out.toUtf8(), &error);
        EXPECT_EQ(QJsonParseError::NoError, error.error) << out.toStdString();
        return doc.object();
    }
};

class Cli : public ::testing::Test {
protected:
    QString ProfilePath() const { return m_dir.path() + QStringLiteral("/device"); }

    // unprivileged: with the file permissions a user meets, also when the tests run as root.
    Result Exec(const QStringList& args, bool unprivileged = false,
                const QString& locale = QStringLiteral("en_US.UTF-8")) const {
        QProcess p;
        if (unprivileged) za::test::RunUnprivileged(p);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZONARIA_DEVICE"), ProfilePath());
        env.insert(QStringLiteral("LANG"), locale);
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.remove(QStringLiteral("LANGUAGE"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZONARIA_CLI_PATH), args);
        Result r;
        if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit) {
            ADD_FAILURE() << "zonaria-cli did not finish normally";
            return r;
        }
        r.code = p.exitCode();
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    // A command that must succeed, as JSON.
    QJsonObject Json(QStringList args) const {
        args << QStringLiteral("--json");
        const Result r = Exec(args);
        EXPECT_EQ(0, r.code) << r.err.toStdString();
        EXPECT_EQ(QString(), r.err);
        return r.Json();
    }

    // A command that must fail: exit code 2, one line on stderr, nothing on stdout.
    QString Error(const QStringList& args, bool unprivileged = false) const {
        const Result r = Exec(args, unprivileged);
        EXPECT_EQ(2, r.code) << r.out.toStdString();
        EXPECT_EQ(QString(), r.out);
        EXPECT_TRUE(r.err.endsWith(QLatin1Char('\n'))) << r.err.toStdString();
        EXPECT_EQ(1, r.err.count(QLatin1Char('\n'))) << r.err.toStdString();
        return r.err;
    }

    static qint64 Seconds(const QJsonValue& iso) {
        const QDateTime t = QDateTime::fromString(iso.toString(), Qt::ISODate);
        EXPECT_TRUE(t.isValid()) << iso.toString().toStdString();
        return t.toSecsSinceEpoch();
    }
    static qint64 Seconds(const char* iso) { return Seconds(QJsonValue(QString::fromLatin1(iso))); }

    // Adds cities to the profile the program uses, as the city editor would.
    void AddCities(const QStringList& names) const {
        const QByteArray previous = qgetenv("ZONARIA_DEVICE");
        qputenv("ZONARIA_DEVICE", ProfilePath().toUtf8());
        za::device::Reset();
        {
            CCityList list;
            ASSERT_TRUE(list.Open());
            for (const QString& name : names) {
                CCity city;
                city.SetName(name);
                city.SetCountryName(QStringLiteral("Testland"));
                city.SetTimeZoneID(235);
                EXPECT_TRUE(list.SaveCity(city)) << name.toStdString();
            }
            list.Close();
        }
        za::device::Reset();
        qputenv("ZONARIA_DEVICE", previous);
    }

private:
    QTemporaryDir m_dir;
};

QString S(const char* text) { return QString::fromUtf8(text); }

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// SQL on device.db through a connection of SQLite's own, as another program would run it.
void RawExec(const QString& file, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(file.toUtf8().constData(), &db));
    EXPECT_EQ(SQLITE_OK, sqlite3_exec(db, sql, nullptr, nullptr, nullptr)) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

}  // namespace

TEST_F(Cli, TimeAtAnInstantGivesLocalTimeDaylightAndBias) {
    struct Case {
        const char* city;
        const char* at;
        const char* local;
        int bias;
        bool daylight;
        const char* text;
    } cases[] = {
        {"Tokyo", "2026-03-08T10:00:00Z", "2026-03-08T19:00:00", -540, false, "3/8/26 7:00 PM"},
        {"new york, ny", "2026-03-08T06:59:00Z", "2026-03-08T01:59:00", 300, false, "3/8/26 1:59 AM"},
        {"New York, NY", "2026-03-08T07:01:00Z", "2026-03-08T03:01:00", 240, true, "3/8/26 3:01 AM \u00a4"},
        {"London", "2026-07-01T12:00:00Z", "2026-07-01T13:00:00", -60, true, "7/1/26 1:00 PM \u00a4"},
        {"San Francisco, CA", "2026-01-01T05:00:00Z", "2025-12-31T21:00:00", 480, false, "12/31/25 9:00 PM"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.city);
        SCOPED_TRACE(c.at);
        const QJsonObject o = Json({S("time"), S(c.city), S("--at"), S(c.at)});
        EXPECT_EQ(S(c.local), o[S("local")].toString());
        EXPECT_EQ(c.bias, o[S("bias")].toInt(12345));
        EXPECT_EQ(c.daylight, o[S("daylight")].toBool(!c.daylight));
        EXPECT_EQ(S(c.text), o[S("text")].toString());
    }
    const QJsonObject tokyo = Json({S("time"), S("Tokyo"), S("--at"), S("2026-03-08T10:00:00Z")});
    EXPECT_EQ(S("Tokyo"), tokyo[S("city")].toString());
    EXPECT_EQ(235, tokyo[S("zone_id")].toInt());

    const Result text = Exec({S("time"), S("Tokyo"), S("--at"), S("2026-03-08T10:00:00Z")});
    EXPECT_EQ(0, text.code);
    EXPECT_TRUE(text.out.startsWith(S("Tokyo: 3/8/26 7:00 PM\n"))) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(S("-540 minutes")));
}

// The local time the tz database gives a city's zone, at instants spread over every year the
// program supports, in zones whose rules changed over those years (British Columbia and
// Manitoba keep daylight time from November 2026; Cuba, Chile and Egypt change theirs often).
TEST_F(Cli, TimeGivesTheTzDatabasesTimeFrom1970To2037) {
    const struct {
        const char* city;
        const char* tz;
    } cities[] = {
        {"Vancouver, BC", "America/Vancouver"}, {"Winnipeg, MB", "America/Winnipeg"}, {"Havana", "America/Havana"},
        {"Santiago", "America/Santiago"},       {"Cairo", "Africa/Cairo"},           {"Sydney", "Australia/Sydney"},
        {"London", "Europe/London"},           {"Tokyo", "Asia/Tokyo"},
    };
    int runs = 0;
    for (size_t i = 0; i < std::size(cities); ++i) {
        const QTimeZone zone(cities[i].tz);
        for (int k = 0; k < 5; ++k) {
            const int year = 1970 + static_cast<int>((i * 7 + static_cast<size_t>(k) * 13) % 68);
            const QDateTime at(QDate(year, 1 + static_cast<int>((i * 5 + static_cast<size_t>(k) * 3) % 12), 15),
                               QTime(static_cast<int>((i * 3 + static_cast<size_t>(k) * 5) % 24), 17), QTimeZone::utc());
            const QString iso = at.toString(S("yyyy-MM-ddTHH:mm:ss")) + QLatin1Char('Z');
            SCOPED_TRACE(testing::Message() << cities[i].city << " at " << iso.toStdString());
            const QJsonObject o = Json({S("time"), S(cities[i].city), S("--at"), iso});
            EXPECT_EQ(at.toTimeZone(zone).toString(S("yyyy-MM-ddTHH:mm:ss")), o[S("local")].toString());
            EXPECT_EQ(-zone.offsetFromUtc(at) / 60, o[S("bias")].toInt(12345));
            ++runs;
        }
    }
    EXPECT_EQ(40, runs);
    // 15 June 2027 in Vancouver: UTC-7 all year from 2027 on, no daylight time.
    const QJsonObject bc = Json({S("time"), S("Vancouver, BC"), S("--at"), S("2027-06-15T04:17:00Z")});
    EXPECT_EQ(S("2027-06-14T21:17:00"), bc[S("local")].toString());
    EXPECT_FALSE(bc[S("daylight")].toBool(true));
    // The first and the last second of the supported years.
    EXPECT_EQ(S("1970-01-01T09:00:00"), Json({S("time"), S("Tokyo"), S("--at"), S("1970-01-01T00:00:00Z")})[S("local")].toString());
    EXPECT_EQ(S("2038-01-01T08:59:59"), Json({S("time"), S("Tokyo"), S("--at"), S("2037-12-31T23:59:59Z")})[S("local")].toString());
}

// Instants and dates outside the supported years are refused, not shown as "0000-00-00".
TEST_F(Cli, TimesOutsideTheSupportedYearsAreRefused) {
    const QStringList refused[] = {
        {S("time"), S("Tokyo"), S("--at"), S("9999-12-31T23:59:59Z")},
        {S("time"), S("Tokyo"), S("--at"), S("2038-01-01T00:00:00Z")},
        {S("time"), S("Tokyo"), S("--at"), S("1969-12-31T23:59:59Z")},
        {S("convert"), S("--from"), S("Tokyo"), S("--local"), S("9999-12-31 23:59"), S("London")},
        {S("convert"), S("--from"), S("Tokyo"), S("--local"), S("2038-01-01 00:00"), S("London")},
        // 08:59 on 1 January 1970 in Tokyo is still 1969 in UTC.
        {S("convert"), S("--from"), S("Tokyo"), S("--local"), S("1970-01-01 08:59"), S("London")},
        {S("sun"), S("Tokyo"), S("--date"), S("2038-01-01")},
        {S("moon"), S("Tokyo"), S("--date"), S("1969-12-31")},
    };
    for (const QStringList& args : refused) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        EXPECT_TRUE(Error(args).contains(S("outside the supported years 1970 to 2037")));
    }
    const QJsonObject first = Json({S("convert"), S("--from"), S("Tokyo"), S("--local"), S("1970-01-01 09:00"), S("London")});
    EXPECT_EQ(S("1970-01-01T00:00:00Z"), first[S("utc")].toString());
    EXPECT_EQ(S("1970-01-01T01:00:00"), first[S("cities")].toArray()[0].toObject()[S("local")].toString());
}

// City names typed without their accents, in any case.
TEST_F(Cli, CityNamesAreFoundWithoutTheirAccents) {
    const struct {
        const char* typed;
        const char* city;
    } rows[] = {
        {"Sao Paulo", "São Paulo"}, {"reykjavik", "Reykjavík"},          {"BOGOTA", "Bogotá"},
        {"Cancun", "Cancún"},       {"sao paulo (brazil)", "São Paulo"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        EXPECT_EQ(S(r.city), Json({S("time"), S(r.typed), S("--at"), S("2026-03-08T10:00:00Z")})[S("city")].toString());
    }
    EXPECT_EQ(S("Bogotá"), Json({S("city"), S("bogota")})[S("name")].toString());
    EXPECT_EQ(S("Reykjavík"), Json({S("distance"), S("Reykjavik"), S("Tokyo")})[S("from")].toString());

    const QJsonArray found = Json({S("find"), S("sao")})[S("matches")].toArray();
    QStringList entries;
    for (const QJsonValue& m : found) entries << m.toObject()[S("entry")].toString();
    EXPECT_TRUE(entries.contains(S("São Paulo (Brazil)"))) << entries.join(S(", ")).toStdString();
    for (const QString& e : entries) EXPECT_TRUE(e.startsWith(S("São")) || e.startsWith(S("Sao"))) << e.toStdString();
    const QJsonArray codes = Json({S("codes"), S("airport"), S("bogot")})[S("matches")].toArray();
    ASSERT_EQ(1, codes.size());
    EXPECT_EQ(S("BOG"), codes[0].toObject()[S("airport")].toString());
}

// A name that folds like several cities' names, and is none of them as typed, asks which.
TEST_F(Cli, AFoldedNameOfSeveralCitiesListsThem) {
    ASSERT_EQ(0, Exec({S("clock")}).code);  // installs the profile
    AddCities({S("Xalé"), S("Xàle")});
    const QString err = Error({S("time"), S("Xale")});
    EXPECT_TRUE(err.contains(S("matches several cities"))) << err.toStdString();
    EXPECT_TRUE(err.contains(S("Xalé (Testland)")) && err.contains(S("Xàle (Testland)"))) << err.toStdString();
    EXPECT_EQ(S("Xàle"), Json({S("city"), S("XÀLE")})[S("name")].toString()) << "a name given exactly wins";
    EXPECT_TRUE(Error({S("time"), S("xale (testland)")}).contains(S("matches several cities")));
}

// A name no city has, nor begins with as typed, is answered with the three closest: those that
// begin with it (the shortest first), then those nearest in spelling, in name order where they
// tie; letters of any script are compared.
TEST_F(Cli, AnUnknownNameSuggestsTheClosestNames) {
    ASSERT_EQ(0, Exec({S("clock")}).code);  // installs the profile
    AddCities({S("Testab"), S("Testa"), S("Testabc"), S("\u041c\u043e\u0441\u043a\u0432\u0430"),
               S("\u041c\u043e\u0441\u043a\u0432\u0430 2")});
    const struct {
        const char* typed;
        const char* closest;
    } rows[] = {
        {"Tokio", "Tokyo, "},
        {"Ondon", "London, "},
        {"Berln", "Berlin, Bern, "},
        {"Tes", "Testa, Testab, Testabc"},
        {"\u041c\u043e\u043a\u0441\u0432\u0430", "\u041c\u043e\u0441\u043a\u0432\u0430, \u041c\u043e\u0441\u043a\u0432\u0430 2, "},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        const QString err = Error({S("city"), S(r.typed)});
        EXPECT_TRUE(err.contains(S("unknown city \"") + S(r.typed) + S("\"; closest names: ") + S(r.closest)))
            << err.toStdString();
    }
}

TEST_F(Cli, ConvertGivesTheInstantOfTheReferenceCitysLocalTime) {
    const QJsonObject o = Json({S("convert"), S("--from"), S("Tokyo"), S("--local"), S("2026-03-08 19:00"),
                                S("London"), S("New York, NY"), S("San Francisco, CA")});
    EXPECT_EQ(S("2026-03-08T10:00:00Z"), o[S("utc")].toString());
    const QJsonArray cities = o[S("cities")].toArray();
    ASSERT_EQ(3, cities.size());
    const char* expected[][3] = {
        {"London", "2026-03-08T10:00:00", "3/8/26 10:00 AM"},
        {"New York, NY", "2026-03-08T06:00:00", "3/8/26 6:00 AM \u00a4"},  // daylight time began at 07:00 UTC
        // Daylight time begins in the Pacific at this very instant: 02:00 does not exist there.
        {"San Francisco, CA", "2026-03-08T03:00:00", "3/8/26 3:00 AM \u00a4"},
    };
    for (int i = 0; i < 3; ++i) {
        const QJsonObject c = cities[i].toObject();
        EXPECT_EQ(S(expected[i][0]), c[S("name")].toString());
        EXPECT_EQ(S(expected[i][1]), c[S("local")].toString());
        EXPECT_EQ(S(expected[i][2]), c[S("text")].toString());
    }
    EXPECT_EQ(S("2026-03-08T19:00:00"), o[S("reference")].toObject()[S("local")].toString());

    // Another reference city keeps the local time and moves the instant.
    const QJsonObject london = Json({S("convert"), S("--from"), S("London"), S("--local"), S("2026-03-08 19:00"), S("Tokyo")});
    EXPECT_EQ(S("2026-03-08T19:00:00Z"), london[S("utc")].toString());
    EXPECT_EQ(S("2026-03-09T04:00:00"), london[S("cities")].toArray()[0].toObject()[S("local")].toString());

    // Without names, the five displayed cities in display order.
    const QJsonArray five = Json({S("convert"), S("--from"), S("Tokyo"), S("--local"), S("2026-03-08 19:00")})[S("cities")].toArray();
    ASSERT_EQ(5, five.size());
    EXPECT_EQ(S("Los Angeles, CA"), five[0].toObject()[S("name")].toString());
    EXPECT_EQ(S("Tokyo"), five[4].toObject()[S("name")].toString());
    EXPECT_EQ(S("2026-03-08T19:00:00"), five[4].toObject()[S("local")].toString());
}

// Nearly antipodal points: the approximation gave 33.6 km too much. GeodSolve (GeographicLib's
// own tool, geographiclib-tools) on the system's ellipsoid is the reference, within a metre.
TEST_F(Cli, DistanceNearTheAntipodesEqualsGeodSolve) {
    QProcess geod;
    geod.start(S("GeodSolve"), {S("-i"), S("-e"), S("6378140"), S("1/298.257"), S("-p"), S("6")});
    ASSERT_TRUE(geod.waitForStarted()) << "GeodSolve (tools/deps.sh installs geographiclib-tools)";
    geod.write("1 1 -1 -179\n");
    geod.closeWriteChannel();
    ASSERT_TRUE(geod.waitForFinished());
    const QStringList f = QString::fromLatin1(geod.readAllStandardOutput()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_EQ(3, f.size());
    const double exactKm = f[2].toDouble() / 1000.0;
    const QJsonObject o = Json({S("distance"), S("@1,1"), S("@-1,-179"), S("--units"), S("metric")});
    EXPECT_NEAR(exactKm, o[S("km")].toDouble(), 0.001);
    EXPECT_EQ(S("20004 km"), o[S("text")].toString());
}

TEST_F(Cli, DistanceTextsSpeedsAndTravelTimes) {
    const QJsonObject same = Json({S("distance"), S("Tokyo"), S("tokyo"), S("--units"), S("english")});
    EXPECT_EQ(0.0, same[S("km")].toDouble(-1));
    EXPECT_EQ(S("0 miles"), same[S("text")].toString());
    EXPECT_EQ(S("0 min 0 sec"), same[S("travel_time")].toString());
    EXPECT_EQ(310.0, same[S("speed")].toDouble());
    EXPECT_EQ(S("Commercial Jet"), same[S("mode_text")].toString());

    // A quarter of the equator at the starting 500 km/h.
    const QJsonObject quarter = Json({S("distance"), S("@0,0"), S("@0,90"), S("--units"), S("metric")});
    EXPECT_NEAR(10018.75, quarter[S("km")].toDouble(), 0.5);
    EXPECT_EQ(S("10019 km"), quarter[S("text")].toString());
    EXPECT_EQ(S("20 hours 2 min"), quarter[S("travel_time")].toString());
    EXPECT_EQ(S("metric"), quarter[S("units")].toString());

    // City positions come from the database: the same as the library's own distance.
    const QJsonObject sf = Json({S("city"), S("San Francisco, CA")});
    const QJsonObject tokyo = Json({S("city"), S("Tokyo")});
    double km = -1;
    GreatCircleDistance(sf[S("longitude")].toInt(), sf[S("latitude")].toInt(), tokyo[S("longitude")].toInt(),
                        tokyo[S("latitude")].toInt(), &km);
    struct ModeCase {
        const char* units;
        const char* mode;
        double speed;
        const char* name;
    } modes[] = {
        {"nautical", "11", 1160, "Concorde Supersonic"},
        {"english", "11", 1334, "Concorde Supersonic"},
        {"english", "9", 517, "Commercial Jet"},
        {"metric", "0", 3, "Walk"},
        {"nautical", "6", 136, "High Speed Train"},
        {"nautical", "7", 125, "Private Plane"},
    };
    for (const ModeCase& m : modes) {
        SCOPED_TRACE(m.name);
        const QJsonObject o = Json({S("distance"), S("San Francisco, CA"), S("Tokyo"), S("--units"), S(m.units), S("--mode"), S(m.mode)});
        EXPECT_DOUBLE_EQ(km, o[S("km")].toDouble());
        EXPECT_EQ(m.speed, o[S("speed")].toDouble());
        EXPECT_EQ(S(m.name), o[S("mode_text")].toString());
    }
    EXPECT_EQ(FormatDistance(km, usMetric),
              Json({S("distance"), S("San Francisco, CA"), S("Tokyo"), S("--units"), S("metric")})[S("text")].toString());

    const QJsonObject typed = Json({S("distance"), S("@0,0"), S("@0,90"), S("--units"), S("metric"), S("--speed"), S("1000")});
    EXPECT_EQ(S("1000 km/hour"), typed[S("mode_text")].toString());
    EXPECT_EQ(S("10 hours 1 min"), typed[S("travel_time")].toString());

    const QJsonObject stopped = Json({S("distance"), S("@0,0"), S("@0,90"), S("--speed"), S("0")});
    EXPECT_TRUE(stopped[S("travel_time")].isNull());
}

TEST_F(Cli, DistanceListsTheTravelModesInSliderOrder) {
    const QJsonArray modes = Json({S("distance"), S("--modes"), S("--units"), S("nautical")})[S("modes")].toArray();
    ASSERT_EQ(12, modes.size());
    const int knots[] = {2, 8, 10, 22, 48, 60, 136, 125, 200, 450, 520, 1160};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(knots[i], modes[i].toObject()[S("speed")].toInt());
        EXPECT_EQ(i, modes[i].toObject()[S("mode")].toInt(-1));
    }
    EXPECT_EQ(S("Commuter Turbo-Prop"), modes[8].toObject()[S("name")].toString());
}

TEST_F(Cli, CityShowsTheFactsOfTheMainScreensTap) {
    const QJsonObject o = Json({S("city"), S("TOKYO")});
    EXPECT_EQ(S("Tokyo"), o[S("name")].toString());
    EXPECT_EQ(S("Japan"), o[S("country")].toString());
    EXPECT_EQ(235, o[S("zone_id")].toInt());
    EXPECT_EQ(S("(GMT+09:00) Osaka, Sapporo, Tokyo"), o[S("zone_name")].toString());
    EXPECT_EQ(3569, o[S("latitude")].toInt());
    EXPECT_EQ(13969, o[S("longitude")].toInt());
    EXPECT_EQ(S("HND"), o[S("airport")].toString());
    EXPECT_EQ(S("81"), o[S("country_code")].toString());
    EXPECT_EQ(S("3"), o[S("area_code")].toString());
    EXPECT_TRUE(o[S("sunrise_text")].toString().endsWith(S(" AM"))) << o[S("sunrise_text")].toString().toStdString();
    EXPECT_TRUE(o[S("sunset_text")].toString().endsWith(S(" PM")));

    const Result text = Exec({S("city"), S("Tokyo")});
    EXPECT_EQ(0, text.code);
    EXPECT_TRUE(text.out.startsWith(S("Tokyo, Japan\n")));
    EXPECT_TRUE(text.out.contains(S("35\u00b0 41\u00b4 N")));
    EXPECT_TRUE(text.out.contains(S("81 - 3")));
}

TEST_F(Cli, FindAndCodesListEntriesThatBeginWithTheText) {
    const QJsonArray lower = Json({S("find"), S("new y")})[S("matches")].toArray();
    const QJsonArray upper = Json({S("find"), S("NEW Y")})[S("matches")].toArray();
    EXPECT_EQ(lower, upper);
    ASSERT_FALSE(lower.isEmpty());
    bool newYork = false;
    int previous = -1;
    for (const QJsonValue& v : lower) {
        const QJsonObject m = v.toObject();
        EXPECT_TRUE(m[S("entry")].toString().startsWith(S("New Y"), Qt::CaseInsensitive));
        EXPECT_GT(m[S("index")].toInt(), previous);
        previous = m[S("index")].toInt();
        if (m[S("entry")].toString() == S("New York, NY (United States)")) {
            newYork = true;
            EXPECT_EQ(S("New York, NY"), m[S("name")].toString());
            EXPECT_EQ(S("United States"), m[S("country")].toString());
        }
    }
    EXPECT_TRUE(newYork);
    EXPECT_TRUE(Json({S("find"), S("zzzz")})[S("matches")].toArray().isEmpty());

    const QJsonArray phone = Json({S("codes"), S("phone"), S("Tokyo")})[S("matches")].toArray();
    ASSERT_EQ(1, phone.size());
    EXPECT_EQ(S("81 - 3"), phone[0].toObject()[S("code")].toString());
    const QJsonArray airport = Json({S("codes"), S("airport"), S("london")})[S("matches")].toArray();
    ASSERT_FALSE(airport.isEmpty());
    EXPECT_EQ(S("London"), airport[0].toObject()[S("name")].toString());
    EXPECT_EQ(S("LHR"), airport[0].toObject()[S("airport")].toString());
    // The rows are find's entries, in its order and at its places in the list.
    const QJsonArray found = Json({S("find"), S("london")})[S("matches")].toArray();
    ASSERT_EQ(found.size(), airport.size());
    for (qsizetype k = 0; k < found.size(); ++k) {
        EXPECT_EQ(found[k].toObject()[S("entry")], airport[k].toObject()[S("entry")]);
        EXPECT_EQ(found[k].toObject()[S("index")], airport[k].toObject()[S("index")]);
    }
    // Without a text, every city is a row.
    const QJsonArray all = Json({S("codes"), S("airport")})[S("matches")].toArray();
    EXPECT_EQ(Json({S("find"), S("")})[S("matches")].toArray().size(), all.size());
    EXPECT_GT(all.size(), 100);
}

TEST_F(Cli, SunriseSunsetAndTwilightOfADate) {
    const QJsonObject o = Json({S("sun"), S("London"), S("--date"), S("2026-06-21")});
    EXPECT_EQ(S("2026-06-21"), o[S("date")].toString());
    // The almanac: 04:43 and 21:21 British Summer Time.
    EXPECT_NEAR(Seconds("2026-06-21T03:43:00Z"), Seconds(o[S("rise")]), 120);
    EXPECT_NEAR(Seconds("2026-06-21T20:21:00Z"), Seconds(o[S("set")]), 120);
    EXPECT_EQ(S("4:43 AM \u00a4"), o[S("rise_text")].toString());
    EXPECT_FALSE(o.contains(S("twilight")));
    EXPECT_TRUE(o[S("daylight_hours")].toString().startsWith(S("16 hr ")));

    const QJsonObject civil = Json({S("sun"), S("London"), S("--date"), S("2026-06-21"), S("--twilight"), S("civil")});
    const QJsonObject tw = civil[S("twilight")].toObject();
    EXPECT_EQ(S("civil"), tw[S("kind")].toString());
    EXPECT_NEAR(Seconds("2026-06-21T02:55:00Z"), Seconds(tw[S("begin")]), 180);
    EXPECT_NEAR(Seconds("2026-06-21T21:10:00Z"), Seconds(tw[S("end")]), 180);
    const Result text = Exec({S("sun"), S("London"), S("--date"), S("2026-06-21"), S("--twilight"), S("nautical")});
    EXPECT_TRUE(text.out.contains(S("Begin Nautical Twilight: "))) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(S("End Nautical Twilight: ")));

    // Svalbard at midsummer, by position with a fixed offset.
    const QJsonObject polar = Json({S("sun"), S("--lat"), S("78.22"), S("--lon"), S("15.65"), S("--utc-offset"),
                                    S("+01:00"), S("--date"), S("2026-06-21")});
    EXPECT_TRUE(polar[S("rise")].isNull());
    EXPECT_TRUE(polar[S("set")].isNull());
    EXPECT_EQ(S("Never rises"), polar[S("rise_text")].toString());
    EXPECT_EQ(S("Always light"), polar[S("daylight_hours")].toString());

    // A position with a zone ID gives what the city of that zone and place gives.
    const QJsonObject tokyo = Json({S("city"), S("Tokyo")});
    const QJsonObject byZone = Json({S("sun"), S("--lat"), S("35.69"), S("--lon"), S("139.69"), S("--zone"), S("235"),
                                     S("--date"), S("2026-03-08")});
    const QJsonObject byName = Json({S("sun"), S("Tokyo"), S("--date"), S("2026-03-08")});
    EXPECT_EQ(byName[S("rise")], byZone[S("rise")]);
    EXPECT_EQ(byName[S("set_text")], byZone[S("set_text")]);
    EXPECT_FALSE(tokyo.isEmpty());
}

TEST_F(Cli, MoonriseAndThePrincipalPhases) {
    const QJsonObject o = Json({S("moon"), S("Tokyo"), S("--date"), S("2026-03-08")});
    // The almanac: full moon 3 March 2026 11:38 UTC, last quarter 11 March 09:38 UTC.
    const QJsonObject last = o[S("last_phase")].toObject();
    const QJsonObject next = o[S("next_phase")].toObject();
    EXPECT_EQ(2, last[S("phase")].toInt(-1));
    EXPECT_EQ(3, next[S("phase")].toInt(-1));
    EXPECT_NEAR(Seconds("2026-03-03T11:38:00Z"), Seconds(last[S("time")]), 600);
    EXPECT_NEAR(Seconds("2026-03-11T09:38:00Z"), Seconds(next[S("time")]), 600);
    EXPECT_EQ(S("Full Moon on 3/3/26 8:38 PM"), last[S("text")].toString());
    EXPECT_TRUE(next[S("text")].toString().startsWith(S("Last Quarter 3/11/26 6:3")));
    EXPECT_FALSE(o[S("rise")].isNull());
    EXPECT_FALSE(o[S("rise_text")].toString().isEmpty());
}

TEST_F(Cli, ClockSetCityAndSelectShareTheProfile) {
    QJsonArray cities = Json({})[S("cities")].toArray();
    ASSERT_EQ(5, cities.size());
    const char* defaults[] = {"Los Angeles, CA", "Chicago, IL", "New York, NY", "London", "Tokyo"};
    for (int i = 0; i < 5; ++i) {
        const QJsonObject c = cities[i].toObject();
        EXPECT_EQ(i, c[S("display")].toInt(-1));
        EXPECT_EQ(S(defaults[i]), c[S("name")].toString());
        EXPECT_EQ(i == 0, c[S("current")].toBool());
        EXPECT_EQ(19, c[S("local")].toString().size());
        EXPECT_FALSE(c[S("text")].toString().isEmpty());
    }

    EXPECT_EQ(0, Exec({S("set-city"), S("2"), S("sydney")}).code);
    EXPECT_EQ(0, Exec({S("select"), S("4")}).code);
    EXPECT_NE(QString(), Error({S("select"), S("5")}));
    EXPECT_NE(QString(), Error({S("set-city"), S("1"), S("Nowhere At All")}));

    cities = Json({S("clock")})[S("cities")].toArray();
    EXPECT_EQ(S("Sydney"), cities[2].toObject()[S("name")].toString());
    EXPECT_EQ(S("Chicago, IL"), cities[1].toObject()[S("name")].toString());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(i == 4, cities[i].toObject()[S("current")].toBool()) << i;

    const Result text = Exec({});
    EXPECT_EQ(0, text.code);
    EXPECT_TRUE(text.out.contains(S("* 4  Tokyo"))) << text.out.toStdString();
}

TEST_F(Cli, SelectingADisplayMakesItsCityTheDevicesCurrentCity) {
    // Display 4 shows Tokyo: the device takes Tokyo's zone.
    EXPECT_EQ(0, Exec({S("select"), S("4")}).code);
    EXPECT_EQ(-540, Json({})[S("device_zone")].toObject()[S("bias")].toInt(12345));

    // A display whose city is not current changes without touching the device.
    EXPECT_EQ(0, Exec({S("set-city"), S("0"), S("Osaka")}).code);
    EXPECT_EQ(-540, Json({})[S("device_zone")].toObject()[S("bias")].toInt(12345));

    // Another city in the same zone becomes current without a zone change.
    const Result same = Exec({S("select"), S("0")});
    EXPECT_EQ(0, same.code);
    EXPECT_TRUE(same.out.contains(S("does not change"))) << same.out.toStdString();
    EXPECT_EQ(-540, Json({})[S("device_zone")].toObject()[S("bias")].toInt(12345));

    // A new city for the selected display is a new current city.
    const QJsonObject moved = Json({S("set-city"), S("0"), S("New York, NY")});
    EXPECT_TRUE(moved[S("current")].toBool());
    const QJsonObject clock = Json({});
    EXPECT_EQ(300, clock[S("device_zone")].toObject()[S("bias")].toInt(12345));
    EXPECT_TRUE(clock[S("cities")].toArray()[0].toObject()[S("current")].toBool());
    EXPECT_EQ(S("New York, NY"), clock[S("cities")].toArray()[0].toObject()[S("name")].toString());
}

// The zone and "CityX" were written in two transactions: a select killed between them left
// "Tokyo" current with the zone of Sydney, and check said ok.
TEST_F(Cli, ASelectKilledAtAnyMomentLeavesTheCurrentCityAndTheZoneAgreeing) {
    ASSERT_EQ(0, Exec({S("set-city"), S("2"), S("Sydney")}).code);
    // How long a whole select takes here, so that the kills fall all along it.
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(0, Exec({S("select"), S("4")}).code);
    const qint64 whole = std::max<qint64>(timer.elapsed(), 20);
    // The current city and the device zone as this process reads them, as a user's program
    // would after the kill.
    auto agree = [this](QString* why) {
        const QByteArray previous = qgetenv("ZONARIA_DEVICE");
        qputenv("ZONARIA_DEVICE", ProfilePath().toUtf8());
        za::device::Reset();
        const bool agreeing = za::CurrentCityAgreesWithDeviceZone(why, true);
        za::device::Reset();
        qputenv("ZONARIA_DEVICE", previous);
        return agreeing;
    };
    QString why;
    ASSERT_TRUE(agree(&why)) << why.toStdString();
    constexpr int kKills = 40;
    int disagreements = 0;
    for (int i = 0; i < kKills; ++i) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(S("ZONARIA_DEVICE"), ProfilePath());
        p.setProcessEnvironment(env);
        p.start(S(ZONARIA_CLI_PATH), {S("select"), i % 2 == 0 ? S("2") : S("4")});
        ASSERT_TRUE(p.waitForStarted());
        QThread::msleep(static_cast<unsigned long>(whole * i / kKills));
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        p.waitForFinished(-1);
        if (!agree(&why)) {
            ++disagreements;
            ADD_FAILURE() << "after a kill at " << whole * i / kKills << " ms: " << why.toStdString();
        }
    }
    EXPECT_EQ(0, disagreements);
    const Result check = Exec({S("check")});
    EXPECT_EQ(0, check.code) << check.out.toStdString();
}

// check finds a current city whose zone is not the device's.
TEST_F(Cli, CheckSaysWhenTheCurrentCityAndTheDeviceZoneDisagree) {
    ASSERT_EQ(0, Exec({S("select"), S("4")}).code);  // Tokyo
    {
        const QByteArray previous = qgetenv("ZONARIA_DEVICE");
        qputenv("ZONARIA_DEVICE", ProfilePath().toUtf8());
        za::device::Reset();
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, S("\\Software\\Corvantel\\Zonaria"), 0, 0, &key));
        const DWORD london = 3;
        ASSERT_EQ(ERROR_SUCCESS,
                  RegSetValueExW(key, S("CityX"), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&london), sizeof london));
        RegCloseKey(key);
        za::device::Reset();
        qputenv("ZONARIA_DEVICE", previous);
    }
    const Result r = Exec({S("check")});
    EXPECT_EQ(2, r.code);
    EXPECT_TRUE(r.out.contains(S("the current city London (display 3) is not in the device's time zone")))
        << r.out.toStdString();
}

TEST_F(Cli, ErrorsNameTheProblemAndTheWayOut) {
    EXPECT_TRUE(Error({S("city"), S("Tokio")}).contains(S("Tokyo")));
    EXPECT_TRUE(Error({S("time"), S("Tokyo"), S("--at"), S("2026-03-08 10:00")}).contains(S("YYYY-MM-DD")));
    EXPECT_TRUE(Error({S("sun"), S("Tokyo"), S("--date"), S("2026-02-30")}).contains(S("YYYY-MM-DD")));
    EXPECT_TRUE(Error({S("convert"), S("--from"), S("Tokyo"), S("--local"), S("tomorrow")}).contains(S("HH:MM")));
    EXPECT_TRUE(Error({S("distance"), S("Tokyo"), S("London"), S("--speed"), S("fast")}).contains(S("--speed")));
    EXPECT_NE(QString(), Error({S("distance"), S("Tokyo"), S("London"), S("--speed"), S("1000001")}));
    EXPECT_NE(QString(), Error({S("distance"), S("Tokyo"), S("London"), S("--mode"), S("12")}));
    EXPECT_NE(QString(), Error({S("distance"), S("@91,0"), S("London")}));
    EXPECT_NE(QString(), Error({S("sun"), S("--lat"), S("10"), S("--lon"), S("10"), S("--utc-offset"), S("8")}));
    EXPECT_NE(QString(), Error({S("sun"), S("Tokyo"), S("--twilight"), S("dusk")}));
    EXPECT_TRUE(Error({S("sun"), S("--lat"), S("1"), S("--lon"), S("1"), S("--zone"), S("4242")}).contains(S("4242")));
    EXPECT_NE(QString(), Error({S("moon"), S("Tokyo"), S("--lat"), S("1"), S("--lon"), S("1"), S("--zone"), S("235")}));
    EXPECT_NE(QString(), Error({S("codes"), S("fax")}));
    EXPECT_NE(QString(), Error({S("teleport")}));
    EXPECT_NE(QString(), Error({S("city"), S("Tokyo"), S("--colour")}));
}

TEST_F(Cli, ACorruptProfileIsReportedAndLeftAlone) {
    ASSERT_TRUE(QDir().mkpath(ProfilePath()));
    QFile db(ProfilePath() + S("/device.db"));
    ASSERT_TRUE(db.open(QIODevice::WriteOnly));
    db.write("this is not a database");
    db.close();
    const QString err = Error({S("set-city"), S("0"), S("Tokyo")});
    EXPECT_TRUE(err.contains(ProfilePath())) << err.toStdString();
    EXPECT_TRUE(err.contains(S("ZONARIA_DEVICE")));
    ASSERT_TRUE(db.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("this is not a database"), db.readAll());
}

TEST_F(Cli, OnTheComputerCheckSaysHowItsZoneMapsAndSetCityAsksItsTimeService) {
    za::test::TimedateMock mock{S("Etc/UTC")};
    ASSERT_TRUE(mock.Error().isEmpty()) << mock.Error().toStdString();
    const QJsonObject check = Json({S("check")});
    EXPECT_EQ(S("computer"), check[S("device")].toString());
    EXPECT_EQ(S("Etc/UTC"), check[S("computer_zone")].toString());
    EXPECT_TRUE(check[S("zone_mapping")].toString().contains(S("no city uses this zone"))) << check[S("zone_mapping")].toString().toStdString();
    EXPECT_TRUE(Exec({S("check")}).out.contains(S("Device:         computer")));
    // The user's own city first: UTC all year, as Reykjavik.
    EXPECT_EQ(QString::fromUtf8("Reykjav\u00edk"), Json({S("clock")})[S("cities")].toArray()[0].toObject()[S("name")].toString());

    EXPECT_EQ(0, Exec({S("set-city"), S("0"), S("Cairo")}).code);
    EXPECT_EQ(QStringList{S("SetTimezone \"Africa/Cairo\" True")}, mock.Calls());

    // Refused: neither the selection nor the computer's zone changes.
    ASSERT_TRUE(mock.Refuse(S("SetTimezone"), S("sb")));
    const QString err = Error({S("select"), S("3")});
    EXPECT_TRUE(err.contains(S("not authorised"))) << err.toStdString();
    const QJsonArray cities = Json({S("clock")})[S("cities")].toArray();
    EXPECT_TRUE(cities[0].toObject()[S("current")].toBool());
    EXPECT_FALSE(cities[3].toObject()[S("current")].toBool());

    // The user may choose the private device, and back.
    EXPECT_EQ(S("private"), Json({S("device"), S("private")})[S("device")].toString());
    EXPECT_EQ(S("private"), Json({S("check")})[S("device")].toString());
    EXPECT_EQ(S("computer"), Json({S("device"), S("computer")})[S("device")].toString());
}

TEST_F(Cli, WithoutATimeServiceTheComputerCannotBeChosen) {
    const QString err = Error({S("device"), S("computer")});
    EXPECT_TRUE(err.contains(S("the device stays private"))) << err.toStdString();
    EXPECT_EQ(S("private"), Json({S("device")})[S("device")].toString());
}

TEST_F(Cli, EveryCommandHasHelp) {
    const char* commands[] = {"clock", "city", "find", "codes", "time", "convert", "sun", "moon", "distance", "set-city", "select", "check", "sync", "alarm", "device", "meet"};
    for (const char* c : commands) {
        SCOPED_TRACE(c);
        const Result r = Exec({S(c), S("--help")});
        EXPECT_EQ(0, r.code);
        EXPECT_TRUE(r.out.contains(S("zonaria-cli ") + S(c)) || (S(c) == S("clock") && r.out.contains(S("[clock]"))));
    }
    const Result all = Exec({S("--help")});
    EXPECT_EQ(0, all.code);
    for (const char* c : commands) EXPECT_TRUE(all.out.contains(S(c))) << c;
    // Help touches no profile.
    EXPECT_FALSE(QDir(ProfilePath()).exists());
}

// Alarms in a city's time, made, listed and deleted from the terminal; the agent that rings
// them is started with the first.
TEST_F(Cli, AlarmsAreAddedListedAndDeleted) {
    const QJsonObject tokyo = Json({S("alarm"), S("add"), S("tokyo"), S("--at"), S("2030-01-02 07:00")});
    EXPECT_EQ(S("Tokyo"), tokyo[S("city")].toString());
    EXPECT_EQ(S("2030-01-02T07:00:00"), tokyo[S("city_time")].toString());
    EXPECT_EQ(S("2030-01-01T22:00:00Z"), tokyo[S("utc")].toString());
    EXPECT_EQ(S("It is 7:00 AM in Tokyo"), tokyo[S("message")].toString());
    EXPECT_TRUE(tokyo[S("default_message")].toBool());
    const qint64 handle = tokyo[S("handle")].toInteger();
    EXPECT_GT(handle, 0);

    const qint64 before = QDateTime::currentSecsSinceEpoch();
    const QJsonObject tea = Json({S("alarm"), S("add"), S("London"), S("--in"), S("1h30m"), S("--message"), S("Tea\n%1")});
    EXPECT_EQ(S("Tea\n%1"), tea[S("message")].toString());
    EXPECT_FALSE(tea[S("default_message")].toBool());
    EXPECT_NEAR(before + 5400, Seconds(tea[S("utc")]), 5);

    const QJsonArray all = Json({S("alarm"), S("list")})[S("alarms")].toArray();
    ASSERT_EQ(2, all.size());
    EXPECT_EQ(handle, all[0].toObject()[S("handle")].toInteger());
    EXPECT_EQ(S("2030-01-02T07:00:00"), all[0].toObject()[S("city_time")].toString());
    EXPECT_EQ(S("London"), all[1].toObject()[S("city")].toString());
    const Result text = Exec({S("alarm"), S("list")});
    EXPECT_TRUE(text.out.contains(S("7:00 AM 1/2/30 in Tokyo"))) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(S("Tea\\n%1"))) << "a line break in the message is shown escaped";

    // The agent came up with the first alarm; it goes when the test does.
    qputenv("ZONARIA_DEVICE", ProfilePath().toUtf8());
    za::device::Reset();
    HWND agent = nullptr;
    for (int i = 0; i < 200 && !agent; ++i) {
        agent = FindWindowW(S("ZonariaAlarmAgent"), QString());
        if (!agent) QThread::msleep(50);
    }
    EXPECT_NE(nullptr, agent) << "the alarm agent was not started";
    DWORD pid = 0;
    if (agent && GetWindowThreadProcessId(agent, &pid)) ::kill(static_cast<pid_t>(pid), SIGTERM);
    za::device::Reset();
    qunsetenv("ZONARIA_DEVICE");

    const QJsonObject gone = Json({S("alarm"), S("delete"), QString::number(handle)});
    EXPECT_EQ(S("Tokyo"), gone[S("city")].toString());
    EXPECT_EQ(1, Json({S("alarm"), S("list")})[S("alarms")].toArray().size());
    EXPECT_TRUE(Error({S("alarm"), S("delete"), QString::number(handle)}).contains(S("there is no alarm")));
}

// With the device in New York: London's 05:30 on 7 November 2027 falls in New York's repeated
// hour and was stored an hour late (06:30Z); New York's own 02:30 on 14 March 2027 does not
// exist and was stored an hour early (06:30Z). The alarm keeps the city's instant, and the
// skipped time is the one after the gap, said so.
TEST_F(Cli, AlarmsInTheRepeatedAndTheMissingHourKeepTheCitysInstant) {
    ASSERT_EQ(0, Exec({S("set-city"), S("0"), S("New York, NY")}).code);
    ASSERT_EQ(0, Exec({S("select"), S("0")}).code);
    const QJsonObject london = Json({S("alarm"), S("add"), S("London"), S("--at"), S("2027-11-07 05:30")});
    EXPECT_EQ(S("2027-11-07T05:30:00Z"), london[S("utc")].toString());
    EXPECT_EQ(S("It is 5:30 AM in London"), london[S("message")].toString());
    EXPECT_FALSE(london.contains(S("note")));
    const Result gap = Exec({S("alarm"), S("add"), S("New York, NY"), S("--at"), S("2027-03-14 02:30")});
    ASSERT_EQ(0, gap.code) << gap.err.toStdString();
    EXPECT_TRUE(gap.out.contains(S("2:30 AM does not exist in New York, NY that day"))) << gap.out.toStdString();
    const QJsonArray all = Json({S("alarm"), S("list")})[S("alarms")].toArray();
    ASSERT_EQ(2, all.size());
    EXPECT_EQ(S("2027-11-07T05:30:00Z"), all[0].toObject()[S("utc")].toString());
    EXPECT_EQ(S("2027-03-14T07:30:00Z"), all[1].toObject()[S("utc")].toString());
    EXPECT_EQ(S("2027-03-14T03:30:00"), all[1].toObject()[S("city_time")].toString());

    // The agent came up with the first alarm; it goes when the test does.
    qputenv("ZONARIA_DEVICE", ProfilePath().toUtf8());
    za::device::Reset();
    HWND agent = nullptr;
    for (int i = 0; i < 200 && !agent; ++i) {
        agent = FindWindowW(S("ZonariaAlarmAgent"), QString());
        if (!agent) QThread::msleep(50);
    }
    DWORD pid = 0;
    if (agent && GetWindowThreadProcessId(agent, &pid)) ::kill(static_cast<pid_t>(pid), SIGTERM);
    za::device::Reset();
    qunsetenv("ZONARIA_DEVICE");
}

// "Chicago" is no city's name, but one city's first word: city, time and convert take it, as
// find lists it. The skipped hour converts one way on both sides of Greenwich: 02:00 and 02:30
// in Chicago are 08:00Z and 08:30Z (02:30 gave 07:30Z, earlier than 02:00's instant).
TEST_F(Cli, APlainNameWithOneClearBestMatchIsTakenAndSkippedTimesConvertInOrder) {
    EXPECT_EQ(S("Chicago, IL"), Json({S("city"), S("Chicago")})[S("name")].toString());
    EXPECT_EQ(S("Chicago, IL"), Json({S("time"), S("chicago"), S("--at"), S("2026-03-08T10:00:00Z")})[S("city")].toString());
    const QJsonObject two = Json({S("convert"), S("--from"), S("Chicago"), S("--local"), S("2026-03-08 02:00"), S("London")});
    EXPECT_EQ(S("2026-03-08T08:00:00Z"), two[S("utc")].toString());
    EXPECT_TRUE(two[S("note")].toString().contains(S("does not exist"))) << two[S("note")].toString().toStdString();
    const QJsonObject half = Json({S("convert"), S("--from"), S("Chicago"), S("--local"), S("2026-03-08 02:30"), S("London")});
    EXPECT_EQ(S("2026-03-08T08:30:00Z"), half[S("utc")].toString());
    const QJsonObject paris = Json({S("convert"), S("--from"), S("Paris"), S("--local"), S("2026-03-29 02:30"), S("London")});
    EXPECT_EQ(S("2026-03-29T01:30:00Z"), paris[S("utc")].toString());
    const QJsonObject repeated = Json({S("convert"), S("--from"), S("Paris"), S("--local"), S("2026-10-25 02:30"), S("London")});
    EXPECT_EQ(S("2026-10-25T00:30:00Z"), repeated[S("utc")].toString()) << "the first occurrence";
    EXPECT_TRUE(repeated[S("note")].toString().contains(S("occurs twice")));
    // Several names whose first word it is are listed, not guessed.
    const QString err = Error({S("city"), S("Springfield")});
    EXPECT_TRUE(err.contains(S("matches several cities"))) << err.toStdString();
}

TEST_F(Cli, AlarmsThatCannotBeAreRefused) {
    struct Case {
        const char* name;
        QStringList args;
        const char* says;
    } cases[] = {
        {"past", {S("alarm"), S("add"), S("Tokyo"), S("--at"), S("2020-01-01 07:00")}, "in the past"},
        {"now", {S("alarm"), S("add"), S("Tokyo"), S("--in"), S("0s")}, "in the past"},
        {"both times", {S("alarm"), S("add"), S("Tokyo"), S("--at"), S("2030-01-01 07:00"), S("--in"), S("1h")}, "either --at"},
        {"no time", {S("alarm"), S("add"), S("Tokyo")}, "either --at"},
        {"bad duration", {S("alarm"), S("add"), S("Tokyo"), S("--in"), S("10x")}, "not a duration"},
        {"longer than a year", {S("alarm"), S("add"), S("Tokyo"), S("--in"), S("400d")}, "longer than a year"},
        {"no city", {S("alarm"), S("add"), S("Nowhere At All"), S("--in"), S("1h")}, "Nowhere At All"},
        {"no action", {S("alarm")}, "add, list or delete"},
        {"bad handle", {S("alarm"), S("delete"), S("x")}, "HANDLE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(Error(c.args).contains(S(c.says)));
    }
    EXPECT_EQ(0, Json({S("alarm"), S("list")})[S("alarms")].toArray().size());
}

// Pages 100 to 119 overwritten: every command fails and says so, instead of reading what it
// can and passing a part of a list for the whole.
TEST_F(Cli, ADamagedProfileIsReportedByEveryCommand) {
    ASSERT_EQ(0, Exec({S("clock")}).code);
    const QString file = ProfilePath() + S("/device.db");
    QList<int> pages;
    for (int page = 100; page <= 119; ++page) pages << page;
    za::test::ReplaceWithDamagedCopy(file, pages);
    const QByteArray damaged = ReadAll(file);
    const QList<QStringList> commands = {{S("find"), S("")}, {S("clock")}, {S("city"), S("Tokyo")}, {S("set-city"), S("1"), S("Tokyo")}};
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(QLatin1Char(' ')).toStdString());
        const QString err = Error(command);
        EXPECT_TRUE(err.contains(S("the device profile is damaged: ") + file)) << err.toStdString();
        EXPECT_TRUE(err.contains(S("move ") + ProfilePath() + S(" aside"))) << err.toStdString();
    }
    const Result check = Exec({S("check"), S("--json")});
    EXPECT_EQ(2, check.code);
    const QJsonObject report = check.Json();
    EXPECT_FALSE(report[S("ok")].toBool(true));
    EXPECT_EQ(S("damaged"), report[S("state")].toString());
    EXPECT_FALSE(report[S("problems")].toArray().isEmpty());
    EXPECT_EQ(damaged, ReadAll(file));
}

TEST_F(Cli, ADroppedTableIsReportedNotMadeAgain) {
    const char* tables[] = {"reg_values", "outlook_cities"};
    for (const char* table : tables) {
        SCOPED_TRACE(table);
        QDir(ProfilePath()).removeRecursively();
        ASSERT_EQ(0, Exec({S("clock")}).code);
        const QString file = ProfilePath() + S("/device.db");
        RawExec(file, (QByteArray("DROP TABLE ") + table).constData());
        const QString err = Error({S("city"), S("Tokyo")});
        EXPECT_TRUE(err.contains(S("the device profile is damaged: ") + file + S(" lacks table ") + S(table))) << err.toStdString();
        const Result check = Exec({S("check")});
        EXPECT_EQ(2, check.code);
        EXPECT_TRUE(check.out.contains(S("lacks table ") + S(table))) << check.out.toStdString();
        EXPECT_EQ(2, Exec({S("city"), S("Tokyo")}).code);  // still missing: not made again, empty
    }
}

TEST_F(Cli, CheckReportsTheProfile) {
    const QJsonObject o = Json({S("check")});
    EXPECT_TRUE(o[S("ok")].toBool());
    EXPECT_EQ(S("ready"), o[S("state")].toString());
    EXPECT_TRUE(o[S("writable")].toBool());
    EXPECT_EQ(ProfilePath(), o[S("profile")].toString());
    EXPECT_EQ(ProfilePath() + S("/device.db"), o[S("database")].toString());
    // The program's own schema version, which a new profile is made at.
    EXPECT_EQ(za::device::SchemaVersion(), o[S("schema_version")].toInt());
    EXPECT_GE(o[S("schema_version")].toInt(), 2);
    EXPECT_EQ(QJsonArray(), o[S("problems")].toArray());
    const int entries = static_cast<int>(Json({S("find"), S("")})[S("matches")].toArray().size());
    EXPECT_GT(entries, 2000);
    EXPECT_EQ(entries, o[S("cities")].toInt());
    QFile zi(S("/usr/share/zoneinfo/tzdata.zi"));
    if (zi.open(QIODevice::ReadOnly)) {
        EXPECT_EQ(QString::fromUtf8(zi.readLine().trimmed().mid(10)), o[S("tzdata_version")].toString());
    }
    // The build tree keeps the help file beside the programs, as an installation does.
    const QString help = QFileInfo(QFileInfo(S(ZONARIA_CLI_PATH)).dir().filePath(S("help/Zonaria.htm"))).canonicalFilePath();
    ASSERT_FALSE(help.isEmpty());
    EXPECT_EQ(help, o[S("help_file")].toString());
    const Result text = Exec({S("check")});
    EXPECT_EQ(0, text.code);
    EXPECT_TRUE(text.out.contains(S("Result:         ok\n"))) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(S("Help file:      ") + help + S("\n"))) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(S("Schema version: %1\n").arg(za::device::SchemaVersion()))) << text.out.toStdString();

    // Another program's file: not a profile, and left as it was.
    const QString file = ProfilePath() + S("/device.db");
    QDir(ProfilePath()).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(ProfilePath()));
    RawExec(file, "CREATE TABLE notes(text)");
    const QByteArray foreign = ReadAll(file);
    const Result refused = Exec({S("check")});
    EXPECT_EQ(2, refused.code);
    EXPECT_TRUE(refused.out.contains(S("not a Zonaria device profile"))) << refused.out.toStdString();
    EXPECT_EQ(foreign, ReadAll(file));
}

// What the user typed reaches the message once, as typed but harmless: never read as the
// message's own placeholders, control characters escaped, long texts cut.
TEST_F(Cli, ErrorsShowUserTextAsTyped) {
    const QString longText(100000, QLatin1Char('x'));
    struct Case {
        const char* name;
        QStringList args;
        QString shown;
    } cases[] = {
        {"placeholders in a whole number", {S("select"), S("%2")}, S("DISPLAY: \"%2\" is not a whole number from 0 to 4")},
        {"placeholders in a number", {S("distance"), S("Tokyo"), S("London"), S("--speed"), S("%1%2%3")},
         S("--speed: \"%1%2%3\" is not a number from 0 to ")},
        {"placeholders in a city", {S("city"), S("%1 %2")}, S("unknown city \"%1 %2\"")},
        {"newline", {S("city"), S("Tok\nyo")}, S("unknown city \"Tok\\nyo\"")},
        {"escape sequence", {S("codes"), S("\x1b[2Jfax")}, S("\"\\x1b[2Jfax\" is not a code list")},
        {"right-to-left override", {S("codes"), S("a\u202eb")}, S("\"a\\u{202e}b\"")},
        {"unknown command", {S("tele\x07port")}, S("unknown command \"tele\\x07port\"")},
        {"unknown option", {S("city"), S("Tokyo"), S("--co\tlour")}, S("unknown option --co\\tlour;")},
        {"long text", {S("codes"), longText}, S("\"") + QString(79, QLatin1Char('x')) + QChar(0x2026) + S("\" is not a code list")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString err = Error(c.args);
        EXPECT_TRUE(err.contains(c.shown)) << err.toStdString();
        EXPECT_FALSE(err.contains(QChar(0x1b)) || err.contains(QChar(0x07)) || err.contains(QChar(0x202e)));
        EXPECT_LT(err.size(), 300);
    }
}

// Names longer than any city's are refused before any look-up.
TEST_F(Cli, OverLongCityNamesAreRefusedAtOnce) {
    const QString name(100000, QLatin1Char('a'));
    const QList<QStringList> commands = {{S("city"), name},
                                         {S("time"), name},
                                         {S("distance"), S("Tokyo"), name},
                                         {S("find"), QString(125, QLatin1Char('a'))},
                                         {S("codes"), S("phone"), name}};
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command[0].toStdString());
        const QString err = Error(command);
        EXPECT_TRUE(err.contains(S("more than any city name (at most 31, or 124 with its country)"))) << err.toStdString();
    }
    // The longest entries still work: 124 characters are looked up.
    EXPECT_TRUE(Error({S("city"), QString(124, QLatin1Char('a'))}).contains(S("unknown city")));
}

TEST_F(Cli, NegativeZeroIsZero) {
    const QJsonObject distance = Json({S("distance"), S("Tokyo"), S("London"), S("--speed"), S("-0")});
    EXPECT_EQ(0.0, distance[S("speed")].toDouble(1));
    EXPECT_FALSE(std::signbit(distance[S("speed")].toDouble(1)));
    const Result text = Exec({S("distance"), S("Tokyo"), S("London"), S("--speed"), S("-0.0")});
    EXPECT_EQ(0, text.code);
    EXPECT_FALSE(text.out.contains(S("-0"))) << text.out.toStdString();
    const QJsonObject sun = Json({S("sun"), S("--lat"), S("-0"), S("--lon"), S("-0"), S("--utc-offset"), S("+00:00"),
                                  S("--date"), S("2026-03-20")});
    EXPECT_EQ(S("0, 0"), sun[S("name")].toString());
}

// As root the commands run as "nobody", to whom the profile is handed (see RunUnprivileged).
TEST_F(Cli, AProfileThatCannotBeWrittenStillAnswersQuestions) {
    if (!za::test::CanRunUnprivileged(QStringLiteral(ZONARIA_CLI_PATH))) {
        GTEST_SKIP() << "running as root, and zonaria-cli cannot run as the user nobody here";
    }
    ASSERT_EQ(0, Exec({S("clock")}).code);
    za::test::HandOver(ProfilePath());
    const QStringList files = QDir(ProfilePath()).entryList(QDir::Files | QDir::Hidden);
    const QByteArray before = ReadAll(ProfilePath() + S("/device.db"));
    za::test::WriteProtect guard(ProfilePath());

    const Result clock = Exec({S("clock"), S("--json")}, true);
    EXPECT_EQ(0, clock.code) << clock.err.toStdString();
    EXPECT_EQ(5, clock.Json()[S("cities")].toArray().size());
    EXPECT_EQ(0, Exec({S("time"), S("Tokyo"), S("--at"), S("2026-03-08T10:00:00Z")}, true).code);
    const QString refused = Error({S("set-city"), S("1"), S("Tokyo")}, true);
    EXPECT_TRUE(refused.contains(S("The profile is read-only; the setting could not be written: the device profile ") +
                                 ProfilePath() +
                                 S(" is not writable (its folder does not allow writing)")))
        << refused.toStdString();
    EXPECT_NE(QString(), Error({S("select"), S("3")}, true));
    const Result check = Exec({S("check")}, true);
    EXPECT_EQ(0, check.code) << check.out.toStdString();
    EXPECT_TRUE(check.out.contains(S("State:          read-only, the device profile ") + ProfilePath() + S(" is not writable")))
        << check.out.toStdString();

    EXPECT_EQ(files, QDir(ProfilePath()).entryList(QDir::Files | QDir::Hidden));
    EXPECT_EQ(before, ReadAll(ProfilePath() + S("/device.db")));
}

// sync runs against a time server on loopback; the test opens the same profile to put the
// device clock three hours ahead first and to read it afterwards.
class CliSync : public Cli {
protected:
    CliSync() : m_previous(qgetenv("ZONARIA_DEVICE")) {
        qputenv("ZONARIA_DEVICE", ProfilePath().toUtf8());
        za::device::Reset();
    }
    ~CliSync() override {
        za::device::Reset();
        qputenv("ZONARIA_DEVICE", m_previous);
    }

    static void SetDeviceAhead(std::int64_t ms) {
        const std::int64_t target = QDateTime::currentMSecsSinceEpoch() + ms;
        SYSTEMTIME st{};
        ASSERT_TRUE(za::SecondsToSystemTime(target / 1000, &st));
        st.wMilliseconds = static_cast<WORD>(target % 1000);
        ASSERT_TRUE(SetSystemTime(&st));
    }
    static double DeviceAheadMs() { return double(za::device::NowUtcMs() - QDateTime::currentMSecsSinceEpoch()); }

private:
    QByteArray m_previous;
};

constexpr std::int64_t kThreeHoursMs = 3 * 3600 * 1000;

TEST_F(CliSync, SetsTheDeviceClockFromAnNtpServerOrOnlyTellsOnADryRun) {
    za::test::ChronyServer chrony;
    if (!chrony.Running()) GTEST_SKIP() << "no NTP server to test against: " << chrony.Why().toStdString();
    const QString port = QString::number(chrony.Port());
    SetDeviceAhead(kThreeHoursMs);

    const QJsonObject o = Json({S("sync"), S("--server"), S("127.0.0.1"), S("--port"), port, S("--timeout"), S("2000")});
    EXPECT_EQ(S("127.0.0.1"), o[S("server")].toString());
    EXPECT_EQ(chrony.Port(), o[S("port")].toInt());
    EXPECT_EQ(8, o[S("stratum")].toInt());
    EXPECT_NEAR(-10800.0, o[S("offset")].toDouble(), 0.05);
    EXPECT_GE(o[S("delay")].toDouble(-1), 0.0);
    EXPECT_LT(o[S("delay")].toDouble(1), 1.0);
    EXPECT_TRUE(o[S("set")].toBool(false));
    EXPECT_NEAR(double(QDateTime::currentSecsSinceEpoch()), double(Seconds(o[S("utc")])), 2.0);
    EXPECT_NEAR(0.0, DeviceAheadMs(), 50.0);

    SetDeviceAhead(kThreeHoursMs);
    const Result dry = Exec({S("sync"), S("--server"), S("127.0.0.1"), S("--port"), port, S("--dry-run")});
    EXPECT_EQ(0, dry.code) << dry.err.toStdString();
    const QStringList lines = dry.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(3, lines.size()) << dry.out.toStdString();
    EXPECT_EQ(S("Server 127.0.0.1 port ") + port + S(": stratum 8"), lines[0]);
    // "Offset -10799.996 s, round-trip delay 0.008 s": three hours back, give or take the trip.
    const QRegularExpression offsetLine(S("^Offset (-?[0-9]+\\.[0-9]{3}) s, round-trip delay ([0-9]+\\.[0-9]{3}) s$"));
    const QRegularExpressionMatch m = offsetLine.match(lines[1]);
    ASSERT_TRUE(m.hasMatch()) << lines[1].toStdString();
    EXPECT_NEAR(-10800.0, m.captured(1).toDouble(), 0.05);
    EXPECT_LT(m.captured(2).toDouble(), 1.0);
    EXPECT_TRUE(lines[2].startsWith(S("Dry run: the device clock would be set to "))) << lines[2].toStdString();
    EXPECT_NEAR(double(kThreeHoursMs), DeviceAheadMs(), 50.0);
}

// Replies decades away were applied, and every pending alarm then rang at once as missed.
TEST_F(CliSync, AnOffsetOfMoreThanADayIsOnlyAppliedWithForce) {
    SetDeviceAhead(0);
    constexpr std::int64_t kThirtyYears = std::int64_t{30} * 365 * 86400;
    za::test::HostileServer server([](const za::test::Bytes& request) {
        return std::optional<za::test::Bytes>(za::test::ServerReply(request, kThirtyYears));
    });
    const QString port = QString::number(server.Port());
    const QString err = Error({S("sync"), S("--server"), S("127.0.0.1"), S("--port"), port, S("--timeout"), S("2000")});
    EXPECT_TRUE(err.contains(S("more than a day"))) << err.toStdString();
    EXPECT_TRUE(err.contains(S("--force"))) << err.toStdString();
    EXPECT_NEAR(0.0, DeviceAheadMs(), 50.0);
    const QJsonObject forced =
        Json({S("sync"), S("--server"), S("127.0.0.1"), S("--port"), port, S("--timeout"), S("2000"), S("--force")});
    EXPECT_TRUE(forced[S("set")].toBool());
    EXPECT_NEAR(double(kThirtyYears) * 1000.0, DeviceAheadMs(), 2000.0);
}

TEST_F(CliSync, AFailureNamesTheReasonAndLeavesTheClock) {
    SetDeviceAhead(kThreeHoursMs);
    using Answer = za::test::HostileServer::Answer;
    const Answer silent = [](const za::test::Bytes&) { return std::optional<za::test::Bytes>(); };
    const Answer client = [](const za::test::Bytes& request) {
        za::test::Bytes r = za::test::ServerReply(request, 3600);
        r[0] = 0x23;
        return std::optional<za::test::Bytes>(r);
    };
    const Answer forged = [](const za::test::Bytes& request) {
        za::test::Bytes r = za::test::ServerReply(request, 3600);
        za::test::WriteTimestamp(r, 24, za::test::ReadTimestamp(r, 24) + 1);
        return std::optional<za::test::Bytes>(r);
    };
    struct Case {
        const char* name;
        const Answer* answer;  // null: nothing listens on the port
        const char* reason;
    } cases[] = {
        {"nothing listens", nullptr, "the request was refused: no time server listens on port "},
        {"no reply", &silent, "no reply within 200 ms (time-out, error 10060)"},
        {"a client's packet", &client, "the reply was refused: its mode is 3, not 4 (server)"},
        {"a forged reply", &forged, "the reply was refused: it does not answer this request (wrong originate timestamp)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<za::test::HostileServer> server;
        unsigned short port = za::test::FreeUdpPort();
        if (c.answer) {
            server = std::make_unique<za::test::HostileServer>(*c.answer);
            port = server->Port();
        }
        const QString err = Error({S("sync"), S("--server"), S("127.0.0.1"), S("--port"), QString::number(port),
                                   S("--timeout"), S("200")});
        EXPECT_TRUE(err.startsWith(S("zonaria-cli sync: cannot synchronise with 127.0.0.1 port ") + QString::number(port) +
                                   S(": ")))
            << err.toStdString();
        EXPECT_TRUE(err.contains(S(c.reason))) << err.toStdString();
        EXPECT_TRUE(err.trimmed().endsWith(S("; the device clock was not changed"))) << err.toStdString();
        EXPECT_NEAR(double(kThreeHoursMs), DeviceAheadMs(), 50.0);
    }
    // The host name is the user's text: shown as typed, never read as a place-holder.
    const QString odd = Error({S("sync"), S("--server"), S("%1%2 no such host"), S("--timeout"), S("200")});
    EXPECT_TRUE(odd.contains(S("cannot synchronise with %1%2 no such host port 123: no such host name"))) << odd.toStdString();
    EXPECT_TRUE(Error({S("sync"), S("--port"), S("0")}).contains(S("--port")));
    EXPECT_TRUE(Error({S("sync"), S("--timeout"), S("soon")}).contains(S("--timeout")));
    EXPECT_TRUE(Error({S("sync"), S("pool.ntp.org")}).contains(S("only options")));
    EXPECT_NEAR(double(kThreeHoursMs), DeviceAheadMs(), 50.0);
}

// The meeting planner's table and common hours, and the next clock change of a city, at a
// device clock fixed in the profile.
class CliPlanner : public Cli {
protected:
    CliPlanner() : m_previous(qgetenv("ZONARIA_DEVICE")) {
        qputenv("ZONARIA_DEVICE", ProfilePath().toUtf8());
        za::device::Reset();
    }
    ~CliPlanner() override {
        za::device::Reset();
        qputenv("ZONARIA_DEVICE", m_previous);
    }
    static void SetDeviceTime(int year, int month, int day) {
        const SYSTEMTIME st = za::test::MakeTime(year, month, day);
        ASSERT_TRUE(SetSystemTime(&st));
    }

private:
    QByteArray m_previous;
};

TEST_F(CliPlanner, CityNamesTheNextClockChange) {
    SetDeviceTime(2026, 10, 20);
    const QJsonObject london = Json({S("city"), S("London")})[S("next_clock_change")].toObject();
    EXPECT_EQ(S("Clocks go back 1 hour on Sun 25 Oct 2026 at 02:00"), london[S("text")].toString());
    EXPECT_EQ(S("2026-10-25T01:00:00Z"), london[S("utc")].toString());
    EXPECT_EQ(-60, london[S("minutes")].toInt());
    EXPECT_TRUE(Json({S("city"), S("Tokyo")})[S("next_clock_change")].isNull());
    const Result text = Exec({S("city"), S("London")});
    EXPECT_TRUE(text.out.contains(S("Clock change: Clocks go back 1 hour on Sun 25 Oct 2026 at 02:00\n"))) << text.out.toStdString();
}

TEST_F(CliPlanner, MeetGivesEachCitysHoursAndTheCommonOnes) {
    const QJsonObject three = Json({S("meet"), S("--date"), S("2027-03-29"), S("London"), S("New York, NY"), S("Tokyo")});
    EXPECT_EQ(S("2027-03-29"), three[S("date")].toString());
    EXPECT_EQ(S("London"), three[S("reference")].toString());
    EXPECT_TRUE(three[S("common_hours")].toArray().isEmpty());
    const QJsonArray cities = three[S("cities")].toArray();
    ASSERT_EQ(3, cities.size());
    const char* names[] = {"London", "New York, NY", "Tokyo"};
    // London's midnight (BST) is 19:00 the day before in New York and 08:00 in Tokyo.
    const char* firstHours[] = {"2027-03-29T00:00:00", "2027-03-28T19:00:00", "2027-03-29T08:00:00"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(names[i]);
        const QJsonObject city = cities[i].toObject();
        EXPECT_EQ(S(names[i]), city[S("name")].toString());
        const QJsonArray hours = city[S("hours")].toArray();
        ASSERT_EQ(24, hours.size());
        EXPECT_EQ(S(firstHours[i]), hours[0].toObject()[S("local")].toString());
        int working = 0;
        for (const QJsonValue& h : hours) working += h.toObject()[S("working")].toBool() ? 1 : 0;
        EXPECT_EQ(8, working);
    }
    EXPECT_EQ(-1, cities[1].toObject()[S("hours")].toArray()[0].toObject()[S("day_offset")].toInt());

    const QJsonObject two = Json({S("meet"), S("--date"), S("2027-03-29"), S("London"), S("New York, NY")});
    const QJsonArray runs = two[S("common_hours")].toArray();
    ASSERT_EQ(1, runs.size());
    EXPECT_EQ(S("2027-03-29T13:00:00Z"), runs[0].toObject()[S("from_utc")].toString());
    EXPECT_EQ(3, runs[0].toObject()[S("hours")].toInt());
    EXPECT_EQ(S("14:00\u201317:00"), two[S("common_hours_text")].toString());

    const Result text = Exec({S("meet"), S("--date"), S("2027-03-29"), S("--hours"), S("8-18"), S("London"), S("Tokyo")});
    EXPECT_EQ(0, text.code) << text.err.toStdString();
    EXPECT_TRUE(text.out.contains(S("London (08:00\u201318:00)"))) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(S("Common working hours: 08:00\u201310:00 in London"))) << text.out.toStdString();
    const Result none = Exec({S("meet"), S("--date"), S("2027-03-29"), S("London"), S("New York, NY"), S("Tokyo")});
    EXPECT_TRUE(none.out.contains(S("No common working hours"))) << none.out.toStdString();
    EXPECT_TRUE(Error({S("meet"), S("--hours"), S("nine"), S("London")}).contains(S("--hours")));
}

TEST_F(CliPlanner, MeetDefaultsToTheDisplayedCitiesAndTodayAndShowsAClockChangeDay) {
    SetDeviceTime(2026, 10, 25);
    // The displays of a new profile: Los Angeles (selected), Chicago, New York, London, Tokyo.
    const QJsonObject o = Json({S("meet")});
    EXPECT_EQ(S("2026-10-24"), o[S("date")].toString());  // 17:00 on the 24th in Los Angeles
    const QJsonArray cities = o[S("cities")].toArray();
    ASSERT_EQ(5, cities.size());
    EXPECT_EQ(S("Los Angeles, CA"), cities[0].toObject()[S("name")].toString());
    const QJsonObject day = Json({S("meet"), S("--date"), S("2026-10-25"), S("London"), S("Paris")});
    EXPECT_EQ(25, day[S("slots_utc")].toArray().size());
    EXPECT_EQ(25, day[S("cities")].toArray()[1].toObject()[S("day_hours")].toInt());
    const Result text = Exec({S("meet"), S("--date"), S("2026-10-25"), S("London")});
    EXPECT_TRUE(text.out.contains(S("London has a 25-hour day"))) << text.out.toStdString();
}

TEST_F(Cli, HelpMessagesAndLabelsFollowTheUsersLanguage) {
    const Result de = Exec({QStringLiteral("--help")}, false, QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(0, de.code);
    EXPECT_TRUE(de.out.startsWith(QStringLiteral("zonaria-cli: die Weltuhr Zonaria"))) << de.out.toStdString();
    EXPECT_TRUE(de.out.contains(QStringLiteral("\nBefehle:\n"))) << de.out.toStdString();
    // The command lines stay as they are typed.
    EXPECT_TRUE(de.out.contains(QStringLiteral("\nzonaria-cli distance FROM TO "))) << de.out.toStdString();
    const Result ja = Exec({QStringLiteral("help"), QStringLiteral("clock")}, false, QStringLiteral("ja_JP.UTF-8"));
    EXPECT_TRUE(ja.out.contains(QStringLiteral("表示中の 5 つの都市"))) << ja.out.toStdString();

    const Result fr = Exec({QStringLiteral("city"), QStringLiteral("tokio")}, false, QStringLiteral("fr_FR.UTF-8"));
    EXPECT_EQ(2, fr.code);
    EXPECT_TRUE(fr.err.contains(QStringLiteral("ville inconnue « tokio »"))) << fr.err.toStdString();

    // The travel time's plural form and the column of labels, in Spanish.
    const Result es = Exec({QStringLiteral("distance"), QStringLiteral("San Francisco, CA"), QStringLiteral("Tokyo"),
                            QStringLiteral("--mode"), QStringLiteral("11")},
                           false, QStringLiteral("es_ES.UTF-8"));
    EXPECT_EQ(0, es.code) << es.err.toStdString();
    EXPECT_TRUE(es.out.contains(QStringLiteral("Tiempo de viaje: 3 horas 51 min\n"))) << es.out.toStdString();
    EXPECT_TRUE(es.out.contains(QStringLiteral("(Concorde supersónico)"))) << es.out.toStdString();

    // The meeting planner's lines, on the day London's clocks go back.
    const QStringList meet = {QStringLiteral("meet"), QStringLiteral("London"), QStringLiteral("Tokyo"),
                              QStringLiteral("--date"), QStringLiteral("2026-10-25")};
    const Result planner = Exec(meet, false, QStringLiteral("de_DE.UTF-8"));
    EXPECT_EQ(0, planner.code) << planner.err.toStdString();
    EXPECT_TRUE(planner.out.startsWith(QStringLiteral("Besprechungsplaner für 2026-10-25 in London; "))) << planner.out.toStdString();
    EXPECT_TRUE(planner.out.contains(QStringLiteral("\nLondon hat einen Tag mit 25 Stunden: "))) << planner.out.toStdString();
    EXPECT_TRUE(planner.out.contains(QStringLiteral(" (Folgetag)"))) << planner.out.toStdString();
    // The moon's phases: the text in the user's language, --json in English.
    const QStringList moon = {QStringLiteral("moon"), QStringLiteral("Tokyo"), QStringLiteral("--date"), QStringLiteral("2026-03-08")};
    const Result lune = Exec(moon, false, QStringLiteral("fr_FR.UTF-8"));
    EXPECT_TRUE(lune.out.contains(QStringLiteral("\nPleine lune le ")) || lune.out.contains(QStringLiteral("\nNouvelle lune ")) ||
                lune.out.contains(QStringLiteral("\nPremier quartier ")) || lune.out.contains(QStringLiteral("\nDernier quartier ")))
        << lune.out.toStdString();
    const Result moonJson = Exec(moon + QStringList{QStringLiteral("--json")}, false, QStringLiteral("fr_FR.UTF-8"));
    EXPECT_TRUE(moonJson.out.contains(QRegularExpression(QStringLiteral("\"text\": \"(New Moon|First Quarter|Full Moon on|Last Quarter) "))))
        << moonJson.out.toStdString();
    // And the profile's state: a word of the language in the text, the stable one in --json.
    const Result check = Exec({QStringLiteral("check")}, false, QStringLiteral("de_DE.UTF-8"));
    EXPECT_TRUE(check.out.contains(QStringLiteral("\nZustand:        bereit"))) << check.out.toStdString();
    const Result checkJson = Exec({QStringLiteral("check"), QStringLiteral("--json")}, false, QStringLiteral("de_DE.UTF-8"));
    EXPECT_TRUE(checkJson.out.contains(QStringLiteral("\"state\": \"ready\""))) << checkJson.out.toStdString();
}
