#include "device.h"
#include "objectstore.h"
#include "profile.h"
#include "sqlite.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <cstring>
#include <vector>

using za::test::ProfileTest;
using ObjectStore = ProfileTest;

namespace {

constexpr CEPROPID kName = MAKE_PROPID(100, CEVT_LPWSTR);
constexpr CEPROPID kZone = MAKE_PROPID(101, CEVT_I2);
constexpr CEPROPID kLongitude = MAKE_PROPID(102, CEVT_I2);
constexpr CEPROPID kLatitude = MAKE_PROPID(103, CEVT_I2);
constexpr CEPROPID kCountry = MAKE_PROPID(107, CEVT_LPWSTR);
const QString kDbName = QStringLiteral("Test Cities");

CEGUID SystemGuid() {
    CEGUID guid;
    CREATE_SYSTEMGUID(&guid);
    return guid;
}

CEOID CreateCities(CEGUID guid, const QString& name = kDbName) {
    CEDBASEINFO info{};
    info.szDbaseName = name;
    info.wNumSortOrder = 3;
    info.rgSortSpecs[0] = {kName, CEDB_SORT_CASEINSENSITIVE};
    info.rgSortSpecs[1] = {kZone, 0};
    info.rgSortSpecs[2] = {kLatitude, 0};
    return CeCreateDatabaseEx(&guid, &info);
}

HANDLE Open(CEGUID guid, CEPROPID sort, const QString& name = kDbName) {
    CEOID oid = 0;
    return CeOpenDatabaseEx(&guid, &oid, name, sort, 0, nullptr);
}

// The value points into text, which must outlive it.
CEPROPVAL Text(CEPROPID id, const QString& text) {
    CEPROPVAL v{};
    v.propid = id;
    v.val.lpwstr = reinterpret_cast<const WCHAR*>(text.utf16());
    return v;
}
CEPROPVAL Text(CEPROPID id, QString&& text) = delete;

CEPROPVAL Short(CEPROPID id, short value) {
    CEPROPVAL v{};
    v.propid = id;
    v.val.iVal = value;
    return v;
}

// Writes a new city record; the strings must outlive the call only.
CEOID AddCity(HANDLE db, const QString& name, short zone, short latitude, const QString& country = QString()) {
    const QString countryText = country;
    std::vector<CEPROPVAL> props = {Text(kName, name), Short(kZone, zone), Short(kLongitude, 0),
                                    Short(kLatitude, latitude)};
    if (!country.isNull()) props.push_back(Text(kCountry, countryText));
    return CeWriteRecordProps(db, 0, static_cast<WORD>(props.size()), props.data());
}

// Reads the current record's properties into owned values.
struct Record {
    CEOID oid = 0;
    QString name;
    bool hasName = false;
    short zone = 0;
    short latitude = 0;
    bool hasLatitude = false;
    QString country;
    bool hasCountry = false;
};

Record ReadCurrent(HANDLE db) {
    Record r;
    BYTE* buffer = nullptr;
    DWORD size = 0;
    WORD count = 0;
    r.oid = CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr);
    const auto* values = reinterpret_cast<const CEPROPVAL*>(buffer);
    for (WORD i = 0; r.oid && i < count; ++i) {
        const CEPROPVAL& v = values[i];
        if (v.propid == kName) {
            r.name = QString::fromUtf16(v.val.lpwstr);
            r.hasName = true;
        } else if (v.propid == kZone) {
            r.zone = v.val.iVal;
        } else if (v.propid == kLatitude) {
            r.latitude = v.val.iVal;
            r.hasLatitude = true;
        } else if (v.propid == kCountry) {
            r.country = QString::fromUtf16(v.val.lpwstr);
            r.hasCountry = true;
        }
    }
    LocalFree(buffer);
    return r;
}

// Names of every record from the beginning, walking one record at a time.
QStringList WalkNames(HANDLE db) {
    QStringList names;
    if (!CeSeekDatabase(db, CEDB_SEEK_BEGINNING, DWORD{0}, nullptr)) return names;
    do {
        names << ReadCurrent(db).name;
    } while (CeSeekDatabase(db, CEDB_SEEK_CURRENT, DWORD{1}, nullptr));
    return names;
}

CEOID SeekText(HANDLE db, DWORD type, const QString& text, DWORD* index = nullptr) {
    CEPROPVAL v = Text(kName, text);
    return CeSeekDatabase(db, type, &v, index);
}

