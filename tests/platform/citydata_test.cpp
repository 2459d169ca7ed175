// data/cities.csv, the world city list the installation puts into the city database: its
// form, the rules of its names and fields, the cities the settings' defaults need, and that
// every city's zone-table entry keeps its clock exactly where the tz database does.
#include "citycsv.h"
#include "oledate.h"
#include "poutlook.h"
#include "tzderive.h"
#include "tzrule.h"
#include "tzyears.h"

#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QTimeZone>

#include <map>
#include <set>
#include <vector>

#include <gtest/gtest.h>

namespace {

enum Column { kName, kCountry, kPhone, kArea, kAirport, kLatitude, kLongitude, kTz, kZoneId, kColumnCount };

const QStringList kHeader = {QStringLiteral("name"),     QStringLiteral("country"),  QStringLiteral("phone"),
                             QStringLiteral("area"),     QStringLiteral("airport"),  QStringLiteral("latitude"),
                             QStringLiteral("longitude"), QStringLiteral("tz"),      QStringLiteral("zone_id")};

class CityData : public testing::Test {
protected:
    static void SetUpTestSuite() {
        QString error;
        rows_ = new std::vector<QStringList>();
        readOk_ = za::citycsv::Read(QStringLiteral(CITIES_CSV_PATH), rows_, &error);
        readError_ = new QString(error);
    }
    static void TearDownTestSuite() {
        delete rows_;
        delete readError_;
        rows_ = nullptr;
        readError_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(readOk_) << readError_->toStdString();
        ASSERT_FALSE(rows_->empty());
        ASSERT_EQ(kHeader, rows_->front());
    }
    // The city records, without the header.
    static std::vector<QStringList> Cities() { return std::vector<QStringList>(rows_->begin() + 1, rows_->end()); }
    static const QStringList* Find(const QString& name) {
        for (size_t i = 1; i < rows_->size(); ++i) {
            if ((*rows_)[i].value(kName) == name) return &(*rows_)[i];
        }
        return nullptr;
    }

    static std::vector<QStringList>* rows_;
    static bool readOk_;
    static QString* readError_;
};

std::vector<QStringList>* CityData::rows_ = nullptr;
bool CityData::readOk_ = false;
QString* CityData::readError_ = nullptr;

int ToInt(const QString& text, bool* ok) {
    // Plain decimal integers only: no spaces, no plus sign, no fractions.
    static const QRegularExpression integer(QStringLiteral("^-?[0-9]+$"));
    *ok = integer.match(text).hasMatch();
    return *ok ? text.toInt() : 0;
}

std::int64_t YearStart(int year) { return za::DaysFromCivil(year, 1, 1) * 86400; }

// A name as typed without accents and capitals: decomposed, without combining marks, the
// letters that do not decompose spelt out, case-folded.
QString PlainName(const QString& name) {
    QString out;
    for (const QChar c : name.normalized(QString::NormalizationForm_D).toCaseFolded()) {
        if (c.isMark()) continue;
        switch (c.unicode()) {
        case 0x00DF: out += QLatin1String("ss"); break;  // ß
        case 0x00F8: out += QLatin1Char('o'); break;     // ø
        case 0x00E6: out += QLatin1String("ae"); break;  // æ
        case 0x0142: out += QLatin1Char('l'); break;     // ł
        case 0x0111: out += QLatin1Char('d'); break;     // đ
        case 0x0131: out += QLatin1Char('i'); break;     // ı
        case 0x0153: out += QLatin1String("oe"); break;  // œ
        case 0x00FE: out += QLatin1String("th"); break;  // þ
        default: out += c;
        }
    }
    return out;
}

QDateTime Utc(std::int64_t seconds) { return QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()); }

}  // namespace

TEST_F(CityData, EveryRecordHasAllFields) {
    const std::vector<QStringList> cities = Cities();
    EXPECT_GE(cities.size(), 3000u);
    for (size_t i = 0; i < cities.size(); ++i) {
        EXPECT_EQ(kColumnCount, cities[i].size()) << "record " << i + 1 << ": " << cities[i].join(QLatin1Char('|')).toStdString();
    }
}

