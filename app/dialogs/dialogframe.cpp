#include "dialogframe.h"

#include "contrast.h"
#include "fonts.h"
#include "images.h"
#include "resource.h"
#include "shell.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace za::app {
namespace {

const char* const kControlIdProperty = "zonariaControlId";

// The help button sits 4 pixels from the right edge; the title 4 from the left.
constexpr int kTitleIndent = 4;
constexpr int kBandExtra = 12;
constexpr int kHelpButtonMargin = 4;
constexpr int kHelpImage = 16;
// The title font: 8.5 points, bold.
constexpr int kTitlePointSize = 85;

struct BarItem {
    UINT id;
    const char* text;     // the button's own text (its accessible name)
    const char* toolTip;  // null: none
    const char* themeIcon;    // null: a text button
    QStyle::StandardPixmap fallback;
    // The keyboard's way to the command, which the handheld's stylus did not need.
    QKeySequence::StandardKey key;
};

// The command bars of the dialogs: the alarms' (151) and the cities' (163). The Edit bar (145)
// is a single drop-down menu built below.
const BarItem kAlarmsBar[] = {
    {32807, QT_TRANSLATE_NOOP("za::app::CDialogFrame", "New"),
     QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Create new alarm"), nullptr, QStyle::SP_CustomBase, QKeySequence::New},
    {32810, QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Properties"),
     QT_TRANSLATE_NOOP("za::app::CDialogFrame", "View or edit alarm properties"), "document-properties", QStyle::SP_FileDialogInfoView,
     QKeySequence::UnknownKey},
    {32800, QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Delete"),
     QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Delete the selected alarm"), "edit-delete", QStyle::SP_TrashIcon, QKeySequence::UnknownKey},
};
const BarItem kCitiesBar[] = {
    {32828, QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Copy"),
     QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Create a copy of the selected city"), nullptr, QStyle::SP_CustomBase, QKeySequence::New},
    {32810, QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Edit"),
     QT_TRANSLATE_NOOP("za::app::CDialogFrame", "View or edit city properties"), "document-properties", QStyle::SP_FileDialogInfoView,
     QKeySequence::UnknownKey},
    {32800, QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Delete"),
     QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Delete the selected city"), "edit-delete", QStyle::SP_TrashIcon, QKeySequence::UnknownKey},
};

struct EditItem {
    UINT id;
    const char* text;
};
// Menu 145.
const EditItem kEditMenu[] = {
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Undo")},   {ID_EDIT_CUT, QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Cut")},     {ID_EDIT_COPY, QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Copy")},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Paste")}, {ID_EDIT_CLEAR, QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Clear")}, {ID_EDIT_SELECT_ALL, QT_TRANSLATE_NOOP("za::app::CDialogFrame", "Select All")},
};

// The focused field of owner's window when it is an edit field (one line or several).
QWidget* FocusedEdit(const QWidget* owner) {
    QWidget* focus = owner->window()->focusWidget();
    if (qobject_cast<QLineEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus)) return focus;
    return nullptr;
}

bool ClipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

// The colour of the lines: the desktop's dark shadow.
QColor LineColour(const QWidget* owner) { return owner->palette().color(QPalette::Shadow); }

}  // namespace

void SetControlId(QWidget* control, int id) {
    if (control) control->setProperty(kControlIdProperty, id);
}

int ControlId(const QWidget* control) {
    const QVariant id = control ? control->property(kControlIdProperty) : QVariant();
    return id.isValid() ? id.toInt() : 0;
}

QWidget* GetDlgItem(const QWidget* owner, int id) {
    if (!owner) return nullptr;
    const QList<QWidget*> children = owner->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (ControlId(child) == id) return child;
    }
    return nullptr;
}

CHelpButton::CHelpButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Help"));
    setAccessibleName(tr("Help"));
    setFixedSize(sizeHint());
}

QSize CHelpButton::sizeHint() const { return QSize(kHelpImage, kHelpImage); }

void CHelpButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(rect(), HelpButtonImage(isDown()));
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

namespace {

// A list box (combo box) as a screen reader should meet it: named by its label. Qt's own
// interface gives it the selected entry as its name on Linux, expecting the reader to find the
// label by relation, so "Twilight", "Units" and the rest were read as "Civil Twilight",
// "Miles"... The entry stays its value; the list and the typing field stay its children.
class NamedComboAccessible : public QAccessibleWidget {
public:
    explicit NamedComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }

    int childCount() const override { return Combo()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0 && Combo()->view()) return QAccessible::queryAccessibleInterface(Combo()->view());
        if (index == 1 && Combo()->isEditable()) return QAccessible::queryAccessibleInterface(Combo()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == Combo()->view()) return 0;
        if (Combo()->isEditable() && child->object() == Combo()->lineEdit()) return 1;
        return -1;
    }
    QAccessibleInterface* focusChild() const override { return Combo()->isEditable() ? child(1) : nullptr; }

    QString text(QAccessible::Text t) const override {
        const QString value = Combo()->isEditable() ? Combo()->lineEdit()->text() : Combo()->currentText();
        switch (t) {
        case QAccessible::Name: {
            const QString name = Combo()->accessibleName();
            return name.isEmpty() ? value : name;
        }
        case QAccessible::Value: return value;
        default: return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = Combo()->view() && Combo()->view()->isVisible();
        s.collapsed = !s.expanded;
        s.editable = Combo()->isEditable();
        return s;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& name) override {
        if (name != showMenuAction() && name != pressAction()) return;
        if (Combo()->view() && Combo()->view()->isVisible()) {
            Combo()->hidePopup();
        } else {
            Combo()->showPopup();
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == showMenuAction()) return {QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText)};
        return {};
    }
};

QAccessibleInterface* NamedComboFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("QComboBox") && object && object->isWidgetType()) {
        return new NamedComboAccessible(static_cast<QComboBox*>(object));
    }
    return nullptr;
}

}  // namespace

void SetQuietText(QWidget* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     za::ReadableOn(palette.color(QPalette::PlaceholderText), palette.color(QPalette::Base)));
    label->setPalette(palette);
}

