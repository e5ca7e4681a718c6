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
#include "help_commands_fixture.h"
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

