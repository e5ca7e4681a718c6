#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "catalogue.h"
#include "cp1252.h"
#include "document_tree_view.h"
#include "kinds.h"
#include "main_window.h"
#include "named_child.h"
#include "pdf_words.h"
#include "print_dialog.h"
#include "recording_canvas.h"
#include "scripted_port.h"
#include "shipped_catalogue.h"
#include "temp_dir.h"
#include "text_codec.h"
#include "tree_model.h"

namespace {

// The print dialog answered from a script, printing on a recording canvas.
class ScriptedPrintPort : public PrintPort {
public:
    Choice ChoosePrinter(bool offerPrintToFile, const std::string&) override {
        offered.push_back(offerPrintToFile);
        return choice;
    }
    Canvas& Printer() override { return canvas; }
    void SetBusy(bool) override {}

    Choice choice = Choice::Printer;
    std::vector<bool> offered;
    RecordingCanvas canvas;
};

struct ReportsWindowTest : ::testing::Test {
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window{catalogue, &port, &dates};
    ScriptedPrintPort printer;

    ReportsWindowTest() {
        LoadShippedCatalogue(catalogue);
        port.answers = {false};  // "&Nuevo" over nothing asks nothing; spare answer for safety
        window.Commands().New();
        port.answers.clear();
    }
    ~ReportsWindowTest() override { window.Session().SetModified(false); }
};

// Answers the next modal dialog with the given action once it is shown.
template <typename Action>
void WhenModal(Action action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) action(modal);
    });
}

}  // namespace

TEST_F(ReportsWindowTest, PrintAndReportEntriesAreOnWithADocumentInEveryView) {
    EXPECT_TRUE(window.Imprimir1->isEnabled());
    window.Session().Tree().Select(window.Session().Table().Node(1));
    window.PrepareContextMenu();
    EXPECT_TRUE(window.Informe1->isEnabled());
    EXPECT_TRUE(window.Exportar1->isEnabled());

    // A view's nodes carry no records: only "Informe" is offered.
    window.Session().Tree().Rebuild(
        [](DocumentTree& tree) { tree.AddChild(nullptr, "Inspecciones", nullptr, icon::kQuestionnaire); });
    window.Session().SetViewMode(view::kTemporal);
    window.Session().Tree().Select(window.Session().Tree().FirstTopLevel());
    window.PrepareContextMenu();
    EXPECT_TRUE(window.Informe1->isEnabled());
    EXPECT_FALSE(window.Exportar1->isEnabled());

    window.Commands().DiscardDocument();
    window.Session().EnableDocumentCommands(false);
    EXPECT_FALSE(window.Imprimir1->isEnabled());
}

TEST_F(ReportsWindowTest, ImprimirSelectsTheFirmAndPrintsTheWholeDocument) {
    window.SetPrintPort(&printer);
    const QModelIndex firm = window.Model()->index(0, 0);
    window.TreeView->setCurrentIndex(window.Model()->index(0, 0, firm));
    window.Imprimir1->trigger();
    EXPECT_EQ(window.TreeView->currentIndex(), firm);
    EXPECT_EQ(printer.offered, std::vector<bool>({true}));
    EXPECT_NE(printer.canvas.FindText("<Nueva Empresa>"), nullptr);
    EXPECT_NE(printer.canvas.FindText(W("00.- Gestión Preventiva")), nullptr);
    EXPECT_TRUE(window.Session().Modified()) << "a new document stays unsaved; printing changes nothing";
}

// "&Imprimir" selects the first node, and the user sees it highlighted, also when Qt's focus
// frame stood on it without a highlight.
TEST_F(ReportsWindowTest, ImprimirShowsTheFirstNodeHighlighted) {
    window.SetPrintPort(&printer);
    const QModelIndex firm = window.Model()->index(0, 0);
    window.TreeView->selectionModel()->setCurrentIndex(firm, QItemSelectionModel::NoUpdate);
    ASSERT_FALSE(window.TreeView->selectionModel()->isSelected(firm));
    window.Imprimir1->trigger();
    EXPECT_TRUE(window.TreeView->selectionModel()->isSelected(firm));
    EXPECT_EQ(window.Session().SelectedKind(), 'E');
    EXPECT_NE(printer.canvas.FindText("<Nueva Empresa>"), nullptr);
}

