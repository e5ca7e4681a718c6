#include <gtest/gtest.h>

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "catalogue.h"
#include "document_tree_view.h"
#include "main_window.h"
#include "named_child.h"
#include "plan_csv.h"
#include "plan_table_model.h"
#include "plan_window.h"
#include "screen_fit.h"
#include "scripted_port.h"
#include "temp_dir.h"
#include "text_codec.h"
#include "tree_model.h"

namespace {

// The main window on tests/data/plan.kl3 (see tests/plan/plan_fixture.h), today 8 December 2026.
struct PlanWindowTest : ::testing::Test {
    PlanWindowTest() {
        window.show();
        window.OpenStartupDocument({PathToQt(TestData("plan.kl3"))});
        QCoreApplication::processEvents();
    }

    PlanWindow* Plan() { return window.findChild<PlanWindow*>("frmPlan"); }
    PlanWindow* Open() {
        window.PlanAccion1->trigger();
        PlanWindow* plan = Plan();
        EXPECT_TRUE(plan && plan->isVisible());
        return plan;
    }
    // The slots of the rows the table shows, top to bottom.
    static std::vector<int> Slots(const PlanWindow& plan) {
        std::vector<int> shown;
        const QAbstractItemModel* model = plan.tblPlan->model();
        for (int r = 0; r < model->rowCount(); ++r)
            shown.push_back(model->index(r, 0).data(PlanTableModel::SlotRole).toInt());
        return shown;
    }
    QToolButton* Notice() { return Named<QToolButton>(window, "PlanStatus"); }

    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates{{2026, 12, 8}};
    MainWindow window{catalogue, &port, &dates};
};

}  // namespace

TEST_F(PlanWindowTest, TheEntryEndsVistasAfterASeparatorAndTheStatusBarSitsBelowTheClientArea) {
    const QList<QAction*> entries = window.VistasMenu->actions();
    ASSERT_GE(entries.size(), 3);
    EXPECT_EQ(entries[entries.size() - 2], window.PlanAccion1) << "the review follows it";
    EXPECT_TRUE(entries[entries.size() - 3]->isSeparator());
    EXPECT_EQ(window.PlanAccion1->text(), "Plan de acción");
    EXPECT_EQ(window.PlanAccion1->shortcut(), QKeySequence("Ctrl+L"));
    EXPECT_TRUE(window.PlanAccion1->isEnabled());
    // The window grew by the status bar: what is above it keeps its 499 pixels.
    EXPECT_EQ(window.width(), 748);
    EXPECT_EQ(window.height() - window.statusBar()->height(), 499);

    port.answers = {false};
    window.Cerrar1->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.PlanAccion1->isEnabled());
    EXPECT_FALSE(Notice()->isVisible());
}

