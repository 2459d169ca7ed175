// The Outlook stand-in's application object: logon and the derived zone table, the current,
// home and visiting city, and the cities folder kept in device.db.
#include "poutlook.h"

#include "clock.h"
#include "device.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <optional>

namespace za::outlook {
namespace {

constexpr const char* kInsertCity =
    "INSERT INTO outlook_cities(name, country, airport_code, country_phone_code, area_code, longitude, latitude,"
    " timezone_index) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)";
constexpr const char* kUpdateCity =
    "UPDATE outlook_cities SET name = ?1, country = ?2, airport_code = ?3, country_phone_code = ?4,"
    " area_code = ?5, longitude = ?6, latitude = ?7, timezone_index = ?8 WHERE id = ?9";
constexpr const char* kCityById =
    "SELECT id, name, country, airport_code, country_phone_code, area_code, longitude, latitude, timezone_index"
    " FROM outlook_cities WHERE id = ?1";
constexpr const char* kFindByName =
    "SELECT id, name, country, airport_code, country_phone_code, area_code, longitude, latitude, timezone_index"
    " FROM outlook_cities WHERE name = ?1 ORDER BY id LIMIT 1";
constexpr const char* kFindByNameAndZone =
    "SELECT id, name, country, airport_code, country_phone_code, area_code, longitude, latitude, timezone_index"
    " FROM outlook_cities WHERE name = ?1 AND timezone_index = ?2 ORDER BY id LIMIT 1";
constexpr const char* kCountCities = "SELECT count(*) FROM outlook_cities";
constexpr const char* kCityAt =
    "SELECT id, name, country, airport_code, country_phone_code, area_code, longitude, latitude, timezone_index"
    " FROM outlook_cities ORDER BY id LIMIT 1 OFFSET ?1";
constexpr const char* kReadState = "SELECT value FROM outlook_state WHERE name = ?1";
constexpr const char* kWriteState = "INSERT OR REPLACE INTO outlook_state(name, value) VALUES(?1, ?2)";

// ProgID and class id the object answers to, as the handheld's registry has them.
constexpr const char* kProgId = "PocketOutlook.Application";
constexpr const char* kClassId = "{05058F23-20BE-11D2-8F18-0000F87A4335}";

std::atomic<Availability> g_availability{Availability::Present};

// What a logon gives the objects handed out: they fail with E_FAIL once it has ended.
struct Session {
    bool loggedOn = false;
    bool hasCities = true;
};
using SessionPtr = std::shared_ptr<Session>;

struct CityData {
    std::int64_t id = 0;  // row of outlook_cities; 0 until saved
    QString name, country, airportCode, countryPhoneCode, areaCode;
    long longitude = 0;
    long latitude = 0;
    long timezoneIndex = 0;
};

// Reads a row selected with the columns of kCityById, in that order.
CityData ReadCity(const za::sql::Statement& q) {
    CityData c;
    c.id = q.columnInt(0);
    c.name = q.columnText(1);
    c.country = q.columnText(2);
    c.airportCode = q.columnText(3);
    c.countryPhoneCode = q.columnText(4);
    c.areaCode = q.columnText(5);
    c.longitude = static_cast<long>(q.columnInt(6));
    c.latitude = static_cast<long>(q.columnInt(7));
    c.timezoneIndex = static_cast<long>(q.columnInt(8));
    return c;
}

// The row the statement selects: S_OK with *city set, S_FALSE when there is none, E_FAIL on a
// store error.
HRESULT SelectCity(za::sql::Statement& q, CityData* city) {
    if (q.step()) {
        *city = ReadCity(q);
        return S_OK;
    }
    return q.done() ? S_FALSE : E_FAIL;
}

bool ReadState(const char* name, std::int64_t* value, bool* found) {
    za::sql::Database* db = za::device::Db();
    if (!db) return false;
    za::sql::Statement q = db->prepare(kReadState);
    q.bind(1, QString::fromLatin1(name));
    *found = q.step();
    if (*found) *value = q.columnInt(0);
    return *found || q.done();
}

bool WriteState(const char* name, std::int64_t value) {
    za::sql::Database* db = za::device::Db();
    return db && db->prepare(kWriteState).bind(1, QString::fromLatin1(name)).bind(2, value).run();
}

// A text getter or setter of a city item.
HRESULT GetText(const QString& field, QString* out) {
    if (!out) return E_INVALIDARG;
    *out = field;
    return S_OK;
}

class City : public ICity {
public:
    City(SessionPtr session, CityData data) : m_session(std::move(session)), m_data(std::move(data)) {}

