#include <gtest/gtest.h>

#include <regex>

#include "file_io.h"
#include "photo_list.h"
#include "plan_csv.h"
#include "plan_fixture.h"
#include "plan_pdf.h"
#include "plan_xlsx.h"
#include "program_run.h"
#include "recording_canvas.h"

namespace {

// plan.kl3 with photos on the escalera's deficiency (slot 7) and on its first measure (slot 8),
// and on the deficiency without measure (slot 3).
struct PlanPhotos : PlanDocument {
    PlanPhotos() {
        session.Table().Record(7)->SetField(kPhotoField, "D-0001.jpg|Escalera\r\nD-0002.jpg");
        session.Table().Record(8)->SetField(kPhotoField, "R-0001.jpg|Presupuesto");
        session.Table().Record(3)->SetField(kPhotoField, W("D-0003.jpg|Sin política"));
    }
};

}  // namespace

// A measure's row names the measure's photos, then its deficiency's; a deficiency without
// measure its own.
TEST_F(PlanPhotos, EachRowNamesItsOwnPhotosThenItsDeficiencys) {
    const plan::ActionPlan plan = Plan();
    ASSERT_EQ(plan.rows[0].slot, 8);
    EXPECT_EQ(plan.rows[0].Text(plan::Column::kPhotos), "R-0001.jpg, D-0001.jpg, D-0002.jpg");
    ASSERT_EQ(plan.rows[1].slot, 9);
    EXPECT_EQ(plan.rows[1].Text(plan::Column::kPhotos), "D-0001.jpg, D-0002.jpg");
    ASSERT_EQ(plan.rows[2].slot, 3);
    EXPECT_EQ(plan.rows[2].Text(plan::Column::kPhotos), "D-0003.jpg");
    EXPECT_EQ(plan.rows[3].Text(plan::Column::kPhotos), "");
}

TEST_F(PlanPhotos, CsvHasTheNamesInItsLastColumn) {
    const std::string csv = plan::PlanCsv(Plan());
    const std::string heading = csv.substr(3, csv.find("\r\n") - 3);
    EXPECT_EQ(heading.substr(heading.rfind(';')), ";Fotos");
    // After the comments and the empty cost.
    EXPECT_NE(csv.find("\"\";;R-0001.jpg, D-0001.jpg, D-0002.jpg\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(";Pendiente;;;D-0001.jpg, D-0002.jpg\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(";Sin medida;;;D-0003.jpg\r\n"), std::string::npos) << csv;
}

TEST_F(PlanPhotos, WorkbookHasTheNamesInItsLastColumn) {
    TempDir dir;
    const FilePath path = dir.File("plan.xlsx");
    std::string error;
    ASSERT_TRUE(plan::WritePlanXlsx(Plan(), path, &error)) << error;
    const std::string sheet = ToolOutput("unzip", {"-p", path, "xl/worksheets/sheet1.xml"});
    const std::vector<std::string> strings = [&] {
        const std::string xml = ToolOutput("unzip", {"-p", path, "xl/sharedStrings.xml"});
        std::vector<std::string> out;
        const std::regex item("<si><t[^>]*>([^<]*)</t></si>");
        for (auto it = std::sregex_iterator(xml.begin(), xml.end(), item); it != std::sregex_iterator(); ++it)
            out.push_back((*it)[1]);
        return out;
    }();
    auto text = [&](const std::string& ref) {
        std::smatch match;
        if (!std::regex_search(sheet, match, std::regex("<c r=\"" + ref + "\"[^>]*t=\"s\"[^>]*><v>([0-9]+)</v>")))
            return std::string("(none)");
        return strings.at(std::stoul(match[1]));
    };
    EXPECT_EQ(text("N3"), "Fotos");
    EXPECT_EQ(text("N4"), "R-0001.jpg, D-0001.jpg, D-0002.jpg");
    EXPECT_EQ(text("N6"), "D-0003.jpg");
    EXPECT_EQ(text("M3"), "Coste (€)") << "the columns before stay where they were";
}

// The plan's printed table keeps its columns: names of files say nothing on paper.
TEST_F(PlanPhotos, PrintedTableLeavesThePhotosOut) {
    RecordingCanvas canvas(6800, 4800);
    std::string error;
    ASSERT_TRUE(plan::PrintPlan(Plan(), canvas, &error)) << error;
    EXPECT_NE(canvas.FindText("Comentarios"), nullptr);
    EXPECT_EQ(canvas.FindText("Fotos"), nullptr);
    for (const auto& call : canvas.Texts())
        EXPECT_EQ(call.text.find(".jpg"), std::string::npos) << call.text;
}
