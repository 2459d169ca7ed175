// Zone rules and histories derived from the tz database, kept between processes in a file
// beside the device profile. Deriving a zone reads and walks its tz file through Qt, which was a
// fifth of a short command's work and a twentieth of the window's start; a process finds what
// an earlier one derived. The file holds the tz database's release and the version of Zonaria
// it was derived by, and a checksum per entry: another release or version, or an entry that does
// not read back whole, is derived again.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QString>

namespace za::tz {

class DerivedStore {
public:
    // The store in file, for the tz database's release; an empty release keeps nothing (the
    // release cannot be told, so nothing stored could be trusted).
    DerivedStore(const QString& file, const QString& release);

    // The entry stored under key, or nothing.
    QByteArray Find(const QByteArray& key);
    // Keeps the entry, written with what the file holds by then (another process may have added
    // to it) once several are waiting or when the process ends: a window that derives a zone
    // for each of its cities, or a list of every zone, writes the file once or a few times.
    // Best effort: a folder that cannot be written keeps nothing.
    void Keep(const QByteArray& key, const QByteArray& entry);
    // Writes the entries kept since the last write.
    void Flush();
    // Whether entries kept from now on are written for later processes (they are by default). A
    // pass over every zone keeps them for this process alone: every process reads the whole
    // file, and hundreds of zones no later one wants would cost each of them.
    void KeepForLater(bool later);
    ~DerivedStore();

    // The process's store: beside the device profile, for the installed tz database and this
    // version.
    static DerivedStore& Shared();
    // What the shared store's entries are for: the tz database's release and this version;
    // empty where the release cannot be told.
    static QString CurrentRelease();

private:
    // An entry with its checksum, checked when it is used: a process reads the whole file but
    // uses a few entries.
    struct Entry {
        QByteArray bytes;
        quint64 sum = 0;
    };
    QHash<QByteArray, Entry> Read() const;
    void Write();

    QString m_file;
    QString m_release;
    bool m_read = false;
    bool m_later = true;
    QHash<QByteArray, Entry> m_entries;
    QSet<QByteArray> m_kept;  // kept since the last write
    QMutex m_mutex;
};

}  // namespace za::tz
