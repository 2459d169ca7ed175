// A fresh device profile in a temporary folder for each test (with a config folder of its own
// for the user's autostart entries), with the locale pinned to en_US and the device clock free
// to be fixed.
#pragma once

#include "wintypes.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>

namespace za::test {

class TempProfile {
public:
    TempProfile();
    ~TempProfile();
    QString path() const { return m_dir.path() + QStringLiteral("/device"); }
    QString dbPath() const { return m_dir.path() + QStringLiteral("/device/device.db"); }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    QByteArray m_previousConfig;
};

// Fixes the host clock at a UTC instant (milliseconds since 1970) while alive.
class FixedHostClock {
public:
    explicit FixedHostClock(std::int64_t utcMs);
    ~FixedHostClock();
    void Set(std::int64_t utcMs) { *m_now = utcMs; }

private:
    std::shared_ptr<std::int64_t> m_now;
};

// Milliseconds since 1970 of a UTC calendar time.
std::int64_t UtcMs(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
SYSTEMTIME MakeTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// The record of a tz database zone for a year, its names "Std" and "Dst".
TIME_ZONE_INFORMATION ZoneOfYear(const char* tzId, int year);

// Damage as a failing disk would do it, to a database file that no connection has open:
// overwrites pages (numbered from 1, as SQLite numbers them) with bytes of no meaning.
void OverwritePages(const QString& file, const QList<int>& pages);
// The same damage to a copy of the file, which then takes its place, as a damaged backup put
// back would: another file as far as the profile's last check knows.
void ReplaceWithDamagedCopy(const QString& file, const QList<int>& pages);
// The leaf pages of a table or index, in key order (from SQLite's dbstat table; empty when this
// SQLite lacks it).
QList<int> LeafPages(const QString& file, const QString& name);

// File permissions as a user meets them, for tests of profiles that cannot be written.
// Permissions do not bind root, so when the tests run as root, processes started through
// RunUnprivileged run as the user "nobody", and HandOver gives a profile folder to that user
// first (and lets it through the folder above). As any other user both change nothing.
void HandOver(const QString& folder);
void RunUnprivileged(QProcess& process);
// Whether program can be run that way here: false as root when the system refuses to change
// the user, or the build folder is closed to "nobody" (the test then skips).
bool CanRunUnprivileged(const QString& program);

// Takes write permission away from a file or folder while alive; gives it back at the end, so
// that the temporary folder can be removed.
class WriteProtect {
public:
    explicit WriteProtect(const QString& path);
    ~WriteProtect();
    WriteProtect(const WriteProtect&) = delete;
    WriteProtect& operator=(const WriteProtect&) = delete;

private:
    QString m_path;
    QFile::Permissions m_permissions;
};

// A test with its own profile.
class ProfileTest : public ::testing::Test {
protected:
    TempProfile profile;
};

}  // namespace za::test

// Texts in failure messages as text rather than as their UTF-16 code units.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
