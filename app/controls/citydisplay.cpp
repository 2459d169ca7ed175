#include "citydisplay.h"

#include "citylist.h"
#include "citypicker.h"
#include "cityoffset.h"
#include "dialogframe.h"
#include "fonts.h"
#include "format.h"
#include "images.h"
#include "localetext.h"
#include "resource.h"
#include "shell.h"
#include "stringtable.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>
#include <QStyle>

namespace za::app {
namespace {

constexpr int kPointSize = 85;  // 8.5 points
constexpr int kMargin = 5;
constexpr int kButton = 12;
constexpr int kCurrentButtonRoom = 17;
constexpr int kTimeGap = 11;
const QColor kLineColour(180, 180, 180);
// A press held this long is a tap-and-hold.
constexpr int kHoldMs = 500;

struct MenuItem {
    UINT id;  // 0: separator
    const char* text;
    char16_t mnemonic;  // the letter of the text that Alt reaches it by
};
// Pop-up menu 136.
constexpr MenuItem kDisplayMenu[] = {
    {ID_SELECT_CITY, QT_TRANSLATE_NOOP("za::app::CCityDisplay", "Select a City"), u'S'},
    {ID_SET_CURRENT, QT_TRANSLATE_NOOP("za::app::CCityDisplay", "Set as Current City"), u'C'},
    {0, nullptr, 0},
    {ID_ALARMS, QT_TRANSLATE_NOOP("za::app::CCityDisplay", "Set Alarm..."), u'A'},
    {ID_SUNRISE, QT_TRANSLATE_NOOP("za::app::CCityDisplay", "Sunrise..."), u'u'},
    {ID_MOONRISE, QT_TRANSLATE_NOOP("za::app::CCityDisplay", "Moonrise..."), u'M'},
    {0, nullptr, 0},
    {ID_VIEW_DETAILS, QT_TRANSLATE_NOOP("za::app::CCityDisplay", "View/Edit Details..."), u'V'},
};

bool SameToTheMinute(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDayOfWeek == b.wDayOfWeek && a.wDay == b.wDay &&
           a.wHour == b.wHour && a.wMinute == b.wMinute;
}

// What a screen reader reads of a display: its city, its time, whether it is the current
// city; and the two things a user does with it, tap and open its menu.
class DisplayAccessible : public QAccessibleWidget {
public:
    explicit DisplayAccessible(CCityDisplay* display) : QAccessibleWidget(display, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        auto* d = static_cast<CCityDisplay*>(widget());
        switch (t) {
        case QAccessible::Name: return d->City().Name();
        case QAccessible::Description: {
            if (d->Options() & CDS_NAMEONLY) return QString();
            QString text = d->TimeText();
            if (d->Options() & CDS_TWOLINE) text = d->NameText() + QLatin1Char('\n') + text;
            if (!d->OffsetNote().isEmpty()) text += QStringLiteral(", ") + d->OffsetNote();
            if (d->ChangeMark() != 0) text += QStringLiteral(". ") + d->ChangeNote();
            return SpokenText(text);
        }
        default: return QAccessibleWidget::text(t);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        auto* d = static_cast<CCityDisplay*>(widget());
        s.selectable = true;
        s.selected = (d->Options() & CDS_CURRENT) != 0;
        s.pressed = (d->Options() & CDS_PRESSED) != 0;
        return s;
    }
    QStringList actionNames() const override { return {pressAction(), showMenuAction()}; }
    void doAction(const QString& name) override {
        auto* d = static_cast<CCityDisplay*>(widget());
        const QPoint centre = d->rect().center();
        if (name == pressAction()) d->Tap(centre);
        if (name == showMenuAction()) d->TapAndHold(centre);
    }
};

// A display's small button: five displays have five pairs of them, so each says whose it is,
// "Select a City (Tokyo)", from the display's city at the moment it is asked.
class DisplayButtonAccessible : public QAccessibleWidget {
public:
    explicit DisplayButtonAccessible(CDisplayButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const QString name = widget()->accessibleName();
        const auto* display = qobject_cast<const CCityDisplay*>(widget()->parentWidget());
        if (!display || display->City().Name().isEmpty()) return name;
        return name + QStringLiteral(" (") + display->City().Name() + QLatin1Char(')');
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) static_cast<CDisplayButton*>(widget())->click();
    }
};

QAccessibleInterface* DisplayAccessibleFactory(const QString& key, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (key == QLatin1String("za::app::CCityDisplay")) return new DisplayAccessible(static_cast<CCityDisplay*>(object));
    if (key == QLatin1String("za::app::CDisplayButton")) return new DisplayButtonAccessible(static_cast<CDisplayButton*>(object));
    return nullptr;
}

}  // namespace

CDisplayButton::CDisplayButton(UINT command, UINT image, const QString& name, QWidget* parent)
    : QAbstractButton(parent), m_command(command), m_image(image) {
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(name);
    setToolTip(name);
    setFixedSize(kButton, kButton);
    setCursor(Qt::PointingHandCursor);
}

void CDisplayButton::SetImage(UINT image) {
    if (m_image == image) return;
    m_image = image;
    update();
}

void CDisplayButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(rect(), DisplayButtonImage(m_image, devicePixelRatioF(), palette()));
}

