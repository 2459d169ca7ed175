#include "objectstore.h"

#include "device.h"
#include "handles.h"
#include "schema.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

using za::sql::Database;
using za::sql::Statement;

// Marks a SQLite file as a record volume, so that mounting any other database fails.
constexpr std::int32_t kVolumeApplicationId = 0x5A415644;  // "ZAVD"
// Rows fetched ahead when walking in sort order: one query per batch instead of per record.
// A walk's batches start small and double, so a short walk reads little it does not use and a
// long one makes few queries.
constexpr int kFirstBatch = 32;
constexpr int kLargestBatch = 256;

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

constexpr const char* kFindByName =
    "SELECT oid, sorts, sort0, flags0, sort1, flags1, sort2, flags2, sort3, flags3"
    " FROM odb_catalog WHERE name = ?1";
constexpr const char* kFindByOid =
    "SELECT oid, sorts, sort0, flags0, sort1, flags1, sort2, flags2, sort3, flags3"
    " FROM odb_catalog WHERE oid = ?1";
constexpr const char* kNameTaken = "SELECT 1 FROM odb_catalog WHERE name = ?1";
constexpr const char* kAddCatalog =
    "INSERT INTO odb_catalog(name, type, sorts, sort0, flags0, sort1, flags1, sort2, flags2,"
    " sort3, flags3) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)";
constexpr const char* kRemoveCatalog = "DELETE FROM odb_catalog WHERE oid = ?1";

// ---------------------------------------------------------------------------------------------
// Property values as stored: a sequence of (propid u32, length u32, data), little-endian.

struct StoredProp {
    CEPROPID propid;
    QByteArray data;
};

bool IsSupportedType(WORD type) {
    return type == CEVT_I2 || type == CEVT_UI2 || type == CEVT_I4 || type == CEVT_UI4 ||
           type == CEVT_LPWSTR || type == CEVT_BLOB;
}

bool IsSortableType(WORD type) { return IsSupportedType(type) && type != CEVT_BLOB; }

void PutU32(QByteArray& out, DWORD v) {
    char b[4] = {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                 static_cast<char>(v >> 24)};
    out.append(b, 4);
}

DWORD GetU32(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return DWORD(u[0]) | DWORD(u[1]) << 8 | DWORD(u[2]) << 16 | DWORD(u[3]) << 24;
}

QByteArray Serialise(const std::vector<StoredProp>& props) {
    QByteArray out;
    for (const StoredProp& p : props) {
        PutU32(out, p.propid);
        PutU32(out, static_cast<DWORD>(p.data.size()));
        out.append(p.data);
    }
    return out;
}

// One stored property seen in place: its bytes stay in the blob it was parsed from.
struct PropView {
    CEPROPID propid;
    const char* data;
    DWORD size;
};

// Returns false for a blob that is not a well-formed property list (a damaged or hostile file).
// The views point into the blob, which must outlive them.
bool ParseViews(const QByteArray& blob, std::vector<PropView>* props) {
    props->clear();
    const char* p = blob.constData();
    qsizetype left = blob.size();
    while (left > 0) {
        if (left < 8) return false;
        const CEPROPID propid = GetU32(p);
        const DWORD length = GetU32(p + 4);
        p += 8;
        left -= 8;
        if (length > static_cast<DWORD>(left) || length > CEDB_MAXPROPDATASIZE) return false;
        const WORD type = TypeFromPropID(propid);
        const bool sizeOk = (type == CEVT_I2 || type == CEVT_UI2)   ? length == 2
                            : (type == CEVT_I4 || type == CEVT_UI4) ? length == 4
                            : type == CEVT_LPWSTR                   ? length % 2 == 0
                                                                    : type == CEVT_BLOB;
        if (!sizeOk || props->size() >= CEDB_MAXPROPCOUNT) return false;
        props->push_back(PropView{propid, p, length});
        p += length;
        left -= length;
    }
    return true;
}

// The same, as values of their own.
bool Parse(const QByteArray& blob, std::vector<StoredProp>* props) {
    std::vector<PropView> views;
    if (!ParseViews(blob, &views)) return false;
    props->clear();
    for (const PropView& v : views) {
        props->push_back(StoredProp{v.propid, QByteArray(v.data, static_cast<qsizetype>(v.size))});
    }
    return true;
}

// The stored bytes of one value to be written, or false when the value cannot be stored.
bool Encode(const CEPROPVAL& v, QByteArray* data) {
    switch (TypeFromPropID(v.propid)) {
    case CEVT_I2:
    case CEVT_UI2: {
        const WORD w = v.val.uiVal;
        const char b[2] = {static_cast<char>(w), static_cast<char>(w >> 8)};
        *data = QByteArray(b, 2);
        return true;
    }
    case CEVT_I4:
    case CEVT_UI4:
        data->clear();
        PutU32(*data, v.val.ulVal);
        return true;
    case CEVT_LPWSTR: {
        if (!v.val.lpwstr) return false;
        // Stop at the limit so an unterminated string is refused, not read without end.
        std::size_t n = 0;
        while (v.val.lpwstr[n] != 0) {
            if (++n * 2 > CEDB_MAXPROPDATASIZE) return false;
        }
        *data = QByteArray(reinterpret_cast<const char*>(v.val.lpwstr), static_cast<qsizetype>(n * 2));
        return true;
    }
    case CEVT_BLOB:
        if (v.val.blob.dwCount > CEDB_MAXPROPDATASIZE) return false;
        if (v.val.blob.dwCount > 0 && !v.val.blob.lpb) return false;
        *data = QByteArray(reinterpret_cast<const char*>(v.val.blob.lpb),
                           static_cast<qsizetype>(v.val.blob.dwCount));
        return true;
    default:
        return false;
    }
}

// A sort value: an integer or a string, as held in a k<s> column.
struct SortKey {
    int m = 2;
    bool isText = false;
    qint64 number = 0;
    QString text;
};

