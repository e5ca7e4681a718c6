#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "cp1252.h"
#include "document_lines.h"
#include "document_session.h"
#include "named_child.h"
#include "node_data_dialog.h"
#include "node_data_form.h"
#include "scripted_port.h"

namespace {

// A firm, a zone and a workstation, and the data editor's window opened on one of them; the
// lines are as "Aceptar" writes them when the firm's data are left empty.
struct FirmDataDialogTest : ::testing::Test {
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    std::unique_ptr<NodeDataForm> form;
    std::unique_ptr<NodeDataDialog> dialog;

    FirmDataDialogTest() {
        LoadLines(session, {
                               "1\t0\tE\tFirma\tcomE\t01/02/2026\tAna\t\t\tobsE\t\t10000000000000000000000",
                               "2\t1\tZ\tNave\t\t01/02/2026\t\t\t\t",
                               "3\t2\tP\tTorno\t\t01/02/2026\t\t\t\t",
                           });
    }

    void Open(int slot) {
        dialog.reset();
        form = std::make_unique<NodeDataForm>(session.Table(), *session.Table().Node(slot), dates);
        ASSERT_TRUE(form->Open(port));
        dialog = std::make_unique<NodeDataDialog>(*form, BlankQuestionnaireHook());
        dialog->show();
    }
    QLineEdit* Edit(const char* name) { return Named<QLineEdit>(*dialog, name); }
    bool Shows(const char* name) { return Named<QWidget>(*dialog, name)->isVisibleTo(dialog.get()); }

    // "Aceptar" as the user presses it: the message it shows (empty for none) and, when the
    // window closed, the entries written into the record as the editor does.
    QString PressAccept() {
        QString message;
        // A timer of this press only: none is left to answer a later test's box.
        QTimer answer;
        answer.setSingleShot(true);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                message = box->text();
                box->accept();
            }
        });
        answer.start(0);
        Named<QPushButton>(*dialog, "BitBtn1")->click();
        if (dialog->result() == QDialog::Accepted) form->Accept(session.Tree());
        return message;
    }
    std::string Line(int slot) { return cp1252::ToUtf8(session.Table().Record(slot)->WriteLine()); }
};

}  // namespace

TEST_F(FirmDataDialogTest, TheFirmShowsItsDataBelowTheOtherControls) {
    Open(1);
    ASSERT_TRUE(Shows("grpEmpresa"));
    EXPECT_FALSE(Shows("edtExpuestos"));
    EXPECT_GT(Named<QGroupBox>(*dialog, "grpEmpresa")->mapTo(dialog.get(), QPoint()).y(),
              Named<QWidget>(*dialog, "mem10")->mapTo(dialog.get(), QPoint()).y());
    auto* modality = Named<QComboBox>(*dialog, "cmbModalidad");
    ASSERT_EQ(modality->count(), 6);
    EXPECT_EQ(modality->itemText(0), "") << "none chosen";
    EXPECT_EQ(modality->itemText(1), "Asumida por el empresario");
    EXPECT_EQ(modality->itemText(5), "Servicio de prevención mancomunado");

    Open(3);
    EXPECT_FALSE(Shows("grpEmpresa"));
    EXPECT_TRUE(Shows("edtExpuestos"));
    Open(2);
    EXPECT_FALSE(Shows("grpEmpresa") || Shows("edtExpuestos"));
}

TEST_F(FirmDataDialogTest, TheEntriesAreStoredAndShownAgain) {
    Open(1);
    Edit("edtNif")->setText("B12345678");
    Edit("edtDomicilio")->setText(QString::fromUtf8("C/ Mayor 3, Ávila"));
    Edit("edtActividad")->setText(QString::fromUtf8("4520 Reparación de vehículos"));
    Edit("edtTrabajadores")->setText(" 14 ");
    Named<QComboBox>(*dialog, "cmbModalidad")->setCurrentIndex(4);
    Edit("edtEvaluador")->setText(QString::fromUtf8("Marta Gómez"));
    Edit("edtRevision")->setText("1/3/2027");
    EXPECT_EQ(PressAccept(), "");
    EXPECT_EQ(Line(1),
              "1\t0\tE\tFirma\tcomE\t01/02/2026\tAna\t\t\tobsE\tB12345678\t10000000000000000000000\t"
              "C/ Mayor 3, Ávila\t4520 Reparación de vehículos\tMarta Gómez\t"
              "trabajadores=14; modalidad=ajeno; revision=01/03/2027\r\n");

    Open(1);
    EXPECT_EQ(Edit("edtTrabajadores")->text(), "14");
    EXPECT_EQ(Named<QComboBox>(*dialog, "cmbModalidad")->currentText(), "Servicio de prevención ajeno");
    EXPECT_EQ(Edit("edtRevision")->text(), "01/03/2027");

    Open(3);
    Edit("edtExpuestos")->setText("2");
    EXPECT_EQ(PressAccept(), "");
    EXPECT_EQ(Line(3), "3\t2\tP\tTorno\t\t01/02/2026\t\t\t\t\t\t\t\t\t\texpuestos=2\r\n");
}

TEST_F(FirmDataDialogTest, ABadNumberOrDateIsRefusedAndTheWindowStaysOpen) {
    const std::string firm = Line(1);
    Open(1);
    Edit("edtNif")->setText("B1");
    Edit("edtTrabajadores")->setText("doce");
    EXPECT_EQ(PressAccept(), QString::fromUtf8("«doce» no es un número válido para «Nº de trabajadores:». "
                                               "Escriba un número entero, sin puntos ni letras, antes de "
                                               "aceptar."));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_NE(dialog->result(), QDialog::Accepted);

    Edit("edtTrabajadores")->setText("12");
    Edit("edtRevision")->setText("31/02/2027");
    EXPECT_TRUE(
        PressAccept().startsWith(QString::fromUtf8("«31/02/2027» no es una fecha válida para "
                                                   "«Próxima revisión:»")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Line(1), firm) << "nothing stored";
    EXPECT_EQ(form->Values().firm, firm_data::FirmData()) << "nothing taken into the form";

    Open(3);
    Edit("edtExpuestos")->setText("3,5");
    EXPECT_TRUE(PressAccept().contains(QString::fromUtf8("«Trabajadores expuestos:»")));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FirmDataDialogTest, EmptyDataWriteNothing) {
    for (int slot : {1, 3}) {
        const std::string line = Line(slot);
        Open(slot);
        EXPECT_EQ(PressAccept(), "");
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(Line(slot), line) << slot;
    }
}