    std::int64_t id() const { return m_data.id; }

    HRESULT get_Name(QString* name) override { return GetText(m_data.name, name); }
    HRESULT put_Name(const QString& name) override { return Put(&m_data.name, name); }
    HRESULT get_Country(QString* country) override { return GetText(m_data.country, country); }
    HRESULT put_Country(const QString& country) override { return Put(&m_data.country, country); }
    HRESULT get_AirportCode(QString* code) override { return GetText(m_data.airportCode, code); }
    HRESULT put_AirportCode(const QString& code) override { return Put(&m_data.airportCode, code); }
    HRESULT get_CountryPhoneCode(QString* code) override { return GetText(m_data.countryPhoneCode, code); }
    HRESULT put_CountryPhoneCode(const QString& code) override { return Put(&m_data.countryPhoneCode, code); }
    HRESULT get_AreaCode(QString* code) override { return GetText(m_data.areaCode, code); }
    HRESULT put_AreaCode(const QString& code) override { return Put(&m_data.areaCode, code); }

    HRESULT get_Longitude(long* value) override { return GetNumber(m_data.longitude, value); }
    HRESULT put_Longitude(long value) override {
        if (value < -18000 || value > 18000) return E_INVALIDARG;
        m_data.longitude = value;
        return S_OK;
    }
    HRESULT get_Latitude(long* value) override { return GetNumber(m_data.latitude, value); }
    HRESULT put_Latitude(long value) override {
        if (value < -9000 || value > 9000) return E_INVALIDARG;
        m_data.latitude = value;
        return S_OK;
    }
    HRESULT get_TimezoneIndex(long* index) override { return GetNumber(m_data.timezoneIndex, index); }
    HRESULT put_TimezoneIndex(long index) override {
        // The range check keeps a huge long from wrapping onto a valid ID.
        if (index < 0 || index > 0xFFFF || !FindZoneEntry(static_cast<int>(index))) return E_INVALIDARG;
        m_data.timezoneIndex = index;
        return S_OK;
    }

    HRESULT Save() override {
        if (!m_session->loggedOn) return E_FAIL;
        za::sql::Database* db = za::device::Db();
        if (!db) return E_FAIL;
        const bool isNew = m_data.id == 0;
        za::sql::Statement st = db->prepare(isNew ? kInsertCity : kUpdateCity);
        st.bind(1, m_data.name)
            .bind(2, m_data.country)
            .bind(3, m_data.airportCode)
            .bind(4, m_data.countryPhoneCode)
            .bind(5, m_data.areaCode)
            .bind(6, static_cast<std::int64_t>(m_data.longitude))
            .bind(7, static_cast<std::int64_t>(m_data.latitude))
            .bind(8, static_cast<std::int64_t>(m_data.timezoneIndex));
        if (!isNew) st.bind(9, m_data.id);
        if (!st.run()) return E_FAIL;
        if (isNew) {
            m_data.id = db->lastInsertRowId();
        } else if (db->changes() != 1) {
            return E_FAIL;  // the item's row is gone (another profile, or a damaged one)
        }
        return S_OK;
    }

private:
    static HRESULT Put(QString* field, const QString& value) {
        *field = value;
        return S_OK;
    }
    static HRESULT GetNumber(long field, long* out) {
        if (!out) return E_INVALIDARG;
        *out = field;
        return S_OK;
    }

    SessionPtr m_session;
    CityData m_data;
};

// A restriction Find understands: the name, and the zone index for the second form.
struct Restriction {
    QString name;
    std::optional<std::int64_t> timezoneIndex;
};

// A small reader over the restriction text.
class RestrictionParser {
public:
    explicit RestrictionParser(const QString& text) : m_text(text) {}

