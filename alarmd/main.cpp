// zonaria-alarmd: delivers Zonaria's alarms of one device profile (the one Zonaria uses:
// $ZONARIA_DEVICE, else ~/.local/share/zonaria/device) while the user is logged in. Started at
// login (XDG autostart), by D-Bus activation of its bus name, and by Zonaria and zonaria-cli
// when they register an alarm; a second agent of the same profile exits at once.
#include "alarmagent.h"
#include "desktopnotifier.h"
#include "device.h"
#include "paintreport.h"
#include "process.h"
#include "translation.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The bus name of the agent of the default profile (the one D-Bus activation starts).
const QString kBusName = QStringLiteral("net.corvantel.Zonaria.AlarmAgent");
const QString kObjectPath = QStringLiteral("/net/corvantel/Zonaria/AlarmAgent");

QString ProfileKey() {
    const QString path = za::device::ProfilePath();
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}

// Holds a lock named after the profile in the user's runtime folder for the life of the
// process; false when another agent holds it. The lock goes with the process, however it ends.
bool LockProfile() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    const QByteArray hash = QCryptographicHash::hash(ProfileKey().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString file = QDir(folder).filePath(QStringLiteral("zonaria-alarmd-%1.lock").arg(QString::fromLatin1(hash)));
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return true;  // no place for a lock: the store's claims still ring each alarm once
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("zonaria-alarmd"));
    za::i18n::InstallTranslations();

    // Nothing is made here: without a profile there are no alarms to deliver.
    const QString db = QDir(za::device::ProfilePath()).filePath(QStringLiteral("device.db"));
    if (!QFileInfo::exists(db)) {
        LogLine(QStringLiteral("there is no device profile at %1 yet; no alarms to deliver").arg(za::device::ProfilePath()));
        return 0;
    }
    if (!LockProfile()) {
        LogLine(QStringLiteral("an alarm agent already runs for the device profile %1").arg(ProfileKey()));
        return 0;
    }
    const za::device::ProfileStatus status = za::device::Status();
    if (status.state != za::device::ProfileState::Ready) {
        LogLine(QStringLiteral("cannot deliver alarms: %1").arg(status.message), 3);
        return 1;
    }

    za::process::QuitOnTerminationSignals();
    CDesktopNotifier notifier;
    CAlarmAgent agent(notifier, CAlarmAgent::Timing());
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        LogLine(QStringLiteral("there is no session bus; due alarms are kept for the next session"), 4);
    } else if (qEnvironmentVariableIsEmpty("ZONARIA_DEVICE")) {
        bus.registerObject(kObjectPath, &agent, QDBusConnection::ExportScriptableSlots);
        bus.interface()->registerService(kBusName, QDBusConnectionInterface::DontQueueService);
    }
    QString error;
    if (!agent.Start(&error)) {
        LogLine(QStringLiteral("cannot deliver alarms: %1").arg(error), 3);
        return 1;
    }
    za::ReportReady();
    // The start's reading is done; the agent now waits, mostly for hours.
    za::device::ReleaseMemory();
    return app.exec();
}
