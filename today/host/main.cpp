// zonaria-today: the Today screen on a Linux desktop, with Zonaria's item.
#include "device.h"
#include "fonts.h"
#include "paintreport.h"
#include "process.h"
#include "todayhost.h"
#include "translation.h"
#include "window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

int main(int argc, char* argv[]) {
    // A Wayland session gives windows no way to place themselves or stay on top: ask for X.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    // Started with a session (or by hand) for a user who never opened Zonaria, it makes no
    // profile: there is nothing to show yet.
    if (!QFileInfo::exists(QDir(za::device::ProfilePath()).filePath(QStringLiteral("device.db")))) return 0;
    QApplication app(argc, argv);
    za::ReportFirstPaint();
    za::i18n::InstallTranslations();
    QGuiApplication::setLayoutDirection(QLocale::system().textDirection());
    QApplication::setApplicationName(QCoreApplication::translate("za::today::CTodayHost", "Zonaria Today"));
    QGuiApplication::setDesktopFileName(QStringLiteral("zonaria-today"));
    AdoptDesktopFont(QApplication::font());
    // One Today screen per profile.
    if (FindWindowW(QString::fromLatin1(za::today::kHostWindowClass), QString())) return 0;
    za::process::QuitOnTerminationSignals();
    za::today::CTodayHost host;
    host.LoadItems();
    host.PlaceAtStart();
    host.show();
    return app.exec();
}
