#include "distancecalcdlg.h"

#include "appstrings.h"
#include "clock.h"
#include "localetext.h"
#include "resource.h"
#include "shell.h"
#include "stringtable.h"
#include "toolfields.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include <cmath>

namespace za::app {
namespace {

// The arrival follows the clock as the main screen does.
constexpr int kArrivalRefreshMs = 10000;

QLocale SpeedLocale() {
    QLocale locale = za::locale::UserLocale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

}  // namespace

CDistanceCalcDlg::CDistanceCalcDlg(const CCity& from, const CCity& to, QWidget* parent, CHost& host)
    : CBaseDialog(IDD_DISTANCECALC, QString::fromLatin1(kHelpPrefix) + QStringLiteral("distance_calc"), 0, parent),
      m_host(host) {
    setWindowTitle(tr("Distance Calculator"));

    // Construction: the cities, the units, 500 km/h in them, the results, the modes.
    QWidget* body = Body();
    m_from = new CCityDisplay(body, host);
    m_from->Create(CDS_CHOOSER, IDC_FROM_CITY);
    m_from->SetCity(from);
    m_to = new CCityDisplay(body, host);
    m_to->Create(CDS_CHOOSER, IDC_TO_CITY);
    m_to->SetCity(to);
    m_units = za::calc::UnitSystemSetting();
    m_speed = za::calc::InitialSpeed(m_units);
    Recalculate();
    for (int i = 0; i < za::calc::kTravelModeCount; ++i) {
        m_modes[static_cast<size_t>(i)] = za::calc::ParseTravelModeString(AppString(IDS_TRAVEL_MODE0 + static_cast<UINT>(i)));
    }
    m_modeText = m_modes[za::calc::kInitialTravelMode].name;

    auto* fromLabel = Caption(tr("From:"), body);
    fromLabel->setBuddy(m_from);
    auto* toLabel = Caption(tr("To:"), body);
    toLabel->setBuddy(m_to);
    auto* heading = new QLabel(tr("Distance and Travel Time Between Cities"), body);
    SetControlId(heading, IDC_HEADING1);

    m_distanceLabel = new QLabel(body);
    SetControlId(m_distanceLabel, IDC_DISTANCE);
    m_timeLabel = new QLabel(body);
    SetControlId(m_timeLabel, IDC_TRAVEL_TIME);
    m_arrivalLabel = new QLabel(body);
    SetControlId(m_arrivalLabel, IDC_ARRIVAL);
    for (QLabel* result : {m_distanceLabel, m_timeLabel, m_arrivalLabel}) {
        result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    m_speedField = new QLineEdit(body);
    SetControlId(m_speedField, IDC_SPEED);
    m_speedField->setAccessibleName(tr("at:"));
    m_speedField->setMaximumWidth(m_speedField->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")) + 16);
    auto* atLabel = Caption(tr("at:"), body);
    atLabel->setBuddy(m_speedField);
    m_unitLabel = new QLabel(body);
    SetControlId(m_unitLabel, IDC_SPEED_UNITS);

    // Twelve positions, a tick at each, one position a page, at Commercial Jet.
    m_slider = new QSlider(Qt::Horizontal, body);
    SetControlId(m_slider, IDC_TRAVEL_MODE);
    m_slider->setRange(0, za::calc::kTravelModeCount - 1);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(1);
    m_slider->setPageStep(1);
    m_slider->setValue(za::calc::kInitialTravelMode);
    m_slider->setAccessibleName(tr("Travel Speed"));
    m_modeLabel = new QLabel(body);
    SetControlId(m_modeLabel, IDC_MODE_TEXT);
    m_modeLabel->setAlignment(Qt::AlignCenter);

    auto* grid = new QGridLayout(body);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    int row = 0;
    grid->addWidget(fromLabel, row, 0);
    grid->addWidget(m_from, row++, 1);
    grid->addWidget(toLabel, row, 0);
    grid->addWidget(m_to, row++, 1);
    grid->setRowMinimumHeight(row++, 6);
    grid->addWidget(heading, row++, 0, 1, 2);
    grid->addWidget(Caption(tr("Distance:"), body), row, 0);
    grid->addWidget(m_distanceLabel, row++, 1);
    grid->addWidget(Caption(tr("Travel Time:"), body), row, 0);
    grid->addWidget(m_timeLabel, row++, 1);
    grid->addWidget(m_arrivalLabel, row++, 1);
    auto* speedRow = new QHBoxLayout;
    speedRow->setSpacing(6);
    speedRow->addWidget(m_speedField);
    speedRow->addWidget(m_unitLabel);
    speedRow->addStretch(1);
    grid->setRowMinimumHeight(row++, 4);
    grid->addWidget(atLabel, row, 0);
    grid->addLayout(speedRow, row++, 1);
    grid->addWidget(m_slider, row++, 0, 1, 2);
    grid->addWidget(m_modeLabel, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);

    WriteBack(true);

    connect(m_speedField, &QLineEdit::textEdited, this, [this] { OnSpeedChanged(); });
    connect(m_slider, &QSlider::valueChanged, this, [this](int position) { OnSliderMoved(position); });
    // Letting go of the slider where it stood still picks that mode again.
    connect(m_slider, &QSlider::sliderReleased, this, [this] { OnSliderMoved(m_slider->value()); });
    for (CCityDisplay* display : {m_from, m_to}) {
        connect(display, &CCityDisplay::notify, this, [this](CityDisplayNotify& n) {
            if (n.code == CDN_CITYCHANGED) OnCityChanged();
        });
    }
    m_clock.setInterval(kArrivalRefreshMs);
    connect(&m_clock, &QTimer::timeout, this, [this] { UpdateArrival(); });
    m_clock.start();
    QDialog::layout()->setSizeConstraint(QLayout::SetMinimumSize);
    resize(420, sizeHint().height());
}

CDistanceCalcDlg::~CDistanceCalcDlg() = default;

CDistanceCalcDlg::SpeedInput CDistanceCalcDlg::ReadSpeed() {
    const QString text = m_speedField->text().trimmed();
    // An empty field is one the user is about to type into: nothing to refuse yet.
    if (text.isEmpty()) return SpeedInput::Empty;
    bool ok = false;
    double speed = SpeedLocale().toDouble(text, &ok);
    if (!ok) speed = QLocale::c().toDouble(text, &ok);
    if (!ok || !za::calc::IsValidSpeed(speed)) {
        za::shell::Current().MessageBox(AppString(IDS_SPEED_RANGE), za::ResourceCaption(), MB_OK | MB_ICONEXCLAMATION);
        m_speedField->setFocus();
        return SpeedInput::Refused;
    }
    m_speed = speed;
    return SpeedInput::Valid;
}

void CDistanceCalcDlg::Recalculate() {
    m_result = za::calc::RecalculateDistance(m_from->City(), m_to->City(), m_speed, m_units);
    UpdateArrival();
}

void CDistanceCalcDlg::UpdateArrival() {
    const QString local = za::calc::ArrivalLocalText(m_to->City(), m_host.Now(), m_result.days);
    m_arrivalText = local.isEmpty() ? QString() : FormatString(AppString(IDS_ARRIVES), {local});
    if (m_arrivalLabel) ShowResult(m_arrivalLabel, QString(), m_arrivalText);
}

void CDistanceCalcDlg::WriteBack(bool speedField) {
    ShowResult(m_distanceLabel, tr("Distance:"), m_result.distanceText);
    ShowResult(m_timeLabel, tr("Travel Time:"), m_result.timeText);
    ShowResult(m_arrivalLabel, QString(), m_arrivalText);
    m_unitLabel->setText(m_result.unitText);
    m_speedField->setAccessibleDescription(m_result.unitText);
    m_modeLabel->setText(m_modeText);
    m_slider->setAccessibleDescription(m_modeText);
    if (speedField) m_speedField->setText(SpeedLocale().toString(m_speed, 'g', 12));
}

void CDistanceCalcDlg::OnSpeedChanged() {
    if (ReadSpeed() != SpeedInput::Valid) return;
    Recalculate();
    m_modeText = za::calc::TypedSpeedText(m_speed, m_units);
    // The field keeps what the user typed, so typing goes on undisturbed.
    WriteBack(false);
}

void CDistanceCalcDlg::OnSliderMoved(int position) {
    if (position < 0 || position >= za::calc::kTravelModeCount) return;
    const za::calc::TravelMode& mode = m_modes[static_cast<size_t>(position)];
    m_speed = std::floor(ConvertDistance(mode.knots, usNautical, m_units));
    m_modeText = mode.name;
    Recalculate();
    WriteBack(true);
}

void CDistanceCalcDlg::OnCityChanged() {
    if (ReadSpeed() == SpeedInput::Refused) return;
    Recalculate();
    WriteBack(true);
}

}  // namespace za::app