void InstallAccessibleNames() {
    static const bool installed = [] {
        QAccessible::installFactory(NamedComboFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void ArrangeKeyboardFocus(QWidget* dialog, QWidget* area, QDialogButtonBox* buttons) {
    auto takesTab = [dialog](QWidget* w) {
        return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(dialog) && !w->focusProxy();
    };
    if (buttons) {
        // Qt makes the box a focus proxy of its default button, and the box stands in the Tab
        // chain where it was made: Tab reaching it jumped to that button, and the fields after
        // it (a list below a command bar) were never reached again. Its buttons are ordered
        // below; the box itself takes no part.
        buttons->setFocusProxy(nullptr);
        // The row at the bottom comes after the fields: the command bar's buttons, then the
        // dialog's own, as they stand from left to right.
        QWidget* last = nullptr;
        QList<QWidget*> row;
        for (QWidget* w = dialog->nextInFocusChain(); w && w != dialog; w = w->nextInFocusChain()) {
            if (!dialog->isAncestorOf(w) || buttons->isAncestorOf(w) || !takesTab(w)) continue;
            if (qobject_cast<QToolBar*>(w->parentWidget())) {
                row << w;
            } else {
                last = w;
            }
        }
        for (QAbstractButton* button : buttons->buttons()) row << button;
        for (QWidget* w : row) {
            if (!last) break;
            QWidget::setTabOrder(last, w);
            last = w;
        }
    }
    QWidget* focus = dialog->focusWidget();
    const bool chosen = focus && focus != dialog && !(buttons && buttons->isAncestorOf(focus)) &&
                        !qobject_cast<QTabBar*>(focus);
    if (chosen || !area) return;
    for (QWidget* w = area->nextInFocusChain(); w && w != area; w = w->nextInFocusChain()) {
        if (area->isAncestorOf(w) && takesTab(w)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void NameExtensionButton(QToolBar* bar) {
    // Qt's own button for the buttons that do not fit has no name of its own.
    if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
        more->setAccessibleName(QCoreApplication::translate("za::app::CDialogFrame", "More buttons"));
        more->setToolTip(more->accessibleName());
    }
}

QString WithMnemonic(const QString& text, QChar letter) {
    QString marked = text;
    marked.replace(QLatin1Char('&'), QStringLiteral("&&"));
    // A translation may spell the word without the English letter: then the same letter in the
    // other case, else the text's first letter.
    qsizetype at = marked.indexOf(letter);
    if (at < 0) at = marked.indexOf(letter, 0, Qt::CaseInsensitive);
    if (at < 0) {
        at = 0;
        while (at < marked.size() && !marked.at(at).isLetter()) ++at;
    }
    if (at < marked.size()) marked.insert(at, QLatin1Char('&'));
    return marked;
}

CDialogFrame::CDialogFrame(QWidget* owner, const QString& helpRequest, UINT commandBarId)
    : QObject(owner), m_owner(owner), m_commandBarId(commandBarId), m_helpRequest(helpRequest) {
    InstallAccessibleNames();
    CreatePointFont(m_titleFont, kTitlePointSize, QStringLiteral("Tahoma"), nullptr, TRUE);
}

CDialogFrame::~CDialogFrame() = default;

void CDialogFrame::OnInitDialog() {
    CreateCommandBar();
    if (QWidget* heading = GetDlgItem(m_owner, IDC_HEADING1)) {
        m_headingFont = heading->font();
        m_headingFont.setWeight(QFont::Bold);
        heading->setFont(m_headingFont);
        if (QWidget* second = GetDlgItem(m_owner, IDC_HEADING2)) second->setFont(m_headingFont);
    }
    Layout();
}

void CDialogFrame::CreateCommandBar() {
    if (m_commandBarId == 0 || m_commandBar) return;
    m_commandBar = new QToolBar(m_owner);
    m_commandBar->setIconSize(QSize(16, 16));
    m_commandBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    NameExtensionButton(m_commandBar);
    auto addButton = [this](const BarItem& item) {
        QAction* action = m_commandBar->addAction(QCoreApplication::translate("za::app::CDialogFrame", item.text));
        if (item.themeIcon) {
            action->setIcon(QIcon::fromTheme(QString::fromLatin1(item.themeIcon),
                                             m_owner->style()->standardIcon(item.fallback)));
        }
        if (item.toolTip) action->setToolTip(QCoreApplication::translate("za::app::CDialogFrame", item.toolTip));
        if (item.key != QKeySequence::UnknownKey) {
            action->setShortcut(item.key);
            // Anywhere in the dialog, and said in the tip.
            action->setShortcutContext(Qt::WindowShortcut);
            action->setToolTip(action->toolTip() + QStringLiteral(" (") +
                               action->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')'));
        }
        action->setData(item.id);
        const UINT id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { emit command(id); });
    };
    if (m_commandBarId == IDR_ALARMS_BAR) {
        for (const BarItem& item : kAlarmsBar) addButton(item);
    } else if (m_commandBarId == IDR_CITIES_BAR) {
        for (const BarItem& item : kCitiesBar) addButton(item);
    } else if (m_commandBarId == IDR_EDIT_BAR) {
        m_editMenu = new QMenu(tr("Edit"), m_owner);
        for (const EditItem& item : kEditMenu) {
            QAction* action = m_editMenu->addAction(QCoreApplication::translate("za::app::CDialogFrame", item.text));
            action->setData(item.id);
            const UINT id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { emit command(id); });
        }
        connect(m_editMenu, &QMenu::aboutToShow, this, [this] { UpdateEditMenu(m_editMenu); });
        auto* button = new QToolButton(m_commandBar);
        button->setText(tr("Edit"));
        button->setAccessibleName(tr("Edit"));
        button->setMenu(m_editMenu);
        button->setPopupMode(QToolButton::InstantPopup);
        // The field keeps the focus, so the menu acts on it.
        button->setFocusPolicy(Qt::NoFocus);
        m_commandBar->addWidget(button);
    }
    // The Edit bar's button leaves the focus in the field it acts on; the other bars' buttons are
    // on the Tab chain like any button, after the dialog's own fields.
    const QList<QWidget*> buttons = m_commandBar->findChildren<QWidget*>();
    for (QWidget* b : buttons) {
        if (qobject_cast<QToolButton*>(b)) b->setFocusPolicy(m_commandBarId == IDR_EDIT_BAR ? Qt::NoFocus : Qt::TabFocus);
    }
}

int CDialogFrame::BandHeight() const { return m_titleRect.bottom() + 2; }

void CDialogFrame::Layout() {
    if (m_titleText.isEmpty()) m_titleText = m_owner->windowTitle();
    const QFontMetrics metrics(m_titleFont);
    const QSize text(metrics.horizontalAdvance(m_titleText), metrics.height());
    m_titleRect = QRect(QPoint(kTitleIndent, 0), QSize(text.width(), text.height() + kBandExtra));
    if (!m_helpButton) {
        m_helpButton = new CHelpButton(m_owner);
        connect(m_helpButton, &QAbstractButton::clicked, this, [this] { emit command(ID_HELP); });
        m_helpButton->show();
    }
    const int band = m_titleRect.height();
    // The title at the leading edge, the help button at the trailing one: mirrored for a
    // language written from the right.
    const Qt::LayoutDirection direction = m_owner->layoutDirection();
    m_titleRect = QStyle::visualRect(direction, m_owner->rect(), m_titleRect);
    const QRect help(QPoint(m_owner->width() - kHelpButtonMargin - m_helpButton->width(), (band - m_helpButton->height()) / 2),
                     m_helpButton->size());
    m_helpButton->move(QStyle::visualRect(direction, m_owner->rect(), help).topLeft());
    m_helpButton->raise();
}

QColor CDialogFrame::TitleColour() const {
    // The highlight colour, as the handheld drew it; a dark palette's highlight is often too
    // dark on its page, and then its lighter shade stands in.
    const QPalette& palette = m_owner->palette();
    return za::ReadableOn(palette.color(QPalette::Highlight), palette.color(QPalette::Base));
}

void CDialogFrame::Erase(QPainter& p) const { p.fillRect(m_owner->rect(), m_owner->palette().color(QPalette::Base)); }

void CDialogFrame::Paint(QPainter& p) const {
    p.setFont(m_titleFont);
    p.setPen(TitleColour());
    // The title rectangle stops short of the help button, so a long title never runs under it.
    QRect title = m_titleRect;
    if (m_helpButton && m_owner->layoutDirection() == Qt::RightToLeft) {
        title.setLeft(std::max(title.left(), m_helpButton->geometry().right() + kHelpButtonMargin));
    } else if (m_helpButton) {
        title.setRight(std::min(title.right(), m_helpButton->x() - kHelpButtonMargin));
    }
    p.drawText(title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_titleText);
    p.setPen(LineColour(m_owner));
    const int y = m_titleRect.bottom() + 1;
    p.drawLine(0, y, m_owner->width() - 1, y);
    for (int id : {IDC_HEADING1, IDC_HEADING2}) {
        const QWidget* heading = GetDlgItem(m_owner, id);
        if (!heading || !heading->isVisibleTo(m_owner)) continue;
        const QRect r(heading->mapTo(m_owner, QPoint(0, 0)), heading->size());
        p.drawLine(r.left(), r.bottom() + 1, r.right(), r.bottom() + 1);
    }
}

QRect CDialogFrame::GetBodyRect() const {
    QRect body = m_owner->rect();
    body.setTop(BandHeight());
    return body;
}

void CDialogFrame::SetTitleText(const QString& text) {
    m_titleText = text;
    Layout();
    m_owner->update(QRect(0, 0, m_owner->width(), BandHeight()));
}

void CDialogFrame::ShowHelp() const { za::shell::Current().ShowHelp(m_helpRequest); }

bool CDialogFrame::IsEditCommandEnabled(UINT id) const {
    QWidget* focus = FocusedEdit(m_owner);
    if (!focus) return false;
    bool selection = false, readOnly = false, undo = false;
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        selection = line->hasSelectedText();
        readOnly = line->isReadOnly();
        undo = line->isUndoAvailable();
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(focus)) {
        selection = text->textCursor().hasSelection();
        readOnly = text->isReadOnly();
        undo = text->document()->isUndoAvailable();
    }
    switch (id) {
    case ID_EDIT_CUT:
    case ID_EDIT_CLEAR: return selection && !readOnly;
    case ID_EDIT_COPY: return selection;
    case ID_EDIT_PASTE: return ClipboardHasText() && !readOnly;
    case ID_EDIT_UNDO: return undo && !readOnly;
    case ID_EDIT_SELECT_ALL: return true;
    default: return false;
    }
}

void CDialogFrame::UpdateEditMenu(QMenu* menu) const {
    if (!menu) return;
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        action->setEnabled(IsEditCommandEnabled(action->data().toUInt()));
    }
}

