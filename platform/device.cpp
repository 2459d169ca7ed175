#include "device.h"

#include "checkrecord.h"
#include "schema.h"
#include "walindex.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace za::device {
namespace {

struct Registry {
    std::vector<SchemaStatement> schema{std::begin(kServiceSchema), std::end(kServiceSchema)};
    std::vector<InstallStep> package{
        {"settings key", InstallSettingsKey},
        {"time-zone display names", InstallZoneDisplayNames},
        {"device zone", InstallDeviceZone},
    };
};

Registry& Modules() {
    static Registry modules;
    return modules;
}

struct State;
void CloseProfile(State& s);

struct State {
    ~State() { CloseProfile(*this); }

    sql::Database db;
    ProfileState state = ProfileState::Unusable;
    QString folder;
    QString file;
    QString error;
    QString notice;
    int transactionDepth = 0;
    unsigned generation = 0;
    bool syncOff = false;  // inside a commit that syncs nothing (see Transaction)
};

State& Current() {
    static State state;
    return state;
}

// The services' schema is in schema.h; this table is the profile's own. The schema version is SQLite's user_version: new profiles get
// SchemaVersion(), older healthy ones are brought up to it when they open, and a profile must
// hold every table of its version (see AddSchema).
constexpr const char* kProfileSchema =
    "CREATE TABLE IF NOT EXISTS profile(name TEXT PRIMARY KEY, value TEXT NOT NULL)";
constexpr const char* kIsInstalled = "SELECT value FROM profile WHERE name = 'installed'";
constexpr const char* kMarkInstalled =
    "INSERT OR REPLACE INTO profile(name, value) VALUES('installed', '1')";
constexpr const char* kCountTables = "SELECT count(*) FROM sqlite_master";
constexpr const char* kSchemaObjects =
    "SELECT type, name FROM sqlite_master WHERE type IN ('table', 'index') AND name NOT LIKE 'sqlite_%'";
// Marks device.db as a Zonaria profile ("ZADP"); profiles made before it was set are known by
// their "installed" row.
constexpr std::int32_t kProfileApplicationId = 0x5A414450;

bool FolderIsEmpty(const QString& path) {
    QDir dir(path);
    return dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
        .isEmpty();
}

bool Writable(const QString& path) { return ::access(QFile::encodeName(path).constData(), W_OK) == 0; }
bool Readable(const QString& path) { return ::access(QFile::encodeName(path).constData(), R_OK) == 0; }

// The bytes of an environment variable that is set but not UTF-8: Qt would read it with
// U+FFFD in place of the bad bytes and so name another folder. Shown with the bad bytes as
// \xNN escapes.
QString NotUtf8(const char* variable) {
    const QByteArray raw = qgetenv(variable);
    if (QString::fromUtf8(raw).toUtf8() == raw) return QString();
    QString shown;
    for (const char c : raw) {
        const auto u = static_cast<unsigned char>(c);
        shown += u < 0x20 || u >= 0x7F ? QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'))
                                       : QString(QLatin1Char(c));
    }
    return shown;
}

// Whether the file system of a folder has too little room left for an ordinary user to hold
// the files SQLite makes beside a database (the log's index alone takes 32 KiB).
bool DiskIsFull(const QString& folder) {
    constexpr unsigned long long kRoomNeeded = 64 * 1024;
    struct statvfs fs {};
    return ::statvfs(QFile::encodeName(folder).constData(), &fs) == 0 &&
           static_cast<unsigned long long>(fs.f_bavail) * fs.f_frsize < kRoomNeeded;
}

// Opens device.db for reading only. Without a log of unfolded writes beside it, the file is all
// there is to read, and an immutable open needs no lock files beside it: it works in a folder
// that cannot be written and leaves nothing behind where the file itself is read-only.
bool OpenForReading(sql::Database& db, const QString& folder, const QString& file) {
    const QFileInfo wal(file + QStringLiteral("-wal"));
    const bool canWrite = Writable(folder) && Writable(file) && !DiskIsFull(folder);
    return db.openReadOnly(file, !canWrite && (!wal.exists() || wal.size() == 0));
}

// Opens device.db for reading only, as the file alone, without the files beside it: only
// when no log of unfolded writes is there (its pages would be missed).
bool OpenImmutable(sql::Database& db, const QString& file) {
    const QFileInfo wal(file + QStringLiteral("-wal"));
    if (wal.exists() && wal.size() > 0) return false;
    return db.openReadOnly(file, true);
}

int Int(sql::Database& db, const char* query, bool* ok) {
    sql::Statement q = db.prepare(query);
    *ok = q.step();
    return *ok ? static_cast<int>(q.columnInt(0)) : 0;
}

// The tables and indexes that the schema of a version consists of, as "table name" texts:
// made once in a database in memory, so they are exactly what the statements create.
const QStringList& ExpectedObjects(int version) {
    static std::map<int, QStringList> cache;
    auto it = cache.find(version);
    if (it != cache.end()) return it->second;
    QStringList names;
    sql::Database memory;
    if (memory.open(QStringLiteral(":memory:"), true) && memory.exec(kProfileSchema)) {
        for (const SchemaStatement& schema : Modules().schema) {
            if (schema.version <= version) memory.exec(schema.sql);
        }
        sql::Statement q = memory.prepare(kSchemaObjects);
        while (q.step()) names << q.columnText(0) + QLatin1Char(' ') + q.columnText(1);
    }
    return cache.emplace(version, names).first->second;
}

// What the profile lacks of its version's schema, in words; empty when it is whole.
QStringList SchemaProblems(sql::Database& db, int version) {
    QStringList present;
    sql::Statement q = db.prepare(kSchemaObjects);
    while (q.step()) present << q.columnText(0) + QLatin1Char(' ') + q.columnText(1);
    if (!q.done()) return {QCoreApplication::translate("DeviceProfile", "an unreadable schema (%1)").arg(db.error())};
    QStringList missing;
    for (const QString& object : ExpectedObjects(version)) {
        if (!present.contains(object)) missing << object;
    }
    missing << MissingRecordDatabaseTables(db);
    return missing;
}

// Whether device.db is a Zonaria profile; reads only.
enum class Kind { Zonaria, Foreign, Unreadable };
Kind Recognise(sql::Database& db) {
    bool ok = false;
    const int appId = Int(db, "PRAGMA application_id", &ok);
    if (!ok) return Kind::Unreadable;
    if (appId == kProfileApplicationId) return Kind::Zonaria;
    sql::Statement installed = db.prepare(kIsInstalled);
    if (installed.step() && installed.columnText(0) == QLatin1String("1")) return Kind::Zonaria;
    return db.damageSeen() ? Kind::Unreadable : Kind::Foreign;
}

int StoredVersion(sql::Database& db, bool* ok) {
    // 0 is a profile made before the version was counted: the first version's schema.
    return std::max(Int(db, "PRAGMA user_version", ok), 1);
}

QString DamagedMessage(const QString& file, const QString& what) {
    return QCoreApplication::translate("DeviceProfile", "the device profile is damaged: %1 %2").arg(file, what);
}

// The findings of SQLite's integrity or quick check, one per line, without the line that only
// names the database.
QStringList Findings(const QString& result) {
    QStringList findings;
    for (const QString& line : result.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.startsWith(QLatin1String("*** in database"))) findings << line;
    }
    return findings;
}

