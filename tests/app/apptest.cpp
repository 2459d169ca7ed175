#include "apptest.h"

#include "citylist.h"
#include "mainframe.h"
#include "poapp.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QThread>
#include <QWidget>

using namespace za::app;

namespace za::test {

AppTest::AppTest() {
    // Outlook's logon belongs to the profile: a new profile needs a new logon.
    GetPOApp().Logoff();
    za::app::SetUpApplication();
    app = std::make_unique<CZonariaApp>();
    auto recording = std::make_unique<RecordingDialogs>();
    dialogs = recording.get();
    app->SetDialogs(std::move(recording));
}

AppTest::~AppTest() {
    if (app) app->ExitInstance();
    app.reset();
    GetCityList().Close();
    GetPOApp().Logoff();
}

bool AppTest::Start() { return app->InitInstance() == TRUE; }

bool AppTest::RunUntil(const std::function<bool()>& cond, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!cond()) {
        if (timer.elapsed() > ms) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

void AppTest::Pump(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

bool SaveShot(QWidget& widget, const QString& file) {
    const QString dir = QStringLiteral(ZONARIA_ARTIFACT_DIR);
    QDir().mkpath(dir);
    // Layouts settle before the picture is taken.
    QApplication::processEvents();
    const bool saved = widget.grab().toImage().save(dir + QLatin1Char('/') + file);
    EXPECT_TRUE(saved) << qPrintable(file);
    return saved;
}

}  // namespace za::test
