// What the tests of the city lists and the city editor share: a profile with the shipped city
// database open, the recorder shell, row sources that count or stand in for the city list, and
// a place for the pictures of the dialogs.
#pragma once

#include "apptest.h"
#include "citylist.h"
#include "citylistctrl.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace za::test {

// The city list's rows, with every bracket and load counted.
class CountingSource : public za::app::CCityRowSource {
public:
    int brackets = 0;
    std::vector<long> loaded;

    BOOL BeginLoadCityByIndex() override {
        ++brackets;
        return CCityRowSource::BeginLoadCityByIndex();
    }
    BOOL LoadCity(long index, CCity& city) override {
        loaded.push_back(index);
        return CCityRowSource::LoadCity(index, city);
    }
};

// Rows of made-up cities, in name order, without a database; a load outside a bracket fails
// the test.
class FakeSource : public za::app::CCityRowSource {
public:
    // Cities named name0, name1, ... ("City 00", "City 01" ...) in country "Land".
    explicit FakeSource(int count);

    std::vector<CCity> cities;
    int brackets = 0;
    int loads = 0;
    bool open = false;

    int GetCityCount() override { return static_cast<int>(cities.size()); }
    long FindIndexOfCity(const QString& text) override;
    BOOL BeginLoadCityByIndex() override;
    BOOL LoadCity(long index, CCity& city) override;
    void EndLoadCityByIndex() override { open = false; }
    const za::CityIndex& Index() override { return index; }
    unsigned IndexVersion() override { return 1; }

    za::CityIndex index;
};

// A fresh profile with the city list open (the application is not started).
class CityDbTest : public ProfileTest {
protected:
    CityDbTest();
    ~CityDbTest() override;

    za::shell::ScopedRecorder shell;
};

// A city of the database; a failure of the test when it is missing.
CCity LoadedCity(const QString& name);
bool CityExists(const QString& name);
// The city named like a copy of another, saved and listed.
void AddCityLike(const QString& original, const QString& name);
// The texts of the message boxes shown so far.
QStringList Messages(za::shell::RecordingShell& shell);

}  // namespace za::test
