// A small move-only wrapper over SQLite's C API: one connection, prepared statements with
// bound values, every result checked by the caller.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

namespace za::sql {

class Statement;

// Registered on every connection: text compared without regard to case, for all of Unicode.
constexpr const char* kNoCaseCollation = "ZANOCASE";

class Database {
public:
    Database() = default;
    ~Database();
    Database(Database&& other) noexcept
        : m_db(std::exchange(other.m_db, nullptr)),
          m_error(other.m_error),
          m_errorCode(other.m_errorCode),
          m_damageSeen(other.m_damageSeen) {}
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing file (create = false) or creates it. Returns false with error() set.
    bool open(const QString& path, bool create);
    // Opens an existing file for reading only. immutable tells SQLite that nobody changes the
    // file while it is open, so it needs no lock files beside it: the only way to read a
    // database in write-ahead-log mode in a folder that cannot be written.
    bool openReadOnly(const QString& path, bool immutable);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    // True when writes are refused: opened read-only, or the file itself cannot be written.
    bool isReadOnly() const;

    // Runs statements without results (schema, pragmas, transaction control).
    bool exec(const char* sql);
    Statement prepare(const char* sql);

    QString error() const { return m_error; }
    int errorCode() const { return m_errorCode; }
    // Set once any call met a damaged page or a file that is not a database (SQLITE_CORRUPT,
    // SQLITE_NOTADB); kept until the connection is closed.
    bool damageSeen() const { return m_damageSeen; }
    std::int64_t lastInsertRowId() const;
    int changes() const;
    sqlite3* handle() const { return m_db; }

    void setError(const QString& where);

private:
    bool openWith(const QByteArray& name, int flags);
    void noteError(int code);

    sqlite3* m_db = nullptr;
    QString m_error;
    int m_errorCode = 0;
    bool m_damageSeen = false;
};

// True for the result codes of a damaged database: the file is there but its content is not
// what SQLite wrote (a page overwritten, a file that is not a database).
bool IsDamage(int code);

class Statement {
public:
    Statement() = default;
    Statement(Database* db, sqlite3_stmt* stmt) : m_db(db), m_stmt(stmt) {}
    ~Statement();
    Statement(Statement&& other) noexcept
        : m_db(other.m_db), m_stmt(std::exchange(other.m_stmt, nullptr)) {}
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool isValid() const { return m_stmt != nullptr; }

    // Parameters are 1-based, as in SQLite.
    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }
    Statement& bind(int index, long long value) { return bind(index, static_cast<std::int64_t>(value)); }
    Statement& bind(int index, const QString& text);
    Statement& bindBlob(int index, const QByteArray& data);
    Statement& bindNull(int index);

    // One step: true while a row is available. done() tells a finished statement from an error.
    bool step();
    bool done() const { return m_done; }
    bool failed() const { return m_failed; }
    // Runs to completion; true when no error occurred.
    bool run();
    void reset();

    std::int64_t columnInt(int col) const;
    QString columnText(int col) const;
    QByteArray columnBlob(int col) const;
    // The column's bytes in place, valid until the next step or reset.
    const char* columnBlobData(int col, int* size) const;
    bool columnIsNull(int col) const;
    bool columnIsText(int col) const;

private:
    Database* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
    bool m_done = false;
    bool m_failed = false;
};

}  // namespace za::sql
