// What the window hands each control and dialog it makes: what to show (the displayed cities,
// the cities on the main screen) and where to send what happens (the dialogs to open, the
// frame's cancel-mode and command bars, the Today screen). Controls and dialogs see the
// window only through this, so none of them includes the application, the frame or the view.
// One made without a window (a test's, or one inside a dialog the window did not make) gets
// NoHost(): nothing to show, and nowhere to send.
#pragma once

#include "city.h"
#include "displayedcities.h"

class QWidget;

namespace za::app {

// The dialogs a control or dialog may ask the window for, each modal and owned by owner.
class CHostDialogs {
public:
    virtual ~CHostDialogs();
    virtual void SetAlarm(QWidget* owner, const CCity& city) = 0;
    virtual void Sunrise(QWidget* owner, const CCity& city) = 0;
    virtual void Moonrise(QWidget* owner, const CCity& city) = 0;
    // The city editor on city; isNew for a city that is not in the database yet. IDOK when it
    // was saved; city then holds what was saved.
    virtual int EditCity(QWidget* owner, CCity& city, bool isNew) = 0;
};

class CHost {
public:
    virtual ~CHost();

    // The main screen's cities and selected display; null without a main screen.
    virtual const za::DisplayedCities* Displayed() const { return nullptr; }
    // The city display i of the main screen shows; null without a main screen.
    virtual const CCity* ShownCity(int /*i*/) const { return nullptr; }
    // The dialogs the window opens (tests record them); null without a window.
    virtual CHostDialogs* Dialogs() { return nullptr; }
    // A display was pressed or the tip tapped: the main screen hides its tip and marker.
    virtual void CancelMode() {}
    // The frame's menus and tool bar on or off (off while the city picker runs).
    virtual void EnableCommandBars(bool /*enable*/) {}
    // The set of Today items changed: the Today screen reloads them.
    virtual void TodayItemsChanged() {}
    // The instant the main screen shows, as its last tick read it (UTC), so that a dialog
    // opens on the time the window shows; without a window, the device's clock read now.
    virtual SYSTEMTIME Now() const;
};

// The host of a control or dialog made without a window.
CHost& NoHost();

}  // namespace za::app
