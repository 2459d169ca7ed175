// What the city lists' search fields match by: text with case and accents set aside, split in
// words, and the rule that every typed word must begin a word of an entry.
#pragma once

#include <QString>
#include <QStringList>

namespace za::app {

// Case and accents set aside, as the city list's own look-ups do it.
QString Fold(const QString& text);
// The words of a text, folded: its runs of letters and digits.
QStringList SearchWords(const QString& text);
// Whether every typed word begins one of the entry's words (both from SearchWords). No typed
// words match every entry.
bool WordsMatch(const QStringList& entryWords, const QStringList& typedWords);

}  // namespace za::app