TEST_F(ReportsWindowTest, ImprimirInTheTemporalViewPrintsItsFirstBranchWithTheViewsTexts) {
    window.SetPrintPort(&printer);
    window.emporal1->trigger();
    ASSERT_EQ(window.Session().ViewMode(), view::kTemporal);
    window.Imprimir1->trigger();
    EXPECT_NE(printer.canvas.FindText("Inspecciones"), nullptr);
    EXPECT_NE(printer.canvas.FindText("Pendiente"), nullptr);
    EXPECT_EQ(printer.canvas.FindText("Medidas Preventivas"), nullptr) << "only the first top-level branch";
    for (const auto& call : printer.canvas.Texts())
        EXPECT_EQ(call.text.find("Deficiencia detectada"), std::string::npos);
}

TEST_F(ReportsWindowTest, InformeReportsTheSelectedBranch) {
    window.SetPrintPort(&printer);
    window.TreeView->setCurrentIndex(window.Model()->index(0, 0, window.Model()->index(0, 0)));
    window.Informe1->trigger();
    EXPECT_EQ(printer.canvas.FindText("<Nueva Empresa>")->y, 20) << "only in the header";
    EXPECT_NE(printer.canvas.FindText(W("00.- Gestión Preventiva")), nullptr);
}

TEST_F(ReportsWindowTest, ExportarWritesTheBranchToTheChosenFile) {
    TempDir dir;
    window.TreeView->setCurrentIndex(window.Model()->index(0, 0));
    port.files = {dir.File("empresa.txt")};
    window.Exportar1->trigger();
    ASSERT_EQ(port.dialogs.size(), 1u);
    EXPECT_EQ(port.dialogs[0].proposedName.Utf8(), "NuevaEmpresa.txt");
    EXPECT_EQ(ReadFile(dir.File("empresa.txt")).rfind("1\t\t\t<Nueva Empresa>\t", 0), 0u);
}

TEST_F(ReportsWindowTest, PrintDialogOffersThePrintersAPdfFileAndThePrintToFileBox) {
    PrintDialog& dialog = *window.PrintDialog1;
    EXPECT_EQ(dialog.windowTitle(), "Imprimir");
    EXPECT_EQ(Named<QComboBox>(dialog, "cmbImpresora")
                  ->itemText(Named<QComboBox>(dialog, "cmbImpresora")->count() - 1),
              "Archivo PDF");
    EXPECT_EQ(Named<QCheckBox>(dialog, "chkArchivo")->text(), "Imprimir a archivo");
    dialog.Prepare(true, "Informe");
    EXPECT_TRUE(Named<QCheckBox>(dialog, "chkArchivo")->isVisibleTo(&dialog));
    dialog.Prepare(false, "Cuestionario 05");
    EXPECT_FALSE(Named<QCheckBox>(dialog, "chkArchivo")->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.PrintToFile());
    EXPECT_TRUE(Named<QLineEdit>(dialog, "edtArchivo")->text().endsWith("Cuestionario 05.pdf"));

    Named<QComboBox>(dialog, "cmbImpresora")
        ->setCurrentIndex(Named<QComboBox>(dialog, "cmbImpresora")->count() - 1);
    Named<QLineEdit>(dialog, "edtArchivo")->clear();
    EXPECT_FALSE(Named<QPushButton>(dialog, "OKBtn")->isEnabled()) << "a PDF needs a file name";
    Named<QLineEdit>(dialog, "edtArchivo")->setText("/tmp/informe");
    EXPECT_TRUE(Named<QPushButton>(dialog, "OKBtn")->isEnabled());
    QPrinter printer;
    dialog.ConfigurePrinter(printer);
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), "/tmp/informe.pdf");

    dialog.Prepare(true, "Informe");
    Named<QCheckBox>(dialog, "chkArchivo")->setChecked(true);
    EXPECT_FALSE(Named<QComboBox>(dialog, "cmbImpresora")->isEnabled()) << "the text report needs no printer";
    EXPECT_TRUE(dialog.PrintToFile());
    Named<QCheckBox>(dialog, "chkArchivo")->setChecked(false);
}

