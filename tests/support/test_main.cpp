// Test runner: one QApplication (offscreen unless a platform is given) for the widget tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings, the flight recorder's files and the run history go to a folder of the run's own,
    // never the machine's (the programs the tests start inherit it).
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("XDG_STATE_HOME", config.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", config.path().toLocal8Bit());
    // English whatever the machine's locale, for the programs started too: the tests quote the
    // texts as written. A test of another language sets its own.
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
