#include <gtest/gtest.h>

#include <QStatusBar>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeView>

#include "catalogue.h"
#include "document_tree_view.h"
#include "info_panel.h"
#include "main_window.h"
#include "named_child.h"
#include "ok_dialog.h"
#include "scripted_port.h"
#include "temp_dir.h"
#include "text_codec.h"
#include "tree_model.h"

namespace {

QStringList Entries(QMenu* menu) {
    QStringList out;
    for (QAction* action : menu->actions())
        out << (action->isSeparator() ? "-" : action->text());
    return out;
}

QStringList Enabled(QMenu* menu) {
    QStringList out;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->isEnabled()) out << action->text();
    }
    return out;
}

struct MainWindowTest : ::testing::Test {
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window{catalogue, &port, &dates};
};

}  // namespace

TEST_F(MainWindowTest, MenusHoldTheirEntriesInOrder) {
    QStringList menus;
    for (QAction* action : window.menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, QStringList({"&Archivo", "&Edición", "Vistas", "A&yuda"}));
    // The assessment document and the workstations' sheets with the other printout; the overview of a
    // folder on its own.
    EXPECT_EQ(Entries(window.ArchivoMenu),
              QStringList({"&Nuevo", "&Abrir ...", "&Importar ...", "&Guardar", "G&uardar como ...", "&Cerrar",
                           "-", "&Imprimir", "Informe de evaluación ...", "Fichas de los puestos ...", "-", "Resumen de una carpeta ...", "Copia de recuperación ...", "-",
                           "&Salir"}));
    EXPECT_EQ(Entries(window.EdicionMenu),
              QStringList({"Deshacer", "Rehacer", "-", "Buscar ...", "Buscar siguiente", "Buscar anterior"}));
    // The Part's four views, then the action plan and the review behind a separator.
    EXPECT_EQ(Entries(window.VistasMenu), QStringList({"Geográfica", "Temporal", "Valoración", "Riesgos", "-",
                                                       "Plan de acción", "Revisar el documento"}));
    EXPECT_EQ(Entries(window.PopupMenu1),
              QStringList({"Nueva Zona", "Nuevo Puesto", "-", "Asignar Cuestionarios", "Indicar Deficiencias",
                           "Indicar Medidas Prev", "Responder Cuestionario", "-", "Informe",
                           "Exportar a un archivo ...", "-", "Eliminar", "-", "Ficha del Puesto ..."}));
}

TEST_F(MainWindowTest, DocumentEntriesFollowTheDocument) {
    EXPECT_FALSE(window.TreeView->isVisibleTo(&window));
    EXPECT_EQ(Enabled(window.ArchivoMenu).mid(0, 2), QStringList({"&Nuevo", "&Abrir ..."}));
    EXPECT_FALSE(window.Importar1->isEnabled());
    EXPECT_FALSE(window.Guardar1->isEnabled());
    EXPECT_FALSE(window.Cerrar1->isEnabled());
    EXPECT_FALSE(window.InformeEvaluacion1->isEnabled());
    EXPECT_FALSE(window.Asistente1->isEnabled());

    window.Nuevo1->trigger();
    EXPECT_TRUE(window.TreeView->isVisibleTo(&window));
    EXPECT_EQ(window.windowTitle(), "<Nueva Empresa>");
    EXPECT_TRUE(window.Importar1->isEnabled());
    EXPECT_TRUE(window.Guardar1->isEnabled());
    EXPECT_TRUE(window.Guardarcomo1->isEnabled());
    EXPECT_TRUE(window.Cerrar1->isEnabled());
    EXPECT_TRUE(window.InformeEvaluacion1->isEnabled());
    EXPECT_FALSE(window.Asistente1->isEnabled());

    port.answers = {false};
    window.Cerrar1->trigger();
    EXPECT_EQ(port.questions.size(), 1u);
    EXPECT_FALSE(window.TreeView->isVisibleTo(&window));
    EXPECT_EQ(window.windowTitle(), "");
    EXPECT_FALSE(window.Guardar1->isEnabled());
    EXPECT_FALSE(window.Cerrar1->isEnabled());
    EXPECT_FALSE(window.InformeEvaluacion1->isEnabled());
}

