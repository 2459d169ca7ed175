#include "moonrisedlg.h"

#include "appstrings.h"
#include "moon.h"
#include "resource.h"
#include "stringtable.h"
#include "toolfields.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace za::app {
namespace {

const char* const kMoonLabels = QT_TRANSLATE_NOOP("za::app::CMoonriseDlg", "Moonrise:\nMoonset:");

}  // namespace

CMoonriseDlg::CMoonriseDlg(const CCity& city, QWidget* parent, CHost& host)
    : CAstroDlg(IDD_MOONRISE, "moonrise", tr("Moonrise and Moonset"), tr("Moonrise and Moonset Information"),
                QCoreApplication::translate("za::app::CMoonriseDlg", kMoonLabels), city, parent, host) {
    m_phases = new QLabel(Body());
    SetControlId(m_phases, IDC_MOON_PHASES);
    m_phases->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_phases->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ResultsLayout()->addWidget(m_phases);
}

CMoonriseDlg::~CMoonriseDlg() = default;

void CMoonriseDlg::Refresh() {
    const SYSTEMTIME d = DatePicker()->Value();
    const CCity& city = CityDisplay().City();
    QString rise, set;
    city.RiseSet(rise, set, &d, ZENITH_MOON);
    ShowColumns(QCoreApplication::translate("za::app::CMoonriseDlg", kMoonLabels), FormatString(QStringLiteral("%s\n%s"), {rise, set}));

    // The picked local date, at the time of day the picker holds, is the instant searched from.
    enLunarPhase p1 = LP_NEW_MOON, p2 = LP_NEW_MOON;
    SYSTEMTIME t1{}, t2{};
    MoonPhase(d, p1, t1, p2, t2);
    auto line = [&city](enLunarPhase phase, const SYSTEMTIME& utc) {
        // A phase not found within the search keeps the empty time: no line for it.
        if (utc.wYear == 0) return QString();
        return FormatString(AppString(IDS_PHASE_NEW_MOON + static_cast<UINT>(phase)),
                            {city.LocalTimeAsString(utc, TF_SHORTDATE_TIME)});
    };
    const QString phases = line(p1, t1) + QLatin1Char('\n') + line(p2, t2);
    m_phases->setText(phases);
    m_phases->setAccessibleName(phases);
    m_phases->update();
}

}  // namespace za::app