CEOID SeekShort(HANDLE db, DWORD type, CEPROPID id, short value) {
    CEPROPVAL v = Short(id, value);
    return CeSeekDatabase(db, type, &v, nullptr);
}

}  // namespace

TEST_F(ObjectStore, CreatesAndOpensDatabases) {
    const CEOID created = CreateCities(SystemGuid());
    ASSERT_NE(0u, created);

    CEGUID guid = SystemGuid();
    CEOID oid = 0;
    HANDLE byName = CeOpenDatabaseEx(&guid, &oid, QStringLiteral("TEST cities"), kZone, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, byName) << "names compare without regard to case";
    EXPECT_EQ(created, oid);
    HANDLE byId = CeOpenDatabaseEx(&guid, &oid, QString(), 0, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, byId);
    EXPECT_TRUE(CloseHandle(byName));
    EXPECT_TRUE(CloseHandle(byId));
    EXPECT_FALSE(CloseHandle(byId));
    EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), GetLastError());

    oid = 0;
    EXPECT_EQ(INVALID_HANDLE_VALUE, CeOpenDatabaseEx(&guid, &oid, QStringLiteral("Nowhere"), 0, 0, nullptr));
    EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), GetLastError());
    EXPECT_EQ(INVALID_HANDLE_VALUE, Open(guid, kLongitude)) << "not one of the sort orders";
    EXPECT_EQ(DWORD(ERROR_INVALID_PARAMETER), GetLastError());
    oid = 0;
    EXPECT_EQ(INVALID_HANDLE_VALUE, CeOpenDatabaseEx(&guid, &oid, kDbName, 0, 0x1, nullptr)) << "no open flags";
    EXPECT_EQ(DWORD(ERROR_INVALID_PARAMETER), GetLastError());

    EXPECT_EQ(0u, CreateCities(guid, QStringLiteral("test CITIES")));
    EXPECT_EQ(DWORD(ERROR_DUP_NAME), GetLastError());

    struct Bad {
        const char* nickname;
        QString name;
        WORD sorts;
        SORTORDERSPEC order;
    } bad[] = {
        {"name too long", QString(32, QLatin1Char('x')), 1, {kName, 0}},
        {"empty name", QString(), 1, {kName, 0}},
        {"no sort order", QStringLiteral("A"), 0, {kName, 0}},
        {"five sort orders", QStringLiteral("B"), 5, {kName, 0}},
        {"blob sort", QStringLiteral("C"), 1, {MAKE_PROPID(1, CEVT_BLOB), 0}},
        {"descending sort", QStringLiteral("D"), 1, {kName, 0x1}},
        {"records without the value first", QStringLiteral("E"), 1, {kName, 0x4}},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.nickname);
        CEDBASEINFO info{};
        info.szDbaseName = b.name;
        info.wNumSortOrder = b.sorts;
        info.rgSortSpecs[0] = b.order;
        EXPECT_EQ(0u, CeCreateDatabaseEx(&guid, &info));
        EXPECT_EQ(DWORD(ERROR_INVALID_PARAMETER), GetLastError());
    }
    CEDBASEINFO longest{};
    longest.szDbaseName = QString(31, QLatin1Char('y'));
    longest.wNumSortOrder = 1;
    longest.rgSortSpecs[0] = {kName, 0};
    EXPECT_NE(0u, CeCreateDatabaseEx(&guid, &longest));
}

