#include "settimedlg.h"

#include "appstrings.h"
#include "clock.h"
#include "fonts.h"
#include "localetext.h"
#include "resource.h"
#include "shell.h"
#include "sntp.h"
#include "stringtable.h"
#include "timeservice.h"
#include "timezone.h"
#include "udpsocket.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>
#include <system_error>
#include <thread>

namespace za::app {
namespace {

// The pickers' font: 10 points.
constexpr int kPickerPointSize = 100;
// The fields sit indented under their headings.
constexpr int kIndent = 12;
constexpr int kSpacing = 10;

// The locale's time format with its seconds (the picker ticks by the second), without a zone.
QString PickerTimeFormat(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            int end = format.indexOf(QLatin1Char('\''), i + 1);
            if (end < 0) end = format.size() - 1;
            out += format.mid(i, end - i + 1);
            i = end;
        } else if (c != QLatin1Char('t')) {
            out += c;
        }
    }
    out = out.trimmed();
    if (!out.contains(QLatin1Char('s'))) {
        const int minutes = out.lastIndexOf(QLatin1String("mm"));
        if (minutes >= 0) out.insert(minutes + 2, QLatin1String(":ss"));
    }
    return out;
}

// The locale's short date with the year written out: two digits are ambiguous in a field
// the user types into.
QString PickerDateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    const int year = format.indexOf(QLatin1Char('y'));
    if (year >= 0) {
        int end = year;
        while (end < format.size() && format.at(end) == QLatin1Char('y')) ++end;
        format.replace(year, end - year, QLatin1String("yyyy"));
    }
    return format;
}

QTime TimeOf(const SYSTEMTIME& st) { return QTime(st.wHour, st.wMinute, st.wSecond); }
QDate DateOf(const SYSTEMTIME& st) { return QDate(st.wYear, st.wMonth, st.wDay); }

// A field label that names the control for the keyboard and for a screen reader.
QLabel* FieldLabel(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    QString name = text;
    field->setAccessibleName(name.remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    // An editable list's typing field is a control of its own to a screen reader.
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit()) combo->lineEdit()->setAccessibleName(name);
    return label;
}

}  // namespace

