#include "today.h"

#include "autostart.h"
#include "device.h"
#include "installpackage.h"
#include "registry.h"
#include "settings.h"
#include "window.h"

#include "shell.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdint>

namespace za {
namespace {

constexpr WPARAM kItemsChanged = 0xF2;

// Installation: Zonaria's Today item, its plug-in looked for beside the Today host. It starts
// hidden: on a desktop the Today screen is a window of its own, which a user asks for in the
// Preferences rather than meets unasked.
bool TodayItem(sql::Database&, QString* error) {
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kZonariaTodayKey, 0, QString(), 0, 0, nullptr, &key, nullptr);
    if (rc == ERROR_SUCCESS) {
        const DWORD enabled = 0;
        rc = RegSetValueExW(key, QStringLiteral("Enabled"), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&enabled),
                            sizeof enabled);
        if (rc == ERROR_SUCCESS) {
            rc = RegSetValueExW(key, QStringLiteral("DLL"), 0, REG_SZ, reinterpret_cast<const BYTE*>(kTodayPlugin.utf16()),
                                static_cast<DWORD>((kTodayPlugin.size() + 1) * 2));
        }
        RegCloseKey(key);
    }
    if (rc != ERROR_SUCCESS) {
        *error = QCoreApplication::translate("za::CityInstall", "cannot write the Today item's key (error %1)").arg(rc);
        return false;
    }
    return true;
}

}  // namespace

UINT TodayUpdateMessage() { return RegisterWindowMessageW(QStringLiteral("WM_UPDATE_ZATODAY")); }

BOOL PostTodayUpdate(UINT message) {
    const DWORD item = GetReg().GetDWORDValue(CRegistry::ZAReserved);
    if (item == 0 || message == 0) return FALSE;
    return PostMessageW(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(item)), message, 0, 0);
}

BOOL BroadcastTodayItemsChanged() { return PostMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, kItemsChanged, 0); }

BOOL SetTodayScreenStarted(bool on) {
    const autostart::Entry& entry = autostart::TodayPanel();
    if (!on) return autostart::Disable(entry) ? TRUE : FALSE;
    const bool written = autostart::Enable(entry);
    if (FindWindowW(QString::fromLatin1(kTodayHostWindowClass), QString())) return written ? TRUE : FALSE;
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    const QString program = QDir(dir).filePath(QString::fromLatin1(kTodayHostProgram));
    const bool started = shell::Current().StartProgram(program, {});
    return written && started ? TRUE : FALSE;
}

bool InstallTodayItem(sql::Database& db, QString* error) { return TodayItem(db, error); }

}  // namespace za
