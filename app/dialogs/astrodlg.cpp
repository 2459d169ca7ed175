#include "astrodlg.h"

#include "clock.h"
#include "localetext.h"
#include "resource.h"
#include "toolfields.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace za::app {

// The chooser is centred under the date picker, half as wide as the heading.
CAstroDlg::CAstroDlg(UINT templateId, const char* topic, const QString& title, const QString& heading,
                     const QString& labels, const CCity& city, QWidget* parent, CHost& host)
    : CBaseDialog(templateId, QString::fromLatin1(kHelpPrefix) + QString::fromLatin1(topic), 0, parent),
      m_openedAt(host.Now()) {
    setWindowTitle(title);
    QWidget* body = Body();
    const QLocale locale = za::locale::UserLocale();

    auto* first = new QLabel(tr("Choose a City and a Date"), body);
    SetControlId(first, IDC_HEADING1);
    m_date = new CWallClockEdit(body);
    SetControlId(m_date, IDC_ASTRO_DATE);
    m_date->setLocale(locale);
    m_date->setDisplayFormat(PickerDateFormat(locale, true));
    m_date->setCalendarPopup(true);
    m_date->setAccessibleName(tr("Date"));
    m_city = new CCityDisplay(body, host);
    m_city->SetCity(city);
    m_city->Create(CDS_CHOOSER, IDC_ASTRO_CITY);

    auto* second = new QLabel(heading, body);
    SetControlId(second, IDC_HEADING2);
    m_labels = new QLabel(labels, body);
    SetControlId(m_labels, IDC_ASTRO_LABELS);
    m_labels->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_values = new QLabel(body);
    SetControlId(m_values, IDC_ASTRO_VALUES);
    m_values->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_values->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* choice = new QGridLayout;
    choice->setContentsMargins(0, 0, 0, 0);
    choice->setVerticalSpacing(5);
    choice->setColumnStretch(0, 1);
    choice->setColumnStretch(1, 2);
    choice->setColumnStretch(2, 1);
    choice->addWidget(m_date, 0, 0, 1, 3, Qt::AlignHCenter);
    choice->addWidget(m_city, 1, 1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addStretch(1);
    columns->addWidget(m_labels);
    columns->addWidget(m_values);
    columns->addStretch(1);
    m_results = new QVBoxLayout;
    m_results->setSpacing(12);
    m_results->addLayout(columns);

    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(10, 8, 10, 16);
    layout->setSpacing(0);
    layout->addWidget(first);
    layout->addSpacing(10);
    layout->addLayout(choice);
    layout->addSpacing(16);
    layout->addWidget(second);
    layout->addSpacing(10);
    layout->addLayout(m_results);
    layout->addStretch(1);

    // The results grow when the twilight lines come in: the window grows with them.
    QDialog::layout()->setSizeConstraint(QLayout::SetMinimumSize);
    resize(420, sizeHint().height());

    connect(m_date, &QDateTimeEdit::dateTimeChanged, this, [this] { Refresh(); });
    connect(m_city, &CCityDisplay::notify, this, [this](CityDisplayNotify& n) {
        if (n.code == CDN_CITYCHANGED) Refresh();
    });
}

CAstroDlg::~CAstroDlg() = default;

BOOL CAstroDlg::OnInitDialog() {
    // The city's local date and time now.
    SYSTEMTIME local{};
    m_city->City().TimeZone().UTCTimeToLocalTime(m_openedAt, local);
    const QSignalBlocker quiet(m_date);
    m_date->SetValue(local);
    Refresh();
    return TRUE;
}

void CAstroDlg::ShowColumns(const QString& labels, const QString& values) {
    m_labels->setText(labels);
    ShowResult(m_values, labels, values);
    m_labels->update();
    m_values->update();
}

}  // namespace za::app
