#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include "catalogue.h"
#include "document_tree_view.h"
#include "main_window.h"
#include "scripted_port.h"
#include "temp_dir.h"
#include "text_codec.h"
#include "tree_model.h"

namespace {

// A document with one node of every kind, opened in the main window.
struct ContextMenuTest : ::testing::Test {
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    TempDir dir;
    MainWindow window{catalogue, &port, &dates};

    void SetUp() override {
        WriteFile(dir.File("doc.kl3"),
                  "1\t0\tE\tFirma\r\n2\t1\tZ\tZona\r\n3\t2\tP\tPuesto\r\n4\t3\tC\t02.- Maquinas\r\n"
                  "5\t4\tD\t1. item\t\t\t\t\t\t\t10332\t\tvisto\r\n6\t5\tR\tmedida\r\n");
        window.OpenStartupDocument({PathToQt(dir.File("doc.kl3"))});
        window.show();
        window.TreeView->expandAll();
        QApplication::processEvents();
    }

    // Presses the right button on the node of the slot, as the user does to open the menu.
    QStringList RightClick(int slot) {
        const QModelIndex index = window.Model()->IndexOf(window.Session().Table().Node(slot));
        QTest::mousePress(window.TreeView->viewport(), Qt::RightButton, {},
                          window.TreeView->visualRect(index).center());
        return EnabledEntries();
    }

    QStringList EnabledEntries() {
        window.PrepareContextMenu();
        QStringList out;
        for (QAction* action : window.PopupMenu1->actions()) {
            if (!action->isSeparator() && action->isEnabled()) out << action->text();
        }
        return out;
    }
};

}  // namespace

TEST_F(ContextMenuTest, EntriesFollowTheKindOfTheNodeUnderThePointer) {
    EXPECT_EQ(RightClick(1), QStringList({"Nueva Zona", "Nuevo Puesto", "Asignar Cuestionarios", "Informe",
                                          "Exportar a un archivo ..."}));
    EXPECT_EQ(window.Session().SelectedKind(), 'E');
    EXPECT_EQ(RightClick(2), QStringList({"Nueva Zona", "Nuevo Puesto", "Asignar Cuestionarios", "Informe",
                                          "Exportar a un archivo ...", "Eliminar"}));
    EXPECT_EQ(RightClick(3), QStringList({"Nuevo Puesto", "Asignar Cuestionarios", "Informe",
                                          "Exportar a un archivo ...", "Eliminar"}));
    EXPECT_EQ(RightClick(4),
              QStringList({"Indicar Deficiencias", "Responder Cuestionario", "Informe", "Eliminar"}));
    EXPECT_EQ(RightClick(5), QStringList({"Indicar Medidas Prev", "Informe", "Eliminar"}));
    EXPECT_EQ(RightClick(6), QStringList({"Informe", "Eliminar"}));
    EXPECT_EQ(window.Session().SelectedKind(), 'R');
}

TEST_F(ContextMenuTest, ARightClickOnEmptySpaceKeepsTheSelection) {
    RightClick(4);
    const QPoint below(5, window.TreeView->viewport()->height() - 5);
    QTest::mousePress(window.TreeView->viewport(), Qt::RightButton, {}, below);
    EXPECT_EQ(window.Session().SelectedKind(), 'C');
    EXPECT_EQ(EnabledEntries(),
              QStringList({"Indicar Deficiencias", "Responder Cuestionario", "Informe", "Eliminar"}));
}

TEST_F(ContextMenuTest, ViewNodesOfferOnlyTheReport) {
    window.emporal1->trigger();
    const QModelIndex first = window.Model()->index(0, 0);
    QTest::mousePress(window.TreeView->viewport(), Qt::RightButton, {},
                      window.TreeView->visualRect(first).center());
    EXPECT_EQ(window.Session().SelectedKind(), ' ');
    EXPECT_EQ(EnabledEntries(), QStringList({"Informe"}));
}
