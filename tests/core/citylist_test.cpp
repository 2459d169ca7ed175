#include "cityinstall.h"
#include "citylist.h"
#include "citylistcsv.h"
#include "device.h"
#include "poutlook.h"
#include "profile.h"
#include "registry.h"
#include "settings.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QThread>

#include <vector>

using za::test::ProfileTest;
using CityDatabase = ProfileTest;

namespace {

// Columns: name, country, phone, area, airport, latitude, longitude, tz, zone_id.
const QByteArray kTestCities =
    "name,country,phone,area,airport,latitude,longitude,tz,zone_id\n"
    "Paris,France,33,1,CDG,4886,235,Europe/Paris,105\n"
    "Amsterdam,Netherlands,31,20,AMS,5237,490,Europe/Amsterdam,110\n"
    "Berlin,Germany,49,30,BER,5252,1340,Europe/Berlin,110\n"
    "Brussels,Belgium,32,2,BRU,5085,435,Europe/Brussels,105\n"
    "\"Portland, OR\",United States,1,503,PDX,4552,-12268,America/Los_Angeles,4\n"
    "\"Portland, ME\",United States,1,207,PWM,4366,-7026,America/New_York,35\n"
    "Suva,Fiji,679,,SUV,-1814,17844,Pacific/Fiji,285\n"
    "Apia,Samoa,685,,APW,-1383,-17177,Pacific/Apia,300\n";

class CityListTest : public ProfileTest {
protected:
    void SetUp() override { ASSERT_TRUE(Replace(kTestCities)); }
    void TearDown() override { list.Close(); }

    // Replaces the installed city database with one holding exactly these cities.
    bool Replace(const QByteArray& csv) {
        CEGUID store;
        CREATE_SYSTEMGUID(&store);
        CEOID oid = 0;
        HANDLE db = CeOpenDatabaseEx(&store, &oid, QStringLiteral("Zonaria Cities"), 0, 0, nullptr);
        if (db == INVALID_HANDLE_VALUE) return false;
        CloseHandle(db);
        QString error;
        return CeDeleteDatabaseEx(&store, oid) && za::CreateCityDatabase(&store, csv, &error) && list.Open();
    }

    QStringList Names() {
        QStringList names;
        for (POSITION pos = list.GetHeadCityNamePosition(); pos;) names << list.GetNextCityName(pos);
        return names;
    }

    CCityList list;
};

int g_changes = 0;
void CountChange() { ++g_changes; }

}  // namespace

TEST_F(CityListTest, NamesAreListedInNameOrderWithTheirCountry) {
    EXPECT_TRUE(list.LoadCityNames());
    EXPECT_EQ(QStringList({"Amsterdam (Netherlands)", "Apia (Samoa)", "Berlin (Germany)", "Brussels (Belgium)",
                           "Paris (France)", "Portland, ME (United States)", "Portland, OR (United States)",
                           "Suva (Fiji)"}),
              Names());
    EXPECT_EQ(8, list.GetCityCount());
    // The names alone, read without the name list, come in the same order.
    QStringList read;
    EXPECT_TRUE(list.ReadNames([&read](const QString& name) { read << name; }));
    EXPECT_EQ(QStringList({"Amsterdam", "Apia", "Berlin", "Brussels", "Paris", "Portland, ME", "Portland, OR", "Suva"}),
              read);

    struct Find {
        const char* nickname;
        const char* text;
        long index;
    } finds[] = {
        {"whole name", "Paris", 4},        {"other case", "bERLIN", 2},   {"first letters", "a", 0},
        {"first of a run", "Portland", 5}, {"with the comma", "portland, o", 6}, {"not a beginning", "msterdam", -1},
        {"nothing begins so", "Zurich", -1},
    };
    for (const Find& f : finds) {
        SCOPED_TRACE(f.nickname);
        EXPECT_EQ(f.index, list.FindIndexOfCity(QString::fromUtf8(f.text)));
    }
}

