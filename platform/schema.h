// The device profile's schema in one place: every table and index of device.db that the
// platform's services keep, with the schema version that introduced it, in the order they are
// made. A profile must hold every statement's objects of its own version or older, else it is
// damaged; a statement of a version above an older profile's is an upgrade step for it, run
// when that profile opens (see device.h).
#pragma once

#include "sqlite.h"

#include <QStringList>

namespace za::device {

// The registry: keys (path as first written and case-folded for lookups) and their values.
inline constexpr const char* kRegistrySchema =
    "CREATE TABLE IF NOT EXISTS reg_keys("
    " id INTEGER PRIMARY KEY,"
    " root INTEGER NOT NULL,"
    " path TEXT NOT NULL,"       // as first written
    " fold TEXT NOT NULL,"       // case-folded, for lookups
    " UNIQUE(root, fold));"
    "CREATE TABLE IF NOT EXISTS reg_values("
    " key_id INTEGER NOT NULL REFERENCES reg_keys(id) ON DELETE CASCADE,"
    " name TEXT NOT NULL,"
    " fold TEXT NOT NULL,"
    " type INTEGER NOT NULL,"
    " data BLOB NOT NULL,"
    " PRIMARY KEY(key_id, fold)) WITHOUT ROWID";

// The device clock's offset and the device zone.
inline constexpr const char* kDeviceClockSchema =
    "CREATE TABLE IF NOT EXISTS device_clock(name TEXT PRIMARY KEY, value) WITHOUT ROWID";

// The Outlook stand-in's cities and state; home_city and visiting_city of the state hold a row
// id of outlook_cities, current_city 0 or 1.
inline constexpr const char* kOutlookCitiesSchema =
    "CREATE TABLE IF NOT EXISTS outlook_cities("
    " id INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL,"
    " country TEXT NOT NULL,"
    " airport_code TEXT NOT NULL,"
    " country_phone_code TEXT NOT NULL,"
    " area_code TEXT NOT NULL,"
    " longitude INTEGER NOT NULL,"   // hundredths of a degree, east positive
    " latitude INTEGER NOT NULL,"    // hundredths of a degree, north positive
    " timezone_index INTEGER NOT NULL)";
inline constexpr const char* kOutlookCitiesByName =
    "CREATE INDEX IF NOT EXISTS outlook_cities_name ON outlook_cities(name)";
inline constexpr const char* kOutlookStateSchema =
    "CREATE TABLE IF NOT EXISTS outlook_state(name TEXT PRIMARY KEY, value INTEGER NOT NULL) WITHOUT ROWID";

// The catalog of a volume (device.db or a volume file). Each database gets a table
// odb_<oid> holding its records: the properties serialised in one blob, and for each sort
// order s a column k<s> with the sort value and m<s> telling where records without it go
// (0 first, 1 has a value, 2 last), indexed on (m<s>, k<s>, oid, props): the index holds the
// records too, so a walk in sort order reads no table rows.
inline constexpr const char* kObjectStoreCatalogSchema =
    "CREATE TABLE IF NOT EXISTS odb_catalog("
    " oid INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL UNIQUE COLLATE ZANOCASE,"
    " type INTEGER NOT NULL,"
    " sorts INTEGER NOT NULL,"
    " sort0 INTEGER, flags0 INTEGER, sort1 INTEGER, flags1 INTEGER,"
    " sort2 INTEGER, flags2 INTEGER, sort3 INTEGER, flags3 INTEGER)";

// One row per window. "started" is the owner's start time, so that a process that later gets
// the same id is not taken for the owner of a dead process's windows. AUTOINCREMENT keeps ids
// from being reused, so a handle to a destroyed window never reaches a newer one.
inline constexpr const char* kWindowsSchema =
    "CREATE TABLE IF NOT EXISTS windows("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " pid INTEGER NOT NULL,"
    " started INTEGER NOT NULL,"
    " tid INTEGER NOT NULL,"
    " class TEXT NOT NULL,"
    " title TEXT NOT NULL,"
    " endpoint TEXT NOT NULL)";

// Registered message names; the number is 0xC000 + rowid - 1.
inline constexpr const char* kRegisteredMessagesSchema =
    "CREATE TABLE IF NOT EXISTS registered_messages("
    " id INTEGER PRIMARY KEY,"
    " name TEXT NOT NULL UNIQUE COLLATE NOCASE)";

// User notifications. AUTOINCREMENT keeps a cleared notification's handle from being given out
// again. The trigger is the UTC instant in milliseconds; "signalled" is 1 from the moment a
// delivering process claimed it.
inline constexpr const char* kUserNotificationsSchema =
    "CREATE TABLE IF NOT EXISTS user_notifications("
    " handle INTEGER PRIMARY KEY AUTOINCREMENT,"
    " due_utc_ms INTEGER NOT NULL,"
    " signalled INTEGER NOT NULL DEFAULT 0,"
    " type INTEGER NOT NULL,"
    " event INTEGER NOT NULL,"
    " application TEXT NOT NULL,"
    " arguments TEXT NOT NULL,"
    " title TEXT NOT NULL,"
    " body TEXT NOT NULL,"
    " sound TEXT NOT NULL,"
    " action_flags INTEGER NOT NULL,"
    " max_sound INTEGER NOT NULL)";
inline constexpr const char* kUserNotificationsDueIndex =
    "CREATE INDEX IF NOT EXISTS user_notifications_due ON user_notifications(signalled, due_utc_ms)";

// The claim of an alarm agent on a notification it delivers: held until the lease ends,
// renewed while the agent runs; "shown" once the notification server answered, with the
// server's id. A notification signalled without a claim (claimed before claims were kept)
// counts as one whose lease has ended.
inline constexpr const char* kNotificationClaimsSchema =
    "CREATE TABLE IF NOT EXISTS notification_claims("
    " handle INTEGER PRIMARY KEY REFERENCES user_notifications(handle) ON DELETE CASCADE,"
    " lease_until_ms INTEGER NOT NULL,"
    " shown INTEGER NOT NULL DEFAULT 0,"
    " server_id INTEGER NOT NULL DEFAULT 0)";

struct SchemaStatement {
    const char* sql;
    int version;
};

// Version 2 added the registered messages to the first profiles, version 3 the notification
// store, version 4 the notifications' claims.
inline constexpr SchemaStatement kServiceSchema[] = {
    {kRegistrySchema, 1},
    {kDeviceClockSchema, 1},
    {kOutlookCitiesSchema, 1},
    {kOutlookCitiesByName, 1},
    {kOutlookStateSchema, 1},
    {kObjectStoreCatalogSchema, 1},
    {kWindowsSchema, 1},
    {kRegisteredMessagesSchema, 2},
    {kUserNotificationsSchema, 3},
    {kUserNotificationsDueIndex, 3},
    {kNotificationClaimsSchema, 4},
};

// The record databases' own tables and sort indexes, made when a database is created: what a
// profile lacks of those its catalog names, in words ("table odb_3 of the record database
// ..."). Kept by the object store.
QStringList MissingRecordDatabaseTables(sql::Database& db);

}  // namespace za::device
