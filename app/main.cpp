// The Zonaria window program.
#include "appbus.h"
#include "paintreport.h"
#include "process.h"
#include "qtshell.h"
#include "translation.h"
#include "zonariaapp.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

const char kUsage[] = QT_TRANSLATE_NOOP("WindowUsage",
    "Usage: zonaria [OPTION]...\n"
    "Shows the local time of five cities above a world map of day and night.\n"
    "A second start brings the running window to the front.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "Qt's own options (-platform NAME, -style NAME, -qwindowgeometry WxH+X+Y, ...) are accepted.\n"
    "The device profile is $ZONARIA_DEVICE, else $XDG_DATA_HOME/zonaria/device.\n"
    "zonaria-cli shows the world clock and runs the calculators in a terminal.\n");

// The user's language for a text said before the application object exists: a core
// application of its own, which needs no display, loads the translation.
QString Translated(int argc, char* argv[], const char* text) {
    QCoreApplication core(argc, argv);
    za::i18n::InstallTranslations();
    return QCoreApplication::translate("WindowUsage", text);
}

// The options QGuiApplication and QApplication take (with one dash or two); those in the first
// list take a value. They are removed by the application object, but the check below runs
// before one exists, so that a mistake needs no display.
const char* const kQtValueOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "style", "stylesheet", "display", "geometry", "title", "name", "visual", "session", "qmljsdebugger",
    "font", "fn", "bg", "background", "fg", "foreground", "btn", "button",
    "cmap", "ncols", "im", "inputstyle",
};
const char* const kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

bool IsQtOption(const char* arg, bool* takesValue) {
    if (arg[0] != '-') return false;
    const char* name = arg + (arg[1] == '-' ? 2 : 1);
    // "-style=fusion" carries its value.
    const char* equals = std::strchr(name, '=');
    const size_t length = equals ? static_cast<size_t>(equals - name) : std::strlen(name);
    for (const char* option : kQtValueOptions) {
        if (std::strlen(option) == length && std::strncmp(option, name, length) == 0) {
            *takesValue = equals == nullptr;
            return true;
        }
    }
    for (const char* option : kQtFlagOptions) {
        if (std::strlen(option) == length && std::strncmp(option, name, length) == 0 && !equals) {
            *takesValue = false;
            return true;
        }
    }
    return false;
}

// Answers --help and --version and refuses what is not an option of ours or of Qt's.
// Returns -1 to go on, else the exit code.
int CheckArguments(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(Translated(argc, argv, kUsage).toLocal8Bit().constData(), stdout);
            return 0;
        }
        if (std::strcmp(arg, "--version") == 0) {
            std::printf("Zonaria %s\n", ZONARIA_VERSION);
            return 0;
        }
        bool takesValue = false;
        if (IsQtOption(arg, &takesValue)) {
            if (takesValue) ++i;
            continue;
        }
        const QString text = Translated(
            argc, argv, QT_TRANSLATE_NOOP("WindowUsage", "zonaria: unknown option '%1'\nTry 'zonaria --help' for more information.\n"));
        std::fputs(text.arg(QString::fromLocal8Bit(arg)).toLocal8Bit().constData(), stderr);
        return 2;
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before the application object, so it needs no display and touches no profile.
    const int early = CheckArguments(argc, argv);
    if (early >= 0) return early;
    QApplication qapp(argc, argv);
    za::ReportFirstPaint();
    za::app::SetUpApplication();
    // One window per profile: a second start brings the first to the front, through the
    // session bus (which carries the desktop's activation token) or the profile's own window.
    if (za::app::ActivateRunningOnBus() || za::app::ActivateRunningInstance()) return 0;
    za::app::InstallQtShell();
    za::process::QuitOnTerminationSignals();
    static za::app::CZonariaApp theApp;
    if (!theApp.InitInstance()) return 1;
    qapp.exec();
    return theApp.ExitInstance();
}