    std::optional<Restriction> Parse() {
        Restriction r;
        SkipSpaces();
        if (!Keyword(QStringLiteral("[Name]"))) return std::nullopt;
        SkipSpaces();
        if (!Keyword(QStringLiteral("="))) return std::nullopt;
        SkipSpaces();
        if (!Quoted(&r.name)) return std::nullopt;
        const bool spaceAfterName = SkipSpaces();
        if (AtEnd()) return r;
        if (!spaceAfterName || !Keyword(QStringLiteral("AND")) || !SkipSpaces()) return std::nullopt;
        if (!Keyword(QStringLiteral("[TimezoneIndex]"))) return std::nullopt;
        SkipSpaces();
        if (!Keyword(QStringLiteral("="))) return std::nullopt;
        SkipSpaces();
        std::int64_t index = 0;
        if (!Number(&index)) return std::nullopt;
        SkipSpaces();
        if (!AtEnd()) return std::nullopt;
        r.timezoneIndex = index;
        return r;
    }

private:
    bool AtEnd() const { return m_pos >= m_text.size(); }

    // True when at least one space was skipped.
    bool SkipSpaces() {
        const qsizetype start = m_pos;
        while (!AtEnd() && m_text[m_pos].isSpace()) ++m_pos;
        return m_pos > start;
    }

    // Property names and AND compare without regard to case, as the object model's do.
    bool Keyword(const QString& word) {
        if (m_text.mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) != 0) return false;
        m_pos += word.size();
        return true;
    }

    // "text" with "" standing for one double quote inside.
    bool Quoted(QString* out) {
        if (AtEnd() || m_text[m_pos] != QLatin1Char('"')) return false;
        ++m_pos;
        out->clear();
        while (!AtEnd()) {
            const QChar c = m_text[m_pos++];
            if (c != QLatin1Char('"')) {
                out->append(c);
            } else if (!AtEnd() && m_text[m_pos] == QLatin1Char('"')) {
                out->append(c);
                ++m_pos;
            } else {
                return true;
            }
        }
        return false;  // no closing quote
    }

    // A decimal integer with an optional minus sign, within 32 bits.
    bool Number(std::int64_t* out) {
        bool negative = false;
        if (!AtEnd() && m_text[m_pos] == QLatin1Char('-')) {
            negative = true;
            ++m_pos;
        }
        std::int64_t value = 0;
        const qsizetype start = m_pos;
        while (!AtEnd() && m_text[m_pos] >= QLatin1Char('0') && m_text[m_pos] <= QLatin1Char('9')) {
            value = value * 10 + (m_text[m_pos].unicode() - '0');
            if (value > 0x7FFFFFFF) return false;
            ++m_pos;
        }
        if (m_pos == start) return false;
        *out = negative ? -value : value;
        return true;
    }

    const QString& m_text;
    qsizetype m_pos = 0;
};

class Items : public IPOutlookItemCollection {
public:
    explicit Items(SessionPtr session) : m_session(std::move(session)) {}

    HRESULT Find(const QString& restriction, CityPtr* item) override {
        if (!item) return E_INVALIDARG;
        *item = nullptr;
        if (!m_session->loggedOn) return E_FAIL;
        const std::optional<Restriction> r = RestrictionParser(restriction).Parse();
        if (!r) return E_INVALIDARG;
        za::sql::Database* db = za::device::Db();
        if (!db) return E_FAIL;
        za::sql::Statement q = db->prepare(r->timezoneIndex ? kFindByNameAndZone : kFindByName);
        q.bind(1, r->name);
        if (r->timezoneIndex) q.bind(2, *r->timezoneIndex);
        CityData data;
        const HRESULT hr = SelectCity(q, &data);
        if (hr == S_OK) *item = std::make_shared<City>(m_session, std::move(data));
        return hr;
    }

    HRESULT Add(CityPtr* item) override {
        if (!item) return E_INVALIDARG;
        *item = nullptr;
        if (!m_session->loggedOn) return E_FAIL;
        *item = std::make_shared<City>(m_session, CityData{});
        return S_OK;
    }

    HRESULT get_Count(int* count) override {
        if (!count) return E_INVALIDARG;
        *count = 0;
        if (!m_session->loggedOn) return E_FAIL;
        za::sql::Database* db = za::device::Db();
        if (!db) return E_FAIL;
        za::sql::Statement q = db->prepare(kCountCities);
        if (!q.step()) return E_FAIL;
        *count = static_cast<int>(q.columnInt(0));
        return S_OK;
    }

