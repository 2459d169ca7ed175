// The alarm agent's yardstick (bench/agent/run.sh starts it beside zonaria-alarmd): the least a
// Qt D-Bus agent does, on the session bus with an object of its own and a timer armed for the
// next due time, reporting "ready" as the agent does with ZONARIA_REPORT_READY.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QTimer>

#include <cstdio>

class Agent : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "net.corvantel.BenchMinimalAgent")
public slots:
    Q_SCRIPTABLE void Wake() {}
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    Agent agent;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) bus.registerObject(QStringLiteral("/BenchMinimalAgent"), &agent, QDBusConnection::ExportScriptableSlots);
    QTimer due;
    due.setSingleShot(true);
    due.start(60 * 60 * 1000);
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

#include "minimal.moc"