TEST_F(PlanWindowTest, TheNoticeCountsOverdueMeasuresAndOpensThePlanOnThem) {
    ASSERT_TRUE(Notice()->isVisible());
    EXPECT_EQ(Notice()->text(), "2 medidas vencidas · próxima: 08/12/2026 Señalizar el paso");
    Notice()->click();
    PlanWindow* plan = Plan();
    ASSERT_TRUE(plan && plan->isVisible());
    EXPECT_EQ(plan->cmbEstado->currentText(), "Vencida");
    EXPECT_EQ(Slots(*plan), (std::vector<int>{8, 18}));
    EXPECT_EQ(plan->lblRecuentos->text(),
              "2 vencidas · 1 pendiente · 2 sin fecha · 1 realizada · 1 sin medida");

    // A day later the measure due today is overdue too; the plan window keeps its own date.
    dates.today = {2026, 12, 9};
    window.Session().SetModified(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(Notice()->text(), "3 medidas vencidas");
    EXPECT_EQ(Slots(*plan).size(), 2u);
}

TEST_F(PlanWindowTest, SortingByAColumnAndBackToThePlansOrder) {
    PlanWindow* plan = Open();
    EXPECT_EQ(Slots(*plan), (std::vector<int>{8, 9, 3, 15, 11, 18, 13}));
    EXPECT_EQ(plan->tblPlan->model()->headerData(7, Qt::Horizontal).toString(), "Fecha prevista");
    // Dates as dates, rows without a readable one after them, in the plan's order.
    plan->tblPlan->sortByColumn(7, Qt::AscendingOrder);
    EXPECT_EQ(Slots(*plan), (std::vector<int>{18, 8, 9, 11, 3, 15, 13}));
    plan->tblPlan->sortByColumn(10, Qt::DescendingOrder);  // Estado: from "Sin medida" to "Vencida"
    EXPECT_EQ(Slots(*plan), (std::vector<int>{3, 11, 15, 13, 9, 8, 18}));
    plan->tblPlan->sortByColumn(4, Qt::AscendingOrder);  // Medida, as text; the deficiency has none
    EXPECT_EQ(Slots(*plan).front(), 3);
    EXPECT_EQ(Slots(*plan)[1], 11) << "Cambiar luminarias";
    plan->btnOrden->click();
    EXPECT_EQ(Slots(*plan), (std::vector<int>{8, 9, 3, 15, 11, 18, 13}));
}

TEST_F(PlanWindowTest, FiltersByStateLevelAndText) {
    PlanWindow* plan = Open();
    plan->cmbNivel->setCurrentText("A corregir");
    EXPECT_EQ(Slots(*plan), (std::vector<int>{3, 15}));
    plan->cmbEstado->setCurrentText("Sin medida");
    EXPECT_EQ(Slots(*plan), (std::vector<int>{3}));
    plan->cmbNivel->setCurrentIndex(0);
    plan->cmbEstado->setCurrentIndex(0);
    plan->edtBuscar->setText("BARANDILLA");
    EXPECT_EQ(Slots(*plan), (std::vector<int>{8, 9}));
    plan->edtBuscar->setText(QString::fromUtf8("450 €"));
    EXPECT_EQ(Slots(*plan), (std::vector<int>{8}));
    plan->edtBuscar->setText("Línea 2");  // the second line of a comment, which the cell does not show
    EXPECT_EQ(Slots(*plan), (std::vector<int>{13}));
    // Accents and capitals as the tree's find takes them.
    plan->edtBuscar->setText("senalizar");
    EXPECT_EQ(Slots(*plan), (std::vector<int>{9}));
    plan->edtBuscar->setText("GOMEZ");
    EXPECT_EQ(Slots(*plan), (std::vector<int>{11}));
    plan->edtBuscar->setText(QString::fromUtf8("SEÑALÍZAR"));
    EXPECT_EQ(Slots(*plan), (std::vector<int>{9}));
    EXPECT_EQ(plan->lblRecuentos->text(),
              "2 vencidas · 1 pendiente · 2 sin fecha · 1 realizada · 1 sin medida")
        << "the counts are the whole plan's";
}

// On a screen narrower than the window's 1260 pixels (the test platform's is 800 x 600, less than a
// laptop's 1093 x 614 at 125 %) the whole window opens within the screen, every short column
// shows its content and nothing scrolls sideways; a width the user sets stays when the window
// opens again.
TEST_F(PlanWindowTest, TheWindowAndItsColumnsFitTheScreenAndTheUsersWidthsStay) {
    ScreenFit fit;
    PlanWindow* plan = Open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(plan));
    const QRect area = plan->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(plan->geometry())) << "window " << plan->width() << " x " << plan->height()
                                                 << ", screen " << area.width() << " x " << area.height();
    const QPoint closeCorner = plan->btnCerrar->mapToGlobal(plan->btnCerrar->rect().bottomRight());
    EXPECT_TRUE(area.contains(closeCorner));
    EXPECT_TRUE(plan->btnCerrar->isVisible());
    EXPECT_EQ(plan->tblPlan->horizontalScrollBar()->maximum(), 0) << "every column in the window";
    for (const plan::Column column : {plan::Column::kLevel, plan::Column::kPlannedDate,
                                      plan::Column::kDoneDate, plan::Column::kState}) {
        const int c = static_cast<int>(column);
        const int shown = plan->tblPlan->columnWidth(c);
        plan->tblPlan->resizeColumnToContents(c);
        EXPECT_GE(shown, plan->tblPlan->columnWidth(c)) << "column " << c << " is cut";
    }

    const int measure = static_cast<int>(plan::Column::kMeasure);
    plan->tblPlan->horizontalHeader()->resizeSection(measure, 41);  // as the user drags it
    plan->close();
    window.Session().DeleteSubtree(window.Session().Table().Node(13));  // the plan changes meanwhile
    QCoreApplication::processEvents();
    plan = Open();
    EXPECT_EQ(plan->tblPlan->columnWidth(measure), 41);
}

