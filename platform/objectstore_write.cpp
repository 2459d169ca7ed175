// Writes and deletes of records. Every write is checked and encoded whole before the record is
// touched, then made inside a transaction of its volume, so a refused or failed write leaves
// the record as it was. A seam lets tests refuse writes as a full disk would.
#include "objectstore_p.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace za::objectstore::detail;

namespace {

// The error that record writes are refused with (za::objectstore::SetRefusedWrites); 0: none.
DWORD& RefusedWrites() {
    static DWORD error = ERROR_SUCCESS;
    return error;
}

}  // namespace

CEOID CeWriteRecordProps(HANDLE handle, CEOID oid, WORD count, const CEPROPVAL* values) {
    Volume* vol = nullptr;
    DbHandle* d = Resolve(handle, &vol);
    if (!d) return 0;
    if (count == 0 || !values) return SeekFailed(ERROR_INVALID_PARAMETER);

    // Validate and encode everything before touching the record.
    std::vector<StoredProp> changes;
    for (WORD i = 0; i < count; ++i) {
        const CEPROPVAL& v = values[i];
        if (!IsSupportedType(TypeFromPropID(v.propid))) return SeekFailed(ERROR_INVALID_PARAMETER);
        QByteArray data;
        if (!Encode(v, &data)) return SeekFailed(ERROR_INVALID_PARAMETER);
        changes.push_back(StoredProp{v.propid, data});
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
            if (it != props.end()) {
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
            const SortKey key = KeyOf(props, d->sortPropids[i]);
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