SortKey KeyOf(const std::vector<StoredProp>& props, CEPROPID sortPropid, DWORD sortFlags) {
    SortKey key;
    key.m = (sortFlags & CEDB_SORT_UNKNOWNFIRST) ? 0 : 2;
    for (const StoredProp& p : props) {
        if (p.propid != sortPropid) continue;
        key.m = 1;
        const auto* u = reinterpret_cast<const unsigned char*>(p.data.constData());
        switch (TypeFromPropID(p.propid)) {
        case CEVT_I2: key.number = static_cast<short>(u[0] | u[1] << 8); break;
        case CEVT_UI2: key.number = static_cast<WORD>(u[0] | u[1] << 8); break;
        case CEVT_I4: key.number = static_cast<LONG>(GetU32(p.data.constData())); break;
        case CEVT_UI4: key.number = GetU32(p.data.constData()); break;
        case CEVT_LPWSTR:
            key.isText = true;
            key.text = QString(reinterpret_cast<const QChar*>(p.data.constData()), p.data.size() / 2);
            break;
        default: break;
        }
    }
    return key;
}

// The sort value a seek asks for, or false when its type does not match the sort order.
bool KeyOfValue(const CEPROPVAL& v, CEPROPID sortPropid, SortKey* key) {
    if (v.propid != sortPropid) return false;
    QByteArray data;
    if (!Encode(v, &data)) return false;
    *key = KeyOf({StoredProp{v.propid, data}}, sortPropid, 0);
    return key->m == 1;
}

void BindKey(Statement& st, int index, const SortKey& key) {
    if (key.isText) {
        st.bind(index, key.text);
    } else {
        st.bind(index, static_cast<std::int64_t>(key.number));
    }
}

DWORD ErrorFromSqlite(const Database& db, DWORD otherwise) {
    switch (db.errorCode() & 0xFF) {
    case SQLITE_FULL: return ERROR_DISK_FULL;
    case SQLITE_READONLY: return ERROR_ACCESS_DENIED;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return ERROR_BADDB;
    default: return otherwise;
    }
}

// ---------------------------------------------------------------------------------------------
// Volumes: the object store (device.db) and mounted volume files.

struct Volume {
    DWORD id = 0;          // 0 = the object store
    unsigned serial = 0;   // changes with every connection, so stale handles are recognised
    QString path;          // canonical path of a volume file
    Database own;          // the connection of a volume file
    int mounts = 0;
    int transactionDepth = 0;
    unsigned deviceGeneration = 0;
    quint64 changes = 0;   // writes through this process, so handles drop rows read ahead
    std::unordered_map<std::string, Statement> statements;

    Database* db() {
        if (id != 0) return own.isOpen() ? &own : nullptr;
        Database* d = za::device::Db();
        if (d && deviceGeneration != za::device::Generation()) {
            statements.clear();
            deviceGeneration = za::device::Generation();
            serial = NextSerial();
        }
        return d;
    }

