// The profile's case-insensitive order of names (SQLite's collation ZANOCASE): ASCII folded and
// compared in place, since names are mostly ASCII; from the first byte beyond ASCII in either
// text, `beyond(i)` orders the rest of both. Without Qt, for zonaria-cli's own clock too.
#pragma once

namespace za::sql {

template <typename Beyond>
int CompareFoldingAscii(int lengthA, const unsigned char* a, int lengthB, const unsigned char* b, Beyond beyond) {
    const int n = lengthA < lengthB ? lengthA : lengthB;
    for (int i = 0; i < n; ++i) {
        unsigned char ca = a[i];
        unsigned char cb = b[i];
        if ((ca | cb) & 0x80) return beyond(i);
        if (ca >= 'A' && ca <= 'Z') ca = static_cast<unsigned char>(ca + 32);
        if (cb >= 'A' && cb <= 'Z') cb = static_cast<unsigned char>(cb + 32);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return lengthA == lengthB ? 0 : (lengthA < lengthB ? -1 : 1);
}

}  // namespace za::sql
