// Volumes and their catalogs: the object store in device.db and the volume files mounted by
// path, the connection of each, the write transaction that makes many writes all or nothing,
// and the catalog of the databases a volume holds (creating and deleting them). A handle finds
// its volume here again at every call, so a volume unmounted or a profile reopened under it
// turns the handle stale instead of leaving it on a closed connection.
#include "objectstore_p.h"

#include "device.h"
#include "schema.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <sqlite3.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>

using namespace za::objectstore::detail;

namespace {

// Marks a SQLite file as a record volume, so that mounting any other database fails.
constexpr std::int32_t kVolumeApplicationId = 0x5A415644;  // "ZAVD"

}  // namespace

// A record database's table and sort indexes are made when the database is created, so the
// catalog tells which a profile must hold.
QStringList za::device::MissingRecordDatabaseTables(Database& db) {
    QStringList present;
    Statement objects = db.prepare("SELECT name FROM sqlite_master");
    while (objects.step()) present << objects.columnText(0);
    QStringList missing;
    Statement catalog = db.prepare("SELECT oid, name, sorts FROM odb_catalog");
    while (catalog.step()) {
        const QString table = QStringLiteral("odb_%1").arg(catalog.columnInt(0));
        const QString of = QStringLiteral(" of the record database \"%1\"").arg(catalog.columnText(1));
        if (!present.contains(table)) missing << QStringLiteral("table ") + table + of;
        for (qint64 i = 0; i < catalog.columnInt(2); ++i) {
            const QString index = QStringLiteral("%1_s%2").arg(table).arg(i);
            if (!present.contains(index)) missing << QStringLiteral("index ") + index + of;
        }
    }
    return missing;
}

namespace {

constexpr const char* kFindByName = "SELECT oid, sorts, sort0, sort1, sort2, sort3 FROM odb_catalog WHERE name = ?1";
constexpr const char* kFindByOid = "SELECT oid, sorts, sort0, sort1, sort2, sort3 FROM odb_catalog WHERE oid = ?1";
constexpr const char* kNameTaken = "SELECT 1 FROM odb_catalog WHERE name = ?1";
constexpr const char* kAddCatalog =
    "INSERT INTO odb_catalog(name, type, sorts, sort0, flags0, sort1, flags1, sort2, flags2,"
    " sort3, flags3) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)";
constexpr const char* kRemoveCatalog = "DELETE FROM odb_catalog WHERE oid = ?1";

struct Volumes {
    Volume store;
    std::map<DWORD, std::unique_ptr<Volume>> mounted;
    DWORD nextId = 1;
};

Volumes& AllVolumes() {
    static Volumes volumes;
    return volumes;
}

}  // namespace

