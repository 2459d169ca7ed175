// The window's city lists driven as a user drives them, on the profile of $ZONARIA_DEVICE:
// the city picker opened and "l", "o", "n" typed into its search, then the Cities, Phone Codes
// and Airport Codes dialogs opened and the same typed into theirs; every list twice. Prints one
// line per measurement, "name milliseconds", and the resident memory after the first round of
// lists and at the end ("rss_after_one_round_kb", "rss_kb").
// The lists are opened 2 s after the start, as a user who looks at the window first would: the
// window reads the names meanwhile. --names only times that read, on this thread, and ends.
//
//   bench_scale_ui [--names]   (under a display; bench/scale/run.sh starts one)
#include "citylist.h"
#include "citypicker.h"
#include "mainframe.h"
#include "qtshell.h"
#include "zonariaapp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

void Report(const char* what, double ms) { std::printf("%s %.1f\n", what, ms); }

// Types the letters one by one into a search field, each followed by what a user waits for:
// the events it caused, the list's repaint included. The first letter is reported on its own,
// the slowest of the later ones after it.
void Type(QLineEdit* field, const QString& prefix) {
    double later = 0;
    const QString letters = QStringLiteral("lon");
    for (qsizetype i = 0; i < letters.size(); ++i) {
        QElapsedTimer t;
        t.start();
        QTest::keyClick(field, letters.at(i).toLatin1());
        QApplication::processEvents();
        const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
        if (i == 0) {
            Report(qPrintable(prefix + QStringLiteral("_first_key_ms")), ms);
        } else {
            later = std::max(later, ms);
        }
    }
    Report(qPrintable(prefix + QStringLiteral("_later_key_ms")), later);
}

QLineEdit* SearchFieldOf(QWidget* window) {
    for (QLineEdit* e : window->findChildren<QLineEdit*>()) {
        if (e->accessibleName() == QLatin1String("Search cities")) return e;
    }
    return nullptr;
}

// Opens a modal dialog through open(), reports how long it took to show, types into its
// search field and closes it.
void DriveDialog(const QString& name, const std::function<void()>& open) {
    QElapsedTimer t;
    t.start();
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        Report(qPrintable(name + QStringLiteral("_open_ms")), static_cast<double>(t.nsecsElapsed()) / 1e6);
        if (QLineEdit* field = SearchFieldOf(dialog)) Type(field, name);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    open();
}

long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && QByteArray(argv[1]) == "--names") {
        QCoreApplication core(argc, argv);
        CCityList& cities = GetCityList();
        if (!cities.Open()) return 1;
        QElapsedTimer t;
        t.start();
        cities.LoadCityNames();
        Report("names_read_ms", static_cast<double>(t.nsecsElapsed()) / 1e6);
        cities.Close();
        return 0;
    }
    QApplication qapp(argc, argv);
    za::app::SetUpApplication();
    za::app::InstallQtShell();
    static za::app::CZonariaApp app;
    if (!app.InitInstance()) return 1;
    QTimer::singleShot(2000, [] {
        za::app::CMainFrame* frame = app.MainFrame();
        for (int round = 1; round <= 2; ++round) {
            const QString suffix = round == 1 ? QString() : QStringLiteral("_again");
            auto& picker = za::app::CCityPickerPopup::Instance();
            QElapsedTimer t;
            t.start();
            QTimer::singleShot(0, [&] {
                Report(qPrintable(QStringLiteral("picker_open_ms") + suffix), static_cast<double>(t.nsecsElapsed()) / 1e6);
                Type(picker.SearchField(), QStringLiteral("picker") + suffix);
                picker.Cancel();
            });
            QString chosen;
            picker.Show(QPoint(10, 10), app.GetDisplayedCity(0), frame, &chosen);
            DriveDialog(QStringLiteral("cities") + suffix, [&] { app.Dialogs()->EditCities(frame); });
            DriveDialog(QStringLiteral("phone") + suffix, [&] { app.Dialogs()->PhoneCodes(frame); });
            DriveDialog(QStringLiteral("airport") + suffix, [&] { app.Dialogs()->AirportCodes(frame); });
            // What the second round adds is what every later one would: nothing, if nothing grows.
            if (round == 1) std::printf("rss_after_one_round_kb %ld\n", ResidentKb());
        }
        std::printf("rss_kb %ld\n", ResidentKb());
        std::fflush(stdout);
        app.DestroyMainFrame();
        QApplication::quit();
    });
    qapp.exec();
    return app.ExitInstance();
}
