// cityzones: fills the zone_id column of data/cities.csv. Each city gets the zone-table entry
// whose rule for the year is exactly the rule of the city's tz database zone (the tz column):
//   1. the entry whose representative is that zone;
//   2. else, of the entries with the same rule, one whose label names the city, then one whose
//      label names the zone's own city ("Rome" for Europe/Rome), then one whose label names the
//      city's country ("US & Canada" names both), then one whose representative lies in the
//      zone's country, then the lowest ID.
// A zone that no entry gives exactly is reported with its cities and leaves their zone_id
// empty: the table then needs an entry for it (data/zones.md).
//
//   cityzones CSV [YEAR] [--check]
//
// YEAR defaults to the current UTC year. --check compares the file's zone_id column with the
// choice instead of writing it. Exit status: 0 when every city has its entry (and, with
// --check, the file agrees), 2 when not, 1 on a usage or file error.
#include "citycsv.h"
#include "poutlook.h"
#include "tzderive.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>
#include <QTimeZone>

#include <algorithm>
#include <map>
#include <vector>

namespace {

using za::outlook::ZoneEntry;

const QStringList kColumns = {QStringLiteral("name"),     QStringLiteral("country"),  QStringLiteral("phone"),
                              QStringLiteral("area"),     QStringLiteral("airport"),  QStringLiteral("latitude"),
                              QStringLiteral("longitude"), QStringLiteral("tz"),      QStringLiteral("zone_id")};

bool LabelNames(const char* label, const QString& name) {
    return name.size() >= 3 && QString::fromUtf8(label).contains(name, Qt::CaseInsensitive);
}

// The labels' words for a country where they do not use its name.
bool LabelNamesCountry(const char* label, const QString& country) {
    if (LabelNames(label, country)) return true;
    const bool northAmerica = country == QLatin1String("United States") || country == QLatin1String("Canada");
    return northAmerica && QString::fromUtf8(label).contains(QLatin1String("US & Canada"));
}

struct Table {
    const ZoneEntry* entries = nullptr;
    int count = 0;
    std::vector<TIME_ZONE_INFORMATION> rules;
};

// The entries whose rule for the year is the zone's, best first (see the top of the file).
std::vector<const ZoneEntry*> Candidates(const Table& table, const QByteArray& tzId, const QString& city,
                                         const QString& country, const TIME_ZONE_INFORMATION& rule) {
    const QTimeZone zone(tzId);
    QString zoneCity = QString::fromLatin1(tzId.mid(tzId.lastIndexOf('/') + 1));
    zoneCity.replace(QLatin1Char('_'), QLatin1Char(' '));
    const QString cityName = city.section(QLatin1String(", "), 0, 0);
    std::vector<std::pair<int, const ZoneEntry*>> ranked;
    for (int i = 0; i < table.count; ++i) {
        const ZoneEntry& e = table.entries[i];
        if (!za::outlook::SameRule(rule, table.rules[i])) continue;
        int rank = 6;
        if (tzId == e.tzId) {
            rank = 1;
        } else if (LabelNames(e.label, cityName)) {
            rank = 2;
        } else if (LabelNames(e.label, zoneCity)) {
            rank = 3;
        } else if (LabelNamesCountry(e.label, country)) {
            rank = 4;
        } else if (zone.territory() != QLocale::AnyTerritory && QTimeZone(QByteArray(e.tzId)).territory() == zone.territory()) {
            rank = 5;
        }
        ranked.emplace_back(rank, &e);
    }
    // Stable: equal ranks keep the table's order, lowest ID first.
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const ZoneEntry*> out;
    for (const auto& [rank, e] : ranked) out.push_back(e);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    int year = QDateTime::currentDateTimeUtc().date().year();
    bool check = false;
    QString path;
    for (const QString& arg : app.arguments().mid(1)) {
        bool ok = false;
        const int y = arg.toInt(&ok);
        if (arg == QLatin1String("--check")) {
            check = true;
        } else if (ok && y >= 1900 && y <= 9998) {
            year = y;
        } else if (path.isEmpty() && !arg.startsWith(QLatin1Char('-'))) {
            path = arg;
        } else {
            path.clear();
            break;
        }
    }
    if (path.isEmpty()) {
        err << "usage: cityzones CSV [YEAR] [--check]   (YEAR 1900..9998)\n";
        return 1;
    }

    std::vector<QStringList> rows;
    QString error;
    if (!za::citycsv::Read(path, &rows, &error)) {
        err << "cityzones: " << error << "\n";
        return 1;
    }
    if (rows.empty() || rows[0] != kColumns) {
        err << "cityzones: " << path << ": the header must be " << kColumns.join(QLatin1Char(',')) << "\n";
        return 1;
    }
    for (size_t r = 1; r < rows.size(); ++r) {
        if (rows[r].size() != kColumns.size()) {
            err << "cityzones: " << path << ": record " << r << " has " << rows[r].size() << " fields\n";
            return 1;
        }
    }
    const int nameColumn = 0, countryColumn = 1, tzColumn = 7, idColumn = 8;

    Table table;
    table.entries = za::outlook::ZoneTable(&table.count);
    table.rules.resize(table.count);
    for (int i = 0; i < table.count; ++i) {
        if (!za::outlook::ZoneInformation(table.entries[i], year, &table.rules[i])) {
            err << "cityzones: entry " << table.entries[i].id << ": zone " << table.entries[i].tzId
                << " is not in the tz database\n";
            return 1;
        }
    }

    std::map<QString, QStringList> unmatched;  // zone -> cities
    std::map<QString, int> zonesUsed;          // zone -> cities
    std::map<int, int> entriesUsed;            // entry -> cities
    int differ = 0;
    for (size_t r = 1; r < rows.size(); ++r) {
        QStringList& row = rows[r];
        const QByteArray tzId = row[tzColumn].toUtf8();
        ++zonesUsed[row[tzColumn]];
        const QTimeZone zone(tzId);
        TIME_ZONE_INFORMATION rule{};
        QString id;
        if (zone.isValid() && za::tz::DeriveFromZone(zone, year, &rule)) {
            const std::vector<const ZoneEntry*> candidates =
                Candidates(table, tzId, row[nameColumn], row[countryColumn], rule);
            if (!candidates.empty()) {
                id = QString::number(candidates.front()->id);
                ++entriesUsed[candidates.front()->id];
            }
        }
        if (id.isEmpty()) unmatched[row[tzColumn]] << row[nameColumn];
        if (row[idColumn] != id) {
            ++differ;
            if (check) err << row[nameColumn] << ": zone_id " << row[idColumn] << ", should be " << id << "\n";
        }
        row[idColumn] = id;
    }

    out << "cityzones: year " << year << ", " << rows.size() - 1 << " cities in " << zonesUsed.size() << " zones, "
        << entriesUsed.size() << " table entries used\n";
    if (check) {
        out << (differ ? QStringLiteral("%1 zone ids differ from the choice\n").arg(differ)
                       : QStringLiteral("every zone id is the choice\n"));
    } else if (!za::citycsv::Write(path, rows, &error)) {
        err << "cityzones: " << error << "\n";
        return 1;
    } else {
        out << differ << " zone ids written\n";
    }
    if (unmatched.empty()) {
        out << "Every city's zone has an entry with its rule.\n";
        return check && differ ? 2 : 0;
    }
    out << "Zones that no entry gives exactly (" << unmatched.size() << "):\n";
    for (const auto& [zone, cities] : unmatched) out << "  " << zone << ": " << cities.join(QStringLiteral("; ")) << "\n";
    return 2;
}
