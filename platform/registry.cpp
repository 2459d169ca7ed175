#include "registry.h"

#include "device.h"

#include <QStringList>

#include <sqlite3.h>

#include <cstring>
#include <memory>
#include <vector>

struct RegKey {
    int root;          // 1 = HKEY_LOCAL_MACHINE, 2 = HKEY_CURRENT_USER
    qint64 id;         // row of reg_keys; 0 for the predefined roots
    bool predefined;
};

namespace {

RegKey g_localMachine{1, 0, true};
RegKey g_currentUser{2, 0, true};
DWORD g_flushes = 0;

constexpr const char* kFindKey = "SELECT id FROM reg_keys WHERE root = ?1 AND fold = ?2";
constexpr const char* kInsertKey =
    "INSERT OR IGNORE INTO reg_keys(root, path, fold) VALUES(?1, ?2, ?3)";
constexpr const char* kQueryValue =
    "SELECT type, data FROM reg_values WHERE key_id = ?1 AND fold = ?2";
constexpr const char* kSetValue =
    "INSERT INTO reg_values(key_id, name, fold, type, data) "
    "SELECT ?1, ?2, ?3, ?4, ?5 WHERE EXISTS(SELECT 1 FROM reg_keys WHERE id = ?1) "
    "ON CONFLICT(key_id, fold) DO UPDATE SET type = excluded.type, data = excluded.data";
constexpr const char* kDeleteValue = "DELETE FROM reg_values WHERE key_id = ?1 AND fold = ?2";
// Direct subkeys of the key whose folded path is ?2 ('' for the root), by folded name.
constexpr const char* kSubKeys =
    "SELECT path FROM reg_keys WHERE root = ?1 AND "
    "((?2 = '' AND instr(fold, '\\') = 0) OR "
    " (substr(fold, 1, length(?2) + 1) = ?2 || '\\' AND instr(substr(fold, length(?2) + 2), '\\') = 0)) "
    "ORDER BY fold LIMIT 1 OFFSET ?3";
constexpr const char* kDeleteKeys =
    "DELETE FROM reg_keys WHERE root = ?1 AND (fold = ?2 OR substr(fold, 1, length(?2) + 1) = ?2 || '\\')";

// Prepared statements of the current connection, rebuilt when the connection changes.
struct Statements {
    unsigned generation = 0;
    za::sql::Statement findKey, queryValue;
};

Statements& Cached(za::sql::Database& db) {
    static Statements s;
    if (s.generation != za::device::Generation() || !s.findKey.isValid()) {
        s.findKey = db.prepare(kFindKey);
        s.queryValue = db.prepare(kQueryValue);
        s.generation = za::device::Generation();
    }
    return s;
}

bool HasLoneSurrogate(const QString& text) {
    for (int i = 0; i < text.size(); ++i) {
        QChar c = text.at(i);
        if (c.isHighSurrogate()) {
            if (i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate()) return true;
            ++i;
        } else if (c.isLowSurrogate()) {
            return true;
        }
    }
    return false;
}

bool ValidName(const QString& name) {
    return name.size() <= kRegMaxNameLength && !HasLoneSurrogate(name) && !name.contains(QChar(0));
}

// "\Software\\Corvantel\" -> "Software\Corvantel"; false when a component is not valid.
bool NormalisePath(const QString& path, QString* out) {
    QStringList parts;
    for (const QString& part : path.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        if (!ValidName(part)) return false;
        parts << part;
    }
    *out = parts.join(QLatin1Char('\\'));
    return true;
}

// A write that failed: refused by a profile that cannot be written, or the store's failure.
LONG WriteError(const za::sql::Database& db) {
    switch (db.errorCode() & 0xFF) {
    case SQLITE_READONLY: return ERROR_ACCESS_DENIED;
    case SQLITE_FULL: return ERROR_DISK_FULL;
    default: return ERROR_BADDB;
    }
}

bool ValidRoot(HKEY key) { return key == HKEY_LOCAL_MACHINE || key == HKEY_CURRENT_USER; }

LONG OpenOrCreate(HKEY root, const QString& subKey, bool create, HKEY* result, DWORD* disposition) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (!root || (!ValidRoot(root) && root->predefined)) return ERROR_INVALID_HANDLE;
    QString rel;
    if (!NormalisePath(subKey, &rel)) return ERROR_INVALID_PARAMETER;
    za::sql::Database* db = za::device::Db();
    if (!db) return ERROR_BADDB;

