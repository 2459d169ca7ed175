#include "tooltest.h"

#include "citylist.h"
#include "citypicker.h"
#include "resource.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace za::app;

namespace za::test {

ToolTest::ToolTest() : host(UtcMs(2026, 3, 8, 14, 37, 20)) {}

void ToolTest::SetUp() {
    GetReg().WriteStringValue(CRegistry::City0, QStringLiteral("London"));
    GetReg().WriteStringValue(CRegistry::City1, QStringLiteral("Tokyo"));
    GetReg().WriteStringValue(CRegistry::City2, QStringLiteral("Sydney"));
    GetReg().WriteStringValue(CRegistry::City3, QStringLiteral("New York, NY"));
    GetReg().WriteStringValue(CRegistry::City4, QStringLiteral("Reykjav\u00edk"));
    GetReg().WriteDWORDValue(CRegistry::CityX, 0);
    ASSERT_TRUE(Start());
}

CCity ToolTest::LoadCity(const QString& name) {
    CCity city;
    EXPECT_TRUE(GetCityList().LoadCity(name, city)) << name.toStdString();
    return city;
}

void ToolTest::ChooseCity(za::app::CCityDisplay& display, const QString& typed) {
    QTimer::singleShot(0, [typed] {
        za::app::CCityPickerPopup& picker = za::app::CCityPickerPopup::Instance();
        QTest::keyClicks(picker.SearchField(), typed);
        QTest::keyClick(picker.SearchField(), Qt::Key_Return);
    });
    display.OnCommand(za::app::ID_SELECT_CITY);
}

bool ToolTest::SaveLook(QWidget* dialog, const QString& name) {
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog)) return false;
    return SaveShot(*dialog, name + QStringLiteral(".png"));
}

}  // namespace za::test
