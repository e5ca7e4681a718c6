#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "blankable_date_edit.h"
#include "cp1252.h"
#include "document_lines.h"
#include "document_session.h"
#include "named_child.h"
#include "node_data_dialog.h"
#include "node_data_form.h"
#include "scripted_port.h"

namespace {

// Firm > zone > workstation "Torno" > questionnaire 07 > deficiency > measure, each with its
// own texts, and the data editor's window opened on one of them.
struct NodeDataDialogTest : ::testing::Test {
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    std::unique_ptr<NodeDataForm> form;

    NodeDataDialogTest() {
        LoadLines(session,
                  {
                      "1\t0\tE\tFirma\tcomE\t01/02/2026\tAna\t\t\tobsE",
                      "2\t1\tZ\tNave\tcomZ",
                      "3\t2\tP\tTorno",
                      "4\t3\tC\t07.- Máquinas\tagentes\t10/03/2026\tLuis\t12/03/2026\tEva",
                      "5\t4\tD\t3. Protecciones\trecomendación\t\t\t\t\tcomD\t23021\t\tSin resguardo",
                      "6\t5\tR\tColocar resguardo\tcomR\t20/03/2026\tPepe\t\t\tobsR",
                  });
    }

    std::unique_ptr<NodeDataDialog> Open(int slot, BlankQuestionnaireHook printBlank = {}) {
        form = std::make_unique<NodeDataForm>(session.Table(), *session.Table().Node(slot), dates);
        EXPECT_TRUE(form->Open(port));
        auto dialog = std::make_unique<NodeDataDialog>(*form, std::move(printBlank));
        dialog->show();
        return dialog;
    }
};

// The text a date picker shows.
QString Shown(const BlankableDateEdit& picker) {
    return picker.findChild<QLineEdit*>()->displayText();
}

// How many lines of text fit in a text box, below the margin above its first line.
double VisibleLines(const QPlainTextEdit& memo) {
    const double room = memo.viewport()->height() - memo.document()->documentMargin();
    return room / QFontMetricsF(memo.font()).lineSpacing();
}

// The controls of the window that the user sees, by name.
QStringList Shown(const QDialog& dialog) {
    QStringList names;
    for (const char* name : {"Label11", "Edit2", "Label3", "RadioButton5", "RadioButton2", "RadioButton6",
                             "RadioButton7", "BitBtn3", "Label10", "mem10"}) {
        const auto* widget = dialog.findChild<QWidget*>(name);
        if (widget && widget->isVisibleTo(&dialog)) names << name;
    }
    return names;
}

}  // namespace

TEST_F(NodeDataDialogTest, AFirmShowsTheDefaults) {
    auto dialog = Open(1);
    EXPECT_EQ(dialog->windowTitle(), "Firma");
    EXPECT_EQ(Named<QLabel>(*dialog, "Label4")->text(), "Nombre:");
    EXPECT_EQ(Named<QLabel>(*dialog, "Label5")->text(), "Comentarios:");
    EXPECT_EQ(Named<QLabel>(*dialog, "Label10")->text(), "Observaciones:");
    EXPECT_EQ(Named<QLabel>(*dialog, "Label1")->text(), "(Pulsar desplegable para ver un calendario):");
    EXPECT_EQ(Named<QLabel>(*dialog, "Label2")->text(), "(Pulsar desplegable para ver un calendario):");
    EXPECT_EQ(Named<QLabel>(*dialog, "Label6")->text(), "Fecha Prevista:");
    EXPECT_EQ(Named<QLabel>(*dialog, "Label7")->text(), "Técnico:");
    EXPECT_EQ(Named<QLabel>(*dialog, "Label8")->text(), "Fecha Realiz:");
    EXPECT_EQ(Named<QLabel>(*dialog, "Label9")->text(), "Técnico:");
    EXPECT_EQ(Named<QLabel>(*dialog, "Label11")->text(), "Procedencia:");
    EXPECT_EQ(Named<QLabel>(*dialog, "Label3")->text(), "Nivel de Intervención");
    EXPECT_EQ(Named<QPushButton>(*dialog, "BitBtn1")->text(), "Aceptar");
    EXPECT_EQ(Named<QPushButton>(*dialog, "BitBtn2")->text(), "Cancelar");
    EXPECT_EQ(Named<QPushButton>(*dialog, "BitBtn3")->text(), "Imp. Vacío");
    EXPECT_EQ(Shown(*dialog), QStringList({"Label10", "mem10"}));
    EXPECT_EQ(Named<QPlainTextEdit>(*dialog, "Memo1")->toPlainText(), "Firma");
    EXPECT_EQ(Named<QPlainTextEdit>(*dialog, "mem5")->toPlainText(), "comE");
    EXPECT_EQ(Named<BlankableDateEdit>(*dialog, "DateTimePicker1")->date(), QDate(2026, 2, 1));
    EXPECT_EQ(Named<QLineEdit>(*dialog, "edt7")->text(), "Ana");
    EXPECT_EQ(Named<QPlainTextEdit>(*dialog, "mem10")->toPlainText(), "obsE");
    EXPECT_TRUE(Named<BlankableDateEdit>(*dialog, "DateTimePicker2")->IsBlank()) << "no completion date yet";
    EXPECT_EQ(Named<BlankableDateEdit>(*dialog, "DateTimePicker2")->HeldDate(), QDate(2026, 3, 15));
    EXPECT_FALSE(Named<QPlainTextEdit>(*dialog, "Memo1")->isReadOnly());
    EXPECT_TRUE(Named<QPushButton>(*dialog, "BitBtn1")->isDefault());
}

