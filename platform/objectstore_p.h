// What the object store's files share and nobody else sees: the volumes and their connections,
// the open handles and their rows read ahead, the stored form of a record, and the helpers more
// than one of the files calls. The API is objectstore.h.
#pragma once

#include "objectstore.h"
#include "sqlite.h"

#include <QByteArray>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace za::objectstore::detail {

using za::sql::Database;
using za::sql::Statement;

// Rows fetched ahead when walking in sort order: one query per batch instead of per record.
// A walk's batches start small and double, so a short walk reads little it does not use and a
// long one makes few queries.
constexpr int kFirstBatch = 32;
constexpr int kLargestBatch = 256;

// ---------------------------------------------------------------------------------------------
// Property values as stored: a sequence of (propid u32, length u32, data), little-endian
// (objectstore_encoding.cpp).

struct StoredProp {
    CEPROPID propid;
    QByteArray data;
};

// One stored property seen in place: its bytes stay in the blob it was parsed from.
struct PropView {
    CEPROPID propid;
    const char* data;
    DWORD size;
};

// A sort value: an integer or a string, as held in a k<s> column.
struct SortKey {
    int m = 2;  // 1: the record has the sort property; 2: it lacks it, so it sorts after the rest
    bool isText = false;
    qint64 number = 0;
    QString text;
};

bool IsSupportedType(WORD type);
bool IsSortableType(WORD type);
DWORD GetU32(const char* p);
QByteArray Serialise(const std::vector<StoredProp>& props);
// Returns false for a blob that is not a well-formed property list (a damaged or hostile file).
// The views point into the blob, which must outlive them.
bool ParseViews(const QByteArray& blob, std::vector<PropView>* props);
// The same, as values of their own.
bool Parse(const QByteArray& blob, std::vector<StoredProp>* props);
// The stored bytes of one value to be written, or false when the value cannot be stored.
bool Encode(const CEPROPVAL& v, QByteArray* data);
SortKey KeyOf(const std::vector<StoredProp>& props, CEPROPID sortPropid);
// The sort value a seek asks for, or false when its type does not match the sort order.
bool KeyOfValue(const CEPROPVAL& v, CEPROPID sortPropid, SortKey* key);
void BindKey(Statement& st, int index, const SortKey& key);

// ---------------------------------------------------------------------------------------------
// Volumes: the object store (device.db) and mounted volume files (objectstore_volumes.cpp).

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

    Database* db();

    // A prepared statement of this connection, kept for reuse. Statements are always reset
    // after use, so one cached statement never serves two callers at once.
    Statement* prepare(const std::string& sql);

    static unsigned NextSerial();
};

CEGUID GuidOf(DWORD id);
Volume* FindVolume(const CEGUID* guid);
// Runs fn inside one write transaction of the volume's connection.
// Nested calls join the outer transaction.
bool InWrite(Volume& vol, const std::function<bool()>& fn);

DWORD ErrorFromSqlite(const Database& db, DWORD otherwise);
bool FailWith(DWORD error);
CEOID SeekFailed(DWORD error);

struct CatalogEntry {
    CEOID oid = 0;
    int sorts = 0;
    CEPROPID sortPropids[CEDB_MAXSORTORDER] = {};
};

// Looks a database up by name (oid 0) or identifier. False with the error set when absent.
bool FindDatabase(Volume& vol, CEOID oid, const QString& name, CatalogEntry* entry);
std::string TableOf(CEOID oid);

// ---------------------------------------------------------------------------------------------
// Open databases (objectstore_seek.cpp).

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

    bool hasCurrent = false;
    Row current;
    qint64 index = -1;  // position of the current record, when known
    std::deque<Row> ahead;
    quint64 changesSeen = 0;
    qint64 aheadVersion = -1;  // the content version when the rows ahead were read
    int batch = kFirstBatch;   // rows the next refill reads
};

// The handle and its volume, or null with ERROR_INVALID_HANDLE when either is gone.
DbHandle* Resolve(HANDLE h, Volume** volume);

// SQL of one kind of query on a handle's table and sort order. The table and column names are
// built from numbers this module chose; values are always bound.
enum class Query { First, After, Before, Equal, Greater, ByOid, IndexOf, Props };

Statement* Prepare(Volume& vol, const DbHandle& d, Query q);

}  // namespace za::objectstore::detail