TEST_F(ObjectStore, WritesReadsAndMergesProperties) {
    CEGUID guid = SystemGuid();
    ASSERT_NE(0u, CreateCities(guid));
    HANDLE db = Open(guid, kName);
    ASSERT_NE(INVALID_HANDLE_VALUE, db);

    const QString name = QStringLiteral("Zürich \U0001F3D4");  // beyond the BMP too
    const CEOID oid = AddCity(db, name, 4, -4737, QStringLiteral("Switzerland"));
    ASSERT_NE(0u, oid);

    // Selected properties in the asked order; a missing one is flagged, not an error.
    const CEPROPID ask[] = {kLatitude, MAKE_PROPID(104, CEVT_LPWSTR), kName, MAKE_PROPID(101, CEVT_LPWSTR)};
    WORD count = 4;
    BYTE* buffer = LocalAlloc(LPTR, 1024);
    DWORD size = 1024;
    ASSERT_EQ(oid, CeSeekDatabase(db, CEDB_SEEK_CEOID, oid, nullptr));
    ASSERT_EQ(oid, CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, ask, &buffer, &size, nullptr));
    const auto* v = reinterpret_cast<const CEPROPVAL*>(buffer);
    EXPECT_EQ(kLatitude, v[0].propid);
    EXPECT_EQ(0, v[0].wFlags);
    EXPECT_EQ(-4737, v[0].val.iVal);
    EXPECT_EQ(CEDB_PROPNOTFOUND, v[1].wFlags);
    EXPECT_EQ(name, QString::fromUtf16(v[2].val.lpwstr));
    EXPECT_EQ(CEDB_PROPNOTFOUND, v[3].wFlags) << "the same identifier with another type is another property";
    EXPECT_EQ(1024u, size) << "a buffer large enough is not reallocated";
    LocalFree(buffer);

    // Overwriting keeps what is not written.
    CEPROPVAL change = Short(kZone, 7);
    ASSERT_EQ(oid, CeWriteRecordProps(db, oid, 1, &change));
    Record r = ReadCurrent(db);
    EXPECT_EQ(name, r.name);
    EXPECT_EQ(7, r.zone);
    EXPECT_EQ(-4737, r.latitude);
    EXPECT_TRUE(r.hasCountry);
    EXPECT_EQ(QStringLiteral("Switzerland"), r.country);

    // The written data survives closing the profile.
    CloseHandle(db);
    za::device::Reset();
    db = Open(SystemGuid(), kName);
    ASSERT_NE(INVALID_HANDLE_VALUE, db);
    ASSERT_EQ(oid, SeekText(db, CEDB_SEEK_VALUEFIRSTEQUAL, name));
    EXPECT_EQ(7, ReadCurrent(db).zone);
    CloseHandle(db);
}

