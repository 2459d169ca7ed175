// The main view: the five city displays with the world map between display 0 and display 1,
// the tip, the clock tick, and the view's share of the commands.
#pragma once

#include "city.h"
#include "wintypes.h"

#include <QWidget>

#include <array>

class CMainFrame;

class CMainView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kDisplays = 5;

    explicit CMainView(CMainFrame& frame);
    ~CMainView() override;

    // Commands the view serves; FALSE for any other.
    BOOL OnCommand(UINT id);

    // Loads each displayed city by name, the first city of the list standing in for a name
    // that the database does not have (and becoming the displayed name).
    void LoadDisplayedCities();
    const CCity& City(int i) const { return m_cities[static_cast<size_t>(i)]; }
    const CCity& SelectedCity() const;
    int SelectedIndex() const { return m_selected; }

    // The device-zone check and, on the first start, the welcome page.
    void OnCheckCity();
    // Follows a device time zone that another program changed.
    void CheckDeviceTimeZone();

    void HideTip();
    void ReleaseMapImages();
    void ReloadMapImages();

    QSize sizeHint() const override;

signals:
    // A device-zone check ran (the start-up one or one after a return to the program).
    void cityChecked();

protected:
    bool event(QEvent* e) override;

private:
    CMainFrame& m_frame;
    std::array<CCity, kDisplays> m_cities;
    int m_selected = 0;
};
