#include "searchtext.h"

namespace za::app {

QString Fold(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_Enclosing ||
            c.category() == QChar::Mark_SpacingCombining) {
            continue;
        }
        switch (c.unicode()) {
        case 0x00DF: out += QLatin1String("ss"); break;
        case 0x00D8: case 0x00F8: out += QLatin1Char('o'); break;
        case 0x00C6: case 0x00E6: out += QLatin1String("ae"); break;
        case 0x0141: case 0x0142: out += QLatin1Char('l'); break;
        case 0x0110: case 0x0111: out += QLatin1Char('d'); break;
        case 0x0131: out += QLatin1Char('i'); break;
        case 0x0152: case 0x0153: out += QLatin1String("oe"); break;
        case 0x00DE: case 0x00FE: out += QLatin1String("th"); break;
        default: out += c;
        }
    }
    return out.toCaseFolded();
}

QStringList SearchWords(const QString& text) {
    QStringList words;
    QString word;
    for (QChar c : Fold(text)) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty()) words << word;
    return words;
}

bool WordsMatch(const QStringList& entryWords, const QStringList& typedWords) {
    for (const QString& typed : typedWords) {
        bool found = false;
        for (const QString& w : entryWords) {
            if (w.startsWith(typed)) {
                found = true;
                break;
            }
        }
        if (!found) return false;
    }
    return true;
}

}  // namespace za::app
