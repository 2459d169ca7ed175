// zonecompare: compares every zone of the system's tz database with the Outlook stand-in's zone
// table for one year and lists the zones whose rule no entry gives, grouped by rule. This is
// how the entries above 300 were found (data/zones.md).
//
//   zonecompare [YEAR] [--classic] [--entries | --markdown]
//
// YEAR defaults to the current UTC year. --classic compares with the handheld's entries alone
// (IDs up to 300): the run that shows which entries above 300 are needed. --entries also lists,
// per entry, its rule and the zones it gives; --markdown prints only the table of entries as
// data/zones.md shows it. The output depends only on the year, the table and the tz database, and is
// sorted, so two runs on the same data give the same text. Exit status: 0 when every zone is
// given, 2 when some are not, 1 on a usage error or an invalid representative.
#include "poutlook.h"
#include "tzderive.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

using za::outlook::ZoneEntry;

const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kOccurrences[] = {"", "1st", "2nd", "3rd", "4th", "last"};

QString Offset(int minutes) {
    const int m = std::abs(minutes);
    return QStringLiteral("%1%2:%3")
        .arg(minutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(m / 60, 2, 10, QLatin1Char('0'))
        .arg(m % 60, 2, 10, QLatin1Char('0'));
}

QString Date(const SYSTEMTIME& d) {
    const QString time = QStringLiteral("%1:%2").arg(d.wHour, 2, 10, QLatin1Char('0')).arg(d.wMinute, 2, 10, QLatin1Char('0'));
    if (d.wYear != 0) {
        return QStringLiteral("%1-%2-%3 %4 UTC")
            .arg(d.wYear)
            .arg(d.wMonth, 2, 10, QLatin1Char('0'))
            .arg(d.wDay, 2, 10, QLatin1Char('0'))
            .arg(time);
    }
    if (d.wMonth < 1 || d.wMonth > 12 || d.wDayOfWeek > 6 || d.wDay < 1 || d.wDay > 5) return QStringLiteral("?");
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QLatin1String(kOccurrences[d.wDay]), QLatin1String(kWeekdays[d.wDayOfWeek]),
             QLatin1String(kMonths[d.wMonth - 1]), time);
}

// The rule in words: standard offset, daylight offset and the two transitions.
QString Rule(const TIME_ZONE_INFORMATION& t) {
    QString text = QStringLiteral("UTC%1").arg(Offset(-t.Bias));
    if (t.StandardDate.wMonth == 0) return text + QStringLiteral(", no daylight time");
    // A yearly rule is written in the wall clock of the time it ends, an absolute date in UTC.
    const bool yearly = t.DaylightDate.wYear == 0;
    return text + QStringLiteral(", daylight UTC%1 from %2%3 to %4%5")
                      .arg(Offset(-(t.Bias + t.DaylightBias)), Date(t.DaylightDate),
                           yearly ? QStringLiteral(" standard time") : QString(), Date(t.StandardDate),
                           yearly ? QStringLiteral(" daylight time") : QString());
}

// A key that sorts rules west to east and groups equal ones (the fields SameRule compares).
QString RuleKey(const TIME_ZONE_INFORMATION& t) {
    auto date = [](const SYSTEMTIME& d) {
        return QStringLiteral("%1.%2.%3.%4.%5.%6")
            .arg(d.wYear)
            .arg(d.wMonth)
            .arg(d.wDayOfWeek)
            .arg(d.wDay)
            .arg(d.wHour)
            .arg(d.wMinute);
    };
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(100000 - t.Bias, 6, 10, QLatin1Char('0'))
        .arg(t.StandardBias)
        .arg(t.DaylightBias)
        .arg(date(t.DaylightDate), date(t.StandardDate));
}

// Offset changes of the zone during the year: more than two cannot be held by one rule.
int ChangesInYear(const QTimeZone& zone, int year) {
    const QDateTime from(QDate(year, 1, 1), QTime(0, 0), QTimeZone::utc());
    const QDateTime to(QDate(year + 1, 1, 1), QTime(0, 0), QTimeZone::utc());
    int previous = zone.offsetFromUtc(from.addSecs(-1));
    int changes = 0;
    for (const QTimeZone::OffsetData& t : zone.transitions(from, to.addSecs(-1))) {
        if (t.offsetFromUtc != previous) ++changes;
        previous = t.offsetFromUtc;
    }
    return changes;
}

// Qt lists fixed offsets as "UTC+08:30" besides the zones of the tz database; these are no
// place's zone and have no rule of their own.
bool IsOffsetOnlyId(const QByteArray& id) {
    static const QRegularExpression pattern(QStringLiteral("^UTC[+-][0-9][0-9]:[0-9][0-9]$"));
    return pattern.match(QString::fromLatin1(id)).hasMatch();
}

