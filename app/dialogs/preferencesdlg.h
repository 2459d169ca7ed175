// Preferences: the display buttons, the twilight, the unit system, and the Today item (how
// many cities it shows and whether the Today screen shows it at all). OK stores them; the
// Today screen hears of it only when its item changed. Cancel stores nothing.
#pragma once

#include "dialogframe.h"
#include "host.h"

class QCheckBox;
class QTimeEdit;
class QComboBox;

namespace za::app {

constexpr int IDC_CCBUTTON = 1006;
constexpr int IDC_CPBUTTON = 1007;
constexpr int IDC_TODAY_ENABLED = 1008;
constexpr int IDC_TWILIGHT = 1066;
constexpr int IDC_UNIT_SYSTEM = 1067;
constexpr int IDC_TODAY_COUNT = 1068;
// Not the handheld's: the offsets in the displays and the meeting planner's working hours.
constexpr int IDC_SHOW_OFFSETS = 1069;
constexpr int IDC_WORK_START = 1070;
constexpr int IDC_WORK_END = 1071;

// The Today item's key under HKEY_LOCAL_MACHINE; the quotes belong to the item's name.
inline constexpr const char* kTodayItemKey = "SOFTWARE\\Microsoft\\Today\\Items\\\"Zonaria\"";

class CPreferencesDlg : public CBaseDialog {
    Q_OBJECT

public:
    explicit CPreferencesDlg(QWidget* parent, CHost& host = NoHost());
    ~CPreferencesDlg() override;

    // The fields as stored: "Twilight" 1 to 4, "UnitSystem" 0 to 2.
    DWORD Twilight() const { return m_twilight; }
    DWORD UnitSystem() const { return m_unitSystem; }
    BOOL TodayEnabled() const { return m_todayEnabled; }

    QCheckBox* CurrentButtonsBox() const { return m_ccBox; }
    QCheckBox* ChangeButtonsBox() const { return m_cpBox; }
    QComboBox* TwilightList() const { return m_twilightList; }
    QComboBox* UnitList() const { return m_unitList; }
    QComboBox* CountList() const { return m_countList; }
    QCheckBox* TodayBox() const { return m_todayBox; }
    QCheckBox* OffsetsBox() const { return m_offsetsBox; }
    QTimeEdit* WorkStart() const { return m_workStart; }
    QTimeEdit* WorkEnd() const { return m_workEnd; }

protected:
    void OnOK() override;

private:
    // The fields to the controls and back; the lists hold indexes, the fields stored values.
    void ShowFields();
    void ReadFields();

    CHost& m_host;
    QCheckBox* m_ccBox = nullptr;
    QCheckBox* m_cpBox = nullptr;
    QComboBox* m_twilightList = nullptr;
    QComboBox* m_unitList = nullptr;
    QComboBox* m_countList = nullptr;
    QCheckBox* m_todayBox = nullptr;
    QCheckBox* m_offsetsBox = nullptr;
    QTimeEdit* m_workStart = nullptr;
    QTimeEdit* m_workEnd = nullptr;

    BOOL m_ccButton = TRUE;
    BOOL m_cpButton = TRUE;
    DWORD m_twilight = 2;
    DWORD m_unitSystem = 0;
    DWORD m_todayCount = 5;
    BOOL m_todayEnabled = TRUE;
    DWORD m_loadedCount = 5;
    BOOL m_loadedEnabled = TRUE;
};

}  // namespace za::app
