// FNV-1a, 64 bits (http://www.isthe.com/chongo/tech/comp/fnv/): the check sum of the caches
// beside the profile, so that a damaged or half-written entry is refused rather than believed.
// Not a defence against anyone who writes the profile's folder.
#pragma once

#include <cstddef>
#include <cstdint>

namespace za {

inline std::uint64_t Fnv1a(const char* bytes, std::size_t size) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= static_cast<unsigned char>(bytes[i]);
        hash *= 1099511628211ULL;
    }
    return hash;
}

}  // namespace za
