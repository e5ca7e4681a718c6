#include <gtest/gtest.h>

#include <map>

#include "canvas_table.h"
#include "cp1252.h"
#include "recording_canvas.h"

namespace {

using Call = RecordingCanvas::Call;

// Characters of 2 × 8 = 16 units, lines 3 × 8 = 24 high; a page of 1000 × 600.
struct CanvasTableTest : ::testing::Test {
    RecordingCanvas canvas{1000, 600};
    std::vector<TableColumn> columns{{"Uno", 1}, {"Dos", 3}};
    TableFrame frame{"Tabla", "Izquierda", "Derecha", 8};

    std::vector<Call> OnPage(int page, const std::string& text) const {
        std::vector<Call> found;
        for (const Call& call : canvas.Texts())
            if (call.page == page && call.text == text) found.push_back(call);
        return found;
    }
};

}  // namespace

TEST_F(CanvasTableTest, TheHeadingRowAndTheHeaderOnEveryPageAndRowsNeverSplit) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < 40; ++r)
        rows.push_back({"f" + std::to_string(r), r % 5 == 0 ? "a\r\nb\r\nc" : "x"});
    CanvasTable table(canvas, columns, frame);
    std::string error;
    ASSERT_TRUE(table.Print(rows, &error));
    ASSERT_GT(table.Pages(), 2);
    EXPECT_EQ(canvas.Pages(), table.Pages());
    int drawn = 0;
    for (int page = 1; page <= table.Pages(); ++page) {
        SCOPED_TRACE(page);
        ASSERT_EQ(OnPage(page, "Uno").size(), 1u);
        EXPECT_EQ(OnPage(page, "Uno")[0].style, FontStyle::Bold);
        EXPECT_EQ(OnPage(page, "Izquierda").size(), 1u);
        ASSERT_EQ(OnPage(page, "Derecha").size(), 1u);
        EXPECT_EQ(OnPage(page, "Derecha")[0].x + canvas.TextWidth("Derecha") + 16, 1000) << "right-aligned";
        const std::string number =
            W("Página ") + std::to_string(page) + " de " + std::to_string(table.Pages());
        EXPECT_EQ(OnPage(page, number).size(), 1u);
        // Every row of the page is whole on it: the three lines of a tall row together.
        for (const int r : table.RowsByPage()[page - 1]) {
            EXPECT_EQ(OnPage(page, "f" + std::to_string(r)).size(), 1u) << r;
            if (r % 5 == 0) {
                EXPECT_EQ(OnPage(page, "c").size(), OnPage(page, "a").size());
            }
            ++drawn;
        }
        // Nothing is drawn below the page number's line.
        for (const Call& call : canvas.Texts()) {
            if (call.page == page) {
                EXPECT_LE(call.y + 24, 600);
            }
        }
    }
    EXPECT_EQ(drawn, 40);
}

TEST_F(CanvasTableTest, CellsWrapInsideTheirColumnAndARowTallerThanAPageIsCut) {
    std::string tall;
    for (int i = 0; i < 60; ++i)
        tall += "linea\r\n";
    CanvasTable table(canvas, columns, frame);
    std::string error;
    ASSERT_TRUE(table.Print({{"uno dos tres cuatro cinco seis", tall}}, &error));
    EXPECT_EQ(table.Pages(), 1);
    // The first column is a quarter of the table: its words go on several lines inside it.
    const std::vector<Call> rects = canvas.Rectangles();
    ASSERT_GE(rects.size(), 4u);
    const Call& cell = rects[2];  // the first cell of the row
    for (const Call& text : canvas.Texts()) {
        if (text.text.rfind("uno", 0) == 0 || text.text.rfind("cinco", 0) == 0) {
            EXPECT_GE(text.x, cell.x);
            EXPECT_LE(text.x + canvas.TextWidth(text.text), cell.right);
        }
    }
    int ended = 0;
    for (const Call& text : canvas.Texts())
        ended += text.text == "linea...";
    EXPECT_EQ(ended, 1);
    EXPECT_LE(rects.back().bottom, 600 - 48);
}

TEST_F(CanvasTableTest, ARefusedJobDrawsNothing) {
    canvas.refuseJob = true;
    CanvasTable table(canvas, columns, frame);
    std::string error;
    EXPECT_FALSE(table.Print({{"a", "b"}}, &error));
    EXPECT_EQ(error, "printer unavailable");
    EXPECT_TRUE(canvas.Texts().empty());
}

TEST_F(CanvasTableTest, ALongHeaderIsShortenedBeforeItReachesTheOther) {
    frame.headerLeft = std::string(80, 'x');
    CanvasTable table(canvas, columns, frame);
    std::string error;
    ASSERT_TRUE(table.Print({{"a", "b"}}, &error));
    const Call left = canvas.Texts().at(0);
    ASSERT_TRUE(canvas.FindText("Derecha"));
    EXPECT_LT(left.x + canvas.TextWidth(left.text), canvas.FindText("Derecha")->x);
    EXPECT_NE(left.text, frame.headerLeft);
}
