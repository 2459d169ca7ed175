#include "bmpwriter.h"

#include <QtEndian>

#include <algorithm>

namespace za::mapgen {

namespace {

constexpr int kMaxCount = 255;

// Length of the run of equal bytes starting at row[i], at most kMaxCount.
int RunLength(const uchar* row, int i, int width) {
    int n = 1;
    while (i + n < width && n < kMaxCount && row[i + n] == row[i]) ++n;
    return n;
}

void EncodeRow(const uchar* row, int width, QByteArray& out) {
    int i = 0;
    while (i < width) {
        const int run = RunLength(row, i, width);
        if (run >= 3) {
            out.append(static_cast<char>(run)).append(static_cast<char>(row[i]));
            i += run;
            continue;
        }
        // A literal block lasts until a run of three or more begins: a pair inside it costs
        // no more than as a run, and splitting the block would cost a header.
        int j = i;
        while (j < width && j - i < kMaxCount && RunLength(row, j, width) < 3) ++j;
        const int n = j - i;
        if (n >= 3) {
            out.append('\0').append(static_cast<char>(n));
            out.append(reinterpret_cast<const char*>(row + i), n);
            if (n % 2 != 0) out.append('\0');
        } else {
            // One or two pixels cannot form a literal block (0, 1 and 2 are escape codes).
            for (int k = i; k < j; ++k) out.append('\1').append(static_cast<char>(row[k]));
        }
        i = j;
    }
    out.append('\0').append('\0');
}

void PutWord(QByteArray& out, quint16 v) {
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void PutDword(QByteArray& out, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

}  // namespace

QByteArray EncodeRle8(const QImage& image) {
    QByteArray out;
    for (int y = image.height() - 1; y >= 0; --y) EncodeRow(image.constScanLine(y), image.width(), out);
    out.append('\0').append('\1');
    return out;
}

QByteArray WriteBitmapFile(const QImage& image, bool rle) {
    const int rowBytes = (image.width() + 3) / 4 * 4;
    QByteArray pixels;
    if (rle) {
        pixels = EncodeRle8(image);
    } else {
        for (int y = image.height() - 1; y >= 0; --y) {
            pixels.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width());
            pixels.append(rowBytes - image.width(), '\0');
        }
    }
    const QList<QRgb> table = image.colorTable();
    const quint32 headerBytes = 14 + 40 + 4 * static_cast<quint32>(table.size());

    QByteArray file;
    file.append("BM");
    PutDword(file, headerBytes + static_cast<quint32>(pixels.size()));
    PutDword(file, 0);
    PutDword(file, headerBytes);
    PutDword(file, 40);
    PutDword(file, static_cast<quint32>(image.width()));
    PutDword(file, static_cast<quint32>(image.height()));
    PutWord(file, 1);
    PutWord(file, 8);
    PutDword(file, rle ? 1 : 0);
    PutDword(file, static_cast<quint32>(pixels.size()));
    PutDword(file, 2835);  // 72 dots per inch
    PutDword(file, 2835);
    PutDword(file, static_cast<quint32>(table.size()));
    PutDword(file, 0);
    for (QRgb c : table) {
        file.append(static_cast<char>(qBlue(c))).append(static_cast<char>(qGreen(c)));
        file.append(static_cast<char>(qRed(c))).append('\0');
    }
    file.append(pixels);
    return file;
}

}  // namespace za::mapgen
