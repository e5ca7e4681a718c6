#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <functional>
#include <memory>

#include "catalogue.h"
#include "cp1252.h"
#include "deficiency_dialog.h"
#include "deficiency_form.h"
#include "document_tree_view.h"
#include "main_window.h"
#include "measure_dialog.h"
#include "measure_form.h"
#include "named_child.h"
#include "scripted_port.h"
#include "shipped_catalogue.h"
#include "temp_dir.h"
#include "text_codec.h"
#include "tree_model.h"

namespace {

const QColor kGreen("#008000");
const QColor kMaroon("#800000");

// The shipped catalogue and a firm, loaded, whose workstation in a zone holds questionnaire 01; slot 6 is
// a deficiency of it valued "A mejorar".
struct EntryDialogsTest : ::testing::Test {
    ScriptedPort port;
    FixedDates dates;
    Catalogue catalogue;
    TempDir dir;
    FilePath document = dir.File("firma.kl3");
    DocumentSession session;  // the document, for the dialogs tested without the main window

    EntryDialogsTest() {
        EXPECT_EQ(LoadShippedCatalogue(catalogue), Catalogue::LoadResult::Loaded);
        WriteFile(document, W("1\t0\tE\tTalleres Ruiz\r\n2\t1\tZ\tNave\r\n3\t2\tP\tSoldadura\r\n"
                              "4\t3\tC\t01.- Lugares de trabajo\r\n"
                              "5\t1\tC\t00.- Gestión Preventiva\r\n"
                              "6\t4\tD\t3. Suelos\tLimpiar\t\t\t\t\t\t21222\t\tAceite en el suelo\r\n"));
        DocumentCommands(session, port, dates).LoadDocument(document);
    }

    // Opens the form for a new deficiency of the questionnaire in slot 4, as "Indicar
    // Deficiencias" does.
    void OpenNewDeficiency(DeficiencyForm& form) {
        oToken record;
        record.SetField(field::kParent, "4");
        form.Open(session.Table(), catalogue, record, port);
    }
};

// Shows the dialog and waits until it is on the screen.
void ShowAndWait(QDialog& dialog) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
}

// Runs action on the modal window that opens next, once it is showing; no window of that type
// fails the test.
template <typename Window>
void OnNextModal(std::function<void(Window&)> action) {
    QTimer::singleShot(0, [action] {
        auto* modal = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr);
        action(*modal);
    });
}

// The deficiency dialog's buttons of a group, numbered as the valuation code's positions: the
// level is RadioButton1 to 4, then consequences, probability, exposure and deficiency level.
std::vector<QRadioButton*> Buttons(const QDialog& dialog, int group) {
    const int first[] = {1, 5, 9, 13, 17, 20};
    std::vector<QRadioButton*> buttons;
    for (int n = first[group]; n < first[group + 1]; ++n)
        buttons.push_back(Named<QRadioButton>(dialog, ("RadioButton" + std::to_string(n)).c_str()));
    return buttons;
}

// The measure dialog's four level buttons, " Crítico" first.
std::vector<QRadioButton*> LevelButtons(const QDialog& dialog) {
    std::vector<QRadioButton*> buttons;
    for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton6", "RadioButton7"})
        buttons.push_back(Named<QRadioButton>(dialog, name));
    return buttons;
}

// Opens the item list with the keyboard, walks down to the entry at row and picks it with Return,
// as a user does inside the open list.
void PickFromList(QComboBox& list, int row) {
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    ASSERT_TRUE(list.view()->isVisible()) << "the arrow key opens the list";
    list.view()->setCurrentIndex(list.model()->index(0, 0));
    for (int i = 0; i < row; ++i)
        QTest::keyClick(list.view(), Qt::Key_Down);
    QTest::keyClick(list.view(), Qt::Key_Return);
    EXPECT_FALSE(list.view()->isVisible());
}

std::vector<bool> Checked(const std::vector<QRadioButton*>& buttons) {
    std::vector<bool> out;
    for (const QRadioButton* button : buttons)
        out.push_back(button->isChecked());
    return out;
}

}  // namespace

