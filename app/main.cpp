// The Zonaria window program.
#include "paintreport.h"
#include "process.h"
#include "qtshell.h"
#include "zonariaapp.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    // Answered before the application object, so it needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Zonaria %s\n", ZONARIA_VERSION);
            return 0;
        }
    }
    QApplication qapp(argc, argv);
    za::ReportFirstPaint();
    za::app::SetUpApplication();
    // One window per profile: a second start brings the first to the front.
    if (za::app::ActivateRunningInstance()) return 0;
    za::app::InstallQtShell();
    za::process::QuitOnTerminationSignals();
    static za::app::CZonariaApp theApp;
    if (!theApp.InitInstance()) return 1;
    qapp.exec();
    return theApp.ExitInstance();
}
