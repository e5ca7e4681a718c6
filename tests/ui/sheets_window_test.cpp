#include <gtest/gtest.h>

#include <QMenu>

#include "catalogue.h"
#include "cp1252.h"
#include "main_window.h"
#include "recording_canvas.h"
#include "scripted_port.h"
#include "temp_dir.h"

namespace {

// The print dialog answered from a script, printing on a recording canvas.
struct ScriptedPrinter : PrintPort {
    Choice ChoosePrinter(bool, const std::string& documentName) override {
        names.push_back(cp1252::ToUtf8(documentName));
        return choice;
    }
    Canvas& Printer() override { return canvas; }
    void SetBusy(bool) override {}

    Choice choice = Choice::Printer;
    std::vector<std::string> names;
    RecordingCanvas canvas;
};

// A firm with a zone and two workstations, "Torno" with two named workers.
struct SheetsWindowTest : ::testing::Test {
    TempDir dir;
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window{catalogue, &port, &dates};
    ScriptedPrinter printer;

    void Load(const std::string& utf8) {
        WriteFile(dir.File("doc.kl3"), W(utf8));
        window.Commands().LoadDocument(dir.File("doc.kl3"));
        window.SetPrintPort(&printer);
    }
    int Drawn(const std::string& utf8) const {
        int count = 0;
        for (const auto& call : printer.canvas.Texts())
            count += call.text == W(utf8);
        return count;
    }
    void Select(int slot) { window.Session().Tree().Select(window.Session().Table().Node(slot)); }
};

const char* const kDocument =
    "1\t0\tE\tTalleres/Norte\r\n"
    "2\t1\tZ\tNave\r\n"
    "3\t2\tP\tTorno\t\t\t\t\t\t\tAna Pérez~~Luis Gil\r\n"
    "4\t2\tP\tFresa\t\t\t\t\t\t\t\t\t\t\t\texpuestos=2\r\n";

}  // namespace

TEST_F(SheetsWindowTest, TheContextMenuPrintsTheSelectedWorkstationsSheetOnly) {
    Load(kDocument);
    Select(3);
    window.PrepareContextMenu();
    ASSERT_TRUE(window.FichaPuesto1->isVisible());
    ASSERT_TRUE(window.FichaPuesto1->isEnabled());
    EXPECT_EQ(window.PopupMenu1->actions().back(), window.FichaPuesto1) << "the last entry";
    window.FichaPuesto1->trigger();
    EXPECT_EQ(printer.names, std::vector<std::string>({"Ficha del puesto Torno"}));
    EXPECT_EQ(Drawn("Ficha del puesto"), 2) << "a copy for each worker";
    EXPECT_EQ(Drawn("Ana Pérez"), 2);
    EXPECT_EQ(Drawn("Fresa"), 0);
    EXPECT_FALSE(window.Session().Modified());

    // Not offered where it would have nothing to print.
    for (int slot : {1, 2}) {
        Select(slot);
        window.PrepareContextMenu();
        EXPECT_FALSE(window.FichaPuesto1->isVisible()) << slot;
        EXPECT_FALSE(window.FichaPuesto1->isEnabled()) << slot;
    }
}

TEST_F(SheetsWindowTest, TheFileMenuPrintsEveryWorkstationOrSaysThereIsNone) {
    EXPECT_FALSE(window.FichasPuestos1->isEnabled()) << "no document open";
    Load(kDocument);
    ASSERT_TRUE(window.FichasPuestos1->isEnabled());
    window.FichasPuestos1->trigger();
    EXPECT_EQ(printer.names, std::vector<std::string>({"Fichas de los puestos Talleres Norte"}));
    EXPECT_EQ(Drawn("Ficha del puesto"), 3);
    EXPECT_GE(Drawn("Ficha del puesto: Fresa"), 1);

    printer.canvas.calls.clear();
    printer.choice = PrintPort::Choice::Cancelled;
    window.FichasPuestos1->trigger();
    EXPECT_TRUE(printer.canvas.calls.empty());

    Load("1\t0\tE\tSin puestos\r\n2\t1\tZ\tNave\r\n");
    printer.choice = PrintPort::Choice::Printer;
    window.FichasPuestos1->trigger();
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_EQ(port.errors[0], "El documento no tiene ningún puesto de trabajo.");
    EXPECT_TRUE(printer.canvas.calls.empty());
}
