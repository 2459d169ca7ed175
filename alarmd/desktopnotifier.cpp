#include "desktopnotifier.h"

#include "process.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QStandardPaths>
#include <QTimer>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// A server answers at once; this only bounds a hung one where the agent waits for the answer.
constexpr int kCallTimeoutMs = 5000;
// libdbus's "no time-out" (DBUS_TIMEOUT_INFINITE).
constexpr int kNoTimeout = 0x7fffffff;
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

CDesktopNotifier::CDesktopNotifier(QObject* parent) : QObject(parent) {}

void CDesktopNotifier::Listen() {
    // Nothing is heard before the agent's first notification: the server's signals are asked
    // for then, ahead of the call that shows it (the bus keeps a connection's messages in order).
    if (m_listening) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    bus.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                SLOT(OnActionInvoked(uint, QString)));
    bus.connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                SLOT(OnNotificationClosed(uint, uint)));
    m_listening = true;
}

void CDesktopNotifier::WatchForServer() {
    if (m_serverWatcher) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    m_serverWatcher = new QDBusServiceWatcher(kService, bus, QDBusServiceWatcher::WatchForRegistration, this);
    connect(m_serverWatcher, &QDBusServiceWatcher::serviceRegistered, this, &CDesktopNotifier::serverAppeared);
    // A server that came between the failed call and the watch is not announced by it.
    QDBusConnectionInterface* names = bus.interface();
    if (names && names->isServiceRegistered(kService).value()) {
        QTimer::singleShot(0, this, &CDesktopNotifier::serverAppeared);
    }
}

namespace {

QDBusMessage NotifyMessage(uint replacesId, const QString& summary, const QString& body, bool playSound,
                           const QString& soundFile) {
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(kUrgencyCritical));
    hints.insert(QStringLiteral("category"), QStringLiteral("alarm"));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("io.github.zonaria.Zonaria"));
    if (playSound) {
        hints.insert(QStringLiteral("sound-name"), kAlarmSoundName);
        if (!soundFile.isEmpty()) hints.insert(QStringLiteral("sound-file"), soundFile);
    } else {
        hints.insert(QStringLiteral("suppress-sound"), true);
    }
    const QStringList actions{QString::fromLatin1(kDefaultAction), QCoreApplication::translate("CDesktopNotifier", "Open Zonaria"),
                              QString::fromLatin1(kDismissAction), QCoreApplication::translate("CDesktopNotifier", "Dismiss"),
                              QString::fromLatin1(kSnoozeAction), QCoreApplication::translate("CDesktopNotifier", "Snooze 10 min")};
    QDBusMessage m = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    m.setArguments({QStringLiteral("Zonaria"), replacesId, QStringLiteral("zonaria"), summary, body, actions, hints, 0});
    return m;
}

QString ErrorOf(const QDBusMessage& reply) {
    return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
}

}  // namespace

uint CDesktopNotifier::Show(uint replacesId, const QString& summary, const QString& body, bool playSound,
                            const QString& soundFile) {
    if (!QDBusConnection::sessionBus().isConnected()) {
        m_lastError = QStringLiteral("there is no session bus");
        return 0;
    }
    Listen();
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        NotifyMessage(replacesId, summary, PlainBody(body), playSound, soundFile), QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        m_lastError = ErrorOf(reply);
        return 0;
    }
    return reply.arguments().first().toUInt();
}

void CDesktopNotifier::ShowAsync(uint replacesId, const QString& summary, const QString& body, bool playSound,
                                 const QString& soundFile, QObject* context,
                                 std::function<void(uint id, const QString& error)> done) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QTimer::singleShot(0, context, [done] { done(0, QStringLiteral("there is no session bus")); });
        return;
    }
    Listen();
    // No time-out of our own: the bus answers with an error when the server leaves without
    // answering, so the call always ends.
    auto* watcher = new QDBusPendingCallWatcher(
        bus.asyncCall(NotifyMessage(replacesId, summary, PlainBody(body), playSound, soundFile), kNoTimeout), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, done] {
        watcher->deleteLater();
        const QDBusMessage reply = watcher->reply();
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            done(0, ErrorOf(reply));
            return;
        }
        done(reply.arguments().first().toUInt(), QString());
    });
}

void CDesktopNotifier::Close(uint id) { Call(QStringLiteral("CloseNotification"), {id}); }

bool CDesktopNotifier::LearnCapabilities() {
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    const QString owner = bus ? bus->serviceOwner(kService).value() : QString();
    if (owner.isEmpty()) return false;
    if (owner != m_capabilitiesOf) {
        const QDBusMessage reply = Call(QStringLiteral("GetCapabilities"));
        const QStringList capabilities = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                                             ? reply.arguments().first().toStringList()
                                             : QStringList();
        m_serverSound = capabilities.contains(QStringLiteral("sound"));
        m_serverMarkup = capabilities.contains(QStringLiteral("body-markup"));
        m_capabilitiesOf = owner;
    }
    return true;
}

bool CDesktopNotifier::ServerPlaysSound() { return LearnCapabilities() && m_serverSound; }

QString CDesktopNotifier::PlainBody(const QString& body) {
    // A server that takes markup in the body would read the user's "<b>" or "&amp;" as markup.
    return LearnCapabilities() && m_serverMarkup ? body.toHtmlEscaped() : body;
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