// Cities spelt with accents, found as a user types them: without accents, in any case.
const QByteArray kAccentedCities =
    "name,country,phone,area,airport,latitude,longitude,tz,zone_id\n"
    "São Paulo,Brazil,55,11,GRU,-2355,-4663,America/Sao_Paulo,65\n"
    "Zürich,Switzerland,41,44,ZRH,4737,855,Europe/Zurich,110\n"
    "Zug,Switzerland,41,41,,4717,852,Europe/Zurich,110\n"
    "Ærøskøbing,Denmark,45,,,5488,1041,Europe/Copenhagen,105\n"
    "Aeroville,France,33,1,,4900,250,Europe/Paris,105\n"
    "Bogotá,Colombia,57,1,BOG,471,-7407,America/Bogota,45\n"
    "Straße,Germany,49,,,5000,1000,Europe/Berlin,110\n"
    "Cordoba,Argentina,54,351,COR,-3142,-6418,America/Argentina/Cordoba,70\n"
    "Córdoba,Spain,34,957,ODB,3789,-478,Europe/Madrid,105\n";

TEST_F(CityListTest, PrefixSearchIgnoresAccentsAndFindsTheFirstInNameOrder) {
    ASSERT_TRUE(Replace(kAccentedCities));
    // Name order puts Æ after Z and ã after t, so the folded order ("aeroskobing" <
    // "aeroville") is not the name order: the search still gives the first entry in name order.
    ASSERT_EQ(QStringList({"Aeroville (France)", "Bogotá (Colombia)", "Cordoba (Argentina)", "Córdoba (Spain)",
                           "Straße (Germany)", "São Paulo (Brazil)", "Zug (Switzerland)", "Zürich (Switzerland)",
                           "Ærøskøbing (Denmark)"}),
              Names());
    struct Find {
        const char* nickname;
        const char* text;
        long index;
    } finds[] = {
        {"without the tilde", "Sao Paulo", 5},
        {"first letters without accents", "sao", 5},
        {"with the accent", "São", 5},
        {"in capitals", "BOGOTA", 1},
        {"diaeresis left out", "zurich", 7},
        {"diaeresis typed", "Zür", 7},
        {"two cities begin so", "zu", 6},
        {"ligature and stroke typed plainly", "aeroskobing", 8},
        {"first in name order, not folded order", "aero", 0},
        {"sharp s as ss", "strasse", 4},
        {"sharp s typed", "Straß", 4},
        {"whole entry", "zurich (switzerland)", 7},
        {"spelt without accent, a city is so spelt", "cordoba", 2},
        {"spelt with accent wins over the earlier plain one", "CÓRDOBA", 3},
        {"spelt with another accent", "Cordóba", 2},
        {"nothing begins so", "Zz", -1},
        {"empty text", "", 0},
    };
    for (const Find& f : finds) {
        SCOPED_TRACE(f.nickname);
        EXPECT_EQ(f.index, list.FindIndexOfCity(QString::fromUtf8(f.text)));
    }
    EXPECT_EQ(QList<long>({0, 8}), list.FindIndexesOfCity(QStringLiteral("AER")));
    EXPECT_EQ(QList<long>({6, 7}), list.FindIndexesOfCity(QStringLiteral("Zu")));
    EXPECT_EQ(QList<long>({2, 3}), list.FindIndexesOfCity(QStringLiteral("córdoba")));
    EXPECT_EQ(QList<long>(), list.FindIndexesOfCity(QStringLiteral("x")));
    EXPECT_EQ(9, list.FindIndexesOfCity(QString()).size());

    // The stored names keep their spelling.
    CCity city;
    ASSERT_TRUE(list.LoadCity(QStringLiteral("zürich"), city));
    EXPECT_EQ(QStringLiteral("Zürich"), city.Name());
}

TEST_F(CityListTest, ANameDifferingOnlyInAccentsIsTaken) {
    ASSERT_TRUE(Replace(kAccentedCities));
    struct Rule {
        const char* nickname;
        const char* name;
        BOOL valid;
    } rules[] = {
        {"accent left out", "Zurich", FALSE},
        {"other case and no accent", "SAO PAULO", FALSE},
        {"ligature written out", "Aeroskobing", FALSE},
        {"sharp s written out", "Strasse", FALSE},
        {"another accent", "Zûrich", FALSE},
        {"a longer name", "Zurichberg", TRUE},
        {"a prefix of a name", "Zuri", TRUE},
        {"new name with accents", "Genève", TRUE},
    };
    for (const Rule& r : rules) {
        SCOPED_TRACE(r.nickname);
        EXPECT_EQ(r.valid, list.IsCityNameValid(QString::fromUtf8(r.name)));
    }
}

