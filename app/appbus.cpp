#include "appbus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace za::app {
namespace {

const QString kInterface = QStringLiteral("org.freedesktop.Application");
// A running window answers at once; this only bounds a hung one.
constexpr int kCallTimeoutMs = 5000;

QString Id() { return QString::fromLatin1(kApplicationId); }

}  // namespace

CApplicationBus::CApplicationBus(std::function<void()> raise, QObject* parent) : QObject(parent), m_raise(std::move(raise)) {}

bool UsesApplicationBus() {
    return qEnvironmentVariableIsEmpty("ZONARIA_DEVICE") && QDBusConnection::sessionBus().isConnected();
}

bool CApplicationBus::Register() {
    if (!UsesApplicationBus()) return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    // The object first, so a call queued for the name (D-Bus activation) finds it.
    if (!bus.registerObject(QString::fromLatin1(kApplicationPath), this, QDBusConnection::ExportScriptableSlots)) return false;
    const auto reply = bus.interface()->registerService(Id(), QDBusConnectionInterface::DontQueueService,
                                                       QDBusConnectionInterface::DontAllowReplacement);
    return reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered;
}

void CApplicationBus::Activate(const QVariantMap& platformData) {
    // The token the launcher got for this activation; Qt's Wayland window hands it to the
    // compositor when it asks to be activated (X11 has no need of it).
    const QString token = platformData.value(QStringLiteral("activation-token")).toString();
    if (!token.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    if (m_raise) m_raise();
}

void CApplicationBus::Open(const QStringList&, const QVariantMap& platformData) { Activate(platformData); }

void CApplicationBus::ActivateAction(const QString&, const QVariantList&, const QVariantMap& platformData) {
    Activate(platformData);
}

bool ActivateRunningOnBus() {
    if (!UsesApplicationBus()) return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Only a running one: a call to the name alone would have the bus start a new one.
    if (!bus.interface()->isServiceRegistered(Id()).value()) return false;
    QVariantMap platformData;
    for (const auto& [key, variable] : {std::pair{"activation-token", "XDG_ACTIVATION_TOKEN"},
                                        std::pair{"desktop-startup-id", "DESKTOP_STARTUP_ID"}}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) platformData.insert(QString::fromLatin1(key), value);
    }
    QDBusMessage call = QDBusMessage::createMethodCall(Id(), QString::fromLatin1(kApplicationPath), kInterface,
                                                       QStringLiteral("Activate"));
    call.setArguments({platformData});
    const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

}  // namespace za::app
