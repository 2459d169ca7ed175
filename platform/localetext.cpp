#include "localetext.h"

#include "oledate.h"

#include <QDate>
#include <QTime>

#include <cstring>
#include <optional>

namespace za::locale {
namespace {

std::optional<QLocale>& Override() {
    static std::optional<QLocale> locale;
    return locale;
}

// Digits written in the locale's own: Arabic-Indic under ar_EG, as QLocale writes its dates.
QString LocaleDigits(const QLocale& loc, QString text) {
    const QString zero = loc.zeroDigit();
    if (zero.size() != 1 || zero.at(0) == QLatin1Char('0')) return text;
    for (QChar& c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) c = QChar(zero.at(0).unicode() + (c.unicode() - '0'));
    }
    return text;
}

bool ValidDate(const SYSTEMTIME& st, QDate* out) {
    QDate d(st.wYear, st.wMonth, st.wDay);
    if (!d.isValid()) return false;
    *out = d;
    return true;
}

// The handheld's time picture in Qt's letters: 12-hour h needs an AP marker in Qt, so hours
// are written out by hand.
QString RenderTime(const QLocale& loc, const QTime& t, const QString& picture) {
    QString out;
    const int n = picture.size();
    for (int i = 0; i < n;) {
        const QChar c = picture.at(i);
        if (c == QLatin1Char('\'')) {
            int j = i + 1;
            while (j < n && picture.at(j) != QLatin1Char('\'')) out += picture.at(j++);
            i = j + 1;
            continue;
        }
        int run = 1;
        while (i + run < n && picture.at(i + run) == c) ++run;
        auto two = [&](int v) {
            return LocaleDigits(loc, run >= 2 ? QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')) : QString::number(v));
        };
        switch (c.unicode()) {
        case 'h': {
            int h = t.hour() % 12;
            out += two(h == 0 ? 12 : h);
            break;
        }
        case 'H':
            out += two(t.hour());
            break;
        case 'm':
            out += two(t.minute());
            break;
        case 's':
            out += two(t.second());
            break;
        case 't': {
            QString marker = t.hour() < 12 ? loc.amText() : loc.pmText();
            out += run >= 2 ? marker : marker.left(1);
            break;
        }
        default:
            out += QString(run, c);
            break;
        }
        i += run;
    }
    return out;
}

// The locale's time format in the handheld's letters.
QString TimePicture(const QLocale& loc, DWORD flags) {
    QString qt = loc.timeFormat(QLocale::ShortFormat);
    QString out;
    const bool twelve = qt.contains(QLatin1String("AP"), Qt::CaseInsensitive) ||
                        qt.contains(QLatin1Char('a'), Qt::CaseInsensitive);
    for (int i = 0; i < qt.size(); ++i) {
        QChar c = qt.at(i);
        if (c == QLatin1Char('\'')) {
            int j = qt.indexOf(QLatin1Char('\''), i + 1);
            if (j < 0) j = qt.size() - 1;
            out += qt.mid(i, j - i + 1);
            i = j;
        } else if (c == QLatin1Char('h') || c == QLatin1Char('H')) {
            out += twelve ? QLatin1Char('h') : QLatin1Char('H');
        } else if (c == QLatin1Char('A') || c == QLatin1Char('a')) {
            if (i + 1 < qt.size() && (qt.at(i + 1) == QLatin1Char('P') || qt.at(i + 1) == QLatin1Char('p'))) ++i;
            out += QLatin1String("tt");
        } else if (c == QLatin1Char('z') || c == QLatin1Char('t')) {
            // fractions and zone names have no place in these texts
        } else {
            out += c;
        }
    }
    if (!(flags & TIME_NOSECONDS) && !out.contains(QLatin1Char('s'))) {
        int m = out.lastIndexOf(QLatin1String("mm"));
        if (m >= 0) out.insert(m + 2, QLatin1String(":ss"));
    }
    if (flags & TIME_NOSECONDS) {
        // Drop the seconds and the separator before them.
        int s = out.indexOf(QLatin1Char('s'));
        if (s > 0) {
            int e = s;
            while (e < out.size() && out.at(e) == QLatin1Char('s')) ++e;
            int b = s;
            while (b > 0 && !QStringLiteral("hHmst'").contains(out.at(b - 1))) --b;
            out.remove(b, e - b);
        }
    }
    if (flags & TIME_FORCE24HOURFORMAT) out.replace(QLatin1Char('h'), QLatin1Char('H'));
    if (flags & (TIME_NOTIMEMARKER | TIME_FORCE24HOURFORMAT)) {
        out.remove(QLatin1String("tt"));
        out = out.trimmed();
    }
    return out.trimmed();
}

}  // namespace

QLocale UserLocale() { return Override() ? *Override() : QLocale::system(); }
void SetUserLocale(const QLocale& locale) { Override() = locale; }
void ResetUserLocale() { Override().reset(); }

QString FormatDate(const SYSTEMTIME& st, DWORD flags, const QString& picture) {
    const QLocale loc = UserLocale();
    QDate date;
    const bool valid = ValidDate(st, &date);
    if (picture.isEmpty()) {
        if (!valid) return QString();
        return loc.toString(date, (flags & DATE_LONGDATE) ? QLocale::LongFormat : QLocale::ShortFormat);
    }
    // A picture of names only (weekday, month) needs no year: a yearly transition rule
    // (year 0, weekday and month set) still has its names.
    const int weekday = valid ? date.dayOfWeek() % 7 : st.wDayOfWeek;
    if (!valid && (st.wMonth < 1 || st.wMonth > 12 || st.wDayOfWeek > 6)) return QString();
    QString out;
    const int n = picture.size();
    for (int i = 0; i < n;) {
        const QChar c = picture.at(i);
        if (c == QLatin1Char('\'')) {
            int j = i + 1;
            while (j < n && picture.at(j) != QLatin1Char('\'')) out += picture.at(j++);
            i = j + 1;
            continue;
        }
        int run = 1;
        while (i + run < n && picture.at(i + run) == c) ++run;
        const bool numeric = (c == QLatin1Char('d') && run <= 2) || c == QLatin1Char('y') || (c == QLatin1Char('M') && run <= 2);
        if (numeric && !valid) return QString();
        switch (c.unicode()) {
        case 'd':
            if (run >= 4) out += loc.dayName(weekday == 0 ? 7 : weekday, QLocale::LongFormat);
            else if (run == 3) out += loc.dayName(weekday == 0 ? 7 : weekday, QLocale::ShortFormat);
            else out += LocaleDigits(loc, run == 2 ? QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0')) : QString::number(date.day()));
            break;
        case 'M':
            if (run >= 4) out += loc.monthName(st.wMonth, QLocale::LongFormat);
            else if (run == 3) out += loc.monthName(st.wMonth, QLocale::ShortFormat);
            else out += LocaleDigits(loc, run == 2 ? QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0')) : QString::number(date.month()));
            break;
        case 'y':
            if (run >= 3) out += LocaleDigits(loc, QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0')));
            else if (run == 2) out += LocaleDigits(loc, QStringLiteral("%1").arg(date.year() % 100, 2, 10, QLatin1Char('0')));
            else out += LocaleDigits(loc, QString::number(date.year() % 100));
            break;
        case 'g':
            break;  // era: none in these calendars
        default:
            out += QString(run, c);
            break;
        }
        i += run;
    }
    return out;
}

QString FormatTime(const SYSTEMTIME& st, DWORD flags, const QString& picture) {
    QTime time(st.wHour, st.wMinute, st.wSecond);
    if (!time.isValid()) return QString();
    const QLocale loc = UserLocale();
    return RenderTime(loc, time, picture.isEmpty() ? TimePicture(loc, flags) : picture);
}

QString TimePictureOf(DWORD flags) { return TimePicture(UserLocale(), flags); }

}  // namespace za::locale

namespace {
int CopyOut(const QString& text, WCHAR* buffer, int cch) {
    if (text.isEmpty()) return 0;
    const int needed = text.size() + 1;
    if (cch == 0) return needed;
    if (!buffer || cch < needed) return 0;
    std::memcpy(buffer, text.utf16(), text.size() * sizeof(WCHAR));
    buffer[text.size()] = 0;
    return needed;
}
}  // namespace

int GetDateFormatW(LCID, DWORD flags, const SYSTEMTIME* date, const WCHAR* picture, WCHAR* buffer, int cch) {
    if (!date || cch < 0 || (picture && (flags & (DATE_SHORTDATE | DATE_LONGDATE)))) return 0;
    if ((flags & DATE_SHORTDATE) && (flags & DATE_LONGDATE)) return 0;
    return CopyOut(za::locale::FormatDate(*date, flags, picture ? QString::fromUtf16(picture) : QString()),
                   buffer, cch);
}

int GetTimeFormatW(LCID, DWORD flags, const SYSTEMTIME* time, const WCHAR* picture, WCHAR* buffer, int cch) {
    if (!time || cch < 0) return 0;
    return CopyOut(za::locale::FormatTime(*time, flags, picture ? QString::fromUtf16(picture) : QString()),
                   buffer, cch);
}
