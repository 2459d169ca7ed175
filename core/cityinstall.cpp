#include "cityinstall.h"

#include "citylist.h"
#include "clock.h"
#include "device.h"
#include "installpackage.h"
#include "poapp.h"
#include "poutlook.h"
#include "registry.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <vector>

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

// Creates the database and writes one record per row; false with *error at the first problem.
bool ImportCities(CEGUID* volume, const std::vector<QStringList>& rows, QString* error, int* count) {
    CEDBASEINFO info{};
    info.szDbaseName = QString::fromUtf16(kCityDatabaseName);
    info.wNumSortOrder = 3;
    info.rgSortSpecs[0] = {PROPID_CITY_NAME, CEDB_SORT_CASEINSENSITIVE};
    info.rgSortSpecs[1] = {PROPID_CITY_TZID, 0};
    info.rgSortSpecs[2] = {PROPID_CITY_LATITUDE, 0};
    CEOID oid = CeCreateDatabaseEx(volume, &info);
    if (!oid) {
        *error = QStringLiteral("cannot create the city database (error %1)").arg(GetLastError());
        return false;
    }
    HANDLE db = CeOpenDatabaseEx(volume, &oid, QString(), PROPID_CITY_NAME, 0, nullptr);
    if (db == INVALID_HANDLE_VALUE) {
        *error = QStringLiteral("cannot open the new city database (error %1)").arg(GetLastError());
        return false;
    }
    bool ok = true;
    for (std::size_t line = 1; ok && line < rows.size(); ++line) {
        const QStringList& f = rows[line];
        short latitude = 0, longitude = 0, zone = 0;
        const QString where = QStringLiteral("line %1 of the city list").arg(line + 1);
        if (f.size() != kColumns || f[kName].isEmpty() || !ToShort(f[kLatitude], -9000, 9000, &latitude) ||
            !ToShort(f[kLongitude], -18000, 18000, &longitude) || !ToShort(f[kZoneId], 0, 32767, &zone)) {
            *error = QStringLiteral("%1 is malformed").arg(where);
            ok = false;
            break;
        }
        // Always all eight properties, in the record's order.
        const CEPROPID ids[] = {PROPID_CITY_NAME,     PROPID_CITY_TZID,    PROPID_CITY_LONGITUDE,
                                PROPID_CITY_LATITUDE, PROPID_CITY_AIRPORT, PROPID_CITY_COUNTRY_CODE,
                                PROPID_CITY_AREA_CODE, PROPID_CITY_COUNTRY};
        CEPROPVAL v[8] = {};
        for (int i = 0; i < 8; ++i) v[i].propid = ids[i];
        v[0].val.lpwstr = reinterpret_cast<const WCHAR*>(f[kName].utf16());
        v[1].val.iVal = zone;
        v[2].val.iVal = longitude;
        v[3].val.iVal = latitude;
        v[4].val.lpwstr = reinterpret_cast<const WCHAR*>(f[kAirport].utf16());
        v[5].val.lpwstr = reinterpret_cast<const WCHAR*>(f[kPhone].utf16());
        v[6].val.lpwstr = reinterpret_cast<const WCHAR*>(f[kArea].utf16());
        v[7].val.lpwstr = reinterpret_cast<const WCHAR*>(f[kCountry].utf16());
        CEPROPVAL key = v[0];
        if (CeSeekDatabase(db, CEDB_SEEK_VALUEFIRSTEQUAL, &key, nullptr)) {
            *error = QStringLiteral("%1 repeats the city name \"%2\"").arg(where, f[kName]);
            ok = false;
        } else if (!CeWriteRecordProps(db, 0, 8, v)) {
            *error = QStringLiteral("cannot store %1 (error %2)").arg(where).arg(GetLastError());
            ok = false;
        } else {
            ++*count;
        }
    }
    CloseHandle(db);
    return ok;
}

// Installation: the "TZID" table lists every entry of the zone table, grouped by standard
// offset from west to east (largest Bias first), by ID within a group.
bool TimeZoneTable(sql::Database&, QString* error) {
    const int year = device::DeviceYear();
    int count = 0;
    const outlook::ZoneEntry* entries = outlook::ZoneTable(&count);
    struct Item {
        LONG bias;
        int id;
    };
    std::vector<Item> items;
    for (int i = 0; i < count; ++i) {
        TIME_ZONE_INFORMATION tzi{};
        if (!outlook::ZoneInformation(entries[i], year, &tzi)) {
            *error = QStringLiteral("time zone %1 cannot be derived for %2").arg(entries[i].id).arg(year);
            return false;
        }
        items.push_back(Item{tzi.Bias, entries[i].id});
    }
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        return a.bias != b.bias ? a.bias > b.bias : a.id < b.id;
    });
    std::vector<WORD> words;
    words.push_back(static_cast<WORD>(items.size()));
    for (const Item& item : items) words.push_back(static_cast<WORD>(item.id));
    // Little-endian words, whatever the host.
    QByteArray bytes;
    for (WORD w : words) {
        bytes.append(static_cast<char>(w & 0xFF));
        bytes.append(static_cast<char>(w >> 8));
    }
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Corvantel\\Zonaria"), 0, QString(), 0,
                              0, nullptr, &key, nullptr);
    if (rc == ERROR_SUCCESS) {
        rc = RegSetValueExW(key, QStringLiteral("TZID"), 0, REG_BINARY, reinterpret_cast<const BYTE*>(bytes.constData()),
                            static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
    }
    if (rc != ERROR_SUCCESS) {
        *error = QStringLiteral("cannot write the time-zone table (error %1)").arg(rc);
        return false;
    }
    return true;
}

