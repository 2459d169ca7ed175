// Open databases: handles, their seeks and their moves through a sort order. A handle keeps its
// current record and a batch of the records after it, so a walk costs one query per batch
// rather than one per record, and drops that batch whenever the records may have changed under
// it. Handles live in the process's one handle table, so CloseHandle closes them.
#include "objectstore_p.h"

#include "handles.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

using namespace za::objectstore::detail;

namespace {

std::unordered_map<DbHandle*, std::unique_ptr<DbHandle>>& Handles() {
    static std::unordered_map<DbHandle*, std::unique_ptr<DbHandle>> handles;
    return handles;
}

std::string SqlOf(const DbHandle& d, Query q) {
    const std::string s = std::to_string(d.slot);
    const std::string m = "m" + s, k = "k" + s;
    const std::string cols = "SELECT oid, " + m + ", " + k + ", props FROM " + d.table;
    const std::string asc = " ORDER BY " + m + ", " + k + ", oid";
    const std::string desc = " ORDER BY " + m + " DESC, " + k + " DESC, oid DESC";
    const std::string pos = "(" + m + ", " + k + ", oid)";
    switch (q) {
    case Query::First: return cols + asc + " LIMIT ?1 OFFSET ?2";
    case Query::After: return cols + " WHERE " + pos + " > (?1, ?2, ?3)" + asc + " LIMIT ?4 OFFSET ?5";
    case Query::Before: return cols + " WHERE " + pos + " < (?1, ?2, ?3)" + desc + " LIMIT ?4 OFFSET ?5";
    case Query::Equal: return cols + " WHERE " + m + " = 1 AND " + k + " = ?1" + asc + " LIMIT 1";
    case Query::Greater: return cols + " WHERE " + m + " = 1 AND " + k + " > ?1" + asc + " LIMIT 1";
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
    d.index = index;
    d.ahead.clear();
    if (keepAhead && rows.size() > 1) {
        for (std::size_t i = 1; i < rows.size(); ++i) d.ahead.push_back(std::move(rows[i]));
        d.aheadVersion = ContentVersion(vol);  // as of the query that read them
    }
    return d.current.oid;
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

namespace za::objectstore::detail {

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

Statement* Prepare(Volume& vol, const DbHandle& d, Query q) { return vol.prepare(SqlOf(d, q)); }

}  // namespace za::objectstore::detail

HANDLE CeOpenDatabaseEx(CEGUID* guid, CEOID* oid, const QString& name, CEPROPID sortPropid,
                        DWORD flags, void* /*notify*/) {
    if (!guid || !oid || flags != 0) {
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
    case CEDB_SEEK_BEGINNING: {
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
        const qint64 skip = static_cast<qint64>(value);
        Statement* st = Prepare(*vol, *d, Query::First);
        if (!st) return SeekFailed(ErrorFromSqlite(*vol->db(), ERROR_BADDB));
        d->batch = kFirstBatch;
        st->bind(1, d->batch).bind(2, static_cast<std::int64_t>(skip));
        bool failed = false;
        std::vector<Row> rows = Fetch(st, &failed);
        if (failed) return SeekFailed(ErrorFromSqlite(*vol->db(), ERROR_BADDB));
        if (rows.empty()) return SeekFailed(ERROR_SEEK);
        found = Land(*vol, *d, std::move(rows), skip, true);
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

    Query q;
    switch (seekType) {
    case CEDB_SEEK_VALUEFIRSTEQUAL: q = Query::Equal; break;
    case CEDB_SEEK_VALUEGREATER: q = Query::Greater; break;
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
    if (index) *index = IndexOfCurrent(*vol, *d);
    return d->current.oid;
}
