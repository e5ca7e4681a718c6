// Seeds: tests/data/*.kl3 fuzz/seeds/line/*
// Dictionary: fuzz/kl3.dict
//
// The line form of a record and the splitting of a file into lines. Any bytes parse without
// harm; a line without CR or LF comes back from parsing and writing byte for byte when it has at
// most fifteen TABs, and in any case parsing what was written gives the same record again.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "line_source.h"
#include "otoken.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    oToken record;
    record.ParseLine(bytes);
    FUZZ_REQUIRE(record.count() >= 1 && record.count() <= oToken::kMaxFields);
    for (int i = 1; i <= oToken::kMaxFields; ++i) {
        const std::int32_t value = record.GetFieldInt(i);
        FUZZ_REQUIRE(TextToInt(std::to_string(value)) == value);
        FUZZ_REQUIRE(record.GetKind(i) == (record.GetField(i).empty() ? ' ' : record.GetField(i)[0]));
    }

    const std::string written = record.WriteLine();
    FUZZ_REQUIRE(written.size() >= 2 && written.compare(written.size() - 2, 2, "\r\n") == 0);
    if (bytes.find_first_of("\r\n") == std::string::npos) {
        oToken back;
        back.ParseLine(written.substr(0, written.size() - 2));
        FUZZ_REQUIRE(back == record);
        if (std::count(bytes.begin(), bytes.end(), '\t') < oToken::kMaxFields)
            FUZZ_REQUIRE(written == bytes + "\r\n");
    }

    // Lines never hold a line end, and a file has at most one line more than it has LFs
    // before its end (a Ctrl-Z byte ends it).
    const std::string content = bytes.substr(0, bytes.find('\x1A'));
    const std::size_t lineEnds = static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n'));
    LineSource lines(bytes);
    std::size_t n = 0;
    while (!lines.AtEnd()) {
        const std::string line = lines.NextLine();
        FUZZ_REQUIRE(line.find_first_of("\r\n\x1A") == std::string::npos);
        ++n;
    }
    FUZZ_REQUIRE(n <= lineEnds + 1);
    FUZZ_REQUIRE(n >= lineEnds);
    return 0;
}
