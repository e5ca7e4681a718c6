#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <QTableView>
#include <QTreeWidget>
#include <filesystem>

#include "about_box.h"
#include "catalogue.h"
#include "desktop_recorder.h"
#include "document_tree_view.h"
#include "help_window.h"
#include "main_window.h"
#include "named_child.h"
#include "plan_window.h"
#include "scripted_port.h"
#include "settings_fixture.h"
#include "splash_window.h"
#include "temp_dir.h"
#include "text_codec.h"
#include "tree_model.h"

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

namespace {

// The desktop's association lists, from scratch folders: none names a program until one is added.
// The system's type database stays in view, for the types of the files.
struct ScratchAssociations {
    TempDir data;
    ScratchAssociations() {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME"})
            qputenv(name, PathToQt(data.File("none")).toUtf8());
        qputenv("XDG_DATA_DIRS", PathToQt(data.path()).toUtf8());
        std::filesystem::create_directories(data.File("applications").Utf8());
        std::filesystem::create_directory_symlink("/usr/share/mime", data.File("mime").Utf8());
    }
    ~ScratchAssociations() {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
            qunsetenv(name);
    }
    void Add(const std::string& type) {
        WriteFile(data.File("applications/mimeinfo.cache"), "[MIME Cache]\n" + type + "=lector.desktop;\n");
    }
};

// The built help pages, copied into a folder as "ayuda".
void CopyHelpPages(const TempDir& folder) {
    std::filesystem::copy(KALDO_BINARY_DIR "/share/kaldo/ayuda", folder.File("ayuda").Utf8(),
                          std::filesystem::copy_options::recursive);
}

}  // namespace

TEST_F(HelpCommandsTest, AyudaOpensTheProgramsHelpWindowAtItsFirstPageWithoutTheDesktop) {
    TempDir folder;
    DesktopRecorder desktop(folder.path());
    CopyHelpPages(folder);
    WriteFile(folder.File("kaldo31.chm"), "help");
    window.Ayuda2->trigger();
    auto* help = window.findChild<HelpWindow*>("frmAyuda");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->txtPagina->source().fileName(), "presentacion.htm");
    EXPECT_TRUE(help->txtPagina->toPlainText().contains(QString::fromUtf8("1. Presentación")));
    EXPECT_GE(help->trvContenido->topLevelItemCount(), 19);
    EXPECT_TRUE(desktop.opened.isEmpty());

    // Back and forward, and the search over the pages.
    help->ShowTopic("edicion.htm#buscar");
    EXPECT_TRUE(help->txtPagina->toPlainText().contains(QString::fromUtf8("El menú Edición")));
    help->btnAtras->click();
    EXPECT_EQ(help->txtPagina->source().fileName(), "presentacion.htm");
    help->btnAdelante->click();
    EXPECT_EQ(help->txtPagina->source().fileName(), "edicion.htm");
    help->edtBuscarAyuda->setText("rehacer CTRL+Y");
    QTest::keyClick(help->edtBuscarAyuda, Qt::Key_Return);
    ASSERT_GE(help->lstResultados->count(), 1);
    EXPECT_EQ(help->lstResultados->item(0)->data(Qt::UserRole).toString(), "edicion.htm");

    window.Ayuda2->trigger();
    EXPECT_EQ(window.findChildren<HelpWindow*>().size(), 1) << "the same window again";
    EXPECT_EQ(help->txtPagina->source().fileName(), "presentacion.htm");
}

