// What the Sunrise and Moonrise dialogs share: a date picker with the city's local date, the
// city chooser centred under it, and the results as a column of labels beside a column of
// values, refreshed at once when the date or the city changes.
#pragma once

#include "city.h"
#include "citydisplay.h"
#include "dialogframe.h"
#include "host.h"

class QLabel;
class QVBoxLayout;

namespace za::app {

class CWallClockEdit;

constexpr int IDC_ASTRO_DATE = 1014;
constexpr int IDC_ASTRO_VALUES = 1021;
constexpr int IDC_ASTRO_LABELS = 1022;
constexpr int IDC_ASTRO_CITY = 100;

class CAstroDlg : public CBaseDialog {
    Q_OBJECT

public:
    ~CAstroDlg() override;

    CCityDisplay& CityDisplay() { return *m_city; }
    CWallClockEdit* DatePicker() const { return m_date; }
    QLabel* Labels() const { return m_labels; }
    QLabel* Values() const { return m_values; }

    // Reads the date and the city and shows the day's events.
    virtual void Refresh() = 0;

protected:
    // topic: the help topic's name; heading: the results' section heading; labels: the
    // labels column as the dialog opens.
    CAstroDlg(UINT templateId, const char* topic, const QString& title, const QString& heading, const QString& labels,
              const CCity& city, QWidget* parent, CHost& host);
    BOOL OnInitDialog() override;

    // The layout under the results, for what a dialog adds there.
    QVBoxLayout* ResultsLayout() const { return m_results; }
    void ShowColumns(const QString& labels, const QString& values);

private:
    SYSTEMTIME m_openedAt{};  // the instant the window showed as the dialog was made
    CCityDisplay* m_city = nullptr;
    CWallClockEdit* m_date = nullptr;
    QLabel* m_labels = nullptr;
    QLabel* m_values = nullptr;
    QVBoxLayout* m_results = nullptr;
};

}  // namespace za::app
