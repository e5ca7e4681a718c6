#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "catalogue.h"
#include "cp1252.h"
#include "document_tree_view.h"
#include "main_window.h"
#include "named_child.h"
#include "node_data_dialog.h"
#include "node_data_form.h"
#include "print_port.h"
#include "recording_canvas.h"
#include "scripted_port.h"
#include "shipped_catalogue.h"
#include "temp_dir.h"
#include "text_codec.h"
#include "tree_model.h"

namespace {

// An editor window that answers from a script and remembers the captions it was opened with.
struct ScriptedDialog : NodeDataDialogPort {
    std::vector<std::function<bool(NodeDataForm&)>> steps;
    QStringList captions;
    bool Run(NodeDataForm& form) override {
        captions << QString::fromStdString(cp1252::ToUtf8(form.Caption()));
        if (steps.empty()) return false;
        auto step = steps.front();
        steps.erase(steps.begin());
        return step(form);
    }
};

// The print dialog answered "print", printing on a recording canvas.
struct PrintingPort : PrintPort {
    RecordingCanvas canvas;
    Choice ChoosePrinter(bool, const std::string&) override { return Choice::Printer; }
    Canvas& Printer() override { return canvas; }
    void SetBusy(bool) override {}
};

// The main window with a document: Firma > Nave (> Torno, 01), Almacén, 00.
struct TreeEditingWindowTest : ::testing::Test {
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window{catalogue, &port, &dates};
    ScriptedDialog dialog;
    DocumentTreeView* view = nullptr;

    TreeEditingWindowTest() {
        TempDir dir;
        WriteFile(dir.File("doc.kl3"), W("1\t0\tE\tFirma\r\n2\t1\tZ\tNave\r\n3\t2\tP\tTorno\r\n"
                                         "4\t2\tC\t01.- Lugares de trabajo\r\n5\t1\tZ\tAlmacén\r\n"
                                         "6\t1\tC\t00.- Gestión Preventiva\r\n"));
        window.Commands().LoadDocument(dir.File("doc.kl3"));
        window.SetNodeDataDialog(&dialog);
        window.resize(748, 499);
        window.show();
        view = window.TreeView;
        view->expandAll();
        QApplication::processEvents();
    }
    ~TreeEditingWindowTest() override { window.SetNodeDataDialog(nullptr); }

    QModelIndex Index(int slot) { return window.Model()->IndexOf(window.Session().Table().Node(slot)); }
    // The tree as the view shows it: "text(children...)".
    std::string Outline(const QModelIndex& parent = {}) {
        std::string out;
        for (int row = 0; row < window.Model()->rowCount(parent); ++row) {
            const QModelIndex child = window.Model()->index(row, 0, parent);
            const std::string below = Outline(child);
            if (row > 0) out += ' ';
            out += child.data().toString().toStdString() + (below.empty() ? "" : "(" + below + ")");
        }
        return out;
    }

