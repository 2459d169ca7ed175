#include "paintreport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

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

class AfterPaint : public QObject {
public:
    explicit AfterPaint(std::function<void()> fn) : m_fn(std::move(fn)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && watched->isWidgetType() && m_fn) {
            QCoreApplication::instance()->removeEventFilter(this);
            // After the paint: the filter runs before it.
            QTimer::singleShot(0, QCoreApplication::instance(), std::move(m_fn));
            m_fn = nullptr;
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_fn;
};

}  // namespace

void AfterFirstPaint(std::function<void()> fn) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || !fn) return;
    auto* filter = new AfterPaint(std::move(fn));
    filter->setParent(app);
    app->installEventFilter(filter);
}

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
