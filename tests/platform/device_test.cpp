#include "device.h"
#include "objectstore.h"
#include "profile.h"
#include "registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <sqlite3.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <optional>

using za::device::ProfileState;
using za::test::ProfileTest;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

LONG OpenSettings(HKEY* key) {
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Corvantel\\Zonaria"), 0, 0, key);
}

// Runs the second program on the profile named by ZONARIA_DEVICE; returns its output.
QString RunRegwriter(const QStringList& args, bool unprivileged = false) {
    QProcess child;
    child.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    if (unprivileged) za::test::RunUnprivileged(child);
    child.start(QStringLiteral(REGWRITER_PATH), args);
    EXPECT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(0, child.exitCode()) << child.readAllStandardError().toStdString();
    return QString::fromUtf8(child.readAllStandardOutput());
}

// A profile installed by another process, so that this process opens it for the first time
// (and runs its check) after the test has damaged it.
void MakeProfileElsewhere() {
    RunRegwriter({QStringLiteral("write"), QStringLiteral("\\Software\\Probe"), QStringLiteral("v"), QStringLiteral("1")});
}

// Byte order, enough for another program to write to a table whose index uses Zonaria's
// collation.
int CompareBytes(void*, int lengthA, const void* a, int lengthB, const void* b) {
    const int n = std::memcmp(a, b, static_cast<std::size_t>(std::min(lengthA, lengthB)));
    return n != 0 ? n : lengthA - lengthB;
}

// SQL on device.db through a connection of SQLite's own, as another program would run it.
void RawExec(const QString& file, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(file.toUtf8().constData(), &db));
    sqlite3_create_collation(db, "ZANOCASE", SQLITE_UTF8, nullptr, CompareBytes);
    char* error = nullptr;
    EXPECT_EQ(SQLITE_OK, sqlite3_exec(db, sql, nullptr, nullptr, &error)) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

QStringList RawColumn(const QString& file, const char* sql) {
    sqlite3* db = nullptr;
    QStringList values;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK) {
            while (sqlite3_step(st) == SQLITE_ROW) {
                values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
            }
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return values;
}

QStringList Listing(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

// Counts the syncs SQLite asks of write-ahead logs, for the connections opened while it is the
// default file system (it passes everything else through).
class LogSyncCounter {
public:
    LogSyncCounter() : m_base(sqlite3_vfs_find(nullptr)) {
        m_vfs = *m_base;
        m_vfs.zName = "zonaria-log-sync-counter";
        m_vfs.szOsFile = static_cast<int>(sizeof(File)) + m_base->szOsFile;
        m_vfs.pAppData = this;
        m_vfs.xOpen = Open;
        sqlite3_vfs_register(&m_vfs, 1);
    }
    ~LogSyncCounter() {
        sqlite3_vfs_register(m_base, 1);
        sqlite3_vfs_unregister(&m_vfs);
    }
    LogSyncCounter(const LogSyncCounter&) = delete;
    LogSyncCounter& operator=(const LogSyncCounter&) = delete;
    int syncs() const { return m_syncs; }

private:
    struct File {
        sqlite3_file base;
        sqlite3_file* real;
        LogSyncCounter* owner;
        bool isLog;
    };
    static sqlite3_file* Real(sqlite3_file* f) { return reinterpret_cast<File*>(f)->real; }
    static const sqlite3_io_methods* Of(sqlite3_file* f) { return Real(f)->pMethods; }

    static int Open(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags) {
        auto* self = static_cast<LogSyncCounter*>(vfs->pAppData);
        auto* file = reinterpret_cast<File*>(f);
        file->real = reinterpret_cast<sqlite3_file*>(file + 1);
        file->owner = self;
        file->isLog = (flags & SQLITE_OPEN_WAL) != 0;
        const int rc = self->m_base->xOpen(self->m_base, name, file->real, flags, outFlags);
        file->base.pMethods = file->real->pMethods ? &kMethods : nullptr;
        return rc;
    }
    static int Sync(sqlite3_file* f, int flags) {
        auto* file = reinterpret_cast<File*>(f);
        if (file->isLog) ++file->owner->m_syncs;
        return Of(f)->xSync(Real(f), flags);
    }
    static constexpr sqlite3_io_methods kMethods = {
        3,
        [](sqlite3_file* f) { return Of(f)->xClose(Real(f)); },
        [](sqlite3_file* f, void* p, int n, sqlite3_int64 at) { return Of(f)->xRead(Real(f), p, n, at); },
        [](sqlite3_file* f, const void* p, int n, sqlite3_int64 at) { return Of(f)->xWrite(Real(f), p, n, at); },
        [](sqlite3_file* f, sqlite3_int64 size) { return Of(f)->xTruncate(Real(f), size); },
        Sync,
        [](sqlite3_file* f, sqlite3_int64* size) { return Of(f)->xFileSize(Real(f), size); },
        [](sqlite3_file* f, int lock) { return Of(f)->xLock(Real(f), lock); },
        [](sqlite3_file* f, int lock) { return Of(f)->xUnlock(Real(f), lock); },
        [](sqlite3_file* f, int* out) { return Of(f)->xCheckReservedLock(Real(f), out); },
        [](sqlite3_file* f, int op, void* arg) { return Of(f)->xFileControl(Real(f), op, arg); },
        [](sqlite3_file* f) { return Of(f)->xSectorSize(Real(f)); },
        [](sqlite3_file* f) { return Of(f)->xDeviceCharacteristics(Real(f)); },
        [](sqlite3_file* f, int page, int size, int extend, void volatile** out) {
            return Of(f)->xShmMap(Real(f), page, size, extend, out);
        },
        [](sqlite3_file* f, int at, int n, int flags) { return Of(f)->xShmLock(Real(f), at, n, flags); },
        [](sqlite3_file* f) { Of(f)->xShmBarrier(Real(f)); },
        [](sqlite3_file* f, int remove) { return Of(f)->xShmUnmap(Real(f), remove); },
        [](sqlite3_file* f, sqlite3_int64 at, int n, void** out) { return Of(f)->xFetch(Real(f), at, n, out); },
        [](sqlite3_file* f, sqlite3_int64 at, void* p) { return Of(f)->xUnfetch(Real(f), at, p); },
    };

    sqlite3_vfs* m_base;
    sqlite3_vfs m_vfs{};
    int m_syncs = 0;
};

}  // namespace