    // A prepared statement of this connection, kept for reuse. Statements are always reset
    // after use, so one cached statement never serves two callers at once.
    Statement* prepare(const std::string& sql) {
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

    static unsigned NextSerial() {
        static unsigned serial = 0;
        return ++serial;
    }
};

struct Volumes {
    Volume store;
    std::map<DWORD, std::unique_ptr<Volume>> mounted;
    DWORD nextId = 1;
};

Volumes& AllVolumes() {
    static Volumes volumes;
    return volumes;
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

// Runs fn inside one write transaction of the volume's connection.
// Nested calls join the outer transaction.
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

// ---------------------------------------------------------------------------------------------
// Open databases.

struct Row {
    CEOID oid = 0;
    SortKey key;
    QByteArray props;                    // may point into arena
    std::shared_ptr<QByteArray> arena;  // the properties of a whole batch, read in one buffer
};

struct DbHandle {
    DWORD volumeId = 0;
    unsigned volumeSerial = 0;
    CEOID dbOid = 0;
    std::string table;
    int slot = 0;  // which sort order the handle walks
    int sortCount = 0;
    CEPROPID sortPropids[CEDB_MAXSORTORDER] = {};
    DWORD sortFlags[CEDB_MAXSORTORDER] = {};
    DWORD flags = 0;

    bool hasCurrent = false;
    Row current;
    qint64 index = -1;  // position of the current record, when known
    std::deque<Row> ahead;
    quint64 changesSeen = 0;
    qint64 aheadVersion = -1;  // the content version when the rows ahead were read
    int batch = kFirstBatch;   // rows the next refill reads
    // Why a read's automatic move past its record failed, when that was not the end of the
    // records: the next read reports it instead of taking the walk for finished.
    DWORD moveError = ERROR_SUCCESS;
};

std::unordered_map<DbHandle*, std::unique_ptr<DbHandle>>& Handles() {
    static std::unordered_map<DbHandle*, std::unique_ptr<DbHandle>> handles;
    return handles;
}

// The handle and its volume, or null with ERROR_INVALID_HANDLE when either is gone.
DbHandle* Resolve(HANDLE h, Volume** volume) {
    auto& handles = Handles();
    auto it = handles.find(static_cast<DbHandle*>(h));
    if (it == handles.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    DbHandle* d = it->second.get();
    CEGUID guid;
    if (d->volumeId == 0) {
        CREATE_SYSTEMGUID(&guid);
    } else {
        guid = GuidOf(d->volumeId);
    }
    Volume* vol = FindVolume(&guid);
    if (!vol || vol->serial != d->volumeSerial) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    *volume = vol;
    return d;
}

// SQL of one kind of query on a handle's table and sort order. The table and column names are
// built from numbers this module chose; values are always bound.
enum class Query { First, Last, After, Before, Equal, Greater, Smaller, ByOid, IndexOf, Props };

std::string SqlOf(const DbHandle& d, Query q) {
    const std::string s = std::to_string(d.slot);
    const std::string m = "m" + s, k = "k" + s;
    const std::string cols = "SELECT oid, " + m + ", " + k + ", props FROM " + d.table;
    const std::string asc = " ORDER BY " + m + ", " + k + ", oid";
    const std::string desc = " ORDER BY " + m + " DESC, " + k + " DESC, oid DESC";
    const std::string pos = "(" + m + ", " + k + ", oid)";
    switch (q) {
    case Query::First: return cols + asc + " LIMIT ?1 OFFSET ?2";
    case Query::Last: return cols + desc + " LIMIT ?1 OFFSET ?2";
    case Query::After: return cols + " WHERE " + pos + " > (?1, ?2, ?3)" + asc + " LIMIT ?4 OFFSET ?5";
    case Query::Before: return cols + " WHERE " + pos + " < (?1, ?2, ?3)" + desc + " LIMIT ?4 OFFSET ?5";
    case Query::Equal: return cols + " WHERE " + m + " = 1 AND " + k + " = ?1" + asc + " LIMIT 1";
    case Query::Greater: return cols + " WHERE " + m + " = 1 AND " + k + " > ?1" + asc + " LIMIT 1";
    case Query::Smaller: return cols + " WHERE " + m + " = 1 AND " + k + " < ?1" + desc + " LIMIT 1";
    case Query::ByOid: return cols + " WHERE oid = ?1";
    case Query::IndexOf: return "SELECT count(*) FROM " + d.table + " WHERE " + pos + " < (?1, ?2, ?3)";
    case Query::Props: return "SELECT props FROM " + d.table + " WHERE oid = ?1";
    }
    return {};
}

// The rows a query gives, in order; *failed tells a failed query from one without rows.
std::vector<Row> Fetch(Statement* st, bool* failed) {
    std::vector<Row> rows;
    *failed = false;
    if (!st) {
        *failed = true;
        return rows;
    }
    // One buffer for the batch's properties instead of an allocation per record; the rows
    // refer to it and keep it alive.
    auto arena = std::make_shared<QByteArray>();
    std::vector<std::pair<qsizetype, int>> spans;
    while (st->step()) {
        Row row;
        row.oid = static_cast<CEOID>(st->columnInt(0));
        row.key.m = static_cast<int>(st->columnInt(1));
        if (st->columnIsText(2)) {
            row.key.isText = true;
            row.key.text = st->columnText(2);
        } else {
            row.key.number = st->columnInt(2);
        }
        int size = 0;
        const char* data = st->columnBlobData(3, &size);
        spans.emplace_back(arena->size(), size);
        if (size > 0) arena->append(data, size);
        rows.push_back(std::move(row));
    }
    *failed = st->failed();
    st->reset();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].props = QByteArray::fromRawData(arena->constData() + spans[i].first, spans[i].second);
        rows[i].arena = arena;
    }
    return rows;
}

Statement* Prepare(Volume& vol, const DbHandle& d, Query q) { return vol.prepare(SqlOf(d, q)); }

void BindPosition(Statement* st, const Row& row) {
    st->bind(1, row.key.m);
    BindKey(*st, 2, row.key);
    st->bind(3, static_cast<std::int64_t>(row.oid));
}

// Drops rows read ahead once this process has written to the volume. Rows read ahead are a
// snapshot taken by the query that read them, as any SQLite statement's rows are: another
// process's commit shows from the next batch on. Asking SQLite for its data version at each
// step would cost two lock calls per record and triple the time of a full walk.
void CheckFresh(Volume& vol, DbHandle& d) {
    if (d.changesSeen != vol.changes) {
        d.ahead.clear();
        d.changesSeen = vol.changes;
    }
}

// The version of the database content as of the connection's last transaction; it changes
// with every commit by any connection. Reading it costs no system call.
qint64 ContentVersion(Volume& vol) {
    unsigned int version = 0;
    Database* db = vol.db();
    if (!db || sqlite3_file_control(db->handle(), "main", SQLITE_FCNTL_DATA_VERSION, &version) != SQLITE_OK) {
        return -1;
    }
    return version;
}

// The same after looking at the database afresh (one short read transaction).
qint64 CurrentContentVersion(Volume& vol) {
    Statement* st = vol.prepare("PRAGMA data_version");
    if (!st) return -1;
    st->step();
    st->reset();
    return ContentVersion(vol);
}

// Makes the first of freshly queried rows the current record, keeping the rest to step to.
CEOID Land(Volume& vol, DbHandle& d, std::vector<Row>&& rows, qint64 index, bool keepAhead) {
    d.changesSeen = vol.changes;
    d.current = std::move(rows.front());
    d.hasCurrent = true;
    d.moveError = ERROR_SUCCESS;
    d.index = index;
    d.ahead.clear();
    if (keepAhead && rows.size() > 1) {
        for (std::size_t i = 1; i < rows.size(); ++i) d.ahead.push_back(std::move(rows[i]));
        d.aheadVersion = ContentVersion(vol);  // as of the query that read them
    }
    return d.current.oid;
}

CEOID SeekFailed(DWORD error) {
    SetLastError(error);
    return 0;
}

// The error that record writes are refused with (za::objectstore::SetRefusedWrites); 0: none.
DWORD& RefusedWrites() {
    static DWORD error = ERROR_SUCCESS;
    return error;
}

// The current record's position in the sort order. Counted only when a caller asks and it is
// not known from the seek, since counting walks the index up to the record.
DWORD IndexOfCurrent(Volume& vol, DbHandle& d) {
    if (d.index < 0) {
        Statement* st = Prepare(vol, d, Query::IndexOf);
        if (st) {
            BindPosition(st, d.current);
            if (st->step()) d.index = st->columnInt(0);
            st->reset();
        }
    }
    return static_cast<DWORD>(d.index);
}

// Moves delta records from the current one (delta != 0).
CEOID Move(Volume& vol, DbHandle& d, LONG delta) {
    if (!d.hasCurrent) return SeekFailed(ERROR_SEEK);
    CheckFresh(vol, d);
    const qint64 newIndex = d.index >= 0 ? d.index + delta : -1;
    if (delta > 0 && static_cast<std::size_t>(delta) <= d.ahead.size()) {
        for (LONG i = 1; i < delta; ++i) d.ahead.pop_front();
        d.current = std::move(d.ahead.front());
        d.ahead.pop_front();
        d.index = newIndex;
        return d.current.oid;
    }
    const bool forward = delta > 0;
    Statement* st = Prepare(vol, d, forward ? Query::After : Query::Before);
    if (!st) return SeekFailed(ErrorFromSqlite(*vol.db(), ERROR_BADDB));
    BindPosition(st, d.current);
    st->bind(4, forward ? d.batch : 1);
    if (forward) d.batch = std::min(d.batch * 2, kLargestBatch);
    st->bind(5, static_cast<std::int64_t>(forward ? delta - 1 : -static_cast<qint64>(delta) - 1));
    bool failed = false;
    std::vector<Row> rows = Fetch(st, &failed);
    if (failed) return SeekFailed(ErrorFromSqlite(*vol.db(), ERROR_BADDB));
    if (rows.empty()) return SeekFailed(ERROR_SEEK);
    return Land(vol, d, std::move(rows), newIndex, forward);
}

}  // namespace

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

