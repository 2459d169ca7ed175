// Writes 8-bit palette images as bitmap files, uncompressed or run-length encoded (RLE8): the
// counterpart of the map's loader, which reads what this writes.
#pragma once

#include <QByteArray>
#include <QImage>

namespace za::mapgen {

// The RLE8 codes of an 8-bit image (Format_Indexed8), bottom row first: each row as runs of
// one colour (count, index) and literal blocks (0, count ≥ 3, bytes, a pad byte to an even
// count), closed by end of line (0, 0); the last row by end of bitmap (0, 1) after it.
QByteArray EncodeRle8(const QImage& image);

// A whole bitmap file ("BM" header, 40-byte information header, the image's colour table,
// pixels bottom row first), RLE8 when `rle`, else rows padded to 4 bytes.
QByteArray WriteBitmapFile(const QImage& image, bool rle);

}  // namespace za::mapgen