CCityDisplay::CCityDisplay(QWidget* parent, CHost& host) : QWidget(parent), m_host(host) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(DisplayAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_holdTimer.setSingleShot(true);
    m_holdTimer.setInterval(kHoldMs);
    connect(&m_holdTimer, &QTimer::timeout, this, [this] { TapAndHold(m_pressPoint); });
}

CCityDisplay::~CCityDisplay() = default;

void CCityDisplay::Create(DWORD options, int id) {
    m_id = id;
    SetControlId(this, id);
    m_changeButton = new CDisplayButton(ID_SELECT_CITY, IDB_CHANGECITY, tr("Select a City"), this);
    m_currentButton = new CDisplayButton(ID_SET_CURRENT, (options & CDS_CURRENT) ? IDB_CURRENT : IDB_NOTCURRENT,
                                         tr("Set as Current City"), this);

    connect(m_changeButton, &QAbstractButton::clicked, this, [this] { OnCommand(ID_SELECT_CITY); });
    connect(m_currentButton, &QAbstractButton::clicked, this, [this] { OnCommand(ID_SET_CURRENT); });
    SetOptions(options);
    show();
}

BOOL CCityDisplay::SetOptions(DWORD bits) {
    const DWORD old = m_options;
    const BOOL changed = bits != old;
    m_options = bits;
    if (bits & CDS_BLACKONWHITE) {
        m_textColour = Qt::black;
        m_backColour = Qt::white;
    } else if (bits & CDS_PRESSED) {
        m_backColour = palette().color(QPalette::Highlight);
        m_textColour = palette().color(QPalette::HighlightedText);
    } else {
        m_backColour = palette().color(QPalette::Window);
        m_textColour = palette().color(QPalette::WindowText);
    }
    const bool boldChanged = ((bits ^ old) & CDS_BOLD) != 0;
    if (!m_hasFont || boldChanged) {
        CreatePointFont(m_font, kPointSize, QStringLiteral("Tahoma"), nullptr, (bits & CDS_BOLD) ? TRUE : FALSE);
        m_hasFont = true;
    }
    if (boldChanged && m_currentButton) m_currentButton->SetImage((bits & CDS_CURRENT) ? IDB_CURRENT : IDB_NOTCURRENT);
    Layout();
    if (changed) {
        QAccessibleEvent event(this, QAccessible::StateChanged);
        if (QAccessible::isActive()) QAccessible::updateAccessibility(&event);
    }
    return changed;
}

BOOL CCityDisplay::ChangeOptions(DWORD set, DWORD clear) { return SetOptions((m_options & ~clear) | set); }

