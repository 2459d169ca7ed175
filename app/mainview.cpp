#include "mainview.h"

#include "appmessage.h"
#include "appstrings.h"
#include "cityinstall.h"
#include "citylist.h"
#include "clock.h"
#include "currentcity.h"
#include "worldsettings.h"
#include "dialogframe.h"
#include "format.h"
#include "errorbox.h"
#include "probes.h"
#include "geography.h"
#include "mainframe.h"
#include "poapp.h"
#include "resource.h"
#include "settings.h"
#include "shell.h"
#include "stringtable.h"
#include "timeservice.h"
#include "tzlist.h"
#include "zonariaapp.h"
#include "zonecheck.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QTimerEvent>
#include <QToolButton>

#include <algorithm>

namespace za::app {
using za::FormatString;
using za::kDisplays;

namespace {

// The tip's text offset from the tapped point of the map.
constexpr int kTipOffset = 5;

// How often a device-zone check that waits for a modal dialog looks again, in milliseconds.
constexpr int kDeferredCheckMs = 250;

// The tip's facts of a displayed city at the shown instant: name, country, zone, coordinates,
// the day's sunrise and sunset, airport and phone codes, and the next clock change when known.
QString InfoText(const CCity& city, const SYSTEMTIME& utc, const QString& change) {
    QString rise, set;
    SYSTEMTIME local{};
    city.TimeZone().UTCTimeToLocalTime(utc, local);
    city.RiseSet(rise, set, &local, ZENITH_OFFICIAL);
    return FormatString(AppString(IDS_INFO_TEXT),
                        {city.Name(), city.CountryName(), city.TimeZone().Name(), city.LongitudeAsString(),
                         city.LatitudeAsString(), rise, set, city.AirportCode(), city.CountryPhoneCode(), city.AreaCode()}) +
           (change.isEmpty() ? QString() : QLatin1Char('\n') + change);
}

}  // namespace

CMainView::CMainView(CMainFrame& frame) : QWidget(&frame), m_frame(frame) {
    setAccessibleName(tr("Main screen"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    m_selected = IDC_DISPLAY0 + static_cast<int>(frame.App().GetSelectedDisplay());
    m_tip = new CMapTip(this, frame.App());
    for (auto& display : m_displays) display = new CCityDisplay(this, frame.App());
    LoadDisplayedCities();
    CRegistry& reg = GetReg();
    for (int i = 0; i < kDisplays; ++i) {
        reg.Open();
        CCityDisplay& display = Display(i);
        display.Create(OptionsFor(i, IDC_DISPLAY0 + i == m_selected), IDC_DISPLAY0 + i);
        connect(&display, &CCityDisplay::notify, this, &CMainView::OnDisplayNotify);
        reg.Close();
    }
    const DWORD twilight = reg.GetDWORDValue(CRegistry::Twilight);
    m_map = new CWorldMapWnd(this, MAP_SHADING | (twilight == 1 ? 0 : MAP_TWILIGHT));
    m_map->SetTwilightSetting(twilight);
    SetControlId(m_map, IDC_WORLDMAP);
    connect(m_map, &CWorldMapWnd::tapped, this,
            [this](const NMMAPTAPPED& tap) { OnMapTapped(tap.longitude, tap.latitude); });
    m_map->ShowSkyPoints(true);
    m_showOffsets = za::ShowOffsetsSetting();
    // One read of the clock for the displays and the map until the first tick.
    OnClockTick();
    // Tab goes from display to display from the top, the map in its place between 0 and 1.
    setTabOrder(m_displays[0], m_displays[1]);
    for (int i = 1; i + 1 < kDisplays; ++i) setTabOrder(m_displays[static_cast<size_t>(i)], m_displays[static_cast<size_t>(i + 1)]);
    m_clockTimer = startTimer(kClockMs);
    za::device::WatchDeviceChanges(this, [this](unsigned changes) { OnDeviceChanged(changes); });
}

CMainView::~CMainView() {
    if (m_clockTimer) killTimer(m_clockTimer);
    KillTipTimer();
}

void CMainView::LoadDisplayedCities() {
    CZonariaApp& app = m_frame.App();
    CCityList& list = GetCityList();
    for (int i = 0; i < kDisplays; ++i) {
        CCity& city = Display(i).City();
        if (list.LoadCity(app.GetDisplayedCity(i), city)) continue;
        // The name is gone from the database: the first city stands in and is remembered.
        if (!list.BeginLoadCityByIndex()) continue;
        const BOOL loaded = list.LoadCity(0L, city);
        list.EndLoadCityByIndex();
        if (loaded) app.SetDisplayedCity(i, city.Name());
    }
}

DWORD CMainView::OptionsFor(int i, bool selected) {
    CRegistry& reg = GetReg();
    DWORD options = 0;
    if (reg.GetDWORDValue(CRegistry::CCButton) != 0) options |= CDS_CURRENTBUTTON;
    if (reg.GetDWORDValue(CRegistry::CPButton) != 0) options |= CDS_CHANGEBUTTON;
    const DWORD current = CDS_CURRENT | CDS_TWOLINE | CDS_ALTFORMAT | CDS_BOLD;
    if (i == 0) {
        if (selected) options |= current;
    } else {
        options |= CDS_TOPLINE;
        if (selected) options |= current;
    }
    return options;
}

int CMainView::DisplaysHeight() const {
    int height = 0;
    for (const CCityDisplay* d : m_displays) height += d->PreferredHeight();
    return height;
}

int CMainView::heightForWidth(int width) const { return DisplaysHeight() + m_map->heightForWidth(width); }

QSize CMainView::sizeHint() const { return QSize(kPreferredWidth, heightForWidth(kPreferredWidth)); }

QSize CMainView::minimumSizeHint() const {
    // As narrow as the handheld's screen where the displays' times fit it; wider where a
    // desktop font or a language writes them wider.
    int width = kMinimumWidth;
    for (const CCityDisplay* d : m_displays) width = std::max(width, d->MinimumWidth());
    return QSize(width, DisplaysHeight() + m_map->heightForWidth(kMinimumMapWidth));
}

QRect CMainView::MapRoom(const QRect& room) const {
    // The map fills the room left by the displays as far as its aspect lets it, centred, so
    // that a tall or a wide window shows the window's background beside it, never a display
    // pushed out.
    QSize size(room.width(), m_map->heightForWidth(room.width()));
    if (size.height() > room.height()) {
        size.setHeight(std::max(room.height(), 0));
        size.setWidth(std::min(room.width(), size.height() * kMapAspectWidth / kMapAspectHeight));
    }
    const QPoint at(room.x() + (room.width() - size.width()) / 2, room.y() + (room.height() - size.height()) / 2);
    return QRect(at, size);
}

void CMainView::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    LayOut();
}

void CMainView::LayOut() {
    const int width = this->width();
    const int top = m_displays[0]->PreferredHeight();
    m_displays[0]->setGeometry(0, 0, width, top);
    BOOL panelUp = FALSE;
    SIP_Info(&panelUp, nullptr);
    if (!panelUp) {
        const int below = DisplaysHeight() - top;
        const QRect mapRoom(0, top, width, height() - top - below);
        m_map->setGeometry(MapRoom(mapRoom));
        if (m_welcome) {
            // Over the map's foot, where it hides no clock.
            const int h = std::min(m_welcome->heightForWidth(width), mapRoom.height());
            m_welcome->setGeometry(0, mapRoom.bottom() + 1 - h, width, h);
        }
        int y = height() - below;
        for (int i = 1; i < kDisplays; ++i) {
            CCityDisplay& d = Display(i);
            d.setGeometry(0, y, width, d.PreferredHeight());
            y += d.PreferredHeight();
        }
        return;
    }
    // With an input panel up the displays stack upward from the bottom, over the map.
    m_map->setGeometry(0, top, width, m_map->heightForWidth(width));
    int bottom = height();
    for (int i = kDisplays - 1; i >= 1; --i) {
        CCityDisplay& d = Display(i);
        bottom -= d.PreferredHeight();
        d.setGeometry(0, bottom, width, d.PreferredHeight());
    }
}

BOOL CMainView::OnCommand(UINT id) {
    CDialogLauncher& dialogs = *m_frame.App().Dialogs();
    switch (id) {
    case ID_ALARMS:
        dialogs.Alarms(&m_frame, SelectedCity());
        return TRUE;
    case ID_DISTANCE_CALC:
        dialogs.DistanceCalculator(&m_frame, SelectedCity(), City(SelectedIndex() == 0 ? 1 : 0));
        return TRUE;
    case ID_SUNRISE:
        dialogs.Sunrise(&m_frame, SelectedCity());
        return TRUE;
    case ID_MOONRISE:
        dialogs.Moonrise(&m_frame, SelectedCity());
        return TRUE;
    case ID_SET_TIME:
        if (dialogs.SetTime(&m_frame) == IDOK) OnClockTick();
        return TRUE;
    case ID_EDIT_CITIES:
        dialogs.EditCities(&m_frame);
        LoadDisplayedCities();
        UpdateNotes(Display(0).ShownTime());
        for (CCityDisplay* d : m_displays) d->update();
        return TRUE;
    case ID_PREFERENCES:
        if (dialogs.Preferences(&m_frame) == IDOK) ApplyPreferences();
        return TRUE;
    default:
        return FALSE;
    }
}

void CMainView::OnClockTick() {
    SYSTEMTIME now{};
    GetSystemTime(&now);
    OnClockTick(now);
}

void CMainView::OnClockTick(const SYSTEMTIME& utc) {
    m_lastTick = utc;
    for (CCityDisplay* d : m_displays) d->UpdateTime(utc);
    UpdateNotes(utc);
    m_map->Refresh(utc);
}

void CMainView::timerEvent(QTimerEvent* e) {
    if (e->timerId() == m_clockTimer) {
        OnClockTick();
        return;
    }
    if (m_tipTimer != 0 && e->timerId() == m_tipTimer) {
        HideTip();
        return;
    }
    QWidget::timerEvent(e);
}

void CMainView::StartTipTimer() {
    KillTipTimer();
    m_tipTimer = startTimer(kTipMs);
}

void CMainView::KillTipTimer() {
    if (m_tipTimer == 0) return;
    killTimer(m_tipTimer);
    m_tipTimer = 0;
}

void CMainView::ShowTip(int x, int y, const QString& text, int longitude, int latitude) {
    HideTip();
    // The tip's first line names the place for a screen reader.
    m_map->SetMarker(longitude, latitude, text.section(QLatin1Char('\n'), 0, 0));
    m_tip->Show(x, y, longitude, latitude, text);
    StartTipTimer();
}

void CMainView::HideTip() {
    m_map->ClearMarker();
    m_tip->Hide();
    KillTipTimer();
}

void CMainView::mousePressEvent(QMouseEvent* e) {
    HideTip();
    QWidget::mousePressEvent(e);
}

void CMainView::OnMapTapped(int longitude, int latitude) {
    CCity city;
    QString text;
    if (GetCityList().FindNearestCity(longitude, latitude, city)) {
        text = za::CityEntry(city.Name(), city.CountryName()) + QLatin1Char('\n') +
               city.LocalTimeAsString(Display(0).ShownTime(), TF_WEEKDAY_TIME);
        const QString change = za::ClockChangeText(m_changes.For(city, Display(0).ShownTime()));
        if (!change.isEmpty()) text += QLatin1Char('\n') + change;
        longitude = city.Longitude();
        latitude = city.Latitude();
    } else {
        text = FormatString(QStringLiteral("%s\n%s"), {FormatLongitude(longitude), FormatLatitude(latitude)});
    }
    const QPoint at = m_map->mapTo(this, m_map->WindowPointOf(longitude, latitude));
    ShowTip(at.x() + kTipOffset, at.y() + kTipOffset, text, longitude, latitude);
}

void CMainView::OnZoomMap(LPARAM lParam) {
    const auto packed = static_cast<quint32>(lParam);
    const int longitude = static_cast<qint16>(packed & 0xFFFFu);
    const int latitude = static_cast<qint16>(packed >> 16);
    // The marker stays on the place, and so does its name for a screen reader.
    const QString place = m_tip->Text().section(QLatin1Char('\n'), 0, 0);
    m_map->ZoomAt(longitude, latitude);
    HideTip();
    m_map->SetMarker(longitude, latitude, place);
    StartTipTimer();
}

int CMainView::IndexOf(const CCityDisplay* display) const {
    for (int i = 0; i < kDisplays; ++i) {
        if (m_displays[static_cast<size_t>(i)] == display) return i;
    }
    return -1;
}

void CMainView::OnDisplayNotify(CityDisplayNotify& n) {
    const int index = IndexOf(n.sender);
    if (index < 0) return;
    switch (n.code) {
    case CDN_TAPPED:
        if (n.hold) {
            HideTip();
        } else {
            const QPoint at = n.sender->mapTo(this, n.point);
            ShowTip(at.x(), at.y(), InfoText(n.sender->City(), n.sender->ShownTime(), n.sender->ChangeNote()), n.longitude, n.latitude);
        }
        break;
    case CDN_CITYCHANGING:
        if (n.id == m_selected && n.city && !ConfirmCurrentCity(SelectedCity(), *n.city, index)) n.cancel = TRUE;
        break;
    case CDN_CITYCHANGED:
        m_frame.App().SetDisplayedCity(index, n.sender->City().Name());
        UpdateNotes(n.sender->ShownTime());
        break;
    case CDN_SETCURRENT:
        if (ConfirmCurrentCity(SelectedCity(), n.sender->City(), index)) SelectDisplay(index);
        break;
    default:
        break;
    }
}

void CMainView::SelectDisplay(int i) {
    if (IDC_DISPLAY0 + i == m_selected) return;
    const int old = SelectedIndex();
    m_selected = IDC_DISPLAY0 + i;
    CRegistry& reg = GetReg();
    reg.Open();
    if (Display(i).SetOptions(OptionsFor(i, true))) Display(i).update();
    if (Display(old).SetOptions(OptionsFor(old, false))) Display(old).update();
    reg.Close();
    m_frame.App().SetSelectedDisplay(static_cast<DWORD>(i));
    LayOut();
    updateGeometry();  // another display has the top's long date
    UpdateNotes(Display(i).ShownTime());
}

void CMainView::UpdateNotes(const SYSTEMTIME& utc) {
    for (int i = 0; i < kDisplays; ++i) {
        const za::DisplayNote note =
            za::MakeDisplayNote(SelectedCity(), City(i), i == SelectedIndex(), m_showOffsets, utc, m_changes);
        const int mark = note.changeSoon ? (note.change.Minutes() > 0 ? 1 : -1) : 0;
        Display(i).SetNote(note.offset, note.changeText, mark);
    }
}

BOOL CMainView::ConfirmCurrentCity(const CCity& oldCity, const CCity& newCity, int index) {
    const bool differ = newCity.TimeZone().ID() != oldCity.TimeZone().ID();
    const QString text = differ ? FormatString(AppString(IDS_CHANGE_CURRENT_CITY), {newCity.Name(), newCity.TimeZone().Name()})
                                : FormatString(AppString(IDS_SAME_ZONE_CITY), {newCity.Name()});
    if (za::shell::Current().MessageBox(text, za::ResourceCaption(), MB_YESNO | MB_ICONQUESTION) != IDYES) return FALSE;
    // The zone, the display's city and the selection in one transaction: a program killed
    // halfway leaves them agreeing. A refused write is said, and nothing changes.
    return ApplyCurrentCity(newCity, index, differ);
}

BOOL CMainView::ApplyCurrentCity(const CCity& city, int index, bool changeZone) {
    bool zoneRefused = false;
    if (za::CommitCurrentCity(city, index, changeZone, &zoneRefused)) return TRUE;
    if (!zoneRefused) {
        EZError(RefusedWriteText(), 0, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    // The computer refused (not authorised) or its time service is gone: nothing changed, and
    // the user learns why rather than seeing the selection stay put.
    const QString text = FormatString(AppString(IDS_ZONE_REFUSED),
                                      {city.TimeZone().Name(), za::device::LastClockError(), SelectedCity().Name()});
    za::shell::Current().MessageBox(text, za::ResourceCaption(), MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

void CMainView::OnDeviceChanged(unsigned changes) {
    if (changes & za::device::ProfileChanged) ReloadFromProfile();
    OnClockTick();
    if (m_checkPending) return;
    m_checkPending = true;
    QTimer::singleShot(0, this, &CMainView::RunPendingCheck);
}

void CMainView::RunPendingCheck() {
    // A question or editor of this window may be open: the check waits until it has closed.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(kDeferredCheckMs, this, &CMainView::RunPendingCheck);
        return;
    }
    m_checkPending = false;
    CheckDeviceTimeZone();
    OnClockTick();
    emit cityChecked();
}

void CMainView::ReloadFromProfile() {
    CZonariaApp& app = m_frame.App();
    app.ReadDisplayedCities();
    GetCityList().LoadCityNames();
    LoadDisplayedCities();
    for (CCityDisplay* d : m_displays) d->SetCity(d->City());
    const int selected = IDC_DISPLAY0 + static_cast<int>(app.GetSelectedDisplay());
    if (selected != m_selected) {
        m_selected = selected;
        CRegistry& reg = GetReg();
        reg.Open();
        for (int i = 0; i < kDisplays; ++i) Display(i).SetOptions(OptionsFor(i, IDC_DISPLAY0 + i == m_selected));
        reg.Close();
        LayOut();
    }
    ApplyPreferences();
}

void CMainView::OnCheckCity() {
    CheckDeviceTimeZone();
    // The current city may be another now: the offsets are from it.
    UpdateNotes(Display(0).ShownTime());
    CRegistry& reg = GetReg();
    if (reg.GetDWORDValue(CRegistry::InitialRun) != 0) {
        reg.WriteDWORDValue(CRegistry::InitialRun, 0);
        ShowWelcome();
    }
    emit cityChecked();
}

void CMainView::ShowWelcome() {
    // A desktop opens no page unasked: a short word inside the window, with the way to the
    // help's welcome page for whoever wants it.
    if (!m_welcome) {
        auto* welcome = new QFrame(this);
        welcome->setFrameShape(QFrame::StyledPanel);
        m_welcome = welcome;
        m_welcome->setObjectName(QStringLiteral("welcome"));
        m_welcome->setAutoFillBackground(true);
        m_welcome->setBackgroundRole(QPalette::AlternateBase);
        m_welcome->setAccessibleName(tr("Welcome"));
        auto* layout = new QHBoxLayout(m_welcome);
        layout->setContentsMargins(6, 4, 4, 4);
        auto* text = new QLabel(tr("Welcome to Zonaria. Click a city or the map for its facts, right-click a "
                                    "city for its menu. <a href=\"welcome\">Getting started</a>"),
                                m_welcome);
        text->setWordWrap(true);
        text->setTextFormat(Qt::RichText);
        text->setTextInteractionFlags(Qt::TextBrowserInteraction);
        text->setForegroundRole(QPalette::WindowText);
        connect(text, &QLabel::linkActivated, this, [](const QString& topic) {
            za::shell::Current().ShowHelp(QString::fromLatin1(kHelpPrefix) + topic);
        });
        layout->addWidget(text, 1);
        auto* close = new QToolButton(m_welcome);
        close->setAutoRaise(true);
        close->setText(QStringLiteral("\u2715"));
        close->setAccessibleName(tr("Close the welcome"));
        close->setToolTip(close->accessibleName());
        connect(close, &QToolButton::clicked, this, &CMainView::HideWelcome);
        layout->addWidget(close, 0, Qt::AlignTop);
    }
    m_welcome->show();
    m_welcome->raise();
    LayOut();
}

void CMainView::HideWelcome() {
    if (m_welcome) m_welcome->hide();
}

bool CMainView::IsWelcomeShown() const { return m_welcome && m_welcome->isVisible(); }

void CMainView::CheckDeviceTimeZone() {
    TIME_ZONE_INFORMATION device{};
    GetTimeZoneInformation(&device);
    std::array<const CCity*, kDisplays> cities{};
    for (int i = 0; i < kDisplays; ++i) cities[static_cast<size_t>(i)] = &City(i);
    const za::ZoneCheck check = za::CheckDeviceZone(cities, SelectedIndex(), device);
    switch (check.outcome) {
    case za::ZoneCheck::SelectDisplay:
        SelectDisplay(check.display);
        return;
    case za::ZoneCheck::ReplaceCity:
        m_frame.App().SetDisplayedCity(check.display, check.city.Name());
        Display(check.display).SetCity(check.city);
        return;
    case za::ZoneCheck::NewCity:
        break;
    default:
        return;
    }
    // Nothing in the database lies in the device's zone: a new city for it, for the user to
    // complete in the city editor.
    CCityDisplay& display = Display(check.display);
    CTimeZone zone;
    zone.Load(check.zoneId);
    // A name the editor can save (no parentheses), and the place and codes of a well-known city
    // of the zone, or none: a fixed 38° N 120° W in the USA was wrong for every other zone.
    const QString name = za::PlaceholderCityName(AppString(IDS_CITY_IN), zone.Name(), za::kMaxCityName);
    CCity fresh;
    fresh.SetName(name);
    fresh.SetTimeZoneID(check.zoneId);
    za::WellKnownCityOfZone(check.zoneId, &fresh);
    display.SetCity(fresh);
    m_frame.App().SetDisplayedCity(check.display, name);
    m_frame.App().Dialogs()->EditCity(this, display.City(), true);
    display.update();
    m_frame.App().SetDisplayedCity(check.display, display.City().Name());
}

void CMainView::ApplyPreferences() {
    CRegistry& reg = GetReg();
    reg.Open();
    const DWORD twilight = reg.GetDWORDValue(CRegistry::Twilight);
    const bool cc = reg.GetDWORDValue(CRegistry::CCButton) != 0;
    const bool cp = reg.GetDWORDValue(CRegistry::CPButton) != 0;
    reg.Close();
    const DWORD options = m_map->Options();
    m_map->SetTwilightSetting(twilight);
    m_map->SetOptions(twilight == 1 ? (options & ~MAP_TWILIGHT) : (options | MAP_TWILIGHT));
    DWORD set = 0, clear = 0;
    if (cp && cc) {
        set = CDS_CHANGEBUTTON | CDS_CURRENTBUTTON;
    } else if (cp) {
        set = CDS_CHANGEBUTTON;
        clear = CDS_CURRENTBUTTON;
    } else if (cc) {
        set = CDS_CURRENTBUTTON;
        clear = CDS_CHANGEBUTTON;
    } else {
        clear = CDS_CHANGEBUTTON | CDS_CURRENTBUTTON;
    }
    for (CCityDisplay* d : m_displays) {
        d->ChangeOptions(set, clear);
        d->update();
    }
    m_showOffsets = za::ShowOffsetsSetting();
    UpdateNotes(Display(0).ShownTime());
    updateGeometry();  // the displays' formats set how narrow the window may be
}

void CMainView::ReleaseMapImages() { m_map->ReleaseImages(); }

void CMainView::ReloadMapImages() { m_map->RestoreImages(); }

bool CMainView::event(QEvent* e) {
    if (e->type() == AppMessageEvent::Type()) {
        const auto* msg = static_cast<AppMessageEvent*>(e);
        if (msg->message() == WM_CHECKCITY) OnCheckCity();
        if (msg->message() == WM_ZOOMMAP) OnZoomMap(msg->lParam());
        return true;
    }
    return QWidget::event(e);
}

}  // namespace za::app
