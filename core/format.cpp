#include "format.h"

#include "localetext.h"
#include "registry.h"
#include "stringtable.h"
#include "zastrings.h"

#include <QCoreApplication>

#include <vector>

namespace {

constexpr int kWeekdayChars = 16;
constexpr int kShortDateChars = 16;
constexpr int kTimeChars = 32;
constexpr int kLongDateChars = 128;
constexpr int kSipShortfall = 26;  // pixels the visible desktop loses to the panel's button bar

// One formatting call into a buffer of `chars` characters (NUL included): a longer text is cut
// to what the buffer holds rather than lost.
template <typename Call>
QString Part(int chars, Call call) {
    const int needed = call(nullptr, 0);
    if (needed <= 0) return QString();
    std::vector<WCHAR> buffer(static_cast<size_t>(std::max(needed, chars)), 0);
    if (call(buffer.data(), static_cast<int>(buffer.size())) <= 0) return QString();
    return QString::fromUtf16(buffer.data()).left(chars - 1);
}

QString Weekday(const SYSTEMTIME& t) {
    return Part(kWeekdayChars, [&](WCHAR* b, int n) { return GetDateFormatW(LOCALE_USER_DEFAULT, 0, &t, u"ddd ", b, n); });
}

QString ShortDate(const SYSTEMTIME& t) {
    return Part(kShortDateChars,
                [&](WCHAR* b, int n) { return GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, b, n); });
}

QString LongDate(const SYSTEMTIME& t) {
    return Part(kLongDateChars,
                [&](WCHAR* b, int n) { return GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, &t, nullptr, b, n); });
}

QString Time(const SYSTEMTIME& t) {
    return Part(kTimeChars,
                [&](WCHAR* b, int n) { return GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &t, nullptr, b, n); });
}


}  // namespace

QString SpokenText(const QString& shown) {
    QString spoken = shown;
    return spoken.replace(QString::fromUtf16(kDaylightMark), QCoreApplication::translate("za::SpokenText", ", daylight saving time"));
}

QString FormatDateAndTime(const SYSTEMTIME& time, int daylight, int code) {
    QString text;
    switch (code) {
    case TF_WEEKDAY_TIME:
        text = Weekday(time) + Time(time);
        break;
    case TF_WEEKDAY_SHORTDATE:
        text = Weekday(time) + ShortDate(time);
        break;
    case TF_LONGDATE:
        return LongDate(time);
    case TF_SHORTDATE_TIME:
        text = ShortDate(time) + QLatin1Char(' ') + Time(time);
        break;
    case TF_TIME_SHORTDATE:
        text = Time(time) + QLatin1Char(' ') + ShortDate(time);
        break;
    case TF_TIME:
        text = Time(time);
        break;
    default:
        break;
    }
    if (daylight) text += QString::fromUtf16(kDaylightMark);
    return text;
}

void EZError(UINT id, HRESULT hr, UINT type) {
    QString text = QCoreApplication::translate("EZError", "Unexpected Error");
    if (id != 0) text = za::LoadResourceString(id);
    EZError(text, hr, type);
}

void EZError(const QString& text, HRESULT hr, UINT type) {
    QString message = text;
    if (hr < 0) message += za::FormatString(QStringLiteral("\ncode: %lx"), {static_cast<long>(hr)});
    za::shell::Current().MessageBox(message, za::ResourceCaption(), type);
}

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

namespace {
double g_pointFontScale = 1.0;
}  // namespace

void SetPointFontScale(double scale) {
    if (scale >= 0.5 && scale <= 4.0) g_pointFontScale = scale;
}

double PointFontScale() { return g_pointFontScale; }