void CCityDisplay::Layout() {
    const int h = QFontMetrics(m_font).height();
    const int height = (m_options & CDS_TWOLINE) ? (h + 4) * 2 : h + 8;
    if (height != m_height) {
        m_height = height;
        updateGeometry();
    }
    // Edges as the handheld's rectangles have them: right and bottom lie just outside.
    const int left = 0, top = 0, right = width(), bottom = this->height();
    int nl = left, nt = top, nr = right, nb = bottom;
    int tl = left, tt = top, tr = right, tb = bottom;
    if (m_options & CDS_TWOLINE) {
        nl = left + kMargin;
        nr = right - kMargin;
        nb = (bottom - top) / 2;
        tt = nb;
    } else if (m_options & CDS_NAMEONLY) {
        tl = tt = tr = tb = 0;
    } else {
        const int split = ((right - left) * 5) / 9;
        nl = left + kMargin;
        nr = split;
        tl = split + kTimeGap;
        tr = right - kMargin;
    }
    if (m_options & CDS_CURRENTBUTTON) nl += kCurrentButtonRoom;
    if (m_options & CDS_CHANGEBUTTON) nr -= kButton;
    // Laid out from the left, then mirrored where the language is written from the right: the
    // name and its buttons go to the right edge, the time to the left.
    const QRect all = rect();
    m_nameRect = QStyle::visualRect(layoutDirection(), all, QRect(nl, nt, nr - nl, nb - nt));
    m_timeRect = QStyle::visualRect(layoutDirection(), all, QRect(tl, tt, tr - tl, tb - tt));
    if (!m_currentButton || !m_changeButton) return;
    const int y = (m_nameRect.height() - kButton) / 2;
    const bool pressed = (m_options & CDS_PRESSED) != 0;
    m_currentButton->move(QStyle::visualRect(layoutDirection(), all, QRect(QPoint(kMargin, y), m_currentButton->size())).topLeft());
    m_currentButton->setVisible((m_options & CDS_CURRENTBUTTON) && !pressed);
    m_changeButton->move(QStyle::visualRect(layoutDirection(), all, QRect(QPoint(nr, y), m_changeButton->size())).topLeft());
    m_changeButton->setVisible((m_options & CDS_CHANGEBUTTON) && !pressed);
}

QSize CCityDisplay::sizeHint() const { return QSize(240, m_height); }

namespace {

// The widest text of a format in a font, over the months and weekdays (and, for the formats with
// a time, the widest hours), with the daylight mark. Kept per font and format: the five displays
// ask it whenever the window's minimum size is wanted.
int WidestTime(const QFont& font, int format) {
    static QHash<QString, int> widest;
    const QString key = font.key() + QLatin1Char('|') + QString::number(format) + QLatin1Char('|') +
                        za::locale::UserLocale().name();
    auto known = widest.constFind(key);
    if (known != widest.constEnd()) return *known;
    // A format without the time needs one hour, one without the date no more months than the
    // week's days give.
    const bool withTime = format != TF_LONGDATE && format != TF_WEEKDAY_SHORTDATE;
    const bool withDate = format != TF_WEEKDAY_TIME && format != TF_TIME;
    const QList<int> hours = withTime ? QList<int>{0, 10, 12, 22} : QList<int>{22};
    QSet<QString> texts;
    auto add = [&](int month, int day, int hour) {
        SYSTEMTIME t{};
        t.wYear = 2026;
        t.wMonth = static_cast<WORD>(month);
        t.wDay = static_cast<WORD>(day);
        t.wDayOfWeek = static_cast<WORD>(QDate(2026, month, day).dayOfWeek() % 7);
        t.wHour = static_cast<WORD>(hour);
        t.wMinute = 58;
        texts.insert(FormatDateAndTime(t, TRUE, format));
    };
    // 22 to 28 September 2026 run Tuesday to Monday; the 28th of each month falls on several
    // weekdays; 0, 10, 12 and 22 o'clock are the widest hours of 12- and 24-hour clocks.
    for (int day = 22; day <= 28; ++day) {
        for (int hour : hours) add(9, day, hour);
    }
    if (withDate) {
        for (int month = 1; month <= 12; ++month) add(month, 28, 22);
    }
    const int most = WidestText(font, texts);
    widest.insert(key, most);
    return most;
}

}  // namespace

