#include "mapresources.h"

namespace za::app {

const MapImageSet* MapImageSetOfWidth(int width) {
    for (const MapImageSet& set : kMapImageSets) {
        if (set.width == width) return &set;
    }
    return nullptr;
}

QString MapResourcePath(UINT id) {
    if (id == IDB_ZOOMOUT) return QStringLiteral(":/zonaria/map/zoomout.bmp");
    for (const MapImageSet& set : kMapImageSets) {
        const char* role = id == set.day ? "day" : id == set.night ? "night" : id == set.twilight ? "twilight" : nullptr;
        if (role) return QStringLiteral(":/zonaria/map/%1-%2.bmp").arg(QLatin1String(role)).arg(set.width);
    }
    return {};
}

}  // namespace za::app
