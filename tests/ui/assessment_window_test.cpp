#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "catalogue.h"
#include "cp1252.h"
#include "main_window.h"
#include "named_child.h"
#include "pdf_words.h"
#include "print_dialog.h"
#include "recording_canvas.h"
#include "scripted_port.h"
#include "temp_dir.h"
#include "text_codec.h"

namespace {

// The print dialog answered from a script, printing on a recording canvas.
struct ScriptedPrinter : PrintPort {
    Choice ChoosePrinter(bool offerPrintToFile, const std::string& documentName) override {
        offered.push_back(offerPrintToFile);
        names.push_back(cp1252::ToUtf8(documentName));
        return choice;
    }
    Canvas& Printer() override { return canvas; }
    void SetBusy(bool) override {}

    Choice choice = Choice::Printer;
    std::vector<bool> offered;
    std::vector<std::string> names;
    RecordingCanvas canvas;
};

// A firm "Talleres Norte/Sur" with a zone and its questionnaire, opened from a file.
struct AssessmentWindowTest : ::testing::Test {
    TempDir dir;
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window{catalogue, &port, &dates};
    ScriptedPrinter printer;

    AssessmentWindowTest() {
        WriteFile(dir.File("doc.kl3"),
                  W("1\t0\tE\tTalleres Norte/Sur\t\t\t\t\t\t\tB1\t10000000000000000000000\r\n"
                    "2\t1\tZ\tNave\r\n"
                    "3\t2\tC\t01.- Lugares de trabajo\t\t01/03/2026\r\n"
                    "4\t3\tD\t5. ¿Suelos limpios?\t\t\t\t\t\t\t12111\t\tAceite en el suelo\r\n"));
        window.Commands().LoadDocument(dir.File("doc.kl3"));
    }
    bool Drawn(const std::string& utf8) const { return printer.canvas.FindText(W(utf8)) != nullptr; }
};

}  // namespace

TEST_F(AssessmentWindowTest, TheEntryPrintsTheDocumentProposingTheFirmsName) {
    window.SetPrintPort(&printer);
    window.InformeEvaluacion1->trigger();
    EXPECT_EQ(printer.offered, std::vector<bool>({false})) << "no print-to-file box: there is no text form";
    EXPECT_EQ(printer.names, std::vector<std::string>({"Talleres Norte Sur"}))
        << "no folder in a file's name";
    EXPECT_TRUE(Drawn("Evaluación de riesgos laborales"));
    EXPECT_TRUE(Drawn("5. ¿Suelos limpios?"));
    EXPECT_TRUE(Drawn("Fecha del documento:"));
    EXPECT_TRUE(Drawn("15/03/2026")) << "today's date";
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_FALSE(window.Session().History().CanUndo()) << "printing is no step";

    // The same document from a view, whose tree holds no records.
    printer.canvas.calls.clear();
    window.emporal1->trigger();
    window.InformeEvaluacion1->trigger();
    EXPECT_TRUE(Drawn("5. ¿Suelos limpios?"));

    printer.canvas.calls.clear();
    printer.choice = PrintPort::Choice::Cancelled;
    window.InformeEvaluacion1->trigger();
    EXPECT_TRUE(printer.canvas.calls.empty());
}

TEST_F(AssessmentWindowTest, ThePrintDialogWritesItToTheChosenPdfOnAnA4Page) {
    const QString pdf = PathToQt(dir.File("evaluacion.pdf"));
    QString proposed;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* destination = Named<QComboBox>(*dialog, "cmbImpresora");
        destination->setCurrentIndex(destination->count() - 1);
        proposed = Named<QLineEdit>(*dialog, "edtArchivo")->text();
        Named<QLineEdit>(*dialog, "edtArchivo")->setText(pdf);
        Named<QPushButton>(*dialog, "OKBtn")->click();
    });
    window.InformeEvaluacion1->trigger();
    EXPECT_TRUE(proposed.endsWith("/Talleres Norte Sur.pdf")) << proposed.toStdString();
    const std::vector<PdfPage> pages = PdfWords(dir.File("evaluacion.pdf"));
    ASSERT_GT(pages.size(), 4u);
    EXPECT_NEAR(pages[0].width, 595, 1);
    EXPECT_NEAR(pages[0].height, 842, 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy pointer is gone";
}
