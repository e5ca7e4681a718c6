#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "about_box.h"
#include "catalogue.h"
#include "desktop_recorder.h"
#include "main_window.h"
#include "named_child.h"
#include "scripted_port.h"
#include "settings_fixture.h"
#include "splash_window.h"
#include "temp_dir.h"
#include "text_codec.h"

namespace {

struct HelpCommandsTest : ScratchSettings {
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window{catalogue, &port, &dates};

    // Runs `inspect` on the modal window that the action opens, then closes that window.
    template <typename Inspect>
    void TriggerModal(QAction* action, Inspect inspect) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            seen = true;
            inspect(modal);
            if (modal->isVisible()) modal->close();
        });
        action->trigger();
        EXPECT_TRUE(seen) << "no modal window";
    }
};

}  // namespace

TEST_F(HelpCommandsTest, AllHelpEntriesAreOffered) {
    for (QAction* action : {window.Ayuda2, window.Manual1, window.VerSugerencia1, window.Acercade1})
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    EXPECT_FALSE(window.Asistente1->isEnabled());
}

TEST_F(HelpCommandsTest, VerSugerenciaShowsTheTipWithTheBoxTickedAndWritesSi) {
    Store("Kaldo 3.0", "NO");
    TriggerModal(window.VerSugerencia1, [](QWidget* modal) {
        auto* tip = qobject_cast<SplashWindow*>(modal);
        ASSERT_NE(tip, nullptr);
        EXPECT_TRUE(Named<QCheckBox>(*tip, "CheckBox1")->isChecked());
        Named<QPushButton>(*tip, "BitBtn1")->click();
    });
    EXPECT_EQ(Stored("Kaldo 3.1"), "SI");
    EXPECT_EQ(Stored("Kaldo 3.0"), "NO") << "the next start still shows no tip";
}

TEST_F(HelpCommandsTest, UntickingInVerSugerenciaWritesNoAgain) {
    Store("Kaldo 3.0", "NO");
    TriggerModal(window.VerSugerencia1, [this](QWidget* modal) {
        auto* tip = qobject_cast<SplashWindow*>(modal);
        ASSERT_NE(tip, nullptr);
        Store("Kaldo 3.0", "otro");
        Named<QCheckBox>(*tip, "CheckBox1")->click();
        EXPECT_EQ(Stored("Kaldo 3.0"), "NO");
    });
    EXPECT_EQ(Stored("Kaldo 3.1"), "SI");
}

TEST_F(HelpCommandsTest, AcercaDeShowsTheAboutBox) {
    TriggerModal(window.Acercade1, [](QWidget* modal) {
        auto* about = qobject_cast<AboutBox*>(modal);
        ASSERT_NE(about, nullptr);
        Named<QPushButton>(*about, "OKButton")->click();
    });
}

TEST_F(HelpCommandsTest, HelpAndManualAreOpenedFromTheWorkingFolderWhenThere) {
    TempDir folder;
    DesktopRecorder desktop(folder.path());

    window.Ayuda2->trigger();
    window.Manual1->trigger();
    EXPECT_TRUE(desktop.opened.isEmpty()) << "missing files: nothing happens";

    WriteFile(folder.File("kaldo31.chm"), "help");
    WriteFile(folder.File("manual.rtf"), "{\\rtf1}");
    window.Ayuda2->trigger();
    window.Manual1->trigger();
    ASSERT_EQ(desktop.opened.size(), 2);
    EXPECT_EQ(QFileInfo(desktop.opened[0].toLocalFile()).canonicalFilePath(),
              QFileInfo(PathToQt(folder.File("kaldo31.chm"))).canonicalFilePath());
    EXPECT_EQ(QFileInfo(desktop.opened[1].toLocalFile()).canonicalFilePath(),
              QFileInfo(PathToQt(folder.File("manual.rtf"))).canonicalFilePath());
    EXPECT_TRUE(port.messages.empty());
    EXPECT_TRUE(port.errors.empty());
}
