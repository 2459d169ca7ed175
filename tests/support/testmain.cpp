// Test programs run with a Qt application object (for QProcess, screens and the like) and
// never touch a real device profile.
#ifdef ZONARIA_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir fallback;
    if (qgetenv("ZONARIA_DEVICE").isEmpty()) qputenv("ZONARIA_DEVICE", (fallback.path() + "/device").toUtf8());
    // Autostart entries and other per-user settings go to the test's folder, not the user's.
    qputenv("XDG_CONFIG_HOME", (fallback.path() + "/config").toUtf8());
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