// Edits keep the names and the searches in step without reading the database again, and tell
// the handler (the picker); Refresh reads them again for changes made elsewhere.
TEST_F(CityListTest, EditsAndRefreshKeepTheNamesInStepAndTellTheHandler) {
    g_changes = 0;
    list.SetChangeHandler(CountChange);
    EXPECT_EQ(8, list.GetCityCount());
    EXPECT_EQ(-1, list.FindIndexOfCity(QStringLiteral("Aach")));  // the search index is built
    CCity city;
    city.SetName(QStringLiteral("Aachen"));  // no country
    ASSERT_TRUE(list.SaveCity(city));
    EXPECT_EQ(9, list.GetCityCount());
    EXPECT_EQ(1, g_changes);
    EXPECT_EQ(QStringLiteral("Aachen ()"), Names().first());
    // The searches follow the new names, by accents too.
    EXPECT_EQ(0, list.FindIndexOfCity(QString::fromUtf8("A\xc3\xa4" "ch")));
    // A save over a city changes its entry where it stands.
    city.SetCountryName(QStringLiteral("Germany"));
    ASSERT_TRUE(list.SaveCity(city));
    EXPECT_EQ(9, list.GetCityCount());
    EXPECT_EQ(QStringLiteral("Aachen (Germany)"), Names().first());
    EXPECT_EQ(std::vector<int>{0}, list.Index().Matching(QStringLiteral("germ aach"), za::CityIndex::Codes::None));
    // Names that begin with accents or in lower case stand where the database's order puts them.
    for (const char* name : {"\xc3\xa9vian", "aarau", "\xc3\x84ngelholm"}) {
        city.SetName(QString::fromUtf8(name));
        ASSERT_TRUE(list.SaveCity(city)) << name;
    }
    const QStringList edited = Names();
    list.Refresh();
    EXPECT_EQ(6, g_changes);
    EXPECT_EQ(edited, Names()) << "what the edits left is what the database holds";

    // Deleting takes the entry out; the last city deleted leaves an empty list, not a stale one.
    for (const char* name : {"Aachen", "Paris", "Amsterdam", "Berlin", "Brussels", "Portland, OR", "Portland, ME",
                             "Suva", "Apia", "\xc3\xa9vian", "aarau", "\xc3\x84ngelholm"}) {
        ASSERT_TRUE(list.DeleteCity(QString::fromUtf8(name))) << name;
        EXPECT_EQ(-1, list.FindIndexOfCity(za::CityEntryPrefix(QString::fromUtf8(name)))) << name;
    }
    EXPECT_EQ(18, g_changes);
    EXPECT_EQ(0, list.GetCityCount());
    EXPECT_EQ(0, list.GetHeadCityNamePosition());
    EXPECT_FALSE(list.DeleteCity(QStringLiteral("Paris")));
    EXPECT_EQ(18, g_changes) << "a failed delete changes nothing";
}

TEST_F(CityListTest, NameRules) {
    struct Rule {
        const char* nickname;
        QString name;
        BOOL valid;
    } rules[] = {
        {"31 characters", QString(31, QLatin1Char('x')), TRUE},
        {"32 characters", QString(32, QLatin1Char('x')), FALSE},
        {"empty", QString(), FALSE},
        {"new name", QStringLiteral("Lyon"), TRUE},
        {"existing name", QStringLiteral("Paris"), FALSE},
        {"existing name in other case", QStringLiteral("PARIS"), FALSE},
        {"comma and space are fine", QStringLiteral("Salem, OR"), TRUE},
        {"beyond ASCII", QStringLiteral("Zürich"), TRUE},
    };
    for (const Rule& r : rules) {
        SCOPED_TRACE(r.nickname);
        EXPECT_EQ(r.valid, list.IsCityNameValid(r.name));
    }
    for (QChar c : QStringLiteral("\"~()*%#")) {
        SCOPED_TRACE(QString(c).toStdString());
        EXPECT_FALSE(list.IsCityNameValid(QStringLiteral("Bad") + c + QStringLiteral("Name")));
    }
}