// The profiles this process has checked.
QStringList& Checked() {
    static QStringList checked;
    return checked;
}

bool PassedBefore(const QString& file) { return za::device::PassedBefore(QFile::encodeName(file).constData()); }

// Remembers that device.db passed, so that the next process need not read every page again.
void RememberPassed(const QString& file) { za::device::RememberPassed(QFile::encodeName(file).constData()); }

// Zonaria's own writes since the profile passed its check are SQLite's, which keep it whole:
// a profile that showed no damage is remembered as passed as it is left (closing folds the log
// into device.db, which changes the file), so that the next process need not read every page.
void CloseProfile(State& s) {
    const bool passed = s.db.isOpen() && !s.db.isReadOnly() && !s.db.damageSeen() && s.state == ProfileState::Ready;
    s.db.close();
    if (passed) RememberPassed(s.file);
}

// SQLite folds the log into device.db once it holds this many pages, as its automatic
// checkpoint would.
constexpr int kCheckpointPages = 1000;

// Takes the place of SQLite's automatic checkpoint on a profile open for writing. The
// checkpoint changes device.db, which would leave every program started beside this one
// reading the whole file again until this one closes. A file that passed and has had only
// SQLite's writes since is still the file that passed, and is remembered so; one that had not
// passed as it was (another program wrote it meanwhile) is left for the next program to check.
int AfterCommit(void* context, sqlite3* db, const char* schema, int pages) {
    State& s = *static_cast<State*>(context);
    // A checkpoint without syncs could write device.db ahead of the log it copies reaching the
    // disk; the next commit checkpoints instead.
    if (pages < kCheckpointPages || s.syncOff) return SQLITE_OK;
    const bool passed = PassedBefore(s.file);
    const int rc = sqlite3_wal_checkpoint_v2(db, schema, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    if (rc == SQLITE_OK && passed && !s.db.damageSeen()) RememberPassed(s.file);
    return SQLITE_OK;
}

// SQLite's quick check (every page readable, every record well formed) when the profile is
// first opened as this file, so that a damaged page is found when the profile opens, not
// halfway through a list. It reads every page, which at 300,000 cities is most of a start, so it
// runs again only when device.db is another file than the one that last passed (SQLite still
// reports a page it cannot read on every read, and `zonaria-cli check` runs the full integrity
// check). It runs on a connection of its own, so that the pages it read are not kept. Returns
// what is wrong, or nothing.
QString QuickCheck(State& s, bool forReading, bool passedBefore) {
    if (Checked().contains(s.file)) return QString();
    if (passedBefore) {
        Checked() << s.file;
        return QString();
    }
    sql::Database own;
    const bool opened = forReading ? OpenForReading(own, s.folder, s.file) : own.open(s.file, false);
    sql::Database& db = opened ? own : s.db;
    db.exec("PRAGMA busy_timeout = 10000");
    QString result;
    {
        sql::Statement q = db.prepare("PRAGMA quick_check(1)");
        result = q.step() ? q.columnText(0) : db.error();
    }
    if (result != QLatin1String("ok")) return Findings(result).join(QStringLiteral("; "));
    Checked() << s.file;
    return QString();
}

// What a read of the profile through db finds wrong, in words; empty when it is a Zonaria
// profile whose every page reads.
QString Unhealthy(sql::Database& db) {
    db.exec("PRAGMA busy_timeout = 10000");
    switch (Recognise(db)) {
    case Kind::Unreadable: return QCoreApplication::translate("DeviceProfile", "cannot be read: %1").arg(db.error());
    case Kind::Foreign: return QCoreApplication::translate("DeviceProfile", "not a Zonaria device profile");
    case Kind::Zonaria: break;
    }
    sql::Statement q = db.prepare("PRAGMA quick_check(1)");
    const QString result = q.step() ? q.columnText(0) : db.error();
    return result == QLatin1String("ok") ? QString() : Findings(result).join(QStringLiteral("; "));
}

// A descriptor of the log's index (device.db-shm) for reading, kept open for the process's
// life: closing any descriptor of a file drops every lock the process holds on it, and the
// city database's connection to the same file may be open and hold the lock that tells
// another process the index is in use. Without it, that process would take itself for the
// first and truncate the index under this one's mapping (SIGBUS). -1 when there is no index.
int IndexDescriptor(const QByteArray& indexName) {
    static std::mutex mutex;
    static std::map<QByteArray, int> open;
    const std::lock_guard<std::mutex> lock(mutex);
    struct stat now {};
    if (::stat(indexName.constData(), &now) != 0) return -1;
    auto it = open.find(indexName);
    if (it != open.end()) {
        struct stat held {};
        if (::fstat(it->second, &held) == 0 && held.st_dev == now.st_dev && held.st_ino == now.st_ino) return it->second;
        // Another file by that name now: the one held is gone, and so are any locks on it.
        ::close(it->second);
        open.erase(it);
    }
    const int fd = ::open(indexName.constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) open.emplace(indexName, fd);
    return fd;
}

// How many committed changes (log frames not yet folded into device.db) the log's index counts
// that the log beside device.db does not hold: it was removed, or replaced by another file,
// while a connection had it open. 0 when all is well or there is no index. *inUse tells
// whether another process holds the index open now.
std::uint32_t MissingLogFrames(const QString& file, bool* inUse) {
    *inUse = false;
    const int fd = IndexDescriptor(QFile::encodeName(file + QStringLiteral("-shm")));
    if (fd < 0) return 0;
    const wal::IndexReading reading = wal::ReadIndex(fd, QFile::encodeName(file + QStringLiteral("-wal")).constData());
    *inUse = reading.inUse;
    return reading.missingFrames;
}

// What became of a log of unfolded writes beside device.db.
struct LogFinding {
    ProfileState refuse = ProfileState::Ready;  // Ready: go on opening
    QString message;                            // why it is refused, or the notice of a log set aside
};

// The log beside device.db belongs to it when the two read together as a healthy profile. One
// that does not (another database's log, or an old one of this profile beside a device.db put
// back from a copy) would be replayed by the first connection that writes and folded into
// device.db for good when it closes, so it is looked at on connections that only read. Beside
// a file that is healthy on its own it is set aside, renamed with the time, and the profile
// opens as it is; beside one that is not, nothing is touched and the profile is refused.
LogFinding LookAtLog(State& s, bool inUse) {
    LogFinding finding;
    const QString logName = s.file + QStringLiteral("-wal");
    const QFileInfo log(logName);
    if (!log.exists() || log.size() == 0) return finding;
    // A log that a running program holds open beside a device.db that passed as this very file
    // is that program's: the pair was looked at when it opened them, and its writes since are
    // SQLite's. Reading every page again for each process that starts beside a running window
    // would cost most of a start at 300,000 cities.
    if (inUse && PassedBefore(s.file)) {
        Checked() << s.file;
        return finding;
    }
    QString withLog;
    {
        sql::Database probe;
        if (!probe.openReadOnly(s.file, false)) return finding;  // the opening that follows says why
        withLog = Unhealthy(probe);
    }
    if (withLog.isEmpty()) {
        Checked() << s.file;  // its quick check is done
        return finding;
    }
    QString alone;
    {
        sql::Database bare;
        alone = bare.openReadOnly(s.file, true) ? Unhealthy(bare) : bare.error();
    }
    if (!alone.isEmpty()) {
        finding.refuse = ProfileState::Damaged;
        finding.message = DamagedMessage(s.file, QCoreApplication::translate("DeviceProfile", "cannot be read with the write-ahead log beside it "
                                                                "(%1) nor without it (%2); both are left as they are")
                                                     .arg(withLog, alone));
        return finding;
    }
    const QString aside =
        logName + QStringLiteral(".set-aside-") + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmsszzz"));
    if (!QFile::rename(logName, aside)) {
        finding.refuse = ProfileState::Unusable;
        finding.message = QCoreApplication::translate("DeviceProfile", "the write-ahead log %1 does not belong to the device profile (%2) and "
                                         "cannot be set aside; move it away to use the profile")
                              .arg(logName, withLog);
        return finding;
    }
    // The log's index describes the log that is gone; SQLite builds a new one.
    QFile::remove(s.file + QStringLiteral("-shm"));
    finding.message = QCoreApplication::translate("DeviceProfile", "the write-ahead log beside %1 did not belong to it (%2); it was set aside as %3 "
                                     "and device.db is left as it was")
                          .arg(s.file, withLog, aside);
    return finding;
}

bool Fail(State& s, ProfileState state, const QString& message) {
    s.state = state;
    s.error = message;
    s.db.close();
    return false;
}

// The state for a failure of SQLite while reading a file not yet recognised.
bool FailReading(State& s) {
    if (s.db.damageSeen()) {
        return Fail(s, ProfileState::Damaged,
                    DamagedMessage(s.file, QCoreApplication::translate("DeviceProfile", "cannot be read as a database (%1)").arg(s.db.error())));
    }
    return Fail(s, ProfileState::Unusable,
                QCoreApplication::translate("DeviceProfile", "the device profile's %1 cannot be read: %2").arg(s.file, s.db.error()));
}

bool RunSchema(sql::Database& db, int fromVersion) {
    if (!db.exec(kProfileSchema)) return false;
    for (const SchemaStatement& schema : Modules().schema) {
        if (schema.version > fromVersion && !db.exec(schema.sql)) return false;
    }
    const std::string setVersion = "PRAGMA user_version = " + std::to_string(SchemaVersion());
    return db.exec(setVersion.c_str());
}

// A commit in WAL mode with synchronous FULL is on disk when it returns, so every registry
// write survives a crash, and a flush only has to checkpoint. Only set on a recognised profile
// that can be written: the journal mode is kept in the file.
bool SetJournal(sql::Database& db) {
    return db.exec("PRAGMA journal_mode = WAL") && db.exec("PRAGMA synchronous = FULL");
}

// The installation and a process killed before it closed the profile leave their pages in the
// write-ahead log, which every later opening scans again; moving them into device.db keeps
// starts quick. Best effort and without waiting: a reader in another process may hold the log
// back, and a clean close does the same.
void FoldLog(State& s) {
    constexpr qint64 kWorthFolding = 256 * 1024;
    const QFileInfo log(s.file + QStringLiteral("-wal"));
    if (!log.exists() || log.size() < kWorthFolding) return;
    s.db.exec("PRAGMA busy_timeout = 0");
    s.db.exec("PRAGMA wal_checkpoint(TRUNCATE)");
    s.db.exec("PRAGMA busy_timeout = 10000");
}

bool Install(State& s) {
    sql::Database& db = s.db;
    if (!SetJournal(db) || !db.exec("BEGIN IMMEDIATE")) {
        return Fail(s, ProfileState::Unusable,
                    QCoreApplication::translate("DeviceProfile", "could not start the installation of the device profile %1: %2")
                        .arg(s.file, db.error()));
    }
    // Another process may have installed the profile while we waited for the lock.
    {
        sql::Statement q = db.prepare(kCountTables);
        if (q.step() && q.columnInt(0) > 0) {
            db.exec("COMMIT");
            return true;
        }
    }
    const std::string setId = "PRAGMA application_id = " + std::to_string(kProfileApplicationId);
    if (!RunSchema(db, 0) || !db.exec(setId.c_str())) {
        QString why = db.error();
        db.exec("ROLLBACK");
        return Fail(s, ProfileState::Unusable,
                    QCoreApplication::translate("DeviceProfile", "could not create the device profile %1: %2").arg(s.file, why));
    }
    ++s.transactionDepth;
    for (const InstallStep& step : Modules().package) {
        QString why;
        if (!step.run(db, &why)) {
            --s.transactionDepth;
            db.exec("ROLLBACK");
            return Fail(s, ProfileState::Unusable,
                        QCoreApplication::translate("DeviceProfile", "installation step \"%1\" failed: %2").arg(QString::fromUtf8(step.name), why));
        }
    }
    --s.transactionDepth;
    if (!db.prepare(kMarkInstalled).run() || !db.exec("COMMIT")) {
        QString why = db.error();
        db.exec("ROLLBACK");
        return Fail(s, ProfileState::Unusable,
                    QCoreApplication::translate("DeviceProfile", "could not finish the device profile %1: %2").arg(s.file, why));
    }
    return true;
}

// Adds the tables of later schema versions to a healthy older profile.
bool Upgrade(State& s) {
    sql::Database& db = s.db;
    if (!db.exec("BEGIN IMMEDIATE")) return false;
    bool ok = false;
    const int version = StoredVersion(db, &ok);  // another process may have upgraded it meanwhile
    if (ok && (version >= SchemaVersion() || RunSchema(db, version)) && db.exec("COMMIT")) return true;
    db.exec("ROLLBACK");
    return false;
}

bool OpenProfile(State& s) {
    s.notice.clear();
    s.folder = ProfilePath();
    s.file = QDir(s.folder).filePath(QStringLiteral("device.db"));
    for (const char* variable : {"ZONARIA_DEVICE", "XDG_DATA_HOME", "HOME"}) {
        const QString bad = NotUtf8(variable);
        if (!bad.isEmpty()) {
            return Fail(s, ProfileState::Unusable,
                        QCoreApplication::translate("DeviceProfile", "%1 is not UTF-8 text (%2), so it cannot name the device profile's folder")
                            .arg(QString::fromLatin1(variable), bad));
        }
        if (!qEnvironmentVariableIsEmpty(variable)) break;  // the first one set names the folder
    }
    QFileInfo info(s.file);
    bool isNew = false;
    if (!info.exists()) {
        if (QFileInfo::exists(s.folder) && !FolderIsEmpty(s.folder)) {
            return Fail(s, ProfileState::Unusable,
                        QCoreApplication::translate("DeviceProfile", "the device profile %1 has no device.db but is not empty; it is not made "
                                       "anew there, so that nothing in it is lost")
                            .arg(s.folder));
        }
        if (!QDir().mkpath(s.folder)) {
            return Fail(s, ProfileState::Unusable,
                        QCoreApplication::translate("DeviceProfile", "the device profile folder %1 cannot be made").arg(s.folder));
        }
        if (!Writable(s.folder)) {
            return Fail(s, ProfileState::Unusable,
                        QCoreApplication::translate("DeviceProfile", "the device profile folder %1 is not writable, so no profile can be made in it")
                            .arg(s.folder));
        }
        isNew = true;
    } else if (!info.isFile()) {
        return Fail(s, ProfileState::Unusable, QCoreApplication::translate("DeviceProfile", "the device profile's %1 is not a file").arg(s.file));
    } else if (!Readable(s.file)) {
        return Fail(s, ProfileState::Unusable,
                    QCoreApplication::translate("DeviceProfile", "the device profile's %1 cannot be read (permission denied)").arg(s.file));
    }

    // Where writing is refused, if anywhere. SQLite needs to make files beside device.db, so
    // the folder counts too.
    QString notWritable;
    if (!isNew && !Writable(s.folder)) {
        notWritable = QCoreApplication::translate("DeviceProfile", "its folder does not allow writing");
    } else if (!isNew && !Writable(s.file)) {
        notWritable = QCoreApplication::translate("DeviceProfile", "device.db does not allow writing");
    }
    if (!isNew && notWritable.isEmpty()) {
        bool inUse = false;
        const std::uint32_t missing = MissingLogFrames(s.file, &inUse);
        if (missing > 0 && inUse) {
            return Fail(s, ProfileState::Unusable,
                        QCoreApplication::translate("DeviceProfile", "the write-ahead log %1-wal was removed while a program had the device profile "
                                       "open; the last changes (%2) live on only in that program until it closes: "
                                       "quit Zonaria's programs, zonaria-alarmd and zonaria-today too, then start again")
                            .arg(s.file, QString::number(missing)));
        }
        if (missing > 0) {
            s.notice = QCoreApplication::translate("DeviceProfile", "the last changes to the device profile (%1) were lost: its write-ahead log "
                                      "%2-wal was removed while a program had the profile open")
                           .arg(QString::number(missing), s.file);
        }
        const LogFinding log = LookAtLog(s, inUse);
        if (log.refuse != ProfileState::Ready) return Fail(s, log.refuse, log.message);
        if (!log.message.isEmpty()) s.notice = log.message;
    }
    sql::Database& db = s.db;
    const bool opened = notWritable.isEmpty() ? db.open(s.file, isNew) : OpenForReading(db, s.folder, s.file);
    if (!opened) return FailReading(s);
    if (notWritable.isEmpty() && db.isReadOnly()) notWritable = QCoreApplication::translate("DeviceProfile", "SQLite can only read device.db");
    // The cache keeps what a walk through a large city database reads; no memory map, which
    // would leave every page ever read in the process's memory.
    bool ok = db.exec("PRAGMA busy_timeout = 10000") && db.exec("PRAGMA foreign_keys = ON") &&
              db.exec("PRAGMA cache_size = -32768");

    // Nothing is written before the file is known to be a healthy Zonaria profile.
    bool empty = ok && Int(db, kCountTables, &ok) == 0;
    if (!ok && !isNew && notWritable.isEmpty() && !db.damageSeen() && DiskIsFull(s.folder)) {
        // A full disk refuses the files SQLite makes beside device.db for writing (the log's
        // index first); the profile can still be read, as when it cannot be written.
        notWritable = QCoreApplication::translate("DeviceProfile", "the disk is full");
        db.close();
        if (!OpenImmutable(db, s.file) || !db.exec("PRAGMA busy_timeout = 10000")) return FailReading(s);
        empty = Int(db, kCountTables, &ok) == 0;
    }
    if (!ok) return FailReading(s);
    if (empty) {
        // A brand-new file, or one left empty by an installation that was interrupted:
        // there is nothing in it to lose.
        if (!notWritable.isEmpty()) {
            return Fail(s, ProfileState::Unusable,
                        QCoreApplication::translate("DeviceProfile", "the device profile %1 is empty and not writable (%2), so it cannot be installed")
                            .arg(s.folder, notWritable));
        }
        if (!Install(s)) return false;
        FoldLog(s);
        Checked() << s.file;  // just made: nothing to find
        RememberPassed(s.file);
    } else {
        switch (Recognise(db)) {
        case Kind::Unreadable: return FailReading(s);
        case Kind::Foreign:
            return Fail(s, ProfileState::Foreign,
                        QCoreApplication::translate("DeviceProfile", "%1 is another program's database, not a Zonaria device profile; it is left "
                                       "as it is")
                            .arg(s.file));
        case Kind::Zonaria: break;
        }
        const int version = StoredVersion(db, &ok);
        if (!ok) return FailReading(s);
        if (version > SchemaVersion()) {
            return Fail(s, ProfileState::Newer,
                        QCoreApplication::translate("DeviceProfile", "the device profile %1 was made by a later version of Zonaria (schema "
                                       "version %2; this one knows up to %3); it is left as it is")
                            .arg(s.folder, QString::number(version), QString::number(SchemaVersion())));
        }
        // The stamp is written only for a file that passed both checks below, so a file that
        // passed as it is now needs neither again (making the expected schema costs more than
        // the rest of opening).
        const bool passedBefore = PassedBefore(s.file);
        const QString damage = QuickCheck(s, !notWritable.isEmpty(), passedBefore);
        if (!damage.isEmpty()) {
            return Fail(s, ProfileState::Damaged,
                        DamagedMessage(s.file, QCoreApplication::translate("DeviceProfile", "fails SQLite's check (%1)").arg(damage)));
        }
        if (!passedBefore) {
            const QStringList missing = SchemaProblems(db, version);
            if (!missing.isEmpty()) {
                return Fail(s, ProfileState::Damaged,
                            DamagedMessage(s.file, QCoreApplication::translate("DeviceProfile", "lacks %1").arg(missing.join(QStringLiteral(", ")))));
            }
            if (notWritable.isEmpty()) RememberPassed(s.file);
        }
        if (notWritable.isEmpty()) {
            if (!SetJournal(db)) return FailReading(s);
            FoldLog(s);
            if (version < SchemaVersion() && !Upgrade(s)) {
                return Fail(s, ProfileState::Unusable,
                            QCoreApplication::translate("DeviceProfile", "the device profile %1 could not be brought up to schema version %2: %3")
                                .arg(s.folder, QString::number(SchemaVersion()), db.error()));
            }
            // Folding and upgrading are SQLite's own writes to a file that passed: it is still
            // the file that passed, for the programs that start while this one runs.
            RememberPassed(s.file);
        }
    }
    if (notWritable.isEmpty()) {
        s.state = ProfileState::Ready;
        s.error.clear();
        sqlite3_wal_hook(db.handle(), AfterCommit, &s);
    } else {
        s.state = ProfileState::ReadOnly;
        s.error = QCoreApplication::translate("DeviceProfile", "the device profile %1 is not writable (%2)").arg(s.folder, notWritable);
    }
    return true;
}

// Whether the connection's write-ahead log holds nothing: SQLite's own file, whatever path
// device.db was opened by. Not known (not open yet) counts as not empty.
bool LogIsEmpty(sql::Database& db) {
    sqlite3_file* log = nullptr;
    if (sqlite3_file_control(db.handle(), "main", SQLITE_FCNTL_JOURNAL_POINTER, &log) != SQLITE_OK || !log ||
        !log->pMethods) {
        return false;
    }
    sqlite3_int64 size = -1;
    return log->pMethods->xFileSize(log, &size) == SQLITE_OK && size == 0;
}

}  // namespace

