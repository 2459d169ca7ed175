#include "timedatemock.h"

#include "timeservice.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QThread>

namespace za::test {
namespace {

constexpr const char* kService = "org.freedesktop.timedate1";
constexpr const char* kPath = "/org/freedesktop/timedate1";
constexpr const char* kInterface = "org.freedesktop.timedate1";
constexpr const char* kTestConnection = "zonaria-test-timedate-mock";
// Debian's python3-dbusmock lives with Debian's python, not with one earlier on the PATH.
constexpr const char* kPython = "/usr/bin/python3";
constexpr int kStartMs = 20000;

}  // namespace

TimedateMock::TimedateMock(const QString& timezone, bool ntp, bool canNtp) {
    m_hadAddress = qEnvironmentVariableIsSet("DBUS_SYSTEM_BUS_ADDRESS");
    m_previousAddress = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    m_bus.setProgram(QStringLiteral("dbus-daemon"));
    m_bus.setArguments({QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    m_bus.start();
    if (!m_bus.waitForStarted(kStartMs)) {
        m_error = QStringLiteral("dbus-daemon does not start: %1").arg(m_bus.errorString());
        return;
    }
    const QDeadlineTimer deadline(kStartMs);
    while (!m_bus.canReadLine() && !deadline.hasExpired()) m_bus.waitForReadyRead(200);
    m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
    if (m_address.isEmpty()) {
        m_error = QStringLiteral("dbus-daemon gave no address");
        return;
    }
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_address.toUtf8());
    za::device::ResetTimeService();

    const QJsonObject parameters{{QStringLiteral("Timezone"), timezone},
                                 {QStringLiteral("NTP"), ntp},
                                 {QStringLiteral("CanNTP"), canNtp}};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_address);
    m_service.setProcessEnvironment(env);
    m_service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_service.start(QString::fromLatin1(kPython),
                    {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--template"), QStringLiteral("timedated"),
                     QStringLiteral("-l"), m_dir.filePath(QStringLiteral("calls.log")), QStringLiteral("-p"),
                     QString::fromUtf8(QJsonDocument(parameters).toJson(QJsonDocument::Compact))});
    if (!m_service.waitForStarted(kStartMs)) {
        m_error = QStringLiteral("python3-dbusmock does not start: %1").arg(m_service.errorString());
        return;
    }
    QDBusConnection bus = QDBusConnection::connectToBus(m_address, QString::fromLatin1(kTestConnection));
    while (!deadline.hasExpired()) {
        if (bus.isConnected() && bus.interface()->isServiceRegistered(QString::fromLatin1(kService))) return;
        if (m_service.state() != QProcess::Running) break;
        QThread::msleep(50);
    }
    m_error = QStringLiteral("the timedated mock did not appear on the bus");
}

TimedateMock::~TimedateMock() {
    StopService();
    QDBusConnection::disconnectFromBus(QString::fromLatin1(kTestConnection));
    if (m_bus.state() != QProcess::NotRunning) {
        m_bus.kill();
        m_bus.waitForFinished();
    }
    if (m_hadAddress) {
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_previousAddress);
    } else {
        qunsetenv("DBUS_SYSTEM_BUS_ADDRESS");
    }
    za::device::ResetTimeService();
}

QStringList TimedateMock::Calls() const {
    QFile log(m_dir.filePath(QStringLiteral("calls.log")));
    QStringList calls;
    if (!log.open(QIODevice::ReadOnly)) return calls;
    for (const QByteArray& raw : log.readAll().split('\n')) {
        // "1765180800.123 SetTimezone "Europe/London" True"
        const QString line = QString::fromUtf8(raw).section(QLatin1Char(' '), 1);
        for (const char* method : {"SetTimezone ", "SetTime ", "SetNTP ", "SetLocalRTC "}) {
            if (line.startsWith(QLatin1String(method))) calls << line;
        }
    }
    return calls;
}

bool TimedateMock::CallMock(const QString& interface, const QString& method, const QVariantList& args) {
    QDBusConnection bus(QString::fromLatin1(kTestConnection));
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath), interface, method);
    call.setArguments(args);
    return bus.call(call, QDBus::Block, kStartMs).type() == QDBusMessage::ReplyMessage;
}

bool TimedateMock::SetProperty(const QString& name, const QVariant& value) {
    return CallMock(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"),
                    {QString::fromLatin1(kInterface), name, QVariant::fromValue(QDBusVariant(value))});
}

bool TimedateMock::Refuse(const QString& method, const QString& inSignature) {
    return CallMock(QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("AddMethod"),
                    {QString::fromLatin1(kInterface), method, inSignature, QString(),
                     QStringLiteral("raise dbus.exceptions.DBusException('Not authorized', "
                                    "name='org.freedesktop.DBus.Error.AccessDenied')")});
}

void TimedateMock::StopService() {
    if (m_service.state() == QProcess::NotRunning) return;
    m_service.terminate();
    if (!m_service.waitForFinished(kStartMs)) {
        m_service.kill();
        m_service.waitForFinished();
    }
}

}  // namespace za::test
