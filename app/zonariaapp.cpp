#include "zonariaapp.h"

#include "appbus.h"
#include "appmessage.h"
#include "appstrings.h"
#include "citylist.h"
#include "device.h"
#include "fonts.h"
#include "errorbox.h"
#include "images.h"
#include "mainframe.h"
#include "paintreport.h"
#include "resource.h"
#include "settings.h"
#include "shell.h"
#include "window.h"
#include "stringtable.h"
#include "today.h"
#include "translation.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMenuBar>
#include <QToolBar>

namespace za::app {

namespace {

// Shift+F10 is the desktop's other context-menu key (the Menu key already is one): it becomes
// the same keyboard context-menu event on the focused control, at its current item or cursor.
class ContextMenuKey : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->contextMenuPolicy() == Qt::NoContextMenu || widget->contextMenuPolicy() == Qt::PreventContextMenu) {
            return false;
        }
        QPoint at = widget->rect().center();
        if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
            if (view->currentIndex().isValid()) at = view->visualRect(view->currentIndex()).center();
        } else {
            const QRect cursor = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect();
            if (cursor.isValid()) at = cursor.center();
        }
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at), key->modifiers());
        QCoreApplication::sendEvent(widget, &menu);
        return true;
    }
};

}  // namespace

void InstallContextMenuKey() {
    static ContextMenuKey* filter = nullptr;
    if (filter || !qApp) return;
    filter = new ContextMenuKey(qApp);
    qApp->installEventFilter(filter);
}

void SetUpApplication() {
    // The user's language, and its writing direction: Arabic or Hebrew lay the window out from
    // the right.
    za::i18n::InstallTranslations();
    QGuiApplication::setLayoutDirection(QLocale::system().textDirection());
    QApplication::setApplicationName(AppString(IDR_MAINFRAME));
    QApplication::setApplicationVersion(QStringLiteral(ZONARIA_VERSION));
    // The window's app id: the desktop matches it to the menu entry (icon, name, activation).
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    za::SetResourceModule(kAppModule, AppString(IDR_MAINFRAME));
    AdoptDesktopFont(QApplication::font());
    UseStyleWithPngImages();
    InstallContextMenuKey();
}

CZonariaApp::CZonariaApp() { SetDialogs(nullptr); }

CZonariaApp::~CZonariaApp() {
    m_bus.reset();
    DestroyMainFrame();
}

BOOL CZonariaApp::InitInstance() {
    auto& shell = za::shell::Current();
    shell.SetWaitCursor(true);
    CCityList& cities = GetCityList();
    if (!cities.Open()) {
        // A profile that cannot be used is the likely cause: say which and why after the
        // message, so the user knows where to look.
        QString text = AppString(IDS_CANNOT_OPEN_DB);
        const za::device::ProfileStatus profile = za::device::Status();
        if (profile.state != za::device::ProfileState::Ready && !profile.message.isEmpty()) {
            text += QStringLiteral("\n\n") + za::FormatString(AppString(IDS_PROFILE_DAMAGED), {profile.folder, profile.message});
        }
        EZError(text, 0, MB_OK | MB_ICONSTOP);
        shell.SetWaitCursor(false);
        return FALSE;
    }
    ReadDisplayedCities();
    m_frame = new CMainFrame(*this);
    m_frame->ShowAtStart();
    // On the session bus, where the desktop and a second start find it.
    m_bus = std::make_unique<CApplicationBus>([this] {
        if (m_frame) m_frame->BringToFront();
    });
    m_bus->Register();
    // A large list's names are read beside the running window, once it has shown itself, so
    // that neither its start nor the first list opened waits for them. The 3,000 shipped cities
    // (2 MB) read in about 10 ms when a list first opens: reading them ahead would cost every
    // start, most of which open no list.
    constexpr qint64 kPreloadFromBytes = 8 * 1024 * 1024;
    za::AfterFirstPaint([] { GetCityList().PreloadNames(kPreloadFromBytes); });
    shell.SetWaitCursor(false);
    return TRUE;
}

void CZonariaApp::ReadDisplayedCities() {
    m_displayed = za::DisplayedCities::Read();
    // The window shows display 0 selected for a "CityX" from outside, and keeps it so.
    if (!m_displayed.SelectionWasValid()) GetReg().WriteDWORDValue(CRegistry::CityX, 0);
}

int CZonariaApp::ExitInstance() {
    DestroyMainFrame();
    GetCityList().Close();
    return 0;
}

void CZonariaApp::DestroyMainFrame() {
    delete m_frame;
    m_frame = nullptr;
}

void CZonariaApp::SetDialogs(std::unique_ptr<CDialogLauncher> dialogs) {
    m_dialogs = dialogs ? std::move(dialogs) : std::make_unique<CDialogLauncher>();
    m_dialogs->SetHost(*this);
}

const CCity* CZonariaApp::ShownCity(int i) const {
    if (!m_frame || i < 0 || i >= za::kDisplays) return nullptr;
    return &m_frame->View().City(i);
}

SYSTEMTIME CZonariaApp::Now() const { return m_frame ? m_frame->View().LastTick() : CHost::Now(); }

void CZonariaApp::CancelMode() {
    if (m_frame) PostAppMessage(m_frame, WM_CANCELMODE);
}

void CZonariaApp::EnableCommandBars(bool enable) {
    if (!m_frame) return;
    m_frame->menuBar()->setEnabled(enable);
    if (m_frame->ToolBar()) m_frame->ToolBar()->setEnabled(enable);
}

void CZonariaApp::NotifyToday(int mode) {
    if (mode == 1) {
        za::BroadcastTodayItemsChanged();
        return;
    }
    za::NotifyTodayOfDisplayedCities();
}

BOOL CZonariaApp::OnCommand(UINT id) {
    QWidget* owner = m_frame;
    switch (id) {
    case ID_AIRPORT_CODES:
        m_dialogs->AirportCodes(owner);
        return TRUE;
    case ID_PHONE_CODES:
        m_dialogs->PhoneCodes(owner);
        return TRUE;
    case ID_TIME_CALC:
        m_dialogs->TimeCalculator(owner);
        return TRUE;
    case ID_MEETING_PLANNER:
        m_dialogs->MeetingPlanner(owner);
        return TRUE;
    case ID_APP_ABOUT:
        m_dialogs->About(owner);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL ActivateRunningInstance() {
    const HWND running = FindWindowW(QString::fromLatin1(kFrameWindowClass), QString());
    if (!running) return FALSE;
    return PostMessageW(running, WM_BRINGTOFRONT, 0, 0);
}

}  // namespace za::app
