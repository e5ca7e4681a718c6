// Seeds: data/C31.TXT fuzz/seeds/words/*
// Options: -max_len=2048
//
// Wrapping a text in a framed box as the blank questionnaire does, on the recording canvas, at
// any width, line step and font size: it ends, frames the box once with the height it returns,
// draws every line inside that height, and draws every character of the text (blanks and the
// hyphens that mark broken words aside) once and in order.
#include <cstdint>
#include <string>

#include "box_text.h"
#include "fuzz_support.h"
#include "recording_canvas.h"

namespace {

std::string Letters(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != ' ' && c != '-') out += c;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const int width = 1 + data[0] * 4;    // 1 to 1021 device units
    const int points = 4 + data[1] % 12;  // 4 to 15 points
    const int step = 1 + data[2] % 64;
    const std::string text(reinterpret_cast<const char*>(data) + 3, size - 3);

    RecordingCanvas canvas;
    canvas.SetFontSize(points);
    const int x = 10, y = 20;
    const int height = WrapText(canvas, x, y, width, step, text);

    FUZZ_REQUIRE(height >= canvas.CharHeight());
    const auto rectangles = canvas.Rectangles();
    FUZZ_REQUIRE(rectangles.size() == 1);
    FUZZ_REQUIRE(rectangles[0].x == x && rectangles[0].y == y);
    FUZZ_REQUIRE(rectangles[0].right == x + width && rectangles[0].bottom == y + height);

    std::string drawn;
    for (const auto& call : canvas.Texts()) {
        FUZZ_REQUIRE(call.y >= y && call.y + canvas.CharHeight() <= y + height);
        drawn += call.text;
    }
    FUZZ_REQUIRE(Letters(drawn) == Letters(text));
    return 0;
}
