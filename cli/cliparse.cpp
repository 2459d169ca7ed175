#include "cliparse.h"

#include "cliutil.h"
#include "clock.h"
#include "oledate.h"
#include "tzyears.h"

#include <QRegularExpression>

#include <cmath>

namespace cli {

void CheckSupportedYear(const QString& what, const QString& text, int year) {
    if (year < za::tz::kFirstRuleYear || year > za::tz::kLastRuleYear) {
        Fail(Text::tr("%1: \"%2\" is outside the supported years %3 to %4")
                 .arg(what, Shown(text), QString::number(za::tz::kFirstRuleYear),
                      QString::number(za::tz::kLastRuleYear)));
    }
}

SYSTEMTIME NowUtc() {
    SYSTEMTIME utc{};
    GetSystemTime(&utc);
    utc.wMilliseconds = 0;
    return utc;
}

QString IsoDate(const SYSTEMTIME& d) {
    return QStringLiteral("%1-%2-%3")
        .arg(d.wYear, 4, 10, QLatin1Char('0'))
        .arg(d.wMonth, 2, 10, QLatin1Char('0'))
        .arg(d.wDay, 2, 10, QLatin1Char('0'));
}

QString IsoLocal(const SYSTEMTIME& t) {
    return IsoDate(t) + QStringLiteral("T%1:%2:%3")
                            .arg(t.wHour, 2, 10, QLatin1Char('0'))
                            .arg(t.wMinute, 2, 10, QLatin1Char('0'))
                            .arg(t.wSecond, 2, 10, QLatin1Char('0'));
}

QString IsoUtc(const SYSTEMTIME& utc) { return IsoLocal(utc) + QLatin1Char('Z'); }

namespace {

// A calendar time that exists, with the weekday set; fails otherwise.
SYSTEMTIME Checked(const QString& what, const QString& text, const QString& form, int y, int mo, int d, int h,
                   int mi, int s) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(y);
    st.wMonth = static_cast<WORD>(mo);
    st.wDay = static_cast<WORD>(d);
    st.wHour = static_cast<WORD>(h);
    st.wMinute = static_cast<WORD>(mi);
    st.wSecond = static_cast<WORD>(s);
    std::int64_t seconds = 0;
    SYSTEMTIME back{};
    const bool exists = y >= 1601 && y <= 9999 && mo >= 1 && mo <= 12 && d >= 1 && d <= 31 && h <= 23 && mi <= 59 &&
                        s <= 59 && za::SystemTimeToSeconds(st, &seconds) && za::SecondsToSystemTime(seconds, &back) &&
                        back.wDay == st.wDay && back.wMonth == st.wMonth;
    if (!exists) Fail(Text::tr("%1: \"%2\" is not a valid date or time; write it as %3").arg(what, Shown(text), form));
    // Zone conversions hold for these years only; beyond them a time would be shown wrong.
    CheckSupportedYear(what, text, y);
    return back;
}

}  // namespace

SYSTEMTIME ParseInstant(const QString& what, const QString& text) {
    static const QRegularExpression re(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})T(\\d{2}):(\\d{2})(?::(\\d{2}))?Z$"));
    const QString form = Text::tr("YYYY-MM-DDTHH:MM:SSZ in UTC, such as 2026-03-08T10:00:00Z");
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch()) Fail(Text::tr("%1: \"%2\" is not an instant; write it as %3").arg(what, Shown(text), form));
    return Checked(what, text, form, m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                   m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
}

SYSTEMTIME ParseDate(const QString& what, const QString& text) {
    static const QRegularExpression re(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QString form = QStringLiteral("YYYY-MM-DD");
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch()) Fail(Text::tr("%1: \"%2\" is not a date; write it as %3").arg(what, Shown(text), form));
    return Checked(what, text, form, m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), 0, 0, 0);
}

SYSTEMTIME ParseLocalDateTime(const QString& what, const QString& text) {
    static const QRegularExpression re(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})[ T](\\d{2}):(\\d{2})$"));
    const QString form = QStringLiteral("'YYYY-MM-DD HH:MM'");
    const auto m = re.match(text.trimmed());
    if (!m.hasMatch()) Fail(Text::tr("%1: \"%2\" is not a local date and time; write it as %3").arg(what, Shown(text), form));
    return Checked(what, text, form, m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                   m.captured(4).toInt(), m.captured(5).toInt(), 0);
}

double ParseNumber(const QString& what, const QString& text, double min, double max) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < min || v > max) {
        Fail(Text::tr("%1: \"%2\" is not a number from %3 to %4")
                 .arg(what, Shown(text), QString::number(min, 'g', QLocale::FloatingPointShortest),
                      QString::number(max, 'f', 0)));
    }
    return v == 0 ? 0.0 : v;  // -0 is 0, and is shown so
}

int ParseInteger(const QString& what, const QString& text, int min, int max) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < min || v > max) {
        Fail(Text::tr("%1: \"%2\" is not a whole number from %3 to %4")
                 .arg(what, Shown(text), QString::number(min), QString::number(max)));
    }
    return v;
}

QString UnitsName(TUnitSystem units) {
    switch (units) {
        case usEnglish: return QStringLiteral("english");
        case usNautical: return QStringLiteral("nautical");
        case usMetric: break;
    }
    return QStringLiteral("metric");
}

TUnitSystem ParseUnits(const QString& text) {
    for (TUnitSystem u : {usEnglish, usMetric, usNautical}) {
        if (text.compare(UnitsName(u), Qt::CaseInsensitive) == 0) return u;
    }
    Fail(Text::tr("--units: \"%1\" is not a unit system; use english, metric or nautical").arg(Shown(text)));
}

}  // namespace cli