TEST_F(ObjectStore, ReadBufferGrowsOnlyWhenAllowed) {
    CEGUID guid = SystemGuid();
    ASSERT_NE(0u, CreateCities(guid));
    HANDLE db = Open(guid, kName);
    const QString longName(2000, QLatin1Char('n'));
    ASSERT_NE(0u, AddCity(db, longName, 1, 1));
    ASSERT_NE(0u, CeSeekDatabase(db, CEDB_SEEK_BEGINNING, DWORD{0}, nullptr));

    BYTE* buffer = LocalAlloc(LPTR, 64);
    DWORD size = 64;
    WORD count = 0;
    EXPECT_EQ(0u, CeReadRecordPropsEx(db, 0, &count, nullptr, &buffer, &size, nullptr));
    EXPECT_EQ(DWORD(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    EXPECT_GT(size, 4000u) << "the size needed is reported";

    size = 64;
    ASSERT_NE(0u, CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr));
    EXPECT_EQ(4, count);
    EXPECT_GT(size, 4000u);
    EXPECT_EQ(longName, QString::fromUtf16(reinterpret_cast<const CEPROPVAL*>(buffer)[0].val.lpwstr));
    LocalFree(buffer);
    CloseHandle(db);
}

TEST_F(ObjectStore, SortsStringsWithoutRegardToCase) {
    CEGUID guid = SystemGuid();
    ASSERT_NE(0u, CreateCities(guid));
    HANDLE db = Open(guid, kName);
    for (const char* name : {"paris", "Amsterdam", "ÅLESUND", "zagreb", "Berlin", "ÉVORA", "abidjan"}) {
        ASSERT_NE(0u, AddCity(db, QString::fromUtf8(name), 1, 0)) << name;
    }
    // Letters beyond ASCII fold too; they sort by code point after the ASCII ones.
    EXPECT_EQ(QStringList({"abidjan", "Amsterdam", "Berlin", "paris", "zagreb", "ÅLESUND", "ÉVORA"}),
              WalkNames(db));

    struct Seek {
        const char* nickname;
        DWORD type;
        const char* value;
        const char* found;  // null: no record
        DWORD index;
    } seeks[] = {
        {"equal, other case", CEDB_SEEK_VALUEFIRSTEQUAL, "PARIS", "paris", 3},
        {"equal beyond ASCII", CEDB_SEEK_VALUEFIRSTEQUAL, "ålesund", "ÅLESUND", 5},
        {"equal, absent", CEDB_SEEK_VALUEFIRSTEQUAL, "Par", nullptr, 0},
        {"greater than a prefix", CEDB_SEEK_VALUEGREATER, "Par", "paris", 3},
        {"greater than a record", CEDB_SEEK_VALUEGREATER, "berlin", "paris", 3},
        {"greater than all", CEDB_SEEK_VALUEGREATER, "évora", nullptr, 0},
    };
    for (const Seek& s : seeks) {
        SCOPED_TRACE(s.nickname);
        ASSERT_NE(0u, CeSeekDatabase(db, CEDB_SEEK_BEGINNING, DWORD{6}, nullptr));
        DWORD index = 99;
        const CEOID oid = SeekText(db, s.type, QString::fromUtf8(s.value), &index);
        if (!s.found) {
            EXPECT_EQ(0u, oid);
            EXPECT_EQ(DWORD(ERROR_SEEK), GetLastError());
            EXPECT_EQ(QStringLiteral("ÉVORA"), ReadCurrent(db).name) << "a failed seek does not move";
        } else {
            EXPECT_NE(0u, oid);
            EXPECT_EQ(index, s.index);
            EXPECT_EQ(QString::fromUtf8(s.found), ReadCurrent(db).name);
        }
    }

    // Positional seeks, with the position of the record found.
    DWORD index = 0;
    ASSERT_NE(0u, CeSeekDatabase(db, CEDB_SEEK_BEGINNING, DWORD{4}, &index));
    EXPECT_EQ(4u, index);
    EXPECT_EQ(QStringLiteral("zagreb"), ReadCurrent(db).name);
    ASSERT_NE(0u, CeSeekDatabase(db, CEDB_SEEK_CURRENT, static_cast<DWORD>(-3), &index));
    EXPECT_EQ(1u, index);
    EXPECT_EQ(QStringLiteral("Amsterdam"), ReadCurrent(db).name);
    ASSERT_NE(0u, CeSeekDatabase(db, CEDB_SEEK_BEGINNING, DWORD{5}, &index));
    EXPECT_EQ(5u, index);
    EXPECT_EQ(QStringLiteral("ÅLESUND"), ReadCurrent(db).name);
    EXPECT_EQ(0u, CeSeekDatabase(db, CEDB_SEEK_BEGINNING, DWORD{7}, nullptr)) << "past the end";
    EXPECT_EQ(0u, CeSeekDatabase(db, CEDB_SEEK_CURRENT, DWORD{2}, nullptr)) << "past the end";
    EXPECT_EQ(QStringLiteral("ÅLESUND"), ReadCurrent(db).name);
    CloseHandle(db);
}

TEST_F(ObjectStore, IntegerOrdersKeepCreationOrderAmongEquals) {
    CEGUID guid = SystemGuid();
    ASSERT_NE(0u, CreateCities(guid));
    HANDLE db = Open(guid, kName);
    const CEOID first = AddCity(db, QStringLiteral("First"), 5, 100);
    AddCity(db, QStringLiteral("Minus"), 3, -3000);
    const CEOID second = AddCity(db, QStringLiteral("Second"), 5, 2000);
    AddCity(db, QStringLiteral("Big"), 9, 8999);
    // A record without the sort property goes after all others.
    const QString nowhere = QStringLiteral("Nowhere");
    CEPROPVAL nameOnly = Text(kName, nowhere);
    ASSERT_NE(0u, CeWriteRecordProps(db, 0, 1, &nameOnly));
    CloseHandle(db);

    HANDLE byZone = Open(guid, kZone);
    EXPECT_EQ(QStringList({"Minus", "First", "Second", "Big", "Nowhere"}), WalkNames(byZone));
    EXPECT_EQ(first, SeekShort(byZone, CEDB_SEEK_VALUEFIRSTEQUAL, kZone, 5));
    EXPECT_EQ(second, CeSeekDatabase(byZone, CEDB_SEEK_CURRENT, DWORD{1}, nullptr));
    EXPECT_EQ(second, ReadCurrent(byZone).oid);
    EXPECT_EQ(0u, SeekShort(byZone, CEDB_SEEK_VALUEGREATER, kZone, 9)) << "records without a value are not greater";
    EXPECT_EQ(0u, SeekText(byZone, CEDB_SEEK_VALUEFIRSTEQUAL, QStringLiteral("First")));
    EXPECT_EQ(DWORD(ERROR_INVALID_PARAMETER), GetLastError()) << "a value of another property";
    CloseHandle(byZone);

    HANDLE byLatitude = Open(guid, kLatitude);
    EXPECT_EQ(QStringList({"Minus", "First", "Second", "Big", "Nowhere"}), WalkNames(byLatitude));
    EXPECT_NE(0u, SeekShort(byLatitude, CEDB_SEEK_VALUEGREATER, kLatitude, -3000));
    EXPECT_EQ(QStringLiteral("First"), ReadCurrent(byLatitude).name);
    CloseHandle(byLatitude);
}

TEST_F(ObjectStore, WalksLargeDatabasesWhileRecordsChange) {
    CEGUID guid = SystemGuid();
    const CEOID dbOid = CreateCities(guid);
    ASSERT_NE(0u, dbOid);
    HANDLE db = Open(guid, kName);
    std::vector<CEOID> oids;
    QStringList names;
    for (int i = 0; i < 300; ++i) {
        names << QStringLiteral("City %1").arg(i, 3, 10, QLatin1Char('0'));
        oids.push_back(AddCity(db, names.last(), 1, static_cast<short>(i)));
    }
    // A walk goes on across read-ahead batches.
    EXPECT_EQ(names, WalkNames(db));

    // Changes made while a walk is under way are seen by the walk: through another handle of
    // this process, and through another connection (as another process would).
    HANDLE walker = Open(guid, kName);
    ASSERT_NE(0u, CeSeekDatabase(walker, CEDB_SEEK_BEGINNING, DWORD{0}, nullptr));
    const QString newCountry = QStringLiteral("Renamed");
    CEPROPVAL renamed = Text(kCountry, newCountry);
    ASSERT_EQ(oids[1], CeWriteRecordProps(db, oids[1], 1, &renamed));
    ASSERT_TRUE(CeDeleteRecord(db, oids[2]));
    ASSERT_NE(0u, CeSeekDatabase(walker, CEDB_SEEK_CURRENT, DWORD{1}, nullptr));
    EXPECT_EQ(QStringLiteral("Renamed"), ReadCurrent(walker).country);
    ASSERT_NE(0u, CeSeekDatabase(walker, CEDB_SEEK_CURRENT, DWORD{1}, nullptr));
    EXPECT_EQ(QStringLiteral("City 003"), ReadCurrent(walker).name) << "a deleted record is skipped";

    // Another process's commits show from the next query on: a fresh seek, or the next batch
    // of a walk (the records a walk has read ahead are a snapshot, as a statement's rows are).
    {
        za::sql::Database other;
        ASSERT_TRUE(other.open(za::device::ProfilePath() + QStringLiteral("/device.db"), false));
        ASSERT_TRUE(other.exec("PRAGMA busy_timeout = 5000"));
        for (int gone : {4, 150}) {
            const std::string del =
                "DELETE FROM odb_" + std::to_string(dbOid) + " WHERE oid = " + std::to_string(oids[gone]);
            ASSERT_TRUE(other.exec(del.c_str())) << qPrintable(other.error());
        }
    }
    ASSERT_NE(0u, CeSeekDatabase(walker, CEDB_SEEK_BEGINNING, DWORD{3}, nullptr));
    EXPECT_EQ(QStringLiteral("City 005"), ReadCurrent(walker).name);
    QStringList walked;
    while (CeSeekDatabase(walker, CEDB_SEEK_CURRENT, DWORD{1}, nullptr)) {
        walked << ReadCurrent(walker).name;
        if (walked.last() == QLatin1String("City 152")) break;
    }
    EXPECT_TRUE(walked.contains(QStringLiteral("City 149")));
    EXPECT_FALSE(walked.contains(QStringLiteral("City 150")));
    EXPECT_EQ(146, walked.size());

    // Deleting the current record leaves the walk able to go on from where it was.
    ASSERT_TRUE(CeDeleteRecord(walker, oids[152]));
    ASSERT_NE(0u, CeSeekDatabase(walker, CEDB_SEEK_CURRENT, DWORD{1}, nullptr));
    EXPECT_EQ(QStringLiteral("City 153"), ReadCurrent(walker).name);
    CloseHandle(walker);
    CloseHandle(db);
}

TEST_F(ObjectStore, RefusesBadCallsWithoutHarm) {
    CEGUID guid = SystemGuid();
    ASSERT_NE(0u, CreateCities(guid));
    HANDLE db = Open(guid, kName);
    const CEOID oid = AddCity(db, QStringLiteral("Only"), 1, 1);
    ASSERT_NE(0u, oid);

    WORD count = 0;
    BYTE* buffer = nullptr;
    DWORD size = 0;
    EXPECT_EQ(0u, CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr))
        << "nothing sought yet";
    EXPECT_EQ(DWORD(ERROR_NO_DATA), GetLastError());
    EXPECT_EQ(0u, CeSeekDatabase(db, CEDB_SEEK_CURRENT, DWORD{1}, nullptr));

    const QString tooLong(CEDB_MAXPROPDATASIZE / 2 + 1, QLatin1Char('x'));
    const QString half(CEDB_MAXPROPDATASIZE / 2, QLatin1Char('y'));
    CEPROPVAL unknownType{};
    unknownType.propid = MAKE_PROPID(1, 64);  // a type this store does not keep
    CEPROPVAL nullString{};
    nullString.propid = kName;
    CEPROPVAL overTotal[] = {Text(MAKE_PROPID(1, CEVT_LPWSTR), half), Text(MAKE_PROPID(2, CEVT_LPWSTR), half),
                             Text(MAKE_PROPID(3, CEVT_LPWSTR), half)};
    struct BadWrite {
        const char* nickname;
        CEOID oid;
        WORD count;
        const CEPROPVAL* values;
    } writes[] = {
        {"unknown type", 0, 1, &unknownType},
        {"null string", 0, 1, &nullString},
        {"no properties", 0, 0, &unknownType},
        {"record over the size limit", 0, 3, overTotal},
        {"record that does not exist", oid + 1000, 1, &overTotal[0]},
    };
    for (const BadWrite& w : writes) {
        SCOPED_TRACE(w.nickname);
        EXPECT_EQ(0u, CeWriteRecordProps(db, w.oid, w.count, w.values));
        EXPECT_EQ(DWORD(ERROR_INVALID_PARAMETER), GetLastError());
    }
    CEPROPVAL longValue = Text(kName, tooLong);
    EXPECT_EQ(0u, CeWriteRecordProps(db, oid, 1, &longValue));
    EXPECT_FALSE(CeDeleteRecord(db, oid + 1000));
    EXPECT_EQ(QStringList({"Only"}), WalkNames(db)) << "failed writes leave the records as they were";

    // A closed or made-up handle is refused, not followed.
    int notAHandle = 0;
    EXPECT_EQ(0u, CeSeekDatabase(&notAHandle, CEDB_SEEK_BEGINNING, DWORD{0}, nullptr));
    EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), GetLastError());
    CloseHandle(db);
    EXPECT_EQ(0u, CeSeekDatabase(db, CEDB_SEEK_BEGINNING, DWORD{0}, nullptr));
    EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), GetLastError());
    EXPECT_EQ(0u, CeWriteRecordProps(db, 0, 1, &longValue));

    // A handle does not outlive the profile connection it was opened on.
    HANDLE stale = Open(guid, kName);
    ASSERT_NE(INVALID_HANDLE_VALUE, stale);
    za::device::Reset();
    EXPECT_EQ(0u, CeSeekDatabase(stale, CEDB_SEEK_BEGINNING, DWORD{0}, nullptr));
    EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), GetLastError());
    CloseHandle(stale);
}

