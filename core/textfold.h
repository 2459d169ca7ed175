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

}  // namespace za