int CCityDisplay::MinimumWidth() const {
    if (m_options & CDS_NAMEONLY) return 0;
    if (m_options & CDS_TWOLINE) return WidestTime(m_font, TF_LONGDATE) + 2 * kMargin;
    const int time = WidestTime(m_font, (m_options & CDS_ALTFORMAT) ? TF_WEEKDAY_SHORTDATE : TF_WEEKDAY_TIME);
    // The time line starts at five ninths of the width (Layout).
    int width = (time + kTimeGap + kMargin) * 9 / 4;
    while (width - (width * 5) / 9 - kTimeGap - kMargin < time) ++width;
    return width;
}

QSize CCityDisplay::minimumSizeHint() const { return QSize(120, m_height); }

void CCityDisplay::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Layout();
}

void CCityDisplay::changeEvent(QEvent* e) {
    // A new desktop palette (a dark theme switched on) gives new colours.
    if (e->type() == QEvent::PaletteChange) SetOptions(m_options);
    if (e->type() == QEvent::LayoutDirectionChange) Layout();
    QWidget::changeEvent(e);
}

void CCityDisplay::SetCity(const CCity& city) {
    m_city = city;
    UpdateAccessibleTexts();
    update();
}

QString CCityDisplay::NameText() const {
    if (m_options & CDS_TWOLINE) {
        return FormatString(QStringLiteral("%s - %s"), {m_city.Name(), m_city.LocalTimeAsString(m_shownTime, TF_TIME)});
    }
    return m_city.Name();
}

QString CCityDisplay::TimeText() const {
    if (m_options & CDS_NAMEONLY) return QString();
    if (m_options & CDS_TWOLINE) return m_city.LocalTimeAsString(m_shownTime, TF_LONGDATE);
    return m_city.LocalTimeAsString(m_shownTime, (m_options & CDS_ALTFORMAT) ? TF_WEEKDAY_SHORTDATE : TF_WEEKDAY_TIME);
}

void CCityDisplay::UpdateTime(const SYSTEMTIME& utc) {
    if (SameToTheMinute(utc, m_shownTime)) return;
    m_shownTime = utc;
    update(m_timeRect);
    if (m_options & CDS_TWOLINE) update(m_nameRect);
    UpdateAccessibleTexts();
}

void CCityDisplay::UpdateAccessibleTexts() {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    QAccessibleEvent description(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
}

void CCityDisplay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_backColour);
    if (m_options & CDS_TOPLINE) p.fillRect(0, 0, width(), 2, kLineColour);
    if (m_options & CDS_BOTTOMLINE) p.fillRect(0, height() - 2, width(), 2, kLineColour);
    p.setFont(m_font);
    p.setPen(m_textColour);
    const QFontMetrics metrics(m_font);
    const int align = (m_options & CDS_TWOLINE) ? Qt::AlignHCenter : Qt::AlignLeft;
    // A text too long for its rectangle ends in an ellipsis rather than being cut mid-letter.
    auto draw = [&](const QRect& r, const QString& text) {
        if (r.isEmpty()) return;
        p.drawText(r, align | Qt::AlignVCenter | Qt::TextSingleLine,
                   metrics.elidedText(text, Qt::ElideRight, r.width()));
    };
    draw(m_nameRect, NameText());
    const QString time = TimeText();
    if (!(m_options & CDS_NAMEONLY) && (!m_noteOffset.isEmpty() || m_noteDirection != 0)) {
        // The note takes only the room the time leaves (centred in two lines, so half of it).
        const int spare = m_timeRect.width() - metrics.horizontalAdvance(time);
        DrawNote(p, m_timeRect, ((m_options & CDS_TWOLINE) ? spare / 2 : spare) - 6);
        p.setFont(m_font);
        p.setPen(m_textColour);
    }
    draw(m_timeRect, time);
    if (hasFocus()) {
        QPen pen(m_textColour, 1, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const int inset = (m_options & CDS_TOPLINE) ? 2 : 0;
        p.drawRect(rect().adjusted(1, 1 + inset, -2, -2));
    }
}

