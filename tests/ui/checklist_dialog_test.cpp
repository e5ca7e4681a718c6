#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <functional>

#include "catalogue.h"
#include "cp1252.h"
#include "document_tree_view.h"
#include "main_window.h"
#include "named_child.h"
#include "scripted_port.h"
#include "shipped_catalogue.h"
#include "temp_dir.h"
#include "text_codec.h"
#include "tree_model.h"

namespace {

// Runs action on the modal window of this name once it shows. A window that does not come within
// five seconds fails the test, and whatever modal window stands instead is closed, so that no
// test can wait for ever.
void WhenModal(const QString& name, std::function<void(QWidget*)> action, int triesLeft = 500) {
    QTimer::singleShot(10, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name && modal->isVisible()) {
            action(modal);
        } else if (triesLeft == 0) {
            ADD_FAILURE() << "no window " << name.toStdString();
            if (modal) modal->close();
        } else {
            WhenModal(name, action, triesLeft - 1);
        }
    });
}

// Which of an item's three answers is checked: "S", "N", "X" or " ".
std::string Shown(const QWidget& dialog, int item) {
    const auto* row =
        Named<QFrame>(dialog, QString("Item%1").arg(item, 2, 10, QChar('0')).toLatin1().constData());
    if (Named<QRadioButton>(*row, "rbSi")->isChecked()) return "S";
    if (Named<QRadioButton>(*row, "rbNo")->isChecked()) return "N";
    if (Named<QRadioButton>(*row, "rbNoProcede")->isChecked()) return "X";
    return " ";
}

// The shipped catalogue and, in the main window, a firm whose workstation holds questionnaire
// 13 (eighteen items, with notes) in slot 4 and a deficiency of its item 1 in slot 5.
struct ChecklistWindowTest : ::testing::Test {
    ScriptedPort port;
    FixedDates dates;
    Catalogue catalogue;
    TempDir dir;
    std::unique_ptr<MainWindow> window;
    int items = 0;

    ChecklistWindowTest() {
        EXPECT_EQ(LoadShippedCatalogue(catalogue), Catalogue::LoadResult::Loaded);
        items = catalogue.ItemCount(13);
        WriteFile(dir.File("firma.kl3"), W("1\t0\tE\tTalleres Ruiz\r\n2\t1\tZ\tNave\r\n3\t2\tP\tSoldadura\r\n"
                                           "4\t3\tC\t13.- Ruido\r\n"
                                           "5\t4\tD\t1. Evaluar el ruido\t\t\t\t\t\t\t21222\r\n"));
        window = std::make_unique<MainWindow>(catalogue, &port, &dates);
        window->OpenStartupDocument({PathToQt(dir.File("firma.kl3"))});
        window->show();
        window->TreeView->expandAll();
        QApplication::processEvents();
    }
    oToken& Record(int slot) { return *window->Session().Table().Record(slot); }
    void Select(int slot) {
        const QModelIndex index = window->Model()->IndexOf(window->Session().Table().Node(slot));
        window->TreeView->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }
};

}  // namespace

