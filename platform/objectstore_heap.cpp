// The handheld's local heap, which the buffers of record reads come from: LocalAlloc and its
// kin over malloc. Each block carries its size in front, so a reallocation can zero what it
// adds, as LMEM_ZEROINIT asks.
#include "objectstore.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {
constexpr std::size_t kHeader = alignof(std::max_align_t);
}

BYTE* LocalAlloc(UINT flags, std::size_t bytes) {
    auto* block = static_cast<BYTE*>((flags & LMEM_ZEROINIT) ? std::calloc(1, kHeader + bytes)
                                                             : std::malloc(kHeader + bytes));
    if (!block) return nullptr;
    std::memcpy(block, &bytes, sizeof bytes);
    return block + kHeader;
}

BYTE* LocalReAlloc(BYTE* memory, std::size_t bytes, UINT flags) {
    if (!memory) return LocalAlloc(flags, bytes);
    BYTE* block = memory - kHeader;
    std::size_t old = 0;
    std::memcpy(&old, block, sizeof old);
    auto* grown = static_cast<BYTE*>(std::realloc(block, kHeader + bytes));
    if (!grown) return nullptr;
    std::memcpy(grown, &bytes, sizeof bytes);
    if ((flags & LMEM_ZEROINIT) && bytes > old) std::memset(grown + kHeader + old, 0, bytes - old);
    return grown + kHeader;
}

BYTE* LocalFree(BYTE* memory) {
    if (memory) std::free(memory - kHeader);
    return nullptr;
}
