#include "tzstore.h"

#include "device.h"
#include "fnv1a.h"
#include "tzderive.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSaveFile>
#include <QTimer>

#include <map>
#include <memory>

namespace za::tz {
namespace {

constexpr quint32 kMagic = 0x5A41545A;  // "ZATZ"
// Raised whenever what an entry holds, or how it is derived, changes within a version: a file
// serves only the version and the format that wrote it.
constexpr quint32 kFormat = 1;
// Entries waiting to be written at most: a long-running window writes as it goes.
constexpr int kWriteAfter = 16;
constexpr int kWriteDelayMs = 2000;

// A damaged or half-written entry is not taken for rules.
quint64 Checksum(const QByteArray& bytes) { return Fnv1a(bytes.constData(), static_cast<std::size_t>(bytes.size())); }

}  // namespace

DerivedStore::DerivedStore(const QString& file, const QString& release) : m_file(file), m_release(release) {}

QHash<QByteArray, DerivedStore::Entry> DerivedStore::Read() const {
    QHash<QByteArray, Entry> entries;
    QFile file(m_file);
    if (m_release.isEmpty() || !file.open(QIODevice::ReadOnly)) return entries;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0, format = 0, count = 0;
    QString release;
    in >> magic >> format >> release >> count;
    if (in.status() != QDataStream::Ok || magic != kMagic || format != kFormat || release != m_release) return entries;
    for (quint32 i = 0; i < count; ++i) {
        QByteArray key;
        Entry entry;
        in >> key >> entry.bytes >> entry.sum;
        if (in.status() != QDataStream::Ok) break;
        entries.insert(key, entry);
    }
    return entries;
}

QByteArray DerivedStore::Find(const QByteArray& key) {
    const QMutexLocker lock(&m_mutex);
    if (!m_read) {
        m_entries = Read();
        m_read = true;
    }
    const auto it = m_entries.constFind(key);
    if (it == m_entries.constEnd() || Checksum(key + it->bytes) != it->sum) return QByteArray();
    return it->bytes;
}

void DerivedStore::Keep(const QByteArray& key, const QByteArray& entry) {
    const QMutexLocker lock(&m_mutex);
    if (m_release.isEmpty() || entry.isEmpty()) return;
    m_entries.insert(key, Entry{entry, Checksum(key + entry)});
    m_read = true;
    if (!m_later) return;
    m_kept.insert(key);
    if (m_kept.size() >= kWriteAfter) {
        Write();
    } else if (m_kept.size() == 1 && QCoreApplication::instance()) {
        // A program with an event loop writes once its burst of derivations is over rather
        // than only when it ends: a window may end by a signal.
        QTimer::singleShot(kWriteDelayMs, QCoreApplication::instance(), [this] { Flush(); });
    }
}

void DerivedStore::Flush() {
    const QMutexLocker lock(&m_mutex);
    Write();
}

DerivedStore::~DerivedStore() { Flush(); }

void DerivedStore::KeepForLater(bool later) {
    const QMutexLocker lock(&m_mutex);
    m_later = later;
}

void DerivedStore::Write() {
    if (m_kept.isEmpty()) return;
    // What the file holds now, with this process's new entries: another process may have
    // written since this one read, and what it wrote is kept.
    QHash<QByteArray, Entry> entries = Read();
    for (const QByteArray& key : std::as_const(m_kept)) entries.insert(key, m_entries.value(key));
    m_kept.clear();
    m_entries = entries;
    if (!QFileInfo(QFileInfo(m_file).absolutePath()).isDir()) return;  // no profile folder yet: made by its installation
    QSaveFile file(m_file);
    if (!file.open(QIODevice::WriteOnly)) return;
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << kFormat << m_release << static_cast<quint32>(entries.size());
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) out << it.key() << it->bytes << it->sum;
    if (out.status() == QDataStream::Ok) file.commit();
}

QString DerivedStore::CurrentRelease() {
    const QString tzdata = TzdataVersion();
    return tzdata.isEmpty() ? QString() : tzdata + QStringLiteral(" " ZONARIA_VERSION);
}

DerivedStore& DerivedStore::Shared() {
    static QMutex mutex;
    // One per profile folder, kept for the process's life: a process may be pointed at another
    // profile (the tests are), and a store handed out stays valid.
    static std::map<QString, std::unique_ptr<DerivedStore>> stores;
    const QMutexLocker lock(&mutex);
    const QString file = za::device::ProfilePath() + QStringLiteral("/zones.cache");
    std::unique_ptr<DerivedStore>& store = stores[file];
    if (!store) store = std::make_unique<DerivedStore>(file, CurrentRelease());
    return *store;
}

}  // namespace za::tz