QString ProfilePath() {
    QString path = qEnvironmentVariable("ZONARIA_DEVICE");
    if (!path.isEmpty()) return path;
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/zonaria/device");
}

sql::Database* Db() {
    State& s = Current();
    if (s.db.isOpen()) return &s.db;
    ++s.generation;
    if (!OpenProfile(s)) return nullptr;
    return &s.db;
}

QString LastError() { return Current().error; }

ProfileStatus Status() {
    Db();
    const State& s = Current();
    ProfileStatus status{s.state, s.folder, s.file, s.error, s.notice};
    if (s.db.isOpen() && s.db.damageSeen()) {
        status.state = ProfileState::Damaged;
        status.message = DamagedMessage(s.file, QCoreApplication::translate("DeviceProfile", "has a damaged page (%1)")
                                                    .arg(QString::fromUtf8(sqlite3_errstr(SQLITE_CORRUPT))));
    }
    return status;
}

Refusal WhyRefused() {
    const State& s = Current();
    if (DiskIsFull(s.folder)) return Refusal::DiskFull;
    if (s.state == ProfileState::ReadOnly) return Refusal::ReadOnly;
    switch (s.db.errorCode() & 0xFF) {
    case SQLITE_READONLY: return Refusal::ReadOnly;
    case SQLITE_FULL: return Refusal::DiskFull;
    default: return Refusal::Other;
    }
}