    HRESULT Item(int index, CityPtr* item) override {
        if (!item) return E_INVALIDARG;
        *item = nullptr;
        if (!m_session->loggedOn) return E_FAIL;
        if (index < 1) return E_INVALIDARG;
        za::sql::Database* db = za::device::Db();
        if (!db) return E_FAIL;
        za::sql::Statement q = db->prepare(kCityAt);
        q.bind(1, index - 1);
        CityData data;
        const HRESULT hr = SelectCity(q, &data);
        if (hr == S_FALSE) return E_INVALIDARG;  // beyond the last item
        if (hr == S_OK) *item = std::make_shared<City>(m_session, std::move(data));
        return hr;
    }

private:
    SessionPtr m_session;
};

class CitiesFolder : public IFolder {
public:
    explicit CitiesFolder(SessionPtr session) : m_session(std::move(session)) {}
    HRESULT get_Items(ItemsPtr* items) override {
        if (!items) return E_INVALIDARG;
        *items = nullptr;
        if (!m_session->loggedOn) return E_FAIL;
        *items = std::make_shared<Items>(m_session);
        return S_OK;
    }

private:
    SessionPtr m_session;
};

class App : public IPOutlookApp {
public:
    explicit App(Availability availability) : m_availability(availability) {
        m_session->hasCities = availability != Availability::NoCityInterface;
    }

    HRESULT Logon(long /*hwnd*/) override {
        if (m_availability == Availability::RefusesLogon) return E_FAIL;
        if (!za::device::Db()) return E_FAIL;
        // An entry the tz database cannot give stays unserved; the rest of the table still serves.
        // Entries are derived when first asked for; the logon only needs one to be there.
        int count = 0;
        const ZoneEntry* table = ZoneTable(&count);
        if (std::none_of(table, table + count, [](const ZoneEntry& e) { return ZoneRules(e) != nullptr; })) {
            return E_FAIL;
        }
        m_namesYear = 0;
        m_session->loggedOn = true;
        FollowDeviceYear();
        return S_OK;
    }

    HRESULT Logoff() override {
        m_session->loggedOn = false;
        return S_OK;
    }

    HRESULT get_CurrentCityIndex(long* index) override {
        if (!index) return E_INVALIDARG;
        if (const HRESULT hr = CanUseCities(); hr != S_OK) return hr;
        std::int64_t value = 0;
        bool found = false;
        if (!ReadState("current_city", &value, &found)) return E_FAIL;
        *index = found ? static_cast<long>(value) : 0;  // the home city until one is chosen
        return S_OK;
    }

    HRESULT put_CurrentCityIndex(long index) override {
        if (const HRESULT hr = CanUseCities(); hr != S_OK) return hr;
        if (index != 0 && index != 1) return E_INVALIDARG;
        return WriteState("current_city", index) ? S_OK : E_FAIL;
    }

    HRESULT GetTimeZoneInformationFromIndex(long index, TIME_ZONE_INFORMATION* tzi) override {
        if (!tzi) return E_INVALIDARG;
        std::memset(tzi, 0, sizeof *tzi);
        za::tz::YearlyRulesPtr rules;
        if (const HRESULT hr = GetTimeZoneRulesFromIndex(index, &rules); hr != S_OK) return hr;
        *tzi = rules->ForYear(FollowDeviceYear());
        return S_OK;
    }

    HRESULT GetTimeZoneRulesFromIndex(long index, za::tz::YearlyRulesPtr* rules) override {
        if (!rules) return E_INVALIDARG;
        *rules = nullptr;
        if (!m_session->loggedOn) return E_FAIL;
        const ZoneEntry* entry = index >= 0 && index <= 0xFFFF ? FindZoneEntry(static_cast<int>(index)) : nullptr;
        if (!entry) return E_INVALIDARG;
        za::tz::YearlyRulesPtr found = ZoneRules(*entry);
        if (!found) return E_INVALIDARG;
        *rules = found;
        return S_OK;
    }