TEST_F(ObjectStore, VolumesOpenOnlyRecordVolumes) {
    const QString folder = profile.path() + QStringLiteral("/../volumes");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString missing = folder + QStringLiteral("/missing.vol");
    const QString text = folder + QStringLiteral("/notes.txt");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("These are not records.\n");
    file.close();
    ASSERT_NE(nullptr, za::device::Db());

    struct Refused {
        const char* nickname;
        QString path;
        DWORD flags;
        DWORD error;
    } refused[] = {
        {"missing file", missing, OPEN_EXISTING, ERROR_FILE_NOT_FOUND},
        {"text file", text, OPEN_EXISTING, ERROR_BAD_FORMAT},
        {"another database", profile.dbPath(), OPEN_EXISTING, ERROR_BAD_FORMAT},
        {"a folder", folder, OPEN_EXISTING, ERROR_BAD_FORMAT},
        {"create over a file", text, CREATE_NEW, ERROR_ALREADY_EXISTS},
        {"replacing a file", text, 2, ERROR_INVALID_PARAMETER},
    };
    for (const Refused& r : refused) {
        SCOPED_TRACE(r.nickname);
        CEGUID guid;
        CREATE_INVALIDGUID(&guid);
        EXPECT_FALSE(CeMountDBVol(&guid, r.path, r.flags));
        EXPECT_EQ(r.error, GetLastError());
    }
    EXPECT_FALSE(QFile::exists(missing)) << "a failed mount creates nothing";
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(QByteArray("These are not records.\n"), file.readAll()) << "a refused file is left alone";
}

