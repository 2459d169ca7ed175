// The main frame: the window that holds the main view, the menu bar ("Tools", "Settings" and
// "Help"), the tool bar with five buttons, the start-up timer and the activation rules. It
// lays out and routes commands; the view and the dialogs do the work.
#pragma once

#include "mainview.h"
#include "window.h"
#include "wintypes.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QMenu;
class QToolBar;

namespace za::app {

class CZonariaApp;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(CZonariaApp& app);
    ~CMainFrame() override;

    CMainView& View() { return *m_view; }
    CZonariaApp& App() { return m_app; }

    // Shows the frame at its remembered place and size, or one that suits the screen.
    void ShowAtStart();

    // Routes a command: the main view, then the frame, then the application. FALSE when none
    // of them serves it.
    BOOL RouteCommand(UINT id);

    // The frame's side of activation. active: the program became the active one; fromOther:
    // the window that lost activation belongs to another program.
    void OnActivate(bool active, bool fromOther);
    // The desktop's low-memory notice: the map images go while the frame is not in front.
    void OnHibernate();
    // A display was pressed or the tip tapped: the view hides its tip and marker.
    void OnCancelMode();
    // The program's state on the desktop changed; becoming active again is a return from
    // another program.
    void OnApplicationStateChanged(Qt::ApplicationState state);

    bool IsStartupPending() const { return m_startupTimer != 0; }
    bool IsInBackground() const { return m_background; }
    // The tooltips of the command bar, in the order of its buttons.
    const QStringList& ToolTips() const { return m_toolTips; }
    QToolBar* ToolBar() const { return m_toolBar; }
    HWND PlatformHandle() const { return m_platformWindow.hwnd(); }

protected:
    bool event(QEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void CreateMenus();
    void CreateToolBar();
    QAction* CommandAction(UINT id, const QString& text);
    void OnPlatformMessage(UINT msg);
    void OnOK();
    void ShowHelpTopic(const char* topic);
    void KillStartupTimer();
    void SaveGeometry();
    void BringToFront();

    CZonariaApp& m_app;
    CMainView* m_view = nullptr;
    QToolBar* m_toolBar = nullptr;
    bool m_background = false;
    int m_startupTimer = 0;
    Qt::ApplicationState m_appState = Qt::ApplicationInactive;
    QStringList m_toolTips;
    za::PlatformWindow m_platformWindow;
};

}  // namespace za::app
