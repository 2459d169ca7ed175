// Makes the world map's images (app/res/map) from NASA's Earth by day and by night: for every
// size the map uses, the day image, the night image (the day darkened with the city lights
// over it) and the twilight image (halfway between), quantised together to one colour table
// and written as RLE8 bitmaps; and the 28 × 28 zoom-out button. Run by hand (see README.md).
#include "bmpwriter.h"
#include "mapresources.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace za::app;

namespace {

using za::mapgen::WriteBitmapFile;

// How dark the night side is, per channel: moonless land and sea keep a little of their
// colour, shifted toward blue so the night reads as night and not as a dimmed day.
constexpr double kNightRed = 0.13, kNightGreen = 0.16, kNightBlue = 0.27;
// The city lights are added on top, a little brighter than the source so that they survive
// the reduction to small sizes.
constexpr double kLightsGain = 1.35;
// Twilight lies halfway between day and night.
constexpr double kTwilight = 0.5;

int Clamp255(double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); }

QImage Night(const QImage& day, const QImage& lights) {
    QImage night(day.size(), QImage::Format_RGB32);
    for (int y = 0; y < day.height(); ++y) {
        const auto* d = reinterpret_cast<const QRgb*>(day.constScanLine(y));
        const auto* l = reinterpret_cast<const QRgb*>(lights.constScanLine(y));
        auto* n = reinterpret_cast<QRgb*>(night.scanLine(y));
        for (int x = 0; x < day.width(); ++x) {
            n[x] = qRgb(Clamp255(qRed(d[x]) * kNightRed + qRed(l[x]) * kLightsGain),
                        Clamp255(qGreen(d[x]) * kNightGreen + qGreen(l[x]) * kLightsGain),
                        Clamp255(qBlue(d[x]) * kNightBlue + qBlue(l[x]) * kLightsGain));
        }
    }
    return night;
}

QImage Blend(const QImage& a, const QImage& b, double t) {
    QImage out(a.size(), QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            o[x] = qRgb(Clamp255(qRed(pa[x]) * (1 - t) + qRed(pb[x]) * t),
                        Clamp255(qGreen(pa[x]) * (1 - t) + qGreen(pb[x]) * t),
                        Clamp255(qBlue(pa[x]) * (1 - t) + qBlue(pb[x]) * t));
        }
    }
    return out;
}

// Colour distance: green weighs most, red least, roughly as the eye sees differences.
constexpr double kWeights[3] = {2.0, 4.0, 3.0};

struct Colour {
    double c[3];
};

double Distance(const Colour& a, const Colour& b) {
    double d = 0;
    for (int k = 0; k < 3; ++k) d += kWeights[k] * (a.c[k] - b.c[k]) * (a.c[k] - b.c[k]);
    return d;
}

// One colour table for several images: median cut over a 6-bit-per-channel histogram of all
// their pixels, refined by k-means (Lloyd's iterations) on the histogram's cell means.
class Quantiser {
public:
    explicit Quantiser(const std::vector<QImage>& images) : m_cells(1 << 18) {
        for (const QImage& image : images) {
            for (int y = 0; y < image.height(); ++y) {
                const auto* p = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    Cell& cell = m_cells[CellOf(p[x])];
                    cell.sum[0] += qRed(p[x]);
                    cell.sum[1] += qGreen(p[x]);
                    cell.sum[2] += qBlue(p[x]);
                    ++cell.count;
                }
            }
        }
        for (int i = 0; i < static_cast<int>(m_cells.size()); ++i) {
            if (m_cells[i].count > 0) m_used.push_back(i);
        }
    }

    std::vector<Colour> Palette(int colours, int iterations) {
        std::vector<Colour> palette = MedianCut(colours);
        std::vector<int> nearest(m_cells.size(), 0);
        for (int it = 0; it < iterations; ++it) {
            std::vector<std::array<double, 4>> sums(palette.size(), {0, 0, 0, 0});
            for (int i : m_used) {
                const Cell& cell = m_cells[i];
                nearest[i] = Nearest(palette, Mean(cell));
                for (int k = 0; k < 3; ++k) sums[nearest[i]][k] += cell.sum[k];
                sums[nearest[i]][3] += cell.count;
            }
            for (std::size_t p = 0; p < palette.size(); ++p) {
                if (sums[p][3] > 0) {
                    for (int k = 0; k < 3; ++k) palette[p].c[k] = sums[p][k] / sums[p][3];
                }
            }
        }
        for (Colour& c : palette) {
            for (double& v : c.c) v = std::round(v);
        }
        // Darkest first: index 0 is what a damaged or short image shows, and a dark grey is
        // the least surprising colour for it.
        std::sort(palette.begin(), palette.end(), [](const Colour& a, const Colour& b) { return Luma(a) < Luma(b); });
        return palette;
    }

    static int Nearest(const std::vector<Colour>& palette, const Colour& c) {
        int best = 0;
        double bestDistance = Distance(palette[0], c);
        for (int p = 1; p < static_cast<int>(palette.size()); ++p) {
            const double d = Distance(palette[p], c);
            if (d < bestDistance) {
                bestDistance = d;
                best = p;
            }
        }
        return best;
    }

    static int CellOf(QRgb c) { return (qRed(c) >> 2) << 12 | (qGreen(c) >> 2) << 6 | qBlue(c) >> 2; }

