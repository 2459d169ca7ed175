#include "citylistcsv.h"

#include "textfold.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace za {
namespace {

constexpr int kColumns = 9;
enum Column { kName, kCountry, kPhone, kArea, kAirport, kLatitude, kLongitude, kTz, kZoneId };

// Splits RFC 4180 CSV into rows of fields: fields may be quoted, with "" for a quote inside.
// Returns false at an unterminated quote.
bool ParseCsv(const QString& text, std::vector<QStringList>* rows) {
    QStringList row;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
            fieldStarted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
            fieldStarted = true;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) ++i;
            if (fieldStarted || !field.isEmpty() || !row.isEmpty()) {
                row << field;
                rows->push_back(row);
            }
            row.clear();
            field.clear();
            fieldStarted = false;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) return false;
    if (fieldStarted || !field.isEmpty() || !row.isEmpty()) {
        row << field;
        rows->push_back(row);
    }
    return true;
}

bool ToShort(const QString& text, int low, int high, short* out) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < low || value > high) return false;
    *out = static_cast<short>(value);
    return true;
}

}  // namespace

bool ParseCityList(const QByteArray& csv, std::vector<CityListRow>* out, QString* error) {
    std::vector<QStringList> rows;
    if (!ParseCsv(QString::fromUtf8(csv), &rows)) {
        *error = QCoreApplication::translate("za::CityListCsv", "the city list ends inside a quoted field");
        return false;
    }
    if (rows.size() < 2 || rows.front().size() != kColumns) {
        *error = QCoreApplication::translate("za::CityListCsv", "the city list has no cities or not the expected columns");
        return false;
    }
    out->clear();
    for (std::size_t line = 1; line < rows.size(); ++line) {
        const QStringList& f = rows[line];
        CityListRow r;
        const bool ok = f.size() == kColumns && !IsBlank(f[kName]) &&
                        std::all_of(f.begin(), f.end(), [](const QString& text) { return IsStorableText(text); }) &&
                        ToShort(f[kLatitude], -9000, 9000, &r.latitude) &&
                        ToShort(f[kLongitude], -18000, 18000, &r.longitude) && ToShort(f[kZoneId], 0, 32767, &r.zoneId);
        if (!ok) {
            *error = QCoreApplication::translate("za::CityListCsv", "line %1 of the city list is malformed").arg(line + 1);
            return false;
        }
        r.name = f[kName];
        r.country = f[kCountry];
        r.phone = f[kPhone];
        r.area = f[kArea];
        r.airport = f[kAirport];
        r.tz = f[kTz].toLatin1();
        out->push_back(std::move(r));
    }
    return true;
}

}  // namespace za
