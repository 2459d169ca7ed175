#include "images.h"

#include <QImage>

namespace za::app {
namespace {

constexpr int kToolImage = 16;
constexpr int kToolImages = 5;

// A 1x image with its 2x form beside it ("name.png" and "name@2x.png").
QIcon IconPair(const QString& base) {
    QIcon icon;
    icon.addFile(base + QStringLiteral(".png"));
    icon.addFile(base + QStringLiteral("@2x.png"));
    return icon;
}

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/zonaria/icons/zonaria-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QList<QIcon> ToolBarIcons() {
    QList<QIcon> icons;
    const QImage strip(QStringLiteral(":/zonaria/icons/toolbar.png"));
    const QImage strip2x(QStringLiteral(":/zonaria/icons/toolbar@2x.png"));
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

}  // namespace za::app
