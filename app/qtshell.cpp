#include "qtshell.h"

#include "appstrings.h"
#include "process.h"
#include "resource.h"
#include "stringtable.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

namespace za::app {
namespace {

QMessageBox::StandardButton ToQt(int id) {
    switch (id) {
    case IDOK: return QMessageBox::Ok;
    case IDCANCEL: return QMessageBox::Cancel;
    case IDABORT: return QMessageBox::Abort;
    case IDRETRY: return QMessageBox::Retry;
    case IDIGNORE: return QMessageBox::Ignore;
    case IDYES: return QMessageBox::Yes;
    case IDNO: return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

int FromQt(int button) {
    switch (button) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Abort: return IDABORT;
    case QMessageBox::Retry: return IDRETRY;
    case QMessageBox::Ignore: return IDIGNORE;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    }
    return IDCANCEL;
}

QMessageBox::Icon IconOf(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// The button that Esc and the window's close button choose: Cancel, else No, else the only one.
int EscapeButton(const std::vector<int>& buttons) {
    for (int wanted : {IDCANCEL, IDNO, IDOK}) {
        for (int id : buttons) {
            if (id == wanted) return id;
        }
    }
    return buttons.back();
}

bool VisibleDesktopFromScreen(RECT* rect) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return false;
    const QRect area = screen->availableGeometry();
    *rect = RECT{area.left(), area.top(), area.right() + 1, area.bottom() + 1};
    return true;
}

}  // namespace

int QtShell::MessageBox(const QString& text, const QString& caption, UINT type) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = QApplication::activeWindow();
    QMessageBox box(IconOf(type), caption.isEmpty() ? ResourceCaption() : caption, text, QMessageBox::NoButton,
                    parent);
    // The text often holds the user's own (a city's name): never read as markup.
    box.setTextFormat(Qt::PlainText);
    const std::vector<int> buttons = za::shell::Buttons(type);
    for (int id : buttons) box.addButton(ToQt(id));
    box.setDefaultButton(ToQt(za::shell::DefaultButton(type)));
    box.setEscapeButton(box.button(ToQt(EscapeButton(buttons))));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked) return EscapeButton(buttons);
    return FromQt(box.standardButton(clicked));
}

bool QtShell::ShowHelp(const QString& request) {
    const QString url = za::shell::HelpUrl(request);
    UINT failure = 0;
    if (url.isEmpty()) {
        failure = IDS_HELP_MISSING;
    } else if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty() ||
               !QDesktopServices::openUrl(QUrl(url))) {
        failure = IDS_NO_BROWSER;
    }
    if (failure == 0) return true;
    if (!m_helpFailureShown) {
        m_helpFailureShown = true;
        MessageBox(AppString(failure), ResourceCaption(), MB_OK | MB_ICONEXCLAMATION);
    }
    return false;
}

bool QtShell::StartProgram(const QString& program, const QStringList& arguments) {
    return za::process::StartDetached(program, arguments);
}

bool QtShell::GetSipInfo(SIPINFO* info) {
    if (!info || info->cbSize != sizeof(SIPINFO)) return false;
    // A desktop has no input panel: it always reads as down.
    info->fdwFlags = 0;
    info->rcVisibleDesktop = za::shell::VisibleDesktop();
    info->rcSipRect = RECT{0, 0, 0, 0};
    return true;
}

void QtShell::SetWaitCursor(bool on) {
    if (on) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        const bool shown = std::any_of(windows.begin(), windows.end(), [](const QWidget* w) { return w->isVisible(); });
        if (shown) QApplication::setOverrideCursor(Qt::WaitCursor);
        m_waits.push_back(shown);
        return;
    }
    if (m_waits.empty()) return;
    const bool set = m_waits.back();
    m_waits.pop_back();
    if (set && QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

void InstallQtShell() {
    za::shell::Install(std::make_unique<QtShell>());
    za::shell::SetDesktopAreaProvider(VisibleDesktopFromScreen);
}

}  // namespace za::app