// The city database's name rules: 1 to 31 characters, none of "~()*%#, and unique without
// regard to case (the database finds names that way) and to accents (a user could not tell two
// such names apart in a list, and types them without accents).
TEST_F(CityData, NamesAreValidAndUniqueWithoutRegardToCaseOrAccents) {
    static const QRegularExpression forbidden(QStringLiteral("[\"~()*%#]"));
    QMap<QString, QString> seen;
    QStringList bad, duplicates;
    for (const QStringList& city : Cities()) {
        const QString name = city.value(kName);
        if (name.isEmpty() || name.size() > 31 || forbidden.match(name).hasMatch() || name.trimmed() != name) bad << name;
        const QString key = PlainName(name);
        if (seen.contains(key)) duplicates << name + QStringLiteral(" = ") + seen.value(key);
        seen.insert(key, name);
    }
    EXPECT_TRUE(bad.isEmpty()) << bad.join(QStringLiteral("; ")).toStdString();
    EXPECT_TRUE(duplicates.isEmpty()) << duplicates.join(QStringLiteral("; ")).toStdString();
}

TEST(CityDataPlainName, FoldsAccentsCaseAndTheLettersThatDoNotDecompose) {
    const struct {
        const char* name;
        const char* plain;
    } rows[] = {
        {"São Paulo", "sao paulo"},  {"ZÜRICH", "zurich"},   {"Straße", "strasse"},  {"Tromsø", "tromso"},
        {"Łódź", "lodz"},            {"Đà Nẵng", "da nang"}, {"Diyarbakır", "diyarbakir"},
        {"Þórshöfn", "thorshofn"},   {"Ærøskøbing", "aeroskobing"}, {"Œuf", "oeuf"},
    };
    for (const auto& r : rows) EXPECT_EQ(QString::fromUtf8(r.plain), PlainName(QString::fromUtf8(r.name))) << r.name;
}

// US and Canadian cities carry their state or province code; no other city does.
TEST_F(CityData, NorthAmericanNamesCarryTheirStateCode) {
    static const QRegularExpression withState(QStringLiteral("^[^,]+, [A-Z]{2}$"));
    QStringList bad;
    for (const QStringList& city : Cities()) {
        const bool northAmerican = city[kCountry] == QLatin1String("United States") || city[kCountry] == QLatin1String("Canada");
        if (northAmerican != withState.match(city[kName]).hasMatch()) bad << city[kName] + QStringLiteral(" (") + city[kCountry] + QLatin1Char(')');
    }
    EXPECT_TRUE(bad.isEmpty()) << bad.join(QStringLiteral("; ")).toStdString();
}

TEST_F(CityData, FieldsHaveTheirForm) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    static const QRegularExpression iata(QStringLiteral("^[A-Z]{3}$"));
    // Antarctica and the territories that share no country's numbering plan.
    const QStringList withoutCallingCode = {QStringLiteral("Antarctica"), QStringLiteral("French Southern Territories"),
                                            QStringLiteral("Pitcairn Islands"),
                                            QStringLiteral("South Georgia and the South Sandwich Islands")};
    QStringList bad;
    for (const QStringList& city : Cities()) {
        const QString& name = city[kName];
        bool latOk = false, lonOk = false;
        const int lat = ToInt(city[kLatitude], &latOk);
        const int lon = ToInt(city[kLongitude], &lonOk);
        if (!latOk || lat < -9000 || lat > 9000) bad << name + QStringLiteral(": latitude ") + city[kLatitude];
        if (!lonOk || lon < -18000 || lon > 18000) bad << name + QStringLiteral(": longitude ") + city[kLongitude];
        if (city[kCountry].isEmpty()) bad << name + QStringLiteral(": no country");
        // A code is digits, at most 4. Only places without a calling code of their own have none.
        if (!city[kPhone].isEmpty()) {
            if (!digits.match(city[kPhone]).hasMatch() || city[kPhone].size() > 4) bad << name + QStringLiteral(": phone ") + city[kPhone];
        } else if (!withoutCallingCode.contains(city[kCountry])) {
            bad << name + QStringLiteral(": no phone");
        }
        if (!city[kArea].isEmpty() && (!digits.match(city[kArea]).hasMatch() || city[kPhone].isEmpty()))
            bad << name + QStringLiteral(": area ") + city[kArea];
        if (!city[kAirport].isEmpty() && !iata.match(city[kAirport]).hasMatch()) bad << name + QStringLiteral(": airport ") + city[kAirport];
        if (!QTimeZone(city[kTz].toUtf8()).isValid()) bad << name + QStringLiteral(": zone ") + city[kTz];
    }
    EXPECT_TRUE(bad.isEmpty()) << bad.size() << " bad fields: " << bad.mid(0, 20).join(QStringLiteral("; ")).toStdString();
}

