#include "probes.h"

#include "registry.h"

namespace {
constexpr int kSipShortfall = 26;  // pixels the visible desktop loses to the panel's button bar
double g_pointFontScale = 1.0;
}  // namespace

BOOL SIP_Info(BOOL* shown, RECT* rect, long /*param*/) {
    SIPINFO info{};
    info.cbSize = sizeof info;
    if (!za::shell::Current().GetSipInfo(&info)) return FALSE;
    const BOOL on = (info.fdwFlags & SIPF_ON) ? TRUE : FALSE;
    if (shown) *shown = on;
    if (rect) {
        *rect = info.rcVisibleDesktop;
        if (!on) rect->bottom -= kSipShortfall;
    }
    return TRUE;
}

BOOL IsPocketPC2002() {
    WCHAR buffer[256] = {};
    if (!SystemParametersInfoW(SPI_GETPLATFORMTYPE, sizeof buffer, buffer, 0)) return TRUE;
    return QString::fromUtf16(buffer) == QLatin1String("Palm PC2") ? FALSE : TRUE;
}

BOOL IsClearTypeEnabled() {
    static int cache = -1;
    if (cache == -1) {
        cache = 0;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, QStringLiteral("\\Software\\Microsoft\\Shell"), 0, 0, &key) ==
            ERROR_SUCCESS) {
            DWORD value = 0, size = sizeof value, type = 0;
            if (RegQueryValueExW(key, QStringLiteral("ClearType"), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                                 &size) == ERROR_SUCCESS &&
                type == REG_DWORD) {
                cache = static_cast<int>(value);
            }
            RegCloseKey(key);
        }
    }
    return cache == 1 ? TRUE : FALSE;
}

void SetPointFontScale(double scale) {
    if (scale >= 0.5 && scale <= 4.0) g_pointFontScale = scale;
}

double PointFontScale() { return g_pointFontScale; }
