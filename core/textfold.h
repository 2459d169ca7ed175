// Folding of names for look-ups that ignore case and accents: a user who types "Sao Paulo",
// "Zurich" or "Reykjavik" finds "São Paulo", "Zürich" and "Reykjavík". Stored names keep their
// spelling; only the comparison folds.
#pragma once

#include <QString>

namespace za {

// The text decomposed (NFD), without its combining marks, case-folded, and with the letters
// that do not decompose written as their base letters: ß → ss, ø → o, æ → ae, ł → l, đ and
// ð → d, ı → i, œ → oe, þ → th. "Ærøskøbing" → "aeroskobing", "İzmir" → "izmir".
// Two names that fold alike cannot be told apart by a user choosing from a list.
QString FoldForSearch(const QString& text);

// Whether a text can be stored as a name or a code and read back intact in every list and line
// it is later shown in: no control characters (a tab or a line break splits a line of output),
// no format characters (U+202E and the other direction overrides turn the rest of a list
// around; zero-width characters make two names look alike), no line or paragraph separators,
// and no half of a surrogate pair (what a cut at a length limit can leave of an emoji).
bool IsStorableText(const QString& text);

// Whether a text holds nothing but white space (an empty text counts).
bool IsBlank(const QString& text);

// How well a city name matches typed text, both folded as above and with outer spaces set
// aside; the smaller the better: 0 the name itself ("London"), 1 the name's first words
// ("Chicago" in "Chicago, IL"), 2 the beginning of the name ("Lond" in "Londonderry"), 3 the
// beginning of a later word ("London" in "East London"), 4 anywhere inside; -1 no match
// (and for empty text). Choosers take the best, so Enter after "London" picks London.
int NameMatchRank(const QString& name, const QString& typed);

}  // namespace za
