// Locale texts: the handheld's date and time formatting calls over the user's locale
// (LANG / LC_TIME through QLocale). Pictures use the handheld's letters: d dd ddd dddd,
// M MM MMM MMMM, y yy yyyy; h hh (12-hour), H HH (24-hour), m mm, s ss, t tt (AM/PM marker);
// text in single quotes is copied.
#pragma once

#include "wintypes.h"

#include <QLocale>
#include <QString>

using LCID = DWORD;
constexpr LCID LOCALE_USER_DEFAULT = 0x0400;

constexpr DWORD DATE_SHORTDATE = 0x00000001;
constexpr DWORD DATE_LONGDATE = 0x00000002;
constexpr DWORD TIME_NOMINUTESORSECONDS = 0x00000001;
constexpr DWORD TIME_NOSECONDS = 0x00000002;
constexpr DWORD TIME_NOTIMEMARKER = 0x00000004;
constexpr DWORD TIME_FORCE24HOURFORMAT = 0x00000008;

// Without a picture the flags choose the locale's short or long date. The result, with its
// NUL, goes into buffer of cch characters; the count written (NUL included) is returned.
// cch = 0 asks for the size needed. A buffer too small, an invalid date or a bad flag gives 0.
int GetDateFormatW(LCID locale, DWORD flags, const SYSTEMTIME* date, const WCHAR* picture,
                   WCHAR* buffer, int cch);
int GetTimeFormatW(LCID locale, DWORD flags, const SYSTEMTIME* time, const WCHAR* picture,
                   WCHAR* buffer, int cch);

namespace za::locale {

// The locale the formatting calls use: the user's, unless set here (tests pin en_US).
QLocale UserLocale();
void SetUserLocale(const QLocale& locale);
void ResetUserLocale();

// The same texts as QStrings; empty for an invalid date or time.
QString FormatDate(const SYSTEMTIME& date, DWORD flags, const QString& picture = QString());
QString FormatTime(const SYSTEMTIME& time, DWORD flags, const QString& picture = QString());
// The picture FormatTime uses without one of its own, in the letters above.
QString TimePictureOf(DWORD flags);

}  // namespace za::locale
