#include "alarmsdlg.h"

#include "citylist.h"
#include "resource.h"
#include "setalarmdlg.h"
#include "shell.h"

#include <QEvent>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace za::app {

CAlarmsDlg::CAlarmsDlg(const CCity& selectedCity, QWidget* parent, CHost& host)
    : CBaseDialog(IDD_ALARMS, QString::fromLatin1(kHelpPrefix) + QStringLiteral("alarms"), IDR_ALARMS_BAR, parent),
      m_host(host),
      m_selectedCity(selectedCity) {
    setWindowTitle(tr("Alarms"));
    setObjectName(QStringLiteral("dialog%1").arg(IDD_ALARMS));
    m_list = new CAlarmListCtrl(Body());
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    connect(m_list, &CAlarmListCtrl::command, this, [this](UINT id) { OnCommand(id); });
    connect(m_list, &QListWidget::itemActivated, this, [this] { OnProperties(); });
    resize(400, 420);
}

BOOL CAlarmsDlg::OnInitDialog() {
    // The three buttons of the bar side by side, never folded away beside OK and Cancel: their
    // width is known once the dialog has its style and fonts.
    if (QToolBar* bar = Frame().CommandBar()) {
        bar->setMinimumWidth(bar->sizeHint().width());
        resize(std::max(width(), minimumSizeHint().width()), height());
    }
    m_list->Fill(0, true);
    if (m_list->count() == 0) {
        // Straight into a new alarm, once this dialog is on the screen; busy until it ends.
        QTimer::singleShot(0, this, [this] {
            OnNewAlarm();
            m_busy = false;
        });
    } else {
        m_busy = false;
    }
    return TRUE;
}

BOOL CAlarmsDlg::OnCommand(UINT id) {
    switch (id) {
    case ID_NEW_ALARM: OnNewAlarm(); return TRUE;
    case ID_ALARM_PROPERTIES: OnProperties(); return TRUE;
    case ID_DELETE_ALARM: OnDelete(); return TRUE;
    default: return CBaseDialog::OnCommand(id);
    }
}

CCity CAlarmsDlg::SelectedDisplayCity() const {
    const za::DisplayedCities* displayed = m_host.Displayed();
    if (!displayed) return m_selectedCity;
    CCity city;
    if (!GetCityList().LoadCity(displayed->SelectedName(), city)) return m_selectedCity;
    return city;
}

void CAlarmsDlg::OnNewAlarm() {
    const CAlarm alarm(SelectedDisplayCity());
    CSetAlarmDlg dlg(alarm, this, m_host);
    dlg.DoModal();  // it registers the alarm itself
    m_list->Fill(0, true);
}

void CAlarmsDlg::OnProperties() {
    CAlarm* alarm = m_list->SelectedAlarm();
    if (!alarm) return;
    CSetAlarmDlg dlg(*alarm, this);
    if (dlg.DoModal() == IDOK) {
        *alarm = dlg.Alarm();
        m_list->Fill(m_list->currentRow(), false);
    }
}

void CAlarmsDlg::OnDelete() {
    m_busy = true;
    m_list->DeleteSelected();
    m_busy = false;
}

void CAlarmsDlg::changeEvent(QEvent* e) {
    CBaseDialog::changeEvent(e);
    // Back from another window (the alarm may have rung and been dismissed meanwhile).
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !m_busy) m_list->Refresh();
}

}  // namespace za::app
