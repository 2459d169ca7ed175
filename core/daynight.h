// The outline of the dark part of the Earth at 0 h UT of a date, for the world map's night
// and twilight shading.
#pragma once

#include "astro.h"
#include "wintypes.h"

// Fills `points` with a closed polygon, in hundredths of a degree (x east longitude, y
// latitude), around the region where the Sun stands below the zenith's altitude (1 to 4) at
// 0 h UT of the UTC date. The first half runs along the western edge from south to north, one
// point per parallel the edge crosses, with (-18000, y) for a parallel dark all round and the
// map corner (-18000, -9000) or (-18000, 9000) before or after a dark pole; the second half is
// the first reversed with x negated, so the outline is symmetric about the prime meridian and
// the map slides it west with the time of day. x may stray a little past ±18000.
//
// *count: on entry the capacity of `points` (the map passes 292, giving parallels every
// 1.25°; it must exceed 4), on return the number of points written, always even and never
// more than the capacity. A latitude of exactly -90° comes out as y = -8999: the rounding adds
// 0.5 and truncates toward zero.
void CalcDarkBoundaries(ZENITH zenith, int year, int month, int day, POINT* points, int* count);