bool FailWith(DWORD error) {
    SetLastError(error);
    return false;
}

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
        (flags != OPEN_EXISTING && flags != CREATE_NEW && flags != OPEN_ALWAYS)) {
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

BOOL CeFlushDBVol(CEGUID* guid) {
    Volume* vol = FindVolume(guid);
    if (!vol) return FailWith(ERROR_INVALID_PARAMETER);
    Database* db = vol->db();
    if (!db->exec("PRAGMA wal_checkpoint(FULL)")) return FailWith(ErrorFromSqlite(*db, ERROR_WRITE_FAULT));
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

namespace {

struct CatalogEntry {
    CEOID oid = 0;
    int sorts = 0;
    CEPROPID sortPropids[CEDB_MAXSORTORDER] = {};
    DWORD sortFlags[CEDB_MAXSORTORDER] = {};
};

// Looks a database up by name (oid 0) or identifier. False with the error set when absent.
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
        entry->sortPropids[i] = static_cast<CEPROPID>(st->columnInt(2 + 2 * i));
        entry->sortFlags[i] = static_cast<DWORD>(st->columnInt(3 + 2 * i));
    }
    st->reset();
    if (entry->sorts < 1 || entry->sorts > CEDB_MAXSORTORDER) return FailWith(ERROR_BADDB);
    return true;
}

std::string TableOf(CEOID oid) { return "odb_" + std::to_string(oid); }

}  // namespace

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
            (order.dwFlags & ~(CEDB_SORT_CASEINSENSITIVE | CEDB_SORT_UNKNOWNFIRST)) != 0) {
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

HANDLE CeOpenDatabaseEx(CEGUID* guid, CEOID* oid, const QString& name, CEPROPID sortPropid,
                        DWORD flags, void* /*notify*/) {
    if (!guid || !oid || (flags & ~CEDB_AUTOINCREMENT) != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    Volume* vol = FindVolume(guid);
    if (!vol) {
        // The object store is missing only when the device profile cannot be used.
        SetLastError(CHECK_SYSTEMGUID(guid) ? ERROR_BADDB : ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    CatalogEntry entry;
    if (*oid == 0 && name.isEmpty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    if (!FindDatabase(*vol, *oid, name, &entry)) return INVALID_HANDLE_VALUE;
    int slot = sortPropid == 0 ? 0 : -1;
    for (int i = 0; i < entry.sorts && slot < 0; ++i) {
        if (entry.sortPropids[i] == sortPropid) slot = i;
    }
    if (slot < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    auto d = std::make_unique<DbHandle>();
    d->volumeId = vol->id;
    d->volumeSerial = vol->serial;
    d->dbOid = entry.oid;
    d->table = TableOf(entry.oid);
    d->slot = slot;
    d->sortCount = entry.sorts;
    std::memcpy(d->sortPropids, entry.sortPropids, sizeof d->sortPropids);
    std::memcpy(d->sortFlags, entry.sortFlags, sizeof d->sortFlags);
    d->flags = flags;
    d->changesSeen = vol->changes;
    *oid = entry.oid;
    DbHandle* handle = d.get();
    Handles().emplace(handle, std::move(d));
    za::handles::Add(handle, [handle] { Handles().erase(handle); });
    return handle;
}

// ---------------------------------------------------------------------------------------------
// Seeking

CEOID CeSeekDatabase(HANDLE handle, DWORD seekType, DWORD value, DWORD* index) {
    Volume* vol = nullptr;
    DbHandle* d = Resolve(handle, &vol);
    if (!d) return 0;
    CEOID found = 0;
    switch (seekType) {
    case CEDB_SEEK_CURRENT: {
        const LONG delta = static_cast<LONG>(value);
        if (delta == 0) {
            if (!d->hasCurrent) return SeekFailed(ERROR_SEEK);
            found = d->current.oid;
        } else {
            found = Move(*vol, *d, delta);
        }
        break;
    }
    case CEDB_SEEK_BEGINNING:
        // Near the current record a move costs the distance; an offset from the first record
        // costs the whole way there.
        // (Only while this process has not written since the position was counted; the rows
        // read ahead are dropped when another process has committed since, as a seek sees
        // every commit.)
        if (d->hasCurrent && d->index >= 0 && d->changesSeen == vol->changes &&
            std::llabs(static_cast<qint64>(value) - d->index) < static_cast<qint64>(value)) {
            const qint64 delta = static_cast<qint64>(value) - d->index;
            if (!d->ahead.empty() && CurrentContentVersion(*vol) != d->aheadVersion) d->ahead.clear();
            found = delta == 0 ? d->current.oid : Move(*vol, *d, static_cast<LONG>(delta));
            if (!found) return 0;
            break;
        }
        [[fallthrough]];
    case CEDB_SEEK_END: {
        const bool fromEnd = seekType == CEDB_SEEK_END;
        // From the end the count goes backwards; either sign is taken as that distance.
        const qint64 skip = fromEnd ? std::llabs(static_cast<LONG>(value)) : static_cast<qint64>(value);
        Statement* st = Prepare(*vol, *d, fromEnd ? Query::Last : Query::First);
        if (!st) return SeekFailed(ErrorFromSqlite(*vol->db(), ERROR_BADDB));
        d->batch = kFirstBatch;
        st->bind(1, fromEnd ? 1 : d->batch).bind(2, static_cast<std::int64_t>(skip));
        bool failed = false;
        std::vector<Row> rows = Fetch(st, &failed);
        if (failed) return SeekFailed(ErrorFromSqlite(*vol->db(), ERROR_BADDB));
        if (rows.empty()) return SeekFailed(ERROR_SEEK);
        found = Land(*vol, *d, std::move(rows), fromEnd ? -1 : skip, !fromEnd);
        break;
    }
    case CEDB_SEEK_CEOID: {
        if (value == 0) return SeekFailed(ERROR_SEEK);
        Statement* st = Prepare(*vol, *d, Query::ByOid);
        if (!st) return SeekFailed(ErrorFromSqlite(*vol->db(), ERROR_BADDB));
        st->bind(1, static_cast<std::int64_t>(value));
        bool failed = false;
        std::vector<Row> rows = Fetch(st, &failed);
        if (failed) return SeekFailed(ErrorFromSqlite(*vol->db(), ERROR_BADDB));
        if (rows.empty()) return SeekFailed(ERROR_SEEK);
        d->batch = kFirstBatch;
        found = Land(*vol, *d, std::move(rows), -1, false);
        break;
    }
    default:
        return SeekFailed(ERROR_INVALID_PARAMETER);
    }
    if (found && index) *index = IndexOfCurrent(*vol, *d);
    return found;
}

CEOID CeSeekDatabase(HANDLE handle, DWORD seekType, const CEPROPVAL* value, DWORD* index) {
    Volume* vol = nullptr;
    DbHandle* d = Resolve(handle, &vol);
    if (!d) return 0;
    if (!value) return SeekFailed(ERROR_INVALID_PARAMETER);
    SortKey wanted;
    if (!KeyOfValue(*value, d->sortPropids[d->slot], &wanted)) return SeekFailed(ERROR_INVALID_PARAMETER);

    if (seekType == CEDB_SEEK_VALUENEXTEQUAL) {
        if (!d->hasCurrent) return SeekFailed(ERROR_SEEK);
        // Only moves when the very next record has the value.
        auto hasValue = [&wanted](const SortKey& key) {
            return key.m == 1 && key.isText == wanted.isText &&
                   (wanted.isText ? key.text.compare(wanted.text, Qt::CaseInsensitive) == 0
                                  : key.number == wanted.number);
        };
        CheckFresh(*vol, *d);
        if (!d->ahead.empty()) {
            // The next record is already read: look at it without copying the handle.
            if (!hasValue(d->ahead.front().key)) return SeekFailed(ERROR_SEEK);
            if (!Move(*vol, *d, 1)) return 0;
        } else {
            DbHandle probe = *d;  // nothing read ahead, so a cheap copy
            if (!Move(*vol, probe, 1)) return 0;
            if (!hasValue(probe.current.key)) return SeekFailed(ERROR_SEEK);
            *d = std::move(probe);
        }
    } else {
        Query q;
        switch (seekType) {
        case CEDB_SEEK_VALUEFIRSTEQUAL: q = Query::Equal; break;
        case CEDB_SEEK_VALUEGREATER: q = Query::Greater; break;
        case CEDB_SEEK_VALUESMALLER: q = Query::Smaller; break;
        default: return SeekFailed(ERROR_INVALID_PARAMETER);
        }
        Statement* st = Prepare(*vol, *d, q);
        if (!st) return SeekFailed(ErrorFromSqlite(*vol->db(), ERROR_BADDB));
        BindKey(*st, 1, wanted);
        bool failed = false;
        std::vector<Row> rows = Fetch(st, &failed);
        if (failed) return SeekFailed(ErrorFromSqlite(*vol->db(), ERROR_BADDB));
        if (rows.empty()) return SeekFailed(ERROR_SEEK);
        d->batch = kFirstBatch;
        Land(*vol, *d, std::move(rows), -1, false);
    }
    if (index) *index = IndexOfCurrent(*vol, *d);
    return d->current.oid;
}

namespace {

std::string WalkSql(const DbHandle& d) {
    const std::string s = std::to_string(d.slot);
    return "SELECT oid, props FROM " + d.table + " ORDER BY m" + s + ", k" + s + ", oid";
}

// Steps through a walk's rows, handing each record's texts to fn; false when fn stopped it.
bool StepTexts(Statement& st, int count, const CEPROPID* propids, const std::function<bool(CEOID, const QString*)>& fn) {
    std::vector<PropView> views;
    std::vector<QString> texts(static_cast<size_t>(count));
    while (st.step()) {
        int size = 0;
        const char* data = st.columnBlobData(1, &size);
        if (!ParseViews(QByteArray::fromRawData(data, size), &views)) continue;
        for (int i = 0; i < count; ++i) {
            texts[static_cast<size_t>(i)] = QString();
            for (const PropView& v : views) {
                if (v.propid != propids[i]) continue;
                QString text(static_cast<qsizetype>(v.size / 2), Qt::Uninitialized);
                std::memcpy(text.data(), v.data, v.size);
                texts[static_cast<size_t>(i)] = std::move(text);
            }
        }
        if (!fn(static_cast<CEOID>(st.columnInt(0)), texts.data())) return false;
    }
    return true;
}

// Runs a prepared walk (null: its preparation failed) through StepTexts, with the store's errors.
BOOL RunTexts(Volume& vol, Statement* st, int count, const CEPROPID* propids,
              const std::function<bool(CEOID, const QString*)>& fn) {
    if (!st) return FailWith(ErrorFromSqlite(*vol.db(), ERROR_BADDB));
    const bool whole = StepTexts(*st, count, propids, fn);
    const bool failed = st->failed();
    st->reset();
    if (failed) return FailWith(ErrorFromSqlite(*vol.db(), ERROR_BADDB));
    return whole ? TRUE : FALSE;
}

bool TextProps(int count, const CEPROPID* propids) {
    if (count < 0 || (count > 0 && !propids)) return false;
    for (int i = 0; i < count; ++i) {
        if (TypeFromPropID(propids[i]) != CEVT_LPWSTR) return false;
    }
    return true;
}

}  // namespace

BOOL za::objectstore::ReadAllTexts(HANDLE handle, int count, const CEPROPID* propids,
                                   const std::function<bool(CEOID, const QString*)>& fn) {
    Volume* vol = nullptr;
    DbHandle* d = Resolve(handle, &vol);
    if (!d) return FALSE;
    if (!TextProps(count, propids)) return FailWith(ERROR_INVALID_PARAMETER);
    return RunTexts(*vol, vol->prepare(WalkSql(*d)), count, propids, fn);
}

BOOL za::objectstore::ReadTextsInRange(HANDLE handle, const QString& from, const QString& to, int count,
                                       const CEPROPID* propids, const std::function<bool(CEOID, const QString*)>& fn) {
    Volume* vol = nullptr;
    DbHandle* d = Resolve(handle, &vol);
    if (!d) return FALSE;
    if (!TextProps(count, propids) || TypeFromPropID(d->sortPropids[d->slot]) != CEVT_LPWSTR) {
        return FailWith(ERROR_INVALID_PARAMETER);
    }
    const std::string s = std::to_string(d->slot);
    Statement* st = vol->prepare("SELECT oid, props FROM " + d->table + " WHERE m" + s + " = 1 AND k" + s + " >= ?1 AND k" +
                                 s + " < ?2 ORDER BY m" + s + ", k" + s + ", oid");
    if (st) st->bind(1, from).bind(2, to);
    return RunTexts(*vol, st, count, propids, fn);
}

BOOL za::objectstore::CountBefore(HANDLE handle, const QString& key, qint64* count) {
    Volume* vol = nullptr;
    DbHandle* d = Resolve(handle, &vol);
    if (!d || !count) return FALSE;
    if (TypeFromPropID(d->sortPropids[d->slot]) != CEVT_LPWSTR) return FailWith(ERROR_INVALID_PARAMETER);
    const std::string s = std::to_string(d->slot);
    Statement* st = vol->prepare("SELECT count(*) FROM " + d->table + " WHERE m" + s + " < 1 OR (m" + s + " = 1 AND k" +
                                 s + " < ?1)");
    if (!st) return FailWith(ErrorFromSqlite(*vol->db(), ERROR_BADDB));
    st->bind(1, key);
    const bool found = st->step();
    *count = found ? st->columnInt(0) : 0;
    const bool failed = st->failed();
    st->reset();
    if (failed || !found) return FailWith(ErrorFromSqlite(*vol->db(), ERROR_BADDB));
    return TRUE;
}

BOOL za::objectstore::ReadApart(HANDLE handle, ApartRead* read) {
    Volume* vol = nullptr;
    DbHandle* d = Resolve(handle, &vol);
    if (!d || !read) return FALSE;
    read->file = vol->id == 0 ? za::device::Status().file : vol->path;
    read->sql = WalkSql(*d);
    return read->file.isEmpty() ? FailWith(ERROR_FILE_NOT_FOUND) : TRUE;
}

BOOL za::objectstore::ReadAllTextsApart(const ApartRead& read, int count, const CEPROPID* propids,
                                        const std::function<bool(CEOID, const QString*)>& fn) {
    if (!TextProps(count, propids)) return FALSE;
    Database own;
    if (!own.openReadOnly(read.file, false)) return FALSE;
    own.exec("PRAGMA busy_timeout = 10000");
    Statement st = own.prepare(read.sql.c_str());
    if (!st.isValid()) return FALSE;
    const bool whole = StepTexts(st, count, propids, fn);
    return whole && !st.failed() ? TRUE : FALSE;
}

// ---------------------------------------------------------------------------------------------
// Reading, writing and deleting records

CEOID CeReadRecordPropsEx(HANDLE handle, DWORD flags, WORD* count, const CEPROPID* propids,
                          BYTE** buffer, DWORD* cbBuffer, void* /*heap*/) {
    Volume* vol = nullptr;
    DbHandle* d = Resolve(handle, &vol);
    if (!d) return 0;
    if (!count || !buffer || !cbBuffer || (propids && *count == 0) ||
        (flags & ~CEDB_ALLOWREALLOC) != 0) {
        return SeekFailed(ERROR_INVALID_PARAMETER);
    }
    if (!d->hasCurrent) return SeekFailed(d->moveError != ERROR_SUCCESS ? d->moveError : ERROR_NO_DATA);
    if (d->changesSeen != vol->changes) {
        // This process wrote since the record was sought: read it again.
        Statement* st = Prepare(*vol, *d, Query::Props);
        if (!st) return SeekFailed(ErrorFromSqlite(*vol->db(), ERROR_BADDB));
        st->bind(1, static_cast<std::int64_t>(d->current.oid));
        const bool found = st->step();
        if (found) d->current.props = st->columnBlob(0);
        st->reset();
        if (!found) return SeekFailed(ERROR_NO_DATA);
        d->ahead.clear();
        d->changesSeen = vol->changes;
    }
    // Kept between calls: a walk reads thousands of records and should not allocate for each.
    static thread_local std::vector<PropView> stored;
    static thread_local std::vector<const PropView*> answer;
    answer.clear();
    if (!ParseViews(d->current.props, &stored)) return SeekFailed(ERROR_INVALID_DATA);

    // Which stored property answers each requested one (null = not found).
    if (propids) {
        answer.reserve(*count);
        for (WORD i = 0; i < *count; ++i) {
            const PropView* match = nullptr;
            for (const PropView& p : stored) {
                if (p.propid == propids[i]) match = &p;
            }
            answer.push_back(match);
        }
    } else {
        for (const PropView& p : stored) answer.push_back(&p);
    }

    auto dataSize = [](const PropView* p) -> std::size_t {
        if (!p) return 0;
        const WORD type = TypeFromPropID(p->propid);
        if (type == CEVT_LPWSTR) return static_cast<std::size_t>(p->size) + 2;  // with NUL
        if (type == CEVT_BLOB) return (static_cast<std::size_t>(p->size) + 1) & ~std::size_t(1);
        return 0;
    };
    std::size_t needed = answer.size() * sizeof(CEPROPVAL);
    for (const PropView* p : answer) needed += dataSize(p);
    if (needed > 0xFFFFFFFFu) return SeekFailed(ERROR_NOT_ENOUGH_MEMORY);
    if (*buffer == nullptr || *cbBuffer < needed) {
        if (!(flags & CEDB_ALLOWREALLOC)) {
            *cbBuffer = static_cast<DWORD>(needed);
            return SeekFailed(ERROR_INSUFFICIENT_BUFFER);
        }
        BYTE* grown = *buffer ? LocalReAlloc(*buffer, needed, LMEM_ZEROINIT) : LocalAlloc(LPTR, needed);
        if (!grown) return SeekFailed(ERROR_NOT_ENOUGH_MEMORY);
        *buffer = grown;
        *cbBuffer = static_cast<DWORD>(needed);
    }

    auto* values = reinterpret_cast<CEPROPVAL*>(*buffer);
    BYTE* data = *buffer + answer.size() * sizeof(CEPROPVAL);
    for (std::size_t i = 0; i < answer.size(); ++i) {
        CEPROPVAL v{};
        const PropView* p = answer[i];
        if (!p) {
            v.propid = propids[i];
            v.wFlags = CEDB_PROPNOTFOUND;
        } else {
            v.propid = p->propid;
            const auto* u = reinterpret_cast<const unsigned char*>(p->data);
            switch (TypeFromPropID(p->propid)) {
            case CEVT_I2:
            case CEVT_UI2: v.val.uiVal = static_cast<WORD>(u[0] | u[1] << 8); break;
            case CEVT_I4:
            case CEVT_UI4: v.val.ulVal = GetU32(p->data); break;
            case CEVT_LPWSTR: {
                std::memcpy(data, p->data, static_cast<std::size_t>(p->size));
                data[p->size] = 0;
                data[p->size + 1] = 0;
                v.val.lpwstr = reinterpret_cast<const WCHAR*>(data);
                v.wLenData = static_cast<WORD>(std::min<DWORD>(p->size, 0xFFFF));
                break;
            }
            case CEVT_BLOB:
                if (p->size > 0) std::memcpy(data, p->data, static_cast<std::size_t>(p->size));
                v.val.blob.dwCount = p->size;
                v.val.blob.lpb = data;
                v.wLenData = static_cast<WORD>(std::min<DWORD>(p->size, 0xFFFF));
                break;
            default: break;
            }
            data += dataSize(p);
        }
        std::memcpy(&values[i], &v, sizeof v);
    }
    if (!propids) *count = static_cast<WORD>(answer.size());

    const CEOID oid = d->current.oid;
    if (d->flags & CEDB_AUTOINCREMENT) {
        if (!Move(*vol, *d, 1)) {
            d->hasCurrent = false;  // past the last record, unless the move failed
            d->moveError = GetLastError() == ERROR_SEEK ? ERROR_SUCCESS : GetLastError();
        }
        SetLastError(ERROR_SUCCESS);
    }
    return oid;
}

CEOID CeWriteRecordProps(HANDLE handle, CEOID oid, WORD count, const CEPROPVAL* values) {
    Volume* vol = nullptr;
    DbHandle* d = Resolve(handle, &vol);
    if (!d) return 0;
    if (count == 0 || !values) return SeekFailed(ERROR_INVALID_PARAMETER);

    // Validate and encode everything before touching the record.
    std::vector<StoredProp> changes;
    std::vector<bool> deletes;
    for (WORD i = 0; i < count; ++i) {
        const CEPROPVAL& v = values[i];
        if (!IsSupportedType(TypeFromPropID(v.propid))) return SeekFailed(ERROR_INVALID_PARAMETER);
        QByteArray data;
        const bool remove = (v.wFlags & CEDB_PROPDELETE) != 0;
        if (!remove && !Encode(v, &data)) return SeekFailed(ERROR_INVALID_PARAMETER);
        changes.push_back(StoredProp{v.propid, data});
        deletes.push_back(remove);
    }

    CEOID written = 0;
    DWORD error = ERROR_WRITE_FAULT;
    const bool ok = InWrite(*vol, [&] {
        Database& db = *vol->db();
        std::vector<StoredProp> props;
        QByteArray existing;
        if (oid != 0) {
            Statement* st = Prepare(*vol, *d, Query::Props);
            if (!st) return false;
            st->bind(1, static_cast<std::int64_t>(oid));
            const bool found = st->step();
            existing = found ? st->columnBlob(0) : QByteArray();
            const bool failed = st->failed();
            st->reset();
            if (!found) {
                error = failed ? ErrorFromSqlite(db, ERROR_WRITE_FAULT) : ERROR_INVALID_PARAMETER;
                return false;
            }
            if (!Parse(existing, &props)) {
                error = ERROR_INVALID_DATA;
                return false;
            }
        }
        for (std::size_t i = 0; i < changes.size(); ++i) {
            auto it = std::find_if(props.begin(), props.end(),
                                   [&](const StoredProp& p) { return p.propid == changes[i].propid; });
            if (deletes[i]) {
                if (it != props.end()) props.erase(it);
            } else if (it != props.end()) {
                it->data = changes[i].data;
            } else {
                props.push_back(changes[i]);
            }
        }
        std::size_t total = 0;
        for (const StoredProp& p : props) total += static_cast<std::size_t>(p.data.size());
        if (total > CEDB_MAXRECORDSIZE || props.size() > CEDB_MAXPROPCOUNT) {
            error = ERROR_INVALID_PARAMETER;
            return false;
        }

        std::string sql;
        if (oid == 0) {
            sql = "INSERT INTO " + d->table + "(props";
            std::string params = "?1";
            for (int i = 0; i < d->sortCount; ++i) {
                const std::string s = std::to_string(i);
                sql += ", k" + s + ", m" + s;
                params += ", ?" + std::to_string(2 + 2 * i) + ", ?" + std::to_string(3 + 2 * i);
            }
            sql += ") VALUES(" + params + ")";
        } else {
            sql = "UPDATE " + d->table + " SET props = ?1";
            for (int i = 0; i < d->sortCount; ++i) {
                const std::string s = std::to_string(i);
                sql += ", k" + s + " = ?" + std::to_string(2 + 2 * i) + ", m" + s + " = ?" +
                       std::to_string(3 + 2 * i);
            }
            sql += " WHERE oid = ?10";
        }
        Statement* st = vol->prepare(sql);
        if (!st) {
            error = ErrorFromSqlite(db, ERROR_WRITE_FAULT);
            return false;
        }
        st->bindBlob(1, Serialise(props));
        for (int i = 0; i < d->sortCount; ++i) {
            const SortKey key = KeyOf(props, d->sortPropids[i], d->sortFlags[i]);
            if (key.m == 1) {
                BindKey(*st, 2 + 2 * i, key);
            } else {
                st->bind(2 + 2 * i, 0);
            }
            st->bind(3 + 2 * i, key.m);
        }
        if (oid != 0) st->bind(10, static_cast<std::int64_t>(oid));
        const bool ran = st->run();
        st->reset();
        if (!ran) {
            error = ErrorFromSqlite(db, ERROR_WRITE_FAULT);
            return false;
        }
        if (RefusedWrites() != ERROR_SUCCESS) {
            error = RefusedWrites();
            return false;
        }
        written = oid != 0 ? oid : static_cast<CEOID>(db.lastInsertRowId());
        return true;
    });
    if (!ok) return SeekFailed(error);
    ++vol->changes;
    return written;
}

BOOL CeDeleteRecord(HANDLE handle, CEOID oid) {
    Volume* vol = nullptr;
    DbHandle* d = Resolve(handle, &vol);
    if (!d) return FALSE;
    if (oid == 0) return FailWith(ERROR_INVALID_PARAMETER);
    const std::string sql = "DELETE FROM " + d->table + " WHERE oid = ?1";
    DWORD error = ERROR_WRITE_FAULT;
    const bool ok = InWrite(*vol, [&] {
        Statement* st = vol->prepare(sql);
        if (!st) {
            error = ErrorFromSqlite(*vol->db(), ERROR_WRITE_FAULT);
            return false;
        }
        st->bind(1, static_cast<std::int64_t>(oid));
        const bool ran = st->run();
        st->reset();
        if (!ran) {
            error = ErrorFromSqlite(*vol->db(), ERROR_WRITE_FAULT);
            return false;
        }
        if (vol->db()->changes() == 0) {
            error = ERROR_INVALID_PARAMETER;
            return false;
        }
        if (RefusedWrites() != ERROR_SUCCESS) {
            error = RefusedWrites();
            return false;
        }
        return true;
    });
    if (!ok) return FailWith(error);
    ++vol->changes;
    return TRUE;
}

void za::objectstore::SetRefusedWrites(DWORD error) { RefusedWrites() = error; }

// ---------------------------------------------------------------------------------------------
// Local heap. Each block carries its size in front, so a reallocation can zero what it adds.

namespace {
constexpr std::size_t kHeader = alignof(std::max_align_t);
}

BYTE* LocalAlloc(UINT flags, std::size_t bytes) {
    auto* block = static_cast<BYTE*>((flags & LMEM_ZEROINIT) ? std::calloc(1, kHeader + bytes)
                                                             : std::malloc(kHeader + bytes));
    if (!block) return nullptr;
    std::memcpy(block, &bytes, sizeof bytes);
    return block + kHeader;
}

BYTE* LocalReAlloc(BYTE* memory, std::size_t bytes, UINT flags) {
    if (!memory) return LocalAlloc(flags, bytes);
    BYTE* block = memory - kHeader;
    std::size_t old = 0;
    std::memcpy(&old, block, sizeof old);
    auto* grown = static_cast<BYTE*>(std::realloc(block, kHeader + bytes));
    if (!grown) return nullptr;
    std::memcpy(grown, &bytes, sizeof bytes);
    if ((flags & LMEM_ZEROINIT) && bytes > old) std::memset(grown + kHeader + old, 0, bytes - old);
    return grown + kHeader;
}

BYTE* LocalFree(BYTE* memory) {
    if (memory) std::free(memory - kHeader);
    return nullptr;
}
