#include "textfold.h"

#include <QList>

#include <algorithm>

namespace za {
namespace {

// The base letters of the letters that NFD leaves whole, by their case-folded form.
const char* BaseLetters(char32_t folded) {
    switch (folded) {
    case U'\u00DF': return "ss";  // ß (and ẞ, which folds to it)
    case U'\u00F8': return "o";   // ø
    case U'\u00E6': return "ae";  // æ
    case U'\u0142': return "l";   // ł
    case U'\u0111': return "d";   // đ
    case U'\u00F0': return "d";   // ð
    case U'\u0131': return "i";   // ı
    case U'\u0153': return "oe";  // œ
    case U'\u00FE': return "th";  // þ
    default: return nullptr;
    }
}

}  // namespace

QString FoldForSearch(const QString& text) {
    // Most names are plain ASCII: lower case is all their folding, and the list of 50,000 names
    // is folded once per refresh.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        QString lower(text.size(), Qt::Uninitialized);
        QChar* out = lower.data();
        for (QChar c : text) *out++ = c.unicode() >= 'A' && c.unicode() <= 'Z' ? QChar(c.unicode() + 32) : c;
        return lower;
    }
    const QList<uint> decomposed = text.normalized(QString::NormalizationForm_D).toUcs4();
    QString out;
    out.reserve(decomposed.size());
    for (uint c : decomposed) {
        if (QChar::isMark(c)) continue;
        const char32_t folded = QChar::toCaseFolded(c);
        if (const char* base = BaseLetters(folded)) {
            out += QLatin1String(base);
        } else {
            out += QString::fromUcs4(&folded, 1);
        }
    }
    return out;
}

bool IsStorableText(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (c >= 0x20 && c < 0x7F) continue;  // printable ASCII, most of any text
        if (text[i].isHighSurrogate()) {
            if (i + 1 >= text.size() || !text[i + 1].isLowSurrogate()) return false;
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        } else if (text[i].isLowSurrogate()) {
            return false;
        }
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_NotAssigned:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return false;
        default:
            break;
        }
    }
    return true;
}

bool IsBlank(const QString& text) { return text.trimmed().isEmpty(); }

int NameMatchRank(const QString& name, const QString& typed) {
    const QString n = FoldForSearch(name.trimmed());
    const QString t = FoldForSearch(typed.trimmed());
    if (t.isEmpty()) return -1;
    if (n == t) return 0;
    if (n.startsWith(t)) return n.at(t.size()).isLetterOrNumber() ? 2 : 1;
    for (qsizetype at = n.indexOf(t, 1); at > 0; at = n.indexOf(t, at + 1)) {
        if (!n.at(at - 1).isLetterOrNumber()) return 3;
    }
    return n.contains(t) ? 4 : -1;
}

}  // namespace za
