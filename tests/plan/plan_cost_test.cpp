#include <gtest/gtest.h>

#include <regex>

#include "action_plan.h"
#include "cp1252.h"
#include "document_lines.h"
#include "document_session.h"
#include "file_io.h"
#include "fixed_dates.h"
#include "plan_csv.h"
#include "plan_pdf.h"
#include "plan_summary.h"
#include "plan_xlsx.h"
#include "program_run.h"
#include "recording_canvas.h"
#include "temp_dir.h"

namespace {

// Two critical measures, one overdue and one done, and a measure to correct: 1.250,50 €, 100 € and
// 640 €. A measure without cost and one whose cost was written by hand as a word count for none.
const std::vector<std::string> kCosted = {
    "1\t0\tE\tTalleres Norte",
    "2\t1\tC\t01.- Lugares de trabajo",
    "3\t2\tD\t5. Suelo\t\t\t\t\t\t\t00000",
    "4\t3\tR\tBarandilla\t\t01/12/2026\tAna\t\t\t\t\t\t\tCerrajero\t1250,50",
    "5\t3\tR\tFranjas\t\t01/11/2026\tAna\t05/11/2026\tAna\t\t\t\t\tPintor\t100,00",
    "6\t2\tD\t6. Luz\t\t\t\t\t\t\t10332",
    "7\t6\tR\tFocos\t\t15/01/2027\tLuis\t\t\t\t\t\t\tElectricista\t640,00",
    "8\t6\tR\tLimpiar\t\t15/01/2027\tLuis",
    "9\t6\tR\tPintar\t\t15/01/2027\tLuis\t\t\t\t\t\t\t\tmil",
};

struct PlanCosts : ::testing::Test {
    DocumentSession session;
    FixedDates dates{{2026, 12, 8}};
    PlanCosts() { LoadLines(session, kCosted); }
    plan::ActionPlan Plan() { return plan::BuildActionPlan(session, dates, {2026, 12, 8}); }
};

// A cell of a sheet's XML: its attributes and value.
std::smatch CellMatch(const std::string& sheet, const std::string& ref, const std::string& inner = "<v>([^<]*)</v>") {
    std::smatch match;
    std::regex_search(sheet, match, std::regex("<c r=\"" + ref + "\"([^>]*)>" + inner + "</c>"));
    return match;
}

}  // namespace

TEST_F(PlanCosts, TotalsByLevelAndOfWhatIsNotDone) {
    const plan::ActionPlan plan = Plan();
    EXPECT_EQ(plan.counts.cost, 199050);
    EXPECT_EQ(plan.counts.costByLevel[static_cast<int>(plan::Level::kCritical)], 135050);
    EXPECT_EQ(plan.counts.costByLevel[static_cast<int>(plan::Level::kToCorrect)], 64000);
    EXPECT_EQ(plan.counts.pendingCost, 189050) << "the done measure's 100 € are spent";
    EXPECT_EQ(U(plan::CostText(plan.counts)),
              "Coste previsto: 1.990,50 € (Crítico 1.350,50 €, A corregir 640,00 €) · pendiente: 1.890,50 €");
    // The cells: amounts as shown, a text that is no amount as it is, nothing for no cost.
    std::vector<std::string> costs;
    for (const plan::PlanRow& row : plan.rows)
        costs.push_back(row.Text(plan::Column::kCost));
    // Crítico: the done measure was planned first.
    EXPECT_EQ(costs, (std::vector<std::string>{"100,00", "1.250,50", "640,00", "", "mil"}));
}

TEST_F(PlanCosts, NoCostNoTotals) {
    LoadLines(session, {"1\t0\tE\tFirma", "2\t1\tD\t5. Suelo\t\t\t\t\t\t\t00000", "3\t2\tR\tNada\t\t01/12/2026"});
    EXPECT_EQ(plan::CostText(Plan().counts), "");
    LoadLines(session, {"1\t0\tE\tFirma", "2\t1\tD\t5. Suelo\t\t\t\t\t\t\t00000",
                        "3\t2\tR\tGratis\t\t01/12/2026\t\t\t\t\t\t\t\t\t0,00"});
    EXPECT_EQ(U(plan::CostText(Plan().counts)), "Coste previsto: 0,00 € · pendiente: 0,00 €");
}

