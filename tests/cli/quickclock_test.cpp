// zonaria-cli's own `clock`, which runs without Qt, against the complete command line
// (zonaria-cli-full): the same lines wherever it answers, and the complete one's answer
// wherever it cannot vouch for its own. "Alone" is a copy of zonaria-cli in a folder without
// zonaria-cli-full, which fails (exit 2, "cannot start") whenever it would hand over.
#include "citylist.h"
#include "clockcache.h"
#include "clock.h"
#include "device.h"
#include "profile.h"
#include "settings.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <locale.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Outcome {
    int code = -1;
    QString out;
    QString err;
};

QString S(const char* text) { return QString::fromUtf8(text); }

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size());
}

class QuickClock : public ::testing::Test {
protected:
    QuickClock() {
        m_alone = m_folder.path() + QStringLiteral("/zonaria-cli");
        EXPECT_TRUE(QFile::copy(QStringLiteral(ZONARIA_CLI_PATH), m_alone));
        EXPECT_TRUE(QFile::setPermissions(m_alone, QFile::permissions(QStringLiteral(ZONARIA_CLI_PATH))));
        Full({S("clock")});  // installs the profile
    }

    Outcome Exec(const QString& program, const QStringList& args, const QString& locale) const {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZONARIA_DEVICE"), m_profile.path());
        env.insert(QStringLiteral("LANG"), locale);
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.remove(QStringLiteral("LANGUAGE"));
        p.setProcessEnvironment(env);
        p.start(program, args);
        Outcome r;
        if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit) {
            ADD_FAILURE() << program.toStdString() << " did not finish normally";
            return r;
        }
        r.code = p.exitCode();
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
    Outcome Full(const QStringList& args, const QString& locale = S("en_US.UTF-8")) const {
        return Exec(QStringLiteral(ZONARIA_CLI_FULL_PATH), args, locale);
    }
    Outcome Alone(const QStringList& args, const QString& locale = S("en_US.UTF-8")) const {
        return Exec(m_alone, args, locale);
    }
    Outcome Cli(const QStringList& args, const QString& locale = S("en_US.UTF-8")) const {
        return Exec(QStringLiteral(ZONARIA_CLI_PATH), args, locale);
    }

    // The private device's clock at a UTC minute, ten seconds in, so that two runs read the same
    // minute. The profile is closed again, as by a program that ended.
    static void SetDevice(int year, int month, int day, int hour, int minute) {
        const SYSTEMTIME st = za::test::MakeTime(year, month, day, hour, minute, 10);
        EXPECT_TRUE(SetSystemTime(&st));
        za::device::Reset();
    }

    // The city of that name given the zone's entry, or a city of the user's own (in Testland)
    // made with it. The profile is closed again.
    static void SaveCityWithZone(const QString& name, int zoneId) {
        CCityList list;
        ASSERT_TRUE(list.Open());
        CCity city;
        if (!list.LoadCity(name, city)) {
            city.SetName(name);
            city.SetCountryName(S("Testland"));
        }
        city.SetTimeZoneID(zoneId);
        ASSERT_TRUE(list.SaveCity(city));
        list.Close();
        za::device::Reset();
    }

    // The quick command line answered, and as the complete one did. (Run the complete one first:
    // arguments are evaluated in no fixed order.)
    void ExpectSameAnswer(const Outcome& full, const Outcome& quick) const {
        EXPECT_EQ(0, full.code) << full.err.toStdString();
        EXPECT_EQ(5, full.out.count(QLatin1Char('\n'))) << full.out.toStdString();
        EXPECT_EQ(0, quick.code) << quick.err.toStdString();
        EXPECT_EQ(QString(), quick.err);
        EXPECT_EQ(full.out.toStdString(), quick.out.toStdString());
    }

    // The complete command line's answer through zonaria-cli, after which the quick one answers
    // alike from the cache it kept.
    void ExpectQuickAfterComplete() const {
        const Outcome complete = Cli({});
        ExpectSameAnswer(complete, Alone({}));
    }

    // The quick command line handed over (and, alone, could not).
    static void ExpectHandedOver(const Outcome& r) {
        EXPECT_EQ(2, r.code) << r.out.toStdString();
        EXPECT_TRUE(r.err.startsWith(S("zonaria-cli: cannot start "))) << r.err.toStdString();
    }

    za::test::TempProfile m_profile;

private:
    QTemporaryDir m_folder;
    QString m_alone;
};