// A tab or a newline in a name split find's output over two lines, a name of blanks was taken,
// U+202E turned later lists around, and a pasted emoji cut at the length limit kept half of
// its surrogate pair: none of them can be stored, as a name or as a code.
TEST_F(CityListTest, TextThatBreaksLaterReadsIsRefused) {
    const struct Row {
        const char* nickname;
        QString text;
    } rows[] = {
        {"tab", QStringLiteral("Pa\tris")},
        {"newline", QStringLiteral("Paris\nLondon")},
        {"blanks", QStringLiteral("   ")},
        {"right-to-left override", QStringLiteral("Paris") + QChar(0x202E) + QStringLiteral("nodnoL")},
        {"zero-width space", QStringLiteral("Par") + QChar(0x200B) + QStringLiteral("is")},
        {"half a surrogate pair", QStringLiteral("Paris ") + QChar(0xD83D)},
        {"a lone low surrogate", QStringLiteral("Paris ") + QChar(0xDE00)},
        {"line separator", QStringLiteral("Paris") + QChar(0x2028)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.nickname);
        EXPECT_FALSE(list.IsCityNameValid(r.text));
        CCity city;
        city.SetName(r.text);
        EXPECT_FALSE(list.SaveCity(city));
        if (r.text.trimmed().isEmpty()) continue;
        city.SetName(QStringLiteral("Codeville"));
        city.SetAirportCode(r.text);
        EXPECT_FALSE(list.SaveCity(city));
    }
    // A whole emoji is text like any other.
    EXPECT_TRUE(list.IsCityNameValid(QStringLiteral("Sunny ") + QString::fromUcs4(U"\U0001F600", 1)));
    CCity none;
    EXPECT_FALSE(list.LoadCity(QStringLiteral("Codeville"), none));
}

TEST_F(CityListTest, LoadsCitiesByNameAndByPosition) {
    CCity city;
    ASSERT_TRUE(list.LoadCity(QStringLiteral("portland, or"), city));
    EXPECT_EQ(QStringLiteral("Portland, OR"), city.Name());
    EXPECT_EQ(4, city.TimeZoneID());
    EXPECT_EQ(4552, city.Latitude());
    EXPECT_EQ(-12268, city.Longitude());
    EXPECT_EQ(QStringLiteral("PDX"), city.AirportCode());
    EXPECT_EQ(QStringLiteral("1"), city.CountryPhoneCode());
    EXPECT_EQ(QStringLiteral("503"), city.AreaCode());
    EXPECT_EQ(QStringLiteral("United States"), city.CountryName());
    EXPECT_EQ(4, city.TimeZone().ID()) << "the zone is the loaded city's";

    // Not found: the city stays as it was.
    EXPECT_FALSE(list.LoadCity(QStringLiteral("Atlantis"), city));
    EXPECT_EQ(QStringLiteral("Portland, OR"), city.Name());

    ASSERT_TRUE(list.BeginLoadCityByIndex());
    ASSERT_TRUE(list.LoadCity(2L, city));
    EXPECT_EQ(QStringLiteral("Berlin"), city.Name());
    EXPECT_EQ(110, city.TimeZone().ID());
    ASSERT_TRUE(list.LoadCity(7L, city));
    EXPECT_EQ(QStringLiteral("Suva"), city.Name());
    EXPECT_FALSE(list.LoadCity(8L, city));
    EXPECT_FALSE(list.LoadCity(-1L, city));
    list.EndLoadCityByIndex();
    EXPECT_FALSE(list.LoadCity(0L, city)) << "outside the bracket";
}

TEST_F(CityListTest, RecordsLackingPropertiesLoadWithDefaults) {
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    CEOID oid = 0;
    HANDLE db = CeOpenDatabaseEx(&store, &oid, QStringLiteral("Zonaria Cities"), 0, 0, nullptr);
    const QString name = QStringLiteral("Bare");
    CEPROPVAL v{};
    v.propid = PROPID_CITY_NAME;
    v.val.lpwstr = reinterpret_cast<const WCHAR*>(name.utf16());
    ASSERT_NE(0u, CeWriteRecordProps(db, 0, 1, &v));
    CloseHandle(db);

    CCity city;
    ASSERT_TRUE(list.LoadCity(QStringLiteral("Paris"), city));
    ASSERT_TRUE(list.LoadCity(QStringLiteral("Bare"), city));
    EXPECT_EQ(35, city.TimeZoneID());
    EXPECT_EQ(0, city.Latitude());
    EXPECT_EQ(0, city.Longitude());
    // The four other strings keep what they held.
    EXPECT_EQ(QStringLiteral("France"), city.CountryName());
    EXPECT_EQ(QStringLiteral("CDG"), city.AirportCode());
    list.Refresh();
    EXPECT_TRUE(Names().contains(QStringLiteral("Bare ()")));
}

