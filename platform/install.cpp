// The installation package's first step: the settings key.
#include "device.h"
#include "registry.h"

// The key with "InitialRun" = 1, so the first start shows the welcome.
bool za::device::InstallSettingsKey(za::sql::Database&, QString* error) {
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Corvantel\\Zonaria"), 0,
                              QString(), 0, 0, nullptr, &key, nullptr);
    if (rc != ERROR_SUCCESS) {
        *error = QStringLiteral("cannot create the settings key (error %1)").arg(rc);
        return false;
    }
    const DWORD initialRun = 1;
    rc = RegSetValueExW(key, QStringLiteral("InitialRun"), 0, REG_DWORD,
                        reinterpret_cast<const BYTE*>(&initialRun), sizeof initialRun);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) {
        *error = QStringLiteral("cannot write InitialRun (error %1)").arg(rc);
        return false;
    }
    return true;
}