class DeviceProfile : public ProfileTest {};

TEST_F(DeviceProfile, ANewFolderIsInstalledOnFirstUse) {
    EXPECT_FALSE(QFile::exists(profile.dbPath()));
    ASSERT_NE(nullptr, za::device::Db()) << za::device::LastError().toStdString();
    EXPECT_TRUE(QFile::exists(profile.dbPath()));
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, OpenSettings(&key));
    RegCloseKey(key);
}

TEST_F(DeviceProfile, CorruptedDatabaseIsReportedAndLeftAlone) {
    QDir().mkpath(profile.path());
    const QByteArray garbage(8192, '\x5a');
    WriteFile(profile.dbPath(), garbage);
    EXPECT_EQ(nullptr, za::device::Db());
    EXPECT_TRUE(za::device::LastError().contains(QStringLiteral("damaged"))) << za::device::LastError().toStdString();
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_BADDB, OpenSettings(&key));
    EXPECT_EQ(garbage, ReadAll(profile.dbPath()));  // never replaced by an empty profile
}

TEST_F(DeviceProfile, MissingDatabaseInAUsedFolderIsNotRecreated) {
    QDir().mkpath(profile.path());
    WriteFile(profile.path() + QStringLiteral("/device.db-wal"), QByteArray("left over"));
    EXPECT_EQ(nullptr, za::device::Db());
    EXPECT_TRUE(za::device::LastError().contains(QStringLiteral("no device.db")));
    EXPECT_FALSE(QFile::exists(profile.dbPath()));
}

TEST_F(DeviceProfile, UnreadableDatabaseIsAnError) {
    QDir().mkpath(profile.dbPath());  // a folder where the file should be
    EXPECT_EQ(nullptr, za::device::Db());
    EXPECT_FALSE(za::device::LastError().isEmpty());
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_BADDB, OpenSettings(&key));
}

// Recognised before anything is changed: the journal mode, kept in the file, is left alone.
TEST_F(DeviceProfile, ForeignSqliteDatabaseIsNotTakenOver) {
    QDir().mkpath(profile.path());
    RawExec(profile.dbPath(), "CREATE TABLE notes(text); INSERT INTO notes VALUES('mine')");
    const QByteArray before = ReadAll(profile.dbPath());
    EXPECT_EQ(nullptr, za::device::Db());
    EXPECT_EQ(ProfileState::Foreign, za::device::Status().state);
    EXPECT_TRUE(za::device::LastError().contains(QStringLiteral("not a Zonaria device profile")));
    za::device::Reset();
    EXPECT_EQ(before, ReadAll(profile.dbPath()));
    EXPECT_EQ(QStringList{QStringLiteral("device.db")}, Listing(profile.path()));
    EXPECT_EQ(QStringLiteral("delete"), RawColumn(profile.dbPath(), "PRAGMA journal_mode").value(0));
}

// A profile that passed its check as this very file is not read whole again by the next
// process: damage written in place without a trace in the file's identity (as a failing disk
// leaves it) is then only met by the reads that reach it.
TEST_F(DeviceProfile, AProfileThatPassedAsThisFileIsNotReadWholeAgain) {
    MakeProfileElsewhere();
    ASSERT_TRUE(QFile::exists(profile.dbPath() + QStringLiteral(".checked")));
    struct stat before {};
    ASSERT_EQ(0, ::stat(QFile::encodeName(profile.dbPath()).constData(), &before));
    // Pages of the settings, which opening the profile does not read but its check does.
    const QList<int> leaves = za::test::LeafPages(profile.dbPath(), QStringLiteral("reg_values"));
    if (leaves.isEmpty()) GTEST_SKIP() << "SQLite without its dbstat table; cannot find the settings' pages";
    za::test::OverwritePages(profile.dbPath(), leaves);
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(0, ::utimensat(AT_FDCWD, QFile::encodeName(profile.dbPath()).constData(), times, 0));
    EXPECT_NE(nullptr, za::device::Db());
    EXPECT_EQ(ProfileState::Ready, za::device::Status().state);
}

// The same while another program holds the profile open with writes in its log, as a running
// window does: the log is that program's, so the next process reads neither it nor the file
// whole. A log that no program holds is still looked at (the tests of foreign logs below).
TEST_F(DeviceProfile, ALogHeldByARunningProgramBesideAFileThatPassedIsNotReadWhole) {
    MakeProfileElsewhere();
    ASSERT_TRUE(QFile::exists(profile.dbPath() + QStringLiteral(".checked")));
    const QList<int> leaves = za::test::LeafPages(profile.dbPath(), QStringLiteral("reg_values"));
    if (leaves.isEmpty()) GTEST_SKIP() << "SQLite without its dbstat table; cannot find the settings' pages";
    struct stat before {};
    ASSERT_EQ(0, ::stat(QFile::encodeName(profile.dbPath()).constData(), &before));

    // The holder: another process with a write in the log, which it keeps until told to go.
    int ready[2], done[2];
    ASSERT_EQ(0, ::pipe(ready));
    ASSERT_EQ(0, ::pipe(done));
    const QByteArray file = profile.dbPath().toUtf8();
    const pid_t holder = ::fork();
    if (holder == 0) {
        ::close(ready[0]);
        ::close(done[1]);
        sqlite3* db = nullptr;
        int on = 1;
        const bool wrote = sqlite3_open(file.constData(), &db) == SQLITE_OK &&
                           sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, &on) == SQLITE_OK &&
                           sqlite3_exec(db, "PRAGMA wal_autocheckpoint = 0; CREATE TABLE extra(x); INSERT INTO extra VALUES(1)",
                                        nullptr, nullptr, nullptr) == SQLITE_OK;
        const char answer = wrote ? 'y' : 'n';
        (void)!::write(ready[1], &answer, 1);
        char go = 0;
        (void)!::read(done[0], &go, 1);
        ::_exit(0);
    }
    ::close(ready[1]);
    ::close(done[0]);
    char answer = 0;
    ASSERT_EQ(1, ::read(ready[0], &answer, 1));
    ASSERT_EQ('y', answer);
    ASSERT_GT(QFileInfo(profile.dbPath() + QStringLiteral("-wal")).size(), 0);

    // Damage only a full read meets, left without a trace in the file's identity.
    za::test::OverwritePages(profile.dbPath(), leaves);
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(0, ::utimensat(AT_FDCWD, QFile::encodeName(profile.dbPath()).constData(), times, 0));
    EXPECT_NE(nullptr, za::device::Db()) << za::device::LastError().toStdString();
    EXPECT_EQ(ProfileState::Ready, za::device::Status().state);
    za::device::Reset();

    ::close(done[1]);
    int status = 0;
    ::waitpid(holder, &status, 0);
    ::close(ready[0]);
}

