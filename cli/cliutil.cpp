#include "cliutil.h"

#include "citylist.h"
#include "clock.h"
#include "device.h"
#include "oledate.h"
#include "textfold.h"
#include "tzyears.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace cli {

namespace {

// One code point as a message shows it: itself, or an escape for a control or format
// character (those could break the line, move the cursor or turn the text around).
QString ShownCodePoint(char32_t c) {
    switch (c) {
    case U'\n': return QStringLiteral("\\n");
    case U'\r': return QStringLiteral("\\r");
    case U'\t': return QStringLiteral("\\t");
    default: break;
    }
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return c < 0x100 ? QStringLiteral("\\x%1").arg(static_cast<uint>(c), 2, 16, QLatin1Char('0'))
                         : QStringLiteral("\\u{%1}").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
    default:
        return QString::fromUcs4(&c, 1);
    }
}

// The text with its control characters escaped, cut with "…" where it would be longer than
// limit characters (never inside an escape or a surrogate pair).
QString Escaped(const QString& text, qsizetype limit) {
    QString out;
    qsizetype fits = 0;  // where to cut: the last end of a piece that leaves room for "…"
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (out.size() < limit) fits = out.size();
        out += ShownCodePoint(c);
        if (out.size() > limit) return out.left(fits) + QChar(0x2026);
    }
    return out;
}

}  // namespace

void Fail(const QString& message) { throw UsageError{Escaped(message, kWhole)}; }

QString Shown(const QString& text, qsizetype limit) { return Escaped(text, limit); }

void CheckCityText(const QString& what, const QString& text) {
    if (text.size() > kMaxCityText) {
        Fail(Text::tr("%1 has %2 characters, more than any city name (at most %3, or %4 with its country): %5")
                 .arg(what, QString::number(text.size()), QString::number(za::kMaxCityName),
                      QString::number(kMaxCityText), Shown(text)));
    }
}

Args::Args(const QStringList& words, const QStringList& valueOptions, const QStringList& flags) {
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& w = words[i];
        if (!w.startsWith(QLatin1String("--")) || w == QLatin1String("--")) {
            m_positional << w;
            continue;
        }
        QString name = w;
        QString value;
        bool hasValue = false;
        const qsizetype eq = w.indexOf(QLatin1Char('='));
        if (eq > 0) {
            name = w.left(eq);
            value = w.mid(eq + 1);
            hasValue = true;
        }
        if (valueOptions.contains(name)) {
            if (!hasValue) {
                if (i + 1 >= words.size()) Fail(Text::tr("%1 needs a value; see --help").arg(name));
                value = words[++i];
            }
            m_values.insert(name, value);
        } else if (flags.contains(name) && !hasValue) {
            m_flags << name;
        } else {
            Fail(Text::tr("unknown option %1; see --help").arg(Shown(w)));
        }
    }
}

namespace {
bool g_profileOpened = false;  // by this command; only then can a read have met damage
}  // namespace

void OpenProfile() {
    const za::device::ProfileStatus status = za::device::Status();
    switch (status.state) {
    case za::device::ProfileState::Ready:
    case za::device::ProfileState::ReadOnly:
        g_profileOpened = true;
        // Dealt with, but the user should know (a log set aside, changes lost with a log that
        // was removed): said once, before the command's own output.
        if (!status.notice.isEmpty()) {
            std::fprintf(stderr, "zonaria-cli: %s\n", Escaped(status.notice, kWhole).toLocal8Bit().constData());
        }
        return;
    case za::device::ProfileState::Unusable:
        // The path itself may be what is wrong (the error then says so): set another one.
        Fail(status.message + Text::tr("; set ZONARIA_DEVICE to another folder"));
    default:
        Fail(status.message + Text::tr("; set ZONARIA_DEVICE to another folder, or move %1 aside to start "
                                       "with a new profile")
                                  .arg(status.folder));
    }
}

void RequireWritableProfile() {
    const za::device::ProfileStatus status = za::device::Status();
    if (status.state == za::device::ProfileState::ReadOnly) {
        Fail(Text::tr("The profile is read-only; the setting could not be written: ") + status.message);
    }
}

QString RefusedWrite() {
    switch (za::device::WhyRefused()) {
    case za::device::Refusal::ReadOnly: return Text::tr("The profile is read-only");
    case za::device::Refusal::DiskFull: return Text::tr("The disk is full");
    case za::device::Refusal::Other: break;
    }
    return Text::tr("the device profile %1 could not be written").arg(za::device::ProfilePath());
}

void CheckProfileAfterReading() {
    if (!g_profileOpened) return;
    const za::device::ProfileStatus status = za::device::Status();
    if (status.state == za::device::ProfileState::Damaged) {
        Fail(status.message + Text::tr("; what was read may be incomplete. Move %1 aside to start with a new "
                                       "profile; zonaria-cli check tells more")
                                  .arg(status.folder));
    }
}

QStringList CityEntries() {
    CCityList& list = GetCityList();
    if (!list.Open()) Fail(Text::tr("the city database cannot be opened; move the device profile aside to reinstall it"));
    list.LoadCityNames();
    QStringList entries;
    POSITION pos = list.GetHeadCityNamePosition();
    while (pos) entries << list.GetNextCityName(pos);
    list.Close();
    CheckProfileAfterReading();  // a list cut short by a damaged page is not the list
    return entries;
}

QStringList EntriesBeginning(const QString& text, QList<long>* positions) {
    CCityList& list = GetCityList();
    if (!list.Open()) Fail(Text::tr("the city database cannot be opened; move the device profile aside to reinstall it"));
    QStringList entries;
    const BOOL read = list.FindEntriesOfCity(text, &entries, positions);
    list.Close();
    CheckProfileAfterReading();
    if (!read) Fail(Text::tr("the city database cannot be read: %1").arg(za::device::LastError()));
    return entries;
}

