// The shell of the window program: message boxes over QMessageBox, help in the desktop's
// browser, programs started detached, the wait cursor and the visible desktop from the screen.
#pragma once

#include "shell.h"

namespace za::app {

class QtShell : public za::shell::Shell {
public:
    int MessageBox(const QString& text, const QString& caption, UINT type) override;
    // A missing help file or browser is told once per run; later requests fail quietly.
    bool ShowHelp(const QString& request) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
    bool GetSipInfo(SIPINFO* info) override;
    void SetWaitCursor(bool on) override;

private:
    bool m_helpFailureShown = false;
};

// Installs the Qt shell and the screen as the visible desktop; needs a QApplication.
void InstallQtShell();

}  // namespace za::app