namespace {

// Through this process's profile: more pages than the log holds before it is folded into
// device.db, in one commit.
void WriteMoreThanALogHolds() {
    za::sql::Database* db = za::device::Db();
    ASSERT_NE(nullptr, db);
    ASSERT_TRUE(db->exec("CREATE TABLE scratch(x)")) << db->error().toStdString();
    ASSERT_TRUE(db->exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1500) "
                         "INSERT INTO scratch SELECT randomblob(3000) FROM n"))
        << db->error().toStdString();
}

}  // namespace

// A program that writes much folds its log into device.db as it goes, which changes the file;
// the programs started beside it still find the file that passed, and do not read it whole.
TEST_F(DeviceProfile, AProgramFoldingItsLogKeepsTheFileRememberedAsPassed) {
    MakeProfileElsewhere();
    const QList<int> leaves = za::test::LeafPages(profile.dbPath(), QStringLiteral("outlook_cities"));
    if (leaves.isEmpty()) GTEST_SKIP() << "SQLite without its dbstat table; cannot find the calendar cities' pages";
    ASSERT_NE(nullptr, za::device::Db()) << za::device::LastError().toStdString();
    const qint64 before = QFileInfo(profile.dbPath()).size();
    ASSERT_NO_FATAL_FAILURE(WriteMoreThanALogHolds());
    struct stat folded {};
    ASSERT_EQ(0, ::stat(QFile::encodeName(profile.dbPath()).constData(), &folded));
    ASSERT_GT(folded.st_size, before + 1500 * 3000) << "the log was not folded into device.db";

    // Damage only a full read meets, in pages the log does not hold, without a trace in the
    // file's identity; the other program reads the settings only.
    za::test::OverwritePages(profile.dbPath(), leaves);
    const struct timespec times[2] = {folded.st_atim, folded.st_mtim};
    ASSERT_EQ(0, ::utimensat(AT_FDCWD, QFile::encodeName(profile.dbPath()).constData(), times, 0));
    const QString out = RunRegwriter({QStringLiteral("probe"), QStringLiteral("\\Software\\Probe"), QStringLiteral("v0")});
    EXPECT_TRUE(out.startsWith(QStringLiteral("state=%1\n").arg(static_cast<int>(ProfileState::Ready)))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("\nread=0 value=0\n"))) << out.toStdString();
    za::device::Reset();
}

// A file that another program wrote after it passed is not taken as passed by the fold: the
// next program checks it.
TEST_F(DeviceProfile, AFoldDoesNotVouchForAFileAnotherProgramWrote) {
    MakeProfileElsewhere();
    const QList<int> leaves = za::test::LeafPages(profile.dbPath(), QStringLiteral("outlook_cities"));
    if (leaves.isEmpty()) GTEST_SKIP() << "SQLite without its dbstat table; cannot find the calendar cities' pages";
    ASSERT_NE(nullptr, za::device::Db()) << za::device::LastError().toStdString();
    za::test::OverwritePages(profile.dbPath(), leaves);
    ASSERT_NO_FATAL_FAILURE(WriteMoreThanALogHolds());
    const QString out = RunRegwriter({QStringLiteral("probe"), QStringLiteral("\\Software\\Probe"), QStringLiteral("v0")});
    EXPECT_TRUE(out.startsWith(QStringLiteral("state=%1\n").arg(static_cast<int>(ProfileState::Damaged)))) << out.toStdString();
    za::device::Reset();
}

// A file that has not passed the check as it is (here a damaged copy put back) is read whole
// when it opens; one that passed is not read whole again, and its damage is met when read.
TEST_F(DeviceProfile, DamagedPagesOfAnotherFileAreFoundWhenTheProfileOpens) {
    MakeProfileElsewhere();
    const int pages = RawColumn(profile.dbPath(), "PRAGMA page_count").value(0).toInt();
    ASSERT_GT(pages, 4);
    QList<int> all;  // every page but the first, which says what the file is
    for (int page = 2; page <= pages; ++page) all << page;
    za::test::ReplaceWithDamagedCopy(profile.dbPath(), all);
    const QByteArray damaged = ReadAll(profile.dbPath());

    EXPECT_EQ(nullptr, za::device::Db());
    const za::device::ProfileStatus status = za::device::Status();
    EXPECT_EQ(ProfileState::Damaged, status.state);
    EXPECT_TRUE(status.message.startsWith(QStringLiteral("the device profile is damaged: ") + profile.dbPath()))
        << status.message.toStdString();
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_BADDB, OpenSettings(&key));
    za::device::Reset();
    EXPECT_EQ(damaged, ReadAll(profile.dbPath()));
}

