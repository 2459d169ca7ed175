// Sunrise and Sunset: a city's sunrise, sunset and day length on a chosen date, with the
// beginning and end of twilight when the "Twilight" setting asks for one.
#pragma once

#include "astrodlg.h"

namespace za::app {

class CSunriseDlg : public CAstroDlg {
    Q_OBJECT

public:
    CSunriseDlg(const CCity& city, QWidget* parent, CHost& host = NoHost());
    ~CSunriseDlg() override;

    void Refresh() override;
};

}  // namespace za::app
