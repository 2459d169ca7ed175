#include "cityinstall.h"

#include "citylistcsv.h"

#include "citylist.h"
#include "clock.h"
#include "device.h"
#include "installpackage.h"
#include "poapp.h"
#include "poutlook.h"
#include "registry.h"
#include "stringtable.h"
#include "textfold.h"
#include "timeservice.h"
#include "tzderive.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QResource>
#include <QStringList>
#include <QTimeZone>

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

namespace za {
namespace {

// The first display's city, "City0" of the settings.
bool WriteFirstCity(const QString& name, QString* error) {
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Corvantel\\Zonaria"), 0, QString(), 0,
                              0, nullptr, &key, nullptr);
    if (rc == ERROR_SUCCESS) {
        // UTF-16 with its terminating NUL.
        rc = RegSetValueExW(key, QStringLiteral("City0"), 0, REG_SZ, reinterpret_cast<const BYTE*>(name.utf16()),
                            static_cast<DWORD>((name.size() + 1) * sizeof(char16_t)));
        RegCloseKey(key);
    }
    if (rc != ERROR_SUCCESS) {
        *error = QCoreApplication::translate("za::CityInstall", "cannot write the first city (error %1)").arg(rc);
        return false;
    }
    return true;
}

// The shipped list's cities with their tz zone and entry, in the list's order (by name).
struct ShippedCity {
    QString name;
    QByteArray tz;
    int entry = -1;
};

const std::vector<ShippedCity>& ShippedCities() {
    static const std::vector<ShippedCity> cities = [] {
        std::vector<ShippedCity> out;
        std::vector<CityZoneRow> rows;
        if (!ParseCityListZones(ShippedCityList(), &rows)) return out;
        out.reserve(rows.size());
        for (CityZoneRow& r : rows) out.push_back({std::move(r.name), std::move(r.tz), r.zoneId});
        return out;
    }();
    return cities;
}

// The shipped city of that name; null when there is none. Found in the list's bytes by the
// beginning of its row: a process shows a few cities, and reading all 3,000 rows for them was
// most of a `zonaria-cli clock`. Answers are kept.
const ShippedCity* FindShippedCity(const QString& name) {
    static QMutex lock;
    static std::unordered_map<QString, std::unique_ptr<ShippedCity>> found;
    static const QByteArray csv = ShippedCityList();
    static const QByteArray header = csv.left(csv.indexOf('\n') + 1);
    // Where each row begins, found once: a look-up compares the rows' beginnings rather than
    // searching the whole list again for each name.
    static const std::vector<qsizetype> rowStarts = [] {
        std::vector<qsizetype> starts;
        for (qsizetype at = csv.indexOf('\n'); at >= 0 && at + 1 < csv.size(); at = csv.indexOf('\n', at + 1)) {
            starts.push_back(at + 1);
        }
        return starts;
    }();
    const QMutexLocker locker(&lock);
    const auto known = found.find(name);
    if (known != found.end()) return known->second.get();
    std::unique_ptr<ShippedCity> city;
    // The name field as the list writes it: plain, or quoted when it holds a comma or a quote.
    const QByteArray plain = name.toUtf8();
    QByteArray quoted = plain;
    quoted.replace('"', "\"\"");
    auto rowOf = [](const QByteArray& start) -> qsizetype {
        for (const qsizetype row : rowStarts) {
            if (csv.at(row) == start.front() && csv.size() - row >= start.size() &&
                std::memcmp(csv.constData() + row, start.constData(), static_cast<size_t>(start.size())) == 0) {
                return row;
            }
        }
        return -1;
    };
    for (const QByteArray& field : {plain, QByteArray('"' + quoted + '"')}) {
        if (field.isEmpty()) continue;
        const qsizetype at = rowOf(field + ',');
        if (at < 0) continue;
        const qsizetype end = csv.indexOf('\n', at);
        std::vector<CityZoneRow> rows;
        if (ParseCityListZones(header + csv.mid(at, end < 0 ? -1 : end - at + 1), &rows) && rows.size() == 1 &&
            rows.front().name == name) {
            city = std::make_unique<ShippedCity>(ShippedCity{rows.front().name, rows.front().tz, rows.front().zoneId});
            break;
        }
    }
    return found.emplace(name, std::move(city)).first->second.get();
}

// The city list answers which entry the cities of a tz zone have (za::outlook::MapZone).
struct CityZoneRegistrar {
    CityZoneRegistrar() {
        outlook::SetCityZoneResolver([](const QByteArray& tzId) {
            for (const ShippedCity& c : ShippedCities()) {
                if (c.tz == tzId) return c.entry;
            }
            return -1;
        });
    }
};
const CityZoneRegistrar g_cityZones;

// A name without its accents, in lower case: "Reykjavík" matches Atlantic/Reykjavik.
QString Plain(const QString& text) {
    QString out;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) out += c.toLower();
    }
    return out;
}

