#include "setupshell.h"

#include <QMessageBox>

#include <cstdio>

namespace za::setup {

bool HasScreen() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") || platform.startsWith("minimal")) return false;
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

int SetupShell::MessageBox(const QString& text, const QString& caption, UINT type) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    std::fflush(stderr);
    if (!m_withBox) return za::shell::DefaultButton(type);
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    box.exec();
    return IDOK;
}

}  // namespace za::setup
