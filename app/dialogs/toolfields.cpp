#include "toolfields.h"

#include <QLabel>
#include <QLocale>
#include <QStringList>

namespace za::app {

CWallClockEdit::CWallClockEdit(QWidget* parent) : QDateTimeEdit(parent) {
    // UTC has no gaps or repeated hours, so every wall-clock time can be held as it is.
    setTimeSpec(Qt::UTC);
}

SYSTEMTIME CWallClockEdit::Value() const {
    const QDateTime value = dateTime();
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(value.date().year());
    st.wMonth = static_cast<WORD>(value.date().month());
    st.wDay = static_cast<WORD>(value.date().day());
    st.wDayOfWeek = static_cast<WORD>(value.date().dayOfWeek() % 7);
    st.wHour = static_cast<WORD>(value.time().hour());
    st.wMinute = static_cast<WORD>(value.time().minute());
    st.wSecond = static_cast<WORD>(value.time().second());
    st.wMilliseconds = static_cast<WORD>(value.time().msec());
    return st;
}

void CWallClockEdit::SetValue(const SYSTEMTIME& st) {
    const QTime time(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
    if (!(displayedSections() & QDateTimeEdit::DateSections_Mask)) {
        // A picker of the time alone: Qt bounds its day in the desktop's zone even when it
        // holds UTC, so west of Greenwich every time was pulled to the few minutes before the
        // bound (and east of it the last hours were). The day is one of its own, bounded in UTC.
        const QDate day(2000, 1, 1);
        setDateTimeRange(QDateTime(day, QTime(0, 0), Qt::UTC), QDateTime(day, QTime(23, 59, 59, 999), Qt::UTC));
        setDateTime(QDateTime(day, time, Qt::UTC));
        return;
    }
    setDateTime(QDateTime(QDate(st.wYear, st.wMonth, st.wDay), time, Qt::UTC));
}

QString PickerDateFormat(const QLocale& locale, bool longDate) {
    return locale.dateFormat(longDate ? QLocale::LongFormat : QLocale::ShortFormat);
}

QString PickerTimeFormat(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1String(":ss"));
    // Zone names ("t" outside quotes) mean nothing for a city's wall-clock time.
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && c == QLatin1Char('t')) continue;
        out += c;
    }
    return out.simplified();
}

void ShowResult(QLabel* value, const QString& captions, const QString& text) {
    value->setText(text);
    const QStringList names = captions.split(QLatin1Char('\n'));
    const QStringList values = text.split(QLatin1Char('\n'));
    QStringList lines;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString v = i < values.size() ? values[i].trimmed() : QString();
        if (names[i].isEmpty() && v.isEmpty()) continue;
        lines << (names[i].isEmpty() ? v : names[i] + QLatin1Char(' ') + v);
    }
    value->setAccessibleName(lines.join(QLatin1Char('\n')));
}

}  // namespace za::app