// A commit that waits for no disk lowers SQLite's setting for itself only: what the process
// writes before and after it, and a synced transaction it joins, stay synced; one that fails
// rolls back like any other.
TEST_F(DeviceProfile, AnUnsyncedCommitLowersTheSyncForItselfOnly) {
    za::sql::Database* db = za::device::Db();
    ASSERT_NE(nullptr, db) << za::device::LastError().toStdString();
    auto level = [](za::sql::Database& d) {
        za::sql::Statement q = d.prepare("PRAGMA synchronous");
        return q.step() ? static_cast<int>(q.columnInt(0)) : -1;
    };
    auto insert = [](za::sql::Database& d, const char* name) {
        return d.prepare("INSERT INTO registered_messages(name) VALUES(?1)").bind(1, QString::fromLatin1(name)).run();
    };
    constexpr int kNormal = 1, kFull = 2;
    ASSERT_EQ(kFull, level(*db));

    int inside = -1;
    ASSERT_TRUE(za::device::Transaction(
        [&](za::sql::Database& d) {
            inside = level(d);
            return insert(d, "probe-unsynced");
        },
        za::device::Commit::Unsynced));
    EXPECT_EQ(kNormal, inside);
    EXPECT_EQ(kFull, level(*db));

    EXPECT_FALSE(za::device::Transaction(
        [&](za::sql::Database& d) {
            insert(d, "probe-rolled-back");
            return false;
        },
        za::device::Commit::Unsynced));
    EXPECT_EQ(kFull, level(*db));

    ASSERT_TRUE(za::device::Transaction([&](za::sql::Database&) {
        return za::device::Transaction(
            [&](za::sql::Database& e) {
                inside = level(e);
                return insert(e, "probe-joined");
            },
            za::device::Commit::Unsynced);
    }));
    EXPECT_EQ(kFull, inside);
    EXPECT_EQ(kFull, level(*db));

    EXPECT_EQ((QStringList{QStringLiteral("probe-joined"), QStringLiteral("probe-unsynced")}),
              RawColumn(profile.dbPath(), "SELECT name FROM registered_messages WHERE name LIKE 'probe-%' ORDER BY name"));
}

// An unsynced commit to an empty log syncs nothing, not even the new log's header; one that
// starts the log again over frames already copied into device.db still syncs the header, so
// that after a power loss those older frames cannot count again. A synced commit syncs.
TEST_F(DeviceProfile, AnUnsyncedCommitSyncsTheLogOnlyWhereOlderFramesCouldCountAgain) {
    ASSERT_NE(nullptr, za::device::Db()) << za::device::LastError().toStdString();
    za::device::Reset();  // opened again below, through the counter
    LogSyncCounter counter;
    za::sql::Database* db = za::device::Db();
    ASSERT_NE(nullptr, db) << za::device::LastError().toStdString();
    // As the first program of a session finds it: the last one to close took the log away.
    ASSERT_TRUE(db->exec("PRAGMA wal_checkpoint(TRUNCATE)"));
    const QString log = profile.dbPath() + QStringLiteral("-wal");
    ASSERT_EQ(0, QFileInfo(log).size());

    auto commit = [](const char* name, za::device::Commit how, int* level = nullptr) {
        return za::device::Transaction(
            [&](za::sql::Database& d) {
                if (level) {
                    za::sql::Statement q = d.prepare("PRAGMA synchronous");
                    *level = q.step() ? static_cast<int>(q.columnInt(0)) : -1;
                }
                return d.prepare("INSERT INTO registered_messages(name) VALUES(?1)").bind(1, QString::fromLatin1(name)).run();
            },
            how);
    };
    constexpr int kOff = 0, kNormal = 1;
    int level = -1;
    int before = counter.syncs();
    ASSERT_TRUE(commit("probe-empty-log", za::device::Commit::Unsynced, &level));
    EXPECT_EQ(kOff, level);
    EXPECT_EQ(before, counter.syncs()) << "an unsynced commit to an empty log waited for the disk";
    EXPECT_GT(QFileInfo(log).size(), 0);

    before = counter.syncs();
    ASSERT_TRUE(commit("probe-synced", za::device::Commit::Synced));
    EXPECT_GT(counter.syncs(), before) << "a synced commit did not reach the disk";

    // Every frame copied into device.db: the next commit starts the log again over them.
    ASSERT_TRUE(db->exec("PRAGMA wal_checkpoint(PASSIVE)"));
    ASSERT_GT(QFileInfo(log).size(), 0);
    before = counter.syncs();
    ASSERT_TRUE(commit("probe-restarted-log", za::device::Commit::Unsynced, &level));
    EXPECT_EQ(kNormal, level);
    EXPECT_EQ(before + 1, counter.syncs()) << "the restarted log's header was not synced";

    EXPECT_EQ((QStringList{QStringLiteral("probe-empty-log"), QStringLiteral("probe-restarted-log"), QStringLiteral("probe-synced")}),
              RawColumn(profile.dbPath(), "SELECT name FROM registered_messages WHERE name LIKE 'probe-%' ORDER BY name"));
    za::device::Reset();  // nothing of this process opens through the counter once it is gone
}

// Giving back the page cache leaves the connection as it was: the same rows read again, and a
// write after it commits.
TEST_F(DeviceProfile, ReleasingMemoryKeepsTheConnectionUsable) {
    za::sql::Database* db = za::device::Db();
    ASSERT_NE(nullptr, db) << za::device::LastError().toStdString();
    auto cacheUsed = [db] {
        int used = 0, highest = 0;
        sqlite3_db_status(db->handle(), SQLITE_DBSTATUS_CACHE_USED, &used, &highest, 0);
        return used;
    };
    auto cities = [db] {
        za::sql::Statement q = db->prepare("SELECT count(*), sum(length(name)) FROM outlook_cities");
        return q.step() ? QString::number(q.columnInt(0)) + QLatin1Char('/') + QString::number(q.columnInt(1)) : QString();
    };
    const QString before = cities();
    ASSERT_FALSE(before.isEmpty());
    const int cached = cacheUsed();
    ASSERT_GT(cached, 64 * 1024) << "reading every city should fill the cache";

    za::device::ReleaseMemory();
    EXPECT_LT(cacheUsed(), cached / 4);
    EXPECT_EQ(before, cities());
    EXPECT_TRUE(za::device::Transaction([](za::sql::Database& d) {
        return d.prepare("INSERT INTO registered_messages(name) VALUES('probe-after-release')").run();
    }));
    EXPECT_EQ(QStringList{QStringLiteral("probe-after-release")},
              RawColumn(profile.dbPath(), "SELECT name FROM registered_messages WHERE name = 'probe-after-release'"));
}