    // Drags the node of a slot and lets it go at a point of the viewport, as the window system
    // delivers it: enter, move, drop.
    void DragTo(int slot, const QPoint& point) {
        view->setCurrentIndex(Index(slot));
        ASSERT_TRUE(view->dragEnabled());
        std::unique_ptr<QMimeData> data(view->DragData());
        QDragEnterEvent enter(point, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDragMoveEvent move(point, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        ASSERT_TRUE(move.isAccepted());
        QDropEvent drop(point, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &drop);
        ASSERT_TRUE(drop.isAccepted());
    }
    QRect Item(int slot) { return view->visualRect(Index(slot)); }
    QPoint OnLabel(int slot) { return Item(slot).topLeft() + QPoint(8, Item(slot).height() / 2); }
};

}  // namespace

TEST_F(TreeEditingWindowTest, DroppingOnALabelMakesTheLastChild) {
    DragTo(3, OnLabel(5));  // Torno onto Almacén
    EXPECT_EQ(Outline(), "Firma(Nave(01.- Lugares de trabajo) Almacén(Torno) 00.- Gestión Preventiva)");
    EXPECT_TRUE(view->isExpanded(Index(5)));
    EXPECT_TRUE(view->isExpanded(Index(2))) << "the rest of the tree keeps its state";
    EXPECT_EQ(view->currentIndex(), Index(3)) << "the moved node stays selected";
    EXPECT_TRUE(window.Session().Modified());
}

TEST_F(TreeEditingWindowTest, DroppingOnTheIndentationPlacesBeforeTheNode) {
    const QRect torno = Item(3);
    DragTo(6, QPoint(torno.left() - view->indentation() - 4, torno.center().y()));
    EXPECT_EQ(Outline(), "Firma(Nave(00.- Gestión Preventiva Torno 01.- Lugares de trabajo) Almacén)");
}

TEST_F(TreeEditingWindowTest, DroppingBelowTheLastNodeGoesToTheTopLevel) {
    DragTo(2, QPoint(Item(6).left(), Item(6).bottom() + 30));
    EXPECT_EQ(Outline(), "Firma(Almacén 00.- Gestión Preventiva) Nave(Torno 01.- Lugares de trabajo)");
}

TEST_F(TreeEditingWindowTest, DroppingOnAnExpandButtonOrBesideALabelDoesNothing) {
    const std::string before = Outline();
    DragTo(3, QPoint(Item(2).left() - view->indentation() / 2, Item(2).center().y()));
    EXPECT_EQ(view->HitTest(QPoint(Item(2).left() - 2, Item(2).center().y()), nullptr),
              DocumentTreeView::Hit::Button);
    DragTo(3, QPoint(view->viewport()->width() - 3, Item(5).center().y()));
    EXPECT_EQ(Outline(), before);
    EXPECT_FALSE(window.Session().Modified());
}

TEST_F(TreeEditingWindowTest, DroppingIntoItsOwnBranchMovesNothing) {
    const std::string before = Outline();
    DragTo(2, OnLabel(3));
    EXPECT_EQ(Outline(), before);
    EXPECT_TRUE(window.Session().Modified()) << "as every drop on a node";
}

TEST_F(TreeEditingWindowTest, FilesDroppedOnTheTreeAreOpenedByTheWindow) {
    TempDir dir;
    WriteFile(dir.File("otra.kl3"), "1\t0\tE\tOtra\r\n");
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(PathToQt(dir.File("otra.kl3")))});
    EXPECT_FALSE(view->IsOwnDrag(&files));
    QDragEnterEvent enter(OnLabel(5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(OnLabel(5), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);
    EXPECT_EQ(Outline(), "Otra");
}

TEST_F(TreeEditingWindowTest, NothingIsDraggedInTheOtherViews) {
    std::unique_ptr<QMimeData> own(view->DragData());
    const QPoint at = OnLabel(5);
    window.emporal1->trigger();
    EXPECT_FALSE(view->IsOwnDrag(own.get()));
    QDragEnterEvent enter(at, Qt::MoveAction, own.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDragLeaveEvent leave;
    QApplication::sendEvent(view->viewport(), &leave);
}

TEST_F(TreeEditingWindowTest, DoubleClickOpensTheEditorAndRenamesTheNode) {
    dialog.steps.push_back([](NodeDataForm& form) {
        form.Values().name = W("Nave norte");
        return true;
    });
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, OnLabel(2));
    EXPECT_EQ(dialog.captions, QStringList({"Nave"}));
    EXPECT_EQ(Index(2).data().toString(), "Nave norte");
    EXPECT_TRUE(view->isExpanded(Index(2)));
    EXPECT_TRUE(window.Session().Modified());
}

TEST_F(TreeEditingWindowTest, NewZoneShowsTheAcceptedZoneSelected) {
    view->collapse(Index(5));
    view->setCurrentIndex(Index(5));
    window.PrepareContextMenu();
    ASSERT_TRUE(window.NuevaZona1->isEnabled());
    dialog.steps.push_back([](NodeDataForm&) { return true; });
    window.NuevaZona1->trigger();
    const QModelIndex zone = Index(7);
    ASSERT_TRUE(zone.isValid());
    EXPECT_EQ(zone.parent(), Index(5));
    EXPECT_EQ(view->currentIndex(), zone);
    EXPECT_TRUE(view->isExpanded(Index(5)));

    // Deleting it asks first, then takes it out of the tree.
    window.PrepareContextMenu();
    ASSERT_TRUE(window.Eliminar1->isEnabled());
    port.answers = {true};
    window.Eliminar1->trigger();
    EXPECT_EQ(port.questions.back(), "Borrado de un item|Está seguro de borrar el item:<Nueva Zona>");
    EXPECT_EQ(window.Model()->rowCount(Index(5)), 0);
}

TEST_F(TreeEditingWindowTest, TheQuestionnairesEditorPrintsItBlankAndStaysOpen) {
    LoadShippedCatalogue(catalogue);
    PrintingPort printer;
    window.SetPrintPort(&printer);
    window.SetNodeDataDialog(nullptr);  // the real window
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* editor = qobject_cast<NodeDataDialog*>(modal)) {
            clicked = Named<QPushButton>(*editor, "BitBtn3")->isEnabled();
            Named<QPushButton>(*editor, "BitBtn3")->click();
            clicked = clicked && editor->isVisible();
        }
        if (modal) modal->close();
    });
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, OnLabel(4));
    window.SetPrintPort(nullptr);
    EXPECT_TRUE(clicked);
    ASSERT_FALSE(printer.canvas.calls.empty());
    EXPECT_EQ(printer.canvas.calls.front().text, "Imp.Cuest. 1");
    bool headed = false;
    for (const auto& call : printer.canvas.Texts())
        headed = headed || cp1252::ToUtf8(call.text).find("Nave") != std::string::npos;
    EXPECT_TRUE(headed) << "under the heading of the zone it hangs from";
    EXPECT_FALSE(window.Session().Modified()) << "closing the editor cancels it";
}
