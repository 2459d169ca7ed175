// A second process for the cross-process tests: writes DWORD values under a key of the
// profile named by ZONARIA_DEVICE.
//   regwriter write KEY PREFIX COUNT      writes PREFIX0..PREFIX<COUNT-1> = 0..COUNT-1
//   regwriter forever KEY PREFIX          writes PREFIX0, PREFIX1, ... until killed
//   regwriter probe KEY NAME              reads and then writes the DWORD NAME, and prints the
//                                         profile's state, its message and both results
//   regwriter claim NOWMS                 claims the notifications due at NOWMS, a few at a
//                                         time, and prints each claimed handle on a line
#include "device.h"
#include "notify.h"
#include "registry.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdint>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("claim")) {
        const qint64 now = args[2].toLongLong();
        for (;;) {
            const std::vector<za::notify::Notification> claimed = za::notify::ClaimDue(now, 3);
            if (claimed.empty()) return 0;
            for (const za::notify::Notification& n : claimed) {
                std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(n.handle)));
            }
            std::fflush(stdout);
        }
    }
    if (args.size() < 4) return 2;
    if (args[1] == QLatin1String("probe")) {
        const za::device::ProfileStatus status = za::device::Status();
        HKEY key = nullptr;
        DWORD value = 0;
        DWORD size = sizeof value;
        LONG read = RegOpenKeyExW(HKEY_LOCAL_MACHINE, args[2], 0, 0, &key);
        if (read == ERROR_SUCCESS) read = RegQueryValueExW(key, args[3], nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        const LONG write = key ? RegSetValueExW(key, args[3], 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value)
                               : read;
        RegCloseKey(key);
        std::printf("state=%d\nread=%ld value=%lu\nwrite=%ld\nmessage=%s\n", static_cast<int>(status.state),
                    static_cast<long>(read), static_cast<unsigned long>(value), static_cast<long>(write),
                    qPrintable(status.message));
        return 0;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, args[2], 0, QString(), 0, 0, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        std::fprintf(stderr, "cannot open key: %s\n", qPrintable(za::device::LastError()));
        return 1;
    }
    const bool endless = args[1] == QLatin1String("forever");
    const long count = endless ? -1 : args.value(4).toLong();
    std::printf("ready\n");
    std::fflush(stdout);
    for (long i = 0; endless || i < count; ++i) {
        const DWORD value = static_cast<DWORD>(i);
        if (RegSetValueExW(key, args[3] + QString::number(i), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                           sizeof value) != ERROR_SUCCESS) {
            std::fprintf(stderr, "write %ld failed: %s\n", i, qPrintable(za::device::LastError()));
            return 1;
        }
    }
    RegCloseKey(key);
    return 0;
}