// Opening the profile again looks at its log's index while the city database's connection to
// the same file stays open; that connection's locks must survive the look, or another process
// would take itself for the index's first user and truncate it under this process's mapping.
TEST_F(DeviceProfile, OpeningAgainKeepsTheLocksOfTheOtherConnection) {
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    CEDBASEINFO info{};
    info.szDbaseName = QStringLiteral("Locks");
    info.wNumSortOrder = 1;
    info.rgSortSpecs[0] = {MAKE_PROPID(100, CEVT_LPWSTR), 0};
    ASSERT_NE(0u, CeCreateDatabaseEx(&store, &info));
    const QByteArray index = QFile::encodeName(profile.dbPath() + QStringLiteral("-shm"));
    // Whether another process sees the lock that every connection holds on the index.
    auto heldForOthers = [&index] {
        const pid_t child = ::fork();
        if (child == 0) {
            const int fd = ::open(index.constData(), O_RDONLY);
            struct flock lock {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET;
            lock.l_start = 128;
            lock.l_len = 1;
            const bool held = fd >= 0 && ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
            ::_exit(held ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    ASSERT_TRUE(heldForOthers());
    za::device::Reset();
    ASSERT_NE(nullptr, za::device::Db());
    EXPECT_TRUE(heldForOthers());
}

// The profile passed its check when this process first opened it; pages damaged afterwards
// make the walk that meets them fail, never end as if the records had ended.
TEST_F(DeviceProfile, AWalkThatMeetsADamagedPageFailsInsteadOfEnding) {
    constexpr int kRecords = 3000;
    constexpr CEPROPID kName = MAKE_PROPID(100, CEVT_LPWSTR);
    CEGUID store;
    CREATE_SYSTEMGUID(&store);
    CEDBASEINFO info{};
    info.szDbaseName = QStringLiteral("Walk");
    info.wNumSortOrder = 1;
    info.rgSortSpecs[0] = {kName, 0};
    const CEOID oid = CeCreateDatabaseEx(&store, &info);
    ASSERT_NE(0u, oid);
    ASSERT_TRUE(CeWriteAllOrNothing(&store, [&] {
        CEOID id = oid;
        HANDLE h = CeOpenDatabaseEx(&store, &id, QString(), kName, 0, nullptr);
        bool ok = h != INVALID_HANDLE_VALUE;
        for (int i = 0; ok && i < kRecords; ++i) {
            const QString name = QStringLiteral("record %1 with some text to fill the pages").arg(i, 5, 10, QLatin1Char('0'));
            CEPROPVAL v{};
            v.propid = kName;
            v.val.lpwstr = reinterpret_cast<const WCHAR*>(name.utf16());
            ok = CeWriteRecordProps(h, 0, 1, &v) != 0;
        }
        CloseHandle(h);
        return ok;
    }));
    // Everything into the file itself, so that the damage below is what a new connection reads.
    ASSERT_TRUE(za::device::Db()->exec("PRAGMA wal_checkpoint(TRUNCATE)"));
    za::device::Reset();

    const QList<int> pages = za::test::LeafPages(profile.dbPath(), QStringLiteral("odb_%1_s0").arg(oid));
    if (pages.size() < 6) GTEST_SKIP() << "SQLite without its dbstat table; cannot find the index's pages";
    za::test::OverwritePages(profile.dbPath(), {pages[pages.size() / 2], pages[pages.size() / 2 + 1]});

    CEOID found = oid;
    HANDLE h = CeOpenDatabaseEx(&store, &found, QString(), kName, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    int read = 0;
    for (CEOID at = CeSeekDatabase(h, CEDB_SEEK_BEGINNING, DWORD{0}, nullptr); at;
         at = CeSeekDatabase(h, CEDB_SEEK_CURRENT, DWORD{1}, nullptr)) {
        WORD count = 0;
        BYTE* buffer = nullptr;
        DWORD size = 0;
        const CEOID got = CeReadRecordPropsEx(h, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &size, nullptr);
        LocalFree(buffer);
        if (!got) break;
        ++read;
    }
    EXPECT_EQ(static_cast<DWORD>(ERROR_BADDB), GetLastError());
    EXPECT_GT(read, 0);
    EXPECT_LT(read, kRecords);
    CloseHandle(h);
    const za::device::ProfileStatus status = za::device::Status();
    EXPECT_EQ(ProfileState::Damaged, status.state);
    EXPECT_TRUE(status.message.contains(QStringLiteral("the device profile is damaged"))) << status.message.toStdString();
}

TEST_F(DeviceProfile, AProfileLackingPartOfItsSchemaIsDamagedAndLeftAsItIs) {
    struct Case {
        const char* name;
        const char* damage;
        const char* missing;
    } cases[] = {
        {"settings", "DROP TABLE reg_values", "table reg_values"},
        {"Outlook cities", "DROP TABLE outlook_cities", "table outlook_cities"},
        {"record database", "INSERT INTO odb_catalog(oid, name, type, sorts, sort0, flags0) VALUES(77, 'Ghost', 0, 1, 6553631, 0)",
         "table odb_77 of the record database \"Ghost\""},
    };
    int row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = profile.path() + QStringLiteral("/%1").arg(++row);
        qputenv("ZONARIA_DEVICE", folder.toUtf8());
        za::device::Reset();
        MakeProfileElsewhere();
        const QString file = folder + QStringLiteral("/device.db");
        RawExec(file, c.damage);
        const QByteArray before = ReadAll(file);

        EXPECT_EQ(nullptr, za::device::Db());
        const za::device::ProfileStatus status = za::device::Status();
        EXPECT_EQ(ProfileState::Damaged, status.state);
        EXPECT_TRUE(status.message.contains(QLatin1String(c.missing))) << status.message.toStdString();
        EXPECT_TRUE(status.message.contains(QStringLiteral("the device profile is damaged")));
        za::device::Reset();
        EXPECT_EQ(before, ReadAll(file));  // not made whole by re-creating an empty table
    }
}

TEST_F(DeviceProfile, SchemaVersionsOfNewOlderAndLaterProfiles) {
    ASSERT_NE(nullptr, za::device::Db());
    za::device::Reset();
    EXPECT_EQ(QString::number(za::device::SchemaVersion()), RawColumn(profile.dbPath(), "PRAGMA user_version").value(0));

    // Profiles made before the version was counted hold 0 and are healthy.
    const QString older = profile.path() + QStringLiteral("/older");
    qputenv("ZONARIA_DEVICE", older.toUtf8());
    MakeProfileElsewhere();
    RawExec(older + QStringLiteral("/device.db"), "PRAGMA user_version = 0");
    za::device::Reset();
    EXPECT_NE(nullptr, za::device::Db()) << za::device::LastError().toStdString();
    EXPECT_EQ(ProfileState::Ready, za::device::Status().state);

    const QString later = profile.path() + QStringLiteral("/later");
    qputenv("ZONARIA_DEVICE", later.toUtf8());
    MakeProfileElsewhere();
    const std::string setLater = "PRAGMA user_version = " + std::to_string(za::device::SchemaVersion() + 1);
    RawExec(later + QStringLiteral("/device.db"), setLater.c_str());
    const QByteArray before = ReadAll(later + QStringLiteral("/device.db"));
    za::device::Reset();
    EXPECT_EQ(nullptr, za::device::Db());
    EXPECT_EQ(ProfileState::Newer, za::device::Status().state);
    EXPECT_TRUE(za::device::LastError().contains(QStringLiteral("later version"))) << za::device::LastError().toStdString();
    za::device::Reset();
    EXPECT_EQ(before, ReadAll(later + QStringLiteral("/device.db")));
}

namespace {

// In a process of its own (a death test's), since a registration lasts for the process: a
// feature of the next schema version adds its table. Exits 0 when the older profile at the
// environment's path was brought up to that version, and a profile claiming the version but
// lacking the table is damaged.
[[noreturn]] void UpgradeInAProcessOfItsOwn(const QString& older, const QString& lacking) {
    const int next = za::device::SchemaVersion() + 1;
    za::device::AddSchema("CREATE TABLE IF NOT EXISTS later_feature(x)", next);
    qputenv("ZONARIA_DEVICE", older.toUtf8());
    za::device::Reset();
    const bool upgraded = za::device::Db() && za::device::Status().state == ProfileState::Ready &&
                          za::device::Db()->prepare("SELECT count(*) FROM later_feature").step();
    za::device::Reset();
    const bool numbered = RawColumn(older + QStringLiteral("/device.db"), "PRAGMA user_version").value(0).toInt() == next;
    qputenv("ZONARIA_DEVICE", lacking.toUtf8());
    const std::string setNext = "PRAGMA user_version = " + std::to_string(next);
    RawExec(lacking + QStringLiteral("/device.db"), setNext.c_str());
    const bool refused = !za::device::Db() && za::device::Status().state == ProfileState::Damaged &&
                         za::device::LastError().contains(QStringLiteral("later_feature"));
    std::fprintf(stderr, "upgraded %d numbered %d refused %d\n", upgraded, numbered, refused);
    std::_Exit(upgraded && numbered && refused ? 0 : 1);
}

}  // namespace

TEST_F(DeviceProfile, AnOlderHealthyProfileGetsTheTablesOfALaterVersion) {
    const QString older = profile.path() + QStringLiteral("/older");
    const QString lacking = profile.path() + QStringLiteral("/lacking");
    for (const QString& folder : {older, lacking}) {
        qputenv("ZONARIA_DEVICE", folder.toUtf8());
        MakeProfileElsewhere();
    }
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(UpgradeInAProcessOfItsOwn(older, lacking), ::testing::ExitedWithCode(0), "upgraded 1 numbered 1 refused 1");
}

// Read commands work; writes are refused with their own failure result, and nothing is left
// beside device.db. As root, the second program runs as "nobody" (see RunUnprivileged).
TEST_F(DeviceProfile, AProfileThatCannotBeWrittenIsOpenedForReading) {
    if (!za::test::CanRunUnprivileged(QStringLiteral(REGWRITER_PATH))) {
        GTEST_SKIP() << "running as root, and the second program cannot run as the user nobody here";
    }
    struct Case {
        const char* name;
        bool folder;
        const char* where;
    } cases[] = {
        {"read-only folder", true, "its folder does not allow writing"},
        {"read-only device.db", false, "device.db does not allow writing"},
    };
    int row = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = profile.path() + QStringLiteral("/%1").arg(++row);
        qputenv("ZONARIA_DEVICE", folder.toUtf8());
        QDir().mkpath(profile.path());
        MakeProfileElsewhere();
        const QString file = folder + QStringLiteral("/device.db");
        za::test::HandOver(profile.path());
        const QStringList files = Listing(folder);
        const QByteArray before = ReadAll(file);
        {
            za::test::WriteProtect guard(c.folder ? folder : file);
            const QString probe = RunRegwriter({QStringLiteral("probe"), QStringLiteral("\\Software\\Probe"), QStringLiteral("v0")},
                                               true);
            EXPECT_TRUE(probe.contains(QStringLiteral("state=%1\n").arg(static_cast<int>(ProfileState::ReadOnly)))) << probe.toStdString();
            EXPECT_TRUE(probe.contains(QStringLiteral("read=0 value=0\n"))) << probe.toStdString();
            EXPECT_TRUE(probe.contains(QStringLiteral("write=%1\n").arg(ERROR_ACCESS_DENIED))) << probe.toStdString();
            EXPECT_TRUE(probe.contains(QStringLiteral("the device profile %1 is not writable (%2)").arg(folder, QLatin1String(c.where))))
                << probe.toStdString();
        }
        EXPECT_EQ(files, Listing(folder));
        EXPECT_EQ(before, ReadAll(file));
    }
}

// Qt would read the bad byte as U+FFFD and name another folder.
TEST_F(DeviceProfile, APathThatIsNotUtf8IsRefused) {
    QTemporaryDir parent;
    qputenv("ZONARIA_DEVICE", QFile::encodeName(parent.path()) + "/device\xff");
    za::device::Reset();
    EXPECT_EQ(nullptr, za::device::Db());
    const za::device::ProfileStatus status = za::device::Status();
    EXPECT_EQ(ProfileState::Unusable, status.state);
    EXPECT_TRUE(status.message.startsWith(QStringLiteral("ZONARIA_DEVICE is not UTF-8 text"))) << status.message.toStdString();
    EXPECT_TRUE(status.message.contains(QStringLiteral("/device\\xff)"))) << status.message.toStdString();
    EXPECT_EQ(QStringList(), Listing(parent.path()));
}

TEST_F(DeviceProfile, AnErrorClearsOnceTheProfileIsMended) {
    QDir().mkpath(profile.path());
    WriteFile(profile.dbPath(), QByteArray(4096, '\x01'));
    ASSERT_EQ(nullptr, za::device::Db());
    QFile::remove(profile.dbPath());
    za::device::Reset();
    EXPECT_NE(nullptr, za::device::Db());
    EXPECT_TRUE(za::device::LastError().isEmpty());
}

// A writer killed in the middle of its writes leaves a database that opens, passes SQLite's
// integrity check and holds every write that was acknowledged before the kill.
// A large write-ahead log that a process left behind (one killed before it closed the
// profile) is moved into device.db by the next opening, so later starts do not scan it again.
TEST_F(DeviceProfile, ALargeLogLeftBehindIsFoldedIntoTheDatabase) {
    ASSERT_NE(nullptr, za::device::Db());
    za::device::Reset();
    const QString log = profile.dbPath() + QStringLiteral("-wal");
    sqlite3* other = nullptr;  // stays open, so that closing it does not checkpoint
    ASSERT_EQ(SQLITE_OK, sqlite3_open(profile.dbPath().toUtf8().constData(), &other));
    ASSERT_EQ(SQLITE_OK, sqlite3_exec(other,
                                      "PRAGMA wal_autocheckpoint = 0;"
                                      "CREATE TABLE scratch(b);"
                                      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400) "
                                      "INSERT INTO scratch SELECT randomblob(2000) FROM n;"
                                      "DROP TABLE scratch;",
                                      nullptr, nullptr, nullptr));
    ASSERT_GT(QFileInfo(log).size(), 512 * 1024);

    ASSERT_NE(nullptr, za::device::Db()) << za::device::LastError().toStdString();
    EXPECT_LT(QFileInfo(log).size(), 64 * 1024);
    sqlite3_close(other);
}

TEST_F(DeviceProfile, ProcessKilledWhileWritingLeavesAReadableDatabase) {
    ASSERT_NE(nullptr, za::device::Db());
    za::device::Reset();
    QProcess child;
    child.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    child.start(QStringLiteral(REGWRITER_PATH), {QStringLiteral("forever"), QStringLiteral("\\Software\\Kill"), QStringLiteral("v")});
    ASSERT_TRUE(child.waitForStarted());
    ASSERT_TRUE(child.waitForReadyRead(30000));
    QThread::msleep(300);
    child.kill();
    child.waitForFinished();

    za::device::Reset();
    za::sql::Database* db = za::device::Db();
    ASSERT_NE(nullptr, db) << za::device::LastError().toStdString();
    za::sql::Statement check = db->prepare("PRAGMA integrity_check");
    ASSERT_TRUE(check.step());
    EXPECT_EQ(QStringLiteral("ok"), check.columnText(0));
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Kill"), 0, 0, &key));
    // Values are written in order: every one below the highest stored one is present.
    int stored = 0;
    DWORD size = 0;
    while (RegQueryValueExW(key, QStringLiteral("v%1").arg(stored), nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) ++stored;
    EXPECT_GT(stored, 0);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND,
              RegQueryValueExW(key, QStringLiteral("v%1").arg(stored + 1), nullptr, nullptr, nullptr, &size));
    RegCloseKey(key);
}

namespace {

// A write-ahead log with committed changes of its own database: its file copied while the
// connection that wrote it is still open, so nothing of it has been folded yet.
QByteArray LogOfAnotherDatabase(const QString& folder) {
    const QString other = folder + QStringLiteral("/other.db");
    sqlite3* db = nullptr;
    EXPECT_EQ(SQLITE_OK, sqlite3_open(other.toUtf8().constData(), &db));
    EXPECT_EQ(SQLITE_OK, sqlite3_exec(db,
                                      "PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0;"
                                      "CREATE TABLE notes(text); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                      "FROM n WHERE i < 200) INSERT INTO notes SELECT printf('%0300d', i) FROM n",
                                      nullptr, nullptr, nullptr));
    const QByteArray log = ReadAll(other + QStringLiteral("-wal"));
    sqlite3_close(db);
    return log;
}

std::optional<DWORD> ReadDword(const QString& keyName, const QString& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyName, 0, 0, &key) != ERROR_SUCCESS) return std::nullopt;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LONG read = RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return read == ERROR_SUCCESS ? std::optional<DWORD>(value) : std::nullopt;
}

}  // namespace

