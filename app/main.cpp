// The Zonaria window program.
#include "paintreport.h"
#include "qtshell.h"
#include "zonariaapp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    za::ReportFirstPaint();
    za::app::SetUpApplication();
    // One window per profile: a second start brings the first to the front.
    if (ActivateRunningInstance()) return 0;
    za::app::InstallQtShell();
    static CZonariaApp theApp;
    if (!theApp.InitInstance()) return 1;
    qapp.exec();
    return theApp.ExitInstance();
}
