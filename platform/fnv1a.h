// FNV-1a, 64 bits (http://www.isthe.com/chongo/tech/comp/fnv/): the check sum of the caches
// beside the profile, so that a damaged or half-written entry is refused rather than believed.
// Not a defence against anyone who writes the profile's folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace za {

inline std::uint64_t Fnv1a(const char* bytes, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= static_cast<unsigned char>(bytes[i]);
        hash *= 1099511628211ULL;
    }
    return hash;
}

// The same step over 64-bit words in the machine's order, then the bytes left over: an eighth
// of the work, for a file read whole at every start of a short command and never carried to
// another machine.
inline std::uint64_t Fnv1aWords(const char* bytes, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ULL;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes + i, 8);
        hash ^= word;
        hash *= 1099511628211ULL;
    }
    for (; i < size; ++i) {
        hash ^= static_cast<unsigned char>(bytes[i]);
        hash *= 1099511628211ULL;
    }
    return hash;
}

}  // namespace za