TEST_F(CityListTest, SaveOverwritesByNameAndDeleteRemoves) {
    CCity city;
    city.SetName(QStringLiteral("Lyon"));
    city.SetCountryName(QStringLiteral("France"));
    city.SetTimeZoneID(105);
    city.SetLatitude(4576);
    city.SetLongitude(484);
    ASSERT_TRUE(list.SaveCity(city));
    city.SetAirportCode(QStringLiteral("LYS"));
    city.SetLatitude(4575);
    ASSERT_TRUE(list.SaveCity(city));
    list.Refresh();
    EXPECT_EQ(9, list.GetCityCount()) << "saved twice, stored once";

    CCity loaded;
    ASSERT_TRUE(list.LoadCity(QStringLiteral("Lyon"), loaded));
    EXPECT_EQ(QStringLiteral("LYS"), loaded.AirportCode());
    EXPECT_EQ(4575, loaded.Latitude());
    EXPECT_EQ(484, loaded.Longitude());
    EXPECT_EQ(105, loaded.TimeZoneID());

    ASSERT_TRUE(list.DeleteCity(QStringLiteral("LYON")));
    EXPECT_FALSE(list.LoadCity(QStringLiteral("Lyon"), loaded));
    EXPECT_EQ(8, list.GetCityCount());
}

TEST_F(CityListTest, FindsACityOfAZone) {
    CCity city;
    const QString brussels = QStringLiteral("Brussels");
    const QString berlin = QStringLiteral("Berlin");
    const QString nowhere = QStringLiteral("Nowhere");
    ASSERT_TRUE(list.FindCityWithSameTZ(105, city, &brussels));
    EXPECT_EQ(brussels, city.Name()) << "the preferred city has the zone";
    ASSERT_TRUE(list.FindCityWithSameTZ(105, city, &berlin));
    EXPECT_EQ(QStringLiteral("Paris"), city.Name()) << "first of the zone in zone order (first stored)";
    ASSERT_TRUE(list.FindCityWithSameTZ(110, city, &nowhere));
    EXPECT_EQ(QStringLiteral("Amsterdam"), city.Name());
    EXPECT_EQ(110, city.TimeZone().ID());
    city.SetName(QStringLiteral("Kept"));
    EXPECT_FALSE(list.FindCityWithSameTZ(190, city));
    EXPECT_EQ(QStringLiteral("Kept"), city.Name());
}

TEST_F(CityListTest, FindsTheNearestCityByGrowingBoxes) {
    struct Near {
        const char* nickname;
        int longitude;
        int latitude;
        const char* found;  // null: none within 15°
    } cases[] = {
        {"at the city", 235, 4886, "Paris"},
        {"2° away, second pass", 235, 4686, "Paris"},
        // Amsterdam (52.37) and Berlin (52.52) both lie in the first box that holds any.
        {"two in one box give the northernmost", 950, 5200, "Berlin"},
        {"the nearer box holds only one", 435, 5000, "Brussels"},
        {"a box reaching two cities takes the northern one, not the nearer", 430, 5150, "Amsterdam"},
        {"14° away, fifth pass", 235, 3486, "Paris"},
        {"nothing within 15°", -4000, 0, nullptr},
        // Apia (-171.77) is 10° east of Suva (178.44) across the date line; the box does not wrap.
        {"no wrap across the date line", 17999, -1400, "Suva"},
        {"near the south pole", 0, -9000, nullptr},
    };
    for (const Near& c : cases) {
        SCOPED_TRACE(c.nickname);
        CCity city;
        city.SetName(QStringLiteral("Before"));
        const BOOL found = list.FindNearestCity(c.longitude, c.latitude, city);
        EXPECT_EQ(c.found != nullptr, found != FALSE);
        EXPECT_EQ(c.found ? QString::fromUtf8(c.found) : QStringLiteral("Before"), city.Name());
    }
}

