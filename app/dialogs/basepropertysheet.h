// A property sheet of framed pages, one shown at a time, with OK and Cancel. OK asks before it
// stores anything: a sheet with changes (or for a city that does not exist yet) asks whether
// to save them, and only a Yes lets each page check and store its fields and the sheet's
// apply step save them; a page or an apply step that refuses keeps the sheet open.
#pragma once

#include "dialogframe.h"

#include <functional>

class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QTabWidget;

namespace za::app {

// A page of the sheet: a framed page that checks and stores its fields when the sheet's OK
// goes ahead.
class CPropertyPage : public CPageBase {
    Q_OBJECT

public:
    CPropertyPage(UINT templateId, const QString& helpRequest, UINT commandBarId, const QString& pageTitle,
                  QWidget* parent = nullptr);

    // Reads and checks the fields; FALSE (after telling the user) keeps the sheet open on
    // this page.
    virtual BOOL OnKillActive();
};

class CBasePropertySheet : public QDialog {
    Q_OBJECT

public:
    CBasePropertySheet(const QString& caption, QWidget* parent);
    ~CBasePropertySheet() override;

    // The sheet takes the page.
    void AddPage(CPropertyPage* page);
    int GetPageCount() const;
    CPropertyPage* GetPage(int i) const;
    CPropertyPage* GetActivePage() const;
    void SetActivePage(CPropertyPage* page);

    // Set for a city that is not in the database yet.
    void SetNewCity(bool isNew) { m_isNew = isNew; }
    QString Caption() const { return windowTitle(); }
    // The window title and every page's title band.
    void SetCaption(const QString& caption);
    // New, or any page modified.
    bool IsDirty() const;
    // The last step of a confirmed OK, after every page stored its fields; FALSE keeps the
    // sheet open (the step has told the user why).
    void SetApply(std::function<BOOL()> apply) { m_apply = std::move(apply); }

    QDialogButtonBox* Buttons() const { return m_buttons; }
    // IDOK or IDCANCEL.
    int DoModal();

public slots:
    void accept() override;

protected:
    bool event(QEvent* e) override;

private:
    QTabWidget* m_tabs;
    QDialogButtonBox* m_buttons;
    bool m_isNew = false;
    std::function<BOOL()> m_apply;
};

// Adds a labelled field to a form: the label is the field's buddy, and its text without the
// colon the field's accessible name.
void AddFormRow(QFormLayout* form, const QString& label, QWidget* field);

}  // namespace za::app