TEST_F(ObjectStore, VolumesKeepTheirOwnDatabases) {
    const QString path = profile.path() + QStringLiteral("/../cities.vol");
    CEGUID volume;
    ASSERT_TRUE(CeMountDBVol(&volume, path, CREATE_NEW));
    EXPECT_FALSE(CHECK_SYSTEMGUID(&volume));
    EXPECT_FALSE(CHECK_INVALIDGUID(&volume));
    ASSERT_NE(0u, CreateCities(volume));
    ASSERT_NE(0u, CreateCities(SystemGuid())) << "the same name in the object store is another database";
    HANDLE db = Open(volume, kName);
    ASSERT_NE(0u, AddCity(db, QStringLiteral("On the volume"), 1, 1));
    HANDLE store = Open(SystemGuid(), kName);
    EXPECT_EQ(QStringList(), WalkNames(store));
    CloseHandle(store);

    CEGUID again;
    ASSERT_TRUE(CeMountDBVol(&again, path, OPEN_EXISTING));
    EXPECT_EQ(0, std::memcmp(&volume, &again, sizeof volume)) << "one path, one volume";
    ASSERT_TRUE(CeUnmountDBVol(&again));
    EXPECT_EQ(QStringList({"On the volume"}), WalkNames(db)) << "still mounted once";
    ASSERT_TRUE(CeUnmountDBVol(&volume));
    EXPECT_FALSE(CeUnmountDBVol(&volume));
    EXPECT_EQ(0u, CeSeekDatabase(db, CEDB_SEEK_BEGINNING, DWORD{0}, nullptr)) << "its volume is gone";
    EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), GetLastError());
    CloseHandle(db);

    ASSERT_TRUE(CeMountDBVol(&volume, path, OPEN_EXISTING));
    db = Open(volume, kZone);
    ASSERT_NE(INVALID_HANDLE_VALUE, db);
    EXPECT_EQ(QStringList({"On the volume"}), WalkNames(db));
    CloseHandle(db);
    EXPECT_TRUE(CeUnmountDBVol(&volume));
}

