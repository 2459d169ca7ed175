// The world map window of the main view: the composed day/night picture, a round marker on a
// place, the zoomed map with its zoom-out button, and taps reported as longitude and latitude.
//
// The window never reads the clock: its owner hands it the instant (Refresh), and the
// pictures are composed for the last instant handed in. The window keeps the map's 240 : 150
// aspect (heightForWidth) and draws from the smallest image set at least as wide as the window
// in device pixels, so the map is never enlarged; all the map's arithmetic (scroll position,
// zoom clamps, tapped pixel) is in that set's pixels, and window points map through the
// drawn scale.
#pragma once

#include "daynightmap.h"
#include "subpoint.h"

#include <QWidget>

class QPainter;

namespace za::app {

// The map's control identifier in the main view and its notification.
constexpr int IDC_WORLDMAP = 1000;
constexpr int MAPN_TAPPED = -1001;

// What a tap reports: the place and the image pixel under the stylus.
struct NMMAPTAPPED {
    int code;        // MAPN_TAPPED
    LONG latitude;   // hundredths of a degree, north positive
    LONG longitude;  // hundredths of a degree, east positive
    LONG x;          // pixel of the loaded image set (scroll position included)
    LONG y;
};

class CWorldMapWnd : public QWidget {
    Q_OBJECT

public:
    // The zoom-out button's side and the marker's radii, in device-independent pixels.
    static constexpr int kZoomOutSize = 28;
    static constexpr int kMarkerOuter = 9;
    static constexpr int kMarkerInner = 3;

    explicit CWorldMapWnd(QWidget* parent = nullptr, DWORD options = MAP_TWILIGHT | MAP_SHADING);

    DWORD Options() const { return m_dwOptions; }
    // Stores options that differ and hands them to the composer (a twilight change recomposes,
    // a shading or zoom change reloads the images).
    void SetOptions(DWORD options);
    // The "Twilight" setting for the composer's dark mask, from its next drawing on.
    void SetTwilightSetting(DWORD twilight) { m_map.SetTwilightSetting(twilight); }

    // The instant to show (UTC): recomposes when the shading moved by a column, the date
    // changed or the clock went back. The first call loads the images.
    void Refresh(const SYSTEMTIME& utc);

    // Shows the zoomed map centred on the place as far as the map's edges allow.
    void ZoomAt(LONG longitude, LONG latitude);
    // Back to the whole map.
    void Unzoom();

    // Draws the points where the Sun and the Moon stand overhead at the instant handed in (the
    // Moon with its phase) and names them in the accessible description after the marked
    // place. Off until the owner turns it on.
    void ShowSkyPoints(bool show);
    bool SkyPointsShown() const { return m_bSkyPoints; }
    const za::astro::SubPoint& SunPoint() const { return m_sun; }
    const za::astro::MoonOverhead& MoonPoint() const { return m_moon; }
    // The areas the two symbols take around their window points.
    static QRect SunArea(const QPoint& centre);
    static QRect MoonArea(const QPoint& centre);

    // Marks a place with the two circles; `place` becomes the map's accessible description.
    void SetMarker(LONG longitude, LONG latitude, const QString& place = QString());
    void ClearMarker();
    bool MarkerShown() const { return m_bMarker; }

    // The window point (device-independent pixels) of a place: where the marker's centre is
    // drawn, and where the main view puts its tip.
    QPoint WindowPointOf(LONG longitude, LONG latitude) const;
    // The marker's area around a window point (the outer circle and its pen).
    static QRect MarkerArea(const QPoint& centre);
    // The zoom-out button's rectangle at the window's top-right corner.
    QRect ZoomOutRect() const;

    // Frees every image (while the application is hidden) and loads them again.
    void ReleaseImages();
    void RestoreImages();
    bool ImagesReleased() const { return m_bReleased; }

    // The image pixel shown at the window's top-left corner; (0, 0) unless zoomed.
    QPoint ScrollPosition() const { return m_scroll; }
    const CDayNightMap& Composer() const { return m_map; }

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    // A tap on the map (not on the zoom-out button): MAPN_TAPPED with the place.
    void tapped(const NMMAPTAPPED& tap);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Loads the images when they are due (an instant is known, not released) and the window's
    // size calls for another set; TRUE when it loaded them.
    bool EnsureImages();
    // The normal set's width for the window's width in device pixels.
    int WantedSetWidth() const;
    // Image pixels per window pixel (device-independent).
    double ImageScale() const;
    // The window's size in image pixels.
    QSize ClientImageSize() const;
    void ClampScroll();
    void Tap(const QPointF& point);
    void PictureChanged();
    const QImage& Picture();
    void UpdateDescription();
    void DrawSkyPoints(QPainter& painter) const;

    CDayNightMap m_map;
    QPoint m_scroll;
    CDibSection m_zoomOut;
    DWORD m_dwOptions;
    bool m_bMarker = false;
    LONG m_nMarkerLongitude = 0;
    LONG m_nMarkerLatitude = 0;

    bool m_bSkyPoints = false;
    za::astro::SubPoint m_sun;
    za::astro::MoonOverhead m_moon;
    QString m_place;

    SYSTEMTIME m_stNow{};
    bool m_bHaveTime = false;
    bool m_bReleased = false;
    // The visible part of the picture at the window's device size, made when the picture,
    // the scroll position or the size changes, so that a paint is one plain copy.
    QImage m_picture;
    bool m_bPictureValid = false;
};

}  // namespace za::app
