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

#include <ctime>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir fallback;
    if (qgetenv("ZONARIA_DEVICE").isEmpty()) qputenv("ZONARIA_DEVICE", (fallback.path() + "/device").toUtf8());
    // No test reaches the machine's time service: the system bus is one that does not exist, so
    // new profiles take the private device, unless a test starts a bus of its own with the
    // time service's mock on it (TimedateMock), whose address then takes this one's place.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/zonaria-tests-have-no-system-bus");
    // Autostart entries and other per-user settings go to the test's folder, not the user's.
    qputenv("XDG_CONFIG_HOME", (fallback.path() + "/config").toUtf8());
    // The host's zone makes a new profile's device zone and its first city: the same host zone
    // on every machine (Los Angeles, a zone with daylight saving time) keeps the tests' times
    // and first city the same everywhere.
    qputenv("TZ", "America/Los_Angeles");
    tzset();
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