namespace za::objectstore::detail {

DWORD ErrorFromSqlite(const Database& db, DWORD otherwise) {
    switch (db.errorCode() & 0xFF) {
    case SQLITE_FULL: return ERROR_DISK_FULL;
    case SQLITE_READONLY: return ERROR_ACCESS_DENIED;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return ERROR_BADDB;
    default: return otherwise;
    }
}

bool FailWith(DWORD error) {
    SetLastError(error);
    return false;
}

CEOID SeekFailed(DWORD error) {
    SetLastError(error);
    return 0;
}

Database* Volume::db() {
    if (id != 0) return own.isOpen() ? &own : nullptr;
    Database* d = za::device::Db();
    if (d && deviceGeneration != za::device::Generation()) {
        statements.clear();
        deviceGeneration = za::device::Generation();
        serial = NextSerial();
    }
    return d;
}

Statement* Volume::prepare(const std::string& sql) {
    Database* d = db();
    if (!d) return nullptr;
    auto it = statements.find(sql);
    if (it == statements.end()) {
        Statement st = d->prepare(sql.c_str());
        if (!st.isValid()) return nullptr;
        it = statements.emplace(sql, std::move(st)).first;
    }
    it->second.reset();
    return &it->second;
}

unsigned Volume::NextSerial() {
    static unsigned serial = 0;
    return ++serial;
}

CEGUID GuidOf(DWORD id) {
    // Any value other than all zeros (the object store) or all 0xFF (none) names a volume.
    return CEGUID{id, 0x5A415644u, 0x564F4C55u, 0x4D450000u};
}

Volume* FindVolume(const CEGUID* guid) {
    if (!guid) return nullptr;
    Volumes& all = AllVolumes();
    if (CHECK_SYSTEMGUID(guid)) {
        if (!all.store.db()) return nullptr;
        if (all.store.serial == 0) all.store.serial = Volume::NextSerial();
        return &all.store;
    }
    auto it = all.mounted.find(guid->Data1);
    const CEGUID expected = GuidOf(guid->Data1);
    if (it == all.mounted.end() || std::memcmp(guid, &expected, sizeof(CEGUID)) != 0) return nullptr;
    return it->second.get();
}

bool InWrite(Volume& vol, const std::function<bool()>& fn) {
    if (vol.id == 0) {
        return za::device::Transaction([&](Database&) { return fn(); });
    }
    if (vol.transactionDepth > 0) return fn();
    if (!vol.own.exec("BEGIN IMMEDIATE")) return false;
    ++vol.transactionDepth;
    const bool ok = fn();
    --vol.transactionDepth;
    if (ok && vol.own.exec("COMMIT")) return true;
    vol.own.exec("ROLLBACK");
    return false;
}

bool FindDatabase(Volume& vol, CEOID oid, const QString& name, CatalogEntry* entry) {
    Statement* st = vol.prepare(oid == 0 ? kFindByName : kFindByOid);
    if (!st) return FailWith(ErrorFromSqlite(*vol.db(), ERROR_BADDB));
    if (oid == 0) {
        st->bind(1, name);
    } else {
        st->bind(1, static_cast<std::int64_t>(oid));
    }
    if (!st->step()) {
        const bool failed = st->failed();
        st->reset();
        return FailWith(failed ? ErrorFromSqlite(*vol.db(), ERROR_BADDB) : ERROR_FILE_NOT_FOUND);
    }
    entry->oid = static_cast<CEOID>(st->columnInt(0));
    entry->sorts = static_cast<int>(st->columnInt(1));
    for (int i = 0; i < CEDB_MAXSORTORDER; ++i) {
        entry->sortPropids[i] = static_cast<CEPROPID>(st->columnInt(2 + i));
    }
    st->reset();
    if (entry->sorts < 1 || entry->sorts > CEDB_MAXSORTORDER) return FailWith(ERROR_BADDB);
    return true;
}

std::string TableOf(CEOID oid) { return "odb_" + std::to_string(oid); }

}  // namespace za::objectstore::detail

// -------------------------------------------------------------------------------------------------

void CREATE_SYSTEMGUID(CEGUID* guid) { std::memset(guid, 0, sizeof(CEGUID)); }
void CREATE_INVALIDGUID(CEGUID* guid) { std::memset(guid, 0xFF, sizeof(CEGUID)); }

bool CHECK_SYSTEMGUID(const CEGUID* guid) {
    return guid && guid->Data1 == 0 && guid->Data2 == 0 && guid->Data3 == 0 && guid->Data4 == 0;
}

bool CHECK_INVALIDGUID(const CEGUID* guid) {
    return guid && guid->Data1 == 0xFFFFFFFFu && guid->Data2 == 0xFFFFFFFFu &&
           guid->Data3 == 0xFFFFFFFFu && guid->Data4 == 0xFFFFFFFFu;
}

// ---------------------------------------------------------------------------------------------
// Volumes

namespace {

// Opens a volume file as a connection; false with the error set when it is not a volume.
bool OpenVolumeFile(Database& db, const QString& path, bool create) {
    if (!db.open(path, create)) return FailWith(create ? ERROR_ACCESS_DENIED : ERROR_BAD_FORMAT);
    if (!db.exec("PRAGMA busy_timeout = 10000")) return FailWith(ERROR_BAD_FORMAT);
    Statement appId = db.prepare("PRAGMA application_id");
    if (!appId.step()) {  // not a database at all
        db.close();
        return FailWith(ERROR_BAD_FORMAT);
    }
    const bool isVolume = appId.columnInt(0) == kVolumeApplicationId;
    appId = Statement();
    if (create) {
        const std::string setId = "PRAGMA application_id = " + std::to_string(kVolumeApplicationId);
        if (!db.exec(setId.c_str())) {
            db.close();
            return FailWith(ErrorFromSqlite(db, ERROR_WRITE_FAULT));
        }
    } else if (!isVolume) {
        db.close();
        return FailWith(ERROR_BAD_FORMAT);
    }
    // Changes are on disk when a write returns, as with the device's own store.
    if (!db.exec("PRAGMA journal_mode = WAL") || !db.exec("PRAGMA synchronous = FULL") ||
        !db.exec("PRAGMA cache_size = -32768") ||
        !db.exec(za::device::kObjectStoreCatalogSchema)) {
        const DWORD error = ErrorFromSqlite(db, ERROR_BAD_FORMAT);
        db.close();
        return FailWith(error);
    }
    return true;
}

}  // namespace

