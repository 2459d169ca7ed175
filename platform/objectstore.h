// The record databases of the handheld's object store and its mountable database volumes.
//
// A database is a named set of records; a record is a set of typed properties. Each database
// has up to four sort orders, each on one property; a handle is opened on one of them and
// walks the records in that order. Strings sort and compare without regard to case (all of
// Unicode); records that lack the sort property come after all others. Records with equal
// sort values keep the order they were created in.
//
// The object store lives in device.db; a volume is a separate file mounted by path. The calls
// keep the handheld's contracts: 0, FALSE or INVALID_HANDLE_VALUE on failure with the reason in
// GetLastError(), never a crash on a bad handle, a seek past the end or a hostile file.
#pragma once

#include "handles.h"
#include "wintypes.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <string>

using CEOID = DWORD;
using CEPROPID = DWORD;

// Identifies a volume: all zero = the object store, all 0xFF = none.
struct CEGUID {
    DWORD Data1;
    DWORD Data2;
    DWORD Data3;
    DWORD Data4;
};
static_assert(sizeof(CEGUID) == 16, "CEGUID keeps the platform's layout");

void CREATE_SYSTEMGUID(CEGUID* guid);
void CREATE_INVALIDGUID(CEGUID* guid);
bool CHECK_SYSTEMGUID(const CEGUID* guid);
bool CHECK_INVALIDGUID(const CEGUID* guid);

// Property value types; a property id is (identifier << 16) | type.
constexpr WORD CEVT_I2 = 2;
constexpr WORD CEVT_I4 = 3;
constexpr WORD CEVT_UI2 = 18;
constexpr WORD CEVT_UI4 = 19;
constexpr WORD CEVT_LPWSTR = 31;
constexpr WORD CEVT_BLOB = 65;

constexpr CEPROPID MAKE_PROPID(WORD identifier, WORD type) {
    return (static_cast<CEPROPID>(identifier) << 16) | type;
}
constexpr WORD TypeFromPropID(CEPROPID propid) { return static_cast<WORD>(propid & 0xFFFF); }

struct CEBLOB {
    DWORD dwCount;
    const BYTE* lpb;
};

union CEVALUNION {
    short iVal;
    WORD uiVal;
    LONG lVal;
    DWORD ulVal;
    const WCHAR* lpwstr;  // NUL-terminated UTF-16
    CEBLOB blob;
};

struct CEPROPVAL {
    CEPROPID propid;
    WORD wLenData;  // unused on write; bytes of a string or blob on read
    WORD wFlags;    // read: CEDB_PROPNOTFOUND; not read on write
    CEVALUNION val;
};

// CEPROPVAL::wFlags
constexpr WORD CEDB_PROPNOTFOUND = 0x0100;  // the record lacks this property

// Limits of one record, as on the handheld: larger writes fail with ERROR_INVALID_PARAMETER.
constexpr DWORD CEDB_MAXPROPDATASIZE = 65471;  // bytes of one property's data
constexpr DWORD CEDB_MAXRECORDSIZE = 131072;   // bytes of all of a record's data
constexpr WORD CEDB_MAXPROPCOUNT = 1024;
constexpr int CEDB_MAXDBASENAMELEN = 32;       // characters of a database name, NUL included
constexpr int CEDB_MAXSORTORDER = 4;

// SORTORDERSPEC::dwFlags. Strings always sort without regard to case here.
constexpr DWORD CEDB_SORT_CASEINSENSITIVE = 0x00000002;

struct SORTORDERSPEC {
    CEPROPID propid;
    DWORD dwFlags;
};

struct CEDBASEINFO {
    QString szDbaseName;  // 1 to 31 characters; compared without regard to case
    DWORD dwDbaseType;
    WORD wNumSortOrder;   // 1 to CEDB_MAXSORTORDER
    SORTORDERSPEC rgSortSpecs[CEDB_MAXSORTORDER];
};

// Volumes. OPEN_EXISTING fails on a missing file or one that is not a record volume;
// CREATE_NEW fails when the file exists. (Replacing a volume that exists is not offered: it
// would throw away the user's cities.) Mounting a mounted path again gives the same
// identifier; each mount needs its unmount.
constexpr DWORD CREATE_NEW = 1;
constexpr DWORD OPEN_EXISTING = 3;
BOOL CeMountDBVol(CEGUID* guid, const QString& path, DWORD flags);
BOOL CeUnmountDBVol(CEGUID* guid);

// Runs writes (any of the calls below on this volume) as one transaction: when it returns false
// or the commit fails, none of them is kept. Also much faster for many writes, which otherwise
// are each made durable on their own. Calls nest.
BOOL CeWriteAllOrNothing(CEGUID* guid, const std::function<bool()>& writes);

// Creates a database (the installation does this; the system itself never does). Returns its
// identifier, or 0 (ERROR_DUP_NAME when the name is taken).
CEOID CeCreateDatabaseEx(CEGUID* guid, const CEDBASEINFO* info);
BOOL CeDeleteDatabaseEx(CEGUID* guid, CEOID oid);