private:
    struct Cell {
        double sum[3] = {0, 0, 0};
        double count = 0;
    };
    struct Box {
        std::vector<int> cells;
        double count = 0;
        double score = 0;  // how much splitting it would gain: pixels × squared extent
        int axis = 0;
    };

    static Colour Mean(const Cell& cell) {
        return {{cell.sum[0] / cell.count, cell.sum[1] / cell.count, cell.sum[2] / cell.count}};
    }
    static double Luma(const Colour& c) { return 0.299 * c.c[0] + 0.587 * c.c[1] + 0.114 * c.c[2]; }

    void Measure(Box& box) const {
        double lo[3] = {1e9, 1e9, 1e9}, hi[3] = {-1, -1, -1};
        box.count = 0;
        for (int i : box.cells) {
            const Colour c = Mean(m_cells[i]);
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], c.c[k]);
                hi[k] = std::max(hi[k], c.c[k]);
            }
            box.count += m_cells[i].count;
        }
        double widest = -1;
        for (int k = 0; k < 3; ++k) {
            const double extent = (hi[k] - lo[k]) * std::sqrt(kWeights[k]);
            if (extent > widest) {
                widest = extent;
                box.axis = k;
            }
        }
        box.score = box.cells.size() < 2 ? 0 : std::sqrt(box.count) * widest * widest;
    }

    std::vector<Colour> MedianCut(int colours) {
        std::vector<Box> boxes(1);
        boxes[0].cells = m_used;
        Measure(boxes[0]);
        while (static_cast<int>(boxes.size()) < colours) {
            auto it = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.score < b.score; });
            if (it->score <= 0) break;
            Box box = std::move(*it);
            boxes.erase(it);
            const int axis = box.axis;
            std::sort(box.cells.begin(), box.cells.end(),
                      [&](int a, int b) { return Mean(m_cells[a]).c[axis] < Mean(m_cells[b]).c[axis]; });
            // Split at the pixel-weighted median.
            double seen = 0;
            std::size_t cut = 1;
            for (; cut < box.cells.size() - 1; ++cut) {
                seen += m_cells[box.cells[cut - 1]].count;
                if (seen >= box.count / 2) break;
            }
            Box low, high;
            low.cells.assign(box.cells.begin(), box.cells.begin() + static_cast<long>(cut));
            high.cells.assign(box.cells.begin() + static_cast<long>(cut), box.cells.end());
            Measure(low);
            Measure(high);
            boxes.push_back(std::move(low));
            boxes.push_back(std::move(high));
        }
        std::vector<Colour> palette;
        for (const Box& box : boxes) {
            Colour sum{{0, 0, 0}};
            for (int i : box.cells) {
                for (int k = 0; k < 3; ++k) sum.c[k] += m_cells[i].sum[k];
            }
            for (double& v : sum.c) v /= box.count;
            palette.push_back(sum);
        }
        return palette;
    }

    std::vector<Cell> m_cells;
    std::vector<int> m_used;
};

