// The Outlook stand-in's time-zone table. data/zones.md lists every entry and says how the
// entries above 300 were found (tools/zonecompare).
#include "poutlook.h"

#include "clock.h"
#include "device.h"
#include "registry.h"
#include "timeservice.h"
#include "tzderive.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>
#include <mutex>

namespace za::outlook {
namespace {

// Sorted by ID. Names and IDs up to 300 are the handheld's own; labels name today's places.
constexpr ZoneEntry kZones[] = {
    {0, "Dateline Standard Time", "Dateline Daylight Time", "International Date Line West", "Etc/GMT+12"},
    {1, "Samoa Standard Time", "Samoa Daylight Time", "American Samoa, Midway", "Pacific/Pago_Pago"},
    {2, "Hawaiian Standard Time", "Hawaiian Daylight Time", "Hawaii", "Pacific/Honolulu"},
    {3, "Alaskan Standard Time", "Alaskan Daylight Time", "Alaska", "America/Anchorage"},
    {4, "Pacific Standard Time", "Pacific Daylight Time", "Pacific Time (US & Canada)", "America/Los_Angeles"},
    {10, "Mountain Standard Time", "Mountain Daylight Time", "Mountain Time (US & Canada)", "America/Denver"},
    {13, "Mexico Standard Time 2", "Mexico Daylight Time 2", "La Paz, Mazatlan", "America/Mazatlan"},
    {15, "US Mountain Standard Time", "US Mountain Daylight Time", "Arizona", "America/Phoenix"},
    {20, "Central Standard Time", "Central Daylight Time", "Central Time (US & Canada)", "America/Chicago"},
    {25, "Canada Central Standard Time", "Canada Central Daylight Time", "Saskatchewan", "America/Regina"},
    {30, "Mexico Standard Time", "Mexico Daylight Time", "Guadalajara, Mexico City, Monterrey",
     "America/Mexico_City"},
    {33, "Central America Standard Time", "Central America Daylight Time", "Central America",
     "America/Guatemala"},
    {35, "Eastern Standard Time", "Eastern Daylight Time", "Eastern Time (US & Canada)", "America/New_York"},
    {40, "US Eastern Standard Time", "US Eastern Daylight Time", "Indiana (East)",
     "America/Indiana/Indianapolis"},
    {45, "SA Pacific Standard Time", "SA Pacific Daylight Time", "Bogota, Lima, Quito", "America/Bogota"},
    {50, "Atlantic Standard Time", "Atlantic Daylight Time", "Atlantic Time (Canada)", "America/Halifax"},
    {55, "SA Western Standard Time", "SA Western Daylight Time", "Caracas, La Paz, Manaus", "America/Caracas"},
    {56, "Pacific SA Standard Time", "Pacific SA Daylight Time", "Santiago", "America/Santiago"},
    {60, "Newfoundland Standard Time", "Newfoundland Daylight Time", "Newfoundland", "America/St_Johns"},
    {65, "E. South America Standard Time", "E. South America Daylight Time", "Brasilia", "America/Sao_Paulo"},
    {70, "SA Eastern Standard Time", "SA Eastern Daylight Time", "Buenos Aires, Cayenne, Montevideo",
     "America/Argentina/Buenos_Aires"},
    {73, "Greenland Standard Time", "Greenland Daylight Time", "Greenland", "America/Nuuk"},
    {75, "Mid-Atlantic Standard Time", "Mid-Atlantic Daylight Time", "Mid-Atlantic, South Georgia",
     "Atlantic/South_Georgia"},
    {80, "Azores Standard Time", "Azores Daylight Time", "Azores", "Atlantic/Azores"},
    {83, "Cape Verde Standard Time", "Cape Verde Daylight Time", "Cape Verde Is.", "Atlantic/Cape_Verde"},
    {85, "GMT Standard Time", "GMT Daylight Time", "Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London",
     "Europe/London"},
    {90, "Greenwich Standard Time", "Greenwich Daylight Time", "Monrovia, Reykjavik", "Africa/Monrovia"},
    {95, "Central Europe Standard Time", "Central Europe Daylight Time",
     "Belgrade, Bratislava, Budapest, Ljubljana, Prague", "Europe/Budapest"},
    {100, "Central European Standard Time", "Central European Daylight Time", "Sarajevo, Skopje, Warsaw, Zagreb",
     "Europe/Warsaw"},
    {105, "Romance Standard Time", "Romance Daylight Time", "Brussels, Copenhagen, Madrid, Paris", "Europe/Paris"},
    {110, "W. Europe Standard Time", "W. Europe Daylight Time", "Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna",
     "Europe/Berlin"},
    {113, "W. Central Africa Standard Time", "W. Central Africa Daylight Time", "West Central Africa",
     "Africa/Lagos"},
    {115, "E. Europe Standard Time", "E. Europe Daylight Time", "Bucharest", "Europe/Bucharest"},
    {120, "Egypt Standard Time", "Egypt Daylight Time", "Cairo", "Africa/Cairo"},
    {125, "FLE Standard Time", "FLE Daylight Time", "Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius",
     "Europe/Helsinki"},
    {130, "GTB Standard Time", "GTB Daylight Time", "Athens, Nicosia", "Europe/Athens"},
    {135, "Israel Standard Time", "Israel Daylight Time", "Jerusalem", "Asia/Jerusalem"},
    {140, "South Africa Standard Time", "South Africa Daylight Time", "Harare, Pretoria", "Africa/Johannesburg"},
    {145, "Russian Standard Time", "Russian Daylight Time", "Moscow, St. Petersburg, Volgograd", "Europe/Moscow"},
    {150, "Arab Standard Time", "Arab Daylight Time", "Kuwait, Riyadh", "Asia/Riyadh"},
    {155, "E. Africa Standard Time", "E. Africa Daylight Time", "Nairobi", "Africa/Nairobi"},
    {158, "Arabic Standard Time", "Arabic Daylight Time", "Baghdad", "Asia/Baghdad"},
    {160, "Iran Standard Time", "Iran Daylight Time", "Tehran", "Asia/Tehran"},
    {165, "Arabian Standard Time", "Arabian Daylight Time", "Abu Dhabi, Muscat", "Asia/Dubai"},
    {170, "Caucasus Standard Time", "Caucasus Daylight Time", "Baku, Tbilisi, Yerevan", "Asia/Yerevan"},
    {175, "Afghanistan Standard Time", "Afghanistan Daylight Time", "Kabul", "Asia/Kabul"},
    {180, "Ekaterinburg Standard Time", "Ekaterinburg Daylight Time", "Ekaterinburg", "Asia/Yekaterinburg"},
    {185, "West Asia Standard Time", "West Asia Daylight Time", "Islamabad, Karachi, Tashkent", "Asia/Karachi"},
    {190, "India Standard Time", "India Daylight Time", "Chennai, Kolkata, Mumbai, New Delhi", "Asia/Kolkata"},
    {193, "Nepal Standard Time", "Nepal Daylight Time", "Kathmandu", "Asia/Kathmandu"},
    {195, "Central Asia Standard Time", "Central Asia Daylight Time", "Bishkek, Dhaka", "Asia/Dhaka"},
    {200, "Sri Lanka Standard Time", "Sri Lanka Daylight Time", "Sri Jayawardenepura", "Asia/Colombo"},
    {201, "N. Central Asia Standard Time", "N. Central Asia Daylight Time", "Novosibirsk", "Asia/Novosibirsk"},
    {203, "Myanmar Standard Time", "Myanmar Daylight Time", "Yangon (Rangoon)", "Asia/Yangon"},
    {205, "SE Asia Standard Time", "SE Asia Daylight Time", "Bangkok, Hanoi, Jakarta", "Asia/Bangkok"},
    {207, "North Asia Standard Time", "North Asia Daylight Time", "Krasnoyarsk", "Asia/Krasnoyarsk"},
    {210, "China Standard Time", "China Daylight Time", "Beijing, Chongqing, Hong Kong", "Asia/Shanghai"},
    {215, "Singapore Standard Time", "Singapore Daylight Time", "Kuala Lumpur, Singapore", "Asia/Singapore"},
    {220, "Taipei Standard Time", "Taipei Daylight Time", "Taipei", "Asia/Taipei"},
    {225, "W. Australia Standard Time", "W. Australia Daylight Time", "Perth", "Australia/Perth"},
    {227, "North Asia East Standard Time", "North Asia East Daylight Time", "Irkutsk, Ulaanbaatar", "Asia/Irkutsk"},
    {230, "Korea Standard Time", "Korea Daylight Time", "Seoul", "Asia/Seoul"},
    {235, "Tokyo Standard Time", "Tokyo Daylight Time", "Osaka, Sapporo, Tokyo", "Asia/Tokyo"},
    {240, "Yakutsk Standard Time", "Yakutsk Daylight Time", "Yakutsk", "Asia/Yakutsk"},
    {245, "AUS Central Standard Time", "AUS Central Daylight Time", "Darwin", "Australia/Darwin"},
    {250, "Cen. Australia Standard Time", "Cen. Australia Daylight Time", "Adelaide", "Australia/Adelaide"},
    {255, "AUS Eastern Standard Time", "AUS Eastern Daylight Time", "Canberra, Melbourne, Sydney",
     "Australia/Sydney"},
    {260, "E. Australia Standard Time", "E. Australia Daylight Time", "Brisbane", "Australia/Brisbane"},
    {265, "Tasmania Standard Time", "Tasmania Daylight Time", "Hobart", "Australia/Hobart"},
    {270, "Vladivostok Standard Time", "Vladivostok Daylight Time", "Vladivostok", "Asia/Vladivostok"},
    {275, "West Pacific Standard Time", "West Pacific Daylight Time", "Guam, Port Moresby", "Pacific/Port_Moresby"},
    {280, "Central Pacific Standard Time", "Central Pacific Daylight Time", "Magadan, Solomon Is., New Caledonia",
     "Pacific/Guadalcanal"},
    {285, "Fiji Standard Time", "Fiji Daylight Time", "Fiji, Kamchatka, Marshall Is.", "Pacific/Fiji"},
    {290, "New Zealand Standard Time", "New Zealand Daylight Time", "Auckland, Wellington", "Pacific/Auckland"},
    {300, "Tonga Standard Time", "Tonga Daylight Time", "Nuku'alofa", "Pacific/Tongatapu"},
    // Rules of today's world that no entry above gives (tools/zonecompare), west to east.
    {301, "Aleutian Standard Time", "Aleutian Daylight Time", "Aleutian Islands", "America/Adak"},
    {302, "Marquesas Standard Time", "Marquesas Daylight Time", "Marquesas Islands", "Pacific/Marquesas"},
    {303, "UTC-09", "UTC-09", "Gambier Islands", "Pacific/Gambier"},
    {304, "UTC-08", "UTC-08", "Pitcairn Islands", "Pacific/Pitcairn"},
    {305, "British Columbia Standard Time", "British Columbia Daylight Time", "British Columbia",
     "America/Vancouver"},
    {306, "Alberta Standard Time", "Alberta Daylight Time", "Alberta, Northwest Territories", "America/Edmonton"},
    {307, "Easter Island Standard Time", "Easter Island Daylight Time", "Easter Island", "Pacific/Easter"},
    {308, "Manitoba Standard Time", "Manitoba Daylight Time", "Manitoba", "America/Winnipeg"},
    {309, "Cuba Standard Time", "Cuba Daylight Time", "Havana", "America/Havana"},
    {310, "Saint Pierre Standard Time", "Saint Pierre Daylight Time", "Saint Pierre and Miquelon",
     "America/Miquelon"},
    {311, "Morocco Standard Time", "Morocco Daylight Time", "Casablanca, El Aaiun", "Africa/Casablanca"},
    {312, "Troll Standard Time", "Troll Daylight Time", "Troll Station", "Antarctica/Troll"},
    {313, "Middle East Standard Time", "Middle East Daylight Time", "Beirut", "Asia/Beirut"},
    {314, "West Bank Standard Time", "West Bank Daylight Time", "Gaza, Hebron", "Asia/Gaza"},
    {315, "Aus Central W. Standard Time", "Aus Central W. Daylight Time", "Eucla", "Australia/Eucla"},
    {316, "Lord Howe Standard Time", "Lord Howe Daylight Time", "Lord Howe Island", "Australia/Lord_Howe"},
    {317, "Norfolk Standard Time", "Norfolk Daylight Time", "Norfolk Island", "Pacific/Norfolk"},
    {318, "Chatham Islands Standard Time", "Chatham Islands Daylight Time", "Chatham Islands", "Pacific/Chatham"},
    {319, "Line Islands Standard Time", "Line Islands Daylight Time", "Kiritimati", "Pacific/Kiritimati"},
};

CityZoneResolver& CityResolver() {
    static CityZoneResolver resolver;
    return resolver;
}

QByteArray& HostZoneOverride() {
    static QByteArray id;
    return id;
}

// Installation: every entry's display name under HKLM\SOFTWARE\Microsoft\TimeZones\<id>,
// value "Display", as the handheld's control panel reads them, for the device clock's year.
bool DisplayNames(za::sql::Database&, QString* error) { return WriteDisplayNames(za::device::DeviceYear(), error); }

// The text a registry value holds (an entry's display name); empty when there is none.
QString StoredText(HKEY key, const QString& value = QStringLiteral("Display")) {
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key, value, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ || size < 2) {
        return QString();
    }
    QByteArray data(static_cast<qsizetype>(size), '\0');
    if (RegQueryValueExW(key, value, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
        return QString();
    }
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(data.constData()), size / 2);
    if (text.endsWith(QChar(0))) text.chop(1);
    return text;
}

// Installation: the device's first zone is the table's entry for the host's zone, so that the
// device zone always carries one of the table's names and rules. It follows the host zone's
// own records in the other years when the two have the same rule this year (Rome's 1970s
// daylight time is not Berlin's), else the entry's representative.
bool DeviceZone(za::sql::Database& db, QString* error) {
    const int year = za::device::DeviceYear();
    const QByteArray host = NewDeviceZoneId();
    const ZoneEntry* entry = FindZoneEntry(EntryForZone(host, year));
    TIME_ZONE_INFORMATION tzi{};
    if (!entry || !ZoneInformation(*entry, year, &tzi)) {
        *error = QStringLiteral("no time zone of the table fits the host zone %1").arg(QString::fromLatin1(host));
        return false;
    }
    TIME_ZONE_INFORMATION hostRule{};
    const bool followHost = za::tz::DeriveFromZone(QTimeZone(host), year, &hostRule) && SameRule(hostRule, tzi);
    if (!za::device::SetPrivateTimeZone(tzi, followHost ? host : QByteArray(entry->tzId))) {
        *error = QStringLiteral("cannot store the device zone: %1").arg(db.error());
        return false;
    }
    return true;
}

}  // namespace

