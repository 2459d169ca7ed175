// The Time Calculator: a date and a time of day that hold in a reference city, and the same
// instant in the five cities of the main screen. A slider scrubs the reference time over the
// day in quarter hours. Changes nothing outside itself.
#pragma once

#include "city.h"
#include "citydisplay.h"
#include "dialogframe.h"
#include "host.h"
#include "displayedcities.h"

#include <array>

class QLabel;
class QSlider;

namespace za::app {

class CWallClockEdit;

constexpr int IDC_REFERENCE_DATE = 1014;
constexpr int IDC_REFERENCE_TIME = 1015;
// Not the handheld's: the slider under the time picker.
constexpr int IDC_TIME_SCRUB = 1016;
constexpr int IDC_REFERENCE_CITY = 100;

class CTimeCalcDlg : public CBaseDialog {
    Q_OBJECT

public:
    // The slider's steps: a quarter of an hour each, 0 (midnight) to 95 (23:45).
    static constexpr int kScrubMinutes = 15;
    static constexpr int kScrubSteps = 24 * 60 / kScrubMinutes;

    // The displays start with the main screen's cities.
    explicit CTimeCalcDlg(QWidget* parent, CHost& host = NoHost());
    ~CTimeCalcDlg() override;

    CCityDisplay& Display(int i) { return *m_displays[static_cast<size_t>(i)]; }
    CWallClockEdit* DatePicker() const { return m_date; }
    CWallClockEdit* TimePicker() const { return m_time; }
    QSlider* Scrubber() const { return m_scrub; }
    // The picked local reference time converted to UTC with the reference city's zone; *note
    // as za::calc::ReferenceTimeToUtc gives it.
    SYSTEMTIME ReferenceUtc(QString* note = nullptr) const;
    // How a reference time the city's clocks skip or repeat is taken; empty and hidden otherwise.
    QLabel* TimeNote() const { return m_note; }

    // Reads the pickers and gives the instant to the five displays.
    void Recalculate();

protected:
    BOOL OnInitDialog() override;

private:
    void OnTimeChanged();
    void OnScrubbed(int step);

    SYSTEMTIME m_openedAt{};  // the instant the window showed as the dialog was made
    std::array<CCityDisplay*, za::kDisplays> m_displays{};
    CWallClockEdit* m_date = nullptr;
    CWallClockEdit* m_time = nullptr;
    QSlider* m_scrub = nullptr;
    QLabel* m_note = nullptr;
    bool m_scrubbing = false;
};

}  // namespace za::app
