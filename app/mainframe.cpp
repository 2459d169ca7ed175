#include "mainframe.h"

#include "appmessage.h"
#include "appstrings.h"
#include "dialogframe.h"
#include "images.h"
#include "registry.h"
#include "resource.h"
#include "shell.h"
#include "zonariaapp.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimerEvent>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace za::app {

namespace {

// Where the frame keeps its place and size between runs (the user's own, not the device's).
const QString kPlacementKey = QStringLiteral("Software\\Corvantel\\Zonaria");
const QString kPlacementValue = QStringLiteral("WindowPlacement");

struct MenuItem {
    UINT id;  // 0: separator
    const char* text;
    char16_t mnemonic;  // the letter of the text that Alt reaches it by
};

// Menu 128: its two pop-ups. The Settings menu ends with Quit, which the handheld's OK in the
// navigation bar was.
constexpr MenuItem kToolsMenu[] = {
    {ID_ALARMS, QT_TRANSLATE_NOOP("CMainFrame", "Alarms..."), u'A'},
    {0, nullptr, 0},
    {ID_AIRPORT_CODES, QT_TRANSLATE_NOOP("CMainFrame", "Airport Codes..."), u'i'},
    {ID_PHONE_CODES, QT_TRANSLATE_NOOP("CMainFrame", "Phone Codes..."), u'P'},
    {0, nullptr, 0},
    {ID_DISTANCE_CALC, QT_TRANSLATE_NOOP("CMainFrame", "Distance Calculator..."), u'D'},
    {ID_TIME_CALC, QT_TRANSLATE_NOOP("CMainFrame", "Time Calculator..."), u'T'},
    {ID_MEETING_PLANNER, QT_TRANSLATE_NOOP("CMainFrame", "Meeting Planner..."), u'e'},
    {0, nullptr, 0},
    {ID_SUNRISE, QT_TRANSLATE_NOOP("CMainFrame", "Sunrise..."), u'S'},
    {ID_MOONRISE, QT_TRANSLATE_NOOP("CMainFrame", "Moonrise..."), u'M'},
};
constexpr MenuItem kSettingsMenu[] = {
    {ID_SET_TIME, QT_TRANSLATE_NOOP("CMainFrame", "Set Time..."), u'T'},
    {ID_EDIT_CITIES, QT_TRANSLATE_NOOP("CMainFrame", "Edit Cities..."), u'E'},
    {ID_PREFERENCES, QT_TRANSLATE_NOOP("CMainFrame", "Preferences..."), u'P'},
    {0, nullptr, 0},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("CMainFrame", "About Zonaria..."), u'A'},
    {0, nullptr, 0},
    {ID_OK, QT_TRANSLATE_NOOP("CMainFrame", "Quit"), u'Q'},
};

// Tool bar 128: the commands of its buttons, in the order of the images of the strip.
constexpr UINT kToolButtons[] = {ID_ALARMS, ID_TIME_CALC, ID_DISTANCE_CALC, ID_SUNRISE, ID_MOONRISE};

// The command bar's tooltips, in the order of its buttons: the two menu buttons, then the
// five tool buttons.
constexpr UINT kToolTipStrings[] = {IDS_TIP_SETTINGS,      IDS_TIP_TOOLS,   IDS_TIP_ALARM,   IDS_TIP_TIME_CALC,
                                    IDS_TIP_DISTANCE_CALC, IDS_TIP_SUNRISE, IDS_TIP_MOONRISE};
constexpr int kMaxToolTip = 255;

// Accelerator table 128: the edit commands of the dialogs' edit fields.
struct Accelerator {
    UINT id;
    QKeySequence::StandardKey key;
};
const Accelerator kAccelerators[] = {
    {ID_EDIT_COPY, QKeySequence::Copy},
    {ID_EDIT_PASTE, QKeySequence::Paste},
    {ID_EDIT_CUT, QKeySequence::Cut},
    {ID_EDIT_UNDO, QKeySequence::Undo},
};

// The opening width: the handheld's screen twice over where the screen has room for it.
constexpr int kWideScreen = 1280;
constexpr int kWideWidth = 480;
constexpr int kNarrowWidth = 360;
// What a desktop's title bar and borders may take of the screen's height.
constexpr int kDecorationRoom = 48;

}  // namespace

