#include "quickprofile.h"

#include "checkrecord.h"
#include "clockcache.h"
#include "displaydefaults.h"
#include "nocase.h"
#include "walindex.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <locale.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace cli::quick {

namespace {

// The profile as the complete command line knows it (platform/device.cpp, platform/schema.h,
// core/settings.cpp, core/citylist.h); a profile that differs is left to it.
constexpr std::int32_t kProfileApplicationId = 0x5A414450;
constexpr const char* kSettingsKeyFold = "software\\corvantel\\zonaria";
constexpr int kLocalMachine = 1;
constexpr std::uint32_t kCityNameProp = (100u << 16) | 31u;  // PROPID_CITY_NAME, a string
constexpr std::uint32_t kCityZoneProp = (101u << 16) | 2u;   // PROPID_CITY_TZID, a short
constexpr std::uint32_t kCityLongitudeProp = (102u << 16) | 2u;
constexpr std::uint32_t kCityLatitudeProp = (103u << 16) | 2u;
constexpr std::uint32_t kCityAirportProp = (104u << 16) | 31u;
constexpr std::uint32_t kCityCountryCodeProp = (105u << 16) | 31u;
constexpr std::uint32_t kCityAreaCodeProp = (106u << 16) | 31u;
constexpr std::uint32_t kCityCountryProp = (107u << 16) | 31u;
constexpr std::int64_t kWorthFolding = 256 * 1024;           // a log the complete one folds

constexpr const char* kReadSettings =
    "SELECT v.fold, v.data FROM reg_values v JOIN reg_keys k ON v.key_id = k.id "
    "WHERE k.root = ?1 AND k.fold = ?2 AND v.fold IN ('dbpath', 'city0', 'city1', 'city2', 'city3', 'city4', 'cityx')";
constexpr const char* kSettingsKeyExists = "SELECT 1 FROM reg_keys WHERE root = ?1 AND fold = ?2";
constexpr const char* kReadCatalog =
    "SELECT oid, sorts, sort0, sort1, sort2, sort3 FROM odb_catalog WHERE name = 'Zonaria Cities'";
constexpr const char* kReadIdentity = "SELECT * FROM pragma_application_id, pragma_user_version";
constexpr const char* kReadClock = "SELECT name, value FROM device_clock WHERE name IN ('device', 'offset_ms')";

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool IsUtf8(const std::string& bytes) {
    std::u16string ignored;
    return FromUtf8(bytes, &ignored);
}

// The profile's folder as the complete command line finds it; "" where it would say more.
std::string ProfileFolder() {
    for (const char* variable : {"ZONARIA_DEVICE", "XDG_DATA_HOME", "HOME"}) {
        if (!IsUtf8(Env(variable))) return {};
    }
    if (!Env("ZONARIA_DEVICE").empty()) return Env("ZONARIA_DEVICE");
    std::string data = Env("XDG_DATA_HOME");
    if (data.empty()) {
        if (Env("HOME").empty()) return {};
        data = Env("HOME") + "/.local/share";
    }
    return data + "/zonaria/device";
}

// Whether the log beside device.db is one the complete command line would take as it is: none,
// empty, or held open by a running program beside a file that passed, with every frame its
// index counts.
bool LogIsSound(const std::string& file, bool passed) {
    struct stat log {};
    const std::string logName = file + "-wal";
    const bool hasLog = ::stat(logName.c_str(), &log) == 0;
    const int fd = ::open((file + "-shm").c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return !hasLog || log.st_size == 0;
    const za::wal::IndexReading index = za::wal::ReadIndex(fd, logName.c_str());
    ::close(fd);  // this process holds no other descriptor of it, so no lock is dropped
    if (index.missingFrames > 0) return false;  // frames lost: the complete one tells the user
    if (!hasLog || log.st_size == 0) return true;
    return index.inUse && passed;
}

// The C library's lower case for the UTF-8 texts, made when a name beyond ASCII is first
// compared. Without it the order is not known, the look-ups' answers are not trusted, and the
// command is left to the complete command line.
locale_t Utf8Locale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    return locale;
}
bool g_orderUnknown = false;

// SQLite's case-insensitive order for the profile's names, as the complete command line
// registers it; beyond ASCII, UTF-16 units folded one by one. (Letters beyond the Basic
// Multilingual Plane are compared unfolded, which Qt folds: a name that differs from another only
// there may be missed, and is then left to the complete command line. A city found under another
// spelling than the display's beyond ASCII case is not trusted either.)
int CompareNoCase(void*, int lengthA, const void* a, int lengthB, const void* b) {
    const auto* pa = static_cast<const unsigned char*>(a);
    const auto* pb = static_cast<const unsigned char*>(b);
    return za::sql::CompareFoldingAscii(lengthA, pa, lengthB, pb, [&](int i) {
        const locale_t utf8 = Utf8Locale();
        if (!utf8) {
            g_orderUnknown = true;
            return pa[i] < pb[i] ? -1 : 1;
        }
        std::u16string sa, sb;
        FromUtf8(std::string(reinterpret_cast<const char*>(pa + i), static_cast<std::size_t>(lengthA - i)), &sa);
        FromUtf8(std::string(reinterpret_cast<const char*>(pb + i), static_cast<std::size_t>(lengthB - i)), &sb);
        const std::size_t m = sa.size() < sb.size() ? sa.size() : sb.size();
        for (std::size_t k = 0; k < m; ++k) {
            const std::uint32_t fa = FoldedUnit(sa[k], utf8);
            const std::uint32_t fb = FoldedUnit(sb[k], utf8);
            if (fa != fb) return fa < fb ? -1 : 1;
        }
        return sa.size() == sb.size() ? 0 : (sa.size() < sb.size() ? -1 : 1);
    });
}

// A stored text as the profile's readers take it (a registry value, a record's string):
// little-endian UTF-16 up to the first NUL.
std::u16string StoredText(const char* data, std::size_t size) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const auto c = static_cast<char16_t>(static_cast<unsigned char>(data[i]) | static_cast<unsigned char>(data[i + 1]) << 8);
        if (c == 0) break;
        text += c;
    }
    return text;
}

