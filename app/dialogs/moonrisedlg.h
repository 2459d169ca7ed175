// Moonrise and Moonset: a city's moonrise and moonset on a chosen date, and the last and next
// principal phases of the moon in the city's local time.
#pragma once

#include "astrodlg.h"

namespace za::app {

constexpr int IDC_MOON_PHASES = 1068;

class CMoonriseDlg : public CAstroDlg {
    Q_OBJECT

public:
    CMoonriseDlg(const CCity& city, QWidget* parent, CHost& host = NoHost());
    ~CMoonriseDlg() override;

    QLabel* Phases() const { return m_phases; }
    void Refresh() override;

private:
    QLabel* m_phases = nullptr;
};

}  // namespace za::app
