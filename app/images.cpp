#include "images.h"

#include "fonts.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QStyleOption>

#include <algorithm>
#include <array>
#include <memory>

namespace za::app {
namespace {

constexpr int kToolImage = 16;
constexpr int kToolImages = 5;

QImage Png(const QString& file) { return ReadPng(file); }

QPixmap PngPixmap(const QString& file, qreal ratio = 1.0) {
    QPixmap pixmap = QPixmap::fromImage(Png(file));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// A 1x image with its 2x form beside it ("name.png" and "name@2x.png").
QIcon IconPair(const QString& base) {
    QIcon icon;
    icon.addPixmap(PngPixmap(base + QStringLiteral(".png")));
    const QPixmap big = PngPixmap(base + QStringLiteral("@2x.png"), 2.0);
    if (!big.isNull()) icon.addPixmap(big);
    return icon;
}

// An image file read once, when one of the icons cut from it is first drawn.
class CPngSource {
public:
    explicit CPngSource(QString file) : m_file(std::move(file)) {}
    const QImage& Image() {
        if (!m_read) {
            m_image = ReadPng(m_file);
            m_read = true;
        }
        return m_image;
    }

private:
    QString m_file;
    QImage m_image;
    bool m_read = false;
};

// An icon whose images are read only when it is first drawn at a size that wants them: the
// tool bar's 2x images serve only a screen of twice the density, the extension arrows only a
// bar too narrow for its buttons. Reading them all at every start was a fiftieth of the
// window's. Sizes are the images' own pixels, as QIcon's own engine counts them.
class CLazyPngIconEngine : public QIconEngine {
public:
    struct Image {
        std::shared_ptr<CPngSource> source;
        QRect cut;   // the part of the file's image, or null for all of it
        QSize size;  // known beforehand, or invalid until read
        QPixmap pixmap;
    };

    explicit CLazyPngIconEngine(QList<Image> images) : m_images(std::move(images)) {}

    QIconEngine* clone() const override { return new CLazyPngIconEngine(*this); }
    QString key() const override { return QStringLiteral("zonaria-png"); }
    bool isNull() override { return m_images.isEmpty(); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int i = 0; i < m_images.size(); ++i) {
            if (SizeOf(i).isValid()) sizes << SizeOf(i);
        }
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int best = Best(size);
        return best < 0 ? QSize() : Fitted(SizeOf(best), size);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        int best = Best(size);
        // An image that could not be read is dropped, and the next best taken.
        while (best >= 0 && Read(best).isNull()) {
            m_images[best].size = QSize(0, 0);
            best = Best(size);
        }
        if (best < 0) return {};
        QPixmap pixmap = Read(best);
        const QSize actual = Fitted(pixmap.size(), size);
        if (!pixmap.isNull() && pixmap.size() != actual) {
            pixmap = pixmap.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        if (mode != QIcon::Normal && !pixmap.isNull()) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    QPixmap Read(int i) {
        Image& image = m_images[i];
        if (image.pixmap.isNull() && image.source) {
            const QImage& whole = image.source->Image();
            // A strip too small for its part gives nothing rather than a part left blank.
            if (image.cut.isNull()) {
                image.pixmap = QPixmap::fromImage(whole);
            } else if (whole.rect().contains(image.cut)) {
                image.pixmap = QPixmap::fromImage(whole.copy(image.cut));
            }
            image.source.reset();
            image.size = image.pixmap.size();
        }
        return image.pixmap;
    }
    QSize SizeOf(int i) {
        if (!m_images[i].size.isValid()) Read(i);
        return m_images[i].size;
    }
    // The smallest image that covers the size, else the largest.
    int Best(const QSize& size) {
        int best = -1;
        for (int i = 0; i < m_images.size(); ++i) {
            const QSize own = SizeOf(i);
            if (own.isEmpty()) continue;
            if (best < 0) {
                best = i;
                continue;
            }
            const QSize chosen = SizeOf(best);
            const bool covers = own.width() >= size.width() && own.height() >= size.height();
            const bool chosenCovers = chosen.width() >= size.width() && chosen.height() >= size.height();
            if (covers ? (!chosenCovers || own.width() < chosen.width()) : (!chosenCovers && own.width() > chosen.width())) best = i;
        }
        return best;
    }
    static QSize Fitted(const QSize& own, const QSize& wanted) {
        if (own.width() <= wanted.width() && own.height() <= wanted.height()) return own;
        return own.scaled(wanted, Qt::KeepAspectRatio);
    }

    QList<Image> m_images;
};

// The base style with its own extension arrows, read as PNG from the images Qt's common style
// ships with, and its tool bar drawn in strips.
class CPngImageStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    // The tool bar's full-width lines drawn in strips: Qt's raster engine hands a translucent
    // line of over 95 pixels to a pool of threads it starts for the purpose, which cost the
    // window's start a thirtieth of its time for the two lines under the tool bar. Each pixel
    // is drawn once, as the base style draws it.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        constexpr int kStrip = 90;
        if (element != CE_ToolBar || !option || !painter || option->rect.width() <= kStrip) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const QRect whole = option->rect;
        for (int x = whole.left(); x <= whole.right(); x += kStrip) {
            painter->save();
            painter->setClipRect(QRect(x, whole.top(), std::min(kStrip, whole.right() + 1 - x), whole.height()),
                                 Qt::IntersectClip);
            QProxyStyle::drawControl(element, option, painter, widget);
            painter->restore();
        }
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
        const bool rtl = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
        QString pattern;
        std::array<int, 3> sizes{};
        switch (which) {
        case SP_ToolBarHorizontalExtensionButton:
            pattern = rtl ? QStringLiteral("toolbar-ext-h-rtl-%1.png") : QStringLiteral("toolbar-ext-h-%1.png");
            sizes = {8, 16, 32};
            break;
        case SP_ToolBarVerticalExtensionButton:
            pattern = QStringLiteral("toolbar-ext-v-%1.png");
            sizes = {5, 10, 20};
            break;
        default: return QProxyStyle::standardIcon(which, option, widget);
        }
        QList<CLazyPngIconEngine::Image> images;
        for (int size : sizes) {
            const QString file = QStringLiteral(":/qt-project.org/styles/commonstyle/images/") + pattern.arg(size);
            if (QFile::exists(file)) images.append({std::make_shared<CPngSource>(file), {}, {}, {}});
        }
        return images.isEmpty() ? QProxyStyle::standardIcon(which, option, widget) : QIcon(new CLazyPngIconEngine(images));
    }
};

}  // namespace

QIcon ProgramIcon(int largest) {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        if (size > largest && !icon.isNull()) break;
        icon.addPixmap(PngPixmap(QStringLiteral(":/zonaria/icons/zonaria-%1.png").arg(size)));
    }
    return icon;
}

