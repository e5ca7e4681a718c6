#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "catalogue.h"
#include "cp1252.h"
#include "document_tree_view.h"
#include "find_bar.h"
#include "main_window.h"
#include "named_child.h"
#include "scripted_port.h"
#include "temp_dir.h"
#include "text_codec.h"
#include "tree_model.h"

namespace {

// The main window on a document saved in a scratch folder:
// Firma > Nave (> Torno > 01 > Válvula rota), Almacén, 00.
struct EditMenuTest : ::testing::Test {
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window{catalogue, &port, &dates};
    TempDir dir;
    FilePath path = dir.File("doc.kl3");
    const std::string original =
        W("1\t0\tE\tFirma\r\n2\t1\tZ\tNave\r\n3\t2\tP\tTorno\r\n4\t3\tC\t01.- Lugares de trabajo\r\n"
          "5\t4\tD\t2. Suelos\trecomendación\t\t\t\t\t\t13021\t\tVálvula rota\r\n6\t1\tZ\tAlmacén\r\n"
          "7\t1\tC\t00.- Gestión Preventiva\r\n");

    EditMenuTest() {
        WriteFile(path, original);
        window.Commands().LoadDocument(path);
        window.show();
        QApplication::processEvents();
    }
    QModelIndex Index(int slot) { return window.Model()->IndexOf(window.Session().Table().Node(slot)); }
    void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    QString Selected() { return window.TreeView->currentIndex().data().toString(); }
};

}  // namespace

TEST_F(EditMenuTest, DeletingAZoneAndPressingCtrlZGivesBackTheFileAsItWas) {
    window.TreeView->expand(Index(2));
    window.TreeView->setCurrentIndex(Index(2));
    EXPECT_FALSE(window.Deshacer1->isEnabled());
    port.answers.push_back(true);
    window.Eliminar1->trigger();
    ASSERT_EQ(window.Session().Table().Node(2), nullptr);
    EXPECT_TRUE(window.Deshacer1->isEnabled());
    EXPECT_EQ(window.Deshacer1->text(), "Deshacer Eliminar");

    Key(window.TreeView, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_NE(window.Session().Table().Node(2), nullptr);
    EXPECT_EQ(Selected(), "Nave") << "the deleted zone is selected again";
    EXPECT_TRUE(window.TreeView->isExpanded(Index(2))) << "and its branch open as it was";
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_EQ(window.Rehacer1->text(), "Rehacer Eliminar");
    window.Guardar1->trigger();
    EXPECT_EQ(ReadFile(path), original);

    Key(window.TreeView, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.Session().Table().Node(2), nullptr) << "Ctrl+Shift+Z redoes";
    EXPECT_TRUE(window.Session().Modified());
    Key(window.TreeView, Qt::Key_Z, Qt::ControlModifier);
    Key(window.TreeView, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window.Session().Table().Node(2), nullptr) << "so does Ctrl+Y";
}

TEST_F(EditMenuTest, UndoWaitsForTheGeographicViewAndGoesWithTheDocument) {
    window.TreeView->setCurrentIndex(Index(6));
    port.answers.push_back(true);
    window.Eliminar1->trigger();
    window.emporal1->trigger();
    EXPECT_FALSE(window.Deshacer1->isEnabled());
    window.Geogrfica1->trigger();
    EXPECT_TRUE(window.Deshacer1->isEnabled());
    window.Session().SetModified(false);
    window.Cerrar1->trigger();
    EXPECT_FALSE(window.Deshacer1->isEnabled());
    EXPECT_EQ(window.Deshacer1->text(), "Deshacer");
    EXPECT_FALSE(window.Buscar1->isEnabled());
}

// The second deletion undone leaves the document modified by the first: the menu still follows.
TEST_F(EditMenuTest, AnUndoThatLeavesTheDocumentModifiedStillUpdatesTheMenu) {
    for (const int slot : {6, 2}) {
        window.TreeView->setCurrentIndex(Index(slot));
        port.answers.push_back(true);
        window.Eliminar1->trigger();
    }
    ASSERT_FALSE(window.Rehacer1->isEnabled());
    window.Deshacer1->trigger();
    ASSERT_TRUE(window.Session().Modified());
    EXPECT_TRUE(window.Rehacer1->isEnabled());
    EXPECT_EQ(window.Rehacer1->text(), "Rehacer Eliminar");
    EXPECT_EQ(window.Deshacer1->text(), "Deshacer Eliminar");
}

TEST_F(EditMenuTest, FindIgnoresAccentsShowsCollapsedMatchesAndGoesBothWays) {
    auto* bar = Named<FindBar>(window, "FindBar");
    auto* box = Named<QLineEdit>(*bar, "edtBuscar");
    auto* result = Named<QLabel>(*bar, "lblResultado");
    window.TreeView->collapseAll();
    window.TreeView->setCurrentIndex(Index(1));
    Key(window.TreeView, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(bar->isVisible());
    EXPECT_TRUE(box->hasFocus());

    QTest::keyClicks(box, "valvula");
    EXPECT_EQ(Selected(), QString::fromUtf8("2. Suelos // Válvula rota"));
    EXPECT_TRUE(window.TreeView->isExpanded(Index(4))) << "its collapsed branch is opened";
    EXPECT_TRUE(window.TreeView->isExpanded(Index(2)));
    EXPECT_EQ(result->text(), "1 de 1");

    box->setText("");
    QTest::keyClicks(box, "NAVE");
    EXPECT_EQ(Selected(), "Nave");
    box->selectAll();
    QTest::keyClicks(box, "a");  // Firma, Nave, 01.- Lugares, Suelos, Almacén, 00.- Gestión Preventiva
    EXPECT_EQ(Selected(), "Nave") << "a match stays while typing";
    EXPECT_EQ(result->text(), "2 de 6");
    Key(box, Qt::Key_Return);
    EXPECT_EQ(Selected(), "01.- Lugares de trabajo") << "Torno has no a";
    Key(box, Qt::Key_F3);
    EXPECT_EQ(result->text(), "4 de 6");
    Key(box, Qt::Key_F3, Qt::ShiftModifier);
    Key(box, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), "Nave");
    Key(box, Qt::Key_F3, Qt::ShiftModifier);
    Key(box, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), QString::fromUtf8("00.- Gestión Preventiva")) << "round to the last";
    EXPECT_EQ(result->text(), "6 de 6");

    QTest::keyClicks(box, "zzz");
    EXPECT_EQ(result->text(), "No encontrado");
    Key(box, Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(window.TreeView->hasFocus());
}

TEST_F(EditMenuTest, FindWorksOnWhatAViewShows) {
    window.Valoracin1->trigger();
    window.Buscar1->trigger();
    auto* box = Named<QLineEdit>(window, "edtBuscar");
    QTest::keyClicks(box, "gestion");
    EXPECT_EQ(Selected(), QString::fromUtf8("00.- Gestión Preventiva"));
    EXPECT_EQ(window.TreeView->currentIndex().parent().data().toString(), "Sin Valorar");
}
