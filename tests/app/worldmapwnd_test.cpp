#include "profile.h"
#include "subpoint.h"
#include "worldmapwnd.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace za::app;

namespace {

using za::test::MakeTime;

class WorldMapWndTest : public za::test::ProfileTest {
protected:
    // A map window of the given width, the map's aspect, shown at noon of an equinox.
    void Open(int width, DWORD options = MAP_TWILIGHT | MAP_SHADING) {
        map = std::make_unique<CWorldMapWnd>(nullptr, options);
        map->resize(width, map->heightForWidth(width));
        QObject::connect(map.get(), &CWorldMapWnd::tapped, [this](const NMMAPTAPPED& tap) { taps.push_back(tap); });
        map->Refresh(MakeTime(2026, 3, 20, 12, 0));
    }
    void Press(const QPointF& at, Qt::MouseButton button = Qt::LeftButton) {
        QMouseEvent press(QEvent::MouseButtonPress, at, map->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(map.get(), &press);
    }
    void Key(int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(map.get(), &event);
    }
    // The window as drawn; saved as PNG where ZONARIA_MAP_GRABS names a folder, for a look.
    QImage Grab(const char* name) {
        const QImage image = map->grab().toImage();
        const QByteArray folder = qgetenv("ZONARIA_MAP_GRABS");
        if (!folder.isEmpty()) image.save(QDir(QString::fromLocal8Bit(folder)).filePath(QString::fromLatin1(name) + ".png"));
        return image;
    }

    std::unique_ptr<CWorldMapWnd> map;
    std::vector<NMMAPTAPPED> taps;
};

}  // namespace

TEST_F(WorldMapWndTest, PicksTheSmallestSetAtLeastAsWideAsTheWindow) {
    struct Row {
        int width;
        int setWidth;
    };
    const Row rows[] = {{240, 240}, {200, 240}, {241, 480}, {480, 480}, {700, 960}, {960, 960}, {1400, 960}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.width);
        Open(row.width);
        EXPECT_EQ(row.setWidth, map->Composer().Width());
        EXPECT_EQ(row.width * 5 / 8, map->height());
    }
    // A resize takes another set, composed for the last instant handed in.
    Open(240);
    map->resize(480, 300);
    Grab("resized");
    EXPECT_EQ(480, map->Composer().Width());
    EXPECT_EQ(12, map->Composer().RenderedTime().wHour);
}

TEST_F(WorldMapWndTest, NothingLoadsBeforeTheFirstInstantNorBeforeItsSize) {
    CWorldMapWnd idle;
    idle.resize(240, 150);
    idle.grab();
    EXPECT_EQ(0, idle.Composer().Width());
    EXPECT_EQ(QStringLiteral("World map"), idle.accessibleName());

    // Nor before its layout gives it a size: the default size's set would only be replaced.
    CWorldMapWnd unsized;
    unsized.Refresh(MakeTime(2026, 3, 20, 12, 0));
    EXPECT_EQ(0, unsized.Composer().Width());
    unsized.resize(960, 600);
    unsized.grab();
    EXPECT_EQ(960, unsized.Composer().Width());
    EXPECT_EQ(12, unsized.Composer().RenderedTime().wHour);
}