BOOL CDialogFrame::OnEditCommand(UINT id) {
    QWidget* focus = FocusedEdit(m_owner);
    if (!focus) return FALSE;
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        switch (id) {
        case ID_EDIT_CLEAR: line->del(); return TRUE;
        case ID_EDIT_COPY: line->copy(); return TRUE;
        case ID_EDIT_CUT: line->cut(); return TRUE;
        case ID_EDIT_PASTE: line->paste(); return TRUE;
        case ID_EDIT_SELECT_ALL:
            line->selectAll();
            return TRUE;
        case ID_EDIT_UNDO: line->undo(); return TRUE;
        default: return FALSE;
        }
    }
    auto* text = qobject_cast<QPlainTextEdit*>(focus);
    switch (id) {
    case ID_EDIT_CLEAR: text->textCursor().removeSelectedText(); return TRUE;
    case ID_EDIT_COPY: text->copy(); return TRUE;
    case ID_EDIT_CUT: text->cut(); return TRUE;
    case ID_EDIT_PASTE: text->paste(); return TRUE;
    case ID_EDIT_SELECT_ALL:
        text->selectAll();
        text->ensureCursorVisible();
        return TRUE;
    case ID_EDIT_UNDO: text->undo(); return TRUE;
    default: return FALSE;
    }
}

