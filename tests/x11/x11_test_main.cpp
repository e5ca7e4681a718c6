// Entry point of the tests on a real X server: a private Xvfb, then one QApplication on Qt's xcb
// platform for all tests, with settings of their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "private_x_server.h"

bool g_haveXServer = false;

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    PrivateXServer server;
    g_haveXServer = !server.Display().empty();
    if (!g_haveXServer) return RUN_ALL_TESTS();  // each test skips
    setenv("DISPLAY", server.Display().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QStandardPaths::setTestModeEnabled(true);
    int status;
    {
        QApplication application(argc, argv);
        QTemporaryDir settingsFolder;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
        // The data folder too (the recovery copies), which the test mode puts under the home.
        qputenv("HOME", settingsFolder.path().toLocal8Bit());
        status = RUN_ALL_TESTS();
    }  // the application leaves the server before it goes
    return status;
}