TEST_F(HelpCommandsTest, F1InADialogOpensItsPageOverIt) {
    TempDir folder;
    DesktopRecorder desktop(folder.path());
    CopyHelpPages(folder);
    window.Nuevo1->trigger();
    window.TreeView->setCurrentIndex(window.Model()->index(0, 0));
    QString shown;
    QTimer::singleShot(0, [&] {
        QWidget* editor = QApplication::activeModalWidget();
        ASSERT_NE(editor, nullptr);
        for (int press = 0; press < 2; ++press)
            QTest::keyClick(editor->focusWidget() ? editor->focusWidget() : editor, Qt::Key_F1);
        auto* help = editor->findChild<HelpWindow*>("frmAyuda");
        ASSERT_NE(help, nullptr) << "a window of the dialog's own, not blocked by it";
        EXPECT_EQ(editor->findChildren<HelpWindow*>().size(), 1) << "the second F1 uses it again";
        shown = help->txtPagina->source().fileName();
        editor->close();
    });
    window.TreeView->treeDoubleClicked();
    EXPECT_EQ(shown, "editor.htm");
}

// The plan's window sits beside the main window: its F1 shows the plan's page in the one help
// window, whose search tab then takes the typing.
TEST_F(HelpCommandsTest, F1InThePlanWindowShowsItsPageInTheOneHelpWindow) {
    TempDir folder;
    DesktopRecorder desktop(folder.path());
    CopyHelpPages(folder);
    window.show();
    window.Nuevo1->trigger();
    window.PlanAccion1->trigger();
    auto* plan = window.findChild<PlanWindow*>("frmPlan");
    ASSERT_TRUE(plan && plan->isVisible());
    window.Ayuda2->trigger();
    QTest::keyClick(plan->tblPlan, Qt::Key_F1);
    QTest::keyClick(plan->edtBuscar, Qt::Key_F1);
    const QList<HelpWindow*> helps = window.findChildren<HelpWindow*>();
    ASSERT_EQ(helps.size(), 1);
    HelpWindow* help = helps.constFirst();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->txtPagina->source().fileName(), "12a-plan-de-accion.htm");
    EXPECT_TRUE(help->txtPagina->toPlainText().contains(QString::fromUtf8("El plan de acción")));

    help->tabIndice->setCurrentIndex(1);
    EXPECT_EQ(help->focusWidget(), help->edtBuscarAyuda);
    help->tabIndice->setCurrentIndex(0);
    help->tabIndice->setCurrentIndex(1);
    EXPECT_EQ(help->focusWidget(), help->edtBuscarAyuda) << "each time the tab is chosen";
}

TEST_F(HelpCommandsTest, WhatNoProgramOpensIsSaidWithItsPath) {
    TempDir folder;
    DesktopRecorder desktop(folder.path());
    ScratchAssociations associations;

    window.Manual1->trigger();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].find("manual.rtf"), std::string::npos) << port.messages[0];
    window.Ayuda2->trigger();
    ASSERT_EQ(port.messages.size(), 2u) << "no pages and no help file";
    EXPECT_NE(port.messages[1].find("kaldo31.chm"), std::string::npos) << port.messages[1];

    WriteFile(folder.File("manual.rtf"), "{\\rtf1}");
    WriteFile(folder.File("kaldo31.chm"), "ITSF");
    window.Manual1->trigger();
    window.Ayuda2->trigger();
    ASSERT_EQ(port.messages.size(), 4u);
    const std::string path = QFileInfo(PathToQt(folder.File("manual.rtf"))).absoluteFilePath().toStdString();
    EXPECT_NE(port.messages[2].find(path), std::string::npos) << port.messages[2];
    EXPECT_TRUE(desktop.opened.isEmpty());

    associations.Add("application/rtf");
    window.Manual1->trigger();
    associations.Add("application/vnd.ms-htmlhelp");
    window.Ayuda2->trigger();
    ASSERT_EQ(desktop.opened.size(), 2) << "no pages: the help file goes to the desktop";
    EXPECT_EQ(QFileInfo(desktop.opened[0].toLocalFile()).canonicalFilePath(),
              QFileInfo(PathToQt(folder.File("manual.rtf"))).canonicalFilePath());
    EXPECT_EQ(QFileInfo(desktop.opened[1].toLocalFile()).canonicalFilePath(),
              QFileInfo(PathToQt(folder.File("kaldo31.chm"))).canonicalFilePath());
    EXPECT_EQ(port.messages.size(), 4u);
}
