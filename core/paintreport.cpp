#include "paintreport.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstdio>

namespace za {
namespace {

class FirstPaintReporter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && watched->isWidgetType()) {
            std::puts("painted");
            std::fflush(stdout);
            QCoreApplication::instance()->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void ReportFirstPaint() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || !qEnvironmentVariableIsSet("ZONARIA_REPORT_PAINT")) return;
    auto* reporter = new FirstPaintReporter;
    reporter->setParent(app);
    app->installEventFilter(reporter);
}

void ReportReady() {
    if (!qEnvironmentVariableIsSet("ZONARIA_REPORT_READY")) return;
    std::puts("ready");
    std::fflush(stdout);
}

}  // namespace za