// Maps an image to the palette; with `dither` > 0 a share of each pixel's error is carried to
// its neighbours (Floyd–Steinberg). Each pixel takes the colour nearest to it exactly, found
// once per 6-bit cell of the colours it meets and then remembered.
QImage ToIndexed(const QImage& image, const std::vector<Colour>& palette, double dither) {
    QImage out(image.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (const Colour& c : palette) table.append(qRgb(static_cast<int>(c.c[0]), static_cast<int>(c.c[1]), static_cast<int>(c.c[2])));
    out.setColorTable(table);
    std::vector<std::array<double, 3>> error(static_cast<std::size_t>(image.width() + 2) * 2, {0, 0, 0});
    const std::size_t stride = static_cast<std::size_t>(image.width()) + 2;
    for (int y = 0; y < image.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* o = out.scanLine(y);
        std::array<double, 3>* cur = error.data() + (y % 2) * stride + 1;
        std::array<double, 3>* next = error.data() + ((y + 1) % 2) * stride + 1;
        for (int x = -1; x <= image.width(); ++x) next[x] = {0, 0, 0};
        for (int x = 0; x < image.width(); ++x) {
            Colour want{{qRed(p[x]) + cur[x][0], qGreen(p[x]) + cur[x][1], qBlue(p[x]) + cur[x][2]}};
            for (double& v : want.c) v = std::clamp(v, 0.0, 255.0);
            const int index = Quantiser::Nearest(palette, want);
            o[x] = static_cast<uchar>(index);
            if (dither > 0) {
                for (int k = 0; k < 3; ++k) {
                    const double e = (want.c[k] - palette[index].c[k]) * dither;
                    cur[x + 1][k] += e * 7 / 16;
                    next[x - 1][k] += e * 3 / 16;
                    next[x][k] += e * 5 / 16;
                    next[x + 1][k] += e * 1 / 16;
                }
            }
        }
    }
    return out;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "mapgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The zoom-out button: a raised grey square with a magnifier holding a minus sign.
QImage ZoomOutButton() {
    constexpr int kSize = 28;
    QImage rgb(kSize, kSize, QImage::Format_RGB32);
    rgb.fill(qRgb(236, 236, 236));
    {
        QPainter p(&rgb);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(96, 96, 96), 1));
        p.setBrush(QColor(236, 236, 236));
        p.drawRect(QRectF(0.5, 0.5, kSize - 1, kSize - 1));
        p.setPen(QPen(QColor(40, 40, 40), 2.2));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(11.5, 11.5), 6.5, 6.5);
        p.setPen(QPen(QColor(40, 40, 40), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16.5, 16.5), QPointF(22.5, 22.5));
        p.setPen(QPen(QColor(200, 30, 30), 2.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(8.0, 11.5), QPointF(15.0, 11.5));
    }
    Quantiser quantiser({rgb});
    return ToIndexed(rgb, quantiser.Palette(32, 6), 0);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Makes the world map's images.");
    parser.addHelpOption();
    parser.addOption({"source", "Folder with earth.jpg and night.jpg.", "dir", "/usr/share/xplanet/images"});
    parser.addOption({"out", "Folder for the bitmaps.", "dir", "app/res/map"});
    parser.addOption({"preview", "Also write each image as PNG into this folder.", "dir"});
    parser.addOption({"dither", "Share of the error diffused to neighbours, 0 to 1.", "share", "0"});
    parser.process(app);

    const QString source = parser.value("source");
    QImage earth(source + "/earth.jpg"), lights(source + "/night.jpg");
    if (earth.isNull() || lights.isNull()) {
        std::fprintf(stderr, "mapgen: cannot read earth.jpg and night.jpg in %s (apt-get install xplanet-images)\n",
                     qPrintable(source));
        return 1;
    }
    earth = earth.convertToFormat(QImage::Format_RGB32);
    lights = lights.convertToFormat(QImage::Format_RGB32);
    const QDir out(parser.value("out"));
    const QString preview = parser.value("preview");
    const double dither = parser.value("dither").toDouble();

    for (const MapImageSet& set : kMapImageSets) {
        // The map's projection has 1.5° of longitude per 1.2° of latitude in each pixel, so the
        // 2 : 1 source is scaled to 8 : 5 without keeping its aspect.
        const QImage day = earth.scaled(set.width, set.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage cityLights = lights.scaled(set.width, set.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage night = Night(day, cityLights);
        const QImage twilight = Blend(day, night, kTwilight);
        Quantiser quantiser({day, night, twilight});
        const std::vector<Colour> palette = quantiser.Palette(256, 10);

        const std::pair<UINT, const QImage*> images[] = {{set.day, &day}, {set.night, &night}, {set.twilight, &twilight}};
        for (const auto& [id, image] : images) {
            const QImage indexed = ToIndexed(*image, palette, dither);
            const QString name = QFileInfo(MapResourcePath(id)).fileName();
            const QByteArray bytes = WriteBitmapFile(indexed, true);
            if (!Write(out.filePath(name), bytes)) return 1;
            std::printf("%s %d x %d, %lld colours, %lld bytes\n", qPrintable(name), set.width, set.height,
                        static_cast<long long>(palette.size()), static_cast<long long>(bytes.size()));
            if (!preview.isEmpty()) {
                image->save(QDir(preview).filePath(QFileInfo(name).baseName() + "-source.png"));
                indexed.save(QDir(preview).filePath(QFileInfo(name).baseName() + ".png"));
            }
        }
    }

    const QImage button = ZoomOutButton();
    const QString name = QFileInfo(MapResourcePath(IDB_ZOOMOUT)).fileName();
    if (!Write(out.filePath(name), WriteBitmapFile(button, false))) return 1;
    if (!preview.isEmpty()) button.scaled(112, 112).save(QDir(preview).filePath("zoomout.png"));
    return 0;
}
