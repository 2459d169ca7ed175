// setup: copies the installation files into a folder beside the desktop's application manager
// and starts the manager with the package description, which installs Zonaria. It takes no
// arguments and shows nothing but one error box; the exit code names the step that failed.
#include "device.h"
#include "registry.h"
#include "shell.h"
#include "stringtable.h"
#include "translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kManagerKey = QStringLiteral("software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAppMgr.exe");
const QString kFolderName = QStringLiteral("Corvantel Zonaria/");
const QString kIni = QStringLiteral("setup.ini");
const char* const kCaption = QT_TRANSLATE_NOOP("Setup", "Zonaria Setup");
const char* const kFailure = QT_TRANSLATE_NOOP("Setup",
    "Cannot install Zonaria.  Make sure that you have enough disk space, and that you have installed Microsoft "
    "ActiveSync version 3.0 or greater.");
constexpr int kMaxPath = 260;

enum ExitCode { kDone = 0, kNoManager = 1, kNoManagerPath = 2, kCopyFailed = 3, kStartFailed = 4 };

int Fail(ExitCode code) {
    za::shell::Current().MessageBox(QCoreApplication::translate("Setup", kFailure),
                                    QCoreApplication::translate("Setup", kCaption), MB_OK);
    return code;
}

// The folder part of a path, with its trailing separator ("" for a bare name).
QString FolderOf(const QString& path) {
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

// The files of the installation, in the order they are copied; the second is this program
// itself, whatever its file is called.
QStringList Files() {
    return {kIni,
            QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
            QStringLiteral("Zonaria.ico"),
            QStringLiteral("Zonaria.sa.CAB"),
            QStringLiteral("Zonaria.sh3.CAB"),
            QStringLiteral("Zonaria.mips.CAB"),
            QStringLiteral("Zonaria.arm.CAB")};
}

// A file of an earlier installation goes, read-only or not, before the new one is copied.
bool Replace(const QString& source, const QString& destination) {
    if (QFileInfo::exists(destination)) {
        QFile::setPermissions(destination, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        QFile::remove(destination);
    }
    return QFile::copy(source, destination);
}

int Run() {
    // Opening a profile that is not there would install one, and this program carries none of
    // the city data an installation needs: no profile means no manager registered in it.
    if (!QFileInfo::exists(za::device::ProfilePath() + QStringLiteral("/device.db"))) return Fail(kNoManager);
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kManagerKey, 0, 0, &key) != ERROR_SUCCESS) return Fail(kNoManager);
    // The key's default value: the manager's full path.
    char16_t path[kMaxPath / 2] = {};
    DWORD size = sizeof path, type = 0;
    const LONG rc = RegQueryValueExW(key, QString(), nullptr, &type, reinterpret_cast<BYTE*>(path), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || type != REG_SZ) return Fail(kNoManagerPath);
    const QString manager = QString::fromUtf16(path);
    if (manager.isEmpty()) return Fail(kNoManagerPath);

    const QString destination = FolderOf(manager) + kFolderName;
    const QString source = FolderOf(QCoreApplication::applicationFilePath());
    if (QString::compare(QDir::cleanPath(destination), QDir::cleanPath(source), Qt::CaseInsensitive) != 0) {
        QDir().mkpath(destination);
        for (const QString& file : Files()) {
            // A copy that fails part-way leaves the files copied so far.
            if (!Replace(source + file, destination + file)) return Fail(kCopyFailed);
        }
    }
    // One argument: the package description, wherever its folder lies.
    if (!za::shell::Current().StartProgram(manager, {destination + kIni})) return Fail(kStartFailed);
    return kDone;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    za::i18n::InstallTranslations();
    za::SetResourceModule("setup", QCoreApplication::translate("Setup", kCaption));
    return Run();
}
