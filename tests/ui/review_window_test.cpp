#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "catalogue.h"
#include "document_tree_view.h"
#include "main_window.h"
#include "named_child.h"
#include "document_review.h"
#include "review_window.h"
#include "scripted_port.h"
#include "temp_dir.h"
#include "text_codec.h"
#include "tree_model.h"

namespace {

// The main window on tests/data/plan.kl3, today 8 December 2026.
struct ReviewWindowTest : ::testing::Test {
    ReviewWindowTest() {
        window.show();
        window.OpenStartupDocument({PathToQt(TestData("plan.kl3"))});
        QCoreApplication::processEvents();
    }
    ReviewWindow* Review() { return window.findChild<ReviewWindow*>("frmRevisar"); }
    QToolButton* Notice() { return Named<QToolButton>(window, "RevisarStatus"); }
    // The lines of the window: "Group (n)" and, indented, "what is missing | node".
    static QStringList Lines(const ReviewWindow& review) {
        QStringList out;
        for (int g = 0; g < review.lstPuntos->topLevelItemCount(); ++g) {
            const QTreeWidgetItem* group = review.lstPuntos->topLevelItem(g);
            out << group->text(0);
            for (int i = 0; i < group->childCount(); ++i)
                out << "  " + group->child(i)->text(0) + " | " + group->child(i)->text(1);
        }
        return out;
    }

    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates{{2026, 12, 8}};
    MainWindow window{catalogue, &port, &dates};
};

}  // namespace

TEST_F(ReviewWindowTest, CtrlROpensItAndTheStatusBarCountsTheGaps) {
    EXPECT_EQ(window.RevisarDocumento1->text(), "Revisar el documento");
    EXPECT_EQ(window.RevisarDocumento1->shortcut(), QKeySequence("Ctrl+R"));
    EXPECT_EQ(window.VistasMenu->actions().back(), window.RevisarDocumento1);
    ASSERT_TRUE(Notice()->isVisible());
    const int gaps = review::GapCount(window.Session(), dates, dates.today);
    EXPECT_EQ(Notice()->text(), QString("%1 puntos pendientes").arg(gaps));

    Notice()->click();
    ReviewWindow* review = Review();
    ASSERT_TRUE(review && review->isVisible());
    EXPECT_EQ(review->lblResumen->text(), Notice()->text());
    const QStringList lines = Lines(*review);
    EXPECT_EQ(lines.size(), gaps + review->lstPuntos->topLevelItemCount());
    EXPECT_EQ(lines.front(), "Empresa (4)");
    EXPECT_TRUE(lines.contains("  sin medida preventiva | Construcciones Ávila, S.L. / 00.- Gestión Preventiva / "
                               "1. ¿Existe una política de prevención?"))
        << lines.join("\n").toStdString();

    port.answers = {false};
    window.Cerrar1->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.RevisarDocumento1->isEnabled());
    EXPECT_FALSE(Notice()->isVisible());
    EXPECT_EQ(review->lblResumen->text(), "El documento está completo") << "no document, nothing missing";
}

TEST_F(ReviewWindowTest, ItFollowsTheDocumentAndADoubleClickOnlySelectsTheNode) {
    window.RevisarDocumento1->trigger();
    ReviewWindow* review = Review();
    ASSERT_TRUE(review && QTest::qWaitForWindowExposed(review));
    const int before = Lines(*review).size();
    // The deficiency without measure goes, and with it its gap.
    window.Session().DeleteSubtree(window.Session().Table().Node(3));
    QCoreApplication::processEvents();
    EXPECT_LT(Lines(*review).size(), before);
    EXPECT_FALSE(Lines(*review).join("\n").contains("1. ¿Existe una política"));

    window.emporal1->trigger();
    QTreeWidgetItem* measures = review->lstPuntos->topLevelItem(review->lstPuntos->topLevelItemCount() - 1);
    ASSERT_TRUE(measures->text(0).startsWith("Medidas preventivas"));
    QTreeWidgetItem* first = measures->child(0);
    const int slot = first->data(0, Qt::UserRole + 1).toInt();
    const QPoint centre = review->lstPuntos->visualItemRect(first).center();
    QTest::mouseClick(review->lstPuntos->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(review->lstPuntos->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(window.Session().ViewMode(), view::kGeographic);
    const TreeNode* selected = window.Session().Tree().Selected();
    ASSERT_TRUE(selected && selected->record);
    EXPECT_EQ(window.Session().Table().SlotOf(selected->record), slot);
    EXPECT_EQ(selected->record->GetKind(field::kKind), 'R');
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no dialog opens";
    EXPECT_TRUE(port.messages.empty() && port.errors.empty());
}
