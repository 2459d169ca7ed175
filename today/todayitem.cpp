#include "todayitem.h"

#include "citylist.h"
#include "contrast.h"
#include "clock.h"
#include "displayedcities.h"
#include "fonts.h"
#include "format.h"
#include "probes.h"
#include "registry.h"
#include "settings.h"
#include "shell.h"
#include "timeservice.h"
#include "today.h"
#include "worldsettings.h"
#include "zonecheck.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStandardPaths>
#include <QStyle>
#include <QTimerEvent>
#include <QVBoxLayout>

#include <array>

namespace za::today {
namespace {

int g_count = 0;

bool PocketPC2002() { return IsPocketPC2002() == TRUE; }

// A COLORREF (0x00BBGGRR) from the Today screen's colour scheme, when the value is there.
bool ReadColour(HKEY key, const QString& name, QColor* colour) {
    DWORD value = 0;
    if (!RegQueryDword(key, name, &value)) return false;
    *colour = QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                     static_cast<int>((value >> 16) & 0xFF));
    return true;
}

// The installed program when no installation directory is recorded: beside the program that
// loaded the item (the Today host), else the one on the path.
QString DefaultApplicationPath() {
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/zonaria");
    if (QFileInfo(beside).isExecutable()) return beside;
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("zonaria"));
    return onPath.isEmpty() ? QStringLiteral("/usr/bin/zonaria") : onPath;
}

bool DifferToTheHour(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    return a.wYear != b.wYear || a.wMonth != b.wMonth || a.wDayOfWeek != b.wDayOfWeek || a.wDay != b.wDay ||
           a.wHour != b.wHour;
}

class RowAccessible : public QAccessibleWidget {
public:
    explicit RowAccessible(CTodayRow* row) : QAccessibleWidget(row, QAccessible::ListItem) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        // The bold row is the current city, which a listener cannot see; the daylight mark in words.
        const auto* row = static_cast<CTodayRow*>(widget());
        return SpokenText(row->Text()) + (row->IsSelected() ? QCoreApplication::translate("za::today::CTodayItem", ", current city") : QString());
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = static_cast<CTodayRow*>(widget())->IsSelected();
        return s;
    }
};

QAccessibleInterface* RowFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("za::today::CTodayRow") && object && object->isWidgetType()) {
        return new RowAccessible(static_cast<CTodayRow*>(object));
    }
    return nullptr;
}

}  // namespace

int CachedCount() { return g_count; }
void SetCachedCount(int count) { g_count = count; }

