#include "preferencesdlg.h"

#include "appstrings.h"
#include "device.h"
#include "errorbox.h"

#include "geography.h"
#include "registry.h"
#include "resource.h"
#include "settings.h"
#include "today.h"
#include "worldsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace za::app {
namespace {

const QString kEnabledValue = QStringLiteral("Enabled");

// Settings stored as list index + offset.
constexpr DWORD kTwilightOffset = 1;
constexpr DWORD kCountOffset = 2;
constexpr DWORD kMaxCount = 5;

// "Enabled" of the Today item when its key exists and holds a 4-byte value.
bool ReadTodayEnabled(BOOL* enabled) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, QString::fromLatin1(kTodayItemKey), 0, 0, &key) != ERROR_SUCCESS) return false;
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = REG_NONE;
    const LONG rc = RegQueryValueExW(key, kEnabledValue, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || size != sizeof value) return false;
    *enabled = value != 0 ? TRUE : FALSE;
    return true;
}

// Sets "Enabled" in the Today item's key; a missing key stays missing.
// The registry's result; a Today item that is not installed has nothing to write (its key is
// never made here).
LONG WriteTodayEnabled(BOOL enabled) {
    HKEY key = nullptr;
    const LONG opened = RegOpenKeyExW(HKEY_LOCAL_MACHINE, QString::fromLatin1(kTodayItemKey), 0, 0, &key);
    if (opened == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
    if (opened != ERROR_SUCCESS) return opened;
    const DWORD value = enabled ? 1 : 0;
    const LONG written = RegSetValueExW(key, kEnabledValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
    return written;
}

QComboBox* List(int id, const QStringList& entries, QWidget* parent) {
    auto* list = new QComboBox(parent);
    SetControlId(list, id);
    list->addItems(entries);
    return list;
}

QCheckBox* Check(int id, const QString& text, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    SetControlId(box, id);
    box->setAccessibleName(text);
    return box;
}

}  // namespace

CPreferencesDlg::CPreferencesDlg(QWidget* parent, CHost& host)
    : CBaseDialog(IDD_PREFERENCES, QString::fromLatin1(kHelpPrefix) + QStringLiteral("preferences"), 0, parent),
      m_host(host) {
    setWindowTitle(tr("Preferences"));

    CRegistry& reg = GetReg();
    reg.Open();
    m_ccButton = reg.GetDWORDValue(CRegistry::CCButton) != 0;
    m_cpButton = reg.GetDWORDValue(CRegistry::CPButton) != 0;
    m_twilight = reg.GetDWORDValue(CRegistry::Twilight);
    m_unitSystem = reg.GetDWORDValue(CRegistry::UnitSystem);
    m_todayCount = reg.GetDWORDValue(CRegistry::ZATodayCount);
    reg.Close();
    ReadTodayEnabled(&m_todayEnabled);
    m_loadedCount = m_todayCount;
    m_loadedEnabled = m_todayEnabled;

    QWidget* body = Body();
    m_ccBox = Check(IDC_CCBUTTON, tr("Show 'current city' buttons in city displays"), body);
    m_cpBox = Check(IDC_CPBUTTON, tr("Show 'change city' buttons in city displays"), body);
    m_twilightList = List(IDC_TWILIGHT, {tr("No Twilight"), tr("Civil Twilight"),
                                         tr("Nautical Twilight"), tr("Astronomical Twilight")}, body);
    m_unitList = List(IDC_UNIT_SYSTEM, {tr("English"), tr("Metric"), tr("Nautical Miles")}, body);
    m_countList = List(IDC_TODAY_COUNT, {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")}, body);
    m_todayBox = Check(IDC_TODAY_ENABLED, tr("Show Zonaria cities on the Today screen"), body);
    m_offsetsBox = Check(IDC_SHOW_OFFSETS, tr("Show offsets"), body);
    m_offsetsBox->setToolTip(tr("Each city display shows its difference from the current city"));
    auto timeEdit = [body](int id, const QString& name) {
        auto* edit = new QTimeEdit(body);
        edit->setLayoutDirection(Qt::LeftToRight);  // hours first, among right-to-left texts too
        SetControlId(edit, id);
        edit->setDisplayFormat(QStringLiteral("HH:mm"));
        edit->setAccessibleName(name);
        return edit;
    };
    m_workStart = timeEdit(IDC_WORK_START, tr("Working hours from"));
    m_workEnd = timeEdit(IDC_WORK_END, tr("Working hours to"));

    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(10);
    lists->setVerticalSpacing(8);
    lists->setColumnStretch(2, 1);
    auto addList = [&](int row, const QString& caption, QComboBox* list) {
        auto* label = new QLabel(caption, body);
        label->setBuddy(list);
        list->setAccessibleName(caption);
        lists->addWidget(label, row, 0);
        lists->addWidget(list, row, 1);
    };
    addList(0, tr("Twilight:"), m_twilightList);
    addList(1, tr("Unit System:"), m_unitList);
    addList(2, tr("Number of cities on today screen:"), m_countList);
    auto* hoursLabel = new QLabel(tr("Working hours:"), body);
    hoursLabel->setBuddy(m_workStart);
    auto* hours = new QHBoxLayout;
    hours->setSpacing(6);
    hours->addWidget(m_workStart);
    hours->addWidget(new QLabel(tr("to"), body));
    hours->addWidget(m_workEnd);
    hours->addStretch(1);
    lists->addWidget(hoursLabel, 3, 0);
    lists->addLayout(hours, 3, 1);

    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(6);
    layout->addWidget(m_ccBox);
    layout->addWidget(m_cpBox);
    layout->addSpacing(10);
    layout->addLayout(lists);
    layout->addSpacing(4);
    layout->addWidget(m_todayBox);
    layout->addWidget(m_offsetsBox);
    layout->addStretch(1);

    ShowFields();
    QDialog::layout()->setSizeConstraint(QLayout::SetMinimumSize);
    resize(420, sizeHint().height());
}

CPreferencesDlg::~CPreferencesDlg() = default;

void CPreferencesDlg::ShowFields() {
    m_ccBox->setChecked(m_ccButton);
    m_cpBox->setChecked(m_cpButton);
    // A stored value outside a list shows as what the rest of the program takes it for:
    // no twilight, metric units, and the nearest count.
    const bool twilightKnown = m_twilight >= kTwilightOffset && m_twilight < kTwilightOffset + 4;
    m_twilightList->setCurrentIndex(twilightKnown ? static_cast<int>(m_twilight - kTwilightOffset) : 0);
    m_unitList->setCurrentIndex(m_unitSystem <= usNautical ? static_cast<int>(m_unitSystem) : usMetric);
    m_countList->setCurrentIndex(static_cast<int>(std::clamp(m_todayCount, kCountOffset, kMaxCount) - kCountOffset));
    m_todayBox->setChecked(m_todayEnabled);
    m_offsetsBox->setChecked(za::ShowOffsetsSetting());
    const za::WorkingHours work = za::WorkingHoursSetting();
    m_workStart->setTime(QTime(work.start / 60 % 24, work.start % 60));
    m_workEnd->setTime(QTime(work.end / 60 % 24, work.end % 60));
}

void CPreferencesDlg::ReadFields() {
    m_ccButton = m_ccBox->isChecked();
    m_cpButton = m_cpBox->isChecked();
    m_twilight = static_cast<DWORD>(m_twilightList->currentIndex()) + kTwilightOffset;
    m_unitSystem = static_cast<DWORD>(m_unitList->currentIndex());
    m_todayCount = static_cast<DWORD>(m_countList->currentIndex()) + kCountOffset;
    m_todayEnabled = m_todayBox->isChecked();
}

void CPreferencesDlg::OnOK() {
    ReadFields();
    CRegistry& reg = GetReg();
    // All or nothing, and a refused write is said: the dialog stays open with what the user
    // chose, for another try or Cancel.
    const bool saved = za::device::Transaction([&](za::sql::Database&) {
        reg.Open();
        bool ok = true;
        using Setting = std::pair<CRegistry::ValueName, DWORD>;
        for (const auto& [name, value] : {Setting{CRegistry::CCButton, static_cast<DWORD>(m_ccButton)},
                                          Setting{CRegistry::CPButton, static_cast<DWORD>(m_cpButton)},
                                          Setting{CRegistry::Twilight, m_twilight}, Setting{CRegistry::UnitSystem, m_unitSystem},
                                          Setting{CRegistry::ZATodayCount, m_todayCount}}) {
            reg.WriteDWORDValue(name, value);
            ok = ok && reg.LastWriteResult() == ERROR_SUCCESS;
        }
        reg.Close();
        za::WorkingHours work;
        work.start = m_workStart->time().hour() * 60 + m_workStart->time().minute();
        work.end = m_workEnd->time().hour() * 60 + m_workEnd->time().minute();
        // 00:00 as the end of a day that starts later is midnight, the day's end.
        if (work.end == 0 && work.start > 0) work.end = 24 * 60;
        return ok && WriteTodayEnabled(m_todayEnabled) == ERROR_SUCCESS &&
               za::SetShowOffsetsSetting(m_offsetsBox->isChecked()) && za::SetWorkingHoursSetting(QString(), work);
    });
    if (!saved) {
        EZError(RefusedWriteText(), 0, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // The Today screen reloads its items only when this one's changed.
    if (m_todayCount != m_loadedCount || m_todayEnabled != m_loadedEnabled) {
        m_host.TodayItemsChanged();
    }
    // Turned on, the Today screen starts now and with every session; turned off, it no longer
    // starts with the session.
    if (m_todayEnabled != m_loadedEnabled) za::SetTodayScreenStarted(m_todayEnabled);
    EndDialog(IDOK);
}

}  // namespace za::app
