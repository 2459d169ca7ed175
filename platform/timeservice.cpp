#include "timeservice.h"

#include "device.h"
#include "filewatch.h"
#include "timeservicehub.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QElapsedTimer>
#include <QTimeZone>
#include <QTimer>

#include <vector>

namespace za::device {
namespace {

constexpr const char* kConnectionName = "zonaria-timedate1";
constexpr const char* kService = "org.freedesktop.timedate1";
constexpr const char* kPath = "/org/freedesktop/timedate1";
constexpr const char* kInterface = "org.freedesktop.timedate1";
constexpr const char* kProperties = "org.freedesktop.DBus.Properties";
// A read answers at once, or the service is taken as absent; bus activation of timedated takes
// well under this.
constexpr int kReadTimeoutMs = 5000;
// A change may wait for the user to authorise it in the desktop's dialog.
constexpr int kChangeTimeoutMs = 5 * 60 * 1000;
// While no service answers, it is looked for again at most this often.
constexpr qint64 kRetryMs = 5000;
// device.db is asked whether another process committed when its files change (the folder, the
// file and its log are watched), and otherwise this often: where the file system tells nothing
// (a network folder), or when the profile moved to another folder.
constexpr int kProfilePollMs = 10000;
// A commit writes its log in several steps: looked at once the writes have paused this long.
constexpr int kProfileSettleMs = 10;
constexpr const char* kLocaltime = "/etc/localtime";

constexpr const char* kReadKind = "SELECT value FROM device_clock WHERE name = 'device'";
constexpr const char* kWriteKind = "INSERT OR REPLACE INTO device_clock(name, value) VALUES('device', ?1)";
constexpr const char* kDataVersion = "PRAGMA data_version";

struct Cache {
    bool valid = false;
    TimeServiceState state;
    QElapsedTimer readAt;
    unsigned kindGeneration = 0;
    bool kindValid = false;
    DeviceKind kind = DeviceKind::Private;
    QString lastClockError;
};

Cache& Cached() {
    static Cache cache;
    return cache;
}

QDBusConnection Bus() {
    QDBusConnection existing(QString::fromLatin1(kConnectionName));
    if (existing.isConnected()) return existing;
    QDBusConnection::disconnectFromBus(QString::fromLatin1(kConnectionName));
    const QByteArray address = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    QDBusConnection bus = address.isEmpty()
                              ? QDBusConnection::connectToBus(QDBusConnection::SystemBus, QString::fromLatin1(kConnectionName))
                              : QDBusConnection::connectToBus(QString::fromUtf8(address), QString::fromLatin1(kConnectionName));
    if (bus.isConnected()) TimeServiceHub::Instance().Subscribe(bus);
    return bus;
}

// The error of a failed call in the user's words.
QString Reason(const QDBusMessage& reply) {
    const QString name = reply.errorName();
    if (name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied") ||
        name.startsWith(QLatin1String("org.freedesktop.PolicyKit1.Error")) ||
        name == QLatin1String("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired")) {
        return QStringLiteral("this computer did not allow the change (not authorised)");
    }
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
        name == QLatin1String("org.freedesktop.DBus.Error.Disconnected") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NoServer") ||
        name == QLatin1String("org.freedesktop.DBus.Error.Timeout")) {
        return QStringLiteral("the computer's time service (%1) does not answer").arg(QLatin1String(kService));
    }
    const QString text = reply.errorMessage().isEmpty() ? name : reply.errorMessage();
    return QStringLiteral("the computer's time service refused: %1").arg(text);
}

TimeServiceState Read() {
    TimeServiceState s;
    QDBusConnection bus = Bus();
    if (!bus.isConnected()) {
        s.error = QStringLiteral("there is no system bus to reach the computer's time service (%1)").arg(QLatin1String(kService));
        return s;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                                       QString::fromLatin1(kProperties), QStringLiteral("GetAll"));
    call << QString::fromLatin1(kInterface);
    const QDBusMessage reply = bus.call(call, QDBus::Block, kReadTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        s.error = Reason(reply);
        return s;
    }
    const QVariantMap props = qdbus_cast<QVariantMap>(reply.arguments().constFirst());
    s.timezone = props.value(QStringLiteral("Timezone")).toString().toUtf8();
    s.ntp = props.value(QStringLiteral("NTP")).toBool();
    s.canNtp = props.value(QStringLiteral("CanNTP")).toBool();
    s.ntpSynchronized = props.value(QStringLiteral("NTPSynchronized")).toBool();
    s.answers = !s.timezone.isEmpty();
    if (!s.answers) s.error = QStringLiteral("the computer's time service names no time zone");
    return s;
}

void Invalidate() { Cached().valid = false; }

// A method of the time service; false with the reason when it failed.
bool CallService(const char* method, const QVariantList& args, QString* error) {
    QDBusConnection bus = Bus();
    QString reason;
    bool ok = false;
    if (!bus.isConnected()) {
        reason = QStringLiteral("there is no system bus to reach the computer's time service (%1)").arg(QLatin1String(kService));
    } else {
        QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                                           QString::fromLatin1(kInterface), QString::fromLatin1(method));
        call.setArguments(args);
        call.setInteractiveAuthorizationAllowed(true);
        const QDBusMessage reply = bus.call(call, QDBus::Block, kChangeTimeoutMs);
        ok = reply.type() == QDBusMessage::ReplyMessage;
        if (!ok) reason = Reason(reply);
    }
    // What the service says now, whatever the outcome.
    Invalidate();
    if (!ok && error) *error = reason;
    return ok;
}