void SetHostZoneId(const QByteArray& tzId) { HostZoneOverride() = tzId; }

QByteArray NewDeviceZoneId() {
    // The computer's time service may name another zone than the host's TZ.
    if (za::device::Kind() == za::device::DeviceKind::Computer) return za::device::ComputerZoneId();
    return HostZoneOverride().isEmpty() ? QTimeZone::systemTimeZone().id() : HostZoneOverride();
}

const ZoneEntry* ZoneTable(int* count) {
    if (count) *count = static_cast<int>(std::size(kZones));
    return kZones;
}

const ZoneEntry* FindZoneEntry(int id) {
    const auto it = std::lower_bound(std::begin(kZones), std::end(kZones), id,
                                     [](const ZoneEntry& e, int value) { return e.id < value; });
    return it != std::end(kZones) && it->id == id ? it : nullptr;
}

bool ZoneInformation(const ZoneEntry& entry, int year, TIME_ZONE_INFORMATION* tzi) {
    if (!tzi || !za::tz::DeriveFromZone(QTimeZone(QByteArray(entry.tzId)), year, tzi)) return false;
    za::tz::SetNames(tzi, QString::fromLatin1(entry.standardName), QString::fromLatin1(entry.daylightName));
    return true;
}

QString DisplayName(const ZoneEntry& entry, int year) {
    TIME_ZONE_INFORMATION tzi{};
    if (!za::tz::DeriveFromZone(QTimeZone(QByteArray(entry.tzId)), year, &tzi)) return QString();
    const QString label = QString::fromUtf8(entry.label);
    // UTC = local + bias, so the offset shown is -Bias.
    const int offset = -tzi.Bias;
    if (offset == 0) return QStringLiteral("(GMT) ") + label;
    const int minutes = std::abs(offset);
    return QStringLiteral("(GMT%1%2:%3) %4")
        .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'))
        .arg(label);
}