BOOL CeMountDBVol(CEGUID* guid, const QString& volumePath, DWORD flags) {
    if (!guid || volumePath.isEmpty() ||
        (flags != OPEN_EXISTING && flags != CREATE_NEW)) {
        return FailWith(ERROR_INVALID_PARAMETER);
    }
    // ".." is resolved by name first, as SQLite does, so that "a/../v" is "v" even while "a"
    // does not exist; links are resolved too, so each file has one volume.
    const QString path = QDir::cleanPath(QFileInfo(volumePath).absoluteFilePath());
    QFileInfo info(path);
    const bool exists = info.exists();
    if (exists && !info.isFile()) return FailWith(ERROR_BAD_FORMAT);
    if (!exists && flags == OPEN_EXISTING) return FailWith(ERROR_FILE_NOT_FOUND);
    if (exists && flags == CREATE_NEW) return FailWith(ERROR_ALREADY_EXISTS);

    Volumes& all = AllVolumes();
    if (exists) {
        const QString canonical = info.canonicalFilePath();
        for (auto& [id, vol] : all.mounted) {
            if (vol->path == canonical) {
                ++vol->mounts;
                *guid = GuidOf(id);
                return TRUE;
            }
        }
    }
    auto vol = std::make_unique<Volume>();
    if (!OpenVolumeFile(vol->own, path, !exists)) return FALSE;
    vol->id = all.nextId++;
    vol->serial = Volume::NextSerial();
    vol->path = QFileInfo(path).canonicalFilePath();
    vol->mounts = 1;
    *guid = GuidOf(vol->id);
    all.mounted.emplace(vol->id, std::move(vol));
    return TRUE;
}

BOOL CeUnmountDBVol(CEGUID* guid) {
    if (!guid || CHECK_SYSTEMGUID(guid)) return FailWith(ERROR_INVALID_PARAMETER);
    Volumes& all = AllVolumes();
    auto it = all.mounted.find(guid->Data1);
    const CEGUID expected = GuidOf(guid->Data1);
    if (it == all.mounted.end() || std::memcmp(guid, &expected, sizeof(CEGUID)) != 0) {
        return FailWith(ERROR_INVALID_PARAMETER);
    }
    if (--it->second->mounts == 0) {
        it->second->statements.clear();
        it->second->own.close();
        all.mounted.erase(it);  // handles on it now fail with ERROR_INVALID_HANDLE
    }
    return TRUE;
}

BOOL CeWriteAllOrNothing(CEGUID* guid, const std::function<bool()>& writes) {
    Volume* vol = FindVolume(guid);
    if (!vol || !writes) return FailWith(ERROR_INVALID_PARAMETER);
    DWORD error = ERROR_SUCCESS;
    const bool ok = InWrite(*vol, [&] {
        const bool done = writes();
        if (!done) error = GetLastError();
        return done;
    });
    // Rows read ahead during the writes may have been rolled back.
    ++vol->changes;
    if (ok) return TRUE;
    return FailWith(error != ERROR_SUCCESS ? error : ErrorFromSqlite(*vol->db(), ERROR_WRITE_FAULT));
}

// ---------------------------------------------------------------------------------------------
// Databases

