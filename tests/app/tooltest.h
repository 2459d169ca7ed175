// What the tool dialogs' tests share: the application started on a fixed clock, cities by
// name, choosing a city in a display through its picker, and a look at a dialog as a PNG.
#pragma once

#include "apptest.h"

#include "citydisplay.h"
#include "mainframe.h"
#include "settings.h"

#include <QString>

class QWidget;

namespace za::test {

class ToolTest : public AppTest {
protected:
    // Sunday 8 March 2026, 14:37:20 UTC: London on GMT, Tokyo at 23:37.
    ToolTest();

    void SetUp() override;
    static CCity LoadCity(const QString& name);
    // Chooses a city in a display through its change-city button and the picker.
    static void ChooseCity(za::app::CCityDisplay& display, const QString& typed);
    // Grabs the dialog, shown at its own size, to artifacts/<name>.png; false when it cannot.
    static bool SaveLook(QWidget* dialog, const QString& name);

    FixedHostClock host;
};

}  // namespace za::test
