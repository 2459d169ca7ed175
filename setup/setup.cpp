// setup: copies the installation files into a folder beside the desktop's application manager
// and starts the manager with the package description, which installs Zonaria. It takes no
// arguments and shows nothing but one error box; the exit code names the step that failed.
#include "device.h"
#include "registry.h"
#include "setupshell.h"
#include "stringtable.h"
#include "translation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <vector>

namespace {

const QString kManagerKey = QStringLiteral("software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CEAppMgr.exe");
const QString kFolderName = QStringLiteral("Corvantel Zonaria/");
const QString kIni = QStringLiteral("setup.ini");
const char* const kCaption = QT_TRANSLATE_NOOP("Setup", "Zonaria Setup");
// What failed, in the user's words: on a Linux desktop the handheld's ActiveSync is no
// requirement, so each text names what is missing.
const char* const kFailure = QT_TRANSLATE_NOOP("Setup", "Cannot install Zonaria.  %1");
const char* const kNoManagerText = QT_TRANSLATE_NOOP("Setup",
    "No application manager for handhelds is registered on this computer (the registry key "
    "HKEY_LOCAL_MACHINE\\%1 is missing).");
const char* const kNoManagerPathText = QT_TRANSLATE_NOOP("Setup",
    "The registry key HKEY_LOCAL_MACHINE\\%1 does not name the application manager's program.");
const char* const kCopyFailedText = QT_TRANSLATE_NOOP("Setup",
    "%1 could not be copied to %2.  Make sure that the file is there and that you have enough disk space.");
const char* const kStartFailedText = QT_TRANSLATE_NOOP("Setup", "The application manager %1 could not be started.");

QString Tr(const char* text) { return QCoreApplication::translate("Setup", text); }

enum ExitCode { kDone = 0, kNoManager = 1, kNoManagerPath = 2, kCopyFailed = 3, kStartFailed = 4 };

int Fail(ExitCode code, const QString& what) {
    za::shell::Current().MessageBox(Tr(kFailure).arg(what), Tr(kCaption), MB_OK | MB_ICONSTOP);
    return code;
}

// The manager's full path, the key's default value, read at whatever length it has; empty
// when the value is missing or not a string.
QString ManagerPath(HKEY key) {
    DWORD size = 0, type = 0;
    if (RegQueryValueExW(key, QString(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ) {
        return QString();
    }
    std::vector<char16_t> path(size / sizeof(char16_t) + 1, u'\0');
    if (RegQueryValueExW(key, QString(), nullptr, &type, reinterpret_cast<BYTE*>(path.data()), &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return QString();
    }
    // The characters the value holds, up to its terminating NUL if it has one.
    QString text = QString::fromUtf16(path.data(), static_cast<qsizetype>(size / sizeof(char16_t)));
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0) text.truncate(nul);
    return text;
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
    if (!QFileInfo::exists(za::device::ProfilePath() + QStringLiteral("/device.db"))) {
        return Fail(kNoManager, Tr(kNoManagerText).arg(kManagerKey));
    }
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kManagerKey, 0, 0, &key) != ERROR_SUCCESS) {
        return Fail(kNoManager, Tr(kNoManagerText).arg(kManagerKey));
    }
    const QString manager = ManagerPath(key);
    RegCloseKey(key);
    if (manager.isEmpty()) return Fail(kNoManagerPath, Tr(kNoManagerPathText).arg(kManagerKey));

    const QString destination = FolderOf(manager) + kFolderName;
    const QString source = FolderOf(QCoreApplication::applicationFilePath());
    if (QString::compare(QDir::cleanPath(destination), QDir::cleanPath(source), Qt::CaseInsensitive) != 0) {
        QDir().mkpath(destination);
        for (const QString& file : Files()) {
            // A copy that fails part-way leaves the files copied so far.
            if (!Replace(source + file, destination + file)) {
                return Fail(kCopyFailed, Tr(kCopyFailedText).arg(QDir::toNativeSeparators(source + file),
                                                             QDir::toNativeSeparators(destination)));
            }
        }
    }
    // One argument: the package description, wherever its folder lies.
    if (!za::shell::Current().StartProgram(manager, {destination + kIni})) {
        return Fail(kStartFailed, Tr(kStartFailedText).arg(QDir::toNativeSeparators(manager)));
    }
    return kDone;
}

}  // namespace

int main(int argc, char* argv[]) {
    // A widget application only where there is a screen: it cannot be made without one.
    const bool screen = za::setup::HasScreen();
    std::unique_ptr<QCoreApplication> app(screen ? new QApplication(argc, argv) : new QCoreApplication(argc, argv));
    za::shell::Install(std::make_unique<za::setup::SetupShell>(screen));
    za::i18n::InstallTranslations();
    za::SetResourceModule("setup", Tr(kCaption));
    const int code = Run();
    za::shell::Install(nullptr);
    return code;
}
