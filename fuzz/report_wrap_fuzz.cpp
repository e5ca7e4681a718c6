// Seeds: data/C31.TXT tests/data/*.kl3
// Options: -max_len=4096
//
// The report's line cuts. The cut at column 90 falls just after a blank, hyphen or tab of a
// line of 90 characters or more, with text after it; the cut by width gives back the whole line
// in pieces whose visible part fits, but for a single character wider than the page.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "recording_canvas.h"
#include "report_line_wrap.h"

namespace {

// Whether a character other than a blank, hyphen, tab or CR LF pair comes at or after `from`
// (a lone CR or LF counts as text).
bool TextAfter(const std::string& line, std::size_t from) {
    for (std::size_t j = from; j < line.size(); ++j) {
        if (line[j] == '\r' && j + 1 < line.size() && line[j + 1] == '\n') {
            ++j;
        } else if (line[j] != ' ' && line[j] != '-' && line[j] != '\t') {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string line(reinterpret_cast<const char*>(data) + 1, size - 1);

    if (const auto cut = ReportSplitPoint(line)) {
        FUZZ_REQUIRE(line.size() >= kReportWrapColumn);
        FUZZ_REQUIRE(*cut > 0 && *cut < line.size());
        const char last = line[*cut - 1];
        FUZZ_REQUIRE(last == ' ' || last == '-' || last == '\t');
        FUZZ_REQUIRE(TextAfter(line, *cut));
    }

    RecordingCanvas canvas;
    canvas.SetFontSize(12);
    const int width = 1 + data[0] * 8;
    const auto pieces = FitToWidth(canvas, line, width);
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        joined += pieces[i];
        if (i + 1 == pieces.size()) break;
        // The blanks that end a piece are not seen; what is seen fits.
        const std::string seen = pieces[i].substr(0, pieces[i].find_last_not_of(' ') + 1);
        FUZZ_REQUIRE(seen.size() <= 1 || canvas.TextWidth(seen) <= width);
    }
    FUZZ_REQUIRE(joined == line);
    return 0;
}