CEOID CeCreateDatabaseEx(CEGUID* guid, const CEDBASEINFO* info) {
    Volume* vol = FindVolume(guid);
    if (!vol || !info) return SeekFailed(ERROR_INVALID_PARAMETER);
    const QString& name = info->szDbaseName;
    if (name.isEmpty() || name.size() >= CEDB_MAXDBASENAMELEN || info->wNumSortOrder < 1 ||
        info->wNumSortOrder > CEDB_MAXSORTORDER) {
        return SeekFailed(ERROR_INVALID_PARAMETER);
    }
    for (int i = 0; i < info->wNumSortOrder; ++i) {
        const SORTORDERSPEC& order = info->rgSortSpecs[i];
        if (!IsSortableType(TypeFromPropID(order.propid)) ||
            (order.dwFlags & ~CEDB_SORT_CASEINSENSITIVE) != 0) {
            return SeekFailed(ERROR_INVALID_PARAMETER);
        }
        for (int j = 0; j < i; ++j) {
            if (info->rgSortSpecs[j].propid == order.propid) return SeekFailed(ERROR_INVALID_PARAMETER);
        }
    }

    CEOID created = 0;
    DWORD error = ERROR_WRITE_FAULT;
    const bool ok = InWrite(*vol, [&] {
        Database& db = *vol->db();
        Statement taken = db.prepare(kNameTaken);
        taken.bind(1, name);
        if (taken.step()) {
            error = ERROR_DUP_NAME;
            return false;
        }
        Statement add = db.prepare(kAddCatalog);
        add.bind(1, name).bind(2, static_cast<std::int64_t>(info->dwDbaseType)).bind(3, info->wNumSortOrder);
        for (int i = 0; i < CEDB_MAXSORTORDER; ++i) {
            if (i < info->wNumSortOrder) {
                add.bind(4 + 2 * i, static_cast<std::int64_t>(info->rgSortSpecs[i].propid));
                add.bind(5 + 2 * i, static_cast<std::int64_t>(info->rgSortSpecs[i].dwFlags));
            } else {
                add.bindNull(4 + 2 * i).bindNull(5 + 2 * i);
            }
        }
        if (!add.run()) {
            error = ErrorFromSqlite(db, ERROR_WRITE_FAULT);
            return false;
        }
        created = static_cast<CEOID>(db.lastInsertRowId());
        const std::string table = TableOf(created);
        std::string create = "CREATE TABLE " + table + "(oid INTEGER PRIMARY KEY, props BLOB NOT NULL";
        for (int i = 0; i < info->wNumSortOrder; ++i) {
            const std::string s = std::to_string(i);
            create += ", k" + s + " NOT NULL COLLATE ZANOCASE, m" + s + " INTEGER NOT NULL";
        }
        create += ")";
        if (!db.exec(create.c_str())) {
            error = ErrorFromSqlite(db, ERROR_WRITE_FAULT);
            return false;
        }
        for (int i = 0; i < info->wNumSortOrder; ++i) {
            const std::string s = std::to_string(i);
            const std::string index =
                "CREATE INDEX " + table + "_s" + s + " ON " + table + "(m" + s + ", k" + s + ", oid, props)";
            if (!db.exec(index.c_str())) {
                error = ErrorFromSqlite(db, ERROR_WRITE_FAULT);
                return false;
            }
        }
        return true;
    });
    if (!ok) return SeekFailed(error);
    ++vol->changes;
    return created;
}

BOOL CeDeleteDatabaseEx(CEGUID* guid, CEOID oid) {
    Volume* vol = FindVolume(guid);
    if (!vol || oid == 0) return FailWith(ERROR_INVALID_PARAMETER);
    CatalogEntry entry;
    if (!FindDatabase(*vol, oid, QString(), &entry)) return FALSE;
    DWORD error = ERROR_WRITE_FAULT;
    const bool ok = InWrite(*vol, [&] {
        Database& db = *vol->db();
        const std::string drop = "DROP TABLE IF EXISTS " + TableOf(oid);
        Statement remove = db.prepare(kRemoveCatalog);
        remove.bind(1, static_cast<std::int64_t>(oid));
        if (!remove.run() || !db.exec(drop.c_str())) {
            error = ErrorFromSqlite(db, ERROR_WRITE_FAULT);
            return false;
        }
        return true;
    });
    // Statements on the dropped table must not be reused by a later database of that id.
    vol->statements.clear();
    ++vol->changes;
    return ok ? TRUE : FailWith(error);
}
