#include "pagelocation.h"

#include "clock.h"

#include "appstrings.h"
#include "errorbox.h"
#include "geography.h"
#include "resource.h"
#include "stringtable.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace za::app {
namespace {

constexpr int kMaxLatitudeDegrees = 90;
constexpr int kMaxLongitudeDegrees = 180;
constexpr int kMaxMinutes = 59;
// Room for a pasted pair of decimal degrees, which becomes degrees and minutes at once.
constexpr int kDegreesTextLimit = 40;
constexpr int kNumberCharacters = 5;

// One value of decimal degrees: a signed number, a degree sign, a hemisphere letter.
const QString kValue = QStringLiteral("([+-]?\\d+(?:\\.\\d+)?)\\s*°?\\s*([NSEWnsew])?");

QLineEdit* MakeNumberEdit(QWidget* parent, int id, const QString& name, const QString& allowed, int limit) {
    auto* edit = new QLineEdit(parent);
    SetControlId(edit, id);
    edit->setAccessibleName(name);
    edit->setMaxLength(limit);
    edit->setAlignment(Qt::AlignRight);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(allowed), edit));
    const int width = edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * kNumberCharacters + 16;
    edit->setFixedWidth(width);
    return edit;
}

QComboBox* MakeHemisphereCombo(QWidget* parent, int id, const QString& name, const QString& first,
                               const QString& second) {
    auto* combo = new QComboBox(parent);
    SetControlId(combo, id);
    combo->setAccessibleName(name);
    combo->addItems({first, second});
    return combo;
}

// value in degrees with its letter (may be empty) → signed hundredths; the letter decides the
// sign when there is one. FALSE beyond limit degrees.
bool ToHundredths(const QString& number, const QString& letter, int limit, int* out) {
    bool ok = false;
    double degrees = number.toDouble(&ok);
    if (!ok) return false;
    if (!letter.isEmpty()) {
        const QChar c = letter.at(0).toUpper();
        degrees = (c == QLatin1Char('S') || c == QLatin1Char('W')) ? -std::fabs(degrees) : std::fabs(degrees);
    }
    if (std::fabs(degrees) > limit) return false;
    *out = static_cast<int>(std::lround(degrees * 100.0));
    return true;
}

// Digits only: what the fields hold once typed; anything else is decimal degrees or unfinished.
bool IsWholeNumber(const QString& text) {
    return !text.isEmpty() && text.size() <= 9 && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

bool IsLatitudeLetter(const QString& letter) {
    return letter.isEmpty() || QStringLiteral("NSns").contains(letter.at(0));
}
bool IsLongitudeLetter(const QString& letter) {
    return letter.isEmpty() || QStringLiteral("EWew").contains(letter.at(0));
}

}  // namespace

CPageLocation::CPageLocation(const SYSTEMTIME& now, QWidget* parent)
    : CPropertyPage(IDD_PAGE_LOCATION, QString::fromLatin1(kHelpPrefix) + QStringLiteral("city_edit"), IDR_EDIT_BAR,
                    tr("Location"), parent) {
    QWidget* body = Body();
    const QString degreesText = QStringLiteral("[0-9+\\-.,;°NSEWnsew\\s]*");
    const QString minutesText = QStringLiteral("\\d{0,3}");
    m_latDegrees = MakeNumberEdit(body, IDC_LATITUDE_DEGREES, tr("Latitude degrees"), degreesText,
                                  kDegreesTextLimit);
    m_latMinutes = MakeNumberEdit(body, IDC_LATITUDE_MINUTES, tr("Latitude minutes"), minutesText, 3);
    m_lonDegrees = MakeNumberEdit(body, IDC_LONGITUDE_DEGREES, tr("Longitude degrees"), degreesText,
                                  kDegreesTextLimit);
    m_lonMinutes = MakeNumberEdit(body, IDC_LONGITUDE_MINUTES, tr("Longitude minutes"), minutesText, 3);
    m_latHemisphere = MakeHemisphereCombo(body, IDC_LATITUDE_HEMISPHERE, tr("Latitude hemisphere"),
                                          tr("North"), tr("South"));
    m_lonHemisphere = MakeHemisphereCombo(body, IDC_LONGITUDE_HEMISPHERE, tr("Longitude hemisphere"),
                                          tr("East"), tr("West"));
    m_latDegrees->setToolTip(tr("Degrees; decimal degrees such as 48.8566, 2.3522 may be pasted here"));
    m_lonDegrees->setToolTip(m_latDegrees->toolTip());
    m_map = new CLocationMap(body);
    // The map shows the day and night the main screen shows.
    m_map->Refresh(now);
    SetControlId(m_map, IDC_LOCATION_MAP);
    // As wide as the page, in the map's own proportions.
    QSizePolicy mapPolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    mapPolicy.setHeightForWidth(true);
    m_map->setSizePolicy(mapPolicy);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(8);
    auto addRow = [&](int row, const QString& label, QLineEdit* degrees, QLineEdit* minutes, QComboBox* hemisphere) {
        auto* text = new QLabel(label, body);
        text->setBuddy(degrees);
        grid->addWidget(text, row, 0);
        grid->addWidget(degrees, row, 1);
        grid->addWidget(new QLabel(QStringLiteral("°"), body), row, 2);
        grid->addWidget(minutes, row, 3);
        grid->addWidget(new QLabel(QStringLiteral("´"), body), row, 4);
        grid->addWidget(hemisphere, row, 5);
    };
    addRow(0, tr("Latitude:"), m_latDegrees, m_latMinutes, m_latHemisphere);
    addRow(1, tr("Longitude:"), m_lonDegrees, m_lonMinutes, m_lonHemisphere);
    // Tab reads the rows as they are laid out: each row's hemisphere before the next row.
    setTabOrder(m_latMinutes, m_latHemisphere);
    setTabOrder(m_latHemisphere, m_lonDegrees);
    setTabOrder(m_lonMinutes, m_lonHemisphere);
    grid->setColumnMinimumWidth(0, 80);
    grid->setColumnStretch(6, 1);

    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(10, 12, 10, 10);
    layout->setSpacing(0);
    layout->addLayout(grid);
    // The map 5 pixels below the longitude row.
    layout->addSpacing(5);
    layout->addWidget(m_map);
    layout->addStretch(1);

    for (QLineEdit* edit : {m_latDegrees, m_latMinutes, m_lonDegrees, m_lonMinutes}) {
        connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& text) { OnEdited(edit, text); });
    }
    for (QLineEdit* edit : {m_latDegrees, m_lonDegrees}) {
        // Decimal degrees typed by hand become degrees and minutes when the typing ends.
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            if (!IsWholeNumber(edit->text().trimmed())) TakeDecimalDegrees(edit);
        });
    }
    for (QComboBox* combo : {m_latHemisphere, m_lonHemisphere}) {
        connect(combo, &QComboBox::activated, this, [this] { OnPlaceChanged(); });
    }
    connect(m_map, &CLocationMap::tapped, this, [this](const NMMAPTAPPED& tap) { OnMapTapped(tap.longitude, tap.latitude); });
}

