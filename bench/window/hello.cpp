// The yardstick of the window benchmarks: a Qt "hello world" window, reporting its first
// paint like Zonaria does with ZONARIA_REPORT_PAINT.
#include <QApplication>
#include <QLabel>

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
    QLabel label(QStringLiteral("Hello, world"));
    label.resize(480, 460);
    label.show();
    return app.exec();
}