// The record's texts and numbers (platform/objectstore_encoding.cpp: propid, length, data,
// little-endian), as the city list keeps them: a text up to its first NUL.
bool ParseCity(const std::string& props, CityRecord* city) {
    bool named = false;
    std::size_t at = 0;
    auto u32 = [&](std::size_t i) {
        std::uint32_t v = 0;
        for (int k = 0; k < 4; ++k) v |= std::uint32_t(static_cast<unsigned char>(props[i + k])) << (8 * k);
        return v;
    };
    while (at < props.size()) {
        if (props.size() - at < 8) return false;
        const std::uint32_t propid = u32(at);
        const std::uint32_t length = u32(at + 4);
        at += 8;
        if (length > props.size() - at) return false;
        const char* data = props.data() + at;
        at += length;
        std::u16string* text = propid == kCityNameProp          ? &city->name
                               : propid == kCityCountryProp     ? &city->country
                               : propid == kCityAirportProp     ? &city->airport
                               : propid == kCityCountryCodeProp ? &city->countryCode
                               : propid == kCityAreaCodeProp    ? &city->areaCode
                                                                : nullptr;
        if (text) {
            if (length % 2) return false;
            *text = StoredText(data, length);
            named = named || propid == kCityNameProp;
            continue;
        }
        if (propid != kCityZoneProp && propid != kCityLongitudeProp && propid != kCityLatitudeProp) continue;
        if (length != 2) return false;
        const std::int32_t value = static_cast<std::int16_t>(static_cast<unsigned char>(data[0]) | static_cast<unsigned char>(data[1]) << 8);
        (propid == kCityZoneProp ? city->zoneId : propid == kCityLongitudeProp ? city->longitude : city->latitude) = value;
    }
    return named;
}

// Whether two names differ at most in the case of ASCII letters: where the names differ beyond
// ASCII, the look-up's order was the C library's folding and not Qt's, and is not trusted.
bool SameButAsciiCase(const std::u16string& a, const std::u16string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char16_t ca = a[i] >= u'A' && a[i] <= u'Z' ? static_cast<char16_t>(a[i] + 32) : a[i];
        const char16_t cb = b[i] >= u'A' && b[i] <= u'Z' ? static_cast<char16_t>(b[i] + 32) : b[i];
        if (ca != cb) return false;
    }
    return true;
}

// The device's clock: the computer's, or the private device's at the offset it was set to.
bool NowUtc(Profile& p, std::int64_t* now) {
    const std::int64_t host = std::chrono::duration_cast<std::chrono::milliseconds>(
                                  std::chrono::system_clock::now().time_since_epoch())
                                  .count();
    bool computer = false;
    std::int64_t offset = 0;
    Query q(p, kReadClock);
    while (q.step()) {
        if (q.text(0) == "device") computer = q.text(1) == "computer";
        if (q.text(0) == "offset_ms") {
            if (q.type(1) != SQLITE_INTEGER) return false;
            offset = q.integer(1);
        }
    }
    if (q.failed()) return false;
    const std::int64_t ms = host + (computer ? 0 : offset);
    *now = ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
    return true;
}

}  // namespace

Profile::~Profile() {
    if (!m_db) return;
    sqlite3_close_v2(m_db);
    if (!m_failed) za::device::RememberPassed(m_file);
}

