// The City Info page of the city editor: name, country, dialling codes and airport code.
#pragma once

#include "basepropertysheet.h"

class CCity;
class QLineEdit;

namespace za::app {

constexpr UINT IDD_PAGE_CITY = 163;
constexpr int IDC_CITY_NAME = 1053;
constexpr int IDC_COUNTRY = 1064;
constexpr int IDC_AIRPORT = 1065;
constexpr int IDC_COUNTRY_CODE = 1066;
constexpr int IDC_AREA_CODE = 1067;

class CPageCity : public CPropertyPage {
    Q_OBJECT

public:
    explicit CPageCity(QWidget* parent = nullptr);

    // The city's texts into the fields; the name can be changed only when editable.
    void Load(const CCity& city, bool nameEditable);
    // Reads the fields; an editable name must be one a new city may take (message 163).
    BOOL OnKillActive() override;

    // The fields as last stored.
    QString CityName() const { return m_cityName; }
    QString CountryName() const { return m_country; }
    QString CountryPhoneCode() const { return m_countryCode; }
    QString AreaCode() const { return m_areaCode; }
    QString AirportCode() const { return m_airportCode; }

    // The countries the database knows, for the country field's completion.
    static QStringList CountriesInDatabase();

signals:
    // The user changed the name of a new city.
    void nameChanged(const QString& name);

private:
    void Store();

    QString m_airportCode;
    QString m_areaCode;
    QString m_country;
    QString m_countryCode;
    QString m_cityName;
    bool m_nameEditable = false;

    QLineEdit* m_nameEdit;
    QLineEdit* m_countryEdit;
    QLineEdit* m_countryCodeEdit;
    QLineEdit* m_areaCodeEdit;
    QLineEdit* m_airportEdit;
};

}  // namespace za::app
