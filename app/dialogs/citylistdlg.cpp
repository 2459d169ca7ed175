#include "citylistdlg.h"

#include "resource.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>

namespace za::app {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 540;
constexpr int kMinimumColumns = 30;  // characters
constexpr int kMinimumRows = 8;       // text lines, the heading's included

}  // namespace

CCityListDlg::CCityListDlg(UINT templateId, const QString& title, const char* topic, UINT commandBarId, CLMODE mode,
                           QWidget* parent, std::unique_ptr<CCityRowSource> source)
    : CBaseDialog(templateId, QString::fromLatin1(kHelpPrefix) + QString::fromLatin1(topic), commandBarId, parent) {
    setWindowTitle(title);
    // Changes are made at once; there is nothing to cancel.
    Buttons()->setStandardButtons(QDialogButtonBox::Ok);
    m_list = new CCityListCtrl(mode, Body(), std::move(source));
    m_list->setAccessibleName(title);
    m_search = new QLineEdit(Body());
    m_search->setPlaceholderText(tr("Search by city, country or code"));
    m_search->setAccessibleName(tr("Search cities"));
    m_search->setClearButtonEnabled(true);
    m_search->installEventFilter(this);
    connect(m_search, &QLineEdit::textChanged, m_list, &CCityListCtrl::SetSearchText);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, m_search, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });

    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(8, 8, 8, 4);
    layout->setSpacing(6);
    layout->addWidget(m_search);
    layout->addWidget(m_list, 1);
    // Never so small that the two columns and the title are cut to a few letters: room for a
    // city and its country or code side by side, and a handful of rows.
    const QFontMetrics metrics = m_list->fontMetrics();
    m_list->setMinimumSize(metrics.averageCharWidth() * kMinimumColumns, metrics.height() * kMinimumRows);
    // The list comes first when tabbing, as it has the focus first.
    setTabOrder(m_list, m_search);
    resize(kWidth, kHeight);
}

CCityListDlg::~CCityListDlg() = default;

BOOL CCityListDlg::OnInitDialog() {
    m_list->Create(IDC_CITY_LIST);
    m_list->setFocus();
    return TRUE;
}

void CCityListDlg::focusInEvent(QFocusEvent* e) {
    CBaseDialog::focusInEvent(e);
    m_list->setFocus();
}

bool CCityListDlg::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_search && e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        switch (key->key()) {
        case Qt::Key_Down:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // From the search to its hits; Enter must not close the dialog from here.
            m_list->setFocus();
            return true;
        case Qt::Key_Escape:
            if (!m_search->text().isEmpty()) {
                m_search->clear();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return CBaseDialog::eventFilter(watched, e);
}

CPhoneCodesDlg::CPhoneCodesDlg(QWidget* parent, std::unique_ptr<CCityRowSource> source)
    : CCityListDlg(IDD_PHONE_CODES, tr("Phone Codes"), "phone_codes", 0, CLMODE_PHONE, parent,
                   std::move(source)) {}

CAirportCodesDlg::CAirportCodesDlg(QWidget* parent, std::unique_ptr<CCityRowSource> source)
    : CCityListDlg(IDD_AIRPORT_CODES, tr("Airport Codes"), "airport_codes", 0, CLMODE_AIRPORT, parent,
                   std::move(source)) {}

}  // namespace za::app
