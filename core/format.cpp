#include "format.h"

#include "localetext.h"

#include <QCoreApplication>

#include <vector>

namespace {

constexpr int kWeekdayChars = 16;
constexpr int kShortDateChars = 16;
constexpr int kTimeChars = 32;
constexpr int kLongDateChars = 128;

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
