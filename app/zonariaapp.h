// The application object: the five displayed city names and the selected display (mirrors of
// the settings "City0" to "City4" and "CityX"), start-up and shut-down, the application's own
// commands, and the notice to the Today item when the displayed cities change.
#pragma once

#include "dialoglauncher.h"
#include "wintypes.h"

#include <QString>

#include <array>
#include <memory>

class CMainFrame;
namespace za::app {
class CApplicationBus;
}

class CZonariaApp {
public:
    static constexpr int kDisplays = 5;

    // Names empty, Today message 0; becomes the process's application object.
    CZonariaApp();
    CZonariaApp(const CZonariaApp&) = delete;
    CZonariaApp& operator=(const CZonariaApp&) = delete;
    virtual ~CZonariaApp();

    // Start-up: opens the city list, reads the displayed cities and creates and shows the main
    // frame. FALSE (after telling the user) when the city database cannot be opened; then no
    // window exists and the program ends.
    BOOL InitInstance();
    // Shut-down after the frame is gone: closes the city list. Returns the exit code.
    int ExitInstance();

    QString GetDisplayedCity(int i) const;
    // Stores the name, writes "City0" + i and tells the Today item.
    void SetDisplayedCity(int i, const QString& name);
    // Exact, case-sensitive comparison with the five names.
    BOOL IsCityDisplayed(const QString& name) const;
    DWORD GetSelectedDisplay() const { return m_selected; }
    // Stores i, writes "CityX" and tells the Today item.
    void SetSelectedDisplay(DWORD i);
    // Mode 1: the set of Today items changed (a broadcast to every window); any other mode:
    // the displayed cities or the selection changed (a message to the running Today item).
    void NotifyToday(int mode);

    // Commands the application serves itself; FALSE for any other.
    BOOL OnCommand(UINT id);

    // The main frame, null before start-up and after it closed.
    CMainFrame* MainFrame() const { return m_frame; }
    // Deletes the frame (shut-down, or a test's end); idempotent.
    void DestroyMainFrame();

    CDialogLauncher& Dialogs() { return *m_dialogs; }
    void SetDialogs(std::unique_ptr<CDialogLauncher> dialogs);

    // The registered Today message, 0 until first needed.
    UINT TodayMessage() const { return m_todayMessage; }

private:
    void ReadDisplayedCities();

    std::array<QString, kDisplays> m_names;
    DWORD m_selected = 0;
    UINT m_todayMessage = 0;
    CMainFrame* m_frame = nullptr;
    std::unique_ptr<CDialogLauncher> m_dialogs;
    std::unique_ptr<za::app::CApplicationBus> m_bus;
};

// The application object of this process; null when none exists.
CZonariaApp* GetZonariaApp();

namespace za::app {
// Names the program and its resources, and maps the handheld's fonts to the desktop's.
void SetUpApplication();
// Makes Shift+F10 open the focused control's context menu, as the Menu key does. Once per
// application; SetUpApplication does it.
void InstallContextMenuKey();
}  // namespace za::app

// When the program already runs on this profile, asks its window to come to the front and
// returns TRUE (the second start then ends).
BOOL ActivateRunningInstance();
