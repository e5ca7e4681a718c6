#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

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

// A row taller than a page was cut with "..." (a comment of 1,102 characters kept 450): it goes
// on below the heading row of the next pages, every line once and in order.
TEST_F(CanvasTableTest, CellsWrapInsideTheirColumnAndARowTallerThanAPageGoesOnToTheNextPages) {
    std::string tall;
    for (int i = 0; i < 60; ++i)
        tall += "linea" + std::to_string(i) + "\r\n";
    CanvasTable table(canvas, columns, frame);
    std::string error;
    ASSERT_TRUE(table.Print({{"uno dos tres cuatro cinco seis", tall}, {"siguiente", "fila"}}, &error));
    // 19 lines of 24 fit between the heading row (ending at 84) and 552: 19 + 19 + 19 + 3.
    EXPECT_EQ(table.Pages(), 4);
    EXPECT_EQ(table.RowsByPage(), (std::vector<std::vector<int>>{{0}, {0}, {0}, {0, 1}}));
    int next = 0, page = 1;
    for (const Call& text : canvas.Texts()) {
        if (text.text.rfind("linea", 0) != 0) continue;
        EXPECT_EQ(text.text, "linea" + std::to_string(next)) << "every line once, in order";
        EXPECT_EQ(text.page, 1 + next / 19);
        page = text.page;
        ++next;
    }
    EXPECT_EQ(next, 60);
    EXPECT_EQ(page, 4);
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(OnPage(p, "Dos").size(), 1u) << "the heading row on page " << p;
    EXPECT_EQ(OnPage(4, "siguiente").size(), 1u);
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
    for (const Call& rect : rects)
        EXPECT_LE(rect.bottom, 600 - 48);
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

// Inside a longer printout: from the y it is given, then page after page within the area, with
// the heading row on each page and no header or page number of its own.
TEST_F(CanvasTableTest, WithinAPrintoutItGoesOnFromWhereItIsPutAndRepeatsItsHeading) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < 30; ++r)
        rows.push_back({"f" + std::to_string(r), "x"});
    std::string error;
    ASSERT_TRUE(canvas.BeginJob("Documento", &error));
    const TableArea area{100, 900, 50, 550};
    CanvasTable table(canvas, columns, frame);
    const int end = table.PrintWithin(rows, area, 300);
    ASSERT_GT(canvas.Pages(), 2);
    EXPECT_EQ(table.Pages(), canvas.Pages());
    EXPECT_EQ(OnPage(1, "Uno").at(0).y, 300 + 6) << "where the table was put, a quarter line inside";
    for (int page = 1; page <= canvas.Pages(); ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(OnPage(page, "Uno").size(), 1u);
        if (page > 1) {
            EXPECT_EQ(OnPage(page, "Uno")[0].y, 50 + 6);
        }
        EXPECT_TRUE(OnPage(page, "Izquierda").empty() && OnPage(page, "Derecha").empty());
    }
    for (const Call& rect : canvas.Rectangles()) {
        EXPECT_GE(rect.x, 100);
        EXPECT_LE(rect.right, 900);
        EXPECT_GE(rect.y, rect.page == 1 ? 300 : 50);
        EXPECT_LE(rect.bottom, 550);
    }
    const Call last = canvas.Rectangles().back();
    EXPECT_EQ(end, last.bottom);
    EXPECT_EQ(OnPage(canvas.Pages(), "f29").size(), 1u);
}

TEST_F(CanvasTableTest, WithinAPrintoutATableThatCannotStartBelowYStartsOnTheNextPage) {
    std::string error;
    ASSERT_TRUE(canvas.BeginJob("Documento", &error));
    CanvasTable table(canvas, columns, frame);
    const int end = table.PrintWithin({{"a", "b"}}, {0, 1000, 40, 560}, 520);
    EXPECT_EQ(canvas.Pages(), 2);
    EXPECT_TRUE(OnPage(1, "Uno").empty()) << "no heading left alone at the foot of a page";
    ASSERT_EQ(OnPage(2, "Uno").size(), 1u);
    EXPECT_EQ(OnPage(2, "a").size(), 1u);
    EXPECT_LT(end, 560);
}

// "4. Plan de acción" and its introduction were left alone on a page when the first row was
// long: a first row of more than half a page starts below them and goes on on the next page.
TEST_F(CanvasTableTest, WithinAPrintoutALongFirstRowStartsBelowWhatHeadsTheTable) {
    std::string tall;
    for (int i = 0; i < 15; ++i)
        tall += "l" + std::to_string(i) + "\r\n";
    std::string error;
    ASSERT_TRUE(canvas.BeginJob("Documento", &error));
    CanvasTable table(canvas, columns, frame);
    table.PrintWithin({{"a", tall}}, {0, 1000, 40, 560}, 300);
    // Below the heading row (300 to 336), 8 lines of 24 fit above 560; the other 7 go on.
    EXPECT_EQ(canvas.Pages(), 2);
    EXPECT_EQ(OnPage(1, "Uno").size(), 1u);
    EXPECT_EQ(OnPage(1, "l7").size(), 1u);
    EXPECT_EQ(OnPage(2, "l8").size(), 1u);
    EXPECT_EQ(OnPage(2, "Uno").size(), 1u);
}

TEST_F(CanvasTableTest, CellsGetTheBackgroundAskedForUnderTheirFrameAndText) {
    CanvasTable table(canvas, columns, frame);
    table.SetCellFill([](std::size_t row, std::size_t column) {
        return column == 0 && row % 2 == 1 ? std::optional<int>(0x123456) : std::nullopt;
    });
    std::string error;
    ASSERT_TRUE(table.Print({{"a", "b"}, {"c", "d"}, {"e", "f"}, {"g", "h"}}, &error));
    const std::vector<Call> fills = canvas.Fills();
    ASSERT_EQ(fills.size(), 2u) << "rows 1 and 3, never the heading";
    for (const Call& fill : fills)
        EXPECT_EQ(fill.rgb, 0x123456);
    // The fill nearest before each filled cell's text, drawn under it, covers it.
    for (const char* text : {"c", "g"}) {
        const auto drawn = std::find_if(canvas.calls.begin(), canvas.calls.end(),
                                        [text](const Call& call) { return call.text == text; });
        const auto filled = std::find_if(std::make_reverse_iterator(drawn), canvas.calls.rend(),
                                         [](const Call& call) { return call.kind == Call::Kind::Fill; });
        ASSERT_NE(filled, canvas.calls.rend()) << text;
        EXPECT_GE(drawn->y, filled->y);
        EXPECT_LE(drawn->bottom, filled->bottom);
    }
}
