#include "pagetimezone.h"

#include "clock.h"
#include "clockchange.h"
#include "resource.h"
#include "timezone.h"
#include "tzlist.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace za::app {
namespace {

// The combo is kept narrow; its list opens as wide as the longest name.
constexpr int kComboCharacters = 24;

}  // namespace

CPageTimeZone::CPageTimeZone(const SYSTEMTIME& now, QWidget* parent)
    : CPropertyPage(IDD_PAGE_TIMEZONE, QString::fromLatin1(kHelpPrefix) + QStringLiteral("city_edit"), IDR_EDIT_BAR,
                    tr("Time Zone"), parent),
      m_now(now) {
    QWidget* body = Body();
    m_combo = new QComboBox(body);
    SetControlId(m_combo, IDC_TIMEZONE);
    m_combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_combo->setMinimumContentsLength(kComboCharacters);
    auto* heading = new QLabel(tr("Daylight Savings Time Rule"), body);
    SetControlId(heading, IDC_HEADING1);
    m_rule = new QLabel(body);
    SetControlId(m_rule, IDC_DST_RULE);
    m_rule->setWordWrap(true);
    m_rule->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The rule itself is what a screen reader reads (a label's name is its text); the heading
    // says what it is.
    m_rule->setAccessibleDescription(heading->text());
    auto* changeHeading = new QLabel(tr("Next Clock Change"), body);
    SetControlId(changeHeading, IDC_HEADING2);
    m_nextChange = new QLabel(body);
    SetControlId(m_nextChange, IDC_NEXT_CHANGE);
    m_nextChange->setWordWrap(true);
    m_nextChange->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_nextChange->setAccessibleDescription(changeHeading->text());

    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(10, 12, 10, 10);
    layout->setSpacing(8);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    AddFormRow(form, tr("Time Zone:"), m_combo);
    layout->addLayout(form);
    layout->addSpacing(10);
    layout->addWidget(heading);
    layout->addWidget(m_rule);
    layout->addSpacing(10);
    layout->addWidget(changeHeading);
    layout->addWidget(m_nextChange);
    layout->addStretch(1);
    connect(m_combo, &QComboBox::currentIndexChanged, this, &CPageTimeZone::OnSelectionChanged);
}

void CPageTimeZone::Load(int tzID, bool isCurrentCity) {
    m_currentCity = isCurrentCity;
    m_tzID = tzID;
    m_names.clear();
    m_ids.clear();
    GetTZList().LoadTimeZoneNamesAndIDs(m_names, m_ids);
    const QSignalBlocker quiet(m_combo);
    m_combo->clear();
    m_selected = -1;
    for (qsizetype i = 0; i < m_names.size() && i < m_ids.size(); ++i) {
        m_combo->addItem(m_names[i], m_ids[i]);
        if (m_ids[i] == tzID && m_selected < 0) m_selected = static_cast<int>(i);
    }
    m_combo->setCurrentIndex(m_selected);
    m_combo->setEnabled(!isCurrentCity);
    if (isCurrentCity) m_combo->setToolTip(tr("The current city's time zone is the device's own."));
    ShowRule();
}

void CPageTimeZone::OnSelectionChanged(int index) {
    if (index == m_selected) return;
    m_selected = index;
    SetPageModified();
    ShowRule();
}

void CPageTimeZone::ShowRule() {
    const int id = m_selected >= 0 ? m_combo->itemData(m_selected).toInt() : m_tzID;
    CDBTimeZone zone;
    zone.Load(id);
    m_ruleText = zone.GetDaylightRule();
    m_rule->setText(m_ruleText);
    CTimeZone changing;
    changing.Load(id);
    const za::ClockChange change = za::NextClockChange(changing, m_now);
    m_nextChange->setText(change.found ? za::ClockChangeText(change) : tr("None within a year"));
}

QString CPageTimeZone::NextChangeText() const { return m_nextChange->text(); }

BOOL CPageTimeZone::OnKillActive() {
    // A city whose zone the list does not hold keeps it.
    if (m_selected >= 0) m_tzID = m_combo->itemData(m_selected).toInt();
    return TRUE;
}

}  // namespace za::app