// The log of another database beside a healthy profile was replayed into it by the first
// program that opened it, and folded into device.db when it closed.
TEST_F(DeviceProfile, AForeignLogBesideTheProfileIsSetAsideAndDeviceDbStaysAsItWas) {
    MakeProfileElsewhere();
    QTemporaryDir elsewhere;
    const QByteArray foreign = LogOfAnotherDatabase(elsewhere.path());
    ASSERT_GT(foreign.size(), 4096);
    const QByteArray before = ReadAll(profile.dbPath());
    WriteFile(profile.dbPath() + QStringLiteral("-wal"), foreign);

    ASSERT_NE(nullptr, za::device::Db()) << za::device::LastError().toStdString();
    const za::device::ProfileStatus status = za::device::Status();
    EXPECT_EQ(ProfileState::Ready, status.state);
    EXPECT_TRUE(status.notice.contains(QStringLiteral("did not belong to it"))) << status.notice.toStdString();
    EXPECT_EQ(std::optional<DWORD>(0), ReadDword(QStringLiteral("\\Software\\Probe"), QStringLiteral("v0")));
    za::device::Reset();
    EXPECT_EQ(before, ReadAll(profile.dbPath()));
    const QStringList aside = QDir(profile.path()).entryList({QStringLiteral("device.db-wal.set-aside-*")});
    ASSERT_EQ(1, aside.size());
    EXPECT_EQ(foreign, ReadAll(profile.path() + QLatin1Char('/') + aside.first()));
}

