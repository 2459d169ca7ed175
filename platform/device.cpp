#include "device.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

namespace za::device {
namespace {

struct Step {
    int order;
    const char* name;
    InstallStep fn;
};

struct Registry {
    std::vector<const char*> schema;
    std::vector<Step> steps;
};

Registry& Modules() {
    static Registry modules;
    return modules;
}

struct State {
    sql::Database db;
    QString error;
    int transactionDepth = 0;
    unsigned generation = 0;
};

State& Current() {
    static State state;
    return state;
}

constexpr const char* kProfileSchema =
    "CREATE TABLE IF NOT EXISTS profile(name TEXT PRIMARY KEY, value TEXT NOT NULL)";
constexpr const char* kIsInstalled = "SELECT value FROM profile WHERE name = 'installed'";
constexpr const char* kMarkInstalled =
    "INSERT OR REPLACE INTO profile(name, value) VALUES('installed', '1')";
constexpr const char* kCountTables = "SELECT count(*) FROM sqlite_master";

bool FolderIsEmpty(const QString& path) {
    QDir dir(path);
    return dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
        .isEmpty();
}

bool Fail(State& s, const QString& message) {
    s.error = message;
    s.db.close();
    return false;
}

bool RunSchema(sql::Database& db) {
    if (!db.exec(kProfileSchema)) return false;
    for (const char* sql : Modules().schema) {
        if (!db.exec(sql)) return false;
    }
    return true;
}

bool Install(State& s, const QString& dbPath) {
    sql::Database& db = s.db;
    if (!db.exec("BEGIN IMMEDIATE")) {
        return Fail(s, QStringLiteral("Could not start the installation of the device profile %1: %2")
                           .arg(dbPath, db.error()));
    }
    // Another process may have installed the profile while we waited for the lock.
    {
        sql::Statement q = db.prepare(kCountTables);
        if (q.step() && q.columnInt(0) > 0) {
            db.exec("COMMIT");
            return true;
        }
    }
    if (!RunSchema(db)) {
        QString why = db.error();
        db.exec("ROLLBACK");
        return Fail(s, QStringLiteral("Could not create the device profile %1: %2").arg(dbPath, why));
    }
    std::vector<Step> steps = Modules().steps;
    std::stable_sort(steps.begin(), steps.end(),
                     [](const Step& a, const Step& b) { return a.order < b.order; });
    ++s.transactionDepth;
    for (const Step& step : steps) {
        QString why;
        if (!step.fn(db, &why)) {
            --s.transactionDepth;
            db.exec("ROLLBACK");
            return Fail(s, QStringLiteral("Installation step \"%1\" failed: %2")
                               .arg(QString::fromUtf8(step.name), why));
        }
    }
    --s.transactionDepth;
    if (!db.prepare(kMarkInstalled).run() || !db.exec("COMMIT")) {
        QString why = db.error();
        db.exec("ROLLBACK");
        return Fail(s, QStringLiteral("Could not finish the device profile %1: %2").arg(dbPath, why));
    }
    return true;
}

bool OpenProfile(State& s) {
    const QString folder = ProfilePath();
    const QString dbPath = QDir(folder).filePath(QStringLiteral("device.db"));
    QFileInfo info(dbPath);
    bool isNew = false;
    if (!info.exists()) {
        if (QFileInfo::exists(folder) && !FolderIsEmpty(folder)) {
            return Fail(s, QStringLiteral("The device profile %1 has no device.db but is not empty; "
                                          "it is not recreated so that nothing is lost. Move the "
                                          "folder away to start a new profile.")
                               .arg(folder));
        }
        if (!QDir().mkpath(folder)) {
            return Fail(s, QStringLiteral("Could not create the device profile folder %1").arg(folder));
        }
        isNew = true;
    } else if (!info.isFile()) {
        return Fail(s, QStringLiteral("The device database %1 is not a file").arg(dbPath));
    }

    if (!s.db.open(dbPath, isNew)) {
        return Fail(s, QStringLiteral("Could not open the device database %1: %2").arg(dbPath, s.db.error()));
    }
    sql::Database& db = s.db;
    // A commit in WAL mode with synchronous FULL is on disk when it returns, so every
    // registry write survives a crash, and a flush only has to checkpoint.
    // The cache and the memory map let a walk through a large city database read pages
    // without a system call each; both only grow as far as the file needs.
    if (!db.exec("PRAGMA busy_timeout = 10000") || !db.exec("PRAGMA journal_mode = WAL") ||
        !db.exec("PRAGMA synchronous = FULL") || !db.exec("PRAGMA foreign_keys = ON") ||
        !db.exec("PRAGMA cache_size = -32768") || !db.exec("PRAGMA mmap_size = 268435456")) {
        return Fail(s, QStringLiteral("The device database %1 is damaged or cannot be used: %2")
                           .arg(dbPath, db.error()));
    }
    sql::Statement count = db.prepare(kCountTables);
    if (!count.step()) {
        return Fail(s, QStringLiteral("The device database %1 is damaged or not a database: %2")
                           .arg(dbPath, db.error()));
    }
    const bool empty = count.columnInt(0) == 0;
    count = sql::Statement();

    if (empty) {
        // A brand-new file, or one left empty by an installation that was interrupted:
        // there is nothing in it to lose.
        if (!Install(s, dbPath)) return false;
    } else {
        sql::Statement installed = db.prepare(kIsInstalled);
        if (!installed.isValid() || !installed.step() || installed.columnText(0) != QLatin1String("1")) {
            return Fail(s, QStringLiteral("The file %1 is not a Zonaria device profile").arg(dbPath));
        }
    }
    // Later versions may add tables; existing ones are left as they are.
    if (!RunSchema(db)) {
        return Fail(s, QStringLiteral("The device database %1 cannot be updated: %2").arg(dbPath, db.error()));
    }
    s.error.clear();
    return true;
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

unsigned Generation() { return Current().generation; }

void Reset() {
    State& s = Current();
    s.db.close();
    s.error.clear();
    s.transactionDepth = 0;
}

bool Transaction(const std::function<bool(sql::Database&)>& fn) {
    sql::Database* db = Db();
    if (!db) return false;
    State& s = Current();
    if (s.transactionDepth > 0) return fn(*db);
    if (!db->exec("BEGIN IMMEDIATE")) return false;
    ++s.transactionDepth;
    bool ok = fn(*db);
    --s.transactionDepth;
    if (ok && db->exec("COMMIT")) return true;
    db->exec("ROLLBACK");
    return false;
}

void RegisterSchema(const char* sql) { Modules().schema.push_back(sql); }

void RegisterInstallStep(int order, const char* name, InstallStep step) {
    Modules().steps.push_back(Step{order, name, std::move(step)});
}

}  // namespace za::device