TEST_F(CityDatabase, CityDatabaseOnAVolumeNamedByTheSetting) {
    const QString path = profile.path() + QStringLiteral("/../cities.vol");
    CEGUID volume;
    ASSERT_TRUE(CeMountDBVol(&volume, path, CREATE_NEW));
    QString error;
    int imported = 0;
    ASSERT_TRUE(za::CreateCityDatabase(&volume, kTestCities, &error, &imported)) << qPrintable(error);
    EXPECT_EQ(8, imported);
    ASSERT_TRUE(CeUnmountDBVol(&volume));

    CRegistry& reg = GetReg();
    ASSERT_TRUE(reg.Open());
    reg.WriteStringValue(CRegistry::DBPath, path);
    reg.Close();
    CCityList list;
    ASSERT_TRUE(list.Open());
    EXPECT_EQ(8, list.GetCityCount());
    CCity city;
    EXPECT_TRUE(list.LoadCity(QStringLiteral("Suva"), city));
    EXPECT_TRUE(list.Close());
    EXPECT_FALSE(CeUnmountDBVol(&volume)) << "Close unmounted the volume";

    // A missing or foreign file fails to open, cleanly.
    for (const QString& bad : {profile.path() + QStringLiteral("/../missing.vol"), profile.dbPath()}) {
        SCOPED_TRACE(bad.toStdString());
        reg.Open();
        reg.WriteStringValue(CRegistry::DBPath, bad);
        reg.Close();
        CCityList other;
        EXPECT_FALSE(other.Open());
        EXPECT_FALSE(other.LoadCity(QStringLiteral("Suva"), city));
        EXPECT_EQ(0, other.GetCityCount());
        EXPECT_TRUE(other.Close());
    }
}

// The profile passed its check when this process first opened it; pages of the name order
// damaged afterwards leave the list as it was (here: empty), never a part of it passed off as
// the whole, and the profile reports the damage.
TEST_F(CityDatabase, ADamagedPageCutsNoListShort) {
    CCityList list;
    ASSERT_TRUE(list.Open());
    const int cities = list.GetCityCount();
    ASSERT_GT(cities, 1000);
    list.Close();
    ASSERT_TRUE(za::device::Db()->exec("PRAGMA wal_checkpoint(TRUNCATE)"));
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    CEOID oid = 0;
    CloseHandle(CeOpenDatabaseEx(&store, &oid, QStringLiteral("Zonaria Cities"), 0, 0, nullptr));
    za::device::Reset();
    const QList<int> leaves = za::test::LeafPages(profile.dbPath(), QStringLiteral("odb_%1_s0").arg(oid));
    if (leaves.size() < 4) GTEST_SKIP() << "SQLite without its dbstat table; cannot find the index's pages";
    za::test::OverwritePages(profile.dbPath(), {leaves[leaves.size() / 2]});

    CCityList damaged;
    ASSERT_TRUE(damaged.Open());
    EXPECT_EQ(0, damaged.GetCityCount());
    EXPECT_EQ(-1, damaged.FindIndexOfCity(QStringLiteral("Tokyo")));
    damaged.Close();
    EXPECT_EQ(za::device::ProfileState::Damaged, za::device::Status().state);
}

// The quick reading of names and zones that every program does must see the same cities as
// the full reading of the installation, quoted names with commas and accents included.
TEST(ShippedCityList, NamesAndZonesReadAsTheFullReadingReadsThem) {
    const QByteArray csv = za::ShippedCityList();
    // Read where it lies in the program, not copied into each process's heap again per reading.
    EXPECT_EQ(csv.constData(), za::ShippedCityList().constData());
    EXPECT_TRUE(csv.startsWith("name,country,"));
    std::vector<za::CityListRow> full;
    QString error;
    ASSERT_TRUE(za::ParseCityList(csv, &full, &error)) << error.toStdString();
    std::vector<za::CityZoneRow> zones;
    ASSERT_TRUE(za::ParseCityListZones(csv, &zones));
    ASSERT_EQ(full.size(), zones.size());
    for (std::size_t i = 0; i < full.size(); ++i) {
        EXPECT_EQ(full[i].name, zones[i].name);
        EXPECT_EQ(full[i].tz, zones[i].tz);
        EXPECT_EQ(full[i].zoneId, zones[i].zoneId);
    }
    // A quoted field with a doubled quote and a comma, and a row ending in an empty field.
    const QByteArray tricky = "name,country,phone,area,airport,lat,lon,tz,zone_id\n"
                              "\"Say \"\"Hi\"\", TX\",US,1,,,3000,-9000,America/Chicago,20\r\n"
                              "\"Z\u00fcrich\",CH,41,,ZRH,4737,854,Europe/Zurich,110\n";
    ASSERT_TRUE(za::ParseCityList(tricky, &full, &error)) << error.toStdString();
    ASSERT_TRUE(za::ParseCityListZones(tricky, &zones));
    ASSERT_EQ(2u, zones.size());
    EXPECT_EQ(QStringLiteral("Say \"Hi\", TX"), full[0].name);
    EXPECT_EQ(full[0].name, zones[0].name);
    EXPECT_EQ(QString::fromUtf8("Z\u00fcrich"), zones[1].name);
    EXPECT_EQ(QByteArray("Europe/Zurich"), zones[1].tz);
    EXPECT_EQ(110, zones[1].zoneId);
    EXPECT_EQ(QString(), full[0].area);
}

