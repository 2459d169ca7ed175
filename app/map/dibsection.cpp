#include "dibsection.h"

#include "mapresources.h"

#include <QFile>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <vector>

namespace za::app {

DWORD DibNumColors(const BITMAPINFOHEADER& h) {
    if (h.biClrUsed != 0) return h.biClrUsed;
    switch (h.biBitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

DWORD DibColorTableSize(const BITMAPINFOHEADER& h) { return DibNumColors(h) * sizeof(RGBQUAD); }

DWORD DibRowBytes(const BITMAPINFOHEADER& h) {
    return static_cast<DWORD>((static_cast<std::uint64_t>(h.biBitCount) * static_cast<DWORD>(h.biWidth) + 31) / 32 * 4);
}

DWORD DibUncompressedSize(const BITMAPINFOHEADER& h) {
    // In 64 bits: the most negative height has no positive counterpart in 32.
    const std::int64_t height = h.biHeight < 0 ? -static_cast<std::int64_t>(h.biHeight) : h.biHeight;
    return static_cast<DWORD>(DibRowBytes(h) * height);
}

DWORD DibImageSize(const BITMAPINFOHEADER& h) { return h.biSizeImage != 0 ? h.biSizeImage : DibUncompressedSize(h); }

CPalette PaletteFromColorTable(const BITMAPINFOHEADER& h) {
    CPalette palette;
    const auto* quads = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(&h) + h.biSize);
    const DWORD count = DibNumColors(h);
    palette.reserve(static_cast<qsizetype>(count));
    for (DWORD i = 0; i < count; ++i) palette.append(qRgb(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue));
    return palette;
}

std::size_t DecodeRle8(const BYTE* in, std::size_t inSize, BYTE* out, std::size_t outSize, std::size_t rowBytes) {
    std::size_t i = 0, o = 0;
    while (o < outSize && inSize - i >= 2) {
        const BYTE a = in[i], b = in[i + 1];
        i += 2;
        if (a > 0) {
            const std::size_t n = std::min<std::size_t>(a, outSize - o);
            std::memset(out + o, b, n);
            o += n;
        } else if (b == 0) {
            // End of line: the rest of the row is colour 0.
            if (rowBytes != 0 && o % rowBytes != 0) {
                const std::size_t n = std::min(rowBytes - o % rowBytes, outSize - o);
                std::memset(out + o, 0, n);
                o += n;
            }
        } else if (b == 1) {
            break;
        } else if (b == 2) {
            if (inSize - i < 2) break;
            const std::size_t skip = in[i] + static_cast<std::size_t>(in[i + 1]) * rowBytes;
            i += 2;
            if (skip > outSize - o) break;
            std::memset(out + o, 0, skip);
            o += skip;
        } else {
            // A literal block of b bytes, padded to an even count; one cut short by the end of
            // the input ends the data.
            const std::size_t available = std::min<std::size_t>(b, inSize - i);
            const std::size_t n = std::min(available, outSize - o);
            std::memcpy(out + o, in + i, n);
            o += n;
            if (available < b) break;
            i += b;
            if ((b & 1) != 0) {
                if (i == inSize) break;
                ++i;
            }
        }
    }
    return i;
}

void CDibSection::Release() {
    m_image = QImage();
    m_header.reset();
}

BOOL CDibSection::LoadResource(UINT id, const CPalette* palette) {
    Release();
    const QString path = MapResourcePath(id);
    if (path.isEmpty()) return FALSE;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return FALSE;
    const QByteArray data = file.readAll();
    if (data.size() < static_cast<qsizetype>(kBitmapFileHeaderSize) || !data.startsWith("BM")) return FALSE;
    return CreateFromPackedDib(reinterpret_cast<const BYTE*>(data.constData()) + kBitmapFileHeaderSize,
                               static_cast<std::size_t>(data.size()) - kBitmapFileHeaderSize, palette);
}

BOOL CDibSection::Create(const BYTE* header, std::size_t headerBytes, LONG width, LONG height, const CPalette* palette) {
    Release();
    BITMAPINFOHEADER h;
    std::memcpy(&h, header, sizeof h);
    if (h.biBitCount != 1 && h.biBitCount != 8) return FALSE;
    if (width <= 0 || height <= 0 || width > kMaxDibSide || height > kMaxDibSide) return FALSE;

    auto copy = std::make_unique<BYTE[]>(headerBytes);
    std::memcpy(copy.get(), header, headerBytes);
    h.biWidth = width;
    h.biHeight = height;
    h.biCompression = BI_RGB;
    h.biSizeImage = DibUncompressedSize(h);
    std::memcpy(copy.get(), &h, sizeof h);

    QImage image(width, height, h.biBitCount == 8 ? QImage::Format_Indexed8 : QImage::Format_Mono);
    if (image.isNull()) return FALSE;
    CPalette colours = palette ? *palette : PaletteFromColorTable(*reinterpret_cast<const BITMAPINFOHEADER*>(copy.get()));
    // Damaged pixel data may name any index: every one must have a colour.
    const qsizetype entries = h.biBitCount == 8 ? 256 : 2;
    if (colours.size() > entries) colours.resize(entries);
    while (colours.size() < entries) colours.append(qRgb(0, 0, 0));
    image.setColorTable(colours);
    image.fill(0);

    m_image = std::move(image);
    m_header = std::move(copy);
    return TRUE;
}

BOOL CDibSection::CreateFromPackedDib(const BYTE* dib, std::size_t size, const CPalette* palette) {
    Release();
    BITMAPINFOHEADER h;
    if (dib == nullptr || size < sizeof h) return FALSE;
    std::memcpy(&h, dib, sizeof h);
    if (h.biSize < sizeof h || h.biSize > size) return FALSE;
    if (h.biBitCount != 1 && h.biBitCount != 8) return FALSE;
    if (h.biCompression != BI_RGB && !(h.biCompression == BI_RLE8 && h.biBitCount == 8 && h.biHeight > 0)) return FALSE;
    if (h.biWidth <= 0 || h.biWidth > kMaxDibSide || h.biHeight == 0 || h.biHeight < -kMaxDibSide || h.biHeight > kMaxDibSide) {
        return FALSE;
    }
    if (DibNumColors(h) > (1u << h.biBitCount)) return FALSE;
    const std::size_t headerBytes = std::size_t{h.biSize} + DibColorTableSize(h);
    if (headerBytes > size) return FALSE;

    const bool topDown = h.biHeight < 0;
    const LONG height = topDown ? -h.biHeight : h.biHeight;
    if (!Create(dib, headerBytes, h.biWidth, height, palette)) return FALSE;

    const BYTE* pixels = dib + headerBytes;
    const std::size_t available = size - headerBytes;
    const std::size_t rowBytes = DibRowBytes(h);
    const std::size_t total = DibUncompressedSize(h);
    auto storedRow = [&](std::size_t r) {
        return m_image.scanLine(topDown ? static_cast<int>(r) : height - 1 - static_cast<int>(r));
    };
    if (h.biCompression == BI_RGB) {
        const std::size_t n = std::min({std::size_t{DibImageSize(h)}, total, available});
        for (std::size_t r = 0; r * rowBytes < n; ++r) {
            std::memcpy(storedRow(r), pixels + r * rowBytes, std::min(rowBytes, n - r * rowBytes));
        }
    } else {
        std::vector<BYTE> expanded(total, 0);
        DecodeRle8(pixels, available, expanded.data(), total, rowBytes);
        for (std::size_t r = 0; r < static_cast<std::size_t>(height); ++r) {
            std::memcpy(storedRow(r), expanded.data() + r * rowBytes, rowBytes);
        }
    }
    return TRUE;
}

BOOL CDibSection::CreateEmptyLike(const CDibSection& other, int width, int height) {
    if (!other.IsValid()) {
        Release();
        return FALSE;
    }
    const BITMAPINFOHEADER& h = *other.Header();
    const CPalette colours = other.m_image.colorTable();
    return Create(other.m_header.get(), h.biSize + DibColorTableSize(h), width, height, &colours);
}

QImage CDibSection::MonochromeMaskLike() const {
    if (m_image.isNull()) return {};
    QImage mask(m_image.size(), QImage::Format_Mono);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mask.fill(0);
    return mask;
}

void CDibSection::BlitToDevice(QPainter& painter, int x, int y, int width, int height) const {
    if (!m_image.isNull()) painter.drawImage(QRect(x, y, width, height), m_image);
}

void CDibSection::BlitInto(CDibSection& target) const {
    if (m_image.format() != QImage::Format_Indexed8 || target.m_image.format() != QImage::Format_Indexed8) return;
    const int width = std::min(Width(), target.Width());
    const int height = std::min(Height(), target.Height());
    uchar* out = target.m_image.bits();
    const qsizetype outStride = target.m_image.bytesPerLine();
    for (int y = 0; y < height; ++y) std::memcpy(out + y * outStride, m_image.constScanLine(y), static_cast<std::size_t>(width));
}

void CDibSection::MaskedBlitInto(CDibSection& target, const QImage& mask) const {
    if (m_image.format() != QImage::Format_Indexed8 || target.m_image.format() != QImage::Format_Indexed8 ||
        mask.format() != QImage::Format_Mono) {
        return;
    }
    const int width = std::min({Width(), target.Width(), mask.width()});
    const int height = std::min({Height(), target.Height(), mask.height()});
    uchar* out = target.m_image.bits();
    const qsizetype outStride = target.m_image.bytesPerLine();
    for (int y = 0; y < height; ++y) {
        const uchar* src = m_image.constScanLine(y);
        const uchar* bits = mask.constScanLine(y);  // most significant bit first
        uchar* dst = out + y * outStride;
        // Where all 8 pixels of a mask byte are set, one copy.
        auto copyByte = [&](int at, uchar m) {
            if (m == 0xFF) {
                std::memcpy(dst + at, src + at, 8);
            } else if (m != 0) {
                for (int b = 0; b < 8; ++b) {
                    if ((m & (0x80 >> b)) != 0) dst[at + b] = src[at + b];
                }
            }
        };
        int x = 0;
        // Whole mask words: all set or all clear are the common case inside and outside the
        // shading, so they take one copy or none.
        for (; x + 64 <= width; x += 64) {
            std::uint64_t word;
            std::memcpy(&word, bits + x / 8, sizeof word);
            if (word == ~std::uint64_t{0}) {
                std::memcpy(dst + x, src + x, 64);
            } else if (word != 0) {
                for (int k = 0; k < 8; ++k) copyByte(x + 8 * k, bits[x / 8 + k]);
            }
        }
        for (; x + 8 <= width; x += 8) copyByte(x, bits[x / 8]);
        for (; x < width; ++x) {
            if ((bits[x / 8] & (0x80 >> (x % 8))) != 0) dst[x] = src[x];
        }
    }
}

}  // namespace za::app