bool DeriveZoneTable(int year, std::vector<TIME_ZONE_INFORMATION>* out) {
    if (!out) return false;
    out->assign(std::size(kZones), TIME_ZONE_INFORMATION{});
    bool all = true;
    for (size_t i = 0; i < std::size(kZones); ++i) {
        if (!ZoneInformation(kZones[i], year, &(*out)[i])) {
            (*out)[i] = TIME_ZONE_INFORMATION{};
            all = false;
        }
    }
    return all;
}

za::tz::YearlyRulesPtr ZoneRules(const ZoneEntry& entry) {
    struct Derived {
        bool tried = false;
        za::tz::YearlyRulesPtr rules;
    };
    static std::mutex mutex;
    static std::array<Derived, std::size(kZones)> derived;
    const auto index = static_cast<std::size_t>(&entry - kZones);
    if (index >= std::size(kZones)) return nullptr;
    const std::lock_guard<std::mutex> lock(mutex);
    Derived& d = derived[index];
    if (!d.tried) {
        d.rules = za::tz::YearlyRules::Derive(QByteArray(entry.tzId), QString::fromLatin1(entry.standardName),
                                              QString::fromLatin1(entry.daylightName));
        d.tried = true;
    }
    return d.rules;
}

bool DeriveZoneRules(std::vector<za::tz::YearlyRulesPtr>* out) {
    if (!out) return false;
    out->assign(std::size(kZones), nullptr);
    bool all = true;
    for (size_t i = 0; i < std::size(kZones); ++i) {
        (*out)[i] = ZoneRules(kZones[i]);
        all = all && (*out)[i];
    }
    return all;
}