CTodayRow::CTodayRow(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(RowFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void CTodayRow::SetTexts(const QString& city, const QString& time, bool selected) {
    const QString text = city + QStringLiteral(", ") + time;
    if (text == m_text && selected == m_selected) return;
    m_text = text;
    m_selected = selected;
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

CTodayItem::CTodayItem(QWidget* parent, int width) : QWidget(parent) {
    setObjectName(QStringLiteral("ZAToday"));
    setWindowTitle(QStringLiteral("ZAToday"));
    setAccessibleName(tr("Zonaria"));
    for (auto& row : m_rows) row = new CTodayRow(this);
    m_started = Initialise();
    if (!m_started) return;
    resize(width, m_count * m_rowHeight);
    // A hidden window gets its resize event only when shown: lay out for the size now.
    LayOut();
    m_timer = startTimer(kTickMs);
    // A city, count or selection changed by another process, or the device's zone or clock
    // changed from outside: the rows are loaded again at once rather than at the next hour.
    za::device::WatchDeviceChanges(this, [this](unsigned changes) {
        Reload();
        if (changes & za::device::ZoneOrClockChanged) FollowDeviceZone();
    });
}

CTodayItem::~CTodayItem() {
    if (m_timer) killTimer(m_timer);
    Cleanup();
}

bool CTodayItem::Initialise() {
    const bool ppc = PocketPC2002();
    const double scale = PointFontScale();
    m_rowHeight = qRound((ppc ? 15 : 17) * scale);
    m_normalFont = FaceFont(QStringLiteral("Tahoma"));
    m_normalFont.setPixelSize(qRound((ppc ? 11 : 12) * scale));
    m_normalFont.setWeight(QFont::Normal);
    m_boldFont = m_normalFont;
    m_boldFont.setWeight(QFont::Bold);

    m_icon = QPixmap::fromImage(ReadPng(QStringLiteral(":/zatoday/zonaria-16.png")));
    const QPixmap big = QPixmap::fromImage(ReadPng(QStringLiteral(":/zatoday/zonaria-32.png")));
    if (devicePixelRatioF() > 1.0 && !big.isNull()) {
        m_icon = big;
        m_icon.setDevicePixelRatio(2.0);
    }

    // The window the application posts to; its handle is published for it.
    m_updateMessage = za::TodayUpdateMessage();
    m_window = std::make_unique<za::PlatformWindow>(QStringLiteral("ZAToday"), QStringLiteral("ZAToday"),
                                                    [this](UINT msg, WPARAM, LPARAM) {
                                                        if (msg == m_updateMessage) Reload();
                                                    });
    GetReg().WriteDWORDValue(CRegistry::ZAReserved,
                             static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(m_window->hwnd())));

    if (ppc) {
        m_textColour = QColor(0, 36, 156);
        m_lineColour = QColor(115, 142, 239);
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Color"), 0, 0, &key) == ERROR_SUCCESS) {
            ReadColour(key, QStringLiteral("4"), &m_textColour);
            ReadColour(key, QStringLiteral("6"), &m_lineColour);
            RegCloseKey(key);
        }
    } else {
        m_textColour = palette().color(QPalette::Text);
        m_lineColour = QColor(132, 130, 132);
    }

    m_appPath = DefaultApplicationPath();
    HKEY apps = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Apps\\Corvantel Zonaria"), 0, 0, &apps) ==
        ERROR_SUCCESS) {
        QString dir;
        if (RegQueryString(apps, QStringLiteral("InstallDir"), &dir) && !dir.isEmpty()) m_appPath = dir + QStringLiteral("/zonaria");
        RegCloseKey(apps);
    }

    SetCachedCount(static_cast<int>(GetReg().GetDWORDValue(CRegistry::ZATodayCount)));
    m_count = std::clamp(CachedCount(), 0, kMaxRows);
    return LoadCities();
}

void CTodayItem::Cleanup() {
    m_window.reset();
    GetReg().WriteDWORDValue(CRegistry::ZAReserved, 0);
}

bool CTodayItem::LoadCities() {
    CCityList& list = GetCityList();
    if (!list.Open()) return false;
    GetSystemTime(&m_loadTime);
    m_shownTime = m_loadTime;
    const za::DisplayedCities displayed = za::DisplayedCities::Read();
    for (int i = 0; i < kMaxRows; ++i) m_names[static_cast<size_t>(i)] = displayed.Name(i);
    m_selected = displayed.Selected();
    // Every city, for the offsets from the current one even where it is not shown.
    for (int i = 0; i < kMaxRows; ++i) list.LoadCity(m_names[static_cast<size_t>(i)], m_cities[static_cast<size_t>(i)]);
    list.Close();
    LayOut();
    return true;
}

void CTodayItem::Reload() {
    SetCachedCount(static_cast<int>(GetReg().GetDWORDValue(CRegistry::ZATodayCount)));
    m_count = std::clamp(CachedCount(), 0, kMaxRows);
    LoadCities();
    update();
}

void CTodayItem::FollowDeviceZone() {
    // The current city follows a zone changed from outside, as the window would make it, also
    // when no window runs; a zone with no city in the list waits for the window to ask.
    TIME_ZONE_INFORMATION device{};
    if (GetTimeZoneInformation(&device) == TIME_ZONE_ID_INVALID) return;
    std::array<const CCity*, kMaxRows> cities{};
    for (int i = 0; i < kMaxRows; ++i) cities[static_cast<size_t>(i)] = &City(i);
    if (za::ApplyZoneCheck(za::CheckDeviceZone(cities, m_selected, device))) Reload();
}

