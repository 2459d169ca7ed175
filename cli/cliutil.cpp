#include "cliutil.h"

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

}  // namespace cli