namespace {

const QString kTimeZonesKey = QStringLiteral("\\SOFTWARE\\Microsoft\\TimeZones");
// What the display names were last written from: the year, the tz database's release and the
// table's labels. Every process logs on; only one that finds another stamp derives them again.
const QString kNamesStampValue = QStringLiteral("NamesStamp");

QString NamesStamp(int year) {
    const QString tzdata = za::tz::TzdataVersion();
    if (tzdata.isEmpty()) return QString();  // no way to tell a new tz database: always derive
    QByteArray labels;
    for (const ZoneEntry& e : kZones) labels += QByteArray::number(e.id) + e.tzId + e.label;
    return QStringLiteral("%1 %2 %3").arg(year).arg(tzdata).arg(qHash(labels), 0, 16);
}

QString StoredStamp() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kTimeZonesKey, 0, 0, &key) != ERROR_SUCCESS) return QString();
    const QString stamp = StoredText(key, kNamesStampValue);
    RegCloseKey(key);
    return stamp;
}

void StoreStamp(const QString& stamp) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kTimeZonesKey, 0, QString(), 0, 0, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(key, kNamesStampValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(stamp.utf16()),
                   static_cast<DWORD>((stamp.size() + 1) * sizeof(char16_t)));
    RegCloseKey(key);
}

}  // namespace

