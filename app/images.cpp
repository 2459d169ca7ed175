#include "images.h"

#include "fonts.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QStyleOption>

#include <array>

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

// The base style's own extension arrows, from the images Qt's common style ships with.
class CPngImageStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

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
        QIcon icon;
        for (int size : sizes) {
            const QImage image = ReadPng(QStringLiteral(":/qt-project.org/styles/commonstyle/images/") + pattern.arg(size));
            if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
        }
        return icon.isNull() ? QProxyStyle::standardIcon(which, option, widget) : icon;
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
    const QImage strip2x = Png(QStringLiteral(":/zonaria/icons/toolbar@2x.png"));
    if (strip.width() < kToolImage * kToolImages) return icons;
    for (int i = 0; i < kToolImages; ++i) {
        QIcon icon;
        icon.addPixmap(QPixmap::fromImage(strip.copy(i * kToolImage, 0, kToolImage, kToolImage)));
        if (strip2x.width() >= 2 * kToolImage * kToolImages) {
            QPixmap big = QPixmap::fromImage(strip2x.copy(i * 2 * kToolImage, 0, 2 * kToolImage, 2 * kToolImage));
            big.setDevicePixelRatio(2);
            icon.addPixmap(big);
        }
        icons << icon;
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
