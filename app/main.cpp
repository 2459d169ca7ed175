// The Zonaria window program.
#include "appstrings.h"
#include "qtshell.h"
#include "zonariaapp.h"

#include <QApplication>

#include <cstdio>

namespace {

// For the start-up benchmark: with ZONARIA_REPORT_PAINT set, "painted" goes to standard
// output when the first window content has been painted.
class FirstPaintReporter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && watched->isWidgetType()) {
            std::puts("painted");
            std::fflush(stdout);
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    FirstPaintReporter reporter;
    if (qEnvironmentVariableIsSet("ZONARIA_REPORT_PAINT")) qapp.installEventFilter(&reporter);
    za::app::SetUpApplication();
    // One window per profile: a second start brings the first to the front.
    if (ActivateRunningInstance()) return 0;
    za::app::InstallQtShell();
    static CZonariaApp theApp;
    if (!theApp.InitInstance()) return 1;
    qapp.exec();
    return theApp.ExitInstance();
}
