// Stands in for the world map until the shaded map exists: the same size rule (240 : 150,
// the full width), the same projection (1.5 degrees of longitude and 1.2 of latitude per pixel
// at 240 wide), the marker and the tap.
#pragma once

#include "wintypes.h"

#include <QWidget>

namespace za::app {

constexpr int IDC_WORLDMAP = 1000;
constexpr DWORD MAP_SHADING = 0x0001;
constexpr DWORD MAP_TWILIGHT = 0x0002;

class CMapPlaceholder : public QWidget {
    Q_OBJECT

public:
    explicit CMapPlaceholder(QWidget* parent);

    void SetOptions(DWORD options) { m_options = options; }
    DWORD Options() const { return m_options; }
    void Refresh(const SYSTEMTIME&) {}
    void SetMarker(int longitude, int latitude);
    void ClearMarker();
    void ZoomAt(int longitude, int latitude);
    void ReleaseImages() {}
    void ReloadImages() {}
    // The point of the widget that shows a place (hundredths of a degree).
    QPoint LatLongToPoint(int longitude, int latitude) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width * 150 / 240; }
    QSize sizeHint() const override { return QSize(240, 150); }

signals:
    // A tap at a place of the map (hundredths of a degree).
    void tapped(int longitude, int latitude);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    DWORD m_options = MAP_SHADING | MAP_TWILIGHT;
    bool m_marker = false;
    int m_markerLongitude = 0;
    int m_markerLatitude = 0;
};

}  // namespace za::app