    // A subkey of an open key is looked up by its full path.
    QString full = rel;
    if (!root->predefined) {
        za::sql::Statement q = db->prepare("SELECT path FROM reg_keys WHERE id = ?1");
        q.bind(1, root->id);
        if (!q.step()) return q.failed() ? ERROR_BADDB : ERROR_KEY_DELETED;
        QString base = q.columnText(0);
        full = rel.isEmpty() ? base : (base.isEmpty() ? rel : base + QLatin1Char('\\') + rel);
    }
    const QString fold = full.toCaseFolded();

    Statements& st = Cached(*db);
    st.findKey.reset();
    st.findKey.bind(1, root->root).bind(2, fold);
    if (st.findKey.step()) {
        *result = new RegKey{root->root, st.findKey.columnInt(0), false};
        st.findKey.reset();
        if (disposition) *disposition = REG_OPENED_EXISTING_KEY;
        return ERROR_SUCCESS;
    }
    bool failed = st.findKey.failed();
    st.findKey.reset();
    if (failed) return ERROR_BADDB;
    if (full.isEmpty()) {
        // The root itself always exists.
        *result = new RegKey{root->root, 0, false};
        if (disposition) *disposition = REG_OPENED_EXISTING_KEY;
        return ERROR_SUCCESS;
    }
    if (!create) return ERROR_FILE_NOT_FOUND;

    qint64 id = 0;
    bool ok = za::device::Transaction([&](za::sql::Database& d) {
        const QStringList parts = full.split(QLatin1Char('\\'));
        QString prefix;
        for (const QString& part : parts) {
            prefix = prefix.isEmpty() ? part : prefix + QLatin1Char('\\') + part;
            za::sql::Statement ins = d.prepare(kInsertKey);
            ins.bind(1, root->root).bind(2, prefix).bind(3, prefix.toCaseFolded());
            if (!ins.run()) return false;
        }
        za::sql::Statement find = d.prepare(kFindKey);
        find.bind(1, root->root).bind(2, fold);
        if (!find.step()) return false;
        id = find.columnInt(0);
        return true;
    });
    if (!ok) return WriteError(*db);
    *result = new RegKey{root->root, id, false};
    if (disposition) *disposition = REG_CREATED_NEW_KEY;
    return ERROR_SUCCESS;
}

}  // namespace

const HKEY HKEY_LOCAL_MACHINE = &g_localMachine;
const HKEY HKEY_CURRENT_USER = &g_currentUser;

LONG RegOpenKeyExW(HKEY root, const QString& subKey, DWORD, DWORD, HKEY* result) {
    return OpenOrCreate(root, subKey, false, result, nullptr);
}

LONG RegCreateKeyExW(HKEY root, const QString& subKey, DWORD, const QString&, DWORD, DWORD, void*,
                     HKEY* result, DWORD* disposition) {
    return OpenOrCreate(root, subKey, true, result, disposition);
}

LONG RegQueryValueExW(HKEY key, const QString& valueName, DWORD*, DWORD* type, BYTE* data,
                      DWORD* cbData) {
    if (!key || key->predefined) return ERROR_INVALID_HANDLE;
    if (data && !cbData) return ERROR_INVALID_PARAMETER;
    if (!ValidName(valueName)) return ERROR_INVALID_PARAMETER;
    za::sql::Database* db = za::device::Db();
    if (!db) return ERROR_BADDB;
    Statements& st = Cached(*db);
    za::sql::Statement& q = st.queryValue;
    q.reset();
    q.bind(1, key->id).bind(2, valueName.toCaseFolded());
    if (!q.step()) {
        bool failed = q.failed();
        q.reset();
        return failed ? ERROR_BADDB : ERROR_FILE_NOT_FOUND;
    }
    const DWORD storedType = static_cast<DWORD>(q.columnInt(0));
    const QByteArray bytes = q.columnBlob(1);
    q.reset();
    const DWORD size = static_cast<DWORD>(bytes.size());
    if (type) *type = storedType;
    if (!data) {
        if (cbData) *cbData = size;
        return ERROR_SUCCESS;
    }
    if (*cbData < size) {
        *cbData = size;
        return ERROR_MORE_DATA;
    }
    if (size) std::memcpy(data, bytes.constData(), size);
    *cbData = size;
    return ERROR_SUCCESS;
}

