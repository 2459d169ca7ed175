#include "apptest.h"

#include "citylist.h"
#include "mainframe.h"
#include "poapp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

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

}  // namespace za::test
