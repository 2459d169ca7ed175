#include "profile.h"

#include "clock.h"
#include "device.h"
#include "localetext.h"
#include "oledate.h"

namespace za::test {

TempProfile::TempProfile() : m_previous(qgetenv("ZONARIA_DEVICE")) {
    // The profile folder itself must not exist yet or be empty: a new profile.
    qputenv("ZONARIA_DEVICE", (m_dir.path() + QStringLiteral("/device")).toUtf8());
    za::device::Reset();
    za::locale::SetUserLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}

TempProfile::~TempProfile() {
    za::device::Reset();
    qputenv("ZONARIA_DEVICE", m_previous);
}

FixedHostClock::FixedHostClock(std::int64_t utcMs) : m_now(std::make_shared<std::int64_t>(utcMs)) {
    auto now = m_now;
    za::device::SetHostClock([now] { return *now; });
}

FixedHostClock::~FixedHostClock() { za::device::SetHostClock({}); }

std::int64_t UtcMs(int year, int month, int day, int hour, int minute, int second) {
    return (za::DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second) * 1000;
}

SYSTEMTIME MakeTime(int year, int month, int day, int hour, int minute, int second) {
    SYSTEMTIME st{};
    za::SecondsToSystemTime(UtcMs(year, month, day, hour, minute, second) / 1000, &st);
    return st;
}

}  // namespace za::test
