// A second process for the core's cross-process tests.
//   coreprobe settings     prints City2 and writes ZATodayCount = 4
//   coreprobe cleartype    prints IsClearTypeEnabled twice, changing the setting in between
#include "probes.h"
#include "settings.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString command = app.arguments().value(1);
    if (command == QLatin1String("settings")) {
        std::printf("City2=%s\n", GetReg().GetStringValue(CRegistry::City2).toUtf8().constData());
        GetReg().WriteDWORDValue(CRegistry::ZATodayCount, 4);
        GetReg().Open();
        GetReg().Close();  // flushes the write
        return 0;
    }
    if (command == QLatin1String("cleartype")) {
        std::printf("%d", IsClearTypeEnabled());
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, QStringLiteral("\\Software\\Microsoft\\Shell"), 0, QString(), 0, 0,
                        nullptr, &key, nullptr);
        const DWORD off = 0;
        RegSetValueExW(key, QStringLiteral("ClearType"), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&off), 4);
        RegCloseKey(key);
        std::printf("%d\n", IsClearTypeEnabled());
        return 0;
    }
    return 2;
}