QList<long> MatchingEntries(const QString& text) {
    CCityList& list = GetCityList();
    if (!list.Open()) Fail(Text::tr("the city database cannot be opened; move the device profile aside to reinstall it"));
    const QList<long> indexes = list.FindIndexesOfCity(text);
    list.Close();
    return indexes;
}

namespace {

int EditDistance(const QString& a, const QString& b) {
    std::vector<int> row(static_cast<size_t>(b.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j) row[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[static_cast<size_t>(j)];
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            row[static_cast<size_t>(j)] = std::min({above + 1, row[static_cast<size_t>(j - 1)] + 1, diagonal + cost});
            diagonal = above;
        }
    }
    return row.back();
}

// Up to three names: those that begin with the text first, then the nearest by spelling.
QStringList ClosestNames(const QString& text, const QStringList& entries) {
    const QString wanted = za::FoldForSearch(text);
    std::vector<std::pair<int, QString>> ranked;
    for (const QString& entry : entries) {
        QString name, country;
        za::SplitCityEntry(entry, &name, &country);
        const QString lower = za::FoldForSearch(name);
        const int score = lower.startsWith(wanted) ? -1000 + static_cast<int>(lower.size())
                                                   : EditDistance(wanted, lower.left(wanted.size() + 2));
        ranked.emplace_back(score, name);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    QStringList out;
    for (size_t i = 0; i < ranked.size() && out.size() < 3; ++i) out << ranked[i].second;
    return out;
}

}  // namespace

namespace {

// The entries whose name folds like the text (without regard to case and accents), or, for a
// "Name (Country)" text, whose whole entry does; in name order.
QStringList FoldedMatches(CCityList& list, const QString& text) {
    QStringList matches;
    auto entryAt = [&list](long index) {
        POSITION pos = index + 1;  // positions count from 1
        return list.GetNextCityName(pos);
    };
    // Names cannot hold parentheses: an entry whose name folds like the text begins with it and " (".
    for (long i : list.FindIndexesOfCity(za::CityEntryPrefix(text))) matches << entryAt(i);
    if (matches.isEmpty()) {
        const QString folded = za::FoldForSearch(text);
        for (long i : list.FindIndexesOfCity(text)) {
            const QString entry = entryAt(i);
            if (za::FoldForSearch(entry) == folded) matches << entry;
        }
    }
    return matches;
}

// The entries whose name begins with the text (as find lists them) that match it best: those
// whose first words it is ("Chicago" for "Chicago, IL"), else those it begins ("Tok" for
// Tokyo). One entry is the clear best match; several whose first words it is are listed.
QStringList BestMatches(CCityList& list, const QString& text) {
    constexpr int kWorstTaken = 2;  // a name's beginning; a later word or the inside is a guess
    QStringList best;
    int bestRank = kWorstTaken + 1;
    for (long i : list.FindIndexesOfCity(text)) {
        POSITION pos = i + 1;  // positions count from 1
        const QString entry = list.GetNextCityName(pos);
        QString name, country;
        za::SplitCityEntry(entry, &name, &country);
        const int rank = za::NameMatchRank(name, text);
        if (rank < 0 || rank > bestRank) continue;
        if (rank < bestRank) best.clear();
        bestRank = rank;
        best << entry;
    }
    // Several names that only begin with the text are no choice to offer: the closest names are.
    if (best.size() > 1 && bestRank == kWorstTaken) best.clear();
    return best;
}

}  // namespace

CCity LoadCity(const QString& text) {
    CheckCityText(Text::tr("the city name"), text);
    const QString trimmed = text.trimmed();
    CCityList& list = GetCityList();
    if (!list.Open()) Fail(Text::tr("the city database cannot be opened; move the device profile aside to reinstall it"));
    // One seek by name (the database compares names without regard to case); a "Name (Country)"
    // entry is taken when its country is the city's. A name given so always wins.
    CCity city;
    bool found = list.LoadCity(trimmed, city);
    if (!found) {
        QString name, country;
        za::SplitCityEntry(trimmed, &name, &country);
        found = !country.isEmpty() && list.LoadCity(name, city) &&
                city.CountryName().compare(country, Qt::CaseInsensitive) == 0;
    }
    // Else a name typed without its accents ("Sao Paulo" for "São Paulo"): one city is taken,
    // several are listed for the user to choose from.
    QStringList matches;
    if (!found) {
        matches = FoldedMatches(list, trimmed);
        if (matches.isEmpty()) matches = BestMatches(list, trimmed);
        if (matches.size() == 1) {
            QString name, country;
            za::SplitCityEntry(matches.first(), &name, &country);
            found = list.LoadCity(name, city);
        }
    }
    list.Close();
    if (found) return city;
    if (matches.size() > 1) {
        Fail(Text::tr("\"%1\" matches several cities: %2; give one of these names")
                 .arg(Shown(trimmed), matches.join(QStringLiteral(", "))));
    }
    // Only a name that is not there needs the whole list, for the suggestions.
    const QStringList closest = ClosestNames(trimmed, CityEntries());
    Fail(closest.isEmpty()
             ? Text::tr("unknown city \"%1\"; the city database is empty").arg(Shown(trimmed))
             : Text::tr("unknown city \"%1\"; closest names: %2 (zonaria-cli find TEXT lists more)")
                   .arg(Shown(trimmed), closest.join(QStringLiteral(", "))));
}

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
