#include "desktopnotifier.h"

#include "process.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QStandardPaths>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// A server answers at once; this only bounds a hung one.
constexpr int kCallTimeoutMs = 5000;
// Critical: stays until the user acts on it.
constexpr uchar kUrgencyCritical = 2;
// The sound theme's name for an alarm that went off.
const QString kAlarmSoundName = QStringLiteral("alarm-clock-elapsed");

QDBusMessage Call(const QString& method, const QVariantList& args = {}) {
    QDBusMessage m = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    m.setArguments(args);
    return QDBusConnection::sessionBus().call(m, QDBus::Block, kCallTimeoutMs);
}

}  // namespace

CDesktopNotifier::CDesktopNotifier(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    bus.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                SLOT(OnActionInvoked(uint, QString)));
    bus.connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                SLOT(OnNotificationClosed(uint, uint)));
    auto* watcher = new QDBusServiceWatcher(kService, bus, QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        m_capabilitiesOf.clear();
        emit serverAppeared();
    });
}

uint CDesktopNotifier::Show(uint replacesId, const QString& summary, const QString& body, bool playSound,
                            const QString& soundFile) {
    if (!QDBusConnection::sessionBus().isConnected()) {
        m_lastError = QStringLiteral("there is no session bus");
        return 0;
    }
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(kUrgencyCritical));
    hints.insert(QStringLiteral("category"), QStringLiteral("alarm"));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("zonaria"));
    if (playSound) {
        hints.insert(QStringLiteral("sound-name"), kAlarmSoundName);
        if (!soundFile.isEmpty()) hints.insert(QStringLiteral("sound-file"), soundFile);
    } else {
        hints.insert(QStringLiteral("suppress-sound"), true);
    }
    const QStringList actions{QString::fromLatin1(kDismissAction), QCoreApplication::translate("CDesktopNotifier", "Dismiss"),
                              QString::fromLatin1(kSnoozeAction), QCoreApplication::translate("CDesktopNotifier", "Snooze 10 min")};
    const QDBusMessage reply = Call(QStringLiteral("Notify"),
                                    {QStringLiteral("Zonaria"), replacesId, QStringLiteral("zonaria"), summary, body,
                                     actions, hints, 0});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        m_lastError = reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
        return 0;
    }
    return reply.arguments().first().toUInt();
}

void CDesktopNotifier::Close(uint id) { Call(QStringLiteral("CloseNotification"), {id}); }

bool CDesktopNotifier::ServerPlaysSound() {
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    const QString owner = bus ? bus->serviceOwner(kService).value() : QString();
    if (owner.isEmpty()) return false;
    if (owner != m_capabilitiesOf) {
        const QDBusMessage reply = Call(QStringLiteral("GetCapabilities"));
        m_serverSound = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
                        reply.arguments().first().toStringList().contains(QStringLiteral("sound"));
        m_capabilitiesOf = owner;
    }
    return m_serverSound;
}

bool CDesktopNotifier::PlayLocally(const QString& soundFile) {
    if (soundFile.isEmpty()) return false;
    for (const char* player : {"pw-play", "paplay", "aplay"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(player));
        if (!path.isEmpty()) return za::process::StartDetached(path, {soundFile});
    }
    return false;
}

void CDesktopNotifier::OnActionInvoked(uint id, const QString& key) { emit actionInvoked(id, key); }

void CDesktopNotifier::OnNotificationClosed(uint id, uint reason) { emit closed(id, reason); }