TEST_F(NodeDataDialogTest, ZonesAndWorkstationsHideTheObservations) {
    for (int slot : {2, 3}) {
        auto dialog = Open(slot);
        EXPECT_TRUE(Shown(*dialog).isEmpty()) << slot;
        EXPECT_EQ(Named<QLabel>(*dialog, "Label4")->text(), "Nombre:");
    }
}

TEST_F(NodeDataDialogTest, AQuestionnaireLocksItsTitleAndOffersTheBlankPrintout) {
    auto dialog = Open(4);
    EXPECT_EQ(dialog->windowTitle(), "Cuestionario: 07.- Máquinas");
    EXPECT_EQ(Shown(*dialog), QStringList({"BitBtn3"}));
    EXPECT_TRUE(Named<QPlainTextEdit>(*dialog, "Memo1")->isReadOnly());
    EXPECT_EQ(Named<QLabel>(*dialog, "Label5")->text(), "Descripción de agentes implicados");
    EXPECT_TRUE(Named<QLabel>(*dialog, "Label5")->wordWrap());
    EXPECT_FALSE(Named<QPushButton>(*dialog, "BitBtn3")->isEnabled()) << "no printout is connected";
    EXPECT_FALSE(Named<BlankableDateEdit>(*dialog, "DateTimePicker2")->IsBlank());
    EXPECT_EQ(Named<BlankableDateEdit>(*dialog, "DateTimePicker2")->date(), QDate(2026, 3, 12));

    std::vector<std::pair<int, std::string>> printed;
    auto printing =
        Open(4, [&](int number, const std::string& heading) { printed.emplace_back(number, heading); });
    ASSERT_TRUE(Named<QPushButton>(*printing, "BitBtn3")->isEnabled());
    Named<QPushButton>(*printing, "BitBtn3")->click();
    EXPECT_EQ(printed, (std::vector<std::pair<int, std::string>>{{7, "Torno"}}));
    EXPECT_TRUE(printing->isVisible()) << "the editor stays open";
}

