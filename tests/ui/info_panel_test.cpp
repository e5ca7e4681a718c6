#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTreeWidget>

#include "catalogue.h"
#include "info_panel.h"
#include "main_window.h"
#include "scripted_port.h"

namespace {

struct InfoPanelTest : ::testing::Test {
    InfoPanelTest() {
        window.show();
        QApplication::processEvents();
    }

    void Select(int index) { list->setCurrentItem(list->topLevelItem(index)); }

    void MovePointer(int x) {
        const QPointF at(x, 5);
        QMouseEvent move(QEvent::MouseMove, at, list->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
    }

    bool NoteShown() const { return !note->isHidden(); }

    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window{catalogue, &port, &dates};
    QTreeWidget* list = window.Panel1->ListView1;
    QPlainTextEdit* note = window.Panel1->Memo1;
};

}  // namespace

TEST_F(InfoPanelTest, TheListHoldsTheProcedureAndTheLegend) {
    EXPECT_EQ(list->headerItem()->text(0), "INFORMACIÓN");
    EXPECT_EQ(list->columnCount(), 1);
    EXPECT_EQ(list->columnWidth(0), 500);
    EXPECT_FALSE(list->header()->sectionsClickable());
    EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    ASSERT_EQ(list->topLevelItemCount(), 23);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Procedimiento a seguir:");
    EXPECT_EQ(list->topLevelItem(2)->text(0), "1º Diseñar zonas");
    EXPECT_EQ(list->topLevelItem(8)->text(0),
              "(Para introducir los datos, pulsar el botón derecho del ratón)");
    EXPECT_EQ(list->topLevelItem(20)->text(0),
              "Items valorados como mejorables y que requieren una intervención somera");
    EXPECT_EQ(list->topLevelItem(22)->text(0), "Deficiencias que necesariamente deben solventarse");
    for (int i = 0; i < 23; ++i)
        EXPECT_EQ(list->topLevelItem(i)->font(0).bold(), i == 0 || i == 9) << i;

    const QSize small(16, 16);
    EXPECT_EQ(list->topLevelItem(9)->icon(0).pixmap(small).toImage(),
              list->topLevelItem(8)->icon(0).pixmap(small).toImage())
        << "items without an icon share the blank one";
    EXPECT_NE(list->topLevelItem(10)->icon(0).pixmap(small).toImage(),
              list->topLevelItem(8)->icon(0).pixmap(small).toImage());
    EXPECT_EQ(list->topLevelItem(1)->icon(0).pixmap(small).toImage(),
              list->topLevelItem(14)->icon(0).pixmap(small).toImage())
        << "both stand for the firm (icon 5)";
    EXPECT_EQ(window.Splitter1->sizes().at(0), 105);
}

TEST_F(InfoPanelTest, TheNoteLiesAboveThePanelAndTheTree) {
    EXPECT_FALSE(NoteShown()) << "hidden at start";
    EXPECT_EQ(note->parentWidget(), window.centralWidget());
    EXPECT_EQ(note->geometry(), QRect(80, 40, 185, 89));
    EXPECT_TRUE(note->isReadOnly());
    EXPECT_EQ(note->focusPolicy() & Qt::TabFocus, 0) << "not reachable with Tab";
    EXPECT_EQ(note->palette().color(QPalette::Base), QColor(255, 255, 170));
    Select(1);
    EXPECT_EQ(window.centralWidget()->children().last(), note) << "raised above its siblings";
}

TEST_F(InfoPanelTest, EachStepShowsItsGuidanceBesideIt) {
    Select(4);
    EXPECT_TRUE(NoteShown());
    EXPECT_EQ(note->pos(), QPoint(80, 90));
    EXPECT_EQ(
        note->toPlainText(),
        "Para imprimir los cuestionarios sin cumplimentar debe accederse al cuestionario en formato pdf que "
        "se encuentra en la carpeta \\KALDOWEB o pulsar el botón correspondiente.");
    Select(3);
    EXPECT_EQ(note->pos(), QPoint(80, 73));
    EXPECT_EQ(note->toPlainText(),
              "Asignar los cuestionarios específicos tanto a cada zona, como a cada puesto de trabajo. El "
              "cuestionario \"Gestión preventiva\" sólo se aplica en la empresa.");
    Select(1);
    EXPECT_EQ(note->pos(), QPoint(80, 39));
    EXPECT_EQ(note->toPlainText(),
              "Asigne un nombre a su organización y a diferentes centros si los hubiere.");
    Select(7);
    EXPECT_EQ(note->pos(), QPoint(80, 141));
    EXPECT_EQ(note->toPlainText(),
              "Deberá complementar las medidas genéricas del método con las específicas que Vd. considere.");
}

TEST_F(InfoPanelTest, OtherItemsAndDeselectionHideTheNote) {
    for (int other : {0, 8, 9, 15, 22}) {
        Select(5);
        ASSERT_TRUE(NoteShown());
        Select(other);
        EXPECT_FALSE(NoteShown()) << other;
    }
    Select(6);
    list->clearSelection();
    EXPECT_FALSE(NoteShown());
}

TEST_F(InfoPanelTest, ThePointerRightOfX90HidesTheNoteUntilTheNextSelection) {
    Select(4);
    MovePointer(90);
    EXPECT_TRUE(NoteShown());
    MovePointer(91);
    EXPECT_FALSE(NoteShown());
    EXPECT_EQ(note->pos(), QPoint(80, 90)) << "text and place stay";
    EXPECT_FALSE(note->toPlainText().isEmpty());

    // The same item again changes no selection, so the note stays hidden.
    Select(4);
    EXPECT_FALSE(NoteShown());
    Select(2);
    Select(4);
    EXPECT_TRUE(NoteShown());
}
