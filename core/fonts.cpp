#include "fonts.h"

#include "probes.h"
#include "shell.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QPolygon>
#include <QRawFont>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

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

namespace {

// Whether a text's width is its glyphs' own advances, kerning aside: no script that joins or
// reorders its letters (those begin at Hebrew), nothing a fallback font must draw.
bool SumsItsAdvances(const QString& text, const QList<quint32>& glyphs) {
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u >= 0x0590 && !(u >= 0x2000 && u <= 0x206f)) return false;
    }
    return !glyphs.contains(0u);
}

}  // namespace

// Each text's glyphs' own advances, every distinct glyph read from the font once, rank the texts;
// only those within two pixels of the widest (kerning's reach) are then laid out, and any text
// whose width is more than its advances. Laying out all of them was a twentieth of the window's
// start.
int WidestText(const QFont& font, const QSet<QString>& texts) {
    const QFontMetrics metrics(font);
    const QRawFont raw = QRawFont::fromFont(font);
    int most = 0;
    QHash<quint32, qreal> advances;
    std::vector<std::pair<qreal, const QString*>> ranked;
    ranked.reserve(static_cast<size_t>(texts.size()));
    qreal widest = 0;
    for (const QString& text : texts) {
        const QList<quint32> glyphs = raw.isValid() ? raw.glyphIndexesForString(text) : QList<quint32>{0u};
        if (!SumsItsAdvances(text, glyphs)) {
            most = std::max(most, metrics.horizontalAdvance(text));
            continue;
        }
        qreal sum = 0;
        for (const quint32 glyph : glyphs) {
            auto known = advances.constFind(glyph);
            if (known == advances.constEnd()) {
                const QList<QPointF> one = raw.advancesForGlyphIndexes(QList<quint32>{glyph});
                known = advances.insert(glyph, one.isEmpty() ? 0.0 : one.front().x());
            }
            sum += *known;
        }
        ranked.emplace_back(sum, &text);
        widest = std::max(widest, sum);
    }
    for (const auto& [sum, text] : ranked) {
        if (sum >= widest - 2.0) most = std::max(most, metrics.horizontalAdvance(*text));
    }
    // A text left out is narrower than this unless kerning widens it by over two pixels.
    return ranked.empty() ? most : std::max(most, static_cast<int>(std::ceil(widest - 0.01)));
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