void UseStyleWithPngImages() {
    // Over the style the application would use (its default, or the one asked for with -style
    // or QT_STYLE_OVERRIDE).
    QStyle* current = QApplication::style();
    if (dynamic_cast<CPngImageStyle*>(current) == nullptr) QApplication::setStyle(new CPngImageStyle(current->name()));
}

QList<QIcon> ToolBarIcons() {
    QList<QIcon> icons;
    const QImage strip = Png(QStringLiteral(":/zonaria/icons/toolbar.png"));
    if (strip.width() < kToolImage * kToolImages) return icons;
    // The 2x strip is read when a button is first drawn on a screen that wants it.
    const auto strip2x = std::make_shared<CPngSource>(QStringLiteral(":/zonaria/icons/toolbar@2x.png"));
    for (int i = 0; i < kToolImages; ++i) {
        const QPixmap small = QPixmap::fromImage(strip.copy(i * kToolImage, 0, kToolImage, kToolImage));
        const QSize big(2 * kToolImage, 2 * kToolImage);
        icons << QIcon(new CLazyPngIconEngine({{nullptr, {}, small.size(), small},
                                               {strip2x, QRect(QPoint(i * big.width(), 0), big), big, {}}}));
    }
    return icons;
}

QPixmap HelpButtonImage(bool pressed) {
    const QString base = pressed ? QStringLiteral(":/zonaria/icons/help-down") : QStringLiteral(":/zonaria/icons/help-up");
    return IconPair(base).pixmap(QSize(16, 16));
}

QPixmap DisplayButtonImage(UINT id, qreal pixelRatio, const QPalette& palette) {
    constexpr int kSize = 12;
    QPixmap pixmap(QSize(kSize, kSize) * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette.color(QPalette::WindowText);
    const QColor accent = palette.color(QPalette::Highlight);
    switch (id) {
    case 138: {
        // A drop-down arrow in a rounded box: "pick another city".
        p.setPen(QPen(ink, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(0.5, 0.5, 11, 11), 2, 2);
        QPainterPath arrow;
        arrow.moveTo(3, 4.5);
        arrow.lineTo(9, 4.5);
        arrow.lineTo(6, 8.5);
        arrow.closeSubpath();
        p.fillPath(arrow, ink);
        break;
    }
    case 139:
    case 140: {
        // A house: outlined for another city, filled in the highlight colour for the current one.
        QPainterPath house;
        house.moveTo(6, 0.8);
        house.lineTo(11.2, 5.6);
        house.lineTo(9.6, 5.6);
        house.lineTo(9.6, 11.2);
        house.lineTo(2.4, 11.2);
        house.lineTo(2.4, 5.6);
        house.lineTo(0.8, 5.6);
        house.closeSubpath();
        if (id == 140) {
            p.setPen(QPen(accent.darker(130), 1));
            p.setBrush(accent);
        } else {
            p.setPen(QPen(ink, 1));
            p.setBrush(Qt::NoBrush);
        }
        p.drawPath(house);
        break;
    }
    default:
        break;
    }
    return pixmap;
}

}  // namespace za::app