TEST_F(QuickClock, WritesWhatTheCompleteCommandLineWrites) {
    struct Row {
        const char* nickname;
        const char* locale;
        int year, month, day, hour, minute;  // UTC
        std::vector<std::pair<int, const char*>> cities;
        int select;
        bool heldOpen;  // a running program holds the profile's log open, with writes in it
    };
    const Row rows[] = {
        {"UsAMinuteBeforeDaylightTime", "en_US.UTF-8", 2026, 3, 8, 6, 59, {}, 0, false},
        {"UsFirstMinuteOfDaylightTime", "en_US.UTF-8", 2026, 3, 8, 7, 0, {}, 0, false},
        {"GermanSummerNight", "de_DE.UTF-8", 2026, 7, 14, 22, 30, {{3, "Berlin"}}, 3, false},
        {"ArabicDigitsAsCairoFallsBack", "ar_EG.UTF-8", 2026, 10, 29, 21, 59, {{2, "Cairo"}}, 2, false},
        {"JapaneseNewYearInKathmandu", "ja_JP.UTF-8", 2026, 12, 31, 18, 15, {{1, "Kathmandu"}}, 1, false},
        {"FrenchHalfHourDaylightTime", "fr_FR.UTF-8", 2026, 10, 3, 15, 30, {{1, "Lord Howe Island"}, {2, "Adelaide"}}, 4,
         false},
        {"RussianMonthNames", "ru_RU.UTF-8", 2026, 5, 9, 12, 0, {{4, "Moscow"}, {0, "Reykjavík"}}, 0, false},
        {"PlainC", "C.UTF-8", 2027, 1, 1, 0, 0, {{3, "Kolkata"}}, 3, false},
        {"BesideARunningProgram", "en_US.UTF-8", 2026, 11, 1, 9, 0, {}, 1, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nickname);
        for (const auto& [display, name] : row.cities) {
            ASSERT_EQ(0, Full({S("set-city"), QString::number(display), S(name)}).code) << name;
        }
        ASSERT_EQ(0, Full({S("select"), QString::number(row.select)}).code);
        SetDevice(row.year, row.month, row.day, row.hour, row.minute);
        const QString locale = S(row.locale);
        const Outcome full = Full({S("clock")}, locale);
        if (row.heldOpen) {
            // As the window does: the profile open, its latest write still in the log.
            const SYSTEMTIME st = za::test::MakeTime(row.year, row.month, row.day, row.hour, row.minute, 10);
            ASSERT_TRUE(SetSystemTime(&st));
            ASSERT_TRUE(QFileInfo(m_profile.dbPath() + S("-wal")).size() > 0);
        }
        ExpectSameAnswer(full, Alone({}, locale));
        ExpectSameAnswer(full, Alone({S("clock")}, locale));
        za::device::Reset();
    }
}

// The cache is kept at one instant and read weeks later: each clock change in between comes at
// its second, half-hour ones too.
TEST_F(QuickClock, AnswersAcrossClockChangesFromACacheKeptBeforeThem) {
    ASSERT_EQ(0, Full({S("set-city"), S("3"), S("London")}).code);
    ASSERT_EQ(0, Full({S("set-city"), S("4"), S("Lord Howe Island")}).code);
    SetDevice(2026, 3, 7, 12, 0);
    ASSERT_EQ(0, Full({S("clock")}).code);
    const QString cache = m_profile.path() + S("/clock.cache");
    const QByteArray kept = ReadAll(cache);
    ASSERT_FALSE(kept.isEmpty());
    struct Instant {
        const char* nickname;
        int month, day, hour, minute;  // UTC, 2026
    };
    const Instant instants[] = {
        {"ChicagoAMinuteBeforeItsChange", 3, 8, 7, 59},  {"ChicagoAtItsChange", 3, 8, 8, 0},
        {"LondonAMinuteBeforeItsChange", 3, 29, 0, 59}, {"LondonAtItsChange", 3, 29, 1, 0},
        {"LordHoweAMinuteBefore", 4, 4, 14, 59},        {"LordHoweHalfAnHourBack", 4, 4, 15, 0},
        {"TheCachesLastDay", 5, 7, 12, 0},
    };
    for (const Instant& at : instants) {
        SCOPED_TRACE(at.nickname);
        WriteAll(cache, kept);
        SetDevice(2026, at.month, at.day, at.hour, at.minute);
        const Outcome quick = Alone({});
        const Outcome full = Full({S("clock")});
        ExpectSameAnswer(full, quick);
    }
}