// Installation: the city database in the object store, from the shipped list.
bool CityDatabase(sql::Database&, QString* error) {
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    return CreateCityDatabase(&store, ShippedCityList(), error);
}

// Installation: the first city shown, "San Francisco, CA", is the device's home city, in
// Outlook (current city index 0) and in the Clock program's settings.
bool HomeCity(sql::Database&, QString* error) {
    const QString name = QStringLiteral("San Francisco, CA");
    CCityList list;
    CCity city;
    if (!list.Open() || !list.LoadCity(name, city)) {
        *error = QStringLiteral("the city list has no \"%1\"").arg(name);
        return false;
    }
    const long index = list.FindIndexOfCity(name);
    list.Close();

    CPOApp& po = GetPOApp();
    if (po.SupportsICity() && !po.AddHomeCity(city)) {
        *error = QStringLiteral("cannot make %1 the home city").arg(name);
        return false;
    }

    HKEY key = nullptr;
    LONG rc = RegCreateKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Microsoft\\Clock"), 0, QString(), 0,
                              0, nullptr, &key, nullptr);
    if (rc == ERROR_SUCCESS) {
        const DWORD daylight = city.TimeZone().IsDaylightTime() ? 1 : 0;
        const DWORD values[] = {static_cast<DWORD>(city.TimeZone().UnadjustedBias()), daylight,
                                static_cast<DWORD>(city.TimeZoneID())};
        const char16_t* names[] = {u"GMT_OFFSET", u"HomeDST", u"TZIndex"};
        for (int i = 0; i < 3 && rc == ERROR_SUCCESS; ++i) {
            rc = RegSetValueExW(key, QString::fromUtf16(names[i]), 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&values[i]), sizeof(DWORD));
        }
        // Twelve words; the home city's in 0 (home is current), 1 (its place in the name list),
        // 2 (zone) and 4 (daylight flag).
        DWORD appInfo[12] = {};
        appInfo[0] = 1;
        appInfo[1] = static_cast<DWORD>(index);
        appInfo[2] = static_cast<DWORD>(city.TimeZoneID());
        appInfo[4] = daylight;
        if (rc == ERROR_SUCCESS) {
            rc = RegSetValueExW(key, QStringLiteral("AppInfo"), 0, REG_BINARY, reinterpret_cast<const BYTE*>(appInfo),
                                sizeof appInfo);
        }
        RegCloseKey(key);
    }
    if (rc != ERROR_SUCCESS) {
        *error = QStringLiteral("cannot write the Clock settings (error %1)").arg(rc);
        return false;
    }
    return true;
}

}  // namespace

QByteArray ShippedCityList() {
    QFile file(QStringLiteral(":/zonaria/data/cities.csv"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool CreateCityDatabase(CEGUID* volume, const QByteArray& csv, QString* error, int* imported) {
    std::vector<QStringList> rows;
    if (!ParseCsv(QString::fromUtf8(csv), &rows)) {
        *error = QStringLiteral("the city list ends inside a quoted field");
        return false;
    }
    if (rows.size() < 2 || rows.front().size() != kColumns) {
        *error = QStringLiteral("the city list has no cities or not the expected columns");
        return false;
    }

    int count = 0;
    // One transaction: a list that fails half way leaves no database behind.
    const BOOL ok = CeWriteAllOrNothing(volume, [&] { return ImportCities(volume, rows, error, &count); });
    if (!ok) {
        if (error->isEmpty()) *error = QStringLiteral("cannot store the city list (error %1)").arg(GetLastError());
        return false;
    }
    if (imported) *imported = count;
    return true;
}

bool InstallTimeZoneTable(sql::Database& db, QString* error) { return TimeZoneTable(db, error); }

bool InstallCityDatabase(sql::Database& db, QString* error) { return CityDatabase(db, error); }

bool InstallHomeCity(sql::Database& db, QString* error) { return HomeCity(db, error); }

}  // namespace za