// A log beside a file that is not healthy either: nothing is touched.
TEST_F(DeviceProfile, AForeignLogBesideAForeignFileLeavesBothAlone) {
    QDir().mkpath(profile.path());
    RawExec(profile.dbPath(), "CREATE TABLE mine(text); INSERT INTO mine VALUES('mine')");
    QTemporaryDir elsewhere;
    const QByteArray foreign = LogOfAnotherDatabase(elsewhere.path());
    WriteFile(profile.dbPath() + QStringLiteral("-wal"), foreign);
    const QByteArray before = ReadAll(profile.dbPath());
    EXPECT_EQ(nullptr, za::device::Db());
    EXPECT_NE(ProfileState::Ready, za::device::Status().state);
    za::device::Reset();
    EXPECT_EQ(before, ReadAll(profile.dbPath()));
    EXPECT_EQ(foreign, ReadAll(profile.dbPath() + QStringLiteral("-wal")));
}

// The log's own changes, left by a program that was killed, are the profile's: kept.
TEST_F(DeviceProfile, TheProfilesOwnLogIsKept) {
    MakeProfileElsewhere();
    QProcess writer;
    writer.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    writer.start(QStringLiteral(REGWRITER_PATH),
                 {QStringLiteral("forever"), QStringLiteral("\\Software\\Killed"), QStringLiteral("k")});
    ASSERT_TRUE(writer.waitForReadyRead(60000));
    QThread::msleep(300);
    writer.kill();
    writer.waitForFinished(60000);
    ASSERT_GT(QFileInfo(profile.dbPath() + QStringLiteral("-wal")).size(), 0);
    ASSERT_NE(nullptr, za::device::Db()) << za::device::LastError().toStdString();
    EXPECT_TRUE(za::device::Status().notice.isEmpty()) << za::device::Status().notice.toStdString();
    EXPECT_EQ(std::optional<DWORD>(0), ReadDword(QStringLiteral("\\Software\\Killed"), QStringLiteral("k0")));
    EXPECT_TRUE(QDir(profile.path()).entryList({QStringLiteral("*set-aside*")}).isEmpty());
}