CSetTimeDlg::CSetTimeDlg(QWidget* parent)
    : CBaseDialog(IDD_SET_TIME, QString::fromLatin1(kHelpPrefix) + QStringLiteral("set_time"), 0, parent),
      m_port(kSntpPort),
      m_timeoutMs(kSntpTimeoutMs) {
    setWindowTitle(tr("Set Time"));
    setObjectName(QStringLiteral("dialog%1").arg(IDD_SET_TIME));
    const QLocale locale = za::locale::UserLocale();

    auto* timeHeading = new QLabel(tr("Time and Date Settings"), Body());
    SetControlId(timeHeading, IDC_HEADING1);
    m_time = new QTimeEdit(Body());
    m_time->setLayoutDirection(Qt::LeftToRight);  // hours first, among right-to-left texts too
    SetControlId(m_time, IDC_TIME_PICKER);
    m_time->setLocale(locale);
    m_time->setDisplayFormat(PickerTimeFormat(locale));
    m_time->setWrapping(true);
    m_date = new QDateEdit(Body());
    SetControlId(m_date, IDC_DATE_PICKER);
    m_date->setLocale(locale);
    m_date->setDisplayFormat(PickerDateFormat(locale));
    m_date->setCalendarPopup(true);
    for (QDateTimeEdit* picker : {static_cast<QDateTimeEdit*>(m_time), static_cast<QDateTimeEdit*>(m_date)}) {
        picker->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

    auto* syncHeading = new QLabel(tr("Synchronize to Internet Time"), Body());
    SetControlId(syncHeading, IDC_HEADING2);
    m_server = new QComboBox(Body());
    SetControlId(m_server, IDC_SNTP_SERVER);
    m_server->setEditable(true);
    m_server->setInsertPolicy(QComboBox::NoInsert);
    for (const char* name : kSntpServers) m_server->addItem(QString::fromLatin1(name));
    m_sync = new QPushButton(tr("Sync"), Body());
    SetControlId(m_sync, IDC_SYNC);
    // Worded for a mouse and a computer, as the handheld's was for its stylus and itself.
    auto* note = new QLabel(tr("Select an SNTP time server from the list, or type one in.  Then click the "
                               "'Sync' button to synchronize the computer's time to the server."),
                            Body());
    note->setWordWrap(true);
    m_ntpState = new QLabel(Body());
    m_ntpState->setWordWrap(true);
    m_ntpState->setObjectName(QStringLiteral("automaticTimeState"));
    m_ntp = new QCheckBox(AppString(IDS_NTP_CHECKBOX), Body());
    m_ntp->setObjectName(QStringLiteral("automaticTime"));
    m_ntp->setAccessibleName(AppString(IDS_NTP_CHECKBOX));

    LayOut(timeHeading, syncHeading, note);

    // The pickers, then the server, then the dialog's own buttons.
    setTabOrder(m_time, m_date);
    setTabOrder(m_date, m_server);
    setTabOrder(m_server, m_sync);
    setTabOrder(m_sync, Buttons());

    // Changes the timers make come while the picker does not have the focus; only the user's
    // own edits count.
    connect(m_time, &QTimeEdit::timeChanged, this, [this] {
        if (m_time->hasFocus()) m_modified = true;
    });
    connect(m_date, &QDateEdit::dateChanged, this, [this] {
        if (m_date->hasFocus()) m_modified = true;
    });
    // Closing the drop-down calendar counts as a change whatever has the focus.
    m_calendarPopup = m_date->calendarWidget()->window();
    m_calendarPopup->installEventFilter(this);
    connect(m_sync, &QPushButton::clicked, this, &CSetTimeDlg::OnSync);
    connect(m_ntp, &QCheckBox::clicked, this, &CSetTimeDlg::OnAutomaticTime);
    ShowAutomaticTime();

    m_timeTick.setInterval(kTimeTickMs);
    m_dateTick.setInterval(kDateTickMs);
    connect(&m_timeTick, &QTimer::timeout, this, [this] { OnTimer(IDT_TIME_TICK); });
    connect(&m_dateTick, &QTimer::timeout, this, [this] { OnTimer(IDT_DATE_TICK); });

    ShowCurrentTime();
    resize(420, 300);
}

CSetTimeDlg::~CSetTimeDlg() = default;

void CSetTimeDlg::LayOut(QLabel* timeHeading, QLabel* syncHeading, QLabel* note) {
    QLabel* timeLabel = FieldLabel(tr("&Time:"), m_time, Body());
    QLabel* dateLabel = FieldLabel(tr("&Date:"), m_date, Body());
    QLabel* serverLabel = FieldLabel(tr("&Server:"), m_server, Body());
    // The labels of both sections in one column.
    int labelWidth = 0;
    for (QLabel* label : {timeLabel, dateLabel, serverLabel}) labelWidth = std::max(labelWidth, label->sizeHint().width());
    for (QLabel* label : {timeLabel, dateLabel, serverLabel}) label->setMinimumWidth(labelWidth);

    auto* pickers = new QGridLayout;
    pickers->setContentsMargins(kIndent, 0, 0, 0);
    pickers->setHorizontalSpacing(kSpacing);
    pickers->addWidget(timeLabel, 0, 0);
    pickers->addWidget(m_time, 0, 1);
    pickers->addWidget(dateLabel, 1, 0);
    pickers->addWidget(m_date, 1, 1);
    pickers->setColumnStretch(2, 1);
    auto* server = new QHBoxLayout;
    server->setContentsMargins(kIndent, 0, 0, 0);
    server->setSpacing(kSpacing);
    server->addWidget(serverLabel);
    server->addWidget(m_server, 1);
    server->addWidget(m_sync);
    note->setContentsMargins(kIndent, 0, 0, 0);

    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(10, 10, 10, 4);
    layout->setSpacing(8);
    layout->addWidget(timeHeading);
    layout->addLayout(pickers);
    layout->addSpacing(14);
    layout->addWidget(syncHeading);
    layout->addLayout(server);
    layout->addWidget(note);
    auto* automatic = new QVBoxLayout;
    automatic->setContentsMargins(kIndent, 0, 0, 0);
    automatic->addWidget(m_ntpState);
    automatic->addWidget(m_ntp);
    layout->addLayout(automatic);
    layout->addStretch(1);
}

BOOL CSetTimeDlg::OnInitDialog() {
    m_server->setCurrentIndex(0);
    QFont pickerFont;
    CreatePointFont(pickerFont, kPickerPointSize, QStringLiteral("Tahoma"));
    m_time->setFont(pickerFont);
    m_date->setFont(pickerFont);
    const int pickerWidth = std::max(m_time->sizeHint().width(), m_date->sizeHint().width());
    m_time->setMinimumWidth(pickerWidth);
    m_date->setMinimumWidth(pickerWidth);
    m_dateTick.start();
    m_timeTick.start();
    // A picker with the focus stops following the clock, so the dialog opens with the focus
    // on the server instead.
    m_server->setFocus();
    return TRUE;
}

void CSetTimeDlg::OnTimer(int id) {
    if (m_modified) return;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    if (id == IDT_TIME_TICK && !m_time->hasFocus()) m_time->setTime(TimeOf(now));
    if (id == IDT_DATE_TICK && !m_date->hasFocus()) m_date->setDate(DateOf(now));
}

void CSetTimeDlg::ShowCurrentTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    m_time->setTime(TimeOf(now));
    m_date->setDate(DateOf(now));
}