void CPageLocation::Load(int longitude, int latitude) {
    m_longitude = longitude;
    m_latitude = latitude;
    ShowControls();
    m_map->SetMarker(m_longitude, m_latitude);
}

void CPageLocation::ShowControls() {
    int positive = 1;
    ConvertToDMS(m_latitude, &m_latitudeDegrees, &m_latitudeMinutes, &positive);
    m_latitudeHemisphere = positive ? 0 : 1;
    ConvertToDMS(m_longitude, &m_longitudeDegrees, &m_longitudeMinutes, &positive);
    m_longitudeHemisphere = positive ? 0 : 1;
    if (m_latitudeDegrees >= kMaxLatitudeDegrees) m_latitudeMinutes = 0;
    if (m_longitudeDegrees >= kMaxLongitudeDegrees) m_longitudeMinutes = 0;
    const std::pair<QLineEdit*, int> texts[] = {{m_latDegrees, m_latitudeDegrees},
                                                {m_latMinutes, m_latitudeMinutes},
                                                {m_lonDegrees, m_longitudeDegrees},
                                                {m_lonMinutes, m_longitudeMinutes}};
    for (const auto& [edit, value] : texts) {
        edit->setText(QString::number(value));
        m_lastText[edit] = edit->text();
    }
    m_latHemisphere->setCurrentIndex(m_latitudeHemisphere);
    m_lonHemisphere->setCurrentIndex(m_longitudeHemisphere);
}

BOOL CPageLocation::ReadControls(bool live) {
    struct Field {
        QLineEdit* edit;
        int high;
    };
    const Field fields[] = {{m_latDegrees, kMaxLatitudeDegrees},
                            {m_latMinutes, kMaxMinutes},
                            {m_lonDegrees, kMaxLongitudeDegrees},
                            {m_lonMinutes, kMaxMinutes}};
    int values[4] = {};
    for (int i = 0; i < 4; ++i) {
        const Field& f = fields[i];
        const QString text = f.edit->text().trimmed();
        const bool whole = IsWholeNumber(text);
        const int v = whole ? text.toInt() : -1;
        if (whole && v >= 0 && v <= f.high) {
            values[i] = v;
            continue;
        }
        // Empty, or decimal degrees on their way: still being typed.
        if (live && !whole) return FALSE;
        EZError(FormatString(AppString(IDS_INTEGER_RANGE), {0, f.high}), 0, MB_OK | MB_ICONEXCLAMATION);
        f.edit->setFocus();
        f.edit->selectAll();
        return FALSE;
    }
    m_latitudeDegrees = values[0];
    m_latitudeMinutes = values[1];
    m_longitudeDegrees = values[2];
    m_longitudeMinutes = values[3];
    m_latitudeHemisphere = m_latHemisphere->currentIndex();
    m_longitudeHemisphere = m_lonHemisphere->currentIndex();
    // A pole or the date line has no minutes beyond it.
    if (m_latitudeDegrees == kMaxLatitudeDegrees && m_latitudeMinutes != 0) {
        m_latitudeMinutes = 0;
        m_latMinutes->setText(QStringLiteral("0"));
        m_lastText[m_latMinutes] = m_latMinutes->text();
    }
    if (m_longitudeDegrees == kMaxLongitudeDegrees && m_longitudeMinutes != 0) {
        m_longitudeMinutes = 0;
        m_lonMinutes->setText(QStringLiteral("0"));
        m_lastText[m_lonMinutes] = m_lonMinutes->text();
    }
    ConvertFromDMS(&m_latitude, m_latitudeDegrees, m_latitudeMinutes, m_latitudeHemisphere == 0);
    ConvertFromDMS(&m_longitude, m_longitudeDegrees, m_longitudeMinutes, m_longitudeHemisphere == 0);
    return TRUE;
}

