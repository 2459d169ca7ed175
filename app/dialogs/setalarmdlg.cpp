#include "setalarmdlg.h"

#include "appstrings.h"
#include "fonts.h"
#include "errorbox.h"
#include "localetext.h"
#include "resource.h"
#include "shell.h"
#include "stringtable.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimeEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace za::app {
namespace {

constexpr int kTimeFontSize = 120;  // tenths of a point
// The message field shows three lines.
constexpr int kMessageLines = 3;

// The handheld sent its user to its own sound settings; a desktop has its own.
const char* const kSoundHint = QT_TRANSLATE_NOOP("za::app::CSetAlarmDlg", "Set the alarm sound in your desktop's sound settings");

SYSTEMTIME ToSystemTime(DATE date) {
    SYSTEMTIME st{};
    VariantTimeToSystemTime(date, &st);
    return st;
}

// The locale's time format without its seconds.
QString TimePickerFormat() {
    QString format = za::locale::UserLocale().timeFormat(QLocale::ShortFormat);
    format.remove(QStringLiteral(":ss"));
    return format;
}

QLabel* Heading(const QString& text, int id, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    SetControlId(label, id);
    return label;
}

}  // namespace

CSetAlarmDlg::CSetAlarmDlg(const CAlarm& alarm, QWidget* parent, CHost& host)
    : CBaseDialog(IDD_SETALARM, QString::fromLatin1(kHelpPrefix) + QStringLiteral("alarms"), IDR_EDIT_BAR, parent),
      m_alarm(alarm) {
    setWindowTitle(tr("Set Alarm"));
    setObjectName(QStringLiteral("dialog%1").arg(IDD_SETALARM));

    m_time = new QTimeEdit(Body());
    m_time->setLayoutDirection(Qt::LeftToRight);  // hours first, among right-to-left texts too
    SetControlId(m_time, IDC_ALARM_TIME);
    m_date = new QDateEdit(Body());
    SetControlId(m_date, IDC_ALARM_DATE);
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(za::locale::UserLocale().dateFormat(QLocale::ShortFormat));
    // The chooser takes the place of the hidden "City" static.
    m_cityPlace = new QLabel(tr("City"), Body());
    SetControlId(m_cityPlace, IDC_ALARM_CITY);
    m_cityPlace->hide();
    m_chooser = new CCityDisplay(Body(), host);
    m_chooser->Create(CDS_CHOOSER, IDC_CITY_CHOOSER);
    m_chooser->SetCity(alarm.City());
    m_message = new QPlainTextEdit(Body());
    SetControlId(m_message, IDC_ALARM_MESSAGE);
    m_message->setAccessibleName(tr("Alarm Message"));
    m_message->setTabChangesFocus(true);
    m_message->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_message->setFixedHeight(m_message->fontMetrics().lineSpacing() * kMessageLines + 12);
    m_default = new QCheckBox(tr("Default Message"), Body());
    SetControlId(m_default, IDC_DEFAULT_MESSAGE);
    // Says how a time the city's clocks skip or repeat is taken; hidden otherwise.
    m_note = new QLabel(Body());
    m_note->setWordWrap(true);
    m_note->setAccessibleName(tr("Alarm Time Note"));
    m_note->hide();
    auto* hint = new QLabel(QCoreApplication::translate("za::app::CSetAlarmDlg", kSoundHint), Body());
    hint->setWordWrap(true);
    SetQuietText(hint);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(8);
    form->addRow(tr("When it is:"), m_time);
    form->addRow(tr("in:"), m_chooser);
    form->addRow(tr("On this day:"), m_date);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(12, 10, 12, 6);
    layout->setSpacing(6);
    layout->addWidget(Heading(tr("Alarm Time"), IDC_HEADING1, Body()));
    layout->addSpacing(2);
    layout->addLayout(form);
    layout->addWidget(m_note);
    layout->addSpacing(10);
    layout->addWidget(Heading(tr("Alarm Message"), IDC_HEADING2, Body()));
    layout->addSpacing(2);
    layout->addWidget(m_message);
    layout->addWidget(m_default);
    layout->addSpacing(6);
    layout->addWidget(hint);
    layout->addStretch(1);
    layout->addWidget(m_cityPlace);

    // The values: the alarm's time in its city, its message, and whether that is the default.
    const DATE cityLocal = m_alarm.GetCityLocalTime();
    const SYSTEMTIME st = ToSystemTime(cityLocal);
    m_time->setTime(QTime(st.wHour, st.wMinute));
    m_date->setDate(QDate(st.wYear, st.wMonth, st.wDay));
    m_message->setPlainText(m_alarm.Message());
    m_default->setChecked(m_alarm.Message() == m_alarm.DefaultMessage());

    connect(m_time, &QTimeEdit::timeChanged, this, [this] { OnTimeOrCityChanged(); });
    connect(m_date, &QDateEdit::dateChanged, this, [this] { OnTimeOrCityChanged(); });
    connect(m_chooser, &CCityDisplay::notify, this, [this](CityDisplayNotify& n) {
        if (n.code == CDN_CITYCHANGED) OnTimeOrCityChanged();
    });
    // toggled, not clicked: a screen reader's toggle action flips the box without a click.
    connect(m_default, &QCheckBox::toggled, this, [this] { OnDefaultMessageClicked(); });
    resize(400, 370);
}

