// A fresh device profile in a temporary folder for each test, with the locale pinned to
// en_US and the device clock free to be fixed.
#pragma once

#include "wintypes.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

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

// A test with its own profile.
class ProfileTest : public ::testing::Test {
protected:
    TempProfile profile;
};

}  // namespace za::test