// The settings' default cities, and a few well-known facts that would show columns mixed up.
TEST_F(CityData, HoldsTheDefaultCitiesWithTheirFacts) {
    const struct {
        const char* name;
        const char* country;
        const char* phone;
        const char* area;
        const char* airport;
        int latitude;
        int longitude;
        const char* tz;
    } rows[] = {
        {"San Francisco, CA", "United States", "1", "415", "SFO", 3777, -12242, "America/Los_Angeles"},
        {"Chicago, IL", "United States", "1", "312", "ORD", 4185, -8765, "America/Chicago"},
        {"New York, NY", "United States", "1", "212", "JFK", 4071, -7401, "America/New_York"},
        {"London", "United Kingdom", "44", "20", "LHR", 5151, -13, "Europe/London"},
        {"Tokyo", "Japan", "81", "3", "HND", 3569, 13969, "Asia/Tokyo"},
        {"Sydney", "Australia", "61", "2", "SYD", -3387, 15121, "Australia/Sydney"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const QStringList* city = Find(QString::fromUtf8(r.name));
        ASSERT_NE(nullptr, city);
        EXPECT_EQ(QString::fromUtf8(r.country), (*city)[kCountry]);
        EXPECT_EQ(QLatin1String(r.phone), (*city)[kPhone]);
        EXPECT_EQ(QLatin1String(r.area), (*city)[kArea]);
        EXPECT_EQ(QLatin1String(r.airport), (*city)[kAirport]);
        // Within a tenth of a degree of the place (GeoNames' point of the city).
        EXPECT_NEAR(r.latitude, (*city)[kLatitude].toInt(), 10);
        EXPECT_NEAR(r.longitude, (*city)[kLongitude].toInt(), 10);
        EXPECT_EQ(QLatin1String(r.tz), (*city)[kTz]);
    }
}

// A user anywhere can pick a city of their own time: every zone of the tz database's
// zone1970.tab (the zones whose clocks have differed since 1970) has a city, and every entry of
// the zone table has one but those of an Etc/ zone, where no one lives.
TEST_F(CityData, EveryZoneAndEveryPeopledEntryHasACity) {
    QFile tab(QStringLiteral("/usr/share/zoneinfo/zone1970.tab"));
    if (!tab.open(QIODevice::ReadOnly)) GTEST_SKIP() << "no zone1970.tab on this machine";
    std::set<QString> zones, entries;
    for (const QStringList& city : Cities()) {
        zones.insert(city[kTz]);
        entries.insert(city[kZoneId]);
    }
    QStringList missing;
    int tabZones = 0;
    for (const QByteArray& line : tab.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (line.startsWith('#') || fields.size() < 3) continue;
        ++tabZones;
        if (!zones.count(QString::fromUtf8(fields[2]))) missing << QString::fromUtf8(fields[2]);
    }
    EXPECT_GT(tabZones, 300);
    int count = 0;
    const za::outlook::ZoneEntry* table = za::outlook::ZoneTable(&count);
    for (int i = 0; i < count; ++i) {
        if (QByteArray(table[i].tzId).startsWith("Etc/")) continue;
        if (!entries.count(QString::number(table[i].id))) missing << QStringLiteral("entry %1").arg(table[i].id);
    }
    EXPECT_TRUE(missing.isEmpty()) << "without a city: " << missing.join(QStringLiteral(", ")).toStdString();
}

TEST_F(CityData, EveryZoneIdIsAnEntryOfTheTable) {
    QStringList bad;
    for (const QStringList& city : Cities()) {
        bool ok = false;
        const int id = ToInt(city[kZoneId], &ok);
        if (!ok || za::outlook::FindZoneEntry(id) == nullptr) bad << city[kName] + QStringLiteral(": ") + city[kZoneId];
    }
    EXPECT_TRUE(bad.isEmpty()) << bad.size() << " cities: " << bad.mid(0, 20).join(QStringLiteral("; ")).toStdString();
}

// Every city's entry has the rule of the city's own zone for the current year and, through its
// records of each year, gives the local time that the tz database gives that zone in every
// year from this one to the last the records hold: every three hours and one second either
// side of every change. A zone that changes more than twice in a year (Morocco) need only be
// right from its last change of that year on.
TEST_F(CityData, EveryCitysEntryKeepsItsZonesLocalTimeToTheLastYear) {
    const int year = QDateTime::currentDateTimeUtc().date().year();
    // Cities share zones and entries: each pair is checked once.
    std::map<std::pair<QByteArray, int>, QStringList> pairs;
    for (const QStringList& city : Cities()) pairs[{city[kTz].toUtf8(), city[kZoneId].toInt()}] << city[kName];
    ASSERT_GT(pairs.size(), 300u);

    QStringList failures;
    long checked = 0;
    for (const auto& [key, names] : pairs) {
        const auto& [tzId, id] = key;
        const za::outlook::ZoneEntry* entry = za::outlook::FindZoneEntry(id);
        const QTimeZone zone(tzId);
        TIME_ZONE_INFORMATION tzi{};
        if (entry == nullptr || !zone.isValid() || !za::outlook::ZoneInformation(*entry, year, &tzi)) {
            failures << QStringLiteral("%1 (%2): no entry %3").arg(names.first(), QString::fromUtf8(tzId)).arg(id);
            continue;
        }
        // The entry's rule is the zone's own, not one that merely agrees for part of the year.
        TIME_ZONE_INFORMATION own{};
        if (!za::tz::DeriveFromZone(zone, year, &own) || !za::outlook::SameRule(own, tzi)) {
            failures << QStringLiteral("%1 (%2): entry %3 has another rule").arg(names.first(), QString::fromUtf8(tzId)).arg(id);
            continue;
        }
        const za::tz::YearlyRulesPtr records = za::tz::YearlyRules::Derive(entry->tzId, QString(), QString());
        ASSERT_TRUE(records) << entry->tzId;
        for (int y = year; y <= za::tz::kLastRuleYear; ++y) {
            const std::int64_t from = YearStart(y);
            const std::int64_t to = YearStart(y + 1);
            // The zone's changes in the year, as the tz database has them.
            const za::tz::OffsetHistory truth(zone, from, to);
            const std::vector<za::tz::OffsetHistory::Change> changes = truth.Changes(from, to);
            const std::int64_t checkFrom = changes.size() > 2 ? changes.back().at : from;
            std::vector<std::int64_t> instants;
            for (std::int64_t t = from; t < to; t += 3 * 3600) instants.push_back(t);
            for (const auto& c : changes) {
                for (int d : {-1, 0, 1}) instants.push_back(c.at + d);
            }
            for (std::int64_t t : instants) {
                if (t < checkFrom || t >= to) continue;
                const int expected = truth.OffsetAt(t);
                const int bias = za::tz::BiasAt(records->ForYear(y), t);
                ++checked;
                if (-bias * 60 != expected) {
                    failures << QStringLiteral("%1 (%2, entry %3) at %4: entry gives UTC%5 min, tz database UTC%6 min")
                                    .arg(names.first(), QString::fromUtf8(tzId))
                                    .arg(id)
                                    .arg(Utc(t).toString(Qt::ISODate))
                                    .arg(-bias)
                                    .arg(expected / 60);
                    break;
                }
            }
        }
    }
    EXPECT_GT(checked, 2900L * (za::tz::kLastRuleYear - year + 1) * static_cast<long>(pairs.size()));
    EXPECT_TRUE(failures.isEmpty()) << failures.size() << " zones differ, first: "
                                    << failures.mid(0, 10).join(QStringLiteral("; ")).toStdString();
}
