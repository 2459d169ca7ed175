// libFuzzer target: the map's bitmap loader and its RLE8 decoder on any bytes. A fault here is
// a read past the input, a write past the image or a refused size that was allocated anyway.
#include "dibsection.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using namespace za::app;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CDibSection dib;
    if (dib.CreateFromPackedDib(data, size) && (dib.Width() > kMaxDibSide || dib.Height() > kMaxDibSide)) __builtin_trap();

    // The decoder alone, into a small image whose shape the first two bytes choose.
    if (size >= 2) {
        const std::size_t rowBytes = 1 + data[0] % 64, rows = 1 + data[1] % 64;
        std::vector<BYTE> out(rowBytes * rows);
        if (DecodeRle8(data + 2, size - 2, out.data(), out.size(), rowBytes) > size - 2) __builtin_trap();
    }
    return 0;
}
