#include "pagecity.h"

#include "appstrings.h"
#include "city.h"
#include "citylist.h"
#include "errorbox.h"
#include "resource.h"

#include <QCompleter>
#include <QFormLayout>
#include <QLineEdit>
#include <QValidator>

#include <set>

namespace za::app {
namespace {

constexpr int kAirportLimit = 15;
constexpr int kAreaCodeLimit = 31;
constexpr int kCountryLimit = 31;
constexpr int kCountryCodeLimit = 15;

// Airport codes in capitals, however they are typed or pasted.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

QLineEdit* MakeEdit(QWidget* parent, int id, int limit) {
    auto* edit = new QLineEdit(parent);
    SetControlId(edit, id);
    edit->setMaxLength(limit);
    return edit;
}

}  // namespace

CPageCity::CPageCity(QWidget* parent)
    : CPropertyPage(IDD_PAGE_CITY, QString::fromLatin1(kHelpPrefix) + QStringLiteral("city_edit"), IDR_EDIT_BAR,
                    tr("City Info"), parent) {
    QWidget* body = Body();
    m_nameEdit = MakeEdit(body, IDC_CITY_NAME, za::kMaxCityName);
    m_countryEdit = MakeEdit(body, IDC_COUNTRY, kCountryLimit);
    m_countryCodeEdit = MakeEdit(body, IDC_COUNTRY_CODE, kCountryCodeLimit);
    m_areaCodeEdit = MakeEdit(body, IDC_AREA_CODE, kAreaCodeLimit);
    m_airportEdit = MakeEdit(body, IDC_AIRPORT, kAirportLimit);
    m_airportEdit->setValidator(new UpperCaseValidator(m_airportEdit));

    auto* completer = new QCompleter(CountriesInDatabase(), m_countryEdit);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchStartsWith);
    m_countryEdit->setCompleter(completer);

    auto* form = new QFormLayout(body);
    form->setContentsMargins(10, 12, 10, 10);
    form->setVerticalSpacing(8);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    AddFormRow(form, tr("City Name:"), m_nameEdit);
    AddFormRow(form, tr("Country:"), m_countryEdit);
    AddFormRow(form, tr("Country Code:"), m_countryCodeEdit);
    AddFormRow(form, tr("Area / City Code:"), m_areaCodeEdit);
    AddFormRow(form, tr("Airport:"), m_airportEdit);

    for (QLineEdit* edit : {m_countryEdit, m_countryCodeEdit, m_areaCodeEdit, m_airportEdit}) {
        connect(edit, &QLineEdit::textEdited, this, [this] { SetPageModified(); });
    }
    connect(m_nameEdit, &QLineEdit::textEdited, this, [this](const QString& name) {
        if (!m_nameEditable) return;
        Store();
        emit nameChanged(name);
        SetPageModified();
    });
}

void CPageCity::Load(const CCity& city, bool nameEditable) {
    m_cityName = city.Name();
    m_country = city.CountryName();
    m_airportCode = city.AirportCode();
    m_areaCode = city.AreaCode();
    m_countryCode = city.CountryPhoneCode();
    m_nameEditable = nameEditable;
    m_nameEdit->setText(m_cityName);
    m_nameEdit->setReadOnly(!nameEditable);
    // A name that cannot change looks it: the page's colour instead of a field's.
    QPalette palette = m_countryEdit->palette();
    if (!nameEditable) palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    m_nameEdit->setPalette(palette);
    m_countryEdit->setText(m_country);
    m_countryCodeEdit->setText(m_countryCode);
    m_areaCodeEdit->setText(m_areaCode);
    m_airportEdit->setText(m_airportCode.toUpper());
}

void CPageCity::Store() {
    m_cityName = m_nameEdit->text();
    m_country = m_countryEdit->text();
    m_countryCode = m_countryCodeEdit->text();
    m_areaCode = m_areaCodeEdit->text();
    m_airportCode = m_airportEdit->text();
}

BOOL CPageCity::OnKillActive() {
    Store();
    if (m_nameEditable && !GetCityList().IsCityNameValid(m_cityName)) {
        // The text has "%" of its own and no argument: shown as it is, not formatted.
        EZError(AppString(IDS_BAD_CITY_NAME), 0, MB_OK | MB_ICONEXCLAMATION);
        m_nameEdit->setFocus();
        m_nameEdit->selectAll();
        return FALSE;
    }
    return TRUE;
}

QStringList CPageCity::CountriesInDatabase() {
    // The name list's entries are "Name (Country)", and a name never holds a parenthesis.
    std::set<QString> countries;
    CCityList& cities = GetCityList();
    for (POSITION pos = cities.GetHeadCityNamePosition(); pos;) {
        const QString& entry = cities.GetNextCityName(pos);
        QString country;
        za::SplitCityEntry(entry, nullptr, &country);
        if (!country.isEmpty()) countries.insert(country);
    }
    return QStringList(countries.begin(), countries.end());
}

}  // namespace za::app
