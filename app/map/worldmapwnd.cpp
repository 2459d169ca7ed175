#include "worldmapwnd.h"

#include "mapresources.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace za::app {

namespace {

// The map's own size, whose aspect the window keeps.
constexpr int kMapWidth = 240;
constexpr int kMapHeight = 150;

// The sky symbols' sizes, device-independent pixels.
constexpr int kSunRadius = 4;
constexpr int kSunRays = 7;
constexpr int kMoonRadius = 5;

// Degrees to the hundredths the map's places are given in.
LONG Hundredths(double degrees) { return static_cast<LONG>(std::lround(degrees * 100.0)); }

}  // namespace

CWorldMapWnd::CWorldMapWnd(QWidget* parent, DWORD options) : QWidget(parent), m_dwOptions(options) {
    setAccessibleName(tr("World map"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    m_zoomOut.LoadResource(IDB_ZOOMOUT);
}

QSize CWorldMapWnd::sizeHint() const { return {kMapWidth, kMapHeight}; }

int CWorldMapWnd::heightForWidth(int width) const { return width * kMapHeight / kMapWidth; }

int CWorldMapWnd::WantedSetWidth() const {
    const double devicePixels = width() * devicePixelRatioF();
    for (const MapImageSet& set : kMapImageSets) {
        // The largest set only serves as the zoomed set of the one before it.
        if (&set == &kMapImageSets[std::size(kMapImageSets) - 1]) break;
        if (set.width >= std::ceil(devicePixels - 0.01)) return set.width;
    }
    return kMapImageSets[std::size(kMapImageSets) - 2].width;
}

double CWorldMapWnd::ImageScale() const { return width() > 0 ? static_cast<double>(m_map.SetWidth()) / width() : 1.0; }

QSize CWorldMapWnd::ClientImageSize() const {
    const double k = ImageScale();
    return {static_cast<int>(std::lround(width() * k)), static_cast<int>(std::lround(height() * k))};
}

bool CWorldMapWnd::EnsureImages() {
    if (m_bReleased || !m_bHaveTime) return false;
    // A hidden window its layout has not sized yet still has the default size: the set chosen
    // for it would be thrown away at the first resize (a seventieth of the window's start).
    if (!testAttribute(Qt::WA_Resized) && !isVisible()) return false;
    const int wanted = WantedSetWidth();
    const bool loaded = m_map.Width() > 0;
    if (loaded && wanted == m_map.SetWidth()) return false;
    const int previous = m_map.SetWidth();
    m_map.Release();
    m_map.SetSetWidth(wanted);
    m_map.LoadImages(m_dwOptions, m_stNow);
    if ((m_dwOptions & MAP_ZOOMED) == 0) {
        m_scroll = QPoint(0, 0);
    } else if (loaded) {
        // The same view in the new set's pixels.
        m_scroll = m_scroll * wanted / previous;
        ClampScroll();
    } else {
        m_scroll = QPoint(m_map.Width() / 4, m_map.Height() / 4);
    }
    PictureChanged();
    return true;
}

void CWorldMapWnd::SetOptions(DWORD options) {
    if (options == m_dwOptions) return;
    m_dwOptions = options;
    if ((options & MAP_ZOOMED) == 0) m_scroll = QPoint(0, 0);
    if (m_map.Width() > 0) {
        m_map.SetOptions(options, m_stNow);
    } else {
        EnsureImages();
    }
    PictureChanged();
}

void CWorldMapWnd::Refresh(const SYSTEMTIME& utc) {
    m_stNow = utc;
    m_bHaveTime = true;
    if (!EnsureImages() && m_map.Refresh(utc, FALSE)) PictureChanged();
    if (m_bSkyPoints) {
        const QPoint sunBefore = WindowPointOf(Hundredths(m_sun.longitude), Hundredths(m_sun.latitude));
        const QPoint moonBefore = WindowPointOf(Hundredths(m_moon.point.longitude), Hundredths(m_moon.point.latitude));
        m_sun = za::astro::SubsolarPoint(utc);
        m_moon = za::astro::SublunarPoint(utc);
        const QPoint sun = WindowPointOf(Hundredths(m_sun.longitude), Hundredths(m_sun.latitude));
        const QPoint moon = WindowPointOf(Hundredths(m_moon.point.longitude), Hundredths(m_moon.point.latitude));
        // The Moon's phase changes its picture even where its point stays.
        update(SunArea(sunBefore) | SunArea(sun));
        update(MoonArea(moonBefore) | MoonArea(moon));
        UpdateDescription();
    }
}

void CWorldMapWnd::ShowSkyPoints(bool show) {
    if (show == m_bSkyPoints) return;
    m_bSkyPoints = show;
    if (show && m_bHaveTime) {
        m_sun = za::astro::SubsolarPoint(m_stNow);
        m_moon = za::astro::SublunarPoint(m_stNow);
    }
    UpdateDescription();
    update();
}

QRect CWorldMapWnd::SunArea(const QPoint& centre) {
    return {centre.x() - kSunRays - 1, centre.y() - kSunRays - 1, 2 * kSunRays + 3, 2 * kSunRays + 3};
}

QRect CWorldMapWnd::MoonArea(const QPoint& centre) {
    return {centre.x() - kMoonRadius - 2, centre.y() - kMoonRadius - 2, 2 * kMoonRadius + 5, 2 * kMoonRadius + 5};
}

void CWorldMapWnd::UpdateDescription() {
    QStringList lines;
    if (m_bMarker && !m_place.isEmpty()) lines << m_place;
    if (m_bSkyPoints && m_bHaveTime) {
        lines << za::astro::SunOverheadText(m_sun) << za::astro::MoonOverheadText(m_moon.point);
    }
    setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

void CWorldMapWnd::DrawSkyPoints(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The Sun: a yellow disc with eight short rays.
    const QPointF sun = WindowPointOf(Hundredths(m_sun.longitude), Hundredths(m_sun.latitude));
    painter.setPen(QPen(QColor(200, 120, 0), 1.2));
    for (int i = 0; i < 8; ++i) {
        const double a = i * 3.14159265358979323846 / 4.0;
        painter.drawLine(sun + QPointF(std::cos(a), std::sin(a)) * (kSunRadius + 1.5),
                         sun + QPointF(std::cos(a), std::sin(a)) * kSunRays);
    }
    painter.setBrush(QColor(255, 214, 0));
    painter.drawEllipse(sun, kSunRadius, kSunRadius);

    // The Moon: a dark disc with its lit part, seen from the north (lit on the right while
    // it waxes). The terminator is an ellipse of half-width r·|1 - 2k| for the lit fraction k.
    const QPointF moon = WindowPointOf(Hundredths(m_moon.point.longitude), Hundredths(m_moon.point.latitude));
    const double r = kMoonRadius;
    // A light rim keeps a new moon visible on the night side.
    painter.setPen(QPen(QColor(190, 190, 190), 1));
    painter.setBrush(QColor(70, 70, 80));
    painter.drawEllipse(moon, r, r);
    QPainterPath half;
    const QRectF disc(moon.x() - r, moon.y() - r, 2 * r, 2 * r);
    half.moveTo(moon.x(), moon.y() - r);
    half.arcTo(disc, 90.0, m_moon.waxing ? -180.0 : 180.0);
    half.closeSubpath();
    const double k = std::clamp(m_moon.illuminated, 0.0, 1.0);
    const double w = r * std::fabs(1.0 - 2.0 * k);
    QPainterPath terminator;
    terminator.addEllipse(moon, w, r);
    const QPainterPath lit = k > 0.5 ? half.united(terminator) : half.subtracted(terminator);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(245, 245, 230));
    painter.drawPath(lit);
    painter.restore();
}

void CWorldMapWnd::ZoomAt(LONG longitude, LONG latitude) {
    SetOptions(m_dwOptions | MAP_ZOOMED);
    const POINT q = m_map.LatLongToPixel(longitude, latitude);
    const QSize client = ClientImageSize();
    m_scroll = QPoint(std::max(0, q.x - client.width() / 2), std::max(0, q.y - client.height() / 2));
    ClampScroll();
    PictureChanged();
}

void CWorldMapWnd::ClampScroll() {
    // Without images (not loaded yet, or released) there is nothing to clamp to: the view
    // stays as it was.
    if (m_map.Width() == 0) return;
    // The second clamp wins when the window is larger than the image.
    const QSize client = ClientImageSize();
    m_scroll.setX(std::min(m_scroll.x(), m_map.Width() - client.width()));
    m_scroll.setY(std::min(m_scroll.y(), m_map.Height() - client.height()));
}

void CWorldMapWnd::Unzoom() {
    m_scroll = QPoint(0, 0);
    SetOptions(m_dwOptions & ~MAP_ZOOMED);
}

QRect CWorldMapWnd::MarkerArea(const QPoint& centre) {
    // ±9 pixels, with a pixel more each side for the antialiased pen.
    return {centre.x() - kMarkerOuter - 1, centre.y() - kMarkerOuter - 1, 2 * kMarkerOuter + 3, 2 * kMarkerOuter + 3};
}

void CWorldMapWnd::SetMarker(LONG longitude, LONG latitude, const QString& place) {
    ClearMarker();
    m_nMarkerLongitude = longitude;
    m_nMarkerLatitude = latitude;
    m_bMarker = true;
    m_place = place;
    UpdateDescription();
    update(MarkerArea(WindowPointOf(longitude, latitude)));
}

void CWorldMapWnd::ClearMarker() {
    m_bMarker = false;
    m_place.clear();
    UpdateDescription();
    update(MarkerArea(WindowPointOf(m_nMarkerLongitude, m_nMarkerLatitude)));
}

QPoint CWorldMapWnd::WindowPointOf(LONG longitude, LONG latitude) const {
    const POINT p = m_map.LatLongToPixel(longitude, latitude);
    const double k = ImageScale();
    return {static_cast<int>(std::lround((p.x - m_scroll.x()) / k)), static_cast<int>(std::lround((p.y - m_scroll.y()) / k))};
}

QRect CWorldMapWnd::ZoomOutRect() const { return {width() - kZoomOutSize, 0, kZoomOutSize, kZoomOutSize}; }

void CWorldMapWnd::ReleaseImages() {
    m_map.Release();
    m_zoomOut.Release();
    m_picture = QImage();
    m_bPictureValid = false;
    m_bReleased = true;
}

void CWorldMapWnd::RestoreImages() {
    if (!m_bReleased) return;
    m_bReleased = false;
    m_zoomOut.LoadResource(IDB_ZOOMOUT);
    const QPoint scroll = m_scroll;
    EnsureImages();
    // The view the window had before.
    if ((m_dwOptions & MAP_ZOOMED) != 0) {
        m_scroll = scroll;
        ClampScroll();
    }
    PictureChanged();
}

void CWorldMapWnd::PictureChanged() {
    m_bPictureValid = false;
    update();
}

const QImage& CWorldMapWnd::Picture() {
    // A window moved to a screen of another pixel density needs a new picture too.
    if (m_bPictureValid && m_picture.devicePixelRatio() == devicePixelRatioF()) return m_picture;
    m_bPictureValid = true;
    const QImage& composite = m_map.Composite().Image();
    if (composite.isNull()) {
        m_picture = QImage();
        return m_picture;
    }
    const double ratio = devicePixelRatioF();
    const QSize device(static_cast<int>(std::lround(width() * ratio)), static_cast<int>(std::lround(height() * ratio)));
    m_picture = composite.copy(QRect(m_scroll, ClientImageSize())).convertToFormat(QImage::Format_RGB32);
    if (m_picture.size() != device && !device.isEmpty()) {
        m_picture = m_picture.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    m_picture.setDevicePixelRatio(ratio);
    return m_picture;
}

void CWorldMapWnd::paintEvent(QPaintEvent*) {
    EnsureImages();
    QPainter painter(this);
    const QImage& picture = Picture();
    if (picture.isNull()) {
        painter.fillRect(rect(), palette().window());
    } else {
        painter.drawImage(0, 0, picture);
    }
    if (m_bSkyPoints && m_bHaveTime) DrawSkyPoints(painter);
    if (m_bMarker) {
        const QPoint c = WindowPointOf(m_nMarkerLongitude, m_nMarkerLatitude);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(255, 0, 0), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(c.x() - kMarkerOuter + 0.5, c.y() - kMarkerOuter + 0.5, 2 * kMarkerOuter, 2 * kMarkerOuter));
        // A black outline around a white dot.
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRectF(c.x() - kMarkerInner + 0.5, c.y() - kMarkerInner + 0.5, 2 * kMarkerInner, 2 * kMarkerInner));
    }
    if ((m_dwOptions & MAP_ZOOMED) != 0) {
        const QRect button = ZoomOutRect();
        m_zoomOut.BlitToDevice(painter, button.x(), button.y(), button.width(), button.height());
    }
}

void CWorldMapWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!EnsureImages()) {
        if ((m_dwOptions & MAP_ZOOMED) != 0) ClampScroll();
        PictureChanged();
    }
}