bool WriteDisplayNames(int year, QString* error) {
    const QString stamp = NamesStamp(year);
    if (!stamp.isEmpty() && StoredStamp() == stamp) return true;
    for (const ZoneEntry& e : kZones) {
        const QString name = DisplayName(e, year);
        if (name.isEmpty()) {
            *error = QStringLiteral("time zone %1 (%2) is not in the tz database").arg(e.id).arg(QLatin1String(e.tzId));
            return false;
        }
        const QString path = QStringLiteral("\\SOFTWARE\\Microsoft\\TimeZones\\%1").arg(e.id);
        HKEY key = nullptr;
        LONG rc = RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, 0, QString(), 0, 0, nullptr, &key, nullptr);
        if (rc == ERROR_SUCCESS) {
            // Each write is a durable commit: only a name that changed is written again.
            if (StoredText(key) != name) {
                // UTF-16 with its terminating NUL.
                rc = RegSetValueExW(key, QStringLiteral("Display"), 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(name.utf16()),
                                    static_cast<DWORD>((name.size() + 1) * sizeof(char16_t)));
            }
            RegCloseKey(key);
        }
        if (rc != ERROR_SUCCESS) {
            *error = QStringLiteral("cannot write the display name of time zone %1 (error %2)").arg(e.id).arg(rc);
            return false;
        }
    }
    if (!stamp.isEmpty()) StoreStamp(stamp);
    return true;
}

bool SameRule(const TIME_ZONE_INFORMATION& a, const TIME_ZONE_INFORMATION& b) {
    auto sameDate = [](const SYSTEMTIME& x, const SYSTEMTIME& y) {
        return x.wYear == y.wYear && x.wMonth == y.wMonth && x.wDayOfWeek == y.wDayOfWeek && x.wDay == y.wDay &&
               x.wHour == y.wHour && x.wMinute == y.wMinute;
    };
    return a.Bias == b.Bias && a.StandardBias == b.StandardBias && a.DaylightBias == b.DaylightBias &&
           sameDate(a.DaylightDate, b.DaylightDate) && sameDate(a.StandardDate, b.StandardDate);
}

