// The main view: the five city displays with the world map between display 0 and display 1,
// the tip, the clock tick, the view's share of the commands, and keeping the selected
// display's city and the device's time zone in step.
#pragma once

#include "city.h"
#include "citydisplay.h"
#include "displaynote.h"
#include "displayedcities.h"
#include "maptip.h"
#include "worldmapwnd.h"
#include "wintypes.h"

#include <QWidget>

#include <array>

namespace za::app {

class CMainFrame;

// The view's timers and their periods.
constexpr int IDT_CLOCK = 100;
constexpr int kClockMs = 10000;
constexpr int IDT_TIP = 101;
constexpr int kTipMs = 30000;
// The displays' control ids: display i is 100 + i.
constexpr int IDC_DISPLAY0 = 100;

class CMainView : public QWidget {
    Q_OBJECT

public:
    // The view's preferred width (the handheld's screen twice over), its narrowest width (the
    // handheld's screen, where a display's longest date still fits) and the map's narrowest.
    static constexpr int kPreferredWidth = 480;
    static constexpr int kMinimumWidth = 240;
    static constexpr int kMinimumMapWidth = 120;
    static constexpr int kMapAspectWidth = 240;
    static constexpr int kMapAspectHeight = 150;

    explicit CMainView(CMainFrame& frame);
    ~CMainView() override;

    // Commands the view serves; FALSE for any other.
    BOOL OnCommand(UINT id);

    // Loads each displayed city by name, the first city of the list standing in for a name
    // that the database does not have (and becoming the displayed name).
    void LoadDisplayedCities();
    za::app::CCityDisplay& Display(int i) { return *m_displays[static_cast<size_t>(i)]; }
    const CCity& City(int i) const { return m_displays[static_cast<size_t>(i)]->City(); }
    const CCity& SelectedCity() const { return City(SelectedIndex()); }
    int SelectedIndex() const { return m_selected - IDC_DISPLAY0; }
    // The option bits of display i, selected or not, from the button settings.
    static DWORD OptionsFor(int i, bool selected);
    // Makes display i the selected one (the current city's): its look, "CityX", the layout.
    void SelectDisplay(int i);

    // Asks whether newCity may become the current city shown on display index, and makes the
    // device follow when its zone differs. TRUE: go ahead.
    BOOL ConfirmCurrentCity(const CCity& oldCity, const CCity& newCity, int index);
    // The device's zone, clock city, display and selection become city's; FALSE, said to the
    // user, when the device refused the zone or the profile the write.
    BOOL ApplyCurrentCity(const CCity& city, int index, bool changeZone);
    // The device-zone check and, on the first start, the welcome.
    void OnCheckCity();
    // The first start's welcome over the map's foot, with a link to the help's welcome page.
    void ShowWelcome();
    void HideWelcome();
    bool IsWelcomeShown() const;
    QWidget* Welcome() const { return m_welcome; }
    // Follows a device time zone that another program changed.
    void CheckDeviceTimeZone();
    // A change made outside this process (za::device::DeviceChange bits): the profile is read
    // again, the clock shown anew, and the device-zone check runs as soon as no modal dialog
    // is open.
    void OnDeviceChanged(unsigned changes);
    // Reads the displayed cities, the selected display, the settings and the city database's
    // names again, as another process may have changed them.
    void ReloadFromProfile();

    // The clock tick: one read of the device clock for the five displays and the map.
    void OnClockTick();
    void OnClockTick(const SYSTEMTIME& utc);
    // The instant of the last tick, which the displays and the map show.
    const SYSTEMTIME& LastTick() const { return m_lastTick; }
    void ShowTip(int x, int y, const QString& text, int longitude, int latitude);
    void HideTip();
    // A tap on the map at a place (hundredths of a degree).
    void OnMapTapped(int longitude, int latitude);
    // lParam: longitude in the low 16 bits, latitude in the high 16, each signed.
    void OnZoomMap(LPARAM lParam);
    // New settings from the Preferences: twilight shading and the display buttons.
    void ApplyPreferences();
    void ReleaseMapImages();
    void ReloadMapImages();

    za::app::CMapTip& Tip() { return *m_tip; }
    CWorldMapWnd& Map() { return *m_map; }
    bool IsTipTimerRunning() const { return m_tipTimer != 0; }

    // The height at which a view of this width shows the whole map with no band beside it.
    // The view itself lays out at any height (the map shrinks), so the frame is not held to it.
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    // The five displays, and the map at least half the handheld's width.
    QSize minimumSizeHint() const override;
    // The sum of the five displays' heights.
    int DisplaysHeight() const;
    // Where the map goes inside the room left for it.
    QRect MapRoom(const QRect& room) const;

signals:
    // A device-zone check ran (the start-up one or one after a return to the program).
    void cityChecked();

protected:
    bool event(QEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void LayOut();
    void OnDisplayNotify(za::app::CityDisplayNotify& n);
    int IndexOf(const za::app::CCityDisplay* display) const;
    void StartTipTimer();
    void KillTipTimer();
    // The device-zone check that OnDeviceChanged asked for.
    void RunPendingCheck();
    // Each display's offset from the current city and its clock-change mark at utc.
    void UpdateNotes(const SYSTEMTIME& utc);

    CMainFrame& m_frame;
    za::app::CMapTip* m_tip = nullptr;
    CWorldMapWnd* m_map = nullptr;
    std::array<za::app::CCityDisplay*, za::kDisplays> m_displays{};
    int m_selected = IDC_DISPLAY0;
    int m_clockTimer = 0;
    SYSTEMTIME m_lastTick{};
    int m_tipTimer = 0;
    bool m_checkPending = false;
    QWidget* m_welcome = nullptr;
    za::ClockChangeCache m_changes;
    bool m_showOffsets = true;
};

}  // namespace za::app