unsigned Generation() { return Current().generation; }

void Reset() {
    State& s = Current();
    CloseProfile(s);
    s.state = ProfileState::Unusable;
    s.error.clear();
    s.notice.clear();
    s.transactionDepth = 0;
}

void ReleaseMemory() {
    if (sqlite3* db = Current().db.handle()) sqlite3_db_release_memory(db);
#ifdef __GLIBC__
    // Freed blocks below the top of the heap stay the process's until trimmed.
    malloc_trim(0);
#endif
}

bool Transaction(const std::function<bool(sql::Database&)>& fn, Commit commit) {
    sql::Database* db = Db();
    if (!db) return false;
    State& s = Current();
    if (s.transactionDepth > 0) return fn(*db);
    // The setting is the connection's and cannot change inside a transaction: lowered for this
    // commit only, and FULL again before anything else is written. NORMAL still syncs the header
    // of a log that starts again over older frames, which after a power loss could otherwise count
    // again; an empty log has none, so there the commit syncs nothing (the first program of a
    // session waited for two syncs: the log's header and its folder).
    bool off = commit == Commit::Unsynced && LogIsEmpty(*db);
    for (;;) {
        const char* lower = commit == Commit::Synced ? nullptr : off ? "PRAGMA synchronous = OFF" : "PRAGMA synchronous = NORMAL";
        const bool lowered = lower && db->exec(lower);
        bool done = false;
        bool again = false;
        if (db->exec("BEGIN IMMEDIATE")) {
            // The write lock is held from here on, so the log can no longer grow; another
            // process may have written since the look above.
            if (lowered && off && !LogIsEmpty(*db)) {
                again = true;
                db->exec("ROLLBACK");
            } else {
                s.syncOff = lowered && off;
                ++s.transactionDepth;
                const bool ok = fn(*db);
                --s.transactionDepth;
                done = ok && db->exec("COMMIT");
                if (!done) db->exec("ROLLBACK");
                s.syncOff = false;
            }
        }
        if (lowered) db->exec("PRAGMA synchronous = FULL");
        if (!again) return done;
        off = false;
    }
}