TEST_F(ObjectStore, DamagedVolumeGivesFailuresNotCrashes) {
    const QString path = profile.path() + QStringLiteral("/../damaged.vol");
    CEGUID volume;
    ASSERT_TRUE(CeMountDBVol(&volume, path, CREATE_NEW));
    const CEOID dbOid = CreateCities(volume);
    ASSERT_NE(0u, CreateCities(volume, QStringLiteral("Odd sorts")));
    const CEOID noTableOid = CreateCities(volume, QStringLiteral("No table"));
    HANDLE db = Open(volume, kName);
    const CEOID good = AddCity(db, QStringLiteral("Good"), 1, 1);
    const CEOID bad = AddCity(db, QStringLiteral("Bad"), 1, 2);
    const CEOID cut = AddCity(db, QStringLiteral("Cut"), 1, 3);
    CloseHandle(db);
    ASSERT_TRUE(CeUnmountDBVol(&volume));

    // Damage it the way a foreign program or a broken disk might.
    {
        za::sql::Database raw;
        ASSERT_TRUE(raw.open(path, false));
        const std::string table = "odb_" + std::to_string(dbOid);
        const std::string garbage = "UPDATE " + table + " SET props = x'0100ffff' WHERE oid = " + std::to_string(bad);
        // A name that claims 256 bytes and has none.
        const std::string truncated = "UPDATE " + table + " SET props = x'1f00640000010000' WHERE oid = " + std::to_string(cut);
        const std::string drop = "DROP TABLE odb_" + std::to_string(noTableOid);
        ASSERT_TRUE(raw.exec(garbage.c_str())) << qPrintable(raw.error());
        ASSERT_TRUE(raw.exec(truncated.c_str())) << qPrintable(raw.error());
        ASSERT_TRUE(raw.exec("UPDATE odb_catalog SET sorts = 9 WHERE name = 'Odd sorts'"));
        ASSERT_TRUE(raw.exec(drop.c_str()));
    }
    ASSERT_TRUE(CeMountDBVol(&volume, path, OPEN_EXISTING));
    db = Open(volume, kName);
    ASSERT_NE(INVALID_HANDLE_VALUE, db);
    ASSERT_EQ(bad, SeekText(db, CEDB_SEEK_VALUEFIRSTEQUAL, QStringLiteral("Bad")));
    WORD count = 0;
    BYTE* buffer = nullptr;
    DWORD size = 0;
    EXPECT_EQ(0u, CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr));
    EXPECT_EQ(DWORD(ERROR_INVALID_DATA), GetLastError());
    CEPROPVAL rename = Short(kZone, 3);
    EXPECT_EQ(0u, CeWriteRecordProps(db, bad, 1, &rename)) << "a damaged record is not rewritten on top";
    EXPECT_EQ(DWORD(ERROR_INVALID_DATA), GetLastError());
    ASSERT_EQ(cut, SeekText(db, CEDB_SEEK_VALUEFIRSTEQUAL, QStringLiteral("Cut")));
    EXPECT_EQ(0u, CeReadRecordPropsEx(db, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr));
    EXPECT_EQ(DWORD(ERROR_INVALID_DATA), GetLastError());
    ASSERT_EQ(good, SeekText(db, CEDB_SEEK_VALUEFIRSTEQUAL, QStringLiteral("Good")));
    EXPECT_EQ(QStringLiteral("Good"), ReadCurrent(db).name) << "the other records still read";
    CloseHandle(db);
    LocalFree(buffer);

    EXPECT_EQ(INVALID_HANDLE_VALUE, Open(volume, kName, QStringLiteral("Odd sorts")));
    EXPECT_EQ(DWORD(ERROR_BADDB), GetLastError());
    HANDLE noTable = Open(volume, kName, QStringLiteral("No table"));
    ASSERT_NE(INVALID_HANDLE_VALUE, noTable);
    EXPECT_EQ(0u, CeSeekDatabase(noTable, CEDB_SEEK_BEGINNING, DWORD{0}, nullptr));
    EXPECT_EQ(DWORD(ERROR_BADDB), GetLastError());
    CloseHandle(noTable);
    EXPECT_TRUE(CeUnmountDBVol(&volume));
}

