// A desktop notification server for the agent's tests: owns org.freedesktop.Notifications on
// the session bus and tells the test what it was asked, one line per call on standard output;
// lines on standard input make it act as a user would.
//   notifystub [--no-sound]      without the "sound" capability
//              [--markup]        with the "body-markup" capability
//              [--delay MS]      answers Notify only after MS milliseconds (a slow server)
//              [--hang]          never answers Notify (a server that hangs)
// Out: "ready"; "notify {json}" with id, replaces, summary, body, actions, hints, at (host
// clock, ms since 1970); "close ID".
// In: "invoke ID KEY" emits ActionInvoked; "closed ID REASON" emits NotificationClosed.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QTimer>

#include <unistd.h>

#include <cstdio>

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

void Say(const QByteArray& line) {
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void Emit(const QString& signal, const QVariantList& args) {
    QDBusMessage m = QDBusMessage::createSignal(kPath, kInterface, signal);
    m.setArguments(args);
    QDBusConnection::sessionBus().send(m);
}

}  // namespace

class NotificationServer : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    NotificationServer(bool sound, bool markup, int delayMs, bool hang)
        : m_sound(sound), m_markup(markup), m_delayMs(delayMs), m_hang(hang) {}

public slots:
    QStringList GetCapabilities() {
        QStringList caps{QStringLiteral("actions"), QStringLiteral("body")};
        if (m_sound) caps << QStringLiteral("sound");
        if (m_markup) caps << QStringLiteral("body-markup");
        return caps;
    }

    uint Notify(const QString& appName, uint replacesId, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout) {
        const uint id = replacesId != 0 ? replacesId : ++m_lastId;
        QJsonObject hintObject;
        for (auto it = hints.begin(); it != hints.end(); ++it) {
            const QVariant& v = it.value();
            if (v.typeId() == QMetaType::QString) {
                hintObject[it.key()] = v.toString();
            } else if (v.typeId() == QMetaType::Bool) {
                hintObject[it.key()] = v.toBool();
            } else {
                hintObject[it.key()] = v.toLongLong();
            }
        }
        QJsonObject o{{QStringLiteral("id"), static_cast<qint64>(id)},
                      {QStringLiteral("replaces"), static_cast<qint64>(replacesId)},
                      {QStringLiteral("app"), appName},
                      {QStringLiteral("icon"), icon},
                      {QStringLiteral("summary"), summary},
                      {QStringLiteral("body"), body},
                      {QStringLiteral("actions"), QJsonArray::fromStringList(actions)},
                      {QStringLiteral("hints"), hintObject},
                      {QStringLiteral("timeout"), timeout},
                      {QStringLiteral("at"), QDateTime::currentMSecsSinceEpoch()}};
        Say("notify " + QJsonDocument(o).toJson(QJsonDocument::Compact));
        if (m_hang || m_delayMs > 0) {
            setDelayedReply(true);
            if (!m_hang) {
                const QDBusMessage call = message();
                QTimer::singleShot(m_delayMs, this, [call, id] {
                    QDBusConnection::sessionBus().send(call.createReply(QVariantList{id}));
                    Say("answered " + QByteArray::number(id));
                });
            }
        }
        return id;
    }

    void CloseNotification(uint id) {
        Say("close " + QByteArray::number(id));
        Emit(QStringLiteral("NotificationClosed"), {id, 3u});
    }

    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = QStringLiteral("Zonaria tests");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("notifystub");
    }

private:
    bool m_sound;
    bool m_markup;
    int m_delayMs;
    bool m_hang;
    uint m_lastId = 0;
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype delay = args.indexOf(QStringLiteral("--delay"));
    NotificationServer server(!args.contains(QStringLiteral("--no-sound")), args.contains(QStringLiteral("--markup")),
                              delay > 0 ? args.value(delay + 1).toInt() : 0, args.contains(QStringLiteral("--hang")));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(kPath, &server, QDBusConnection::ExportAllSlots) ||
        bus.interface()->registerService(QStringLiteral("org.freedesktop.Notifications"),
                                         QDBusConnectionInterface::DontQueueService)
                .value() != QDBusConnectionInterface::ServiceRegistered) {
        std::fprintf(stderr, "notifystub: cannot own org.freedesktop.Notifications: %s\n",
                     qPrintable(bus.lastError().message()));
        return 1;
    }
    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[512];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            app.quit();
            return;
        }
        pending.append(buffer, static_cast<int>(n));
        int end = 0;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QList<QByteArray> words = pending.left(end).split(' ');
            pending.remove(0, end + 1);
            if (words.size() == 3 && words[0] == "invoke") {
                Emit(QStringLiteral("ActionInvoked"), {words[1].toUInt(), QString::fromUtf8(words[2])});
            } else if (words.size() == 3 && words[0] == "closed") {
                Emit(QStringLiteral("NotificationClosed"), {words[1].toUInt(), words[2].toUInt()});
            }
        }
    });
    Say("ready");
    return app.exec();
}

#include "notifystub.moc"