CheckReport CheckProfile() {
    CheckReport report;
    const QString folder = ProfilePath();
    report.file = QDir(folder).filePath(QStringLiteral("device.db"));
    if (!QFileInfo(report.file).isFile()) {
        report.problems << QCoreApplication::translate("DeviceProfile", "there is no device.db file");
        return report;
    }
    sql::Database db;
    if (!OpenForReading(db, folder, report.file) || !db.exec("PRAGMA busy_timeout = 10000")) {
        report.problems << QCoreApplication::translate("DeviceProfile", "it cannot be opened: %1").arg(db.error());
        return report;
    }
    const Kind kind = Recognise(db);
    if (kind != Kind::Zonaria) {
        report.problems << (kind == Kind::Foreign ? QCoreApplication::translate("DeviceProfile", "it is not a Zonaria device profile")
                                                  : QCoreApplication::translate("DeviceProfile", "it cannot be read: %1").arg(db.error()));
        return report;
    }
    bool ok = false;
    const int version = StoredVersion(db, &ok);
    if (ok) report.schemaVersion = version;
    sql::Statement check = db.prepare("PRAGMA integrity_check(20)");
    while (check.step()) {
        if (check.columnText(0) != QLatin1String("ok")) report.problems << Findings(check.columnText(0));
    }
    if (check.failed() || !check.isValid()) report.problems << db.error();
    check = sql::Statement();
    if (ok && version > SchemaVersion()) {
        report.problems << QCoreApplication::translate("DeviceProfile", "its schema version %1 is from a later version of Zonaria").arg(version);
    } else if (ok) {
        for (const QString& missing : SchemaProblems(db, version)) report.problems << QCoreApplication::translate("DeviceProfile", "it lacks %1").arg(missing);
    }
    return report;
}

int SchemaVersion() {
    int version = 1;
    for (const SchemaStatement& schema : Modules().schema) version = std::max(version, schema.version);
    return version;
}

void AddSchema(const char* sql, int version) { Modules().schema.push_back(SchemaStatement{sql, version}); }

void SetInstallPackage(std::vector<InstallStep> steps) { Modules().package = std::move(steps); }

}  // namespace za::device