void CTodayItem::LayOut() {
    const QRect c = rect();
    const int split = kIconColumn + ((c.width() - kIconColumn) * 5) / 9;
    for (int i = 0; i < kMaxRows; ++i) {
        const int top = c.top() + i * m_rowHeight;
        // Laid out from the left and mirrored for a language written from the right.
        const auto visual = [&](const QRect& r) { return QStyle::visualRect(layoutDirection(), c, r); };
        m_nameRects[static_cast<size_t>(i)] = visual(QRect(QPoint(kIconColumn, top), QPoint(split - 1, top + m_rowHeight - 1)));
        m_timeRects[static_cast<size_t>(i)] = visual(QRect(QPoint(split, top), QPoint(c.right(), top + m_rowHeight - 1)));
        CTodayRow* row = m_rows[static_cast<size_t>(i)];
        row->setGeometry(visual(QRect(QPoint(kIconColumn, top), QPoint(c.right(), top + m_rowHeight - 1))));
        row->setVisible(i < m_count);
    }
    UpdateRows();
}

QString CTodayItem::TimeText(int i) const { return City(i).LocalTimeAsString(m_shownTime, TF_WEEKDAY_TIME); }

void CTodayItem::UpdateRows() {
    const bool offsets = za::ShowOffsetsSetting();
    const CCity& current = City(std::clamp(m_selected, 0, kMaxRows - 1));
    for (int i = 0; i < m_count; ++i) {
        za::DisplayNote& note = m_notes[static_cast<size_t>(i)];
        note = za::MakeDisplayNote(current, City(i), i == m_selected, offsets, m_shownTime, m_changes);
        QString time = TimeText(i);
        if (!note.offset.isEmpty()) time += QStringLiteral(", ") + note.offset;
        if (note.changeSoon) time += QStringLiteral(". ") + note.changeText;
        m_rows[static_cast<size_t>(i)]->SetTexts(City(i).Name(), time, i == m_selected);
    }
}

void CTodayItem::resizeEvent(QResizeEvent*) { LayOut(); }

void CTodayItem::Tick() {
    if (!m_started) return;
    SYSTEMTIME now{};
    GetSystemTime(&now);
    const bool hour = DifferToTheHour(now, m_loadTime);
    // The times show minutes: the rows change, and are drawn, only when the minute shown did.
    const bool minute = hour || DifferToTheHour(now, m_shownTime) || now.wMinute != m_shownTime.wMinute;
    if (hour) LoadCities();
    if (!minute) return;
    m_shownTime = now;
    UpdateRows();
    for (int i = 0; i < m_count; ++i) update(m_timeRects[static_cast<size_t>(i)]);
}

void CTodayItem::timerEvent(QTimerEvent* e) {
    if (e->timerId() == m_timer) {
        Tick();
        return;
    }
    QWidget::timerEvent(e);
}

QColor CTodayItem::PageColour() const {
    // The Today screen's page is its window's base colour (the host paints it so).
    const QWidget* page = parentWidget() ? parentWidget() : this;
    return page->palette().color(QPalette::Base);
}

void CTodayItem::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (PocketPC2002() && parentWidget()) {
        // The Today screen paints its own background under the item.
        TODAYDRAWWATERMARKINFO info{&p, rect(), this};
        TodayMessageEvent watermark(TODAYM_DRAWWATERMARK, 0, &info);
        QCoreApplication::sendEvent(parentWidget(), &watermark);
    } else {
        p.fillRect(rect(), palette().color(QPalette::Base));
    }
    // The scheme's colours are made for a light page: on a dark one, their light shade.
    const QColor ink = za::ReadableOn(m_textColour, PageColour());
    p.setPen(ink);
    p.drawPixmap(QStyle::visualRect(layoutDirection(), rect(), QRect(2, 2, 16, 16)), m_icon);
    for (int i = 0; i < m_count; ++i) {
        const QRect& name = m_nameRects[static_cast<size_t>(i)];
        const QRect& time = m_timeRects[static_cast<size_t>(i)];
        p.setFont(i == m_selected ? m_boldFont : m_normalFont);
        p.setPen(ink);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        p.drawText(name, flags, p.fontMetrics().elidedText(City(i).Name(), Qt::ElideRight, name.width()));
        p.drawText(time, flags, TimeText(i));
        DrawNote(p, time, time.width() - p.fontMetrics().horizontalAdvance(TimeText(i)) - 6, Note(i));
        p.setPen(m_lineColour);
        const QRect line = name.united(time);
        p.drawLine(line.left(), name.bottom(), line.right(), name.bottom());
    }
}

