#include "bmpwriter.h"
#include "dibsection.h"
#include "mapresources.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace za::app;

namespace {

using Bytes = std::vector<BYTE>;

// A packed DIB: the header, `colours` grey entries, then `pixels`.
Bytes PackedDib(LONG width, LONG height, WORD bitCount, DWORD compression, DWORD colours, const Bytes& pixels) {
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = bitCount;
    h.biCompression = compression;
    h.biSizeImage = compression == BI_RGB ? 0 : static_cast<DWORD>(pixels.size());
    h.biClrUsed = colours;
    Bytes dib(sizeof h);
    std::memcpy(dib.data(), &h, sizeof h);
    for (DWORD i = 0; i < colours; ++i) {
        const BYTE v = static_cast<BYTE>(i * 10);
        dib.insert(dib.end(), {v, static_cast<BYTE>(v + 1), static_cast<BYTE>(v + 2), 0});
    }
    dib.insert(dib.end(), pixels.begin(), pixels.end());
    return dib;
}

// The image's colour indices, top row first.
Bytes Indices(const QImage& image) {
    Bytes out;
    for (int y = 0; y < image.height(); ++y) out.insert(out.end(), image.constScanLine(y), image.constScanLine(y) + image.width());
    return out;
}

QByteArray ReadResource(UINT id) {
    QFile file(MapResourcePath(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<UINT> ShippedImages() {
    std::vector<UINT> ids{IDB_ZOOMOUT};
    for (const MapImageSet& set : kMapImageSets) ids.insert(ids.end(), {set.day, set.night, set.twilight});
    return ids;
}

}  // namespace

TEST(DibHeader, ColoursAndImageSize) {
    struct Row {
        const char* name;
        WORD bitCount;
        LONG width, height;
        DWORD clrUsed, sizeImage;
        DWORD colours, imageSize;
    };
    const Row rows[] = {
        {"8 bits, full table", 8, 240, 150, 0, 0, 256, 240 * 150},
        {"8 bits, colours used", 8, 240, 150, 237, 0, 237, 240 * 150},
        {"size field wins", 8, 240, 150, 0, 1234, 256, 1234},
        {"8-bit rows padded to 4 bytes", 8, 3, 2, 0, 0, 256, 8},
        {"1 bit", 1, 33, 2, 0, 0, 2, 16},
        {"4 bits", 4, 9, 1, 0, 0, 16, 8},
        {"24 bits have no table", 24, 2, 2, 0, 0, 0, 16},
        {"bottom-up or top-down, same size", 8, 28, -28, 0, 0, 256, 28 * 28},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BITMAPINFOHEADER h{};
        h.biSize = sizeof h;
        h.biWidth = row.width;
        h.biHeight = row.height;
        h.biBitCount = row.bitCount;
        h.biClrUsed = row.clrUsed;
        h.biSizeImage = row.sizeImage;
        EXPECT_EQ(row.colours, DibNumColors(h));
        EXPECT_EQ(row.colours * 4, DibColorTableSize(h));
        EXPECT_EQ(row.imageSize, DibImageSize(h));
    }
}

TEST(Rle8Decoder, EachCode) {
    // Rows of 4 bytes, 3 rows; 0xEE marks a pixel the data did not write.
    struct Row {
        const char* name;
        Bytes in;
        Bytes out;
        std::size_t consumed;
    };
    const BYTE E = 0xEE;
    const Row rows[] = {
        {"run", {3, 7, 0, 1}, {7, 7, 7, E, E, E, E, E, E, E, E, E}, 4},
        {"run across a row end", {6, 5, 0, 1}, {5, 5, 5, 5, 5, 5, E, E, E, E, E, E}, 4},
        {"end of line pads the row with 0", {1, 9, 0, 0, 2, 8, 0, 1}, {9, 0, 0, 0, 8, 8, E, E, E, E, E, E}, 8},
        {"end of line at a row start does nothing", {4, 9, 0, 0, 1, 8, 0, 1}, {9, 9, 9, 9, 8, E, E, E, E, E, E, E}, 8},
        {"end of bitmap stops", {1, 9, 0, 1, 5, 5}, {9, E, E, E, E, E, E, E, E, E, E, E}, 4},
        {"delta writes dx and dy rows of 0", {1, 9, 0, 2, 2, 1, 1, 8, 0, 1}, {9, 0, 0, 0, 0, 0, 0, 8, E, E, E, E}, 10},
        {"literal, odd count padded", {0, 3, 1, 2, 3, 0, 1, 4, 0, 1}, {1, 2, 3, 4, E, E, E, E, E, E, E, E}, 10},
        {"literal, even count", {0, 4, 1, 2, 3, 4, 1, 5, 0, 1}, {1, 2, 3, 4, 5, E, E, E, E, E, E, E}, 10},
        // Damaged data.
        {"run cut at the end of the output", {200, 6}, {6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6}, 2},
        {"literal cut at the end of the output", {11, 1, 0, 5, 1, 2, 3, 4, 5, 0}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 10},
        {"delta past the end stops", {2, 3, 0, 2, 0, 3, 4, 4}, {3, 3, E, E, E, E, E, E, E, E, E, E}, 6},
        {"delta exactly to the end", {2, 3, 0, 2, 2, 2}, {3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 6},
        {"delta without its two bytes", {2, 3, 0, 2, 1}, {3, 3, E, E, E, E, E, E, E, E, E, E}, 4},
        {"literal longer than the input", {0, 9, 1, 2, 3}, {1, 2, 3, E, E, E, E, E, E, E, E, E}, 2},
        {"odd literal without its pad", {0, 3, 1, 2, 3}, {1, 2, 3, E, E, E, E, E, E, E, E, E}, 5},
        {"odd byte left over", {2, 4, 7}, {4, 4, E, E, E, E, E, E, E, E, E, E}, 2},
        {"nothing", {}, {E, E, E, E, E, E, E, E, E, E, E, E}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // The input sits at the end of its own allocation, so a read past it is caught by the
        // address sanitizer in the fuzzing build.
        std::unique_ptr<BYTE[]> in(new BYTE[row.in.size()]);
        if (!row.in.empty()) std::memcpy(in.get(), row.in.data(), row.in.size());
        Bytes out(12, E);
        EXPECT_EQ(row.consumed, DecodeRle8(in.get(), row.in.size(), out.data(), out.size(), 4));
        EXPECT_EQ(row.out, out);
    }
}

TEST(Rle8Decoder, UndoesTheEncoder) {
    // Images mixing long runs, short runs and noise, of widths that are and are not a
    // multiple of 4, and one line longer than a run can count.
    std::mt19937 random(17);
    for (const QSize size : {QSize(240, 150), QSize(7, 5), QSize(600, 3), QSize(1, 1)}) {
        SCOPED_TRACE(size.width());
        QImage image(size, QImage::Format_Indexed8);
        image.setColorCount(256);
        for (int y = 0; y < size.height(); ++y) {
            uchar* line = image.scanLine(y);
            for (int x = 0; x < size.width();) {
                const int run = std::uniform_int_distribution<int>(1, random() % 4 == 0 ? 400 : 3)(random);
                const uchar colour = static_cast<uchar>(random() % 5 == 0 ? 0 : random());
                for (int i = 0; i < run && x < size.width(); ++i) line[x++] = colour;
            }
        }
        const QByteArray rle = za::mapgen::EncodeRle8(image);
        const std::size_t rowBytes = (static_cast<std::size_t>(size.width()) + 3) / 4 * 4;
        Bytes out(rowBytes * static_cast<std::size_t>(size.height()), 0xEE);
        DecodeRle8(reinterpret_cast<const BYTE*>(rle.constData()), static_cast<std::size_t>(rle.size()), out.data(), out.size(), rowBytes);
        for (int y = 0; y < size.height(); ++y) {
            const BYTE* stored = out.data() + (size.height() - 1 - y) * rowBytes;
            ASSERT_EQ(0, std::memcmp(stored, image.constScanLine(y), static_cast<std::size_t>(size.width()))) << "row " << y;
            // Row padding is written by the end-of-line code.
            for (std::size_t x = static_cast<std::size_t>(size.width()); x < rowBytes; ++x) ASSERT_EQ(0, stored[x]);
        }
    }
}

TEST(DibSection, ShippedImagesMatchQtsReaderAndTheEncoder) {
    for (UINT id : ShippedImages()) {
        SCOPED_TRACE(MapResourcePath(id).toStdString());
        CDibSection dib;
        ASSERT_TRUE(dib.LoadResource(id));
        // Qt's own bitmap reader, an independent decoder.
        QByteArray file = ReadResource(id);
        QBuffer buffer(&file);
        QImageReader reader(&buffer, "bmp");
        const QImage qt = reader.read();
        ASSERT_FALSE(qt.isNull()) << reader.errorString().toStdString();
        ASSERT_EQ(QImage::Format_Indexed8, qt.format());
        ASSERT_EQ(qt.size(), dib.Image().size());
        EXPECT_EQ(Indices(qt), Indices(dib.Image()));
        EXPECT_EQ(qt.colorTable(), dib.Image().colorTable().mid(0, qt.colorCount()));
        // Written by the encoder, and written again the same from what the loader read.
        QImage again = dib.Image();
        again.setColorTable(qt.colorTable());
        DWORD compression = 0;
        std::memcpy(&compression, file.constData() + kBitmapFileHeaderSize + offsetof(BITMAPINFOHEADER, biCompression), sizeof compression);
        const bool rle = compression == BI_RLE8;
        EXPECT_EQ(id != IDB_ZOOMOUT, rle);
        EXPECT_TRUE(file == za::mapgen::WriteBitmapFile(again, rle));
    }
}

TEST(DibSection, CreateFromPackedDib) {
    // 5 × 2, 8 bits: rows padded to 8 bytes, stored bottom row first.
    const Bytes uncompressed{1, 2, 3, 4, 5, 0, 0, 0, 6, 7, 8, 9, 10, 0, 0, 0};
    const Bytes topRowFirst{6, 7, 8, 9, 10, 1, 2, 3, 4, 5};
    struct Row {
        const char* name;
        Bytes dib;
        Bytes indices;  // top row first
    };
    const Row rows[] = {
        {"uncompressed, bottom-up", PackedDib(5, 2, 8, BI_RGB, 11, uncompressed), topRowFirst},
        {"uncompressed, top-down", PackedDib(5, -2, 8, BI_RGB, 11, {6, 7, 8, 9, 10, 0, 0, 0, 1, 2, 3, 4, 5, 0, 0, 0}), topRowFirst},
        {"RLE8", PackedDib(5, 2, 8, BI_RLE8, 11, {0, 5, 1, 2, 3, 4, 5, 0, 0, 0, 0, 5, 6, 7, 8, 9, 10, 0, 0, 0, 0, 1}), topRowFirst},
        {"RLE8 ending early: the rest is colour 0", PackedDib(5, 2, 8, BI_RLE8, 11, {2, 4}), {0, 0, 0, 0, 0, 4, 4, 0, 0, 0}},
        {"uncompressed, short: the rest is colour 0", PackedDib(5, 2, 8, BI_RGB, 11, {1, 2, 3}), {0, 0, 0, 0, 0, 1, 2, 3, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CDibSection dib;
        ASSERT_TRUE(dib.CreateFromPackedDib(row.dib.data(), row.dib.size()));
        ASSERT_TRUE(dib.IsValid());
        EXPECT_EQ(QSize(5, 2), dib.Image().size());
        EXPECT_EQ(row.indices, Indices(dib.Image()));
        // The colour table from the quads (blue, green, red), and the header now describes
        // the pixels uncompressed.
        EXPECT_EQ(qRgb(32, 31, 30), dib.Image().color(3));
        EXPECT_EQ(BI_RGB, dib.Header()->biCompression);
        EXPECT_EQ(16u, dib.Header()->biSizeImage);
        EXPECT_EQ(11u, dib.Header()->biClrUsed);
        EXPECT_EQ(11, PaletteFromColorTable(*dib.Header()).size());
    }
}

TEST(DibSection, RefusesDamagedHeaders) {
    const Bytes pixels(16, 1);
    auto with = [&](auto change) {
        Bytes dib = PackedDib(5, 2, 8, BI_RGB, 4, pixels);
        BITMAPINFOHEADER h;
        std::memcpy(&h, dib.data(), sizeof h);
        change(h, dib);
        std::memcpy(dib.data(), &h, sizeof h);
        return dib;
    };
    struct Row {
        const char* name;
        Bytes dib;
    };
    const Row rows[] = {
        {"shorter than a header", Bytes(39, 0)},
        {"header size past the data", with([](BITMAPINFOHEADER& h, Bytes&) { h.biSize = 4000; })},
        {"header size too small", with([](BITMAPINFOHEADER& h, Bytes&) { h.biSize = 12; })},
        {"colour table past the data", with([](BITMAPINFOHEADER& h, Bytes& d) { h.biClrUsed = 256; d.resize(40 + 100); })},
        {"more colours than 8 bits", with([](BITMAPINFOHEADER& h, Bytes&) { h.biClrUsed = 300; })},
        {"24 bits per pixel", with([](BITMAPINFOHEADER& h, Bytes&) { h.biBitCount = 24; h.biClrUsed = 0; })},
        {"4-bit run-length encoding", with([](BITMAPINFOHEADER& h, Bytes&) { h.biCompression = 2; })},
        {"RLE8 stored top-down", with([](BITMAPINFOHEADER& h, Bytes&) { h.biCompression = BI_RLE8; h.biHeight = -2; })},
        {"width 0", with([](BITMAPINFOHEADER& h, Bytes&) { h.biWidth = 0; })},
        {"height 0", with([](BITMAPINFOHEADER& h, Bytes&) { h.biHeight = 0; })},
        {"negative width", with([](BITMAPINFOHEADER& h, Bytes&) { h.biWidth = -5; })},
        {"huge width", with([](BITMAPINFOHEADER& h, Bytes&) { h.biWidth = 0x7FFFFFFF; })},
        {"huge height", with([](BITMAPINFOHEADER& h, Bytes&) { h.biHeight = -0x7FFFFFFF - 1; })},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CDibSection dib;
        // A previous image goes even when the new one is refused.
        ASSERT_TRUE(dib.LoadResource(IDB_ZOOMOUT));
        EXPECT_FALSE(dib.CreateFromPackedDib(row.dib.data(), row.dib.size()));
        EXPECT_FALSE(dib.IsValid());
        EXPECT_TRUE(dib.Image().isNull());
    }
    CDibSection dib;
    EXPECT_FALSE(dib.LoadResource(999));
    EXPECT_FALSE(dib.CreateFromPackedDib(nullptr, 100));
}

TEST(DibSection, OneBitAndEmptyLike) {
    // 1-bit, 10 × 1: the row padded to 4 bytes.
    const Bytes mono = PackedDib(10, 1, 1, BI_RGB, 2, {0xA5, 0xC0, 0, 0});
    CDibSection dib;
    ASSERT_TRUE(dib.CreateFromPackedDib(mono.data(), mono.size()));
    EXPECT_EQ(QImage::Format_Mono, dib.Image().format());
    EXPECT_EQ(0xA5, dib.Image().constScanLine(0)[0]);
    EXPECT_EQ(0xC0, dib.Image().constScanLine(0)[1]);

    CDibSection day;
    ASSERT_TRUE(day.LoadResource(IDB_MAPDAY));
    CDibSection like;
    ASSERT_TRUE(like.CreateEmptyLike(day, 17, 9));
    EXPECT_EQ(QSize(17, 9), like.Image().size());
    EXPECT_EQ(day.Image().colorTable(), like.Image().colorTable());
    EXPECT_EQ(BI_RGB, like.Header()->biCompression);
    EXPECT_EQ(20u * 9u, like.Header()->biSizeImage);
    EXPECT_EQ(Bytes(17 * 9, 0), Indices(like.Image()));

    const QImage mask = day.MonochromeMaskLike();
    EXPECT_EQ(QImage::Format_Mono, mask.format());
    EXPECT_EQ(QSize(240, 150), mask.size());
    EXPECT_EQ(0, mask.pixelIndex(100, 100));

    CDibSection empty;
    EXPECT_FALSE(like.CreateEmptyLike(empty, 4, 4));
    EXPECT_FALSE(like.IsValid());
}

TEST(DibSection, PlainAndMaskedBlits) {
    // 141 wide: whole 64-pixel mask words, single bytes and a partial byte at the row's end.
    constexpr int kWidth = 141;
    auto filled = [](int height, uchar base) {
        Bytes pixels;
        const int rowBytes = (kWidth + 3) / 4 * 4;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < rowBytes; ++x) pixels.push_back(static_cast<BYTE>(base + y * 16 + x));
        }
        return PackedDib(kWidth, height, 8, BI_RGB, 256, pixels);
    };
    const Bytes a = filled(4, 0), b = filled(4, 100);
    CDibSection source, target;
    ASSERT_TRUE(source.CreateFromPackedDib(a.data(), a.size()));
    ASSERT_TRUE(target.CreateFromPackedDib(b.data(), b.size()));
    const QImage before = target.Image().copy();

    // Row 0 all set, row 1 random, row 2 clear but for single pixels, row 3 clear.
    QImage mask = source.MonochromeMaskLike();
    std::mt19937 random(3);
    for (int x = 0; x < kWidth; ++x) {
        mask.setPixel(x, 0, 1);
        mask.setPixel(x, 1, random() % 2);
    }
    for (int x : {0, 63, 64, 71, 128, 140}) mask.setPixel(x, 2, 1);
    source.MaskedBlitInto(target, mask);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool set = mask.pixelIndex(x, y) == 1;
            ASSERT_EQ(set ? source.Image().pixelIndex(x, y) : before.pixelIndex(x, y), target.Image().pixelIndex(x, y)) << x << "," << y;
        }
    }
    source.BlitInto(target);
    EXPECT_EQ(Indices(source.Image()), Indices(target.Image()));

    // A smaller target takes what fits, from (0, 0).
    CDibSection small;
    ASSERT_TRUE(small.CreateEmptyLike(source, 4, 2));
    source.BlitInto(small);
    EXPECT_EQ(source.Image().copy(0, 0, 4, 2).pixelIndex(3, 1), small.Image().pixelIndex(3, 1));
}

// Inputs kept from fuzzing the loader (fuzz/corpus) go through it again with every test run.
TEST(DibSection, FuzzCorpusReplays) {
    const QDir corpus(QStringLiteral(ZONARIA_FUZZ_CORPUS));
    const QStringList files = corpus.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        CDibSection dib;
        const BOOL loaded = dib.CreateFromPackedDib(reinterpret_cast<const BYTE*>(data.constData()), static_cast<std::size_t>(data.size()));
        EXPECT_EQ(loaded, dib.IsValid());
        if (loaded) {
            EXPECT_LE(dib.Width(), kMaxDibSide);
            EXPECT_LE(dib.Height(), kMaxDibSide);
        }
    }
}