TEST_F(QuickClock, LeavesToTheCompleteCommandLineWhatItCannotVouchFor) {
    SetDevice(2026, 6, 1, 12, 0);
    const Outcome before = Full({S("clock")});
    ExpectSameAnswer(before, Alone({}));

    // Other words on the line, and another locale than the cache's.
    ExpectHandedOver(Alone({S("clock"), S("--json")}));
    ExpectHandedOver(Alone({S("city"), S("London")}));
    ExpectHandedOver(Alone({}, S("de_DE.UTF-8")));

    // The cache damaged: refused, and written anew by the complete command line.
    QFile cache(m_profile.path() + S("/clock.cache"));
    ASSERT_TRUE(cache.open(QIODevice::ReadWrite));
    QByteArray bytes = cache.readAll();
    bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x20);
    ASSERT_TRUE(cache.seek(0) && cache.write(bytes) == bytes.size());
    cache.close();
    ExpectHandedOver(Alone({}));
    const Outcome rewritten = Full({S("clock")});
    ExpectSameAnswer(rewritten, Alone({}));

    // A city the cache does not know: the complete command line answers and keeps it.
    ASSERT_EQ(0, Full({S("set-city"), S("3"), S("Reykjavík")}).code);
    ExpectHandedOver(Alone({}));
    ExpectQuickAfterComplete();

    // A device.db the last check did not pass as it is now.
    QFile stamp(m_profile.dbPath() + S(".checked"));
    ASSERT_TRUE(stamp.open(QIODevice::WriteOnly | QIODevice::Truncate) && stamp.write("0:0:0:0:0:\n") > 0);
    stamp.close();
    ExpectHandedOver(Alone({}));
    ExpectQuickAfterComplete();

    // A log that no program holds open, left beside device.db: for the complete command line to
    // look at.
    {
        const SYSTEMTIME st = za::test::MakeTime(2026, 6, 1, 12, 0, 10);
        ASSERT_TRUE(SetSystemTime(&st));
        for (const char* end : {"-wal", "-shm"}) {
            const QString file = m_profile.dbPath() + S(end);
            ASSERT_TRUE(QFile::copy(file, file + S(".kept")));
        }
        za::device::Reset();
        for (const char* end : {"-wal", "-shm"}) {
            const QString file = m_profile.dbPath() + S(end);
            ASSERT_FALSE(QFileInfo::exists(file));
            ASSERT_TRUE(QFile::rename(file + S(".kept"), file));
        }
    }
    ExpectHandedOver(Alone({}));
    ExpectQuickAfterComplete();

    // The device clock set past the weeks the cache covers.
    SetDevice(2026, 9, 1, 12, 0);
    ExpectHandedOver(Alone({}));
    ExpectQuickAfterComplete();

    // A city of the user's own, whose zone comes from the device's zone table: never quick.
    SaveCityWithZone(S("Testville"), 235);
    ASSERT_EQ(0, Full({S("set-city"), S("4"), S("Testville")}).code);
    const Outcome own = Cli({});
    EXPECT_EQ(0, own.code);
    EXPECT_TRUE(own.out.contains(S("Testville"))) << own.out.toStdString();
    ExpectHandedOver(Alone({}));
}

// Names are ordered as Qt folds them, also where the C library's lower case differs: İ stays İ
// (the C library lowers it to i). So İzmir is found where the index keeps it, and a display
// that says "izmir" names no city, for the small program as for the complete one.
TEST_F(QuickClock, FoldsNamesAsQtDoesWhereTheCLibraryDiffers) {
    ASSERT_EQ(0, Full({S("set-city"), S("2"), S("İzmir")}).code);
    SetDevice(2026, 6, 1, 12, 0);
    const Outcome izmir = Full({S("clock")});
    ExpectSameAnswer(izmir, Alone({}));

    GetReg().WriteStringValue(CRegistry::City2, S("izmir"));
    za::device::Reset();
    const Outcome full = Full({S("clock")});
    EXPECT_TRUE(full.out.contains(S("izmir                     (not in the city database)"))) << full.out.toStdString();
    ExpectHandedOver(Alone({}));
    EXPECT_EQ(full.out.toStdString(), Cli({}).out.toStdString());
}