TEST_F(ObjectStore, RefusedWritesLeaveRecordsAsTheyWere) {
    // In the object store and in a volume: both roll back a refused write.
    const QString volumePath = profile.path() + QStringLiteral("/../refused.vol");
    CEGUID volume;
    ASSERT_TRUE(CeMountDBVol(&volume, volumePath, CREATE_NEW));
    struct Place {
        const char* nickname;
        CEGUID guid;
    } places[] = {{"object store", SystemGuid()}, {"volume", volume}};
    for (Place& place : places) {
        SCOPED_TRACE(place.nickname);
        ASSERT_NE(0u, CreateCities(place.guid));
        HANDLE db = Open(place.guid, kName);
        ASSERT_NE(INVALID_HANDLE_VALUE, db);
        const CEOID tokyo = AddCity(db, QStringLiteral("Tokyo"), 60, 3570);
        ASSERT_NE(0u, tokyo);

        za::objectstore::SetRefusedWrites(ERROR_DISK_FULL);
        CEPROPVAL changes[] = {Short(kZone, 7), Short(kLatitude, -100)};
        EXPECT_EQ(0u, CeWriteRecordProps(db, tokyo, 2, changes));
        EXPECT_EQ(DWORD(ERROR_DISK_FULL), GetLastError());
        EXPECT_EQ(0u, AddCity(db, QStringLiteral("Osaka"), 60, 3469)) << "a new record is refused too";
        EXPECT_FALSE(CeDeleteRecord(db, tokyo));
        EXPECT_EQ(DWORD(ERROR_DISK_FULL), GetLastError());
        za::objectstore::SetRefusedWrites(ERROR_SUCCESS);

        // Neither half of the change was kept, nothing was added, nothing deleted.
        EXPECT_EQ(QStringList{QStringLiteral("Tokyo")}, WalkNames(db));
        ASSERT_EQ(tokyo, CeSeekDatabase(db, CEDB_SEEK_CEOID, tokyo, nullptr));
        const Record r = ReadCurrent(db);
        EXPECT_EQ(60, r.zone);
        EXPECT_EQ(3570, r.latitude);
        // And writes go through again.
        EXPECT_EQ(tokyo, CeWriteRecordProps(db, tokyo, 2, changes));
        EXPECT_TRUE(CeDeleteRecord(db, tokyo));
        CloseHandle(db);
    }
    EXPECT_TRUE(CeUnmountDBVol(&volume));
}
