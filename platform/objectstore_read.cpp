// Reads: a record's properties copied out into the caller's buffer, and the bulk reads of texts
// that the city list's index and searches make in one query each (a walk of seeks would copy
// every record and query once per batch). One of them runs on a connection of its own, so a
// thread can read while the program goes on.
#include "objectstore_p.h"

#include "device.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

using namespace za::objectstore::detail;

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
    Statement* st = vol->prepare("SELECT count(*) FROM " + d->table + " WHERE m" + s + " = 1 AND k" + s + " < ?1");
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
// Reading records

CEOID CeReadRecordPropsEx(HANDLE handle, DWORD flags, WORD* count, const CEPROPID* propids,
                          BYTE** buffer, DWORD* cbBuffer, void* /*heap*/) {
    Volume* vol = nullptr;
    DbHandle* d = Resolve(handle, &vol);
    if (!d) return 0;
    if (!count || !buffer || !cbBuffer || (propids && *count == 0) ||
        (flags & ~CEDB_ALLOWREALLOC) != 0) {
        return SeekFailed(ERROR_INVALID_PARAMETER);
    }
    if (!d->hasCurrent) return SeekFailed(ERROR_NO_DATA);
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

    return d->current.oid;
}