void CPageLocation::OnEdited(QLineEdit* edit, const QString& text) {
    const QString before = m_lastText[edit];
    m_lastText[edit] = text;
    const bool degrees = edit == m_latDegrees || edit == m_lonDegrees;
    // Several characters at once are a paste: decimal degrees are taken at once.
    if (degrees && !IsWholeNumber(text.trimmed()) && text.size() - before.size() > 1 && TakeDecimalDegrees(edit)) {
        return;
    }
    OnPlaceChanged();
}

void CPageLocation::OnPlaceChanged() {
    SetPageModified();
    if (ReadControls(true)) m_map->SetMarker(m_longitude, m_latitude);
}

BOOL CPageLocation::TakeDecimalDegrees(QLineEdit* edit) {
    int latitude = m_latitude, longitude = m_longitude;
    bool setLatitude = false, setLongitude = false;
    if (!ParseDecimalDegrees(edit->text(), edit == m_latDegrees, &latitude, &longitude, &setLatitude,
                             &setLongitude)) {
        return FALSE;
    }
    if (setLatitude) m_latitude = latitude;
    if (setLongitude) m_longitude = longitude;
    ShowControls();
    m_map->SetMarker(m_longitude, m_latitude);
    SetPageModified();
    return TRUE;
}

void CPageLocation::OnMapTapped(int longitude, int latitude) {
    m_longitude = std::clamp(longitude, -18000, 18000);
    m_latitude = std::clamp(latitude, -9000, 9000);
    ShowControls();
    m_map->SetMarker(m_longitude, m_latitude);
    SetPageModified();
}

BOOL CPageLocation::OnKillActive() {
    // Untouched, the page keeps the city's own position: degrees and minutes are coarser than
    // hundredths, and joining them again would move the city (35.69° shows as 35° 41', which
    // is 35.68°) every time another page is saved.
    if (!IsPageModified()) return TRUE;
    for (QLineEdit* edit : {m_latDegrees, m_lonDegrees}) {
        if (!IsWholeNumber(edit->text().trimmed())) TakeDecimalDegrees(edit);
    }
    return ReadControls(false);
}

BOOL CPageLocation::ParseDecimalDegrees(const QString& text, bool latitudeField, int* latitude, int* longitude,
                                        bool* setLatitude, bool* setLongitude) {
    *setLatitude = *setLongitude = false;
    static const QRegularExpression pair(QStringLiteral("^\\s*") + kValue + QStringLiteral("\\s*(?:[,;]\\s*|\\s+)") +
                                         kValue + QStringLiteral("\\s*$"));
    static const QRegularExpression single(QStringLiteral("^\\s*") + kValue + QStringLiteral("\\s*$"));
    QRegularExpressionMatch m = pair.match(text);
    if (m.hasMatch()) {
        if (!IsLatitudeLetter(m.captured(2)) || !IsLongitudeLetter(m.captured(4))) return FALSE;
        int lat = 0, lon = 0;
        if (!ToHundredths(m.captured(1), m.captured(2), kMaxLatitudeDegrees, &lat) ||
            !ToHundredths(m.captured(3), m.captured(4), kMaxLongitudeDegrees, &lon)) {
            return FALSE;
        }
        *latitude = lat;
        *longitude = lon;
        *setLatitude = *setLongitude = true;
        return TRUE;
    }
    m = single.match(text);
    if (!m.hasMatch()) return FALSE;
    const QString letter = m.captured(2);
    const bool isLatitude = letter.isEmpty() ? latitudeField : IsLatitudeLetter(letter);
    int value = 0;
    if (!ToHundredths(m.captured(1), letter, isLatitude ? kMaxLatitudeDegrees : kMaxLongitudeDegrees, &value)) {
        return FALSE;
    }
    *(isLatitude ? latitude : longitude) = value;
    *(isLatitude ? setLatitude : setLongitude) = true;
    return TRUE;
}

}  // namespace za::app
