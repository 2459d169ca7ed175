// iconmaker: renders Zonaria's images from their SVG sources into app/res/icons/, and draws a
// preview sheet of all of them into tools/icons/preview.png (README.md beside this file).
//
//   iconmaker [ROOT]
//
// ROOT is the source tree (default: the tree this tool was configured from). Exit status 0 when
// every image was written, 1 when a source could not be read or an image not written.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace {

// The tool-bar buttons, in the order of the frame's tool bar and of the strip.
const char* const kToolbar[] = {"alarm", "timecalc", "distance", "sunrise", "moonrise"};
const int kAppSizes[] = {16, 24, 32, 48, 64, 128, 256};
// Sizes up to this one come from the program icon drawn on the 16-pixel grid: the scalable
// icon's bezel marks and grid lines only blur there.
const int kLargestSmallSize = 24;

struct Paths {
    QDir src;  // tools/icons/src
    QDir out;  // app/res/icons
    QString preview;
};

QImage Render(const QString& svg, int size) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) throw std::runtime_error("cannot read " + svg.toStdString());
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

void Save(const QImage& image, const QString& path) {
    // Straight alpha: the PNG format has no premultiplied form.
    if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

// Square images side by side, copied pixel for pixel.
QImage Strip(const std::vector<QImage>& images) {
    const int size = images.front().height();
    QImage strip(size * static_cast<int>(images.size()), size, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (size_t i = 0; i < images.size(); ++i) painter.drawImage(size * static_cast<int>(i), 0, images[i]);
    return strip;
}

QImage Load(const Paths& paths, const QString& name) {
    QImage image(paths.out.filePath(name));
    if (image.isNull()) throw std::runtime_error("cannot read " + name.toStdString());
    // Qt reads "@2x" in a name as a device pixel ratio of 2; the preview shows device pixels.
    image.setDevicePixelRatio(1);
    return image;
}

// One half of the preview: every image at 1x and 2x, the small ones also magnified by whole
// factors (nearest pixel), a mock tool bar and a mock title band.
void DrawPanel(QPainter& p, const Paths& paths, int top, const QColor& background, const QColor& text,
               const QString& title) {
    const auto image = [&](const QString& name, int x, int y, int scale = 1) {
        const QImage img = Load(paths, name);
        p.drawImage(QPoint(x, top + y),
                    scale == 1 ? img
                               : img.scaled(img.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    };
    const auto label = [&](int x, int y, const QString& s) { p.drawText(x, top + y, s); };

    p.fillRect(0, top, 1000, 560, background);
    p.setPen(text);
    QFont bold = p.font();
    bold.setBold(true);
    const QFont normal = p.font();
    p.setFont(bold);
    label(16, 24, title);
    p.setFont(normal);

    label(16, 52, QStringLiteral("Tool bar 1x"));
    image(QStringLiteral("toolbar.png"), 16, 60);
    label(130, 52, QStringLiteral("2x"));
    image(QStringLiteral("toolbar@2x.png"), 130, 60);
    label(320, 52, QStringLiteral("1x magnified 4 times"));
    image(QStringLiteral("toolbar.png"), 320, 60, 4);
    label(680, 52, QStringLiteral("2x magnified 2 times"));
    image(QStringLiteral("toolbar@2x.png"), 680, 60, 2);

    label(16, 150, QStringLiteral("As tool buttons (1x, 2x)"));
    int x = 16;
    for (const char* name : kToolbar) {
        image(QStringLiteral("toolbar-%1.png").arg(QLatin1String(name)), x, 160);
        x += 24;
    }
    x = 150;
    for (const char* name : kToolbar) {
        image(QStringLiteral("toolbar-%1@2x.png").arg(QLatin1String(name)), x, 160);
        x += 44;
    }

    label(400, 150, QStringLiteral("Help button up, down (1x, 2x, 1x magnified)"));
    image(QStringLiteral("help-up.png"), 400, 160);
    image(QStringLiteral("help-down.png"), 424, 160);
    image(QStringLiteral("help-up@2x.png"), 452, 160);
    image(QStringLiteral("help-down@2x.png"), 492, 160);
    image(QStringLiteral("help-up.png"), 540, 160, 4);
    image(QStringLiteral("help-down.png"), 612, 160, 4);

    // The dialogs' title band: the title in bold highlight colour, the help button at its right end.
    label(700, 150, QStringLiteral("In a title band"));
    p.setFont(bold);
    p.setPen(QColor(0x35, 0x84, 0xe4));
    label(704, 177, QStringLiteral("Distance Calculator"));
    p.setFont(normal);
    p.setPen(text);
    image(QStringLiteral("help-up.png"), 960, 164);
    p.fillRect(700, top + 186, 280, 1, QColor(0x88, 0x88, 0x88));

    label(16, 240, QStringLiteral("Program icon 16, 24, 32, 48, 64, 128, 256; 16 and 24 magnified 4 times"));
    x = 16;
    for (int size : kAppSizes) {
        image(QStringLiteral("zonaria-%1.png").arg(size), x, 252);
        x += size + 12;
    }
    image(QStringLiteral("zonaria-16.png"), 660, 252, 4);
    image(QStringLiteral("zonaria-24.png"), 740, 252, 4);
}

void Make(const Paths& paths) {
    std::vector<QImage> ones, twos;
    for (const char* name : kToolbar) {
        const QString base = QStringLiteral("toolbar-%1").arg(QLatin1String(name));
        const QString svg = paths.src.filePath(base + QStringLiteral(".svg"));
        ones.push_back(Render(svg, 16));
        twos.push_back(Render(svg, 32));
        Save(ones.back(), paths.out.filePath(base + QStringLiteral(".png")));
        Save(twos.back(), paths.out.filePath(base + QStringLiteral("@2x.png")));
    }
    Save(Strip(ones), paths.out.filePath(QStringLiteral("toolbar.png")));
    Save(Strip(twos), paths.out.filePath(QStringLiteral("toolbar@2x.png")));

    for (const char* state : {"up", "down"}) {
        const QString base = QStringLiteral("help-%1").arg(QLatin1String(state));
        const QString svg = paths.src.filePath(base + QStringLiteral(".svg"));
        Save(Render(svg, 16), paths.out.filePath(base + QStringLiteral(".png")));
        Save(Render(svg, 32), paths.out.filePath(base + QStringLiteral("@2x.png")));
    }

    for (int size : kAppSizes) {
        const QString svg = size <= kLargestSmallSize ? paths.src.filePath(QStringLiteral("zonaria-small.svg"))
                                                      : paths.out.filePath(QStringLiteral("zonaria.svg"));
        Save(Render(svg, size), paths.out.filePath(QStringLiteral("zonaria-%1.png").arg(size)));
    }

    QImage sheet(1000, 1120, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    painter.setFont(font);
    DrawPanel(painter, paths, 0, QColor(0xf6, 0xf5, 0xf4), QColor(0x24, 0x1f, 0x31), QStringLiteral("Light"));
    DrawPanel(painter, paths, 560, QColor(0x2d, 0x2d, 0x2d), QColor(0xf6, 0xf5, 0xf4), QStringLiteral("Dark"));
    painter.end();
    Save(sheet, paths.preview);
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts for the preview's labels need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir root(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ICONMAKER_ROOT));
    Paths paths{QDir(root.filePath(QStringLiteral("tools/icons/src"))),
                QDir(root.filePath(QStringLiteral("app/res/icons"))),
                root.filePath(QStringLiteral("tools/icons/preview.png"))};
    if (!paths.src.exists()) {
        std::fprintf(stderr, "iconmaker: no sources in %s\n", qPrintable(paths.src.path()));
        return EXIT_FAILURE;
    }
    try {
        if (!root.mkpath(QStringLiteral("app/res/icons"))) throw std::runtime_error("cannot create app/res/icons");
        Make(paths);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "iconmaker: %s\n", e.what());
        return EXIT_FAILURE;
    }
    std::printf("iconmaker: wrote the images into %s and the preview %s\n", qPrintable(paths.out.path()),
                qPrintable(paths.preview));
    return EXIT_SUCCESS;
}
