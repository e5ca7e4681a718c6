#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "catalogue.h"
#include "document_tree_view.h"
#include "main_window.h"
#include "node_data_form.h"
#include "scripted_port.h"
#include "temp_dir.h"
#include "text_codec.h"
#include "tree_model.h"

namespace {

// A node data editor that only counts how often it is opened, and cancels.
struct CountingEditor : NodeDataDialogPort {
    int opened = 0;
    bool Run(NodeDataForm&) override {
        ++opened;
        return false;
    }
};

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

    QPoint BelowTheNodes() const { return {5, window.TreeView->viewport()->height() - 5}; }
    bool Highlighted(int slot) {
        const QModelIndex index = window.Model()->IndexOf(window.Session().Table().Node(slot));
        return window.TreeView->selectionModel()->isSelected(index);
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
                                          "Exportar a un archivo ...", "Eliminar", "Ficha del Puesto ..."}));
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

// The selected node is the one shown highlighted. Qt gives the tree a current node (a focus
// frame) when it takes the focus, and keeps it after a click on empty space has taken the
// highlight away; neither is a selection.
TEST_F(ContextMenuTest, NothingHighlightedIsNothingSelected) {
    CountingEditor editor;
    window.SetNodeDataDialog(&editor);
    window.activateWindow();
    window.TreeView->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(window.TreeView->currentIndex().isValid()) << "Qt put the focus frame on a node";
    EXPECT_TRUE(window.TreeView->selectionModel()->selectedIndexes().isEmpty());
    EXPECT_EQ(window.Session().SelectedKind(), ' ');

    QTest::mouseDClick(window.TreeView->viewport(), Qt::LeftButton, {}, BelowTheNodes());
    EXPECT_EQ(editor.opened, 0);
    EXPECT_EQ(port.messages, std::vector<std::string>({"Error: No puede ser"}));
    QTest::mousePress(window.TreeView->viewport(), Qt::RightButton, {}, BelowTheNodes());
    EXPECT_EQ(EnabledEntries(), QStringList({"Informe"}));

    // A click on a node highlights and selects it; a click on empty space takes both away.
    const QModelIndex zone = window.Model()->IndexOf(window.Session().Table().Node(2));
    QTest::mouseClick(window.TreeView->viewport(), Qt::LeftButton, {},
                      window.TreeView->visualRect(zone).center());
    EXPECT_TRUE(Highlighted(2));
    EXPECT_EQ(window.Session().SelectedKind(), 'Z');
    QTest::mouseClick(window.TreeView->viewport(), Qt::LeftButton, {}, BelowTheNodes());
    EXPECT_FALSE(Highlighted(2));
    EXPECT_EQ(window.Session().SelectedKind(), ' ');
    EXPECT_EQ(EnabledEntries(), QStringList({"Informe"}));
    window.SetNodeDataDialog(nullptr);
}

// A node selected by a command (here the one the user dropped, then the session's own choice)
// is shown highlighted, also when Qt's focus frame stood on it already.
TEST_F(ContextMenuTest, ANodeSelectedByACommandIsShownHighlighted) {
    const QModelIndex firm = window.Model()->index(0, 0);
    window.TreeView->selectionModel()->setCurrentIndex(firm, QItemSelectionModel::NoUpdate);
    ASSERT_FALSE(Highlighted(1));
    window.Session().Tree().Select(window.Session().Table().Node(1));
    EXPECT_TRUE(Highlighted(1));
    EXPECT_EQ(window.TreeView->currentIndex(), firm);
    window.Session().Tree().Select(nullptr);
    EXPECT_TRUE(window.TreeView->selectionModel()->selectedIndexes().isEmpty());
}

// Return, Enter and F2 open the node data editor on the selected node as a double click does;
// Shift+F10 opens the context menu as the Menu key does.
TEST_F(ContextMenuTest, TheKeyboardOpensTheEditorAndTheMenu) {
    CountingEditor editor;
    window.SetNodeDataDialog(&editor);
    RightClick(2);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2})
        QTest::keyClick(window.TreeView, key);
    EXPECT_EQ(editor.opened, 3);
    EXPECT_TRUE(port.messages.empty());

    QStringList offered;
    QTimer::singleShot(0, [&] {
        if (QApplication::activePopupWidget() == window.PopupMenu1) {
            for (QAction* action : window.PopupMenu1->actions())
                if (!action->isSeparator() && action->isEnabled()) offered << action->text();
            window.PopupMenu1->close();
        }
    });
    QTest::keyClick(window.TreeView, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(offered, QStringList({"Nueva Zona", "Nuevo Puesto", "Asignar Cuestionarios", "Informe",
                                    "Exportar a un archivo ...", "Eliminar"}));
    window.SetNodeDataDialog(nullptr);
}