QByteArray HostZoneId() { return QTimeZone::systemTimeZoneId(); }


}  // namespace

// ---- the hub: one per process, on the main thread ----

TimeServiceHub& TimeServiceHub::Instance() {
    // Made on first use, by the thread that uses the library; never destroyed, since the bus
    // connection it listens on outlives every other object.
    static TimeServiceHub* hub = new TimeServiceHub;
    return *hub;
}

TimeServiceHub::TimeServiceHub() {
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(100);
    connect(&m_debounce, &QTimer::timeout, this, &TimeServiceHub::Deliver);
    m_profilePoll.setInterval(kProfilePollMs);
    connect(&m_profilePoll, &QTimer::timeout, this, &TimeServiceHub::PollProfile);
    m_profileSettle.setSingleShot(true);
    m_profileSettle.setInterval(kProfileSettleMs);
    connect(&m_profileSettle, &QTimer::timeout, this, &TimeServiceHub::PollProfile);
}

void TimeServiceHub::WatchProfileFiles() {
    if (!m_profileFiles) {
        m_profileFiles = new FileWatch(
            [this](const QString& path) {
                // A log made or removed, or device.db replaced: the files are watched anew.
                if (path == m_watchedFolder) WatchProfileFiles();
                m_profileSettle.start();
            },
            this);
    }
    const QString folder = ProfilePath();
    if (folder != m_watchedFolder) {
        m_profileFiles->Clear();
        m_watchedFolder = folder;
    }
    // A folder or file removed is no longer watched; the one made in its place is added.
    m_profileFiles->Add(folder);
    for (const QString& name : {QStringLiteral("device.db"), QStringLiteral("device.db-wal")}) {
        m_profileFiles->Add(folder + QLatin1Char('/') + name);
    }
}

void TimeServiceHub::Subscribe(QDBusConnection bus) {
    bus.connect(QString::fromLatin1(kService), QString::fromLatin1(kPath), QString::fromLatin1(kProperties),
                QStringLiteral("PropertiesChanged"), this,
                SLOT(OnPropertiesChanged(QString, QVariantMap, QStringList)));
    delete m_serviceWatcher;
    m_serviceWatcher = new QDBusServiceWatcher(QString::fromLatin1(kService), bus,
                                               QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_serviceWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString&) {
                Invalidate();
                Post(ZoneOrClockChanged);
            });
}

void TimeServiceHub::OnPropertiesChanged(const QString& interface, const QVariantMap&, const QStringList&) {
    if (interface != QLatin1String(kInterface)) return;
    Invalidate();
    Post(ZoneOrClockChanged);
}

void TimeServiceHub::Add(QObject* context, std::function<void(unsigned)> fn) {
    m_watchers.push_back({QPointer<QObject>(context), std::move(fn)});
    if (!m_started) Start();
}

void TimeServiceHub::Start() {
    m_started = true;
    // The service is subscribed to with the connection; make it now.
    if (Kind() == DeviceKind::Computer) Bus();
    WatchHostZone();
    m_profileGeneration = Generation();
    m_dataVersion = -1;
    PollProfile();
    m_profilePoll.start();
}

void TimeServiceHub::WatchHostZone() {
    // Only the computer's zone is the host's; the private device keeps a zone of its own. A
    // profile that turns to the computer is watched from the next look at it.
    if (m_files || Kind() != DeviceKind::Computer) return;
    m_hostZone = HostZoneId();
    // A new /etc/localtime is a new file (a link replaced): the folder says so.
    m_files = new FileWatch(
        [this](const QString&) {
            m_files->Add(QString::fromLatin1(kLocaltime));
            const QByteArray zone = HostZoneId();
            if (zone == m_hostZone) return;
            m_hostZone = zone;
            Invalidate();
            Post(ZoneOrClockChanged);
        },
        this);
    m_files->Add(QStringLiteral("/etc"));
    m_files->Add(QString::fromLatin1(kLocaltime));
}

