// The Distance Calculator: the great-circle distance between two cities and the time to cover
// it at a typed speed or at the speed of one of twelve travel modes, with the arrival in the
// "To" city's local time for a departure now. Works on copies of the cities.
#pragma once

#include "calculators.h"
#include "city.h"
#include "citydisplay.h"
#include "dialogframe.h"
#include "host.h"

#include <QTimer>

#include <array>

class QLabel;
class QLineEdit;
class QSlider;

namespace za::app {

// Controls of the dialog.
constexpr int IDC_DISTANCE = 1047;
constexpr int IDC_TRAVEL_TIME = 1048;
constexpr int IDC_SPEED = 1049;
constexpr int IDC_TRAVEL_MODE = 1050;
constexpr int IDC_MODE_TEXT = 1051;
constexpr int IDC_SPEED_UNITS = 1052;
// Not the handheld's: the arrival line under the travel time.
constexpr int IDC_ARRIVAL = 1053;
constexpr int IDC_FROM_CITY = 100;
constexpr int IDC_TO_CITY = 101;

class CDistanceCalcDlg : public CBaseDialog {
    Q_OBJECT

public:
    CDistanceCalcDlg(const CCity& from, const CCity& to, QWidget* parent, CHost& host = NoHost());
    ~CDistanceCalcDlg() override;

    double Speed() const { return m_speed; }
    TUnitSystem Units() const { return m_units; }
    QString TimeText() const { return m_result.timeText; }
    QString ModeText() const { return m_modeText; }
    const za::calc::TravelMode& Mode(int position) const { return m_modes[static_cast<size_t>(position)]; }

    CCityDisplay& FromDisplay() { return *m_from; }
    CCityDisplay& ToDisplay() { return *m_to; }
    QLineEdit* SpeedField() const { return m_speedField; }
    QSlider* Slider() const { return m_slider; }

    // The events: the user typed in the speed field; the slider moved; a city changed.
    void OnSpeedChanged();
    void OnSliderMoved(int position);
    void OnCityChanged();

private:
    enum class SpeedInput { Valid, Empty, Refused };
    CHost& m_host;  // the instant the window shows, for the arrival time
    // Reads the speed field into the speed; a refusal has told the user and kept the speed.
    SpeedInput ReadSpeed();
    void Recalculate();
    // The arrival for a departure now.
    void UpdateArrival();
    // Shows the fields; the speed field too unless the user is typing in it.
    void WriteBack(bool speedField);

    CCityDisplay* m_from = nullptr;
    CCityDisplay* m_to = nullptr;
    QLineEdit* m_speedField = nullptr;
    QLabel* m_unitLabel = nullptr;
    QSlider* m_slider = nullptr;
    QLabel* m_modeLabel = nullptr;
    QLabel* m_distanceLabel = nullptr;
    QLabel* m_timeLabel = nullptr;
    QLabel* m_arrivalLabel = nullptr;
    QTimer m_clock;

    double m_speed = 0.0;
    TUnitSystem m_units = usEnglish;
    za::calc::DistanceResult m_result;
    QString m_modeText;
    QString m_arrivalText;
    std::array<za::calc::TravelMode, za::calc::kTravelModeCount> m_modes;
};

}  // namespace za::app