TEST_F(NodeDataDialogTest, DeficienciesAndMeasuresShowWhereTheyAreAndTheirLevel) {
    auto deficiency = Open(5);
    EXPECT_EQ(Shown(*deficiency), QStringList({"Label11", "Edit2", "Label3", "RadioButton5", "RadioButton2",
                                               "RadioButton6", "RadioButton7", "Label10", "mem10"}));
    EXPECT_EQ(Named<QLabel>(*deficiency, "Label4")->text(), "Item:");
    EXPECT_EQ(Named<QLabel>(*deficiency, "Label5")->text(), "Deficiencia detectada:");
    EXPECT_EQ(Named<QLabel>(*deficiency, "Label10")->text(), "Comentarios:");
    EXPECT_EQ(Named<QLineEdit>(*deficiency, "Edit2")->text(), "Nave/Torno/07.- Máquinas");
    EXPECT_TRUE(Named<QLineEdit>(*deficiency, "Edit2")->isReadOnly());
    EXPECT_EQ(Named<QPlainTextEdit>(*deficiency, "mem5")->toPlainText(), "Sin resguardo");
    EXPECT_EQ(Named<QPlainTextEdit>(*deficiency, "mem10")->toPlainText(), "comD");
    EXPECT_TRUE(Named<QRadioButton>(*deficiency, "RadioButton6")->isChecked()) << "level '2': \" A mejorar\"";
    for (QRadioButton* button :
         {Named<QRadioButton>(*deficiency, "RadioButton5"), Named<QRadioButton>(*deficiency, "RadioButton2"),
          Named<QRadioButton>(*deficiency, "RadioButton6"),
          Named<QRadioButton>(*deficiency, "RadioButton7")}) {
        EXPECT_FALSE(button->isEnabled());
        EXPECT_TRUE(button->font().bold());
        EXPECT_EQ(button->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(0x80, 0, 0));
    }
    EXPECT_EQ(Named<QRadioButton>(*deficiency, "RadioButton5")->text(), " Crítico");
    EXPECT_EQ(Named<QRadioButton>(*deficiency, "RadioButton2")->text(), " A corregir");
    EXPECT_EQ(Named<QRadioButton>(*deficiency, "RadioButton6")->text(), " A mejorar");
    EXPECT_EQ(Named<QRadioButton>(*deficiency, "RadioButton7")->text(), " No imprescindible");

    EXPECT_FALSE(Named<QPlainTextEdit>(*deficiency, "memRecursos")->isVisibleTo(deficiency.get()));

    auto measure = Open(6);
    // Resources, for a measure only, below the comments.
    auto* resources = Named<QPlainTextEdit>(*measure, "memRecursos");
    ASSERT_TRUE(resources->isVisibleTo(measure.get()));
    EXPECT_GT(resources->mapTo(measure.get(), QPoint()).y(),
              Named<QPlainTextEdit>(*measure, "mem10")->mapTo(measure.get(), QPoint()).y());
    resources->setPlainText("Grúa, 2 h");
    Named<QPushButton>(*measure, "BitBtn1")->click();
    EXPECT_EQ(form->Values().resources, W("Grúa, 2 h"));
    measure = Open(6);
    EXPECT_EQ(Named<QLabel>(*measure, "Label4")->text(), "Medida específica:");
    EXPECT_EQ(Named<QLineEdit>(*measure, "Edit2")->text(), "Nave/Torno/07.- Máquinas/3. Protecciones");
    EXPECT_EQ(Named<QPlainTextEdit>(*measure, "mem5")->toPlainText(), "Sin resguardo");
    EXPECT_TRUE(Named<QRadioButton>(*measure, "RadioButton6")->isChecked());
}

TEST_F(NodeDataDialogTest, AcceptHandsTheEntriesToTheForm) {
    auto dialog = Open(3);
    Named<QPlainTextEdit>(*dialog, "Memo1")->setPlainText("Torno\nCNC");
    Named<QPlainTextEdit>(*dialog, "mem5")->setPlainText("Ruido alto");
    Named<QLineEdit>(*dialog, "edt7")->setText("Ana");
    Named<BlankableDateEdit>(*dialog, "DateTimePicker1")->setDate(QDate(2026, 4, 2));
    Named<QPushButton>(*dialog, "BitBtn1")->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(form->Values().name, "Torno\r\nCNC");
    EXPECT_EQ(form->Values().comments, "Ruido alto");
    EXPECT_EQ(form->Values().plannedBy, "Ana");
    EXPECT_EQ(form->Values().planned, (Date{2026, 4, 2}));
    EXPECT_FALSE(form->CompletionDateSet());
}

TEST_F(NodeDataDialogTest, PickingACompletionDateShowsItAndStoresIt) {
    auto dialog = Open(3);
    ASSERT_TRUE(Named<BlankableDateEdit>(*dialog, "DateTimePicker2")->IsBlank());
    Named<BlankableDateEdit>(*dialog, "DateTimePicker2")->setDate(QDate(2026, 3, 10));
    EXPECT_FALSE(Named<BlankableDateEdit>(*dialog, "DateTimePicker2")->IsBlank());
    EXPECT_TRUE(form->CompletionDateSet());
    Named<QPushButton>(*dialog, "BitBtn1")->click();
    EXPECT_EQ(form->Values().completion, (Date{2026, 3, 10}));
}

