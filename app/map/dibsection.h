// A small device-independent-bitmap toolkit for the world map: 8-bit palette images kept as
// QImage (Format_Indexed8 with the file's colour table), 1-bit masks (Format_Mono), a loader
// for packed DIBs with its own RLE8 decoder, and the plain and masked copies the composer
// uses. The map's images all share one colour table, so a copy is a copy of colour indices.
#pragma once

#include "wintypes.h"

#include <QImage>
#include <QList>

#include <cstddef>
#include <memory>

class QPainter;

namespace za::app {

// The information header of a packed DIB, little-endian, 40 bytes; a colour table of RGBQUADs
// follows it at biSize bytes from its start.
struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;  // positive: rows stored bottom row first
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40, "BITMAPINFOHEADER keeps the file layout");

struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};

constexpr DWORD BI_RGB = 0;
constexpr DWORD BI_RLE8 = 1;
// Bitmap files begin with this 14-byte header ("BM", file size, reserved, pixel offset); a
// resource holds the packed DIB that follows it.
constexpr std::size_t kBitmapFileHeaderSize = 14;

// The map's images refuse to grow past this in either direction: a damaged header must not
// make the loader ask for gigabytes.
constexpr LONG kMaxDibSide = 4096;

// Header arithmetic. Colours: biClrUsed when non-zero, else 2, 16 or 256 for 1, 4 or 8 bits
// per pixel and 0 for other depths. Image size: biSizeImage when non-zero, else rows of
// biBitCount × biWidth bits padded to 4 bytes, times |biHeight|.
DWORD DibNumColors(const BITMAPINFOHEADER& h);
DWORD DibColorTableSize(const BITMAPINFOHEADER& h);
DWORD DibRowBytes(const BITMAPINFOHEADER& h);
DWORD DibUncompressedSize(const BITMAPINFOHEADER& h);
DWORD DibImageSize(const BITMAPINFOHEADER& h);

// The palette of the map: one colour per entry of a header's colour table (red, green and
// blue from the blue-green-red-reserved quads, opaque). Empty when the table has no colours.
using CPalette = QList<QRgb>;
CPalette PaletteFromColorTable(const BITMAPINFOHEADER& h);

// Expands 8-bit run-length data into `out` (outSize bytes, rows of rowBytes, stored order) and
// returns the number of input bytes consumed. Codes: (n > 0, c) n pixels of c; (0, 0) end of
// line, zeros up to the next row start; (0, 1) end of bitmap; (0, 2, dx, dy) dx zeros and dy
// rows of zeros; (0, n ≥ 3) n literal bytes, padded to an even count. Data from a file may be
// damaged: a run or literal block that passes the end of `out` is cut there, a delta that
// passes it stops the decoding, and nothing past in[inSize - 1] is ever read. Pixels not
// written keep what `out` held.
std::size_t DecodeRle8(const BYTE* in, std::size_t inSize, BYTE* out, std::size_t outSize, std::size_t rowBytes);

// An 8-bit (or 1-bit) DIB section: its pixels as a QImage, top row first as Qt keeps them, and
// a copy of the header with its colour table, describing the pixels uncompressed.
class CDibSection {
public:
    CDibSection() = default;
    CDibSection(const CDibSection&) = delete;
    CDibSection& operator=(const CDibSection&) = delete;
    virtual ~CDibSection() = default;

    // TRUE when the object holds pixels and a header.
    BOOL IsValid() const { return !m_image.isNull() && m_header != nullptr; }
    void Release();

    // One of the map's bitmap resources by number (mapresources.h), as CreateFromPackedDib;
    // FALSE, and empty, when there is no such resource or it cannot be read.
    BOOL LoadResource(UINT id, const CPalette* palette = nullptr);
    // A packed DIB (header, colour table, pixels) of `size` bytes. 1 or 8 bits per pixel,
    // uncompressed or (8 bits) RLE8; rows bottom first or, uncompressed, top first with a
    // negative height. Pixels the data does not reach are colour 0. FALSE, and empty, for a
    // header that is short, inconsistent with `size`, of another depth or larger than
    // kMaxDibSide. With a palette given, the image takes its colours instead of the table's.
    BOOL CreateFromPackedDib(const BYTE* dib, std::size_t size, const CPalette* palette = nullptr);
    // A new image of width × height with the header and colour table of `other`, uncompressed;
    // its pixels are colour 0.
    BOOL CreateEmptyLike(const CDibSection& other, int width, int height);
    // A 1-bit mask as large as this image, all 0.
    QImage MonochromeMaskLike() const;

    // Draws the whole image, scaled to the destination rectangle (1:1 when the sizes agree).
    void BlitToDevice(QPainter& painter, int x, int y, int width, int height) const;
    // Copies the colour indices into `target` at (0, 0), as far as both reach. Both must be
    // 8-bit images with the same colour table (the map's are).
    void BlitInto(CDibSection& target) const;
    // The same, only where the 1-bit mask (at 0, 0) is set; elsewhere `target` keeps its pixels.
    void MaskedBlitInto(CDibSection& target, const QImage& mask) const;

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    const BITMAPINFOHEADER* Header() const { return reinterpret_cast<const BITMAPINFOHEADER*>(m_header.get()); }
    const QImage& Image() const { return m_image; }
    QImage& Image() { return m_image; }

private:
    BOOL Create(const BYTE* header, std::size_t headerBytes, LONG width, LONG height, const CPalette* palette);

    QImage m_image;
    // Header and colour table, with biCompression BI_RGB and the uncompressed size.
    std::unique_ptr<BYTE[]> m_header;
};

}  // namespace za::app