TEST_F(PlanCosts, WorkbookCostsAreEuroNumbersWithATotalRow) {
    TempDir dir;
    const FilePath path = dir.File("plan.xlsx");
    std::string error;
    ASSERT_TRUE(plan::WritePlanXlsx(Plan(), path, &error)) << error;
    const std::string sheet = ToolOutput("unzip", {"-p", path, "xl/worksheets/sheet1.xml"});
    // Column M, rows 4 to 8: numbers for amounts, a text for "mil", nothing for no cost.
    for (const auto& [ref, value] : {std::pair<std::string, std::string>{"M4", "100"}, {"M5", "1250.5"}, {"M6", "640"}}) {
        const std::smatch cell = CellMatch(sheet, ref);
        ASSERT_FALSE(cell.empty()) << ref;
        EXPECT_EQ(cell[1].str().find("t=\""), std::string::npos) << ref << " is a number";
        EXPECT_EQ(cell[2].str(), value) << ref;
    }
    EXPECT_TRUE(CellMatch(sheet, "M7").empty());
    EXPECT_NE(CellMatch(sheet, "M8")[1].str().find("t=\"s\""), std::string::npos) << "a text";
    // Below the table, after a blank row: "Total" and the sum as a formula with its value.
    const std::smatch total = CellMatch(sheet, "M10", "<f>([^<]*)</f><v>([^<]*)</v>");
    ASSERT_FALSE(total.empty()) << sheet;
    EXPECT_EQ(total[2].str(), "SUM(M4:M8)");
    EXPECT_EQ(total[3].str(), "1990.5");
    EXPECT_NE(sheet.find("<autoFilter ref=\"A3:N8\"/>"), std::string::npos) << "the total is outside the filter";
    const std::string styles = ToolOutput("unzip", {"-p", path, "xl/styles.xml"});
    EXPECT_NE(styles.find("formatCode=\"#,##0.00 &quot;€&quot;\""), std::string::npos) << styles;

    // Resumen: the cost of each level beside its counts, the total and what is pending.
    const std::string summary = ToolOutput("unzip", {"-p", path, "xl/worksheets/sheet2.xml"});
    EXPECT_EQ(CellMatch(summary, "H4")[2].str(), "1350.5");
    EXPECT_EQ(CellMatch(summary, "H5")[2].str(), "640");
    EXPECT_EQ(CellMatch(summary, "H9")[2].str(), "1990.5");
    EXPECT_EQ(CellMatch(summary, "H10")[2].str(), "1890.5");
}

TEST_F(PlanCosts, CsvWritesTheNumberAndPdfAlignsItRight) {
    const std::string csv = plan::PlanCsv(Plan());
    EXPECT_NE(csv.find(";1250,50;\r\n"), std::string::npos) << "no thousands point, a decimal comma";
    EXPECT_NE(csv.find(";mil;\r\n"), std::string::npos);

    RecordingCanvas canvas(6800, 4800);
    std::string error;
    ASSERT_TRUE(plan::PrintPlan(Plan(), canvas, &error)) << error;
    const auto* wide = canvas.FindText("1.250,50");
    const auto* narrow = canvas.FindText("640,00");
    const std::vector<RecordingCanvas::Call> texts = canvas.Texts();
    const RecordingCanvas::Call* heading = nullptr;  // the heading wraps in its narrow column
    for (const auto& call : texts) {
        if (!heading && call.text.rfind("Coste", 0) == 0) heading = &call;
    }
    ASSERT_TRUE(wide && narrow && heading);
    // Both amounts end at the same x, right of where the heading starts.
    canvas.SetFontSize(wide->size);
    EXPECT_EQ(wide->x + canvas.TextWidth("1.250,50"), narrow->x + canvas.TextWidth("640,00"));
    EXPECT_GT(narrow->x, heading->x);
}
