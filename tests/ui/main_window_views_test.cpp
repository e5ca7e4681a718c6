#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>

#include "catalogue.h"
#include "document_tree_view.h"
#include "main_window.h"
#include "scripted_port.h"
#include "shipped_catalogue.h"
#include "temp_dir.h"
#include "text_codec.h"
#include "tree_model.h"

namespace {

struct MainWindowViewsTest : ::testing::Test {
    MainWindowViewsTest() {
        LoadShippedCatalogue(catalogue);
        window.resize(748, 499);
        window.show();
        window.OpenStartupDocument({PathToQt(TestData("carpinteria.kl3"))});
    }

    QModelIndex Index(std::initializer_list<int> rows) {
        QModelIndex index;
        for (int row : rows)
            index = window.Model()->index(row, 0, index);
        return index;
    }

    std::vector<std::string> Records() {
        std::vector<std::string> out;
        const NodeTable& table = window.Session().Table();
        for (int s = 1; s <= table.count(); ++s)
            out.push_back(table.Record(s) ? table.Record(s)->WriteLine() : std::string());
        return out;
    }

    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window{catalogue, &port, &dates};
};

}  // namespace

TEST_F(MainWindowViewsTest, AnArrangementDisablesSavingAndDragging) {
    ASSERT_TRUE(window.emporal1->isEnabled());
    window.emporal1->trigger();
    EXPECT_EQ(window.Session().ViewMode(), view::kTemporal);
    EXPECT_FALSE(window.Guardar1->isEnabled());
    EXPECT_FALSE(window.Guardarcomo1->isEnabled());
    EXPECT_TRUE(window.Cerrar1->isEnabled());
    EXPECT_TRUE(window.Geogrfica1->isEnabled());
    EXPECT_TRUE(window.TreeView->isVisible());
    EXPECT_FALSE(window.TreeView->dragEnabled());
    EXPECT_FALSE(window.Model()->flags(Index({0, 2, 0})) & Qt::ItemIsDragEnabled);

    EXPECT_EQ(Index({0}).data().toString(), "Inspecciones");
    EXPECT_EQ(Index({0, 2, 0}).data().toString(), "01.- Lugares de trabajo");
    EXPECT_TRUE(window.TreeView->isExpanded(Index({0})));
    EXPECT_FALSE(window.TreeView->isExpanded(Index({0, 2})));
    EXPECT_FALSE(window.TreeView->isExpanded(Index({1})));

    // Only "Informe" can apply to a node without a record.
    window.TreeView->setCurrentIndex(Index({0, 2, 0}));
    window.PrepareContextMenu();
    for (QAction* action : window.PopupMenu1->actions()) {
        if (action == window.Informe1 || action->isSeparator()) continue;
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    }
}

TEST_F(MainWindowViewsTest, DoubleClickInAViewChangesNothing) {
    window.Riesgos1->trigger();
    const std::vector<std::string> before = Records();
    const QModelIndex item = Index({0, 1, 0});
    ASSERT_EQ(item.data().toString(), "Taller de mecanizado");
    const QPoint at = window.TreeView->visualRect(item).center();
    QTest::mouseDClick(window.TreeView->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Records(), before);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_EQ(window.Session().ViewMode(), view::kRisk);
}

TEST_F(MainWindowViewsTest, GeographicRestoresTheDocumentTreeWithTheRootOpen) {
    const QModelIndex zone = Index({0, 1});
    window.TreeView->expand(zone);
    window.Session().SetModified(true);
    window.Valoracin1->trigger();
    EXPECT_EQ(Index({0}).data().toString(), "Valoración");
    window.Geogrfica1->trigger();
    EXPECT_EQ(window.Session().ViewMode(), view::kGeographic);
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_TRUE(window.Guardar1->isEnabled());
    EXPECT_TRUE(window.TreeView->dragEnabled());
    EXPECT_EQ(Index({0}).data().toString(), "Carpintería Robledo, S.L.");
    EXPECT_TRUE(window.TreeView->isExpanded(Index({0})));
    EXPECT_FALSE(window.TreeView->isExpanded(Index({0, 1}))) << "deeper branches close again";

    // Also when chosen in the geographic view itself.
    window.TreeView->expand(Index({0, 1}));
    window.Geogrfica1->trigger();
    EXPECT_FALSE(window.TreeView->isExpanded(Index({0, 1})));
    EXPECT_TRUE(window.TreeView->isExpanded(Index({0})));
}
