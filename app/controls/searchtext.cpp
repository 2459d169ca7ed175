#include "searchtext.h"

#include "textfold.h"

namespace za::app {

QString Fold(const QString& text) { return za::FoldForSearch(text); }

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