bool Profile::open() {
    if (sqlite3_open_v2(m_file.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        m_failed = true;
        return false;
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, 10000);
    return sqlite3_create_collation(m_db, "ZANOCASE", SQLITE_UTF8, nullptr, CompareNoCase) == SQLITE_OK;
}

Query::Query(Profile& p, const std::string& sql) : m_profile(p) {
    if (sqlite3_prepare_v2(p.db(), sql.c_str(), -1, &m_st, nullptr) != SQLITE_OK) p.failed();
}

bool Query::step() {
    if (!m_st) return false;
    const int rc = sqlite3_step(m_st);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) {
        m_failed = true;
        m_profile.failed();
    }
    return false;
}

std::string Query::text(int c) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_st, c));
    return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(m_st, c))) : std::string();
}

std::string Query::blob(int c) const {
    const auto* p = static_cast<const char*>(sqlite3_column_blob(m_st, c));
    return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(m_st, c))) : std::string();
}

bool ReadFile(const std::string& path, std::string* bytes, std::size_t most) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    const std::size_t size = ok && st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
    bytes->assign(size < most ? size : most, '\0');
    std::size_t got = 0;
    while (ok && got < bytes->size()) {
        const ssize_t n = ::read(fd, bytes->data() + got, bytes->size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes->resize(got);
    return ok;
}

bool SoundProfile(std::string* folder, std::string* file) {
    *folder = ProfileFolder();
    if (folder->empty()) return false;
    *file = *folder + "/device.db";
    struct stat st {};
    if (::stat(file->c_str(), &st) != 0 || !S_ISREG(st.st_mode) || ::access(file->c_str(), R_OK | W_OK) != 0 ||
        ::access(folder->c_str(), W_OK) != 0) {
        return false;
    }
    const bool passed = za::device::PassedBefore(*file);
    if (!passed || !LogIsSound(*file, passed)) return false;
    struct stat log {};
    return !(::stat((*file + "-wal").c_str(), &log) == 0 && log.st_size >= kWorthFolding);
}

bool OpenSnapshot(Profile& p, std::int32_t schemaVersion, Snapshot* s) {
    if (!p.open()) return false;
    {
        Query q(p, kReadIdentity);
        if (!q.step() || q.integer(0) != kProfileApplicationId || std::max<std::int64_t>(q.integer(1), 1) != schemaVersion) {
            return false;
        }
    }
    Query begin(p, "BEGIN");
    if (begin.step() || begin.failed()) return false;
    Query q(p, kReadCatalog);
    if (!q.step()) return false;
    s->table = q.integer(0);
    const std::int64_t sorts = q.integer(1);
    for (int i = 0; i < sorts && i < 4 && s->slot < 0; ++i) {
        if (q.type(2 + i) == SQLITE_INTEGER && static_cast<std::uint32_t>(q.integer(2 + i)) == kCityNameProp) s->slot = i;
    }
    return s->slot >= 0 && NowUtc(p, &s->now);
}

bool EndSnapshot(Profile& p) {
    if (g_orderUnknown) return false;
    Query end(p, "COMMIT");
    return !end.step() && !end.failed();
}

CityFinder::CityFinder(Profile& p, const Snapshot& s)
    : m_query(p, "SELECT props FROM odb_" + std::to_string(s.table) + " WHERE m" + std::to_string(s.slot) + " = 1 AND k" +
                     std::to_string(s.slot) + " = ?1 ORDER BY m" + std::to_string(s.slot) + ", k" +
                     std::to_string(s.slot) + ", oid LIMIT 1") {}

bool CityFinder::find(const std::u16string& name, CityRecord* city) {
    m_query.reset();
    *city = CityRecord();
    const bool found = m_query.bind(1, Utf8(name)).step() && ParseCity(m_query.blob(0), city) && SameButAsciiCase(city->name, name);
    m_query.reset();
    return found;
}

bool ReadDisplaySettings(Profile& p, DisplaySettings* s) {
    {
        Query key(p, kSettingsKeyExists);
        key.bind(1, kLocalMachine).bind(2, kSettingsKeyFold);
        if (!key.step()) return false;  // the defaults, or a failure: left to the complete one
    }
    for (int i = 0; i < 5; ++i) s->names[i] = za::kDefaultDisplayCities[i];
    std::uint32_t selected = 0;
    Query q(p, kReadSettings);
    q.bind(1, kLocalMachine).bind(2, kSettingsKeyFold);
    while (q.step()) {
        const std::string name = q.text(0);
        const std::string data = q.blob(1);
        if (name == "dbpath") {
            if (!StoredText(data.data(), data.size()).empty()) return false;  // cities on a volume of their own
        } else if (name == "cityx") {
            if (data.size() > 4) continue;  // too long for a DWORD: the default
            std::memcpy(&selected, data.data(), data.size());
        } else {
            if (data.size() % 2) return false;  // its last byte would be half a character
            s->names[static_cast<std::size_t>(name.back() - '0')] = StoredText(data.data(), data.size());
        }
    }
    if (q.failed()) return false;
    s->selected = selected < 5 ? static_cast<int>(selected) : 0;
    return true;
}

}  // namespace cli::quick