// A log removed while a program held it took its committed changes with it, without a word.
TEST_F(DeviceProfile, ALogRemovedWhileInUseIsReported) {
    MakeProfileElsewhere();
    sqlite3* holder = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(profile.dbPath().toUtf8().constData(), &holder));
    sqlite3_create_collation(holder, "ZANOCASE", SQLITE_UTF8, nullptr, CompareBytes);
    int on = 1;
    sqlite3_db_config(holder, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, &on);
    ASSERT_EQ(SQLITE_OK, sqlite3_exec(holder, "PRAGMA wal_autocheckpoint = 0; CREATE TABLE extra(x); "
                                              "INSERT INTO extra VALUES(1)",
                                      nullptr, nullptr, nullptr));
    // What a killed holder leaves: the index that counts the change, while the log goes.
    const QByteArray index = ReadAll(profile.dbPath() + QStringLiteral("-shm"));
    sqlite3_close(holder);
    ASSERT_TRUE(QFile::remove(profile.dbPath() + QStringLiteral("-wal")));
    WriteFile(profile.dbPath() + QStringLiteral("-shm"), index);

    ASSERT_NE(nullptr, za::device::Db()) << za::device::LastError().toStdString();
    const za::device::ProfileStatus status = za::device::Status();
    EXPECT_TRUE(status.notice.contains(QStringLiteral("were lost"))) << status.notice.toStdString();
}

// A full disk made every program fail even to read, with "disk I/O error" and no word of the
// disk. A small file system is made full for the test (mounting needs root: skipped without).
TEST_F(DeviceProfile, AFullDiskStillOpensTheProfileForReading) {
    MakeProfileElsewhere();
    QTemporaryDir mountPoint;
    const QByteArray where = QFile::encodeName(mountPoint.path());
    if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=4m") != 0) {
        GTEST_SKIP() << "cannot mount a small file system here";
    }
    struct Unmount {
        QByteArray path;
        ~Unmount() { ::umount2(path.constData(), MNT_DETACH); }
    } unmount{where};
    const QString folder = mountPoint.path() + QStringLiteral("/device");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(profile.dbPath(), folder + QStringLiteral("/device.db")));
    {
        QFile filler(mountPoint.path() + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    const QByteArray previous = qgetenv("ZONARIA_DEVICE");
    qputenv("ZONARIA_DEVICE", folder.toUtf8());
    za::device::Reset();
    const bool opened = za::device::Db() != nullptr;
    const za::device::ProfileStatus status = za::device::Status();
    const std::optional<DWORD> read = ReadDword(QStringLiteral("\\Software\\Probe"), QStringLiteral("v0"));
    HKEY key = nullptr;
    const LONG created = RegCreateKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Full"), 0, QString(), 0, 0,
                                         nullptr, &key, nullptr);
    RegCloseKey(key);
    const za::device::Refusal why = za::device::WhyRefused();
    za::device::Reset();
    qputenv("ZONARIA_DEVICE", previous);

    EXPECT_TRUE(opened) << status.message.toStdString();
    EXPECT_EQ(ProfileState::ReadOnly, status.state);
    EXPECT_TRUE(status.message.contains(QStringLiteral("the disk is full"))) << status.message.toStdString();
    EXPECT_EQ(std::optional<DWORD>(0), read);
    EXPECT_NE(ERROR_SUCCESS, created);
    EXPECT_EQ(za::device::Refusal::DiskFull, why);
}