// The same for `zonaria-cli city NAME`, from the city cache the complete command line keeps.
class QuickCity : public QuickClock {
protected:
    // The quick command line answered as the complete one did, a city's nine lines.
    static void ExpectSameCity(const Outcome& full, const Outcome& quick) {
        EXPECT_EQ(0, full.code) << full.err.toStdString();
        EXPECT_EQ(9, full.out.count(QLatin1Char('\n'))) << full.out.toStdString();
        EXPECT_EQ(0, quick.code) << quick.err.toStdString();
        EXPECT_EQ(QString(), quick.err);
        EXPECT_EQ(full.out.toStdString(), quick.out.toStdString());
    }
    // The complete command line's answer, through zonaria-cli, then the quick one's alike.
    void ExpectQuickCityAfterComplete(const QString& name, const QString& locale = S("en_US.UTF-8")) const {
        const Outcome complete = Cli({S("city"), name}, locale);
        ExpectSameCity(complete, Alone({S("city"), name}, locale));
    }
};

TEST_F(QuickCity, WritesWhatTheCompleteCommandLineWrites) {
    struct Row {
        const char* nickname;
        const char* locale;
        int year, month, day, hour, minute;  // UTC
        std::vector<const char*> cities;
    };
    const Row rows[] = {
        // Daylight time in the rise or set, and the mark; the US day of 23 hours.
        {"UsSpringForwardDay", "en_US.UTF-8", 2026, 3, 8, 15, 0, {"Los Angeles, CA", "Chicago, IL", "london"}},
        // Polar night and midnight sun; south and west; no change within a year.
        {"PolarNightInGerman", "de_DE.UTF-8", 2026, 12, 9, 11, 0, {"Tromsø", "Longyearbyen", "São Paulo", "Tokyo"}},
        {"MidnightSunInFrench", "fr_FR.UTF-8", 2026, 6, 21, 11, 0, {"Tromsø", "Reykjavík", "Santiago"}},
        // Half-hour and quarter-hour zones, and a half-hour change.
        {"HalfHoursInJapanese", "ja_JP.UTF-8", 2026, 9, 20, 3, 0, {"Lord Howe Island", "Adelaide", "Kathmandu"}},
        {"ArabicDigits", "ar_EG.UTF-8", 2026, 10, 29, 21, 59, {"Cairo", "Beirut"}},
        {"RussianMonthNames", "ru_RU.UTF-8", 2026, 5, 9, 12, 0, {"Moscow", "Murmansk"}},
        {"PlainC", "C.UTF-8", 2027, 1, 1, 0, 0, {"Kolkata", "Havana"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nickname);
        SetDevice(row.year, row.month, row.day, row.hour, row.minute);
        const QString locale = S(row.locale);
        for (const char* name : row.cities) {
            SCOPED_TRACE(name);
            const Outcome full = Full({S("city"), S(name)}, locale);
            ExpectSameCity(full, Alone({S("city"), S(name)}, locale));
        }
    }
}

// The cache is kept once and read to the end of its span: changes and sunrises weeks later, and
// the next change searched a year ahead from its last day.
TEST_F(QuickCity, AnswersFromACacheKeptWeeksBefore) {
    SetDevice(2026, 3, 1, 12, 0);
    ASSERT_EQ(0, Full({S("city"), S("London")}).code);
    const QString cache = m_profile.path() + S("/city.cache");
    const QByteArray kept = ReadAll(cache);
    ASSERT_FALSE(kept.isEmpty());
    struct Instant {
        const char* nickname;
        int month, day, hour, minute;  // UTC, 2026
        const char* city;
    };
    const Instant instants[] = {
        {"LondonAMinuteBeforeItsChange", 3, 29, 0, 59, "London"},
        {"LondonAtItsChange", 3, 29, 1, 0, "London"},
        {"LordHoweAfterItsHalfHour", 4, 5, 0, 0, "Lord Howe Island"},
        {"NewYorkInSummer", 4, 20, 18, 30, "New York, NY"},
        {"TheCachesLastDay", 4, 30, 12, 0, "Sydney"},
    };
    for (const Instant& at : instants) {
        SCOPED_TRACE(at.nickname);
        WriteAll(cache, kept);
        SetDevice(2026, at.month, at.day, at.hour, at.minute);
        const Outcome quick = Alone({S("city"), S(at.city)});
        ExpectSameCity(Full({S("city"), S(at.city)}), quick);
    }
}

TEST_F(QuickCity, LeavesToTheCompleteCommandLineWhatItCannotVouchFor) {
    SetDevice(2026, 6, 1, 12, 0);
    ExpectQuickCityAfterComplete(S("London"));

    // Options, another spelling than the name's, a name found only by its first words, blanks
    // around it, and a name that is not there.
    for (const QStringList& line : {QStringList{S("city"), S("London"), S("--json")}, QStringList{S("city"), S("--json"), S("London")},
                                    QStringList{S("city"), S("Sao Paulo")}, QStringList{S("city"), S("Chicago")},
                                    QStringList{S("city"), S(" London")}, QStringList{S("city"), S("Atlantis")}}) {
        SCOPED_TRACE(line.join(QLatin1Char(' ')).toStdString());
        ExpectHandedOver(Alone(line));
        const Outcome full = Full(line);
        const Outcome both = Cli(line);
        EXPECT_EQ(full.code, both.code);
        EXPECT_EQ(full.out.toStdString(), both.out.toStdString());
        EXPECT_EQ(full.err.toStdString(), both.err.toStdString());
    }

    // Another language than the cache's: kept anew for it.
    ExpectHandedOver(Alone({S("city"), S("London")}, S("de_DE.UTF-8")));
    ExpectQuickCityAfterComplete(S("London"), S("de_DE.UTF-8"));

    // The cache damaged: refused, and written anew.
    QFile cache(m_profile.path() + S("/city.cache"));
    ASSERT_TRUE(cache.open(QIODevice::ReadWrite));
    QByteArray bytes = cache.readAll();
    bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 0x20);
    ASSERT_TRUE(cache.seek(0) && cache.write(bytes) == bytes.size());
    cache.close();
    ExpectHandedOver(Alone({S("city"), S("London")}));
    ExpectQuickCityAfterComplete(S("London"));

    // A midnight the clocks skip (Cuba moved from 00:00 to 01:00 on 8 March 2026) or repeat
    // (back from 01:00 to 00:00 on 7 November 2027): the day's start is the complete command
    // line's to choose. The next day is the quick one's again.
    for (const int year : {2026, 2027}) {
        const int month = year == 2026 ? 3 : 11, day = year == 2026 ? 8 : 7;
        SCOPED_TRACE(year);
        SetDevice(year, month, day, 12, 0);
        ExpectQuickCityAfterComplete(S("London"));
        ExpectHandedOver(Alone({S("city"), S("Havana")}));
        EXPECT_EQ(0, Cli({S("city"), S("Havana")}).code);
        SetDevice(year, month, day + 1, 12, 0);
        ExpectQuickCityAfterComplete(S("Havana"));
    }

    // The device clock set past the cache's span.
    SetDevice(2027, 6, 1, 12, 0);
    ExpectHandedOver(Alone({S("city"), S("London")}));
    ExpectQuickCityAfterComplete(S("London"));

    // A city of the user's own, and a shipped city given another zone: their zones come from the
    // device's zone table.
    SaveCityWithZone(S("Testville"), 235);
    SaveCityWithZone(S("Tokyo"), 35);
    for (const char* name : {"Testville", "Tokyo"}) {
        SCOPED_TRACE(name);
        const Outcome own = Cli({S("city"), S(name)});
        EXPECT_EQ(0, own.code) << own.err.toStdString();
        ExpectHandedOver(Alone({S("city"), S(name)}));
    }
}

// The name order beyond ASCII: every unit of the Basic Multilingual Plane folds as Qt folds it.
TEST(QuickClockNames, EveryUnitFoldsAsQtFoldsIt) {
    const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    ASSERT_NE(nullptr, utf8);
    int differ = 0;
    std::string first;
    for (std::uint32_t c = 0; c <= 0xFFFF; ++c) {
        if (c >= 0xD800 && c < 0xE000) continue;  // halves of pairs
        const std::uint32_t qt = QChar(static_cast<char16_t>(c)).toCaseFolded().unicode();
        const std::uint32_t quick = cli::quick::FoldedUnit(static_cast<char16_t>(c), utf8);
        if (qt == quick) continue;
        if (++differ <= 10) first += QStringLiteral(" U+%1 (Qt %2, here %3)").arg(c, 4, 16).arg(qt, 4, 16).arg(quick, 4, 16).toStdString();
    }
    EXPECT_EQ(0, differ) << first;
    freelocale(utf8);
}

}  // namespace