void CCityDisplay::SetNote(const QString& offset, const QString& change, int soonDirection) {
    if (offset == m_noteOffset && change == m_noteChange && soonDirection == m_noteDirection) return;
    m_noteOffset = offset;
    m_noteChange = change;
    m_noteDirection = soonDirection;
    update(m_timeRect);
    UpdateAccessibleTexts();
}

QString FittedNote(const QString& note, const QFontMetrics& metrics, int room) {
    if (note.isEmpty()) return note;
    // Measured again only when shortened: each measuring lays the text out anew, at every paint.
    QString text = note;
    int width = metrics.horizontalAdvance(text);
    // Nearly every paint: the day words are looked up only for a note that does not fit.
    if (width <= room) return text;
    for (const QString& day : {za::DayDeltaText(-1), za::DayDeltaText(1)}) {
        if (width > room && text.endsWith(QLatin1Char(' ') + day)) {
            text.chop(day.size() + 1);
            width = metrics.horizontalAdvance(text);
        }
    }
    return width > room ? QString() : text;
}

void CCityDisplay::DrawNote(QPainter& p, const QRect& r, int room) const {
    QFont small = m_font;
    small.setBold(false);
    small.setPointSizeF(m_font.pointSizeF() * 0.8);
    const QFontMetrics metrics(small);
    int used = 0;
    if (m_noteDirection != 0) {
        // A small amber triangle, up for clocks going forward, down for back.
        const int side = std::max(5, metrics.ascent() * 2 / 3);
        DrawClockChangeMark(p, r.right(), r.center().y(), side, m_noteDirection > 0);
        used = side + 3;
    }
    // A screen reader still reads the whole note.
    const QString text = FittedNote(m_noteOffset, metrics, room - used);
    if (text.isEmpty()) return;
    p.setFont(small);
    QColor colour = m_textColour;
    colour.setAlphaF(0.75);
    p.setPen(colour);
    // Laid out left to right: "−6 h" is not to come out "h 6−" in a right-to-left language.
    // The painter's direction says so rather than isolate marks around the text, which few
    // fonts hold: drawing them sent the font machinery through the fallback fonts at every
    // start.
    const Qt::LayoutDirection direction = p.layoutDirection();
    p.setLayoutDirection(Qt::LeftToRight);
    p.drawText(QRect(r.left(), r.top(), r.width() - used, r.height()), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
               text);
    p.setLayoutDirection(direction);
}

void CCityDisplay::Send(CityDisplayNotify& n) {
    n.sender = this;
    n.id = m_id;
    emit notify(n);
}

void CCityDisplay::SendTapped(const QPoint& at, BOOL hold) {
    CityDisplayNotify n;
    n.code = CDN_TAPPED;
    n.hold = hold;
    n.point = at;
    n.longitude = m_city.Longitude();
    n.latitude = m_city.Latitude();
    Send(n);
}

void CCityDisplay::Tap(const QPoint& at) { SendTapped(at, FALSE); }

void CCityDisplay::TapAndHold(const QPoint& at) {
    m_holdTimer.stop();
    SendTapped(at, TRUE);
    std::unique_ptr<QMenu> menu(CreatePopupMenu());
    if (!menu) return;
    SetPressed(true);
    // Centred on the point, as the handheld's menu was.
    QPoint global = mapToGlobal(at);
    global.ry() -= menu->sizeHint().height() / 2;
    QAction* chosen = menu->exec(global);
    SetPressed(false);
    if (chosen) OnCommand(chosen->data().toUInt());
}

