// The application's images, loaded from its resources: the program icon, the tool bar's five
// images and the dialogs' help button. Each comes in 1x and 2x so HiDPI screens get sharp
// pixels.
#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

namespace za::app {

QIcon ProgramIcon();
// Alarm, time calculator, distance calculator, sunrise, moonrise: bitmap 128 cut into five.
QList<QIcon> ToolBarIcons();
// The help button's two looks: up (133) and pressed (135).
QPixmap HelpButtonImage(bool pressed);

}  // namespace za::app
