// The shell of the window program: message boxes over QMessageBox, help in the desktop's
// browser, programs started detached, the wait cursor and the visible desktop from the screen.
#pragma once

#include "shell.h"

#include <vector>

namespace za::app {

class QtShell : public za::shell::Shell {
public:
    int MessageBox(const QString& text, const QString& caption, UINT type) override;
    // A missing help file or browser is told once per run; later requests fail quietly.
    bool ShowHelp(const QString& request) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
    bool GetSipInfo(SIPINFO* info) override;
    // Over the program's own windows: while none is on screen (the start, before the main
    // window shows) the desktop's launch feedback stands for it, and the theme's wait cursor,
    // an animation of several megabytes, is not loaded for a window that is not there.
    void SetWaitCursor(bool on) override;

private:
    bool m_helpFailureShown = false;
    std::vector<bool> m_waits;  // per wait cursor asked for and not yet removed: whether it was set
};

// Installs the Qt shell and the screen as the visible desktop; needs a QApplication.
void InstallQtShell();

}  // namespace za::app
