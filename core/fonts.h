// What the window programs need of Qt Gui from the core: the font factory, the desktop's font,
// the PNG reader and the visible desktop's area. Apart from the rest of the core library so that
// the programs without windows (zonaria-cli, the alarm agent) do not load Qt Gui.
#pragma once

#include "wintypes.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSet>
#include <QString>

class QPaintDevice;
class QPainter;

// A font of face, or of the desktop's family standing in for it (AdoptDesktopFont) where the
// computer lacks the face: a family the font database does not hold sends it through the
// fallback fonts before the stand-in is tried, for every size and weight.
QFont FaceFont(const QString& face);
// A font of `size` tenths of a point, bold on request, antialiased when ClearType is on.
// dc, when given, is the device the font is for; Qt scales point sizes itself.
BOOL CreatePointFont(QFont& font, int size, const QString& face, QPaintDevice* dc = nullptr, BOOL bold = FALSE);
// The handheld's interface font ("Tahoma", 8 points) becomes the desktop's: its family stands
// in for Tahoma and its size sets the point-font scale. For every window program at start.
void AdoptDesktopFont(const QFont& desktop);
// Room for the widest of texts in font: at least each text's width as QFontMetrics lays it out
// (unless kerning widens a text by over two pixels), at most the widest laid out or the widest
// sum of a text's glyph advances; 0 for none.
int WidestText(const QFont& font, const QSet<QString>& texts);
// The PNG image in file (usually a resource), read as PNG and nothing else: a reader allowed
// to find the format from the contents first loads every image plug-in to ask it, which costs
// a window's start tens of milliseconds. A null image when the file is missing or not a PNG.
QImage ReadPng(const QString& file);

// The mark of a city whose clocks change within a week, on its display and its Today row: an
// amber triangle of `side` pixels whose right edge is at `right`, centred on `centreY`, pointing
// up for clocks going forward and down for back.
inline const QColor kClockChangeColour(230, 140, 0);
void DrawClockChangeMark(QPainter& painter, int right, int centreY, int side, bool forward);