TEST_F(WorldMapWndTest, TapsReportThePlaceThroughTheDrawnScale) {
    struct Row {
        const char* name;
        int width;
        QPointF at;
        NMMAPTAPPED expected;
    };
    const Row rows[] = {
        {"centre, 240", 240, {120, 75}, {MAPN_TAPPED, 0, 0, 120, 75}},
        {"top-left, 240", 240, {0, 0}, {MAPN_TAPPED, 9000, -18000, 0, 0}},
        {"zoom-out corner of the normal map is a tap", 240, {238, 2}, {MAPN_TAPPED, 8760, 17700, 238, 2}},
        {"centre, 480", 480, {240, 150}, {MAPN_TAPPED, 0, 0, 240, 150}},
        // 300 wide draws the 480 set at 0.625: window (150, 93.75) is image (240, 150).
        {"centre, 300", 300, {150, 93.75}, {MAPN_TAPPED, 0, 0, 240, 150}},
        {"Paris, 300", 300, {152, 43.2}, {MAPN_TAPPED, 4860, 225, 243, 69}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Open(row.width);
        Press(row.at);
        ASSERT_EQ(1u, taps.size());
        EXPECT_EQ(row.expected.code, taps[0].code);
        EXPECT_EQ(row.expected.latitude, taps[0].latitude);
        EXPECT_EQ(row.expected.longitude, taps[0].longitude);
        EXPECT_EQ(row.expected.x, taps[0].x);
        EXPECT_EQ(row.expected.y, taps[0].y);
        taps.clear();
    }
    // Other buttons are not taps.
    Press({120, 75}, Qt::RightButton);
    EXPECT_TRUE(taps.empty());
}

TEST_F(WorldMapWndTest, ZoomClampsAtTheEdges) {
    struct Row {
        const char* name;
        LONG longitude, latitude;
        QPoint scroll;
    };
    // The zoomed set of a 240-wide window is 480 × 300, of which 240 × 150 show.
    const Row rows[] = {
        {"centre", 0, 0, {120, 75}},
        {"near the west edge", -17500, 0, {0, 75}},
        {"near the east edge", 17500, 0, {240, 75}},
        {"near the North Pole", 0, 8900, {120, 0}},
        {"near the South Pole", 0, -8900, {120, 150}},
        {"Paris", 235, 4886, {123, 0}},
        {"Sydney", 15121, -3387, {240, 131}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Open(240);
        map->ZoomAt(row.longitude, row.latitude);
        EXPECT_NE(0u, map->Options() & MAP_ZOOMED);
        EXPECT_EQ(480, map->Composer().Width());
        EXPECT_EQ(row.scroll, map->ScrollPosition());
    }
    // In a wider window the same place scrolls by the set's pixels: 480 wide shows 480 × 300
    // of the 960 × 600 set.
    Open(480);
    map->ZoomAt(17500, 0);
    EXPECT_EQ(QPoint(480, 150), map->ScrollPosition());
    // A tap on the zoomed map reports the zoomed set's pixel.
    Press({0, 0});
    ASSERT_EQ(1u, taps.size());
    EXPECT_EQ(480, taps[0].x);
    EXPECT_EQ(150, taps[0].y);
    EXPECT_EQ(0, taps[0].longitude);
    EXPECT_EQ(4500, taps[0].latitude);
}

TEST_F(WorldMapWndTest, ZoomOutButton) {
    Open(240);
    map->ZoomAt(0, 0);
    const QImage zoomed = Grab("zoomed");
    // The button's grey face at the top-right corner.
    EXPECT_GT(qGray(zoomed.pixel(240 - 28 + 3, 3)), 200);
    EXPECT_LT(qGray(map->Composer().Composite().Image().pixel(map->ScrollPosition() + QPoint(240 - 28 + 3, 3))), 200);
    // Its edges count: the rectangle's far corner unzooms too.
    for (const QPointF at : {QPointF(212, 0), QPointF(240, 28), QPointF(225, 14)}) {
        map->ZoomAt(0, 0);
        Press(at);
        EXPECT_EQ(0u, map->Options() & MAP_ZOOMED);
        EXPECT_EQ(QPoint(0, 0), map->ScrollPosition());
        EXPECT_EQ(240, map->Composer().Width());
    }
    EXPECT_TRUE(taps.empty());
    // Just outside it is a tap on the zoomed map.
    map->ZoomAt(0, 0);
    Press({211, 10});
    EXPECT_EQ(1u, taps.size());
    EXPECT_NE(0u, map->Options() & MAP_ZOOMED);
    // The keyboard's way out.
    Key(Qt::Key_Escape);
    EXPECT_EQ(0u, map->Options() & MAP_ZOOMED);
}

TEST_F(WorldMapWndTest, TwilightChangeKeepsTheZoomAndRedrawsTheMasks) {
    Open(240);
    map->ZoomAt(235, 4886);
    const QPoint scroll = map->ScrollPosition();
    const int builds = map->Composer().MaskBuilds();
    map->SetOptions(MAP_SHADING | MAP_ZOOMED);
    EXPECT_EQ(scroll, map->ScrollPosition());
    EXPECT_EQ(480, map->Composer().Width());
    EXPECT_EQ(builds + 1, map->Composer().MaskBuilds());
    map->SetOptions(MAP_SHADING | MAP_ZOOMED | MAP_TWILIGHT);
    EXPECT_EQ(builds + 2, map->Composer().MaskBuilds());
}

TEST_F(WorldMapWndTest, ClockTicksRecomposeOnlyWhenTheShadingMoves) {
    Open(240);
    const QImage noon = Grab("noon");
    map->Refresh(MakeTime(2026, 3, 20, 12, 0, 10));
    EXPECT_EQ(0, map->Composer().RenderedTime().wSecond);
    // Set back by hours: the picture follows at the next tick.
    map->Refresh(MakeTime(2026, 3, 20, 6, 0));
    EXPECT_EQ(6, map->Composer().RenderedTime().wHour);
    EXPECT_NE(noon, Grab("six"));
}

TEST_F(WorldMapWndTest, MarkerAndItsDescription) {
    Open(240);
    map->SetMarker(235, 4886, QStringLiteral("Paris, France"));
    EXPECT_TRUE(map->MarkerShown());
    EXPECT_EQ(QStringLiteral("Paris, France"), map->accessibleDescription());
    const QPoint c = map->WindowPointOf(235, 4886);
    EXPECT_EQ(QPoint(121, 35), c);
    const QImage image = Grab("marker");
    // A white dot in a black ring inside a red circle of radius 9.
    EXPECT_EQ(qRgb(255, 255, 255), image.pixel(c));
    const QRgb ring = image.pixel(c.x() + 9, c.y());
    EXPECT_GT(qRed(ring), 150);
    EXPECT_LT(qGreen(ring), 100);
    EXPECT_LT(qGray(image.pixel(c.x() + 3, c.y())), 100);
    EXPECT_TRUE(CWorldMapWnd::MarkerArea(c).contains(QRect(c.x() - 9, c.y() - 9, 19, 19)));

    // Zoomed the marker follows the scroll position and the scale.
    map->ZoomAt(235, 4886);
    EXPECT_EQ(QPoint(243 - 123, 69 - 0), map->WindowPointOf(235, 4886));
    Grab("marker-zoomed");

    map->ClearMarker();
    EXPECT_FALSE(map->MarkerShown());
    EXPECT_TRUE(map->accessibleDescription().isEmpty());
}

TEST_F(WorldMapWndTest, PaintsThePictureOneToOne) {
    Open(240);
    const QImage image = Grab("map-240");
    const QImage& composite = map->Composer().Composite().Image();
    for (const QPoint p : {QPoint(0, 0), QPoint(120, 75), QPoint(239, 149), QPoint(60, 40)}) {
        EXPECT_EQ(composite.pixel(p), image.pixel(p)) << p.x() << "," << p.y();
    }
    Open(480);
    Grab("map-480");
    map->SetMarker(-7400, 4070, QStringLiteral("New York"));
    Grab("map-480-marker");
}

TEST_F(WorldMapWndTest, ReleaseAndRestore) {
    Open(240);
    map->ZoomAt(15121, -3387);
    const QPoint scroll = map->ScrollPosition();
    map->ReleaseImages();
    EXPECT_TRUE(map->ImagesReleased());
    EXPECT_EQ(0, map->Composer().Width());
    // Ticks and paints while released load nothing.
    map->Refresh(MakeTime(2026, 3, 20, 13, 0));
    map->grab();
    EXPECT_EQ(0, map->Composer().Width());
    map->RestoreImages();
    EXPECT_EQ(480, map->Composer().Width());
    EXPECT_EQ(scroll, map->ScrollPosition());
    EXPECT_EQ(13, map->Composer().RenderedTime().wHour);
}

TEST_F(WorldMapWndTest, KeepsTheMapsAspect) {
    CWorldMapWnd window;
    EXPECT_TRUE(window.hasHeightForWidth());
    EXPECT_EQ(150, window.heightForWidth(240));
    EXPECT_EQ(300, window.heightForWidth(480));
    EXPECT_EQ(QSize(240, 150), window.sizeHint());
}

TEST_F(WorldMapWndTest, SunAndMoonOverheadAreDrawnAndNamed) {
    Open(480);
    EXPECT_TRUE(map->accessibleDescription().isEmpty());
    const SYSTEMTIME at = MakeTime(2026, 10, 20, 0, 0);
    map->ShowSkyPoints(true);
    map->Refresh(at);
    const za::astro::SubPoint sun = za::astro::SubsolarPoint(at);
    const za::astro::MoonOverhead moon = za::astro::SublunarPoint(at);
    // At 0 h UT the Sun stands over the Pacific, south of the equator in October.
    EXPECT_LT(sun.latitude, -9.0);
    EXPECT_GT(std::fabs(sun.longitude), 170.0);
    EXPECT_EQ(za::astro::SunOverheadText(sun) + QLatin1Char('\n') + za::astro::MoonOverheadText(moon.point),
              map->accessibleDescription());
    EXPECT_TRUE(map->accessibleDescription().startsWith(QStringLiteral("Sun overhead: ")));

    const QImage image = Grab("sunmoon");
    const QPoint s = map->WindowPointOf(std::lround(sun.longitude * 100), std::lround(sun.latitude * 100));
    const QRgb centre = image.pixel(s);
    // A yellow disc: much red and green, little blue.
    EXPECT_GT(qRed(centre), 200);
    EXPECT_GT(qGreen(centre), 170);
    EXPECT_LT(qBlue(centre), 80);
    // The Moon's disc differs from the map around it.
    const QPoint m = map->WindowPointOf(std::lround(moon.point.longitude * 100), std::lround(moon.point.latitude * 100));
    map->ShowSkyPoints(false);
    const QImage bare = Grab("sunmoon-off");
    EXPECT_NE(bare.pixel(s), centre);
    EXPECT_NE(bare.pixel(m), image.pixel(m));
    EXPECT_TRUE(map->accessibleDescription().isEmpty());

    // The marked place comes first.
    map->ShowSkyPoints(true);
    map->SetMarker(235, 4886, QStringLiteral("Paris, France"));
    EXPECT_TRUE(map->accessibleDescription().startsWith(QStringLiteral("Paris, France\nSun overhead: ")));
}
