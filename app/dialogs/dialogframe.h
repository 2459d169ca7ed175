// The look every full-screen dialog and property page shares: a page in the window colour, a
// title band with the title in bold highlight colour and a help button at its right end, a
// thin line under the band and under each section heading (controls 1018 and 1019), an
// optional command bar at the bottom, and the Edit menu's commands on the focused edit field.
// CDialogFrame does the work; CBaseDialog and CPageBase wire it into a dialog and a page.
#pragma once

#include "wintypes.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFont>
#include <QPointer>
#include <QString>

class QDialogButtonBox;
#include <QMenu>
class QPainter;
#include <QToolBar>
class QVBoxLayout;

namespace za::app {

// Section headings, by convention across all dialogs.
constexpr int IDC_HEADING1 = 1018;
constexpr int IDC_HEADING2 = 1019;
// The command bar with the Edit menu, and the dialogs' own bars.
constexpr UINT IDR_EDIT_BAR = 145;
constexpr UINT IDR_ALARMS_BAR = 151;
constexpr UINT IDR_CITIES_BAR = 163;

// A control's number within its dialog, as the dialog's resources give it.
void SetControlId(QWidget* control, int id);
int ControlId(const QWidget* control);
// The child of owner with that number, or null.
QWidget* GetDlgItem(const QWidget* owner, int id);

// The help button: its image, pressed or not, and nothing else.
class CHelpButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CHelpButton(QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
};

class CDialogFrame : public QObject {
    Q_OBJECT

public:
    // helpRequest: "file:Zonaria.htm#topic". commandBarId: IDR_*_BAR or 0.
    CDialogFrame(QWidget* owner, const QString& helpRequest, UINT commandBarId);
    ~CDialogFrame() override;

    // Dialog start: the command bar, the headings' bold font and the first layout.
    void OnInitDialog();
    // The command bar alone, ahead of the start, so the owner's layout can hold it.
    void CreateCommandBar();
    // After every size change: the title rectangle and the help button's place.
    void Layout();
    // The whole client area in the page colour.
    void Erase(QPainter& p) const;
    // The title, the line under the band and the lines under the headings.
    void Paint(QPainter& p) const;

    // The client area below the title band.
    QRect GetBodyRect() const;
    // The height that the title band takes from the top of the client area.
    int BandHeight() const;
    void SetTitleText(const QString& text);
    QString TitleText() const { return m_titleText; }
    QRect TitleRect() const { return m_titleRect; }
    QString HelpRequest() const { return m_helpRequest; }
    void ShowHelp() const;

    QToolBar* CommandBar() const { return m_commandBar; }
    CHelpButton* HelpButton() const { return m_helpButton; }

    // Enables the Edit menu's six items for the focused edit field.
    void UpdateEditMenu(QMenu* menu) const;
    // Whether an Edit command can run on the focused edit field now.
    bool IsEditCommandEnabled(UINT id) const;
    // Clear, Copy, Cut, Paste, Select All and Undo on the focused edit field; FALSE for any
    // other command or without one.
    BOOL OnEditCommand(UINT id);

signals:
    // A command of the command bar or the help button.
    void command(UINT id);

private:
    QWidget* m_owner;
    QString m_titleText;
    QRect m_titleRect;
    QFont m_titleFont;
    QFont m_headingFont;
    UINT m_commandBarId;
    QString m_helpRequest;
    QPointer<QToolBar> m_commandBar;
    QPointer<CHelpButton> m_helpButton;
    QPointer<QMenu> m_editMenu;
};

// A modal dialog with the shared frame. Derived dialogs put their controls in Body() (the area
// below the band) and override OnInitDialog, OnOK, OnCancel and OnCommand as they need.
class CBaseDialog : public QDialog {
    Q_OBJECT

public:
    CBaseDialog(UINT templateId, const QString& helpRequest, UINT commandBarId, QWidget* parent);
    ~CBaseDialog() override;

    UINT TemplateId() const { return m_templateId; }
    CDialogFrame& Frame() { return m_frame; }
    QWidget* Body() const { return m_body; }
    QDialogButtonBox* Buttons() const { return m_buttons; }
    // Runs the dialog; IDOK or IDCANCEL.
    int DoModal();

    // The dialog's command handling: help and the Edit commands here; derived dialogs take
    // theirs first and pass the rest on. TRUE when handled.
    virtual BOOL OnCommand(UINT id);

public slots:
    void accept() override;
    void reject() override;

protected:
    // Runs once, before the dialog is first shown. TRUE.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // End the dialog without running OnOK or OnCancel again.
    void EndDialog(int result);

    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;

private:
    UINT m_templateId;
    CDialogFrame m_frame;
    QWidget* m_body;
    QDialogButtonBox* m_buttons;
    bool m_started = false;
};

// A property page with the shared frame. Its title is the sheet's title, " - ", and the
// page's own title.
class CPageBase : public QWidget {
    Q_OBJECT

public:
    CPageBase(UINT templateId, const QString& helpRequest, UINT commandBarId, const QString& pageTitle,
              QWidget* parent = nullptr);
    ~CPageBase() override;

    UINT TemplateId() const { return m_templateId; }
    CDialogFrame& Frame() { return m_frame; }
    QWidget* Body() const { return m_body; }
    QString PageTitle() const { return m_pageTitle; }

    // Marks the page changed (or not) and tells the sheet.
    void SetPageModified(bool modified = true);
    bool IsPageModified() const { return m_modified; }

    virtual BOOL OnCommand(UINT id);
    // Called once, when the page is first shown.
    virtual BOOL OnInitDialog();
    // Takes the sheet's title again into the title band (after the sheet's caption changed).
    void UpdateTitle();

signals:
    void pageModified(bool modified);

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;

private:
    UINT m_templateId;
    QString m_pageTitle;
    CDialogFrame m_frame;
    QWidget* m_body;
    bool m_modified = false;
    bool m_started = false;
};

}  // namespace za::app
