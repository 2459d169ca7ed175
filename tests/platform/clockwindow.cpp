// A second process for the window tests: a stand-in clock program with one top-level window
// of class "Dialog" titled "Clock" in the profile named by ZONARIA_DEVICE.
//   clockwindow                 quits on WM_CLOSE
//   clockwindow --ignore-close  prints "close ignored" on WM_CLOSE and keeps running
// Prints "ready" once the window can be found.
#include "device.h"
#include "window.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const bool ignoreClose = app.arguments().contains(QStringLiteral("--ignore-close"));
    za::PlatformWindow window(QStringLiteral("Dialog"), QStringLiteral("Clock"), [&](UINT msg, WPARAM, LPARAM) {
        if (msg != WM_CLOSE) return;
        if (ignoreClose) {
            std::printf("close ignored\n");
            std::fflush(stdout);
            return;
        }
        QCoreApplication::quit();
    });
    if (!window.hwnd()) {
        std::fprintf(stderr, "cannot create the window (error %u): %s\n", GetLastError(),
                     qPrintable(za::device::LastError()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