QString TzVersion() {
    QString dir = qEnvironmentVariable("TZDIR");
    if (dir.isEmpty()) dir = QStringLiteral("/usr/share/zoneinfo");
    QFile file(dir + QStringLiteral("/tzdata.zi"));
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("(version unknown)");
    const QString first = QString::fromLatin1(file.readLine()).trimmed();
    return first.startsWith(QLatin1String("# version ")) ? first.mid(10) : QStringLiteral("(version unknown)");
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    int year = QDateTime::currentDateTimeUtc().date().year();
    bool listEntries = false;
    bool markdown = false;
    bool classicOnly = false;
    for (const QString& arg : app.arguments().mid(1)) {
        bool ok = false;
        const int y = arg.toInt(&ok);
        if (arg == QLatin1String("--entries")) {
            listEntries = true;
        } else if (arg == QLatin1String("--markdown")) {
            markdown = true;
        } else if (arg == QLatin1String("--classic")) {
            classicOnly = true;
        } else if (ok && y >= 1900 && y <= 9998) {
            year = y;
        } else {
            err << "usage: zonecompare [YEAR] [--classic] [--entries | --markdown]   (YEAR 1900..9998)\n";
            return 1;
        }
    }

    int count = 0;
    const ZoneEntry* table = za::outlook::ZoneTable(&count);
    if (classicOnly) {
        // The table is sorted by ID: the handheld's entries come first.
        int classic = 0;
        while (classic < count && table[classic].id <= 300) ++classic;
        count = classic;
    }
    std::vector<TIME_ZONE_INFORMATION> derived(count);
    bool representativesOk = true;
    for (int i = 0; i < count; ++i) {
        if (!za::outlook::ZoneInformation(table[i], year, &derived[i])) {
            err << "entry " << table[i].id << ": representative zone " << table[i].tzId << " is not in the tz database\n";
            representativesOk = false;
        }
    }
    if (!representativesOk) return 1;

    if (markdown) {
        out << "| ID | Standard name | Daylight name | Label | Display name (" << year
            << ") | Representative zone | Rule in " << year << " |\n";
        out << "|---:|---|---|---|---|---|---|\n";
        for (int i = 0; i < count; ++i) {
            out << "| " << table[i].id << " | " << table[i].standardName << " | " << table[i].daylightName << " | "
                << table[i].label << " | " << za::outlook::DisplayName(table[i], year) << " | " << table[i].tzId
                << " | " << Rule(derived[i]) << " |\n";
        }
        return 0;
    }

    std::map<int, QStringList> givenBy;              // entry index -> zones
    std::map<QString, QStringList> notGiven;         // rule key -> zones
    std::map<QString, TIME_ZONE_INFORMATION> rules;  // rule key -> rule
    QStringList offsetOnly;
    QStringList manyChanges;
    int compared = 0, given = 0;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        const QTimeZone zone(id);
        TIME_ZONE_INFORMATION tzi{};
        if (!za::tz::DeriveFromZone(zone, year, &tzi)) continue;
        ++compared;
        bool found = false;
        for (int i = 0; i < count; ++i) {
            if (za::outlook::SameRule(tzi, derived[i])) {
                givenBy[i] << QString::fromLatin1(id);
                found = true;
            }
        }
        if (ChangesInYear(zone, year) > 2) manyChanges << QString::fromLatin1(id);
        if (found) {
            ++given;
        } else if (IsOffsetOnlyId(id)) {
            offsetOnly << QString::fromLatin1(id);
        } else {
            const QString key = RuleKey(tzi);
            notGiven[key] << QString::fromLatin1(id);
            rules[key] = tzi;
        }
    }
    int notGivenCount = 0;
    for (const auto& [key, zones] : notGiven) notGivenCount += zones.size();
    int classic = 0;
    for (int i = 0; i < count; ++i) classic += table[i].id <= 300 ? 1 : 0;

    out << "zonecompare: tz database " << TzVersion() << ", year " << year << "\n";
    out << "table: " << count << " entries (" << classic << " up to 300, " << count - classic << " above)\n";
    out << "zones: " << compared << " compared, " << given << " given by an entry, " << notGivenCount
        << " not given, " << offsetOnly.size() << " offset-only ids no entry gives\n";

    if (listEntries) {
        out << "\nEntries:\n";
        for (int i = 0; i < count; ++i) {
            out << table[i].id << "  " << za::outlook::DisplayName(table[i], year) << "  [" << table[i].tzId << "]\n";
            out << "    " << Rule(derived[i]) << "\n";
            out << "    gives: " << givenBy[i].join(QLatin1Char(' ')) << "\n";
        }
    }

    if (!manyChanges.isEmpty()) {
        out << "\nZones with more than two offset changes in " << year
            << " (one rule holds only part of the year):\n    " << manyChanges.join(QLatin1Char(' ')) << "\n";
    }
    if (!offsetOnly.isEmpty()) {
        out << "\nOffset-only ids that no entry gives (no place keeps these offsets):\n    "
            << offsetOnly.join(QLatin1Char(' ')) << "\n";
    }
    if (notGiven.empty()) {
        out << "\nEvery zone is given by an entry.\n";
        return 0;
    }
    out << "\nZones no entry gives, by rule:\n";
    for (const auto& [key, zones] : notGiven) {
        out << "  " << Rule(rules[key]) << "\n";
        out << "      " << zones.join(QLatin1Char(' ')) << "\n";
    }
    return 2;
}
