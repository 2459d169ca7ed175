// The Time Zone page of the city editor: the city's zone among all zones of the list, and the
// zone's daylight-saving rule. The current city's zone is shown but cannot be changed here.
#pragma once

#include "basepropertysheet.h"

#include <QList>
#include <QStringList>

class QComboBox;
class QLabel;

namespace za::app {

constexpr UINT IDD_PAGE_TIMEZONE = 164;
constexpr int IDC_TIMEZONE = 1054;
constexpr int IDC_DST_RULE = 1055;
constexpr int IDC_NEXT_CHANGE = 1056;

class CPageTimeZone : public CPropertyPage {
    Q_OBJECT

public:
    // now: the instant at which the zones' names and daylight time are shown (UTC).
    explicit CPageTimeZone(const SYSTEMTIME& now, QWidget* parent = nullptr);

    // Every zone of the list in the combo, tzID's selected; isCurrentCity disables the combo.
    void Load(int tzID, bool isCurrentCity);
    // Stores the selected zone's ID.
    BOOL OnKillActive() override;

    // The ID as last stored.
    int TimeZoneID() const { return m_tzID; }
    QString RuleText() const { return m_ruleText; }
    // "Clocks go back 1 hour on Sun 25 Oct 2026 at 02:00" for the selected zone, from the
    // instant the page was loaded at; "None within a year" when the zone keeps its time.
    QString NextChangeText() const;

private:
    void OnSelectionChanged(int index);
    void ShowRule();

    bool m_currentCity = false;
    QComboBox* m_combo;
    QLabel* m_rule;
    QLabel* m_nextChange;
    SYSTEMTIME m_now{};
    QString m_ruleText;
    int m_selected = -1;
    int m_tzID = -1;
    QStringList m_names;
    QList<int> m_ids;
};

}  // namespace za::app