TEST_F(MainWindowTest, LayoutOfThePanelAndTheTree) {
    window.show();
    QApplication::processEvents();
    // 748 × 499 above the status bar, which the window grew by.
    EXPECT_EQ(window.size(), QSize(748, 499 + window.statusBar()->height()));
    EXPECT_EQ(window.Splitter1->handleWidth(), 6);
    EXPECT_EQ(window.Splitter1->sizes().at(0), 105);
    EXPECT_EQ(window.TreeView->indentation(), 19);
    EXPECT_EQ(window.TreeView->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(MainWindowTest, TheTreeShowsTheDocumentWithKindIcons) {
    TempDir dir;
    WriteFile(dir.File("doc.kl3"), "1\t0\tE\tFirma\r\n2\t1\tZ\tZona\r\n3\t2\tP\tPuesto\r\n");
    QAbstractItemModelTester tester(window.Model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    window.OpenStartupDocument({PathToQt(dir.File("doc.kl3")), "ignored.kl3"});
    const QModelIndex firm = window.Model()->index(0, 0);
    EXPECT_EQ(firm.data().toString(), "Firma");
    EXPECT_FALSE(firm.data(Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_TRUE(window.TreeView->isExpanded(firm));
    const QModelIndex zone = window.Model()->index(0, 0, firm);
    EXPECT_EQ(zone.data().toString(), "Zona");
    EXPECT_FALSE(window.TreeView->isExpanded(zone));
    EXPECT_EQ(window.windowTitle(), PathToQt(dir.File("doc.kl3")));

    // Edits in place keep what is expanded.
    window.TreeView->expand(zone);
    window.Session().Tree().AddChild(window.Session().Table().Node(2), "extra", nullptr, 6);
    EXPECT_TRUE(window.TreeView->isExpanded(zone));
    EXPECT_EQ(window.Model()->rowCount(zone), 2);
}

TEST_F(MainWindowTest, SelectionIsSharedWithTheSession) {
    window.Nuevo1->trigger();
    const QModelIndex firm = window.Model()->index(0, 0);
    window.TreeView->setCurrentIndex(window.Model()->index(0, 0, firm));
    EXPECT_EQ(window.Session().SelectedKind(), 'C');
    window.Session().Tree().Select(window.Session().Table().Node(1));
    EXPECT_EQ(window.TreeView->currentIndex(), firm);
}

// The question's start is always in sight, and the whole of a long label can be read: the text
// wraps from the top of the panel and scrolls there; the dialog keeps its size.
TEST(OkDialogTest, ALongQuestionStartsAtTheTopAndScrolls) {
    QString label;
    for (int i = 0; i < 12; ++i)
        label += QString::fromUtf8("Hueco sin tapa en el suelo del muelle de carga número %1 // ").arg(i);
    OkDialog dialog(QString::fromUtf8("Está seguro de borrar el item:") + label, "Borrado de un item");
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(dialog.size(), QSize(313, 116));
    EXPECT_EQ(Named<QWidget>(dialog, "Panel1")->geometry(), QRect(0, 0, 313, 73));
    auto* message = Named<QLabel>(dialog, "lblMensaje");
    EXPECT_TRUE(message->alignment() & Qt::AlignTop);
    EXPECT_GE(message->height(), message->heightForWidth(message->width())) << "no line is cut off";
    auto* scroll = Named<QScrollArea>(dialog, "MessageScroll");
    EXPECT_EQ(scroll->verticalScrollBar()->value(), 0) << "the start is shown";
    EXPECT_EQ(scroll->verticalScrollBar()->maximum(), message->height() - scroll->viewport()->height())
        << "and the rest is reached by scrolling";
    EXPECT_EQ(dialog.focusWidget(), Named<QPushButton>(dialog, "OKBtn")) << "Enter still answers \"Si\"";
}

// The caption is the file name as the file system spells it, also with characters that the
// documents' own character set has not.
TEST_F(MainWindowTest, TheCaptionIsTheFileNameAsSpelt) {
    TempDir dir;
    const FilePath document = dir.File("Łódź 文件.kl3");
    WriteFile(document, "1\t0\tE\tFirma\r\n");
    window.OpenStartupDocument({PathToQt(document)});
    EXPECT_EQ(window.windowTitle(), PathToQt(document));
    EXPECT_TRUE(window.windowTitle().endsWith(QString::fromUtf8("/Łódź 文件.kl3")));
}

// The tree model observes the session's tree: the window takes it from the view and destroys it
// while the session is alive (under the sanitizers a later destruction is a use after free).
TEST(MainWindowLifetimeTest, TheTreeModelGoesBeforeTheSession) {
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    auto window = std::make_unique<MainWindow>(catalogue, &port, &dates);
    window->Nuevo1->trigger();
    window->Session().SetModified(false);
    QPointer<QTreeView> view = window->TreeView;
    TreeModel* model = window->Model();
    bool detached = false;
    QObject::connect(model, &QObject::destroyed, [&] { detached = view && view->model() != model; });
    window.reset();
    EXPECT_TRUE(detached) << "the model was destroyed after it left the view";
}

TEST(OkDialogTest, GeometryAndButtons) {
    OkDialog dialog("Mensaje", "Título");
    EXPECT_EQ(dialog.size(), QSize(313, 116));
    EXPECT_EQ(dialog.windowTitle(), "Título");
    EXPECT_EQ(Named<QLabel>(dialog, "lblMensaje")->text(), "Mensaje");
    EXPECT_TRUE(Named<QLabel>(dialog, "lblMensaje")->wordWrap());
    EXPECT_EQ(Named<QPushButton>(dialog, "OKBtn")->text(), "Si");
    EXPECT_EQ(Named<QPushButton>(dialog, "OKBtn")->geometry(), QRect(71, 84, 75, 25));
    EXPECT_TRUE(Named<QPushButton>(dialog, "OKBtn")->isDefault());
    EXPECT_EQ(Named<QPushButton>(dialog, "CancelBtn")->text(), "No");
    EXPECT_EQ(Named<QPushButton>(dialog, "CancelBtn")->geometry(), QRect(159, 84, 75, 25));
    Named<QPushButton>(dialog, "OKBtn")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    OkDialog other("m", "c");
    other.show();
    other.reject();  // what Esc and the close box do
    EXPECT_EQ(other.result(), QDialog::Rejected);
}
