// The Location page of the city editor: latitude and longitude in degrees, minutes and
// hemisphere, and a small world map that marks the place and takes a tap as a new place.
#pragma once

#include "basepropertysheet.h"
#include "worldmapwnd.h"

#include <map>

class QComboBox;
class QLineEdit;

namespace za::app {

// The small map: the world map window, its projection, marker and tap.
using CLocationMap = CWorldMapWnd;

constexpr UINT IDD_PAGE_LOCATION = 165;
constexpr int IDC_LOCATION_MAP = 100;
constexpr int IDC_LONGITUDE_HEMISPHERE = 1060;
constexpr int IDC_LATITUDE_HEMISPHERE = 1061;
constexpr int IDC_LATITUDE_DEGREES = 1063;
constexpr int IDC_LONGITUDE_DEGREES = 1064;
constexpr int IDC_LATITUDE_MINUTES = 1065;
constexpr int IDC_LONGITUDE_MINUTES = 1066;

class CPageLocation : public CPropertyPage {
    Q_OBJECT

public:
    // now: the instant whose day and night the map shows (UTC).
    explicit CPageLocation(const SYSTEMTIME& now, QWidget* parent = nullptr);

    // Hundredths of a degree, east and north positive.
    void Load(int longitude, int latitude);
    // Reads and range-checks the fields (the range message on a bad one) and joins them.
    BOOL OnKillActive() override;

    int Longitude() const { return m_longitude; }
    int Latitude() const { return m_latitude; }
    CLocationMap& Map() { return *m_map; }

    // A tap on the map at a place (hundredths of a degree): the fields show it.
    void OnMapTapped(int longitude, int latitude);

    // Decimal degrees typed or pasted into a degrees field: "48.8566, 2.3522" (latitude, then
    // longitude) sets both; one value ("-33.8688") sets the field's own axis. A value may carry
    // a degree sign and a hemisphere letter ("33.8688° S", "151.2093 E"), which then decides
    // its sign and, alone, its axis. Results in hundredths of a degree, rounded; FALSE for
    // text of another form or beyond ±90° / ±180°. *setLatitude and *setLongitude tell which
    // were given.
    static BOOL ParseDecimalDegrees(const QString& text, bool latitudeField, int* latitude, int* longitude,
                                    bool* setLatitude, bool* setLongitude);

private:
    // live: while typing, a field that is empty or not yet a whole number is skipped without a
    // message; otherwise every field must hold a number in its range.
    BOOL ReadControls(bool live);
    void ShowControls();
    void OnEdited(QLineEdit* edit, const QString& text);
    // Decimal degrees in a degrees field become degrees and minutes; FALSE when the text is
    // not decimal degrees.
    BOOL TakeDecimalDegrees(QLineEdit* edit);
    void OnPlaceChanged();

    int m_longitude = 0;
    int m_latitude = 0;
    int m_longitudeHemisphere = -1;  // 0 East, 1 West
    int m_latitudeHemisphere = -1;   // 0 North, 1 South
    int m_latitudeDegrees = 0;
    int m_latitudeMinutes = 0;
    int m_longitudeDegrees = 0;
    int m_longitudeMinutes = 0;

    QLineEdit* m_latDegrees;
    QLineEdit* m_latMinutes;
    QLineEdit* m_lonDegrees;
    QLineEdit* m_lonMinutes;
    QComboBox* m_latHemisphere;
    QComboBox* m_lonHemisphere;
    CLocationMap* m_map;
    // Each field's text after the last edit, to tell a paste from a typed character.
    std::map<QLineEdit*, QString> m_lastText;
};

}  // namespace za::app
