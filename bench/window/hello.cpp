// The yardstick of the window benchmarks: a Qt "hello world" window with a menu, reporting its
// first paint like Zonaria does with ZONARIA_REPORT_PAINT.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include <cstdio>

namespace {

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
    QApplication app(argc, argv);
    FirstPaintReporter reporter;
    app.installEventFilter(&reporter);
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, &app, &QApplication::quit);
    window.setCentralWidget(new QLabel(QStringLiteral("Hello, world")));
    window.resize(480, 460);
    window.show();
    return app.exec();
}
