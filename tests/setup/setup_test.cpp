// setup copies the installation files beside the application manager and starts it with the
// package description: every step's failure with its exit code, a run from the destination,
// a read-only file of an earlier installation, a missing file.
#include "profile.h"
#include "registry.h"
#include "setupshell.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kManagerKey = QStringLiteral("software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAppMgr.exe");
const QStringList kPackageFiles = {"setup.ini", "Zonaria.ico", "Zonaria.sa.CAB", "Zonaria.sh3.CAB", "Zonaria.mips.CAB",
                                   "Zonaria.arm.CAB"};
const QString kNoManager = QStringLiteral(
    "Zonaria Setup: Cannot install Zonaria.  No application manager for handhelds is registered on this computer "
    "(the registry key HKEY_LOCAL_MACHINE\\software\\Microsoft\\Windows\\CurrentVersion\\App "
    "Paths\\CEAppMgr.exe is missing).");
const QString kNoManagerPath = QStringLiteral(
    "Zonaria Setup: Cannot install Zonaria.  The registry key HKEY_LOCAL_MACHINE\\software\\Microsoft\\Windows"
    "\\CurrentVersion\\App Paths\\CEAppMgr.exe does not name the application manager's program.");

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
        // A copy runs on its own: nothing points it at the build's libraries.
        env.remove(QStringLiteral("LD_LIBRARY_PATH"));
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
    EXPECT_EQ(run.err, kNoManager);
    EXPECT_FALSE(run.err.contains(QStringLiteral("ActiveSync"))) << "a handheld's Windows program, not Linux's";
    EXPECT_FALSE(QFileInfo::exists(profile.path()));
    // With one that has no manager registered.
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("Software"), 0, 0, &key));
    RegCloseKey(key);
    run = Setup(source + QStringLiteral("setup"));
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, kNoManager);
    EXPECT_FALSE(QFileInfo::exists(destination));
    EXPECT_FALSE(QFileInfo::exists(log()));
}

TEST_F(SetupTest, ManagerKeyWithoutItsPathIsStepTwo) {
    RegisterManager(false);
    const Run run = Setup(source + QStringLiteral("setup"));
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, kNoManagerPath);
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
    EXPECT_EQ(run.err, QStringLiteral("Zonaria Setup: Cannot install Zonaria.  %1 could not be copied to %2.  Make sure "
                                      "that the file is there and that you have enough disk space.")
                           .arg(source + QStringLiteral("Zonaria.mips.CAB"), destination));
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
    EXPECT_EQ(run.err, QStringLiteral("Zonaria Setup: Cannot install Zonaria.  The application manager %1 could not be "
                                      "started.")
                           .arg(managerDir + QStringLiteral("CEAppMgr")));
    EXPECT_TRUE(QFileInfo::exists(destination + QStringLiteral("setup.ini")));
}

// A manager path longer than the 130 characters the program once read it into, given without
// its terminating NUL: the whole path, and only it, is taken.
TEST_F(SetupTest, LongManagerPathIsReadWhole) {
    const QString deep = managerDir + QString(150, QLatin1Char('d')) + QStringLiteral("/");
    ASSERT_TRUE(QDir().mkpath(deep));
    ASSERT_TRUE(QFile::copy(QStringLiteral(FAKEAPPMGR_PATH), deep + QStringLiteral("CEAppMgr")));
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, kManagerKey, 0, QString(), 0, 0, nullptr, &key, nullptr));
    const QString path = deep + QStringLiteral("CEAppMgr");
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, QString(), 0, REG_SZ, reinterpret_cast<const BYTE*>(path.utf16()),
                                            static_cast<DWORD>(path.size() * 2)));
    RegCloseKey(key);
    const Run run = Setup(source + QStringLiteral("setup"));
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(ManagerArguments(), QStringList{deep + QStringLiteral("Corvantel Zonaria/setup.ini")});
}

// Started from a file manager, standard error goes nowhere: with a screen, the failure is a
// message box (an error, OK only), and standard error still gets the line.
TEST(SetupShell, ShowsTheFailureInAMessageBox) {
    ASSERT_NE(qobject_cast<QApplication*>(QCoreApplication::instance()), nullptr);
    za::setup::SetupShell shell(true);
    QString shownText, shownTitle;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        shownTitle = box->windowTitle();
        icon = box->icon();
        box->accept();
    });
    EXPECT_EQ(IDOK, shell.MessageBox(QStringLiteral("Cannot install Zonaria.  X"), QStringLiteral("Zonaria Setup"), MB_OK));
    EXPECT_EQ(QStringLiteral("Cannot install Zonaria.  X"), shownText);
    EXPECT_EQ(QStringLiteral("Zonaria Setup"), shownTitle);
    EXPECT_EQ(QMessageBox::Critical, icon);
    // Which environments have a screen a user sees.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM"), display = qgetenv("DISPLAY"),
                     wayland = qgetenv("WAYLAND_DISPLAY");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    EXPECT_FALSE(za::setup::HasScreen()) << "offscreen draws nowhere";
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("DISPLAY", ":7");
    EXPECT_TRUE(za::setup::HasScreen());
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    EXPECT_FALSE(za::setup::HasScreen());
    qputenv("QT_QPA_PLATFORM", platform);
    if (!display.isEmpty()) qputenv("DISPLAY", display);
    if (!wayland.isEmpty()) qputenv("WAYLAND_DISPLAY", wayland);
}
