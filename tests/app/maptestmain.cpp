// The map's tests run with a widget application (offscreen unless told otherwise) and never
// touch a real device profile.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir fallback;
    if (qgetenv("ZONARIA_DEVICE").isEmpty()) qputenv("ZONARIA_DEVICE", (fallback.path() + "/device").toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