CMainFrame::CMainFrame(CZonariaApp& app)
    : m_app(app),
      m_platformWindow(QString::fromLatin1(kFrameWindowClass), AppString(IDR_MAINFRAME),
                       [this](UINT msg, WPARAM, LPARAM) { OnPlatformMessage(msg); }) {
    setWindowTitle(AppString(IDR_MAINFRAME));
    setAccessibleName(AppString(IDR_MAINFRAME));
    setWindowIcon(za::app::ProgramIcon(64));
    m_view = new CMainView(*this);
    setCentralWidget(m_view);
    m_background = false;
    for (UINT id : kToolTipStrings) m_toolTips << AppString(id).left(kMaxToolTip);
    CreateMenus();
    CreateToolBar();
    m_startupTimer = startTimer(kStartupDelayMs);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &CMainFrame::OnApplicationStateChanged);
    m_appState = QGuiApplication::applicationState();
}

CMainFrame::~CMainFrame() { KillStartupTimer(); }

QAction* CMainFrame::CommandAction(UINT id, const QString& text) {
    auto* action = new QAction(text, this);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
    return action;
}

void CMainFrame::CreateMenus() {
    auto fill = [this](QMenu* menu, const auto& items) {
        for (const MenuItem& item : items) {
            if (item.id == 0) {
                menu->addSeparator();
            } else {
                menu->addAction(CommandAction(item.id, WithMnemonic(QCoreApplication::translate("CMainFrame", item.text), item.mnemonic)));
            }
        }
    };
    menuBar()->setAccessibleName(tr("Menu bar"));
    QMenu* tools = menuBar()->addMenu(QLatin1Char('&') + AppString(IDS_TIP_TOOLS));
    tools->setAccessibleName(AppString(IDS_TIP_TOOLS));
    fill(tools, kToolsMenu);
    QMenu* settings = menuBar()->addMenu(QLatin1Char('&') + AppString(IDS_TIP_SETTINGS));
    settings->setAccessibleName(AppString(IDS_TIP_SETTINGS));
    fill(settings, kSettingsMenu);
    QMenu* help = menuBar()->addMenu(QLatin1Char('&') + AppString(IDS_HELP_MENU));
    help->setAccessibleName(AppString(IDS_HELP_MENU));
    QAction* helpItem = CommandAction(ID_HELP, WithMnemonic(AppString(IDS_HELP_ITEM), u'H'));
    helpItem->setShortcut(QKeySequence::HelpContents);
    help->addAction(helpItem);

    for (const Accelerator& acc : kAccelerators) {
        QAction* action = CommandAction(acc.id, QString());
        action->setShortcut(acc.key);
        addAction(action);
    }
    // The handheld's OK in the navigation bar closes the program; here it is Settings > Quit.
    for (QAction* action : settings->actions()) {
        if (action->data().toUInt() == ID_OK) action->setShortcut(QKeySequence::Quit);
    }
}

void CMainFrame::CreateToolBar() {
    m_toolBar = addToolBar(AppString(IDS_TIP_TOOLS));
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setAccessibleName(tr("Tool bar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    NameExtensionButton(m_toolBar);
    const QList<QIcon> icons = za::app::ToolBarIcons();
    int i = 0;
    for (UINT id : kToolButtons) {
        // Tooltips 2 to 6 belong to the five buttons.
        const QString tip = m_toolTips.value(2 + i);
        QAction* action = CommandAction(id, tip);
        action->setToolTip(tip);
        if (i < icons.size()) action->setIcon(icons.at(i));
        m_toolBar->addAction(action);
        ++i;
    }
}

void CMainFrame::ShowAtStart() {
    QByteArray placement;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kPlacementKey, 0, 0, &key) == ERROR_SUCCESS) {
        DWORD type = 0, size = 0;
        if (RegQueryValueExW(key, kPlacementValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
            type == REG_BINARY && size > 0) {
            placement.resize(static_cast<int>(size));
            if (RegQueryValueExW(key, kPlacementValue, nullptr, &type, reinterpret_cast<BYTE*>(placement.data()),
                                 &size) != ERROR_SUCCESS) {
                placement.clear();
            }
        }
        RegCloseKey(key);
    }
    if (placement.isEmpty() || !restoreGeometry(placement)) resize(OpeningSize(QGuiApplication::primaryScreen()));
    show();
}

QSize CMainFrame::OpeningSize(const QScreen* screen) {
    ensurePolished();
    if (layout()) layout()->activate();
    // The menu bar, the tool bar and the frame's own edges.
    const int chrome = std::max(sizeHint().height() - m_view->sizeHint().height(), 0);
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, kWideScreen, 800);
    int width = available.width() >= kWideScreen ? kWideWidth : kNarrowWidth;
    int height = chrome + m_view->heightForWidth(width);
    // Room left for the desktop's title bar and border, which the frame does not know yet.
    const int room = available.height() - kDecorationRoom;
    if (height > room) {
        // A low screen: the width shrinks with the map, so no band shows beside it.
        height = room;
        const int mapHeight = height - chrome - m_view->DisplaysHeight();
        width = mapHeight * CMainView::kMapAspectWidth / CMainView::kMapAspectHeight;
    }
    const QSize minimum = minimumSizeHint();
    return QSize(std::max(width, minimum.width()), std::max(height, minimum.height()));
}

