#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "catalogue.h"
#include "cp1252.h"
#include "document_tree_view.h"
#include "main_window.h"
#include "named_child.h"
#include "questionnaire_selection_dialog.h"
#include "questionnaire_selection_form.h"
#include "scripted_port.h"
#include "shipped_catalogue.h"
#include "tree_model.h"

namespace {

QStringList Items(const QListWidget* list) {
    QStringList out;
    for (int row = 0; row < list->count(); ++row)
        out << list->item(row)->text();
    return out;
}

QStringList Numbers(const QListWidget* list) {
    QStringList out;
    for (const QString& item : Items(list))
        out << item.left(2);
    return out;
}

void SelectRow(QListWidget* list, const QString& number) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text().startsWith(number)) list->setCurrentRow(row);
    }
}

void DoubleClick(QListWidget* list, const QString& number) {
    for (int row = 0; row < list->count(); ++row) {
        if (!list->item(row)->text().startsWith(number)) continue;
        list->scrollToItem(list->item(row));
        const QPoint centre = list->visualItemRect(list->item(row)).center();
        // What the window system sends: a click, then the double click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        return;
    }
    ADD_FAILURE() << "no entry " << number.toStdString();
}

struct SelectionDialogTest : ::testing::Test {
    QuestionnaireSelectionForm form{W("Almacén"), "00000110000000000000000", Date{2026, 4, 1}};
    QuestionnaireSelectionDialog dialog{form, "dd/MM/yyyy"};
};

}  // namespace

TEST_F(SelectionDialogTest, CaptionsAndControls) {
    EXPECT_EQ(dialog.windowTitle(), "Selección de cuestionarios para Almacén");
    EXPECT_EQ(Named<QGroupBox>(dialog, "GroupBox1")->title(), "Selección Cuestionarios:");
    EXPECT_EQ(Named<QLabel>(dialog, "Label1")->text(), "Cuestionarios disponibles:");
    EXPECT_EQ(Named<QLabel>(dialog, "Label2")->text(), "Cuestionarios seleccionados:");
    EXPECT_EQ(Named<QLabel>(dialog, "Label3")->text(), "Doble click para seleccionar");
    EXPECT_EQ(Named<QGroupBox>(dialog, "GroupBox2")->title(), " Fecha probable de inspección: ");
    EXPECT_EQ(Named<QLabel>(dialog, "Label4")->text(),
              "Indicar fecha probable de inspección (calendario desplegable)");
    EXPECT_EQ(Named<QToolButton>(dialog, "SpeedButton1")->toolTip(), "Todos disponibles");
    EXPECT_EQ(Named<QToolButton>(dialog, "SpeedButton2")->toolTip(), "Seleccionado");
    EXPECT_EQ(Named<QToolButton>(dialog, "SpeedButton3")->toolTip(), "Eliminar");
    EXPECT_EQ(Named<QToolButton>(dialog, "SpeedButton4")->toolTip(), "Eliminar todos");
    EXPECT_EQ(Named<QPushButton>(dialog, "OKBtn")->text(), "&Aceptar");
    EXPECT_EQ(Named<QPushButton>(dialog, "CancelBtn")->text(), "&Cancelar");
    EXPECT_TRUE(Named<QPushButton>(dialog, "OKBtn")->isDefault());
    EXPECT_TRUE(dialog.isModal());

    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(dialog.focusWidget(), Named<QPushButton>(dialog, "OKBtn"));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "fixed size";
    // Every control lies inside the dialog.
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->isWindow()) continue;
        const QRect area(widget->mapTo(&dialog, QPoint(0, 0)), widget->size());
        EXPECT_TRUE(dialog.rect().contains(area)) << widget->objectName().toStdString();
    }
}

TEST_F(SelectionDialogTest, ListsShowTheFormSorted) {
    EXPECT_EQ(Items(Named<QListWidget>(dialog, "ListBox2")),
              QStringList({"05.- Manipulación de objetos", "06.- Instalación eléctrica"}));
    EXPECT_EQ(Named<QListWidget>(dialog, "ListBox1")->count(), 21);
    EXPECT_EQ(Named<QListWidget>(dialog, "ListBox1")->item(0)->text(), "00.- Gestión Preventiva");
    EXPECT_EQ(Named<QListWidget>(dialog, "ListBox1")->item(20)->text(), "22.- Factores de organización");
    QStringList sorted = Numbers(Named<QListWidget>(dialog, "ListBox1"));
    sorted.sort();
    EXPECT_EQ(Numbers(Named<QListWidget>(dialog, "ListBox1")), sorted);
}