void CTodayItem::DrawNote(QPainter& p, const QRect& r, int room, const za::DisplayNote& note) const {
    int right = r.right() - 2;
    if (note.changeSoon) {
        // The short mark of a clock change within a week: an amber triangle, up for forward.
        const int side = 6;
        DrawClockChangeMark(p, right, r.center().y(), side, note.change.Minutes() > 0);
        right -= side + 3;
        room -= side + 3;
    }
    if (note.offset.isEmpty()) return;
    QFont small = m_normalFont;
    small.setPointSizeF(m_normalFont.pointSizeF() * 0.8);
    // The note where it fits beside the time (a screen reader reads it all the same).
    if (QFontMetrics(small).horizontalAdvance(note.offset) > room) return;
    p.setFont(small);
    p.setPen(m_lineColour.darker(150));
    p.drawText(QRect(r.left(), r.top(), right - r.left(), r.height()), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
               note.offset);
}

void CTodayItem::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) StartApplication();
}

void CTodayItem::StartApplication() {
    // A running Zonaria comes to the front by itself when started again.
    za::shell::Current().StartProgram(m_appPath, {});
}

bool CTodayItem::event(QEvent* e) {
    if (e->type() == TodayMessageEvent::kType) {
        auto* msg = static_cast<TodayMessageEvent*>(e);
        if (msg->message == WM_TODAYCUSTOM_CLEARCACHE) {
            Cleanup();
            m_started = Initialise();
        } else if (msg->message == WM_TODAYCUSTOM_QUERYREFRESHCACHE) {
            auto* item = static_cast<TODAYLISTITEM*>(msg->lParam);
            msg->result = 0;
            if (item && item->cyp == 0) {
                item->cyp = static_cast<DWORD>(m_count * m_rowHeight);
                msg->result = 1;
            }
        }
        return true;
    }
    return QWidget::event(e);
}

namespace {

constexpr int kBand = 23;
constexpr int kBandInset = 8;
const char* const kExplanation = QT_TRANSLATE_NOOP("za::today::CTodayOptionsDlg",
    "The Zonaria today screen always displays the same cities that are shown on the Zonaria application "
    "main screen.  To change the cities shown on the today screen, change the displayed cities on the "
    "Zonaria main screen. ");

}  // namespace

CTodayOptionsDlg::CTodayOptionsDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Today: Zonaria Options"));
    setObjectName(QStringLiteral("dialog500"));
    m_titleFont = FaceFont(QStringLiteral("Tahoma"));
    m_titleFont.setPixelSize(qRound(11 * PointFontScale()));
    m_titleFont.setWeight(QFont::Bold);

    auto* label = new QLabel(tr("Number of cities to show:"), this);
    m_count = new QComboBox(this);
    m_count->setObjectName(QStringLiteral("1000"));
    m_count->addItems({QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
    label->setBuddy(m_count);
    m_count->setAccessibleName(label->text());
    if (CachedCount() == 0) SetCachedCount(static_cast<int>(GetReg().GetDWORDValue(CRegistry::ZATodayCount)));
    m_count->setCurrentIndex(std::clamp(CachedCount() - 2, 0, 3));
    auto* text = new QLabel(QCoreApplication::translate("za::today::CTodayOptionsDlg", kExplanation), this);
    text->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTodayOptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_count);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kBandInset, qRound(kBand * PointFontScale()) + 10, kBandInset, kBandInset);
    layout->addLayout(row);
    layout->addWidget(text);
    layout->addStretch(1);
    layout->addWidget(buttons);
    resize(360, 220);
}

void CTodayOptionsDlg::accept() {
    const int count = m_count->currentIndex() + 2;
    SetCachedCount(count);
    GetReg().WriteDWORDValue(CRegistry::ZATodayCount, static_cast<DWORD>(count));
    QDialog::accept();
}

void CTodayOptionsDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int band = qRound(kBand * PointFontScale());
    p.setPen(palette().color(QPalette::WindowText));
    p.drawLine(0, band, width(), band);
    p.setFont(m_titleFont);
    p.setPen(palette().color(QPalette::Highlight));
    p.drawText(QRect(kBandInset, 0, width() - 2 * kBandInset, band), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               windowTitle().left(512));
}

}  // namespace za::today
