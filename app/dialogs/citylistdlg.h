// The dialogs that show the city database as a two-column list over their body, with a search
// field above it: the base of the Cities dialog, and the Phone Codes and Airport Codes
// dialogs, which only show.
#pragma once

#include "citylistctrl.h"
#include "dialogframe.h"

#include <memory>

class QLineEdit;

namespace za::app {

constexpr UINT IDD_PHONE_CODES = 160;
constexpr UINT IDD_CITIES = 161;
constexpr UINT IDD_AIRPORT_CODES = 162;
// The list's control id in each of them.
constexpr int IDC_CITY_LIST = 100;

class CCityListDlg : public CBaseDialog {
    Q_OBJECT

public:
    // topic: the help file's topic name. source: null for the city list itself.
    CCityListDlg(UINT templateId, const QString& title, const char* topic, UINT commandBarId, CLMODE mode,
                 QWidget* parent, std::unique_ptr<CCityRowSource> source = nullptr);
    ~CCityListDlg() override;

    CCityListCtrl& List() { return *m_list; }
    QLineEdit* SearchField() const { return m_search; }

protected:
    BOOL OnInitDialog() override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    CCityListCtrl* m_list;
    QLineEdit* m_search;
};

class CPhoneCodesDlg : public CCityListDlg {
    Q_OBJECT
public:
    explicit CPhoneCodesDlg(QWidget* parent, std::unique_ptr<CCityRowSource> source = nullptr);
};

class CAirportCodesDlg : public CCityListDlg {
    Q_OBJECT
public:
    explicit CAirportCodesDlg(QWidget* parent, std::unique_ptr<CCityRowSource> source = nullptr);
};

}  // namespace za::app