    HRESULT get_HomeCity(CityPtr* city) override { return GetCity("home_city", city); }
    HRESULT put_HomeCity(const CityPtr& city) override { return PutCity("home_city", city); }
    HRESULT get_VisitingCity(CityPtr* city) override { return GetCity("visiting_city", city); }
    HRESULT put_VisitingCity(const CityPtr& city) override { return PutCity("visiting_city", city); }

    HRESULT GetDefaultFolder(int folder, FolderPtr* out) override {
        if (!out) return E_INVALIDARG;
        *out = nullptr;
        if (folder != olFolderCities) return E_INVALIDARG;
        if (const HRESULT hr = CanUseCities(); hr != S_OK) return hr;
        *out = std::make_shared<CitiesFolder>(m_session);
        return S_OK;
    }

private:
    // Cities need the city interface and a logon; the interface is checked first, as a
    // missing interface is missing whether or not one is logged on.
    HRESULT CanUseCities() const {
        if (!m_session->hasCities) return E_NOINTERFACE;
        if (!m_session->loggedOn) return E_FAIL;
        return S_OK;
    }

    HRESULT GetCity(const char* which, CityPtr* city) {
        if (!city) return E_INVALIDARG;
        *city = nullptr;
        if (const HRESULT hr = CanUseCities(); hr != S_OK) return hr;
        std::int64_t id = 0;
        bool found = false;
        if (!ReadState(which, &id, &found)) return E_FAIL;
        if (!found) return S_FALSE;
        za::sql::Database* db = za::device::Db();
        if (!db) return E_FAIL;
        za::sql::Statement q = db->prepare(kCityById);
        q.bind(1, id);
        CityData data;
        const HRESULT hr = SelectCity(q, &data);
        if (hr == S_OK) *city = std::make_shared<City>(m_session, std::move(data));
        return hr;
    }

    HRESULT PutCity(const char* which, const CityPtr& city) {
        if (const HRESULT hr = CanUseCities(); hr != S_OK) return hr;
        const auto* item = dynamic_cast<const City*>(city.get());
        if (!item || item->id() == 0) return E_INVALIDARG;  // only a saved item of the folder
        za::sql::Database* db = za::device::Db();
        if (!db) return E_FAIL;
        za::sql::Statement q = db->prepare(kCityById);
        q.bind(1, item->id());
        CityData stored;
        const HRESULT hr = SelectCity(q, &stored);
        if (hr == S_FALSE) return E_INVALIDARG;
        if (hr != S_OK) return hr;
        return WriteState(which, item->id()) ? S_OK : E_FAIL;
    }

    // The device clock's year, within the years the records cover. The display names are
    // brought to it when it is not the year they were last written for: an entry's name
    // shows its standard offset of that year ("(GMT-07:00) British Columbia" from 2027).
    int FollowDeviceYear() {
        const int year = std::clamp(za::device::DeviceYear(), za::tz::kFirstRuleYear, za::tz::kLastRuleYear);
        if (year != m_namesYear) {
            // A profile that cannot be written keeps the names it has; the records are served
            // all the same, and the next Logon tries again.
            QString error;
            WriteDisplayNames(year, &error);
            m_namesYear = year;
        }
        return year;
    }

    const Availability m_availability;
    SessionPtr m_session = std::make_shared<Session>();
    int m_namesYear = 0;                          // the year the display names were written for
};

}  // namespace

static ApplicationFactory& Factory() {
    static ApplicationFactory factory;
    return factory;
}

HRESULT CreateApplication(const QString& progId, AppPtr* app) {
    if (!app) return E_INVALIDARG;
    *app = nullptr;
    const Availability availability = g_availability.load();
    if (availability == Availability::Absent) return REGDB_E_CLASSNOTREG;
    if (progId.compare(QLatin1String(kProgId), Qt::CaseInsensitive) != 0 &&
        progId.compare(QLatin1String(kClassId), Qt::CaseInsensitive) != 0) {
        return REGDB_E_CLASSNOTREG;
    }
    if (ApplicationFactory& factory = Factory()) return factory(app);
    *app = std::make_shared<App>(availability);
    return S_OK;
}

void SetApplicationFactory(ApplicationFactory factory) { Factory() = std::move(factory); }

void SetAvailability(Availability availability) { g_availability.store(availability); }

Availability GetAvailability() { return g_availability.load(); }

}  // namespace za::outlook
