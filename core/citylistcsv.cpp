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
// Returns false at an unterminated quote. Works on the UTF-8 bytes (the delimiters are ASCII
// and never part of a multi-byte character) and decodes each field once: a list of 300,000
// cities is read at every start of a program that looks up a shipped city.
bool ParseCsv(const QByteArray& text, std::vector<QStringList>* rows, unsigned wanted = ~0u) {
    const char* const data = text.constData();
    const qsizetype size = text.size();
    QStringList row;
    qsizetype i = 0;
    // One field per turn, from i to its delimiter; a row ends at a line break or the end.
    while (i < size) {
        const char first = data[i];
        if (row.isEmpty() && (first == '\n' || first == '\r')) {
            i += first == '\r' && i + 1 < size && data[i + 1] == '\n' ? 2 : 1;  // an empty line
            continue;
        }
        const auto column = static_cast<unsigned>(row.size());
        // A column the reader does not want stays empty: no text is made for it.
        const bool keep = column >= 32 || (wanted & (1u << column));
        QByteArray quotedPart;  // a quoted field's text, its "" made one quote
        bool quoted = false;
        qsizetype start = i;
        if (first == '"') {
            // Quoted: "" is a quote; the text after the closing quote, if any, joins the field.
            quoted = true;
            ++i;
            start = i;
            for (;;) {
                if (i >= size) return false;
                if (data[i] == '"') {
                    if (keep) quotedPart.append(data + start, i - start);
                    if (i + 1 < size && data[i + 1] == '"') {
                        if (keep) quotedPart += '"';
                        i += 2;
                        start = i;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            start = i;
        }
        while (i < size && data[i] != ',' && data[i] != '\n' && data[i] != '\r') ++i;
        if (!keep) {
            row << QString();
        } else if (quoted) {
            quotedPart.append(data + start, i - start);
            row << QString::fromUtf8(quotedPart);
        } else {
            row << QString::fromUtf8(data + start, i - start);
        }
        if (i < size && data[i] == ',') {
            ++i;
            if (i == size) row << QString();  // a row ending in a comma has an empty last field
            continue;
        }
        if (i < size) i += data[i] == '\r' && i + 1 < size && data[i + 1] == '\n' ? 2 : 1;
        rows->push_back(std::move(row));
        row = QStringList();
    }
    if (!row.isEmpty()) rows->push_back(std::move(row));
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
    if (!ParseCsv(csv, &rows)) {
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

bool ParseCityListZones(const QByteArray& csv, std::vector<CityZoneRow>* out) {
    std::vector<QStringList> rows;
    if (!ParseCsv(csv, &rows, 1u << kName | 1u << kTz | 1u << kZoneId)) return false;
    if (rows.size() < 2 || rows.front().size() != kColumns) return false;
    out->clear();
    out->reserve(rows.size() - 1);
    for (std::size_t line = 1; line < rows.size(); ++line) {
        const QStringList& f = rows[line];
        CityZoneRow r;
        if (f.size() != kColumns || !ToShort(f[kZoneId], 0, 32767, &r.zoneId)) return false;
        r.name = f[kName];
        r.tz = f[kTz].toLatin1();
        out->push_back(std::move(r));
    }
    return true;
}

}  // namespace za