namespace {

// The band at the top, the body, then the command bar and the buttons in one row.
QWidget* LayOutFramedWindow(QWidget* owner, CDialogFrame& frame, QDialogButtonBox* buttons) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* body = new QWidget(owner);
    layout->addWidget(body, 1);
    if (frame.CommandBar() || buttons) {
        auto* row = new QHBoxLayout;
        row->setContentsMargins(6, 6, 10, 10);
        if (frame.CommandBar()) row->addWidget(frame.CommandBar());
        row->addStretch(1);
        if (buttons) row->addWidget(buttons);
        layout->addLayout(row);
    }
    return body;
}

void SetBandMargin(QWidget* owner, const CDialogFrame& frame) {
    if (QLayout* layout = owner->layout()) {
        QMargins m = layout->contentsMargins();
        if (m.top() != frame.BandHeight()) {
            m.setTop(frame.BandHeight());
            layout->setContentsMargins(m);
        }
    }
}

}  // namespace

CBaseDialog::CBaseDialog(UINT templateId, const QString& helpRequest, UINT commandBarId, QWidget* parent)
    : QDialog(parent), m_templateId(templateId), m_frame(this, helpRequest, commandBarId) {
    setModal(true);
    setAutoFillBackground(false);
    m_frame.CreateCommandBar();
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CBaseDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CBaseDialog::reject);
    m_body = LayOutFramedWindow(this, m_frame, m_buttons);
    connect(&m_frame, &CDialogFrame::command, this, [this](UINT id) { OnCommand(id); });
}