TEST_F(EntryDialogsTest, DeficiencyDialogDerivesWhileTheUserChooses) {
    DeficiencyForm form;
    OpenNewDeficiency(form);
    DeficiencyDialog dialog(form);
    ASSERT_NO_FATAL_FAILURE(ShowAndWait(dialog));

    EXPECT_EQ(dialog.windowTitle(), "Deficiencias para 01.- Lugares de trabajo");
    EXPECT_EQ(Named<QLineEdit>(dialog, "Edit2")->text(), "Talleres Ruiz/Nave/Soldadura");
    EXPECT_TRUE(Named<QLineEdit>(dialog, "Edit2")->isReadOnly());
    EXPECT_EQ(Named<QLabel>(dialog, "Label1")->text(),
              "Indique el ítem y la deficiencia que ha encontrado, así como su valoración:");
    EXPECT_EQ(Named<QLabel>(dialog, "Label2")->text(),
              "Los paneles atenuados son una consecuencia de las selecciones anteriores ");
    EXPECT_EQ(Named<QLabel>(dialog, "Label3")->text(), "Seleccionar una opción de los paneles en verde");
    EXPECT_EQ(Named<QRadioButton>(dialog, "RadioButton1")->text(), " Crítico");
    EXPECT_EQ(Named<QRadioButton>(dialog, "RadioButton4")->text(), " No imprescindible");
    EXPECT_EQ(Named<QRadioButton>(dialog, "RadioButton16")->text(), "Esporádica");
    EXPECT_EQ(Named<QGroupBox>(dialog, "GroupBox2")->title(), "Nivel Intervención");
    EXPECT_EQ(Named<QPushButton>(dialog, "BitBtn1")->text(), "&Aceptar");
    EXPECT_EQ(Named<QPushButton>(dialog, "BitBtn2")->text(), "&Cancelar");
    EXPECT_EQ(Named<QComboBox>(dialog, "cmb")->count(), catalogue.ItemCount(1));
    EXPECT_EQ(Named<QComboBox>(dialog, "cmb")->itemText(0), "01");
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "fixed size";

    // The level holds the consequences and the probability, which holds its two inputs.
    EXPECT_EQ(Named<QGroupBox>(dialog, "GroupBox3")->parentWidget(), Named<QGroupBox>(dialog, "GroupBox2"));
    EXPECT_EQ(Named<QGroupBox>(dialog, "GroupBox4")->parentWidget(), Named<QGroupBox>(dialog, "GroupBox2"));
    EXPECT_EQ(Named<QGroupBox>(dialog, "GroupBox5")->parentWidget(), Named<QGroupBox>(dialog, "GroupBox4"));
    EXPECT_EQ(Named<QGroupBox>(dialog, "GroupBox6")->parentWidget(), Named<QGroupBox>(dialog, "GroupBox4"));
    for (int group : {valuation::kConsequences, valuation::kExposure, valuation::kDeficiency}) {
        for (QRadioButton* button : Buttons(dialog, group)) {
            EXPECT_TRUE(button->isEnabled());
            EXPECT_EQ(button->palette().color(QPalette::WindowText), kGreen)
                << button->objectName().toStdString();
            EXPECT_TRUE(button->font().bold());
        }
    }
    for (int group : {valuation::kLevel, valuation::kProbability}) {
        for (QRadioButton* button : Buttons(dialog, group)) {
            EXPECT_FALSE(button->isEnabled());
            EXPECT_EQ(button->palette().color(QPalette::Disabled, QPalette::WindowText), kMaroon)
                << button->objectName().toStdString();
            EXPECT_FALSE(button->isChecked());
        }
    }

    // Picking item 3 from the list fills the item and the recommendation, and sets its degree.
    PickFromList(*Named<QComboBox>(dialog, "cmb"), 2);
    EXPECT_EQ(Named<QComboBox>(dialog, "cmb")->currentText(), "03");
    EXPECT_EQ(FromQt(Named<QPlainTextEdit>(dialog, "Memo3")->toPlainText()),
              "3. " + catalogue.ItemText(1, 3));
    EXPECT_EQ(FromQt(Named<QPlainTextEdit>(dialog, "Memo1")->toPlainText()),
              catalogue.ItemRecommendation(1, 3));
    const int degree = catalogue.ItemDegree(1, 3) == 'D' ? 0 : catalogue.ItemDegree(1, 3) == 'M' ? 1 : 2;
    EXPECT_TRUE(Buttons(dialog, valuation::kDeficiency)[degree]->isChecked());

    // Mortal, Esporádica, Mejorable: Baja and A corregir.
    Named<QRadioButton>(dialog, "RadioButton5")->click();
    Named<QRadioButton>(dialog, "RadioButton16")->click();
    Named<QRadioButton>(dialog, "RadioButton19")->click();
    EXPECT_EQ(Checked(Buttons(dialog, valuation::kProbability)),
              (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(Checked(Buttons(dialog, valuation::kLevel)), (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(Checked(Buttons(dialog, valuation::kDeficiency)), (std::vector<bool>{false, false, true}));

    // A second click on the chosen button keeps it chosen.
    Named<QRadioButton>(dialog, "RadioButton19")->click();
    EXPECT_TRUE(Named<QRadioButton>(dialog, "RadioButton19")->isChecked());
    // Continuada changes probability and level together.
    Named<QRadioButton>(dialog, "RadioButton13")->click();
    EXPECT_EQ(Checked(Buttons(dialog, valuation::kExposure)), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(Checked(Buttons(dialog, valuation::kProbability)),
              (std::vector<bool>{false, false, true, false}));
    EXPECT_EQ(Checked(Buttons(dialog, valuation::kLevel)), (std::vector<bool>{true, false, false, false}));

    Named<QPlainTextEdit>(dialog, "Memo2")->setPlainText("Cable suelto\nen el paso");
    Named<QPushButton>(dialog, "BitBtn1")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    oToken written;
    form.WriteBack(written);
    EXPECT_EQ(written.GetField(field::kValuationCode), "00202");
    EXPECT_EQ(written.GetField(field::kDeficiencyDetected), "Cable suelto\r\nen el paso");
}

TEST_F(EntryDialogsTest, ACharacterOutsideTheDocumentsCharacterSetKeepsTheDialogOpen) {
    DeficiencyForm form;
    OpenNewDeficiency(form);
    DeficiencyDialog dialog(form);
    dialog.show();
    Named<QPlainTextEdit>(dialog, "Memo2")->setPlainText("Tensión → 400 V");
    auto message = std::make_shared<QString>();
    OnNextModal<QMessageBox>([message](QMessageBox& box) {
        *message = box.text();
        box.accept();
    });
    Named<QPushButton>(dialog, "BitBtn1")->click();
    EXPECT_TRUE(message->contains("→")) << message->toStdString();
    EXPECT_TRUE(message->contains("U+2192"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(form.Detected(), "") << "nothing reaches the form";

    Named<QPlainTextEdit>(dialog, "Memo2")->setPlainText(QString::fromUtf8("Tensión de 400 V"));
    Named<QPushButton>(dialog, "BitBtn1")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(form.Detected(), W("Tensión de 400 V"));
}

TEST_F(EntryDialogsTest, MeasureDialogShowsTheDeficiencyAndTakesTheDate) {
    oToken record;
    record.SetField(field::kParent, "6");
    MeasureForm form;
    form.Open(session.Table(), record, dates, port);
    MeasureDialog dialog(form);
    ASSERT_NO_FATAL_FAILURE(ShowAndWait(dialog));

    EXPECT_EQ(dialog.windowTitle(), "Medida Preventiva");
    EXPECT_EQ(Named<QLineEdit>(dialog, "Edit1")->text(), "Nave/Soldadura/01.- Lugares de trabajo/3. Suelos");
    EXPECT_EQ(Named<QLineEdit>(dialog, "Edit3")->text(), "Aceite en el suelo");
    EXPECT_EQ(Named<QLabel>(dialog, "Label3")->text(), "Medida específica:");
    EXPECT_EQ(Named<QLabel>(dialog, "Label1")->text(), "Nivel de Intervención");
    EXPECT_EQ(Named<QRadioButton>(dialog, "RadioButton6")->text(), " A mejorar");
    EXPECT_EQ(Checked(LevelButtons(dialog)), (std::vector<bool>{false, false, true, false}));
    for (QRadioButton* button : LevelButtons(dialog)) {
        EXPECT_FALSE(button->isEnabled());
        EXPECT_EQ(button->palette().color(QPalette::Disabled, QPalette::WindowText), kMaroon);
    }
    EXPECT_TRUE(Named<QDateEdit>(dialog, "dtP")->calendarPopup());
    EXPECT_TRUE(Named<QDateEdit>(dialog, "dtP")->displayFormat().contains("yyyy"));
    EXPECT_EQ(Named<QDateEdit>(dialog, "dtP")->date(), QDate(2026, 3, 15));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "fixed size";

    Named<QLineEdit>(dialog, "Edit2")->setText("Colocar bandeja");
    Named<QLineEdit>(dialog, "Edit3")->setText("cambiado");
    Named<QPlainTextEdit>(dialog, "Memo1")->setPlainText("Antes del verano");
    Named<QDateEdit>(dialog, "dtP")->setDate(QDate(2026, 6, 30));
    // "Recursos:" below every other entry, above the buttons.
    auto* resources = Named<QPlainTextEdit>(dialog, "MemoRecursos");
    EXPECT_EQ(Named<QLabel>(dialog, "LabelRecursos")->text(), "Recursos:");
    EXPECT_GT(resources->y(), Named<QDateEdit>(dialog, "dtP")->y());
    EXPECT_LT(resources->y(), Named<QPushButton>(dialog, "BitBtn1")->y());
    resources->setPlainText(QString::fromUtf8("Cerrajero\n450 €"));
    Named<QPushButton>(dialog, "BitBtn1")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    oToken written;
    form.WriteBack(written, dates);
    EXPECT_EQ(written.GetField(field::kMeasure), "Colocar bandeja");
    EXPECT_EQ(written.GetField(field::kComments), "Antes del verano");
    EXPECT_EQ(written.GetField(field::kPlannedDate), "30/06/2026");
    EXPECT_EQ(written.GetField(field::kResources), W("Cerrajero\r\n450 €"));

    MeasureDialog closed(form);
    closed.show();
    closed.close();  // the close box
    EXPECT_EQ(closed.result(), QDialog::Rejected);
}

// A cost that is no amount is refused with a message naming it; the dialog stays open and the
// form takes nothing until the cost is one.
TEST_F(EntryDialogsTest, MeasureDialogRefusesACostThatIsNoAmount) {
    oToken record;
    record.SetField(field::kParent, "6");
    MeasureForm form;
    form.Open(session.Table(), record, dates, port);
    MeasureDialog dialog(form);
    dialog.show();
    Named<QLineEdit>(dialog, "Edit2")->setText("Colocar bandeja");
    auto* cost = Named<QLineEdit>(dialog, "EditCoste");
    EXPECT_EQ(Named<QLabel>(dialog, "LabelCoste")->text(), "Coste previsto (€):");
    EXPECT_GT(cost->y(), Named<QPlainTextEdit>(dialog, "MemoRecursos")->y()) << "below the resources";
    cost->setText("12.5");
    auto message = std::make_shared<QString>();
    OnNextModal<QMessageBox>([message](QMessageBox& box) {
        *message = box.text();
        box.accept();
    });
    Named<QPushButton>(dialog, "BitBtn1")->click();
    EXPECT_TRUE(message->contains("«12.5»")) << message->toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(form.Measure(), "") << "nothing reaches the form";

    cost->setText("1.250,5");
    Named<QPushButton>(dialog, "BitBtn1")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    oToken written;
    form.WriteBack(written, dates);
    EXPECT_EQ(written.GetField(field::kCost), "1250,50");
    EXPECT_EQ(written.GetField(field::kMeasure), "Colocar bandeja");
}

TEST_F(EntryDialogsTest, TheContextMenuEntersDeficienciesAndMeasures) {
    MainWindow window(catalogue, &port, &dates);
    window.OpenStartupDocument({PathToQt(document)});
    DocumentSession& session = window.Session();

    session.Tree().Select(session.Table().Node(3));
    window.PrepareContextMenu();
    EXPECT_FALSE(window.IndicarDeficiencias1->isEnabled());
    EXPECT_FALSE(window.IndicarMedidasPrev1->isEnabled());

    session.Tree().Select(session.Table().Node(4));
    window.PrepareContextMenu();
    EXPECT_TRUE(window.IndicarDeficiencias1->isEnabled());
    OnNextModal<DeficiencyDialog>([](DeficiencyDialog& dialog) {
        Named<QPlainTextEdit>(dialog, "Memo3")->setPlainText("7. Ventanas");
        Named<QRadioButton>(dialog, "RadioButton6")->click();
        Named<QRadioButton>(dialog, "RadioButton16")->click();
        Named<QRadioButton>(dialog, "RadioButton18")->click();
        Named<QPushButton>(dialog, "BitBtn1")->click();
    });
    window.IndicarDeficiencias1->trigger();
    ASSERT_EQ(session.Table().count(), 7);
    EXPECT_EQ(session.Table().Record(7)->GetField(field::kValuationCode), "11231");
    EXPECT_EQ(session.Table().Record(4)->GetField(field::kQuestionnaireValuation), "3");
    const QModelIndex questionnaire = window.Model()->IndexOf(session.Table().Node(4));
    ASSERT_EQ(window.Model()->rowCount(questionnaire), 2);
    EXPECT_EQ(window.Model()->index(1, 0, questionnaire).data().toString(), "7. Ventanas // ");
    EXPECT_TRUE(window.TreeView->isExpanded(questionnaire)) << "the new deficiency is in sight";
    EXPECT_EQ(window.TreeView->currentIndex(), questionnaire) << "and the selection stays";
    EXPECT_TRUE(session.Modified());

    session.Tree().Select(session.Table().Node(7));
    window.PrepareContextMenu();
    EXPECT_TRUE(window.IndicarMedidasPrev1->isEnabled());
    OnNextModal<MeasureDialog>([](MeasureDialog& dialog) {
        EXPECT_TRUE(Named<QRadioButton>(dialog, "RadioButton2")->isChecked());
        Named<QLineEdit>(dialog, "Edit2")->setText("Sustituir cristales");
        Named<QPushButton>(dialog, "BitBtn1")->click();
    });
    window.IndicarMedidasPrev1->trigger();
    ASSERT_EQ(session.Table().count(), 8);
    EXPECT_EQ(session.Table().Record(8)->GetField(field::kPlannedDate), "15/03/2026");
    const QModelIndex deficiency = window.Model()->IndexOf(session.Table().Node(7));
    EXPECT_EQ(window.Model()->index(0, 0, deficiency).data().toString(), "Sustituir cristales // ");
}

// Typing an item number into the list's edit field is only typing: leaving the field, pressing
// Return in it or accepting the dialog keeps what the user wrote and chose, and what is stored
// is what was on screen. Item 3 of questionnaire 01 is of degree D, which would have set
// "Muy deficiente".
TEST_F(EntryDialogsTest, ATypedItemNumberIsNoPick) {
    ASSERT_EQ(catalogue.ItemDegree(1, 3), 'D');
    MainWindow window(catalogue, &port, &dates);
    window.OpenStartupDocument({PathToQt(document)});
    DocumentSession& session = window.Session();
    session.Tree().Select(session.Table().Node(4));
    auto checks = std::make_shared<std::vector<std::string>>();
    OnNextModal<DeficiencyDialog>([checks](DeficiencyDialog& dialog) {
        auto* item = Named<QPlainTextEdit>(dialog, "Memo3");
        auto* recommendation = Named<QPlainTextEdit>(dialog, "Memo1");
        auto* cmb = Named<QComboBox>(dialog, "cmb");
        item->setPlainText("Hueco sin tapa junto al muelle");
        recommendation->setPlainText("Tapar el hueco");
        for (const char* name :
             {"RadioButton8", "RadioButton15", "RadioButton19"})  // Leve, Ocasional, Mejorable
            Named<QRadioButton>(dialog, name)->click();
        auto unchanged = [&](const char* step) {
            if (item->toPlainText() != "Hueco sin tapa junto al muelle" ||
                recommendation->toPlainText() != "Tapar el hueco" ||
                !Named<QRadioButton>(dialog, "RadioButton19")->isChecked()) {
                checks->push_back(step);
            }
        };

        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog)) << "focus changes need the window active";
        cmb->setFocus();
        ASSERT_TRUE(cmb->hasFocus());
        QTest::keyClicks(cmb, "03");
        EXPECT_EQ(cmb->currentText(), "03");
        QTest::keyClick(cmb, Qt::Key_Tab);
        EXPECT_FALSE(cmb->hasFocus()) << "Tab left the field";
        unchanged("tab away");

        cmb->setFocus();
        cmb->lineEdit()->selectAll();
        QTest::keyClicks(cmb, "03");
        QTest::keyClick(cmb, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible()) << "Return in the field does not accept the dialog";
        EXPECT_FALSE(cmb->view()->isVisible());
        unchanged("Return");

        QTest::mouseClick(Named<QPushButton>(dialog, "BitBtn1"), Qt::LeftButton);
        if (dialog.isVisible()) {
            checks->push_back("not accepted");
            dialog.reject();
        }
    });
    window.IndicarDeficiencias1->trigger();
    std::string failed;
    for (const std::string& step : *checks)
        failed += step + "; ";
    EXPECT_EQ(failed, "") << "the steps after which the texts or the level were changed";
    ASSERT_EQ(session.Table().count(), 7);
    const oToken& stored = *session.Table().Record(7);
    EXPECT_EQ(stored.GetField(field::kItem), "Hueco sin tapa junto al muelle");
    EXPECT_EQ(stored.GetField(field::kRecommendation), "Tapar el hueco");
    EXPECT_EQ(stored.GetField(field::kValuationCode), "33322");
    EXPECT_EQ(session.Table().Record(4)->GetField(field::kQuestionnaireValuation), "2");
}

// After a typed number the box shows the picked item again once the focus leaves it, so that
// the number beside the item's text is the item's.
TEST_F(EntryDialogsTest, LeavingTheItemBoxShowsThePickedItemAgain) {
    DeficiencyForm form;
    OpenNewDeficiency(form);
    DeficiencyDialog dialog(form);
    ASSERT_NO_FATAL_FAILURE(ShowAndWait(dialog));
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog)) << "focus changes need the window active";
    auto* cmb = Named<QComboBox>(dialog, "cmb");
    auto* item = Named<QPlainTextEdit>(dialog, "Memo3");

    cmb->setFocus();
    QTest::keyClicks(cmb, "07");
    QTest::keyClick(cmb, Qt::Key_Tab);
    EXPECT_EQ(cmb->currentText(), "") << "nothing picked yet";

    PickFromList(*cmb, 4);
    ASSERT_EQ(cmb->currentText(), "05");
    const QString fifth = item->toPlainText();
    cmb->setFocus();
    cmb->lineEdit()->selectAll();
    QTest::keyClicks(cmb, "03");
    QTest::keyClick(cmb, Qt::Key_Tab);
    ASSERT_FALSE(cmb->hasFocus());
    EXPECT_EQ(cmb->currentText(), "05");
    EXPECT_EQ(item->toPlainText(), fifth);
    EXPECT_EQ(form.Picked(), "05");
}

// Neither the mouse wheel nor an arrow key over the closed list picks an item; the arrow keys
// open it.
TEST_F(EntryDialogsTest, OnlyTheOpenListPicksAnItem) {
    DeficiencyForm form;
    OpenNewDeficiency(form);
    DeficiencyDialog dialog(form);
    ASSERT_NO_FATAL_FAILURE(ShowAndWait(dialog));
    auto* cmb = Named<QComboBox>(dialog, "cmb");
    auto* item = Named<QPlainTextEdit>(dialog, "Memo3");

    const QPoint centre = cmb->rect().center();
    QWheelEvent wheel(centre, cmb->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(cmb, &wheel);
    EXPECT_EQ(item->toPlainText(), "");

    cmb->setFocus();
    QTest::keyClick(cmb, Qt::Key_Down);
    EXPECT_TRUE(cmb->view()->isVisible());
    EXPECT_EQ(item->toPlainText(), "") << "opening the list picks nothing";
    QTest::keyClick(cmb->view(), Qt::Key_Escape);
    EXPECT_FALSE(cmb->view()->isVisible());
    EXPECT_EQ(item->toPlainText(), "");

    PickFromList(*cmb, 0);
    EXPECT_EQ(FromQt(item->toPlainText()), "1. " + catalogue.ItemText(1, 1));
}