void TimeServiceHub::PollProfile() {
    WatchProfileFiles();
    sql::Database* db = Db();
    if (!db) return;
    if (Generation() != m_profileGeneration) {
        m_profileGeneration = Generation();
        m_dataVersion = -1;
    }
    sql::Statement q = db->prepare(kDataVersion);
    if (!q.step()) return;
    const qint64 version = q.columnInt(0);
    if (m_dataVersion >= 0 && version != m_dataVersion) {
        Cached().kindValid = false;
        const DeviceKind before = Cached().kind;
        unsigned changes = ProfileChanged;
        // The private device's clock and zone live in the profile; so does the choice of device.
        if (Kind() == DeviceKind::Private || Kind() != before) changes |= ZoneOrClockChanged;
        Post(changes);
    }
    m_dataVersion = version;
    WatchHostZone();
}

void TimeServiceHub::Post(unsigned changes) {
    m_pending |= changes;
    if (!m_debounce.isActive()) m_debounce.start();
}

void TimeServiceHub::Deliver() {
    const unsigned changes = m_pending;
    m_pending = 0;
    if (changes == 0) return;
    // A watcher may add another while being called: iterate over a copy.
    std::vector<Watcher> watchers;
    for (const Watcher& w : m_watchers) {
        if (w.context) watchers.push_back(w);
    }
    m_watchers = watchers;
    for (const Watcher& w : watchers) {
        if (w.context) w.fn(changes);
    }
}

void TimeServiceHub::Forget() {
    Invalidate();
    Cached().kindValid = false;
    delete m_serviceWatcher;
    m_serviceWatcher = nullptr;
    m_dataVersion = -1;
}

// ---- the public functions ----

// Installation: the device a new profile uses (see the header).
bool InstallDevice(sql::Database& db, QString* error) {
    const DeviceKind kind = TimeServiceAnswers() ? DeviceKind::Computer : DeviceKind::Private;
    if (!db.prepare(kWriteKind).bind(1, KindName(kind)).run()) {
        *error = QStringLiteral("cannot record the device: %1").arg(db.error());
        return false;
    }
    Cached().kindValid = false;
    return true;
}

DeviceKind Kind() {
    Cache& c = Cached();
    if (c.kindValid && c.kindGeneration == Generation() && Generation() != 0) return c.kind;
    DeviceKind kind = DeviceKind::Private;
    if (sql::Database* db = Db()) {
        sql::Statement q = db->prepare(kReadKind);
        if (q.step() && q.columnText(0) == KindName(DeviceKind::Computer)) kind = DeviceKind::Computer;
    }
    c.kind = kind;
    c.kindValid = true;
    c.kindGeneration = Generation();
    return kind;
}

QString KindName(DeviceKind kind) {
    return kind == DeviceKind::Computer ? QStringLiteral("computer") : QStringLiteral("private");
}

bool SetDeviceKind(DeviceKind kind, QString* error) {
    if (kind == DeviceKind::Computer && !TimeServiceAnswers()) {
        if (error) *error = TimeService().error;
        return false;
    }
    sql::Database* db = Db();
    if (!db || !db->prepare(kWriteKind).bind(1, KindName(kind)).run()) {
        if (error) *error = QStringLiteral("the device profile cannot be written");
        return false;
    }
    Cached().kindValid = false;
    return true;
}

TimeServiceState TimeService() {
    Cache& c = Cached();
    const bool retry = !c.state.answers && c.readAt.isValid() && c.readAt.elapsed() >= kRetryMs;
    if (!c.valid || retry) {
        c.state = Read();
        c.valid = true;
        c.readAt.start();
    }
    return c.state;
}

bool TimeServiceAnswers() {
    Invalidate();
    return TimeService().answers;
}

QByteArray ComputerZoneId() {
    const TimeServiceState s = TimeService();
    return s.answers ? s.timezone : HostZoneId();
}

bool SetComputerTimeZone(const QByteArray& tzId, QString* error) {
    return CallService("SetTimezone", {QString::fromUtf8(tzId), true}, error);
}

bool SetComputerTime(std::int64_t utcMs, QString* error) {
    return CallService("SetTime", {QVariant::fromValue(static_cast<qlonglong>(utcMs * 1000)), false, true}, error);
}

bool AdjustComputerTime(std::int64_t deltaMs, QString* error) {
    return CallService("SetTime", {QVariant::fromValue(static_cast<qlonglong>(deltaMs * 1000)), true, true}, error);
}

bool SetComputerNtp(bool on, QString* error) { return CallService("SetNTP", {on, true}, error); }

QString LastClockError() { return Cached().lastClockError; }
void SetLastClockError(const QString& text) { Cached().lastClockError = text; }

void WatchDeviceChanges(QObject* context, std::function<void(unsigned)> fn) {
    TimeServiceHub::Instance().Add(context, std::move(fn));
}

void ResetTimeService() {
    TimeServiceHub::Instance().Forget();
    QDBusConnection::disconnectFromBus(QString::fromLatin1(kConnectionName));
}

}  // namespace za::device