CBaseDialog::~CBaseDialog() = default;

int CBaseDialog::DoModal() { return exec() == QDialog::Accepted ? IDOK : IDCANCEL; }

BOOL CBaseDialog::OnInitDialog() { return TRUE; }

BOOL CBaseDialog::OnCommand(UINT id) {
    switch (id) {
    case ID_HELP:
        m_frame.ShowHelp();
        return TRUE;
    case ID_EDIT_CLEAR:
    case ID_EDIT_COPY:
    case ID_EDIT_CUT:
    case ID_EDIT_PASTE:
    case ID_EDIT_SELECT_ALL:
    case ID_EDIT_UNDO:
        return m_frame.OnEditCommand(id);
    default:
        return FALSE;
    }
}

void CBaseDialog::accept() { OnOK(); }

void CBaseDialog::reject() { OnCancel(); }

void CBaseDialog::OnOK() { EndDialog(IDOK); }

void CBaseDialog::OnCancel() { EndDialog(IDCANCEL); }

void CBaseDialog::EndDialog(int result) { done(result == IDOK ? QDialog::Accepted : QDialog::Rejected); }

void CBaseDialog::showEvent(QShowEvent* e) {
    if (!m_started) {
        m_started = true;
        m_frame.OnInitDialog();
        OnInitDialog();
        SetBandMargin(this, m_frame);
        ArrangeKeyboardFocus(this, m_body, m_buttons);
    }
    QDialog::showEvent(e);
}

void CBaseDialog::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    m_frame.Layout();
    SetBandMargin(this, m_frame);
}

void CBaseDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_frame.Erase(p);
    m_frame.Paint(p);
}

bool CBaseDialog::event(QEvent* e) {
    // F1 anywhere in the dialog: the system's help request.
    if (e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->matches(QKeySequence::HelpContents)) {
            if (e->type() == QEvent::KeyPress) OnCommand(ID_HELP);
            e->accept();
            return true;
        }
    }
    return QDialog::event(e);
}

CPageBase::CPageBase(UINT templateId, const QString& helpRequest, UINT commandBarId, const QString& pageTitle,
                     QWidget* parent)
    : QWidget(parent), m_templateId(templateId), m_pageTitle(pageTitle), m_frame(this, helpRequest, commandBarId) {
    m_frame.CreateCommandBar();
    m_body = LayOutFramedWindow(this, m_frame, nullptr);
    connect(&m_frame, &CDialogFrame::command, this, [this](UINT id) { OnCommand(id); });
}

CPageBase::~CPageBase() = default;

void CPageBase::SetPageModified(bool modified) {
    m_modified = modified;
    emit pageModified(modified);
}

BOOL CPageBase::OnInitDialog() { return TRUE; }

BOOL CPageBase::OnCommand(UINT id) {
    if (id == ID_HELP) {
        m_frame.ShowHelp();
        return TRUE;
    }
    return m_frame.OnEditCommand(id);
}

void CPageBase::UpdateTitle() {
    const QString sheet = window() != this ? window()->windowTitle() : QString();
    m_frame.SetTitleText(sheet + QStringLiteral(" - ") + m_pageTitle);
}

void CPageBase::showEvent(QShowEvent* e) {
    if (!m_started) {
        m_started = true;
        m_frame.OnInitDialog();
        OnInitDialog();
        UpdateTitle();
        SetBandMargin(this, m_frame);
    }
    QWidget::showEvent(e);
}

void CPageBase::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    UpdateTitle();
    SetBandMargin(this, m_frame);
}

void CPageBase::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_frame.Erase(p);
    m_frame.Paint(p);
}

bool CPageBase::event(QEvent* e) {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->matches(QKeySequence::HelpContents)) {
        OnCommand(ID_HELP);
        return true;
    }
    return QWidget::event(e);
}

}  // namespace za::app
