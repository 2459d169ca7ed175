// The device profile as the quick command line reads it, without Qt: only a profile that passed
// its check as it is, read in one snapshot, and only the common case. Every function answers
// false where the complete command line would say more (a damaged file, a profile elsewhere, a
// name it orders otherwise); the caller then hands the command line over.
#pragma once

#include "clockcache.h"

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <utility>

namespace cli::quick {

// One connection, closed (and the check record renewed, as the complete command line does on
// closing) when it goes.
class Profile {
public:
    explicit Profile(std::string file) : m_file(std::move(file)) {}
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;
    ~Profile();
    bool open();
    sqlite3* db() const { return m_db; }
    void failed() { m_failed = true; }

private:
    std::string m_file;
    sqlite3* m_db = nullptr;
    bool m_failed = false;
};

// A prepared statement; any failure of SQLite marks the profile's use as failed, so that the
// complete command line reads it again and reports what it finds.
class Query {
public:
    Query(Profile& p, const std::string& sql);
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;
    ~Query() { sqlite3_finalize(m_st); }
    // Ready for new values, as if just prepared.
    void reset() {
        if (m_st) sqlite3_reset(m_st);
    }
    Query& bind(int i, std::int64_t v) {
        if (m_st) sqlite3_bind_int64(m_st, i, v);
        return *this;
    }
    Query& bind(int i, const std::string& v) {
        if (m_st) sqlite3_bind_text(m_st, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    // True for a row; false at the end or on failure (then failed() tells).
    bool step();
    bool failed() const { return m_failed || !m_st; }
    std::int64_t integer(int c) const { return sqlite3_column_int64(m_st, c); }
    int type(int c) const { return sqlite3_column_type(m_st, c); }
    std::string text(int c) const;
    std::string blob(int c) const;

private:
    Profile& m_profile;
    sqlite3_stmt* m_st = nullptr;
    bool m_failed = false;
};

// The profile's folder and device.db, when device.db passed its check as it is now, with a log
// the complete command line would take as it is.
bool SoundProfile(std::string* folder, std::string* file);

// At most `most` bytes of the file.
bool ReadFile(const std::string& path, std::string* bytes, std::size_t most);

// The cache of that name beside device.db, when it is whole and was kept for this environment
// and tz database.
template <typename Cache>
bool ReadCache(const std::string& folder, const char* name, Cache* cache) {
    std::string bytes;
    return ReadFile(folder + "/" + name, &bytes, std::size_t(1) << 22) && Parse(std::move(bytes), cache) &&
           cache->key == EnvironmentKey() && !cache->tzStamp.empty() && cache->tzStamp == TzStamp();
}

// What a command reads in the profile's snapshot: the city database's table and the slot of
// its name order, and the device's clock.
struct Snapshot {
    std::int64_t table = 0;
    int slot = -1;
    std::int64_t now = 0;  // UTC seconds
};

// Opens the profile, checks its identity against the schema the cache was kept for, and begins
// one read transaction for every read that follows, as another program may be writing.
bool OpenSnapshot(Profile& p, std::int32_t schemaVersion, Snapshot* s);
// Ends it; false when a name was compared in an order not known to be Qt's.
bool EndSnapshot(Profile& p);

// A city's record as the city list reads it.
struct CityRecord {
    std::u16string name, country, airport, countryCode, areaCode;
    std::int32_t zoneId = -1;  // -1: the record has none
    std::int32_t longitude = 0, latitude = 0;  // hundredths of a degree
};

// The city the name finds, as the city list's look-up by name does: the first equal in the name
// order, and only where its name differs from the one asked at most in ASCII case (beyond
// ASCII this program's order may differ from Qt's). False for none, or on failure.
class CityFinder {
public:
    CityFinder(Profile& p, const Snapshot& s);
    bool find(const std::u16string& name, CityRecord* city);

private:
    Query m_query;
};

// The display names and selection of the settings.
struct DisplaySettings {
    std::u16string names[5];
    int selected = 0;
};
bool ReadDisplaySettings(Profile& p, DisplaySettings* s);

}  // namespace cli::quick
