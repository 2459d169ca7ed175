// The application object: the displayed cities and the selected display (kept through the core's
// DisplayedCities), start-up and shut-down, the application's own commands, and the notice to
// the Today screen when its set of items changes.
#pragma once

#include "dialoglauncher.h"
#include "displayedcities.h"
#include "host.h"
#include "wintypes.h"

#include <QString>

#include <memory>

namespace za::app {

class CMainFrame;
class CApplicationBus;

class CZonariaApp : public CHost {
public:
    // The real dialog launcher; nothing read yet.
    CZonariaApp();
    CZonariaApp(const CZonariaApp&) = delete;
    CZonariaApp& operator=(const CZonariaApp&) = delete;
    ~CZonariaApp() override;

    // Start-up: opens the city list, reads the displayed cities and creates and shows the main
    // frame. FALSE (after telling the user) when the city database cannot be opened; then no
    // window exists and the program ends.
    BOOL InitInstance();
    // Shut-down after the frame is gone: closes the city list. Returns the exit code.
    int ExitInstance();

    QString GetDisplayedCity(int i) const { return m_displayed.Name(i); }
    // Stores the name, writes "City0" + i and tells the Today item.
    void SetDisplayedCity(int i, const QString& name) { m_displayed.SetName(i, name); }
    // Exact, case-sensitive comparison with the five names, as read and as the profile holds
    // them now (another process may have put the city on a display since).
    BOOL IsCityDisplayed(const QString& name) const {
        return m_displayed.Contains(name) || za::DisplayedCities::Read().Contains(name);
    }
    DWORD GetSelectedDisplay() const { return static_cast<DWORD>(m_displayed.Selected()); }
    // Stores i, writes "CityX" and tells the Today item.
    void SetSelectedDisplay(DWORD i) { m_displayed.SetSelected(static_cast<int>(i)); }
    // Mode 1: the set of Today items changed (a broadcast to every window); any other mode:
    // the displayed cities or the selection changed (a message to the running Today item).
    void NotifyToday(int mode);

    // Commands the application serves itself; FALSE for any other.
    BOOL OnCommand(UINT id);

    // The main frame, null before start-up and after it closed.
    CMainFrame* MainFrame() const { return m_frame; }
    // Deletes the frame (shut-down, or a test's end); idempotent.
    void DestroyMainFrame();

    // The launcher (a test's, or the real one for null) opens its dialogs with this host.
    void SetDialogs(std::unique_ptr<CDialogLauncher> dialogs);

    // The host of the controls and dialogs of the window.
    const za::DisplayedCities* Displayed() const override { return &m_displayed; }
    const CCity* ShownCity(int i) const override;
    SYSTEMTIME Now() const override;
    CDialogLauncher* Dialogs() override { return m_dialogs.get(); }
    void CancelMode() override;
    void EnableCommandBars(bool enable) override;
    void TodayItemsChanged() override { NotifyToday(1); }

    // Reads "City0" to "City4" and "CityX" from the settings again.
    void ReadDisplayedCities();

private:
    za::DisplayedCities m_displayed;
    CMainFrame* m_frame = nullptr;
    std::unique_ptr<CDialogLauncher> m_dialogs;
    std::unique_ptr<CApplicationBus> m_bus;
};

// Names the program and its resources, and maps the handheld's fonts to the desktop's.
void SetUpApplication();
// Makes Shift+F10 open the focused control's context menu, as the Menu key does. Once per
// application; SetUpApplication does it.
void InstallContextMenuKey();

// When the program already runs on this profile, asks its window to come to the front and
// returns TRUE (the second start then ends).
BOOL ActivateRunningInstance();

}  // namespace za::app