// Opens a database by identifier, or by name when *oid is 0 (then *oid receives the
// identifier). sortPropid selects the sort order (0 = the first); it must be one of the
// database's. flags must be 0.
HANDLE CeOpenDatabaseEx(CEGUID* guid, CEOID* oid, const QString& name, CEPROPID sortPropid,
                        DWORD flags, void* notify);
// CloseHandle (handles.h) closes a database handle.

// Seek types. Without a match the position is unchanged and the call returns 0 (ERROR_SEEK).
constexpr DWORD CEDB_SEEK_CEOID = 0x00000001;          // value: a record identifier
constexpr DWORD CEDB_SEEK_BEGINNING = 0x00000002;      // value: records to skip from the first
constexpr DWORD CEDB_SEEK_CURRENT = 0x00000008;        // value: signed move from the current record
constexpr DWORD CEDB_SEEK_VALUEFIRSTEQUAL = 0x00000020;  // first record whose sort value is equal
constexpr DWORD CEDB_SEEK_VALUEGREATER = 0x00000040;   // first record whose sort value is greater

// Positional seeks. Returns the record's identifier; *index (optional) receives its position
// in the sort order, counted from 0.
CEOID CeSeekDatabase(HANDLE db, DWORD seekType, DWORD value, DWORD* index);
// Value seeks: value->propid must be the handle's sort property (same type).
CEOID CeSeekDatabase(HANDLE db, DWORD seekType, const CEPROPVAL* value, DWORD* index);

// Reads the current record's properties (all of them when propids is null; then *count
// receives how many) into *buffer: an array of CEPROPVAL followed by the strings and blobs
// they point to. A buffer too small fails with ERROR_INSUFFICIENT_BUFFER and *cbBuffer set to
// the size needed, unless CEDB_ALLOWREALLOC lets the call enlarge it with LocalReAlloc (or
// allocate it when *buffer is null). Returns the record's identifier.
constexpr DWORD CEDB_ALLOWREALLOC = 0x00000001;
CEOID CeReadRecordPropsEx(HANDLE db, DWORD flags, WORD* count, const CEPROPID* propids,
                          BYTE** buffer, DWORD* cbBuffer, void* heap);

// Writes properties over record oid (others it has are kept), or a new record when oid is 0.
// Returns the record's identifier.
CEOID CeWriteRecordProps(HANDLE db, CEOID oid, WORD count, const CEPROPVAL* values);
BOOL CeDeleteRecord(HANDLE db, CEOID oid);

namespace za::objectstore {
// A seam for tests of the callers' failure paths: while an error is set, every record write
// and delete makes its change inside its transaction and is then refused with that error
// (ERROR_DISK_FULL, say), so the change is rolled back as a failed commit would be. 0 lets
// writes through again.
void SetRefusedWrites(DWORD error);

// Every record of the database in the handle's sort order, read in one query (a walk of seeks
// makes one for each batch of records and copies every record for the read): fn receives each
// record's identifier and the texts of the `count` CEVT_LPWSTR properties asked for, a null
// string for one the record lacks. A record whose properties are malformed is passed over, as
// a walk would. FALSE when a read fails (the walk did not reach the last record) or fn returns
// false. The handle's position is left as it was.
BOOL ReadAllTexts(HANDLE db, int count, const CEPROPID* propids,
                  const std::function<bool(CEOID oid, const QString* texts)>& fn);

// The records whose sort key (a text, compared as the sort order compares, without regard to
// case) lies in [from, to), read in the same way and order; and how many records come before
// a key: those whose key is smaller (records without one come after every key). Both need a
// handle opened on a text sort order.
BOOL ReadTextsInRange(HANDLE db, const QString& from, const QString& to, int count, const CEPROPID* propids,
                      const std::function<bool(CEOID oid, const QString* texts)>& fn);
BOOL CountBefore(HANDLE db, const QString& key, qint64* count);

// The same read on a connection of its own, for a thread that reads while the program goes on
// (the window reads its city names so after its start). ReadApart gives what the thread needs
// (the file and the query), from the handle, on the handle's thread; ReadAllTextsApart runs on
// any thread and touches nothing else of the store. It sees the database as its own read
// transaction does: a change committed meanwhile is the caller's to notice.
struct ApartRead {
    QString file;
    std::string sql;
};
BOOL ReadApart(HANDLE db, ApartRead* read);
BOOL ReadAllTextsApart(const ApartRead& read, int count, const CEPROPID* propids,
                       const std::function<bool(CEOID oid, const QString* texts)>& fn);
}  // namespace za::objectstore

// The handheld's local heap, which record buffers come from.
constexpr UINT LMEM_FIXED = 0x0000;
constexpr UINT LMEM_ZEROINIT = 0x0040;
constexpr UINT LPTR = LMEM_FIXED | LMEM_ZEROINIT;
BYTE* LocalAlloc(UINT flags, std::size_t bytes);
BYTE* LocalReAlloc(BYTE* memory, std::size_t bytes, UINT flags);
BYTE* LocalFree(BYTE* memory);  // returns null on success, as the platform's call does
