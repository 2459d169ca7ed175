// What the window tests share: a profile, the recorder shell, pinned locale, and an
// application object whose dialogs are recorded instead of opened.
#pragma once

#include "city.h"
#include "dialoglauncher.h"
#include "profile.h"
#include "shell.h"
#include "zonariaapp.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace za::test {

// Remembers which dialog was asked for, with the cities it was given.
class RecordingDialogs : public za::app::CDialogLauncher {
public:
    struct Call {
        QString dialog;
        QStringList cities;
    };
    std::vector<Call> calls;
    int answer = IDCANCEL;

    void Alarms(QWidget*, const CCity& city) override { Add("Alarms", {city.Name()}); }
    void SetAlarm(QWidget*, const CCity& city) override { Add("SetAlarm", {city.Name()}); }
    void AirportCodes(QWidget*) override { Add("AirportCodes", {}); }
    void PhoneCodes(QWidget*) override { Add("PhoneCodes", {}); }
    void DistanceCalculator(QWidget*, const CCity& a, const CCity& b) override {
        Add("DistanceCalculator", {a.Name(), b.Name()});
    }
    void TimeCalculator(QWidget*) override { Add("TimeCalculator", {}); }
    void MeetingPlanner(QWidget*) override { Add("MeetingPlanner", {}); }
    void Sunrise(QWidget*, const CCity& city) override { Add("Sunrise", {city.Name()}); }
    void Moonrise(QWidget*, const CCity& city) override { Add("Moonrise", {city.Name()}); }
    int SetTime(QWidget*) override { return Add("SetTime", {}); }
    int EditCities(QWidget*) override { return Add("EditCities", {}); }
    int Preferences(QWidget*) override { return Add("Preferences", {}); }
    int EditCity(QWidget*, CCity& city, bool isNew) override {
        return Add(isNew ? "EditNewCity" : "EditCity", {city.Name()});
    }
    void About(QWidget*) override { Add("About", {}); }

private:
    int Add(const char* dialog, QStringList cities) {
        calls.push_back({QString::fromLatin1(dialog), std::move(cities)});
        return answer;
    }
};

// A fresh profile, the recorder, and an application started on them.
class AppTest : public ProfileTest {
protected:
    AppTest();
    ~AppTest() override;

    // Starts the application; its dialogs go to `dialogs`.
    bool Start();
    za::app::CMainFrame& Frame() { return *app->MainFrame(); }

    // Runs the event loop until cond holds or ms have passed; returns cond.
    static bool RunUntil(const std::function<bool()>& cond, int ms = 5000);
    // Runs the event loop for ms.
    static void Pump(int ms);

    za::shell::ScopedRecorder shell;
    std::unique_ptr<za::app::CZonariaApp> app;
    RecordingDialogs* dialogs = nullptr;
};

// Saves a picture of the widget under the build's artifacts folder as file (a PNG name), for a
// person to look at; not compared by pixels. Whether it was saved (a failure is also reported).
bool SaveShot(QWidget& widget, const QString& file);

}  // namespace za::test