bool CSetTimeDlg::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Hide && watched == m_calendarPopup) m_modified = true;
    return CBaseDialog::eventFilter(watched, e);
}

namespace {

// An offset of more than a day for the user, rounded to its largest unit: "41 years",
// "3 days".
QString Span(double seconds) {
    constexpr double kYear = 365.25 * 86400;
    const double s = std::fabs(seconds);
    // The count in a variable of its own: lupdate reads no cast in a translate() call.
    if (s >= kYear) {
        const int years = static_cast<int>(std::llround(s / kYear));
        return QCoreApplication::translate("za::app::CSetTimeDlg", "%n years", nullptr, years);
    }
    const int days = static_cast<int>(std::llround(s / 86400));
    return QCoreApplication::translate("za::app::CSetTimeDlg", "%n days", nullptr, days);
}

}  // namespace

void CSetTimeDlg::OnSync() {
    if (m_syncing) return;
    const QString server = m_server->currentText().trimmed();
    BOOL ok = FALSE;
    bool computerRefused = false;
    SntpFailure failure = SntpFailure::None;
    DWORD error = 0;
    {
        za::shell::WaitCursor wait;
        SntpExchange exchange;
        SetSyncing(true);
        const BOOL answered = RunExchange(server, exchange, &failure, &error);
        SetSyncing(false);
        if (answered && !MayClockBeSet()) return;
        // A clock more than a day away is far more likely a wrong or forged reply: the user
        // says whether to take it.
        if (answered && SntpOffsetNeedsConfirmation(exchange.offset) &&
            za::shell::Current().MessageBox(FormatString(AppString(IDS_SYNC_FAR_OFFSET), {Span(exchange.offset)}),
                                            za::ResourceCaption(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
            return;
        }
        ok = answered && SetSystemTimeByOffset(exchange.offset);
        computerRefused = answered && !ok && !za::device::LastClockError().isEmpty();
    }
    ShowAutomaticTime();
    if (computerRefused) {
        za::shell::Current().MessageBox(FormatString(AppString(IDS_CLOCK_REFUSED), {za::device::LastClockError()}),
                                        za::ResourceCaption(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!ok) {
        // A name that does not exist is the user's to correct; anything else may be the network.
        const bool noSuchName = failure == SntpFailure::Connect && (error == WSAHOST_NOT_FOUND || error == WSANO_DATA);
        za::shell::Current().MessageBox(noSuchName ? FormatString(AppString(IDS_SYNC_NO_SUCH_SERVER), {server})
                                                   : AppString(IDS_SYNC_FAILED),
                                        za::ResourceCaption(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ShowCurrentTime();
    za::shell::Current().MessageBox(AppString(IDS_SYNC_DONE), za::ResourceCaption(), MB_OK | MB_ICONINFORMATION);
    m_modified = false;
}

BOOL CSetTimeDlg::RunExchange(const QString& server, SntpExchange& exchange, SntpFailure* failure, DWORD* error) {
    // What the worker touches: its own client and outcome, never the dialog or the profile.
    // The clock it reads is the device clock's offset taken here, on the profile's thread.
    struct Work {
        CSntpClient client;
        SntpExchange exchange;
        BOOL ok = FALSE;
    };
    auto work = std::make_shared<Work>();
    work->client.SetTimeout(m_timeoutMs);
    work->client.SetClock(za::device::DetachedSystemTime());
    const unsigned short port = m_port;

    QEventLoop loop;
    std::thread worker;
    try {
        worker = std::thread([work, server, port, &loop] {
            work->ok = work->client.Query(server, work->exchange, port);
            // Queued: the loop quits when it runs this, even if it has not started yet.
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        return FALSE;  // no thread to be had: the exchange did not happen
    }
    loop.exec();
    // The loop also ends early when the application quits; the worker ends within the time-out.
    worker.join();
    if (work->ok) exchange = work->exchange;
    if (failure) *failure = work->client.Failure();
    if (error) *error = work->client.LastError();
    return work->ok;
}

void CSetTimeDlg::SetSyncing(bool syncing) {
    m_syncing = syncing;
    m_sync->setEnabled(!syncing);
    m_server->setEnabled(!syncing);
    Buttons()->setEnabled(!syncing);
    if (!syncing) m_sync->setFocus();
}

void CSetTimeDlg::OnOK() {
    if (m_syncing) return;
    if (!m_modified) {
        EndDialog(IDCANCEL);
        return;
    }
    switch (za::shell::Current().MessageBox(AppString(IDS_SAVE_TIME), za::ResourceCaption(),
                                            MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        // The computer may keep its clock itself and the user keep it so: the dialog stays.
        if (!MayClockBeSet()) break;
        // As on the handheld, the private device's clock that cannot be set is not reported
        // here; the computer's refusal is.
        if (!Apply() && za::device::Kind() == za::device::DeviceKind::Computer) {
            za::shell::Current().MessageBox(FormatString(AppString(IDS_CLOCK_REFUSED), {za::device::LastClockError()}),
                                            za::ResourceCaption(), MB_OK | MB_ICONEXCLAMATION);
            ShowAutomaticTime();
            break;
        }
        EndDialog(IDOK);
        break;
    case IDNO:
        EndDialog(IDCANCEL);
        break;
    default:
        break;  // Cancel: the dialog stays open
    }
}

void CSetTimeDlg::OnCancel() {
    if (m_syncing) return;
    CBaseDialog::OnCancel();
}

BOOL CSetTimeDlg::Apply() {
    const QDate date = m_date->date();
    const QTime time = m_time->time();
    SYSTEMTIME local{};
    local.wYear = static_cast<WORD>(date.year());
    local.wMonth = static_cast<WORD>(date.month());
    local.wDay = static_cast<WORD>(date.day());
    local.wDayOfWeek = static_cast<WORD>(date.dayOfWeek() % 7);
    local.wHour = static_cast<WORD>(time.hour());
    local.wMinute = static_cast<WORD>(time.minute());
    local.wSecond = static_cast<WORD>(time.second());
    SYSTEMTIME utc{};
    SystemLocalTimeToUTCTime(local, utc);
    return SetSystemTimeAndDST(utc);
}

bool CSetTimeDlg::MayClockBeSet() {
    if (za::device::Kind() != za::device::DeviceKind::Computer) return true;
    const za::device::TimeServiceState service = za::device::TimeService();
    if (!service.answers || !service.ntp) return true;
    if (za::shell::Current().MessageBox(AppString(IDS_NTP_ON_SET_BY_HAND), za::ResourceCaption(),
                                        MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return false;
    }
    QString error;
    const bool off = za::device::SetComputerNtp(false, &error);
    ShowAutomaticTime();
    if (!off) {
        za::shell::Current().MessageBox(FormatString(AppString(IDS_NTP_REFUSED), {error}), za::ResourceCaption(),
                                        MB_OK | MB_ICONEXCLAMATION);
    }
    return off;
}

void CSetTimeDlg::ShowAutomaticTime() {
    const bool computer = za::device::Kind() == za::device::DeviceKind::Computer;
    const za::device::TimeServiceState service = computer ? za::device::TimeService() : za::device::TimeServiceState{};
    const bool shown = computer && service.answers;
    m_ntpState->setVisible(shown);
    m_ntp->setVisible(shown && service.canNtp);
    if (!shown) return;
    const UINT state = !service.ntp ? IDS_NTP_STATE_OFF
                       : service.ntpSynchronized ? IDS_NTP_STATE_SYNCHRONIZED
                                                 : IDS_NTP_STATE_UNSYNCHRONIZED;
    m_ntpState->setText(AppString(state));
    m_ntp->setChecked(service.ntp);
}

void CSetTimeDlg::OnAutomaticTime(bool on) {
    QString error;
    if (!za::device::SetComputerNtp(on, &error)) {
        za::shell::Current().MessageBox(FormatString(AppString(IDS_NTP_REFUSED), {error}), za::ResourceCaption(),
                                        MB_OK | MB_ICONEXCLAMATION);
    }
    ShowAutomaticTime();
}

}  // namespace za::app