TEST_F(CityDatabase, CityImportRefusesABadListAndKeepsNothing) {
    CEGUID volume;
    ASSERT_TRUE(CeMountDBVol(&volume, profile.path() + QStringLiteral("/../import.vol"), CREATE_NEW));
    struct Bad {
        const char* nickname;
        QByteArray csv;
    } bad[] = {
        {"latitude off the globe", "name,country,phone,area,airport,latitude,longitude,tz,zone_id\n"
                                   "A,B,1,,,9100,0,UTC,85\n"},
        {"repeated name", "name,country,phone,area,airport,latitude,longitude,tz,zone_id\n"
                          "A,B,1,,,0,0,UTC,85\na,B,1,,,0,0,UTC,85\n"},
        {"missing column", "name,country,phone,area,airport,latitude,longitude,tz,zone_id\nA,B,1,,,0,0,UTC\n"},
        {"open quote", "name,country,phone,area,airport,latitude,longitude,tz,zone_id\n\"A,B,1,,,0,0,UTC,85\n"},
        {"no cities", "name,country,phone,area,airport,latitude,longitude,tz,zone_id\n"},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.nickname);
        QString error;
        EXPECT_FALSE(za::CreateCityDatabase(&volume, b.csv, &error));
        EXPECT_FALSE(error.isEmpty());
        CEOID oid = 0;
        EXPECT_EQ(INVALID_HANDLE_VALUE, CeOpenDatabaseEx(&volume, &oid, QStringLiteral("Zonaria Cities"), 0, 0, nullptr))
            << "nothing is kept of a failed import";
    }
    CeUnmountDBVol(&volume);
}

TEST_F(CityDatabase, InstallationWritesTheCitiesAndTheZoneTable) {
    CCityList list;
    ASSERT_TRUE(list.Open());
    CCity city;
    for (const char* name : {"San Francisco, CA", "Chicago, IL", "New York, NY", "London", "Tokyo"}) {
        EXPECT_TRUE(list.LoadCity(QString::fromUtf8(name), city)) << name;
    }
    list.Close();

    // "TZID": a count and every entry of the zone table once, grouped by Bias west to east.
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Corvantel\\Zonaria"), 0, 0, &key));
    DWORD size = 0, type = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, QStringLiteral("TZID"), nullptr, &type, nullptr, &size));
    std::vector<WORD> words(size / 2);
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExW(key, QStringLiteral("TZID"), nullptr, &type,
                                              reinterpret_cast<BYTE*>(words.data()), &size));
    RegCloseKey(key);
    EXPECT_EQ(REG_BINARY, type);
    int tableSize = 0;
    za::outlook::ZoneTable(&tableSize);
    ASSERT_EQ(static_cast<std::size_t>(tableSize) + 1, words.size());
    EXPECT_EQ(tableSize, words[0]);
    QSet<int> seen;
    LONG previousBias = 100000;
    for (std::size_t i = 1; i < words.size(); ++i) {
        TIME_ZONE_INFORMATION tzi{};
        const za::outlook::ZoneEntry* entry = za::outlook::FindZoneEntry(words[i]);
        ASSERT_NE(nullptr, entry) << words[i];
        ASSERT_TRUE(za::outlook::ZoneInformation(*entry, 2026, &tzi));
        EXPECT_LE(tzi.Bias, previousBias) << "grouped by Bias, west to east, at " << words[i];
        previousBias = tzi.Bias;
        seen.insert(words[i]);
    }
    EXPECT_EQ(tableSize, seen.size());
}

// The installation's pages are moved out of the write-ahead log, which every later start of
// every program would otherwise scan again.
TEST_F(CityDatabase, AnInstalledProfileKeepsItsPagesInTheDatabaseFile) {
    ASSERT_NE(nullptr, za::device::Db()) << za::device::LastError().toStdString();
    EXPECT_GT(QFileInfo(profile.dbPath()).size(), 1024 * 1024) << "the city list is in device.db";
    const QFileInfo log(profile.dbPath() + QStringLiteral("-wal"));
    EXPECT_LT(log.exists() ? log.size() : 0, 256 * 1024);
}

