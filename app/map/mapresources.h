// The map's bitmap resources by number, and the Qt resource file behind each number.
//
// The day, night and twilight images come in sets of one size sharing one colour table. The
// 240 × 150 set (130, 131, 132) and its zoomed set 480 × 300 (170, 171, 173) are the map's own;
// the larger sets serve wider windows and screens of higher pixel density: the zoomed set of
// the 480 set is 960 × 600 (180, 181, 183), of the 960 set 1920 × 1200 (190, 191, 193). A set
// of one size is the same images whether it is shown normal or zoomed.
#pragma once

#include "wintypes.h"

#include <QString>

namespace za::app {

constexpr UINT IDB_MAPDAY = 130;
constexpr UINT IDB_MAPNIGHT = 131;
constexpr UINT IDB_MAPTWILIGHT = 132;
constexpr UINT IDB_MAPDAY_ZOOMED = 170;
constexpr UINT IDB_MAPNIGHT_ZOOMED = 171;
constexpr UINT IDB_ZOOMOUT = 172;
constexpr UINT IDB_MAPTWILIGHT_ZOOMED = 173;

struct MapImageSet {
    int width;
    int height;
    UINT day;
    UINT night;
    UINT twilight;
};

// The sets, smallest first.
constexpr MapImageSet kMapImageSets[] = {
    {240, 150, IDB_MAPDAY, IDB_MAPNIGHT, IDB_MAPTWILIGHT},
    {480, 300, IDB_MAPDAY_ZOOMED, IDB_MAPNIGHT_ZOOMED, IDB_MAPTWILIGHT_ZOOMED},
    {960, 600, 180, 181, 183},
    {1920, 1200, 190, 191, 193},
};

// The set that is `width` pixels wide, or null.
const MapImageSet* MapImageSetOfWidth(int width);

// ":/zonaria/map/<file>.bmp" of a resource number; empty for a number that is not a map image.
QString MapResourcePath(UINT id);

}  // namespace za::app