int EntryForZone(const QByteArray& tzId, int year) {
    for (const ZoneEntry& e : kZones) {
        if (tzId == e.tzId) return e.id;
    }
    QTimeZone zone(tzId);
    if (!zone.isValid()) zone = QTimeZone::utc();
    TIME_ZONE_INFORMATION wanted{};
    if (!za::tz::DeriveFromZone(zone, year, &wanted)) return -1;
    // "Europe/Rome" -> "Rome", "America/Argentina/Buenos_Aires" -> "Buenos Aires".
    QString city = QString::fromLatin1(tzId);
    city = city.mid(city.lastIndexOf(QLatin1Char('/')) + 1).replace(QLatin1Char('_'), QLatin1Char(' '));
    static const QRegularExpression separators(QStringLiteral("[,:()]"));
    int sameRule = -1;
    int nearest = -1;
    int distance = 0;
    for (const ZoneEntry& e : kZones) {
        // An older tz database may lack a representative: that entry cannot be chosen.
        TIME_ZONE_INFORMATION tzi{};
        if (!za::tz::DeriveFromZone(QTimeZone(QByteArray(e.tzId)), year, &tzi)) continue;
        const int d = std::abs(tzi.Bias - wanted.Bias);
        if (nearest < 0 || d < distance) {
            nearest = e.id;
            distance = d;
        }
        if (!SameRule(tzi, wanted)) continue;
        if (sameRule < 0) sameRule = e.id;
        for (const QString& place : QString::fromUtf8(e.label).split(separators, Qt::SkipEmptyParts)) {
            if (place.trimmed() == city) return e.id;
        }
    }
    return sameRule >= 0 ? sameRule : nearest;
}

void SetCityZoneResolver(CityZoneResolver resolver) { CityResolver() = std::move(resolver); }

ZoneMapping MapZone(const QByteArray& tzId, int year) {
    for (const ZoneEntry& e : kZones) {
        if (tzId == e.tzId) return {e.id, ZoneMatch::Table};
    }
    if (CityResolver()) {
        const int id = CityResolver()(tzId);
        if (FindZoneEntry(id)) return {id, ZoneMatch::City};
    }
    const QTimeZone zone(tzId);
    TIME_ZONE_INFORMATION now{}, next{};
    if (zone.isValid() && za::tz::DeriveFromZone(zone, year, &now) && za::tz::DeriveFromZone(zone, year + 1, &next)) {
        QString city = QString::fromLatin1(tzId);
        city = city.mid(city.lastIndexOf(QLatin1Char('/')) + 1).replace(QLatin1Char('_'), QLatin1Char(' '));
        static const QRegularExpression separators(QStringLiteral("[,:()]"));
        int first = -1;
        for (const ZoneEntry& e : kZones) {
            TIME_ZONE_INFORMATION a{}, b{};
            const QTimeZone representative{QByteArray(e.tzId)};
            if (!za::tz::DeriveFromZone(representative, year, &a) || !za::tz::DeriveFromZone(representative, year + 1, &b) ||
                !SameRule(a, now) || !SameRule(b, next)) {
                continue;
            }
            if (first < 0) first = e.id;
            for (const QString& place : QString::fromUtf8(e.label).split(separators, Qt::SkipEmptyParts)) {
                if (place.trimmed() == city) return {e.id, ZoneMatch::SameOffsets};
            }
        }
        if (first >= 0) return {first, ZoneMatch::SameOffsets};
    }
    return {EntryForZone(tzId, year), ZoneMatch::Nearest};
}

QString DescribeMapping(const QByteArray& tzId, const ZoneMapping& mapping) {
    const QString zone = QString::fromUtf8(tzId);
    const ZoneEntry* entry = FindZoneEntry(mapping.entry);
    if (!entry) return QStringLiteral("%1 (no entry of the time-zone table fits)").arg(zone);
    const QString name = QStringLiteral("entry %1, %2").arg(entry->id).arg(QLatin1String(entry->standardName));
    switch (mapping.match) {
    case ZoneMatch::Table:
        return QStringLiteral("%1 (%2)").arg(zone, name);
    case ZoneMatch::City:
        return QStringLiteral("%1 (%2, the entry of its cities)").arg(zone, name);
    case ZoneMatch::SameOffsets:
        return QStringLiteral("%1 (no city uses this zone: %2, with the same offsets this year and next)").arg(zone, name);
    case ZoneMatch::Nearest:
        break;
    }
    return QStringLiteral("%1 (no entry has its rules: %2, the nearest offset)").arg(zone, name);
}

QString RestrictionText(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace za::outlook

bool za::device::InstallZoneDisplayNames(za::sql::Database& db, QString* error) { return za::outlook::DisplayNames(db, error); }

bool za::device::InstallDeviceZone(za::sql::Database& db, QString* error) { return za::outlook::DeviceZone(db, error); }