BOOL CSetAlarmDlg::OnInitDialog() {
    m_message->setReadOnly(m_default->isChecked());
    QFont font;
    CreatePointFont(font, kTimeFontSize, QStringLiteral("Tahoma"));
    m_time->setFont(font);
    m_time->setDisplayFormat(TimePickerFormat());
    m_chooser->setMinimumHeight(m_chooser->PreferredHeight());
    // The Edit menu works on the message field only.
    if (QToolBar* bar = Frame().CommandBar()) {
        for (QToolButton* button : bar->findChildren<QToolButton*>()) {
            if (QMenu* menu = button->menu()) connect(menu, &QMenu::aboutToShow, this, [this] { UpdateEditMenu(); });
        }
    }
    return TRUE;
}

DATE CSetAlarmDlg::ReadControls() const {
    SYSTEMTIME day{};
    const QDate date = m_date->date();
    day.wYear = static_cast<WORD>(date.year());
    day.wMonth = static_cast<WORD>(date.month());
    day.wDay = static_cast<WORD>(date.day());
    DATE whole = 0;
    SystemTimeToVariantTime(&day, &whole);
    const QTime time = m_time->time();
    return za::AddSpan(whole, za::DateSpan(0, time.hour(), time.minute(), 0));
}

void CSetAlarmDlg::ShowNote(const QString& note) {
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

void CSetAlarmDlg::OnTimeOrCityChanged() {
    QString note;
    m_alarm.SetTimeAndCity(m_chooser->City(), ReadControls(), &note);
    ShowNote(note);
    // The default text of the new time and city, also when the alarm held the user's own text
    // before the box was checked.
    if (m_default->isChecked()) m_message->setPlainText(m_alarm.DefaultMessage());
}

void CSetAlarmDlg::OnDefaultMessageClicked() {
    m_alarm.SetTimeAndCity(m_chooser->City(), ReadControls());
    if (m_default->isChecked()) {
        m_message->setPlainText(m_alarm.DefaultMessage());
        m_message->setReadOnly(true);
    } else {
        m_message->setReadOnly(false);
    }
}

void CSetAlarmDlg::UpdateEditMenu() {
    if (m_message->hasFocus()) return;  // the frame's rules for the focused field hold
    for (QToolButton* button : Frame().CommandBar()->findChildren<QToolButton*>()) {
        if (QMenu* menu = button->menu()) {
            for (QAction* action : menu->actions()) action->setEnabled(false);
        }
    }
}

BOOL CSetAlarmDlg::OnCommand(UINT id) {
    switch (id) {
    case ID_EDIT_CLEAR:
    case ID_EDIT_COPY:
    case ID_EDIT_CUT:
    case ID_EDIT_PASTE:
    case ID_EDIT_SELECT_ALL:
    case ID_EDIT_UNDO:
        // Only on the message field, never on the pickers' own text.
        if (m_message->hasFocus()) Frame().OnEditCommand(id);
        return TRUE;
    default:
        return CBaseDialog::OnCommand(id);
    }
}

void CSetAlarmDlg::OnOK() {
    const DATE cityLocal = ReadControls();
    const CCity& city = m_chooser->City();
    if (CAlarm::IsInFuture(city, cityLocal)) {
        m_alarm.SetTimeAndCity(city, cityLocal);
        m_alarm.SetMessage(m_message->toPlainText());
        if (!m_alarm.Register()) {
            // A store that refused the write is not an alarm that expired.
            if (GetLastError() == ERROR_BADDB) {
                EZError(RefusedWriteText(), 0, MB_OK | MB_ICONSTOP);
            } else {
                EZError(IDS_ALARM_NOT_CREATED, 0, MB_OK | MB_ICONSTOP);
            }
            EndDialog(IDCANCEL);
            return;
        }
        EndDialog(IDOK);
        return;
    }
    if (za::shell::Current().MessageBox(AppString(IDS_ALARM_IN_PAST), za::ResourceCaption(),
                                        MB_OKCANCEL | MB_ICONEXCLAMATION) == IDCANCEL) {
        EndDialog(IDCANCEL);
    }
}

}  // namespace za::app
