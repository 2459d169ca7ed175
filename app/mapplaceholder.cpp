#include "mapplaceholder.h"

#include <QMouseEvent>
#include <QPainter>

namespace za::app {

CMapPlaceholder::CMapPlaceholder(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("World map"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CMapPlaceholder::SetMarker(int longitude, int latitude) {
    m_marker = true;
    m_markerLongitude = longitude;
    m_markerLatitude = latitude;
    update();
}

void CMapPlaceholder::ClearMarker() {
    m_marker = false;
    update();
}

void CMapPlaceholder::ZoomAt(int, int) {}

QPoint CMapPlaceholder::LatLongToPoint(int longitude, int latitude) const {
    return QPoint((longitude + 18000) * width() / 36000, (9000 - latitude) * height() / 18000);
}

void CMapPlaceholder::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(24, 48, 84));
    p.setPen(QColor(60, 90, 130));
    for (int lon = -18000; lon <= 18000; lon += 3000) {
        const int x = LatLongToPoint(lon, 0).x();
        p.drawLine(x, 0, x, height());
    }
    for (int lat = -9000; lat <= 9000; lat += 3000) {
        const int y = LatLongToPoint(0, lat).y();
        p.drawLine(0, y, width(), y);
    }
    if (m_marker) {
        const QPoint at = LatLongToPoint(m_markerLongitude, m_markerLatitude);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 2));
        p.drawEllipse(at, 5, 5);
        p.setPen(QPen(Qt::red, 2));
        p.drawEllipse(at, 3, 3);
    }
}

void CMapPlaceholder::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || width() <= 0 || height() <= 0) return;
    const QPoint at = e->position().toPoint();
    emit tapped(at.x() * 36000 / width() - 18000, 9000 - at.y() * 18000 / height());
}

}  // namespace za::app
