// The process's listener for changes of the device from outside (timeservice.h): the time
// service's signals, the host's /etc/localtime and device.db's commits by other processes,
// gathered and handed to the watchers on the main thread's event loop.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include <functional>
#include <vector>

class QDBusServiceWatcher;

namespace za {
class FileWatch;
}

namespace za::device {

class TimeServiceHub : public QObject {
    Q_OBJECT
public:
    static TimeServiceHub& Instance();

    // Follows the time service's signals on this connection.
    void Subscribe(QDBusConnection bus);
    void Add(QObject* context, std::function<void(unsigned)> fn);
    // Forgets the service's state and the profile's (tests).
    void Forget();

private slots:
    void OnPropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private:
    struct Watcher {
        QPointer<QObject> context;
        std::function<void(unsigned)> fn;
    };

    TimeServiceHub();
    void Start();
    void PollProfile();
    // Watches /etc/localtime, where the computer is the device: its zone is then the host's
    // when the time service does not answer.
    void WatchHostZone();
    // Watches the profile's folder, device.db and its log, for the commits of other processes.
    void WatchProfileFiles();
    void Post(unsigned changes);
    void Deliver();

    std::vector<Watcher> m_watchers;
    bool m_started = false;
    unsigned m_pending = 0;
    QTimer m_debounce;
    QTimer m_profilePoll;
    QTimer m_profileSettle;
    FileWatch* m_profileFiles = nullptr;
    QString m_watchedFolder;
    qint64 m_dataVersion = -1;
    unsigned m_profileGeneration = 0;
    QByteArray m_hostZone;
    QDBusServiceWatcher* m_serviceWatcher = nullptr;
    FileWatch* m_files = nullptr;
};

}  // namespace za::device
