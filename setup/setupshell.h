// The installer's shell: a failure is shown in a message box when the program has a screen a
// user sees (started from a file manager, stderr goes nowhere), and written to standard error
// as well, for a terminal and for logs. Without a screen, standard error only.
#pragma once

#include "shell.h"

namespace za::setup {

// Whether the environment offers a screen a user sees: a display to connect to, and no Qt
// platform that draws nowhere (offscreen, minimal). Checked before the application object is
// made, which cannot be made for a screen that is not there.
bool HasScreen();

class SetupShell : public za::shell::TerminalShell {
public:
    // withBox: show message boxes (the program made a widget application for its screen).
    explicit SetupShell(bool withBox) : m_withBox(withBox) {}
    int MessageBox(const QString& text, const QString& caption, UINT type) override;

private:
    bool m_withBox;
};

}  // namespace za::setup
