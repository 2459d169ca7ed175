#include "maptip.h"

#include "appmessage.h"
#include "appstrings.h"
#include "contrast.h"
#include "fonts.h"
#include "resource.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace za::app {
namespace {

// The handheld's pale yellow tip, and its evening shade for a dark palette.
const QColor kTipColour(255, 255, 192);
const QColor kDarkTipColour(72, 66, 24);
constexpr int kZoomWidth = 46;
constexpr int kZoomHeight = 16;
constexpr int kZoomBand = 21;
constexpr int kTextLeft = 5;

class TipAccessible : public QAccessibleWidget {
public:
    explicit TipAccessible(CMapTip* tip) : QAccessibleWidget(tip, QAccessible::ToolTip) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<CMapTip*>(widget())->Text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* TipAccessibleFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("za::app::CMapTip") && object && object->isWidgetType()) {
        return new TipAccessible(static_cast<CMapTip*>(object));
    }
    return nullptr;
}

}  // namespace

CMapTip::CMapTip(QWidget* owner, CHost& host)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint), m_host(host), m_owner(owner) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(TipAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAttribute(Qt::WA_ShowWithoutActivating);
    CreatePointFont(m_font, 80, QStringLiteral("Tahoma"));
    hide();
}

void CMapTip::Show(int x, int y, int longitude, int latitude, const QString& text) {
    Hide();
    m_longitude = longitude;
    m_latitude = latitude;
    m_text = text;
    // Each line break starts a line; no word wrap.
    const QRect measured = QFontMetrics(m_font).boundingRect(QRect(0, 0, 100, 0), Qt::AlignLeft | Qt::AlignTop, text);
    QRect r(0, 0, measured.right() + 1 + 10, measured.bottom() + 1 + 4 + kZoomBand);
    m_zoomRect = QRect((r.width() - kZoomWidth) / 2, r.height() - kZoomBand, kZoomWidth, kZoomHeight);
    r.moveTo(x, y);
    const QRect client = m_owner->rect();
    if (r.right() > client.right()) r.translate(client.right() - r.right(), 0);
    if (r.bottom() > client.bottom()) r.translate(0, client.bottom() - r.bottom());
    // A tip larger than the view is cut at its left and top rather than moved off them.
    if (r.left() < 0) r.setLeft(0);
    if (r.top() < 0) r.setTop(0);
    m_place = r;
    setGeometry(QRect(m_owner->mapToGlobal(r.topLeft()), r.size()));
    show();
    raise();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void CMapTip::Hide() { hide(); }

QColor CMapTip::BackColour() const {
    return za::IsDarkBackground(m_owner->palette().color(QPalette::Window)) ? kDarkTipColour : kTipColour;
}

QColor CMapTip::TextColour() const {
    return za::ReadableOn(m_owner->palette().color(QPalette::ToolTipText), BackColour());
}

void CMapTip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), BackColour());
    p.setPen(TextColour());
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setFont(m_font);
    p.drawText(QStyle::visualRect(layoutDirection(), rect(), QRect(kTextLeft, 0, width() - kTextLeft, height())),
               Qt::AlignLeft | Qt::AlignTop, m_text);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawRoundedRect(QRectF(m_zoomRect).adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
    p.drawText(m_zoomRect, Qt::AlignCenter, AppString(IDS_ZOOM));
}

void CMapTip::Tap(const QPoint& at) {
    m_host.CancelMode();
    if (m_zoomRect.adjusted(0, 0, 1, 1).contains(at)) {
        const auto packed = static_cast<LPARAM>((static_cast<quint32>(m_longitude) & 0xFFFFu) |
                                                (static_cast<quint32>(m_latitude) << 16));
        PostAppMessage(m_owner, WM_ZOOMMAP, 0, packed);
    }
}

void CMapTip::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) Tap(e->position().toPoint());
}

}  // namespace za::app
