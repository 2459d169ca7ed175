// A second process for the window tests: a stand-in clock program with one top-level window
// of class "Dialog" titled "Clock" in the profile named by ZONARIA_DEVICE.
//   clockwindow                 quits on WM_CLOSE
//   clockwindow --ignore-close  prints "close ignored" on WM_CLOSE and keeps running
//   clockwindow --register NAME prints "registered N", the number of the message name, first
// Prints "ready" once the window can be found, and "message M W L" for any other message.
#include "device.h"
#include "window.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool ignoreClose = args.contains(QStringLiteral("--ignore-close"));
    const int reg = args.indexOf(QStringLiteral("--register"));
    if (reg > 0 && reg + 1 < args.size()) {
        std::printf("registered %u\n", RegisterWindowMessageW(args.at(reg + 1)));
        std::fflush(stdout);
    }
    za::PlatformWindow window(QStringLiteral("Dialog"), QStringLiteral("Clock"), [&](UINT msg, WPARAM w, LPARAM l) {
        if (msg != WM_CLOSE) {
            std::printf("message %u %llu %lld\n", msg, static_cast<unsigned long long>(w), static_cast<long long>(l));
            std::fflush(stdout);
            return;
        }
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