void CMainFrame::SaveGeometry() {
    const QByteArray placement = saveGeometry();
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kPlacementKey, 0, QString(), 0, 0, nullptr, &key, &disposition) !=
        ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(key, kPlacementValue, 0, REG_BINARY, reinterpret_cast<const BYTE*>(placement.constData()),
                   static_cast<DWORD>(placement.size()));
    RegCloseKey(key);
}

BOOL CMainFrame::RouteCommand(UINT id) {
    if (m_view->OnCommand(id)) return TRUE;
    switch (id) {
    case ID_HELP:
        ShowHelpTopic("Main_Contents");
        return TRUE;
    case ID_OK:
        OnOK();
        return TRUE;
    default:
        break;
    }
    return m_app.OnCommand(id);
}

void CMainFrame::ShowHelpTopic(const char* topic) {
    za::shell::Current().ShowHelp(QString::fromLatin1(kHelpPrefix) + QString::fromLatin1(topic));
}

void CMainFrame::OnOK() {
    QWidget* last = QApplication::activeModalWidget();
    if (!last || last == this) {
        close();
        return;
    }
    // A dialog of ours is in front: the OK is its own.
    if (auto* dialog = qobject_cast<QDialog*>(last)) dialog->accept();
}

void CMainFrame::timerEvent(QTimerEvent* e) {
    if (m_startupTimer != 0 && e->timerId() == m_startupTimer) {
        KillStartupTimer();
        PostAppMessage(m_view, WM_CHECKCITY);
        return;
    }
    QMainWindow::timerEvent(e);
}

void CMainFrame::KillStartupTimer() {
    if (m_startupTimer == 0) return;
    killTimer(m_startupTimer);
    m_startupTimer = 0;
}

bool CMainFrame::event(QEvent* e) {
    if (e->type() == AppMessageEvent::Type()) {
        const auto* msg = static_cast<AppMessageEvent*>(e);
        if (msg->message() == WM_CANCELMODE) OnCancelMode();
        return true;
    }
    if (e->type() == QEvent::WindowActivate) OnActivate(true, false);
    // A dialog (or message box) of ours opened: the tip, which floats above every window, goes
    // rather than cover it.
    if (e->type() == QEvent::WindowBlocked) OnCancelMode();
    return QMainWindow::event(e);
}

void CMainFrame::OnApplicationStateChanged(Qt::ApplicationState state) {
    const bool returning = state == Qt::ApplicationActive && m_appState != Qt::ApplicationActive;
    m_appState = state;
    if (returning) OnActivate(true, true);
}

void CMainFrame::OnActivate(bool active, bool fromOther) {
    if (m_background) {
        m_background = false;
        m_view->ReloadMapImages();
    }
    if (!active) return;
    // A closed frame has nothing left to check, whatever the desktop reports afterwards.
    if (fromOther && m_startupTimer == 0 && isVisible()) PostAppMessage(m_view, WM_CHECKCITY);
}

void CMainFrame::OnHibernate() {
    if (isActiveWindow() && !isMinimized()) return;
    if (m_background) return;
    m_background = true;
    m_view->ReleaseMapImages();
}

void CMainFrame::OnCancelMode() { m_view->HideTip(); }

void CMainFrame::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    // A minimised window is the desktop's equivalent of the handheld's program in the
    // background when memory runs low: its map images are let go until it comes back.
    if (e->type() == QEvent::WindowStateChange && isMinimized()) OnHibernate();
}

void CMainFrame::closeEvent(QCloseEvent* e) {
    KillStartupTimer();
    SaveGeometry();
    QMainWindow::closeEvent(e);
}

void CMainFrame::OnPlatformMessage(UINT msg) {
    if (msg == WM_BRINGTOFRONT) BringToFront();
}

void CMainFrame::BringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

}  // namespace za::app
