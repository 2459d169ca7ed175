#include "device.h"
#include "profile.h"
#include "registry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <sqlite3.h>

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

TEST_F(DeviceProfile, ForeignSqliteDatabaseIsNotTakenOver) {
    QDir().mkpath(profile.path());
    sqlite3* db = nullptr;
    ASSERT_EQ(SQLITE_OK, sqlite3_open(profile.dbPath().toUtf8().constData(), &db));
    ASSERT_EQ(SQLITE_OK, sqlite3_exec(db, "CREATE TABLE notes(text); INSERT INTO notes VALUES('mine')", nullptr, nullptr, nullptr));
    sqlite3_close(db);
    EXPECT_EQ(nullptr, za::device::Db());
    EXPECT_TRUE(za::device::LastError().contains(QStringLiteral("not a Zonaria device profile")));
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
