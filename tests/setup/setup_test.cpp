// setup copies the installation files beside the application manager and starts it with the
// package description: every step's failure with its exit code, a run from the destination,
// a read-only file of an earlier installation, a missing file.
#include "profile.h"
#include "registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString kManagerKey = QStringLiteral("software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAppMgr.exe");
const QStringList kPackageFiles = {"setup.ini", "Zonaria.ico", "Zonaria.sa.CAB", "Zonaria.sh3.CAB", "Zonaria.mips.CAB",
                                   "Zonaria.arm.CAB"};
const QString kFailure = QStringLiteral(
    "Zonaria Setup: Cannot install Zonaria.  Make sure that you have enough disk space, and that you have "
    "installed Microsoft ActiveSync version 3.0 or greater.");

class SetupTest : public za::test::ProfileTest {
protected:
    SetupTest() {
        source = dir.path() + QStringLiteral("/cd/");
        managerDir = dir.path() + QStringLiteral("/Program Files/CE App Mgr/");
        destination = managerDir + QStringLiteral("Corvantel Zonaria/");
        QDir().mkpath(source);
        QDir().mkpath(managerDir);
        // The installation files: setup itself and the six it ships with.
        QFile::copy(QStringLiteral(SETUP_PATH), source + QStringLiteral("setup"));
        for (const QString& name : kPackageFiles) Write(source + name, "new " + name.toUtf8());
        QFile::copy(QStringLiteral(FAKEAPPMGR_PATH), managerDir + QStringLiteral("CEAppMgr"));
    }

    static void Write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray Read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Registers the manager as the desktop's synchronisation software does.
    void RegisterManager(bool withPath = true) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, kManagerKey, 0, QString(), 0, 0, nullptr, &key, nullptr));
        if (withPath) {
            const QString path = managerDir + QStringLiteral("CEAppMgr");
            ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, QString(), 0, REG_SZ, reinterpret_cast<const BYTE*>(path.utf16()),
                                                    static_cast<DWORD>((path.size() + 1) * 2)));
        }
        RegCloseKey(key);
    }

    struct Run {
        int code = -1;
        QString err;
    };
    // Runs the setup program found at path and waits for it.
    Run Setup(const QString& path) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZONARIA_DEVICE"), profile.path());
        env.insert(QStringLiteral("FAKEAPPMGR_LOG"), log());
        // The copied program finds the platform library of the build.
        env.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral(ZONARIA_LIB_DIR));
        p.setProcessEnvironment(env);
        p.start(path, {});
        p.waitForFinished(30000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardError()).trimmed()};
    }
    QString log() const { return dir.path() + QStringLiteral("/manager.log"); }
    // What the manager was started with, once it has written it.
    QStringList ManagerArguments() {
        for (int i = 0; i < 500 && !QFileInfo::exists(log()); ++i) QThread::msleep(10);
        QThread::msleep(20);
        return QString::fromUtf8(Read(log())).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir dir;
    QString source, managerDir, destination;
};

}  // namespace

TEST_F(SetupTest, NoManagerRegisteredTellsAndCreatesNothing) {
    // Without a device profile nothing is made, not even the profile.
    Run run = Setup(source + QStringLiteral("setup"));
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, kFailure);
    EXPECT_FALSE(QFileInfo::exists(profile.path()));
    // With one that has no manager registered.
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("Software"), 0, 0, &key));
    RegCloseKey(key);
    run = Setup(source + QStringLiteral("setup"));
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, kFailure);
    EXPECT_FALSE(QFileInfo::exists(destination));
    EXPECT_FALSE(QFileInfo::exists(log()));
}

TEST_F(SetupTest, ManagerKeyWithoutItsPathIsStepTwo) {
    RegisterManager(false);
    const Run run = Setup(source + QStringLiteral("setup"));
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, kFailure);
    EXPECT_FALSE(QFileInfo::exists(destination));
}

TEST_F(SetupTest, CopiesTheFilesAndStartsTheManagerWithTheIni) {
    RegisterManager();
    const Run run = Setup(source + QStringLiteral("setup"));
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    for (const QString& name : kPackageFiles) EXPECT_EQ(Read(destination + name), "new " + name.toUtf8()) << qPrintable(name);
    EXPECT_EQ(Read(destination + QStringLiteral("setup")), Read(source + QStringLiteral("setup")));
    EXPECT_EQ(ManagerArguments(), QStringList{destination + QStringLiteral("setup.ini")});
}

TEST_F(SetupTest, RunFromTheDestinationCopiesNothing) {
    RegisterManager();
    ASSERT_EQ(Setup(source + QStringLiteral("setup")).code, 0);
    ManagerArguments();
    QFile::remove(log());
    // The destination's own files, changed since: a second run from there leaves them be.
    Write(destination + QStringLiteral("Zonaria.ico"), "edited");
    const Run run = Setup(destination + QStringLiteral("setup"));
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(Read(destination + QStringLiteral("Zonaria.ico")), "edited");
    EXPECT_EQ(ManagerArguments(), QStringList{destination + QStringLiteral("setup.ini")});
}

TEST_F(SetupTest, ReadOnlyFileOfAnEarlierInstallationIsReplaced) {
    RegisterManager();
    QDir().mkpath(destination);
    const QString old = destination + QStringLiteral("Zonaria.arm.CAB");
    Write(old, "old");
    ASSERT_TRUE(QFile::setPermissions(old, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const Run run = Setup(source + QStringLiteral("setup"));
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(Read(old), "new Zonaria.arm.CAB");
}

TEST_F(SetupTest, MissingSourceFileStopsThereWithStepThree) {
    RegisterManager();
    ASSERT_TRUE(QFile::remove(source + QStringLiteral("Zonaria.mips.CAB")));
    const Run run = Setup(source + QStringLiteral("setup"));
    EXPECT_EQ(run.code, 3);
    EXPECT_EQ(run.err, kFailure);
    // The files before it were copied and stay; the one after it was never reached.
    EXPECT_TRUE(QFileInfo::exists(destination + QStringLiteral("Zonaria.sh3.CAB")));
    EXPECT_FALSE(QFileInfo::exists(destination + QStringLiteral("Zonaria.arm.CAB")));
    EXPECT_FALSE(QFileInfo::exists(log()));
}

TEST_F(SetupTest, ManagerThatCannotStartIsStepFour) {
    RegisterManager();
    ASSERT_TRUE(QFile::remove(managerDir + QStringLiteral("CEAppMgr")));
    const Run run = Setup(source + QStringLiteral("setup"));
    EXPECT_EQ(run.code, 4);
    EXPECT_EQ(run.err, kFailure);
    EXPECT_TRUE(QFileInfo::exists(destination + QStringLiteral("setup.ini")));
}