TEST_F(NodeDataDialogTest, ACharacterTheDocumentCannotHoldIsRefused) {
    auto dialog = Open(1);
    Named<QLineEdit>(*dialog, "edt9")->setText(QString::fromUtf8("Zoë ✓"));
    QString refusal;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            refusal = box->text();
            box->accept();
        }
    });
    Named<QPushButton>(*dialog, "BitBtn1")->click();
    EXPECT_TRUE(refusal.contains(QString::fromUtf8("«✓»"))) << refusal.toStdString();
    EXPECT_TRUE(dialog->isVisible()) << "the window stays open";
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(form->Values().doneBy, "") << "nothing was taken";

    Named<QLineEdit>(*dialog, "edt9")->setText(QString::fromUtf8("Zoë"));
    Named<QPushButton>(*dialog, "BitBtn1")->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(form->Values().doneBy, W("Zoë"));
}

TEST_F(NodeDataDialogTest, TheCloseBoxCancelsAndTheWindowKeepsItsSize) {
    auto dialog = Open(5);
    QApplication::processEvents();
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "a fixed-size window";
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowContextHelpButtonHint);
    dialog->close();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

// The empty "Fecha Realiz:" shows no date by any colour: also under an application style sheet
// (kaldo -stylesheet), which overrides a picker's palette. Its calendar opens on the held date;
// closing it keeps the box empty, a step or a pick takes a date.
TEST_F(NodeDataDialogTest, AnEmptyCompletionDateShowsNoDateWhateverTheStyle) {
    const QString sheet = qApp->styleSheet();
    qApp->setStyleSheet("QWidget{font-size:11pt}");
    auto dialog = Open(3);
    QApplication::processEvents();
    auto* picker = Named<BlankableDateEdit>(*dialog, "DateTimePicker2");
    EXPECT_EQ(Shown(*picker).trimmed(), "");
    EXPECT_EQ(Shown(*Named<BlankableDateEdit>(*dialog, "DateTimePicker1")), "15/03/2026");

    QTest::mouseClick(picker, Qt::LeftButton, {},
                      QPoint(picker->width() - 6, picker->height() / 2));  // arrow
    QCalendarWidget* calendar = picker->calendarWidget();
    ASSERT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 3, 15));
    QTest::keyClick(calendar, Qt::Key_Escape);
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(Shown(*picker).trimmed(), "");
    EXPECT_FALSE(form->CompletionDateSet());

    QTest::keyClick(picker, Qt::Key_Up);
    EXPECT_EQ(Shown(*picker), "15/03/2026") << "the first step shows the held date";
    EXPECT_TRUE(form->CompletionDateSet());
    qApp->setStyleSheet(sheet);
}

// The calendars speak Spanish whatever the locale; the boxes keep the short date format.
TEST_F(NodeDataDialogTest, TheCalendarsSpeakSpanish) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    auto dialog = Open(4);
    QLocale::setDefault(before);
    for (const char* name : {"DateTimePicker1", "DateTimePicker2"}) {
        QCalendarWidget* calendar = Named<BlankableDateEdit>(*dialog, name)->calendarWidget();
        EXPECT_EQ(calendar->findChild<QToolButton*>("qt_calendar_monthbutton")->text(), "marzo") << name;
        EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Monday) << name;
    }
    EXPECT_EQ(Shown(*Named<BlankableDateEdit>(*dialog, "DateTimePicker2")), "12/03/2026");
}

// A deficiency's location shows its start (the firm's side), and its item box whole lines.
TEST_F(NodeDataDialogTest, TheLocationShowsItsStartAndTheItemWholeLines) {
    session.Table().Record(2)->SetField(field::kLabel, std::string(120, 'N'));
    for (const QString& sheet : {QString(), QString("QWidget{font-size:11pt}")}) {
        qApp->setStyleSheet(sheet);
        auto dialog = Open(5);
        QApplication::processEvents();
        auto* location = Named<QLineEdit>(*dialog, "Edit2");
        EXPECT_EQ(location->cursorPosition(), 0) << "scrolled to its start";
        EXPECT_EQ(location->toolTip(), location->text());
        for (const char* name : {"Memo1", "mem5", "mem10"}) {
            const double lines = VisibleLines(*Named<QPlainTextEdit>(*dialog, name));
            EXPECT_NEAR(lines, std::round(lines), 0.1) << name << " under \"" << sheet.toStdString() << '"';
        }
    }
    qApp->setStyleSheet(QString());
}