// A single look-up reads only the runs of the name order that can hold a match: it must find
// exactly what a search of the whole list finds, in the same order and at the same places,
// whatever the accents, case and scripts of the names and of the text.
TEST_F(CityListTest, ALookUpOfTheRunsFindsWhatTheWholeListFinds) {
    ASSERT_TRUE(Replace(QByteArray("name,country,phone,area,airport,latitude,longitude,tz,zone_id\n") +
                        "S\xc3\xa3o Paulo,Brazil,55,11,GRU,-2355,-4663,America/Sao_Paulo,65\n"
                        "Sao Tome,S\xc3\xa3o Tom\xc3\xa9,239,,TMS,34,673,Africa/Sao_Tome,113\n"
                        "Sapporo,Japan,81,11,CTS,4306,14135,Asia/Tokyo,235\n"
                        "sal,Cabo Verde,238,,SID,1674,-2294,Atlantic/Cape_Verde,83\n"
                        "\xc3\x85lesund,Norway,47,,AES,6247,615,Europe/Oslo,110\n"
                        "\xc3\x86r\xc3\xb8sk\xc3\xb8" "bing,Denmark,45,,,5485,1041,Europe/Copenhagen,105\n"
                        "Stra\xc3\x9f" "burg,Germany,49,,,4830,773,Europe/Berlin,110\n"
                        "Strasbourg,France,33,,SXB,4858,775,Europe/Paris,105\n"
                        "\xd0\x9c\xd0\xbe\xd1\x81\xd0\xba\xd0\xb2\xd0\xb0,Russia,7,495,SVO,5575,3762,Europe/Moscow,145\n"
                        "\xc5\x81\xc3\xb3" "d\xc5\xba,Poland,48,42,LCJ,5176,1946,Europe/Warsaw,95\n"
                        "Lodz,Poland,48,,,5176,1946,Europe/Warsaw,95\n"
                        "\xc3\x89vian,France,33,,,4640,659,Europe/Paris,105\n"
                        "Evanston,United States,1,847,,4204,-8769,America/Chicago,20\n"));
    QStringList texts;
    for (const char* t : {"s", "S", "sa", "sao", "SAO ", "s\xc3\xa3", "sao t", "sap", "st", "strass", "stra\xc3\x9f", "a",
                          "al", "\xc3\xa5", "ae", "aer", "\xc3\xa6r\xc3\xb8", "l", "lo", "lod", "\xc5\x82", "\xd0\xbc",
                          "\xd0\x9c\xd0\xbe\xd1\x81", "e", "ev", "\xc3\xa9v", "evi", "x", "sao paulo (br", "z"}) {
        texts << QString::fromUtf8(t);
    }
    ASSERT_TRUE(list.LoadCityNames());
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        const QList<long> whole = list.FindIndexesOfCity(text);
        QStringList wholeEntries;
        for (long i : whole) wholeEntries << Names().at(i);
        CCityList fresh;  // its names not read: the look-up reads the runs
        ASSERT_TRUE(fresh.Open());
        QStringList entries;
        QList<long> positions;
        ASSERT_TRUE(fresh.FindEntriesOfCity(text, &entries, &positions));
        EXPECT_EQ(wholeEntries, entries);
        EXPECT_EQ(whole, positions);
        fresh.Close();
    }
    EXPECT_EQ(4, list.FindIndexesOfCity(QStringLiteral("sa")).size()) << "the cases above find something";
}

// The names read on a thread of their own are what a read here gives; an edit made while that
// read runs is not lost to it.
TEST_F(CityListTest, NamesReadAheadAreTheDatabasesAndAnEditMeanwhileWins) {
    const QStringList expected = Names();
    {
        CCityList fresh;
        ASSERT_TRUE(fresh.Open());
        fresh.PreloadNames();
        QStringList names;
        for (POSITION pos = fresh.GetHeadCityNamePosition(); pos;) names << fresh.GetNextCityName(pos);
        EXPECT_EQ(expected, names);
        fresh.Close();
    }
    CCityList fresh;
    ASSERT_TRUE(fresh.Open());
    fresh.PreloadNames();
    // Time enough for the read of eight cities to end before the save: what it read is then
    // older than the database.
    QThread::msleep(300);
    CCity city;
    city.SetName(QStringLiteral("Aachen"));
    city.SetCountryName(QStringLiteral("Germany"));
    ASSERT_TRUE(fresh.SaveCity(city));
    EXPECT_EQ(9, fresh.GetCityCount());
    EXPECT_EQ(0, fresh.FindIndexOfCity(QStringLiteral("Aachen (Germany)")));
    fresh.Close();
}
