#include "sqlite.h"

#include "nocase.h"

#include <sqlite3.h>

namespace za::sql {
namespace {

// Case-insensitive order over the whole of Unicode (SQLite's NOCASE folds only ASCII).
int CompareNoCase(void*, int lengthA, const void* a, int lengthB, const void* b) {
    const auto* pa = static_cast<const unsigned char*>(a);
    const auto* pb = static_cast<const unsigned char*>(b);
    return CompareFoldingAscii(lengthA, pa, lengthB, pb, [&](int i) {
        const QString sa = QString::fromUtf8(reinterpret_cast<const char*>(pa + i), lengthA - i);
        const QString sb = QString::fromUtf8(reinterpret_cast<const char*>(pb + i), lengthB - i);
        return sa.compare(sb, Qt::CaseInsensitive);
    });
}

}  // namespace

bool IsDamage(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

Database::~Database() { close(); }

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        close();
        m_db = std::exchange(other.m_db, nullptr);
        m_error = other.m_error;
        m_errorCode = other.m_errorCode;
        m_damageSeen = other.m_damageSeen;
    }
    return *this;
}

bool Database::open(const QString& path, bool create) {
    return openWith(path.toUtf8(), SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0));
}

bool Database::openReadOnly(const QString& path, bool immutable) {
    if (!immutable) return openWith(path.toUtf8(), SQLITE_OPEN_READONLY);
    // A URI carries the parameter; the path's bytes are escaped so that none of them is read
    // as part of the URI's syntax.
    const QByteArray uri = "file:" + path.toUtf8().toPercentEncoding("/") + "?immutable=1";
    return openWith(uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
}

bool Database::openWith(const QByteArray& name, int flags) {
    close();
    m_damageSeen = false;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(name.constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        noteError(rc);
        m_error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory");
        sqlite3_close(db);
        return false;
    }
    m_db = db;
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_create_collation(m_db, kNoCaseCollation, SQLITE_UTF8, nullptr, CompareNoCase);
    return true;
}

bool Database::isReadOnly() const { return m_db && sqlite3_db_readonly(m_db, "main") == 1; }

void Database::noteError(int code) {
    m_errorCode = code;
    if (IsDamage(code)) m_damageSeen = true;
}

void Database::close() {
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

void Database::setError(const QString& where) {
    noteError(m_db ? sqlite3_extended_errcode(m_db) : SQLITE_MISUSE);
    m_error = where + QStringLiteral(": ") +
              (m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("not open"));
}

bool Database::exec(const char* sql) {
    if (!m_db) {
        setError(QStringLiteral("exec"));
        return false;
    }
    char* msg = nullptr;
    int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, &msg);
    if (rc != SQLITE_OK) {
        noteError(rc);
        m_error = QString::fromUtf8(msg ? msg : sqlite3_errstr(rc));
        sqlite3_free(msg);
        return false;
    }
    return true;
}

Statement Database::prepare(const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (!m_db || sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        setError(QStringLiteral("prepare"));
        sqlite3_finalize(stmt);
        return Statement();
    }
    return Statement(this, stmt);
}

std::int64_t Database::lastInsertRowId() const { return m_db ? sqlite3_last_insert_rowid(m_db) : 0; }
int Database::changes() const { return m_db ? sqlite3_changes(m_db) : 0; }

Statement::~Statement() { sqlite3_finalize(m_stmt); }

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_db = other.m_db;
        m_stmt = std::exchange(other.m_stmt, nullptr);
        m_done = other.m_done;
        m_failed = other.m_failed;
    }
    return *this;
}

Statement& Statement::bind(int index, std::int64_t value) {
    if (m_stmt) sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

Statement& Statement::bind(int index, const QString& text) {
    if (m_stmt) {
        QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(m_stmt, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
    }
    return *this;
}

Statement& Statement::bindBlob(int index, const QByteArray& data) {
    if (m_stmt) {
        // A zero-length blob must stay a blob, not become NULL.
        sqlite3_bind_blob(m_stmt, index, data.isEmpty() ? "" : data.constData(), data.size(),
                          SQLITE_TRANSIENT);
    }
    return *this;
}

Statement& Statement::bindNull(int index) {
    if (m_stmt) sqlite3_bind_null(m_stmt, index);
    return *this;
}

bool Statement::step() {
    if (!m_stmt || m_done || m_failed) return false;
    int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) {
        m_done = true;
    } else {
        m_failed = true;
        if (m_db) m_db->setError(QStringLiteral("step"));
    }
    return false;
}

bool Statement::run() {
    while (step()) {
    }
    return m_stmt && !m_failed;
}

void Statement::reset() {
    if (m_stmt) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    m_done = false;
    m_failed = false;
}

std::int64_t Statement::columnInt(int col) const { return sqlite3_column_int64(m_stmt, col); }

QString Statement::columnText(int col) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, col));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, col)) : QString();
}

QByteArray Statement::columnBlob(int col) const {
    const void* data = sqlite3_column_blob(m_stmt, col);
    int size = sqlite3_column_bytes(m_stmt, col);
    return data ? QByteArray(static_cast<const char*>(data), size) : QByteArray();
}

const char* Statement::columnBlobData(int col, int* size) const {
    const void* data = sqlite3_column_blob(m_stmt, col);
    *size = sqlite3_column_bytes(m_stmt, col);
    return static_cast<const char*>(data);
}

bool Statement::columnIsNull(int col) const { return sqlite3_column_type(m_stmt, col) == SQLITE_NULL; }
bool Statement::columnIsText(int col) const { return sqlite3_column_type(m_stmt, col) == SQLITE_TEXT; }

}  // namespace za::sql
