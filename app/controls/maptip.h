// The tip: a small pale-yellow window over the main view with facts about a tapped city or
// place, and a "Zoom" label that zooms the map on it.
#pragma once

#include "host.h"
#include "wintypes.h"

#include <QFont>
#include <QWidget>

namespace za::app {

class CMapTip : public QWidget {
    Q_OBJECT

public:
    // owner receives WM_ZOOMMAP; a tap is the host's cancel-mode.
    explicit CMapTip(QWidget* owner, CHost& host = NoHost());

    // Places the tip at (x, y) of the owner, moved inside it (or cut at its left and top), and
    // shows it without taking the focus. Longitude and latitude in hundredths of a degree.
    void Show(int x, int y, int longitude, int latitude, const QString& text);
    void Hide();

    QString Text() const { return m_text; }
    QRect ZoomRect() const { return m_zoomRect; }
    int Longitude() const { return m_longitude; }
    int Latitude() const { return m_latitude; }
    // Where the tip lies, in the owner's coordinates.
    QRect PlaceInOwner() const { return m_place; }
    // A tap at a point of the tip: the program's cancel-mode, and a zoom inside the label.
    void Tap(const QPoint& at);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    CHost& m_host;
    QWidget* m_owner;
    QFont m_font;
    QRect m_zoomRect;
    QRect m_place;
    int m_longitude = 0;
    int m_latitude = 0;
    QString m_text;
};

}  // namespace za::app
