// Entry point of the tests of the Qt layer: one QApplication for all of them, offscreen.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFontDatabase>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "shipped_fonts.h"

namespace {

// Every test starts from empty settings, whatever an earlier test stored.
class ClearSettings : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        for (const char* application : {"Kaldo 3.0", "Kaldo 3.1"})
            QSettings(QSettings::NativeFormat, QSettings::UserScope, "TORVE", application).clear();
    }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test may touch the real user's settings.
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    // Nor those of an earlier run: the settings of this run live in a folder of its own.
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    // The data folder too (the recovery copies), which the test mode puts under the home on Linux;
    // Windows has one for the user, which the tests take one at a time (cmake/KaldoTests.cmake).
    qputenv("HOME", settingsFolder.path().toLocal8Bit());
    // The printouts' fonts, which the program adds at start where the system lacks them (Windows).
    AddMissingFonts(QString::fromUtf8(KALDO_BINARY_DIR "/share/kaldo/fonts"), QFontDatabase::families());
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ClearSettings);
    return RUN_ALL_TESTS();
}
