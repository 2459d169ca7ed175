#include "timecalcdlg.h"

#include "calculators.h"
#include "clock.h"
#include "localetext.h"
#include "resource.h"
#include "toolfields.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

namespace za::app {
namespace {

// The displays are 5 pixels below what they follow.
constexpr int kGap = 5;

// A small caption of the scrubber's scale.
QLabel* ScaleLabel(int hour, Qt::Alignment align, QWidget* parent) {
    SYSTEMTIME t{};
    t.wHour = static_cast<WORD>(hour);
    auto* label = new QLabel(za::locale::FormatTime(t, TIME_NOSECONDS), parent);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    label->setFont(small);
    label->setAlignment(align);
    SetQuietText(label);
    return label;
}

}  // namespace

CTimeCalcDlg::CTimeCalcDlg(QWidget* parent, CHost& host)
    : CBaseDialog(IDD_TIMECALC, QString::fromLatin1(kHelpPrefix) + QStringLiteral("time_calc"), 0, parent),
      m_openedAt(host.Now()) {
    setWindowTitle(tr("Time Calculator"));
    QWidget* body = Body();
    const QLocale locale = za::locale::UserLocale();

    auto* first = new QLabel(tr("When its this time in the reference city:"), body);
    SetControlId(first, IDC_HEADING1);
    auto* second = new QLabel(tr("The time in these cities will be:"), body);
    SetControlId(second, IDC_HEADING2);

    m_date = new CWallClockEdit(body);
    SetControlId(m_date, IDC_REFERENCE_DATE);
    m_date->setLocale(locale);
    m_date->setDisplayFormat(PickerDateFormat(locale, false));
    m_date->setCalendarPopup(true);
    auto* dateLabel = new QLabel(tr("Date:"), body);
    dateLabel->setBuddy(m_date);
    m_date->setAccessibleName(tr("Date:"));

    m_time = new CWallClockEdit(body);
    SetControlId(m_time, IDC_REFERENCE_TIME);
    m_time->setLocale(locale);
    m_time->setDisplayFormat(PickerTimeFormat(locale));
    auto* timeLabel = new QLabel(tr("Time:"), body);
    timeLabel->setBuddy(m_time);
    m_time->setAccessibleName(tr("Time:"));

    m_scrub = new QSlider(Qt::Horizontal, body);
    SetControlId(m_scrub, IDC_TIME_SCRUB);
    m_scrub->setRange(0, kScrubSteps - 1);
    m_scrub->setSingleStep(1);
    m_scrub->setPageStep(60 / kScrubMinutes);
    m_scrub->setTickInterval(3 * 60 / kScrubMinutes);
    m_scrub->setTickPosition(QSlider::TicksBelow);
    m_scrub->setAccessibleName(tr("Time of day"));
    m_scrub->setToolTip(tr("Drag to move the reference time through the day"));

    // The main screen's five cities, display i getting display i's.
    for (int i = 0; i < kDisplays; ++i) {
        auto* display = new CCityDisplay(body, host);
        if (const CCity* shown = host.ShownCity(i)) display->SetCity(*shown);
        display->Create(CDS_CHOOSER_WITH_TIME, IDC_REFERENCE_CITY + i);
        m_displays[static_cast<size_t>(i)] = display;
    }

    auto* pickers = new QHBoxLayout;
    pickers->setSpacing(6);
    pickers->addWidget(dateLabel);
    pickers->addWidget(m_date, 3);
    pickers->addSpacing(10);
    pickers->addWidget(timeLabel);
    pickers->addWidget(m_time, 2);
    auto* scale = new QHBoxLayout;
    scale->setContentsMargins(0, 0, 0, 0);
    scale->addWidget(ScaleLabel(0, Qt::AlignLeft, body), 1);
    scale->addWidget(ScaleLabel(12, Qt::AlignHCenter, body), 1);
    scale->addWidget(ScaleLabel(0, Qt::AlignRight, body), 1);

    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(0);
    layout->addWidget(first);
    layout->addSpacing(8);
    layout->addLayout(pickers);
    layout->addSpacing(6);
    layout->addWidget(m_scrub);
    layout->addLayout(scale);
    // Says how a time the reference city's clocks skip or repeat is taken; hidden otherwise.
    m_note = new QLabel(body);
    m_note->setWordWrap(true);
    m_note->setAccessibleName(tr("Reference Time Note"));
    m_note->hide();
    layout->addWidget(m_note);
    layout->addSpacing(kGap);
    layout->addWidget(m_displays[0]);
    layout->addSpacing(12);
    layout->addWidget(second);
    layout->addSpacing(kGap);
    for (int i = 1; i < kDisplays; ++i) layout->addWidget(m_displays[static_cast<size_t>(i)]);
    layout->addStretch(1);

    connect(m_date, &QDateTimeEdit::dateTimeChanged, this, [this] { Recalculate(); });
    connect(m_time, &QDateTimeEdit::dateTimeChanged, this, [this] { OnTimeChanged(); });
    connect(m_scrub, &QSlider::valueChanged, this, [this](int step) { OnScrubbed(step); });
    connect(m_displays[0], &CCityDisplay::notify, this, [this](CityDisplayNotify& n) {
        if (n.code == CDN_CITYCHANGED) Recalculate();
    });
    QDialog::layout()->setSizeConstraint(QLayout::SetMinimumSize);
    resize(420, sizeHint().height());
}

CTimeCalcDlg::~CTimeCalcDlg() = default;

BOOL CTimeCalcDlg::OnInitDialog() {
    // The current hour, on the hour, in the reference city.
    const SYSTEMTIME start = za::calc::InitialReferenceTime(m_displays[0]->City(), m_openedAt);
    m_date->SetValue(start);
    m_time->SetValue(start);
    Recalculate();
    return TRUE;
}

SYSTEMTIME CTimeCalcDlg::ReferenceUtc(QString* note) const {
    return za::calc::ReferenceTimeToUtc(m_displays[0]->City(), m_date->Value(), m_time->Value(), note);
}

void CTimeCalcDlg::Recalculate() {
    QString note;
    const SYSTEMTIME utc = ReferenceUtc(&note);
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
    for (CCityDisplay* display : m_displays) display->UpdateTime(utc);
}

void CTimeCalcDlg::OnTimeChanged() {
    if (!m_scrubbing) {
        // The slider follows a time typed in, to the quarter hour before it.
        const SYSTEMTIME t = m_time->Value();
        m_scrubbing = true;
        m_scrub->setValue((t.wHour * 60 + t.wMinute) / kScrubMinutes);
        m_scrubbing = false;
    }
    Recalculate();
}

void CTimeCalcDlg::OnScrubbed(int step) {
    if (m_scrubbing) return;
    SYSTEMTIME t = m_time->Value();
    t.wHour = static_cast<WORD>(step * kScrubMinutes / 60);
    t.wMinute = static_cast<WORD>(step * kScrubMinutes % 60);
    t.wSecond = 0;
    t.wMilliseconds = 0;
    // The picker's change recalculates; the guard keeps it from moving the slider back.
    m_scrubbing = true;
    m_time->SetValue(t);
    m_scrubbing = false;
}

}  // namespace za::app