TEST_F(SelectionDialogTest, ButtonsMoveEntries) {
    dialog.show();
    Named<QListWidget>(dialog, "ListBox1")->clearSelection();
    Named<QToolButton>(dialog, "SpeedButton2")->click();
    EXPECT_EQ(Named<QListWidget>(dialog, "ListBox2")->count(), 2) << "nothing selected: nothing moves";

    SelectRow(Named<QListWidget>(dialog, "ListBox1"), "13");
    Named<QToolButton>(dialog, "SpeedButton2")->click();
    EXPECT_EQ(Numbers(Named<QListWidget>(dialog, "ListBox2")), QStringList({"05", "06", "13"}));
    EXPECT_FALSE(Numbers(Named<QListWidget>(dialog, "ListBox1")).contains("13"));

    SelectRow(Named<QListWidget>(dialog, "ListBox2"), "05");
    Named<QToolButton>(dialog, "SpeedButton3")->click();
    EXPECT_EQ(Numbers(Named<QListWidget>(dialog, "ListBox2")), QStringList({"06", "13"}));
    EXPECT_EQ(Numbers(Named<QListWidget>(dialog, "ListBox1")).mid(4, 3), QStringList({"04", "05", "07"}));

    Named<QToolButton>(dialog, "SpeedButton1")->click();
    EXPECT_EQ(Named<QListWidget>(dialog, "ListBox1")->count(), 0);
    EXPECT_EQ(Named<QListWidget>(dialog, "ListBox2")->count(), 23);
    EXPECT_EQ(form.Flags(), "11111111111111111111111");

    QApplication::processEvents();
    EXPECT_EQ(Named<QListWidget>(dialog, "ListBox2")->verticalScrollBar()->maximum(), 0) << "all 23 fit";

    Named<QToolButton>(dialog, "SpeedButton4")->click();
    EXPECT_EQ(Named<QListWidget>(dialog, "ListBox1")->count(), 23);
    EXPECT_EQ(Named<QListWidget>(dialog, "ListBox2")->count(), 0);
    QApplication::processEvents();
    EXPECT_EQ(Named<QListWidget>(dialog, "ListBox1")->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(Named<QListWidget>(dialog, "ListBox1")->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(form.Flags(), "00000000000000000000000");
}

TEST_F(SelectionDialogTest, DoubleClicksMoveTheClickedEntry) {
    dialog.show();
    QApplication::processEvents();
    DoubleClick(Named<QListWidget>(dialog, "ListBox1"), "20");
    EXPECT_EQ(Numbers(Named<QListWidget>(dialog, "ListBox2")), QStringList({"05", "06", "20"}));
    DoubleClick(Named<QListWidget>(dialog, "ListBox2"), "06");
    EXPECT_EQ(Numbers(Named<QListWidget>(dialog, "ListBox2")), QStringList({"05", "20"}));
    EXPECT_EQ(form.Flags(), "00000100000000000000100");
}

// Return in a list moves its highlighted entry, as a double click does, and the dialog stays
// open; the row stays highlighted so that the next Return moves the next entry.
TEST_F(SelectionDialogTest, ReturnInAListMovesTheHighlightedEntry) {
    dialog.show();
    QApplication::processEvents();
    auto* available = Named<QListWidget>(dialog, "ListBox1");
    auto* selected = Named<QListWidget>(dialog, "ListBox2");
    available->setFocus();
    SelectRow(available, "13");
    QTest::keyClick(available, Qt::Key_Return);
    QTest::keyClick(available, Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible()) << "the dialog was not accepted";
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Numbers(selected), QStringList({"05", "06", "13", "14"}));

    selected->setFocus();
    SelectRow(selected, "06");
    QTest::keyClick(selected, Qt::Key_Return);
    EXPECT_EQ(Numbers(selected), QStringList({"05", "13", "14"}));
    EXPECT_EQ(form.Flags(), "00000100000001100000000");

    selected->clearSelection();
    QTest::keyClick(selected, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "nothing highlighted: nothing moves, nothing is accepted";
    EXPECT_EQ(Numbers(selected), QStringList({"05", "13", "14"}));
}

TEST_F(SelectionDialogTest, DatePickerShowsAndSetsTheDate) {
    EXPECT_TRUE(Named<QDateEdit>(dialog, "dtPick")->calendarPopup());
    EXPECT_EQ(Named<QDateEdit>(dialog, "dtPick")->calendarWidget()->locale().monthName(4), "abril");
    EXPECT_EQ(Named<QDateEdit>(dialog, "dtPick")->date(), QDate(2026, 4, 1));
    EXPECT_EQ(Named<QDateEdit>(dialog, "dtPick")->text(), "01/04/2026");
    Named<QDateEdit>(dialog, "dtPick")->setDate(QDate(2027, 2, 28));
    EXPECT_EQ(form.date, (Date{2027, 2, 28}));
}

// The context menu's command opens the dialog and the tree shows the new questionnaire in place.
TEST(AssignmentCommandTest, AcceptedSelectionAddsANodeToTheTree) {
    Catalogue catalogue;
    ScriptedPort port;
    ASSERT_EQ(LoadShippedCatalogue(catalogue), Catalogue::LoadResult::Loaded);
    FixedDates dates;
    MainWindow window(catalogue, &port, &dates);
    window.Nuevo1->trigger();
    window.Session().Tree().Select(window.Session().Table().Node(1));
    const QModelIndex firm = window.Model()->index(0, 0);
    window.TreeView->collapse(firm);
    window.PrepareContextMenu();
    ASSERT_TRUE(window.AsignarCuestionarios1->isEnabled());

    QString caption;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QuestionnaireSelectionDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        caption = dialog->windowTitle();
        SelectRow(Named<QListWidget>(*dialog, "ListBox1"), "05");
        Named<QToolButton>(*dialog, "SpeedButton2")->click();
        Named<QPushButton>(*dialog, "OKBtn")->click();
    });
    window.AsignarCuestionarios1->trigger();

    EXPECT_EQ(caption, "Selección de cuestionarios para <Nueva Empresa>");
    ASSERT_EQ(window.Model()->rowCount(firm), 2);
    EXPECT_TRUE(window.TreeView->isExpanded(firm)) << "the new questionnaire is in sight";
    EXPECT_EQ(window.Model()->index(1, 0, firm).data().toString(), "05.- Manipulación de objetos");
    EXPECT_EQ(window.Session().Table().Record(1)->GetField(field::kAssignmentFlags),
              "10000100000000000000000");
}