QMenu* CCityDisplay::CreatePopupMenu() {
    if (m_options & CDS_NOMENU) return nullptr;
    auto* menu = new QMenu(this);
    menu->setAccessibleName(m_city.Name());
    for (const MenuItem& item : kDisplayMenu) {
        if (item.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(WithMnemonic(QCoreApplication::translate("za::app::CCityDisplay", item.text), item.mnemonic));
        action->setData(item.id);
    }
    return menu;
}

void CCityDisplay::mousePressEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    if (e->button() == Qt::LeftButton) {
        m_pressPoint = at;
        Tap(at);
        m_holdTimer.start();
        return;
    }
    if (e->button() == Qt::RightButton) {
        // A right click is a tap that became a tap-and-hold at once.
        Tap(at);
        TapAndHold(at);
        return;
    }
    QWidget::mousePressEvent(e);
}

void CCityDisplay::mouseReleaseEvent(QMouseEvent* e) {
    m_holdTimer.stop();
    QWidget::mouseReleaseEvent(e);
}

void CCityDisplay::contextMenuEvent(QContextMenuEvent* e) {
    // The mouse's right button was handled as it went down; the Menu key and Shift+F10 come here.
    if (e->reason() == QContextMenuEvent::Mouse) return;
    TapAndHold(QPoint(m_nameRect.left(), height() / 2));
}

void CCityDisplay::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Tap(QPoint(m_nameRect.left(), height() / 2));
        return;
    default:
        QWidget::keyPressEvent(e);
    }
}

void CCityDisplay::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void CCityDisplay::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

void CCityDisplay::SetPressed(bool pressed) {
    if (pressed) {
        m_host.CancelMode();
        ChangeOptions(CDS_PRESSED, 0);
    } else {
        ChangeOptions(0, CDS_PRESSED);
    }
    repaint();
}

QWidget* CCityDisplay::DialogOwner() const { return parentWidget() ? parentWidget() : const_cast<CCityDisplay*>(this); }

BOOL CCityDisplay::OnCommand(UINT id) {
    CHostDialogs* dialogs = m_host.Dialogs();
    switch (id) {
    case ID_SELECT_CITY:
        SelectCity();
        return TRUE;
    case ID_SET_CURRENT:
        SetCurrent();
        return TRUE;
    case ID_ALARMS:
        if (dialogs) dialogs->SetAlarm(DialogOwner(), m_city);
        return TRUE;
    case ID_SUNRISE:
        if (dialogs) dialogs->Sunrise(DialogOwner(), m_city);
        return TRUE;
    case ID_MOONRISE:
        if (dialogs) dialogs->Moonrise(DialogOwner(), m_city);
        return TRUE;
    case ID_VIEW_DETAILS:
        if (dialogs) {
            CCity city = m_city;
            // The display shows what was saved: another zone changes its time at once.
            if (dialogs->EditCity(DialogOwner(), city, false) == IDOK) SetCity(city);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void CCityDisplay::SetCurrent() {
    if (m_options & CDS_CURRENT) return;
    SetPressed(true);
    CityDisplayNotify n;
    n.code = CDN_SETCURRENT;
    Send(n);
    SetPressed(false);
}

void CCityDisplay::SelectCity() {
    SetPressed(true);
    QWidget* owner = DialogOwner();
    const QPoint anchor = mapTo(owner, m_nameRect.bottomRight() + QPoint(1, 1));
    QString chosen;
    bool changed = false;
    // The frame's menus and tool bar rest while the picker runs.
    m_host.EnableCommandBars(false);
    const bool picked = CCityPickerPopup::Instance().Show(anchor, m_city.Name(), owner, &chosen);
    m_host.EnableCommandBars(true);
    CCity city;
    if (picked && chosen != m_city.Name() && GetCityList().LoadCity(chosen, city)) {
        CityDisplayNotify n;
        n.code = CDN_CITYCHANGING;
        n.cancel = FALSE;
        n.newCity = chosen;
        n.city = &city;
        Send(n);
        if (!n.cancel) {
            m_city = city;
            changed = true;
        }
    }
    SetPressed(false);
    if (changed) {
        UpdateAccessibleTexts();
        CityDisplayNotify n;
        n.code = CDN_CITYCHANGED;
        Send(n);
    }
}

}  // namespace za::app
