// The application's images, loaded from its resources: the program icon, the tool bar's five
// images and the dialogs' help button. Each comes in 1x and 2x so HiDPI screens get sharp
// pixels.
#pragma once

#include <QIcon>
#include <QList>
#include <QPalette>
#include <QPixmap>

#include "wintypes.h"

namespace za::app {

// The program icon in its sizes up to `largest` pixels (16 to 256). A window's icon needs no
// more than 64: the desktop takes larger ones from the installed icon theme, and every size
// given is decoded and sent to the window system when the window opens.
QIcon ProgramIcon(int largest = 256);
// Alarm, time calculator, distance calculator, sunrise, moonrise: bitmap 128 cut into five.
QList<QIcon> ToolBarIcons();
// The help button's two looks: up (133) and pressed (135).
QPixmap HelpButtonImage(bool pressed);
// The city display's 12 x 12 buttons: change city (138), not the current city (139) and the
// current city (140), drawn for the screen's pixel ratio in the palette's colours.
QPixmap DisplayButtonImage(UINT id, qreal pixelRatio, const QPalette& palette);
// Puts a style over the application's own that gives the menu and tool bars' extension arrows
// read as PNG: Qt's styles read them with a reader that first loads every image plug-in to ask
// it what the file is, which costs each start of the window tens of milliseconds. Called once,
// before the first widget.
void UseStyleWithPngImages();

}  // namespace za::app