// The city of a zone: the one the zone is named after ("New York, NY" for America/New_York),
// else the list's first city in it; empty when no city is in it.
QString CityOfZone(const QByteArray& tzId) {
    QString namesake = QString::fromUtf8(tzId);
    namesake = Plain(namesake.mid(namesake.lastIndexOf(QLatin1Char('/')) + 1).replace(QLatin1Char('_'), QLatin1Char(' ')));
    QString first;
    for (const ShippedCity& c : ShippedCities()) {
        if (c.tz != tzId) continue;
        if (Plain(c.name.section(QStringLiteral(", "), 0, 0)) == namesake) return c.name;
        if (first.isEmpty()) first = c.name;
    }
    return first;
}

// Zones whose cities a user of any offset knows, the first of each offset first: a zone no
// city names is shown as the first of these that keeps its rules this year and next.
constexpr const char* kWellKnownZones[] = {
    "Atlantic/Reykjavik", "Europe/London", "Africa/Lagos", "Europe/Berlin", "Africa/Johannesburg", "Africa/Cairo",
    "Europe/Athens", "Europe/Moscow", "Africa/Nairobi", "Asia/Dubai", "Asia/Karachi", "Asia/Kolkata",
    "Asia/Kathmandu", "Asia/Dhaka", "Asia/Bangkok", "Asia/Shanghai", "Asia/Singapore", "Asia/Tokyo",
    "Australia/Brisbane", "Australia/Sydney", "Pacific/Noumea", "Pacific/Fiji", "Pacific/Auckland",
    "Pacific/Tongatapu", "Pacific/Kiritimati", "Pacific/Pago_Pago", "Pacific/Honolulu", "America/Anchorage",
    "America/Los_Angeles", "America/Phoenix", "America/Denver", "America/Mexico_City", "America/Chicago",
    "America/Bogota", "America/New_York", "America/Caracas", "America/Halifax", "America/Sao_Paulo",
    "America/Argentina/Buenos_Aires", "Atlantic/South_Georgia", "Atlantic/Cape_Verde", "Atlantic/Azores",
};

// Whether two zones have the same rules in `year` and the next.
bool SameRulesTwoYears(const QTimeZone& a, const QTimeZone& b, int year) {
    for (int y = year; y <= year + 1; ++y) {
        TIME_ZONE_INFORMATION ra{}, rb{};
        if (!tz::DeriveFromZone(a, y, &ra) || !tz::DeriveFromZone(b, y, &rb) || !outlook::SameRule(ra, rb)) return false;
    }
    return true;
}

