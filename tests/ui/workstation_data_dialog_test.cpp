#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
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

// A firm, a zone and a workstation with its exposed workers, and the data editor's window
// opened on one of them.
struct WorkstationDataDialogTest : ::testing::Test {
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    std::unique_ptr<NodeDataForm> form;
    std::unique_ptr<NodeDataDialog> dialog;

    WorkstationDataDialogTest() {
        LoadLines(session, {
                               "1\t0\tE\tFirma\t\t01/02/2026\t\t\t\t\t\t10000000000000000000000",
                               "2\t1\tZ\tNave\t\t01/02/2026\t\t\t\t",
                               "3\t2\tP\tTorno\t\t01/02/2026\t\t\t\t\t\t\t\t\t\texpuestos=2",
                           });
    }

    void Open(int slot) {
        dialog.reset();
        form = std::make_unique<NodeDataForm>(session.Table(), *session.Table().Node(slot), dates);
        ASSERT_TRUE(form->Open(port));
        dialog = std::make_unique<NodeDataDialog>(*form, BlankQuestionnaireHook());
        dialog->show();
    }
    QPlainTextEdit* Memo(const char* name) { return Named<QPlainTextEdit>(*dialog, name); }
    bool Shows(const char* name) { return Named<QWidget>(*dialog, name)->isVisibleTo(dialog.get()); }
    int Top(const char* name) { return Named<QWidget>(*dialog, name)->mapTo(dialog.get(), QPoint()).y(); }

    // "Aceptar" as the user presses it: the message it shows (empty for none), and the entries
    // written into the record when the window closed.
    QString PressAccept() {
        QString message;
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

const char* const kMemos[] = {"memEpis", "memFormacion", "memVigilancia", "memTrabajadores"};

}  // namespace

TEST_F(WorkstationDataDialogTest, AWorkstationsTextsStandBelowItsExposedWorkersInTheirOrder) {
    Open(3);
    int above = Top("edtExpuestos");
    for (const char* memo : kMemos) {
        ASSERT_TRUE(Shows(memo)) << memo;
        EXPECT_GT(Top(memo), above) << memo;
        above = Top(memo);
    }
    for (int slot : {1, 2}) {
        Open(slot);
        for (const char* memo : kMemos)
            EXPECT_FALSE(Shows(memo)) << slot << memo;
    }
}

TEST_F(WorkstationDataDialogTest, TypedLinesAreStoredWithTildesAndShownAgain) {
    Open(3);
    Memo("memEpis")->setPlainText(QString::fromUtf8("Gafas de protección\nGuantes"));
    Memo("memTrabajadores")->setPlainText(QString::fromUtf8("Ana Pérez\nLuis Gil"));
    EXPECT_EQ(PressAccept(), "");
    EXPECT_EQ(
        Line(3),
        "3\t2\tP\tTorno\t\t01/02/2026\t\t\t\t\tAna Pérez~~Luis Gil\t\tGafas de protección~~Guantes\t\t\t"
        "expuestos=2\r\n");
    Open(3);
    EXPECT_EQ(Memo("memTrabajadores")->toPlainText(), QString::fromUtf8("Ana Pérez\nLuis Gil"));
    EXPECT_EQ(Memo("memFormacion")->toPlainText(), "");
}

TEST_F(WorkstationDataDialogTest, ACharacterTheDocumentCannotHoldIsRefusedAndNothingIsStored) {
    Open(3);
    const std::string line = Line(3);
    Memo("memVigilancia")->setPlainText(QString::fromUtf8("Protocolo Ω"));
    EXPECT_TRUE(PressAccept().contains(QString::fromUtf8("«Ω»")));
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Line(3), line);
}
