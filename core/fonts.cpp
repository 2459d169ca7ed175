#include "fonts.h"

#include "probes.h"
#include "shell.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QPolygon>
#include <QScreen>

namespace {

// The visible desktop of a windowed program is its primary screen's available area.
const bool g_screenArea = [] {
    za::shell::SetDesktopAreaProvider([](RECT* rect) {
        if (!qGuiApp) return false;
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) return false;
        const QRect area = screen->availableGeometry();
        *rect = RECT{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
        return true;
    });
    return true;
}();

// The handheld's faces and the desktop's families that stand in for them, spelt as the desktop
// spells them: the font substitution table keeps them in lower case, and a family asked for in
// another spelling than the menus' shares neither their font engines nor their fallback list.
QHash<QString, QString>& StandIns() {
    static QHash<QString, QString> standIns;
    return standIns;
}

}  // namespace

void AdoptDesktopFont(const QFont& desktop) {
    QFont::insertSubstitution(QStringLiteral("Tahoma"), desktop.family());
    StandIns().insert(QStringLiteral("Tahoma"), desktop.family());
    if (desktop.pointSizeF() > 0) SetPointFontScale(desktop.pointSizeF() / 8.0);
}

QFont FaceFont(const QString& face) {
    const QString standIn = StandIns().value(face);
    if (standIn.isEmpty()) return QFont(face);
    // Asked once per face: the answer lists every family the computer has.
    static QHash<QString, bool> held;
    auto known = held.constFind(face);
    if (known == held.constEnd()) known = held.insert(face, QFontDatabase::hasFamily(face));
    return QFont(*known ? face : standIn);
}

QImage ReadPng(const QString& file) {
    QImageReader reader(file, "PNG");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

BOOL CreatePointFont(QFont& font, int size, const QString& face, QPaintDevice* /*dc*/, BOOL bold) {
    if (size <= 0) return FALSE;
    QFont created = FaceFont(face);
    created.setPointSizeF(size / 10.0 * PointFontScale());
    created.setWeight(bold ? QFont::Bold : QFont::Normal);
    created.setStyleStrategy(IsClearTypeEnabled() ? QFont::PreferAntialias : QFont::PreferDefault);
    font = created;
    return TRUE;
}

void DrawClockChangeMark(QPainter& painter, int right, int centreY, int side, bool forward) {
    const int x = right - side;
    const int y = centreY;
    QPolygon triangle;
    if (forward) {
        triangle << QPoint(x, y + side / 2) << QPoint(x + side, y + side / 2) << QPoint(x + side / 2, y - side / 2);
    } else {
        triangle << QPoint(x, y - side / 2) << QPoint(x + side, y - side / 2) << QPoint(x + side / 2, y + side / 2);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kClockChangeColour);
    painter.drawPolygon(triangle);
    painter.restore();
}