void CWorldMapWnd::Tap(const QPointF& point) {
    const QRect button = ZoomOutRect();
    // Edges included.
    if ((m_dwOptions & MAP_ZOOMED) != 0 && point.x() >= button.left() && point.x() <= button.left() + kZoomOutSize &&
        point.y() >= button.top() && point.y() <= button.top() + kZoomOutSize) {
        Unzoom();
        return;
    }
    const double k = ImageScale();
    const LONG x = static_cast<LONG>(std::floor(point.x() * k)) + m_scroll.x();
    const LONG y = static_cast<LONG>(std::floor(point.y() * k)) + m_scroll.y();
    NMMAPTAPPED tap{MAPN_TAPPED, 0, 0, x, y};
    m_map.PixelToLatLong(x, y, &tap.longitude, &tap.latitude);
    emit tapped(tap);
}

void CWorldMapWnd::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    Tap(event->position());
}

void CWorldMapWnd::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The keyboard's tap: on the marked place, else the middle of the view.
        Tap(m_bMarker ? QPointF(WindowPointOf(m_nMarkerLongitude, m_nMarkerLatitude)) : QPointF(width() / 2.0, height() / 2.0));
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:  // + without Shift on most keyboards
        // The keyboard's zoom: on the marked place, else the middle of the view.
        if ((m_dwOptions & MAP_ZOOMED) == 0) {
            LONG longitude = m_nMarkerLongitude, latitude = m_nMarkerLatitude;
            if (!m_bMarker) {
                const double k = ImageScale();
                m_map.PixelToLatLong(static_cast<LONG>(width() * k / 2) + m_scroll.x(),
                                     static_cast<LONG>(height() * k / 2) + m_scroll.y(), &longitude, &latitude);
            }
            ZoomAt(longitude, latitude);
        }
        break;
    case Qt::Key_Escape:
    case Qt::Key_Minus:
        if ((m_dwOptions & MAP_ZOOMED) != 0) {
            Unzoom();
            break;
        }
        [[fallthrough]];
    default:
        QWidget::keyPressEvent(event);
    }
}

}  // namespace za::app
