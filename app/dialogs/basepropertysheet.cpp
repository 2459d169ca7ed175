#include "basepropertysheet.h"

#include "appstrings.h"
#include "resource.h"
#include "shell.h"
#include "stringtable.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace za::app {
namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 520;

}  // namespace

CPropertyPage::CPropertyPage(UINT templateId, const QString& helpRequest, UINT commandBarId,
                             const QString& pageTitle, QWidget* parent)
    : CPageBase(templateId, helpRequest, commandBarId, pageTitle, parent) {}

BOOL CPropertyPage::OnKillActive() { return TRUE; }

CBasePropertySheet::CBasePropertySheet(const QString& caption, QWidget* parent) : QDialog(parent) {
    setModal(true);
    setWindowTitle(caption);
    m_tabs = new QTabWidget(this);
    // The page tabs below the pages, as on the handheld, so each page's title band stays on top.
    m_tabs->setTabPosition(QTabWidget::South);
    m_tabs->setDocumentMode(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CBasePropertySheet::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CBasePropertySheet::reject);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabs, 1);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(6, 6, 10, 10);
    row->addStretch(1);
    row->addWidget(m_buttons);
    layout->addLayout(row);
    resize(kWidth, kHeight);
}

CBasePropertySheet::~CBasePropertySheet() = default;

void CBasePropertySheet::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (m_shown) return;
    m_shown = true;
    // The page's fields first, then the page tabs, then OK and Cancel.
    CPropertyPage* page = GetActivePage();
    ArrangeKeyboardFocus(this, page ? page->Body() : nullptr, m_buttons);
}

void CBasePropertySheet::AddPage(CPropertyPage* page) { m_tabs->addTab(page, page->PageTitle()); }

int CBasePropertySheet::GetPageCount() const { return m_tabs->count(); }

CPropertyPage* CBasePropertySheet::GetPage(int i) const { return static_cast<CPropertyPage*>(m_tabs->widget(i)); }

CPropertyPage* CBasePropertySheet::GetActivePage() const {
    return static_cast<CPropertyPage*>(m_tabs->currentWidget());
}

void CBasePropertySheet::SetActivePage(CPropertyPage* page) { m_tabs->setCurrentWidget(page); }

void CBasePropertySheet::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    for (int i = 0; i < GetPageCount(); ++i) GetPage(i)->UpdateTitle();
}

bool CBasePropertySheet::IsDirty() const {
    if (m_isNew) return true;
    for (int i = 0; i < GetPageCount(); ++i) {
        if (GetPage(i)->IsPageModified()) return true;
    }
    return false;
}

int CBasePropertySheet::DoModal() { return exec() == QDialog::Accepted ? IDOK : IDCANCEL; }

void CBasePropertySheet::accept() {
    if (!IsDirty()) {
        done(QDialog::Rejected);
        return;
    }
    const UINT question = m_isNew ? IDS_CREATE_CITY : IDS_SAVE_CHANGES;
    const int answer = za::shell::Current().MessageBox(FormatString(AppString(question), {Caption()}),
                                                       za::ResourceCaption(), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDNO) {
        done(QDialog::Rejected);
        return;
    }
    if (answer != IDYES) return;
    for (int i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* page = GetPage(i);
        if (!page->OnKillActive()) {
            SetActivePage(page);
            return;
        }
    }
    if (m_apply && !m_apply()) return;
    done(QDialog::Accepted);
}

bool CBasePropertySheet::event(QEvent* e) {
    // The system's help request goes to the page on show.
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->matches(QKeySequence::HelpContents)) {
        if (CPropertyPage* page = GetActivePage()) page->OnCommand(ID_HELP);
        return true;
    }
    return QDialog::event(e);
}

void AddFormRow(QFormLayout* form, const QString& label, QWidget* field) {
    auto* text = new QLabel(label, form->parentWidget());
    text->setBuddy(field);
    QString name = label;
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    field->setAccessibleName(name);
    form->addRow(text, field);
}

}  // namespace za::app