// Creates the database and writes one record per row; false with *error at the first problem.
bool ImportCities(CEGUID* volume, const std::vector<CityListRow>& rows, QString* error, int* count) {
    CEDBASEINFO info{};
    info.szDbaseName = QString::fromUtf16(kCityDatabaseName);
    info.wNumSortOrder = 3;
    info.rgSortSpecs[0] = {PROPID_CITY_NAME, CEDB_SORT_CASEINSENSITIVE};
    info.rgSortSpecs[1] = {PROPID_CITY_TZID, 0};
    info.rgSortSpecs[2] = {PROPID_CITY_LATITUDE, 0};
    CEOID oid = CeCreateDatabaseEx(volume, &info);
    if (!oid) {
        *error = QCoreApplication::translate("za::CityInstall", "cannot create the city database (error %1)").arg(GetLastError());
        return false;
    }
    HANDLE db = CeOpenDatabaseEx(volume, &oid, QString(), PROPID_CITY_NAME, 0, nullptr);
    if (db == INVALID_HANDLE_VALUE) {
        *error = QCoreApplication::translate("za::CityInstall", "cannot open the new city database (error %1)").arg(GetLastError());
        return false;
    }
    bool ok = true;
    for (std::size_t i = 0; ok && i < rows.size(); ++i) {
        const CityListRow& r = rows[i];
        const QString where = QCoreApplication::translate("za::CityInstall", "line %1 of the city list").arg(i + 2);
        // Always all eight properties, in the record's order.
        const CEPROPID ids[] = {PROPID_CITY_NAME,     PROPID_CITY_TZID,    PROPID_CITY_LONGITUDE,
                                PROPID_CITY_LATITUDE, PROPID_CITY_AIRPORT, PROPID_CITY_COUNTRY_CODE,
                                PROPID_CITY_AREA_CODE, PROPID_CITY_COUNTRY};
        CEPROPVAL v[8] = {};
        for (int k = 0; k < 8; ++k) v[k].propid = ids[k];
        v[0].val.lpwstr = reinterpret_cast<const WCHAR*>(r.name.utf16());
        v[1].val.iVal = r.zoneId;
        v[2].val.iVal = r.longitude;
        v[3].val.iVal = r.latitude;
        v[4].val.lpwstr = reinterpret_cast<const WCHAR*>(r.airport.utf16());
        v[5].val.lpwstr = reinterpret_cast<const WCHAR*>(r.phone.utf16());
        v[6].val.lpwstr = reinterpret_cast<const WCHAR*>(r.area.utf16());
        v[7].val.lpwstr = reinterpret_cast<const WCHAR*>(r.country.utf16());
        CEPROPVAL key = v[0];
        if (CeSeekDatabase(db, CEDB_SEEK_VALUEFIRSTEQUAL, &key, nullptr)) {
            *error = QCoreApplication::translate("za::CityInstall", "%1 repeats the city name \"%2\"").arg(where, r.name);
            ok = false;
        } else if (!CeWriteRecordProps(db, 0, 8, v)) {
            *error = QCoreApplication::translate("za::CityInstall", "cannot store %1 (error %2)").arg(where).arg(GetLastError());
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
            *error = QCoreApplication::translate("za::CityInstall", "time zone %1 cannot be derived for %2").arg(entries[i].id).arg(year);
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
        *error = QCoreApplication::translate("za::CityInstall", "cannot write the time-zone table (error %1)").arg(rc);
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

// Installation: the first city shown is the device's home city, in Outlook (current city index
// 0) and in the Clock program's settings: the user's own city, the city of the zone the new
// device starts in (UserCityForZone), so that the first start never finds the current city
// in another zone than the device's. Where no city keeps that zone's rules, "San Francisco,
// CA", as the handheld started.
bool HomeCity(sql::Database&, QString* error) {
    QString name = UserCityForZone(outlook::NewDeviceZoneId(), device::DeviceYear());
    if (name.isEmpty()) name = QStringLiteral("San Francisco, CA");
    if (!WriteFirstCity(name, error)) return false;
    CCityList list;
    CCity city;
    if (!list.Open() || !list.LoadCity(name, city)) {
        *error = QCoreApplication::translate("za::CityInstall", "the city list has no \"%1\"").arg(name);
        return false;
    }
    const long index = list.FindIndexOfCity(name);
    list.Close();

    CPOApp& po = GetPOApp();
    if (po.SupportsICity() && !po.AddHomeCity(city)) {
        *error = QCoreApplication::translate("za::CityInstall", "cannot make %1 the home city").arg(name);
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
        *error = QCoreApplication::translate("za::CityInstall", "cannot write the Clock settings (error %1)").arg(rc);
        return false;
    }
    return true;
}

}  // namespace

QByteArray ShippedCityZone(const QString& name) {
    const ShippedCity* city = FindShippedCity(name);
    return city ? city->tz : QByteArray();
}

QString UserCityForZone(const QByteArray& tzId, int year) {
    const QString own = CityOfZone(tzId);
    if (!own.isEmpty()) return own;
    const QTimeZone zone(tzId);
    if (!zone.isValid()) return QString();
    for (const char* known : kWellKnownZones) {
        if (SameRulesTwoYears(zone, QTimeZone(QByteArray(known)), year)) {
            const QString city = CityOfZone(QByteArray(known));
            if (!city.isEmpty()) return city;
        }
    }
    QByteArray tried;
    for (const ShippedCity& c : ShippedCities()) {
        if (c.tz != tried && SameRulesTwoYears(zone, QTimeZone(c.tz), year)) return c.name;
        tried = c.tz;
    }
    return QString();
}

QByteArray ShippedCityList() {
    // The list is stored uncompressed in the program: read where it lies rather than copied
    // into each process's heap (173 kB in every window).
    const QString path = QStringLiteral(":/zonaria/data/cities.csv");
    const QResource resource(path);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ShippedCityZone(const QString& name, int zoneId) {
    const ShippedCity* city = FindShippedCity(name);
    return city && city->entry == zoneId ? city->tz : QByteArray();
}

QString PlaceholderCityName(const QString& pattern, const QString& zoneDisplayName, int maxLength) {
    QString place = zoneDisplayName;
    // "(GMT-12:00) International Date Line West": the offset in parentheses goes; a name may
    // not hold parentheses.
    static const QRegularExpression offset(QStringLiteral("^\\(GMT[^)]*\\)\\s*"));
    place.remove(offset);
    const QString forbidden = CCityList::ForbiddenNameCharacters();
    QString name = FormatString(pattern, {place});
    name.removeIf([&forbidden](QChar c) { return forbidden.contains(c); });
    return name.simplified().left(maxLength).trimmed();
}

bool WellKnownCityOfZone(int zoneId, CCity* city) {
    const outlook::ZoneEntry* entry = outlook::FindZoneEntry(zoneId);
    std::vector<CityListRow> rows;
    QString error;
    if (!city || !ParseCityList(ShippedCityList(), &rows, &error)) return false;
    // "America/Argentina/Buenos_Aires" -> "buenos aires"
    QString exemplar = entry ? QString::fromLatin1(entry->tzId) : QString();
    exemplar = FoldForSearch(exemplar.mid(exemplar.lastIndexOf(QLatin1Char('/')) + 1).replace(QLatin1Char('_'), QLatin1Char(' ')));
    const CityListRow* best = nullptr;
    for (const CityListRow& r : rows) {
        if (r.zoneId != zoneId) continue;
        if (!best) best = &r;
        if (!exemplar.isEmpty() && NameMatchRank(r.name, exemplar) >= 0 && NameMatchRank(r.name, exemplar) <= 1) {
            best = &r;
            break;
        }
    }
    if (!best) return false;
    city->SetCountryName(best->country);
    city->SetCountryPhoneCode(best->phone);
    city->SetAreaCode(best->area);
    city->SetAirportCode(best->airport);
    city->SetLatitude(best->latitude);
    city->SetLongitude(best->longitude);
    return true;
}

bool CreateCityDatabase(CEGUID* volume, const QByteArray& csv, QString* error, int* imported) {
    std::vector<CityListRow> rows;
    if (!ParseCityList(csv, &rows, error)) return false;

    int count = 0;
    // One transaction: a list that fails half way leaves no database behind.
    const BOOL ok = CeWriteAllOrNothing(volume, [&] { return ImportCities(volume, rows, error, &count); });
    if (!ok) {
        if (error->isEmpty()) *error = QCoreApplication::translate("za::CityInstall", "cannot store the city list (error %1)").arg(GetLastError());
        return false;
    }
    if (imported) *imported = count;
    return true;
}

bool InstallTimeZoneTable(sql::Database& db, QString* error) { return TimeZoneTable(db, error); }

bool InstallCityDatabase(sql::Database& db, QString* error) { return CityDatabase(db, error); }

bool InstallHomeCity(sql::Database& db, QString* error) { return HomeCity(db, error); }

}  // namespace za
