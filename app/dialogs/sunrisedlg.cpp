#include "sunrisedlg.h"

#include "appstrings.h"
#include "resource.h"
#include "settings.h"
#include "stringtable.h"
#include "toolfields.h"

namespace za::app {

CSunriseDlg::CSunriseDlg(const CCity& city, QWidget* parent, CHost& host)
    : CAstroDlg(IDD_SUNRISE, "sunrise", tr("Sunrise and Sunset"), tr("Sunrise and Sunset Information"),
                tr("Sunrise:\nSunset:\n\nDaylight Hours:"), city, parent, host) {}

CSunriseDlg::~CSunriseDlg() = default;

void CSunriseDlg::Refresh() {
    const SYSTEMTIME d = DatePicker()->Value();
    const CCity& city = CityDisplay().City();
    QString rise, set;
    city.RiseSet(rise, set, &d, ZENITH_OFFICIAL);
    const QString day = city.DaylightHours(&d, ZENITH_OFFICIAL);
    const DWORD tw = GetReg().GetDWORDValue(CRegistry::Twilight);
    if (tw < ZENITH_CIVIL || tw > ZENITH_ASTRONOMICAL) {
        ShowColumns(AppString(IDS_SUN_LABELS), FormatString(QStringLiteral("%s \n%s \n\n%s"), {rise, set, day}));
        return;
    }
    QString begin, end;
    city.RiseSet(begin, end, &d, static_cast<ZENITH>(tw));
    ShowColumns(AppString(IDS_SUN_LABELS_CIVIL + tw - ZENITH_CIVIL),
                FormatString(QStringLiteral("%s \n%s \n%s \n%s \n\n%s"), {begin, rise, set, end, day}));
}

}  // namespace za::app
