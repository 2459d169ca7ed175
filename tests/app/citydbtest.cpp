#include "citydbtest.h"

#include "poapp.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

using namespace za::app;

namespace za::test {

FakeSource::FakeSource(int count) {
    for (int i = 0; i < count; ++i) {
        CCity city;
        city.SetName(QStringLiteral("City %1").arg(i, 4, 10, QLatin1Char('0')));
        city.SetCountryName(QStringLiteral("Land"));
        city.SetAirportCode(QStringLiteral("C%1").arg(i));
        cities.push_back(city);
        index.Append({city.Name(), city.CountryName(), city.CountryPhoneCode(), city.AreaCode(), city.AirportCode()});
    }
}

long FakeSource::FindIndexOfCity(const QString& text) {
    for (size_t i = 0; i < cities.size(); ++i) {
        const QString entry = cities[i].Name() + QStringLiteral(" (") + cities[i].CountryName() + QLatin1Char(')');
        if (entry.startsWith(text, Qt::CaseInsensitive)) return static_cast<long>(i);
    }
    return -1;
}

BOOL FakeSource::BeginLoadCityByIndex() {
    ++brackets;
    open = true;
    return TRUE;
}

BOOL FakeSource::LoadCity(long index, CCity& city) {
    EXPECT_TRUE(open) << "row " << index << " loaded outside a bracket";
    if (index < 0 || index >= static_cast<long>(cities.size())) return FALSE;
    ++loads;
    city = cities[static_cast<size_t>(index)];
    return TRUE;
}

CityDbTest::CityDbTest() {
    GetPOApp().Logoff();
    EXPECT_TRUE(GetCityList().Open());
    GetCityList().Refresh();
}

CityDbTest::~CityDbTest() {
    GetCityList().Close();
    GetPOApp().Logoff();
}

CCity LoadedCity(const QString& name) {
    CCity city;
    EXPECT_TRUE(GetCityList().LoadCity(name, city)) << qPrintable(name);
    return city;
}

bool CityExists(const QString& name) {
    CCity city;
    return GetCityList().LoadCity(name, city) == TRUE;
}

void AddCityLike(const QString& original, const QString& name) {
    CCity city = LoadedCity(original);
    city.SetName(name);
    ASSERT_TRUE(GetCityList().SaveCity(city));
    GetCityList().Refresh();
}

QStringList Messages(za::shell::RecordingShell& shell) {
    QStringList texts;
    for (const auto& call : shell.CallsOf(QStringLiteral("message"))) texts << call.text;
    return texts;
}

}  // namespace za::test