LONG RegSetValueExW(HKEY key, const QString& valueName, DWORD, DWORD type, const BYTE* data,
                    DWORD cbData) {
    if (!key || key->predefined) return ERROR_INVALID_HANDLE;
    if (!ValidName(valueName)) return ERROR_INVALID_PARAMETER;
    if (cbData > kRegMaxDataSize || (cbData && !data)) return ERROR_INVALID_PARAMETER;
    switch (type) {
    case REG_DWORD:
        if (cbData != 4) return ERROR_INVALID_PARAMETER;
        break;
    case REG_SZ:
        if (cbData % 2 != 0) return ERROR_INVALID_PARAMETER;
        break;
    case REG_BINARY:
        break;
    default:
        return ERROR_INVALID_PARAMETER;
    }
    za::sql::Database* db = za::device::Db();
    if (!db) return ERROR_BADDB;
    za::sql::Statement set = db->prepare(kSetValue);
    set.bind(1, key->id)
        .bind(2, valueName)
        .bind(3, valueName.toCaseFolded())
        .bind(4, static_cast<int>(type))
        .bindBlob(5, QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(cbData)));
    if (!set.run()) return WriteError(*db);
    if (db->changes() == 0) return ERROR_KEY_DELETED;
    return ERROR_SUCCESS;
}

LONG RegDeleteValueW(HKEY key, const QString& valueName) {
    if (!key || key->predefined) return ERROR_INVALID_HANDLE;
    if (!ValidName(valueName)) return ERROR_INVALID_PARAMETER;
    za::sql::Database* db = za::device::Db();
    if (!db) return ERROR_BADDB;
    za::sql::Statement del = db->prepare(kDeleteValue);
    del.bind(1, key->id).bind(2, valueName.toCaseFolded());
    if (!del.run()) return WriteError(*db);
    return db->changes() ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

BOOL RegQueryString(HKEY key, const QString& valueName, QString* text) {
    DWORD size = 0, type = 0;
    if (!text || RegQueryValueExW(key, valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ) {
        return FALSE;
    }
    std::vector<char16_t> buffer(size / 2 + 1, 0);
    if (RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return FALSE;
    }
    *text = QString::fromUtf16(buffer.data());
    return TRUE;
}

BOOL RegQueryDword(HKEY key, const QString& valueName, DWORD* value) {
    DWORD data = 0, size = sizeof data, type = 0;
    if (!value || RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS ||
        type != REG_DWORD) {
        return FALSE;
    }
    *value = data;
    return TRUE;
}

LONG RegEnumKeyExW(HKEY key, DWORD index, QString* name) {
    if (!key || !name) return ERROR_INVALID_PARAMETER;
    za::sql::Database* db = za::device::Db();
    if (!db) return ERROR_BADDB;
    QString base;
    if (!key->predefined && key->id != 0) {
        za::sql::Statement q = db->prepare("SELECT fold FROM reg_keys WHERE id = ?1");
        q.bind(1, key->id);
        if (!q.step()) return q.failed() ? ERROR_BADDB : ERROR_KEY_DELETED;
        base = q.columnText(0);
    }
    za::sql::Statement q = db->prepare(kSubKeys);
    q.bind(1, key->root).bind(2, base).bind(3, static_cast<qint64>(index));
    if (!q.step()) return q.failed() ? ERROR_BADDB : ERROR_NO_MORE_ITEMS;
    *name = q.columnText(0).section(QLatin1Char('\\'), -1);
    return ERROR_SUCCESS;
}

LONG RegDeleteKeyW(HKEY root, const QString& subKey) {
    if (!root || !ValidRoot(root)) return ERROR_INVALID_HANDLE;
    QString rel;
    if (!NormalisePath(subKey, &rel) || rel.isEmpty()) return ERROR_INVALID_PARAMETER;
    za::sql::Database* db = za::device::Db();
    if (!db) return ERROR_BADDB;
    za::sql::Statement del = db->prepare(kDeleteKeys);
    del.bind(1, root->root).bind(2, rel.toCaseFolded());
    if (!del.run()) return WriteError(*db);
    return db->changes() ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LONG RegFlushKey(HKEY key) {
    if (!key) return ERROR_INVALID_HANDLE;
    za::sql::Database* db = za::device::Db();
    if (!db) return ERROR_BADDB;
    // Commits are already durable; a checkpoint that other readers hold back is retried by
    // SQLite later, so only a real error fails the flush. Inside a transaction there is
    // nothing to flush yet: its commit is the flush (and a checkpoint there would only fail).
    if (!sqlite3_get_autocommit(db->handle())) return ERROR_SUCCESS;
    za::sql::Statement cp = db->prepare("PRAGMA wal_checkpoint(PASSIVE)");
    if (!cp.run()) return ERROR_WRITE_FAULT;
    ++g_flushes;
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
    if (!key) return ERROR_INVALID_HANDLE;
    if (!key->predefined) delete key;
    return ERROR_SUCCESS;
}

DWORD RegFlushCount() { return g_flushes; }