TEST_F(ReportsWindowTest, ImpVacioPrintsTheBlankQuestionnaireToTheChosenPdf) {
    TempDir dir;
    const QString pdf = PathToQt(dir.File("cuestionario.pdf"));
    WhenModal([pdf](QWidget* modal) {
        auto* dialog = qobject_cast<PrintDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        Named<QComboBox>(*dialog, "cmbImpresora")
            ->setCurrentIndex(Named<QComboBox>(*dialog, "cmbImpresora")->count() - 1);
        Named<QLineEdit>(*dialog, "edtArchivo")->setText(pdf);
        Named<QPushButton>(*dialog, "OKBtn")->click();
    });
    window.PrintBlankQuestionnaire(5, W("Almacén"));
    const std::string bytes = ReadFile(dir.File("cuestionario.pdf"));
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy pointer is gone";
}

TEST_F(ReportsWindowTest, AnUnwritablePdfKeepsTheDialogOpenWithTheSystemsReason) {
    QString reason;
    bool stillOpen = false;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<PrintDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        Named<QComboBox>(*dialog, "cmbImpresora")
            ->setCurrentIndex(Named<QComboBox>(*dialog, "cmbImpresora")->count() - 1);
        Named<QLineEdit>(*dialog, "edtArchivo")->setText("/no/such/folder/x.pdf");
        WhenModal([&, dialog](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            if (message) reason = message->text();
            box->close();
            QTimer::singleShot(0, [&, dialog] {
                stillOpen = dialog->isVisible();
                Named<QPushButton>(*dialog, "CancelBtn")->click();
            });
        });
        Named<QPushButton>(*dialog, "OKBtn")->click();
    });
    window.PrintBlankQuestionnaire(5, "");
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(reason.contains("/no/such/folder/x.pdf")) << reason.toStdString();
    EXPECT_FALSE(std::filesystem::exists("/no/such/folder/x.pdf"));
}

// A firm name of 90 characters ran off the paper at the left of a zone's report and over the
// parent's name, which in a zone's report is the firm's too. Printed through the real print
// dialog to a PDF and read back.
TEST_F(ReportsWindowTest, AZonesReportShortensLongHeaderTextsToStayApartAndOnThePaper) {
    TempDir dir;
    const std::string name =
        "Construcciones, Reformas y Mantenimiento Industrial del Noroeste Peninsular, S.A. (CRMINO)";
    WriteFile(dir.File("doc.kl3"), "1\t0\tE\t" + name + "\r\n2\t1\tZ\tNave de montaje\r\n");
    window.Session().SetModified(false);
    ASSERT_EQ(window.Commands().LoadDocument(dir.File("doc.kl3")), DocumentCommands::LoadResult::Loaded);
    window.TreeView->setCurrentIndex(window.Model()->index(0, 0, window.Model()->index(0, 0)));
    const QString pdf = PathToQt(dir.File("zona.pdf"));
    WhenModal([pdf](QWidget* modal) {
        auto* dialog = qobject_cast<PrintDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        auto* printers = Named<QComboBox>(*dialog, "cmbImpresora");
        printers->setCurrentIndex(printers->count() - 1);
        Named<QLineEdit>(*dialog, "edtArchivo")->setText(pdf);
        Named<QPushButton>(*dialog, "OKBtn")->click();
    });
    window.Informe1->trigger();

    const std::vector<PdfPage> pages = PdfWords(dir.File("zona.pdf"));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(WordsNearTheEdges(pages, 8), std::vector<std::string>());
    // The header line: the firm's name shortened twice, side by side without touching.
    double top = pages[0].height;
    for (const PdfWord& word : pages[0].words)
        top = std::min(top, word.top);
    std::vector<PdfWord> header;
    for (const PdfWord& word : pages[0].words) {
        if (word.top < top + 2) header.push_back(word);
    }
    std::sort(header.begin(), header.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.left < b.left; });
    std::string line;
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(header[i - 1].right, header[i].left) << header[i].text << " overprints";
        }
        line += header[i].text + " ";
    }
    EXPECT_EQ(line.rfind("Construcciones, Reformas y", 0), 0u) << line;
    const std::size_t ellipsis = line.find("…");
    ASSERT_NE(ellipsis, std::string::npos) << line;
    EXPECT_NE(line.find("Construcciones, Reformas y", ellipsis), std::string::npos) << line;
    EXPECT_NE(line.find("…", ellipsis + 1), std::string::npos) << line;
}