TEST_F(PlanWindowTest, ADoubleClickSelectsTheNodeInTheGeographicTree) {
    window.emporal1->trigger();
    PlanWindow* plan = Open();
    plan->tblPlan->sortByColumn(7, Qt::AscendingOrder);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(plan));
    const QModelIndex first = plan->tblPlan->model()->index(0, 4);  // measure 18, under 02.- Máquinas
    const QPoint centre = plan->tblPlan->visualRect(first).center();
    // What the window system sends: a click, then the double click.
    QTest::mouseClick(plan->tblPlan->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(plan->tblPlan->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(window.Session().ViewMode(), view::kGeographic);
    const TreeNode* selected = window.Session().Tree().Selected();
    ASSERT_TRUE(selected && selected->record);
    EXPECT_EQ(selected->record->GetField(field::kMeasure), "Colocar resguardo");
    const QModelIndex index = window.TreeView->currentIndex();
    EXPECT_EQ(window.Model()->NodeAt(index), selected);
    EXPECT_TRUE(window.TreeView->isExpanded(index.parent())) << "the branch is opened to show it";
    EXPECT_TRUE(window.TreeView->isExpanded(index.parent().parent()));
}

TEST_F(PlanWindowTest, TheWindowFollowsTheDocumentAndItsOwnDate) {
    PlanWindow* plan = Open();
    // The measure of the deficiency without level goes: the deficiency is left without measure.
    window.Session().DeleteSubtree(window.Session().Table().Node(13));
    QCoreApplication::processEvents();
    EXPECT_EQ(Slots(*plan), (std::vector<int>{8, 9, 3, 15, 11, 18, 12}));
    EXPECT_EQ(plan->lblRecuentos->text(),
              "2 vencidas · 1 pendiente · 1 sin fecha · 1 realizada · 2 sin medida");
    // On an earlier date nothing is overdue, and the measure done on 20/11 is still to be done;
    // the notice keeps today's. Its calendar is Spanish.
    EXPECT_EQ(plan->dtAFecha->calendarWidget()->locale().language(), QLocale::Spanish);
    plan->dtAFecha->setDate(QDate(2026, 11, 1));
    QCoreApplication::processEvents();
    EXPECT_EQ(plan->lblRecuentos->text(), "4 pendientes · 1 sin fecha · 2 sin medida");
    EXPECT_TRUE(Notice()->isVisible());
    // A view rebuilds the tree; the plan stays.
    window.Valoracin1->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(Slots(*plan).size(), 7u);
}

TEST_F(PlanWindowTest, ExportsTheWholePlanWhateverTheFilters) {
    PlanWindow* plan = Open();
    plan->cmbEstado->setCurrentText("Vencida");
    TempDir dir;
    port.files = {dir.File("plan.csv")};
    plan->btnCsv->click();
    ASSERT_EQ(port.dialogs.size(), 1u);
    EXPECT_EQ(port.dialogs[0].proposedName, FilePath("plan-plan.csv"));
    EXPECT_EQ(port.dialogs[0].defaultSuffix, "csv");
    EXPECT_EQ(ReadFile(dir.File("plan.csv")), plan::PlanCsv(plan->Plan()));
    EXPECT_EQ(plan->Plan().rows.size(), 7u);

    port.files = {dir.File("no/plan.pdf")};
    plan->btnPdf->click();
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_EQ(port.errors[0].rfind("No se puede escribir el plan de acción: ", 0), 0u) << port.errors[0];
}