TEST_F(ChecklistWindowTest, TheKeyboardAnswersAndEachNewNoOpensTheDeficiencyDialog) {
    ASSERT_GE(items, 6);
    Select(4);
    window->PrepareContextMenu();
    ASSERT_TRUE(window->ResponderCuestionario1->isEnabled());

    std::string deficiencyItem;
    WhenModal("frmCuestionario", [&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Cuestionario 13.- Ruido");
        EXPECT_TRUE(Named<QLabel>(*dialog, "lblNotas")->isVisible());
        EXPECT_EQ(FromQt(Named<QLabel>(*dialog, "lblNotas")->text()).substr(0, 20),
                  catalogue.Note(13, 1).substr(0, 20));
        EXPECT_EQ(Named<QLabel>(*dialog, "lblRespondidos")->text(), QString("1 de %1 respondidos").arg(items))
            << "item 1 has its deficiency";
        EXPECT_EQ(Shown(*dialog, 1), "N");
        EXPECT_FALSE(Named<QRadioButton>(*Named<QFrame>(*dialog, "Item01"), "rbSi")->isEnabled());

        auto* list = Named<QScrollArea>(*dialog, "lstItems");
        ASSERT_EQ(dialog->focusWidget(), list) << "the list has the keyboard";
        // S on the locked item 1 moves on; then Sí, No, No procede; Up goes back to item 4 and
        // Supr takes its answer back; Down to item 5, and n answers it No.
        for (int key : {Qt::Key_S, Qt::Key_S, Qt::Key_N, Qt::Key_P, Qt::Key_Up, Qt::Key_Delete, Qt::Key_Down,
                        Qt::Key_N})
            QTest::keyClick(list, static_cast<Qt::Key>(key));
        EXPECT_EQ(Shown(*dialog, 1), "N");
        EXPECT_EQ(Shown(*dialog, 2), "S");
        EXPECT_EQ(Shown(*dialog, 3), "N");
        EXPECT_EQ(Shown(*dialog, 4), " ");
        EXPECT_EQ(Shown(*dialog, 5), "N");
        EXPECT_EQ(Named<QLabel>(*dialog, "lblRespondidos")->text(),
                  QString("4 de %1 respondidos").arg(items));

        Named<QPushButton>(*dialog, "btnPendientes")->click();
        EXPECT_EQ(Shown(*dialog, 4), "S");
        EXPECT_EQ(Named<QLabel>(*dialog, "lblRespondidos")->text(),
                  QString("%1 de %1 respondidos").arg(items));
        // A mouse click answers too, without moving on.
        Named<QRadioButton>(*Named<QFrame>(*dialog, "Item06"), "rbNoProcede")->click();

        // Items 3 and 5 are new "No"s: one deficiency dialog after the other, each with its item
        // picked from the list. The first is cancelled, the second valued and accepted.
        WhenModal("frmRespuestas", [&](QWidget* first) {
            EXPECT_EQ(Named<QComboBox>(*first, "cmb")->currentText(), "03");
            WhenModal("frmRespuestas", [&](QWidget* second) {
                EXPECT_EQ(Named<QComboBox>(*second, "cmb")->currentText(), "05");
                deficiencyItem = FromQt(Named<QPlainTextEdit>(*second, "Memo3")->toPlainText());
                Named<QPlainTextEdit>(*second, "Memo2")->setPlainText("Compresor sin cabina");
                Named<QRadioButton>(*second, "RadioButton7")->click();   // Grave
                Named<QRadioButton>(*second, "RadioButton14")->click();  // Frecuente
                Named<QRadioButton>(*second, "RadioButton19")->click();  // Mejorable
                Named<QPushButton>(*second, "BitBtn1")->click();
            });
            Named<QPushButton>(*first, "BitBtn2")->click();
        });
        Named<QPushButton>(*dialog, "BitBtn1")->click();
    });
    window->ResponderCuestionario1->trigger();

    EXPECT_EQ(deficiencyItem, "5. " + catalogue.ItemText(13, 5));
    std::string expected(items, 'S');
    expected.replace(0, 6, "NS SNX");
    EXPECT_EQ(Record(4).GetField(field::kChecklistAnswers), expected) << "item 3 cancelled: not answered";
    TreeNode* questionnaire = window->Session().Table().Node(4);
    ASSERT_EQ(questionnaire->children.size(), 2u);
    const oToken& added = *questionnaire->children.back()->record;
    EXPECT_EQ(added.GetField(field::kItem), deficiencyItem);
    EXPECT_EQ(added.GetField(field::kDeficiencyDetected), "Compresor sin cabina");
    EXPECT_EQ(added.GetField(field::kValuationCode), "12212");
    EXPECT_EQ(Record(4).GetField(field::kQuestionnaireValuation), "2");
    EXPECT_TRUE(window->Session().Modified());
}

TEST_F(ChecklistWindowTest, TheDataEditorShowsTheAnswersAndAnswersTheQuestionnaire) {
    Select(4);
    QString before, after;
    bool zoneShowsAnswers = true;
    WhenModal("frmDatos", [&](QWidget* editor) {
        auto* summary = Named<QLabel>(*editor, "lblRespondidos");
        EXPECT_TRUE(summary->isVisible());
        before = summary->text();
        WhenModal("frmCuestionario", [&](QWidget* dialog) {
            Named<QPushButton>(*dialog, "btnPendientes")->click();
            Named<QPushButton>(*dialog, "BitBtn1")->click();
        });
        Named<QPushButton>(*editor, "btnResponder")->click();
        after = summary->text();
        Named<QPushButton>(*editor, "BitBtn2")->click();  // Cancelar: the answers stay
    });
    QTest::mouseDClick(window->TreeView->viewport(), Qt::LeftButton, {},
                       window->TreeView->visualRect(window->TreeView->currentIndex()).center());
    EXPECT_EQ(before,
              QString("Respondidos: 0 de %1 (Sí 0, No 0, No procede 0) · Valoración: Sin Valorar").arg(items))
        << "never answered: the deficiency alone answers nothing";
    EXPECT_EQ(after, QString("Respondidos: %1 de %1 (Sí %2, No 1, No procede 0) · Valoración: Sin Valorar")
                         .arg(items)
                         .arg(items - 1));
    EXPECT_EQ(Record(4).GetField(field::kChecklistAnswers), "N" + std::string(items - 1, 'S'));
    EXPECT_EQ(Record(4).GetField(field::kQuestionnaireValuation), "") << "a No: not Aplicado";

    Select(2);
    WhenModal("frmDatos", [&](QWidget* editor) {
        zoneShowsAnswers = Named<QPushButton>(*editor, "btnResponder")->isVisible();
        Named<QPushButton>(*editor, "BitBtn2")->click();
    });
    QTest::mouseDClick(window->TreeView->viewport(), Qt::LeftButton, {},
                       window->TreeView->visualRect(window->TreeView->currentIndex()).center());
    EXPECT_FALSE(zoneShowsAnswers);
}
