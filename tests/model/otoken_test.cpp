#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "line_source.h"
#include "otoken.h"

namespace {

oToken Parse(const std::string& line) {
    oToken record;
    record.ParseLine(line);
    return record;
}

std::vector<std::string> Lines(const std::string& bytes) {
    LineSource source(bytes);
    std::vector<std::string> lines;
    while (!source.AtEnd())
        lines.push_back(source.NextLine());
    return lines;
}

}  // namespace

TEST(FieldRecord, NewRecordIsEmpty) {
    oToken record;
    EXPECT_EQ(record.count(), 0);
    EXPECT_EQ(record.GetField(field::kLabel), "");
    EXPECT_EQ(record.GetFieldInt(field::kParent), 0);
    EXPECT_EQ(record.GetKind(field::kKind), ' ');
    EXPECT_EQ(record.WriteLine(), "\r\n");
}

TEST(FieldRecord, SetFieldRaisesCountAndIgnoresIndexesOutsideOneToSixteen) {
    oToken record;
    record.SetField(field::kAssignmentFlags, "x");  // field 12
    EXPECT_EQ(record.count(), 12);
    EXPECT_EQ(record.WriteLine(), std::string(11, '\t') + "x\r\n");
    record.SetField(oToken::kMaxFields + 1, "y");
    record.SetField(field::kFirst - 1, "y");
    EXPECT_EQ(record.count(), 12);
    record.SetField(oToken::kMaxFields - 2, "");  // field 14
    EXPECT_EQ(record.count(), 14) << "an empty text still raises count";
    record.SetField(field::kKind, "abc");
    EXPECT_EQ(record.count(), 14) << "a lower index never lowers count";
}

TEST(FieldRecord, IntegersAreWrittenInPlainDecimal) {
    oToken record;
    record.SetFieldInt(field::kSlot, -5);
    EXPECT_EQ(record.GetField(field::kSlot), "-5");
    EXPECT_EQ(record.GetFieldInt(field::kSlot), -5);
    record.SetFieldInt(field::kSlot, 0);
    EXPECT_EQ(record.GetField(field::kSlot), "0");
    record.SetFieldInt(field::kSlot, -2147483647 - 1);
    EXPECT_EQ(record.GetFieldInt(field::kSlot), -2147483647 - 1);
}

TEST(FieldRecord, IntegerConversionTakesOnlyWholeIntegers) {
    const std::pair<const char*, int> cases[] = {
        {"007", 7},
        {" 7", 7},
        {"  -12", -12},
        {"+3", 3},
        {"7 ", 0},
        {"7.5", 0},
        {"", 0},
        {"12a", 0},
        {"2147483647", 2147483647},
        {"2147483648", 0},
        {"-2147483648", -2147483647 - 1},
        {"-2147483649", 0},
        {"$1F", 31},
        {"x1f", 31},
        {"X10", 16},
        {"0x10", 16},
        {"0XfF", 255},
        {"-$10", -16},
        {"$", 0},
        {"0x", 0},
        {"$G", 0},
        {"$FFFFFFFF", -1},
        {"$100000000", 0},
        {"-", 0},
        {" ", 0},
        {"1 2", 0},
        {"\t1", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(TextToInt(text), expected) << '"' << text << '"';
}

TEST(FieldRecord, ReadingSplitsAtTabs) {
    oToken record = Parse("1\t0\tE\t<Nueva Empresa>");
    EXPECT_EQ(record.count(), 4);
    EXPECT_EQ(record.GetFieldInt(field::kSlot), 1);
    EXPECT_EQ(record.GetKind(field::kKind), 'E');
    EXPECT_EQ(record.GetField(field::kName), "<Nueva Empresa>");

    oToken gaps = Parse("a\t\tb\t");
    EXPECT_EQ(gaps.count(), 4);
    EXPECT_EQ(gaps.GetField(field::kParent), "");
    EXPECT_EQ(gaps.GetField(field::kKind), "b");
    EXPECT_EQ(gaps.GetField(field::kLabel), "");

    oToken empty = Parse("");
    EXPECT_EQ(empty.count(), 1);
    EXPECT_EQ(empty.GetFieldInt(field::kSlot), 0);
}

TEST(FieldRecord, PiecesBeyondSixteenLeaveOnlyTheLastInFieldSixteen) {
    std::string line;
    for (int i = 1; i <= 20; ++i)
        line += (i > 1 ? "\t" : "") + std::to_string(i);
    oToken record = Parse(line);
    EXPECT_EQ(record.count(), 16);
    for (int i = field::kFirst; i < oToken::kMaxFields; ++i)
        EXPECT_EQ(record.GetFieldInt(i), i);
    EXPECT_EQ(record.GetField(oToken::kMaxFields), "20");
}

TEST(FieldRecord, ReadingReplacesThePreviousContent) {
    oToken record = Parse("1\t2\t3\t4\t5");
    record.ParseLine("9");
    EXPECT_EQ(record.count(), 1);
    EXPECT_EQ(record.GetField(field::kParent), "");
}

TEST(FieldRecord, LineBreaksInsideFieldsTravelAsDoubleTildes) {
    oToken record = Parse("a~~b");
    EXPECT_EQ(record.GetField(field::kSlot), "a\r\nb");
    EXPECT_EQ(record.WriteLine(), "a~~b\r\n");
    EXPECT_EQ(Parse("~~~").GetField(field::kSlot), "\r\n~")
        << "pairs are taken left to right, not overlapping";

    oToken lone;
    lone.SetField(field::kSlot, "x\ry\nz\tw");
    EXPECT_EQ(lone.WriteLine(), "x\ry\nz\tw\r\n") << "only CR LF pairs are encoded";
}

TEST(FieldRecord, LinesEndAtLfWithOrWithoutCr) {
    EXPECT_EQ(Lines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(Lines("a\r\n"), (std::vector<std::string>{"a"})) << "a final line end adds no blank line";
    EXPECT_EQ(Lines("a\rjunk\nb\r\n"), (std::vector<std::string>{"a", "b"}))
        << "text after a lone CR is skipped";
    EXPECT_EQ(Lines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(Lines(""), (std::vector<std::string>{}));
}

TEST(FieldRecord, CtrlZEndsTheFile) {
    EXPECT_EQ(Lines("a\r\nb\x1A\r\nc\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Lines("\x1A"
                    "a\r\n"),
              (std::vector<std::string>{}));
}

TEST(FieldRecord, ReadLineStopsAtTheEnd) {
    LineSource source("1\t0\r\n");
    oToken record;
    EXPECT_TRUE(record.ReadLine(source));
    EXPECT_FALSE(record.ReadLine(source));
    EXPECT_EQ(record.GetFieldInt(field::kSlot), 1);
}

// Any record whose fields hold no TAB, no "~~", no lone CR or LF reads back exactly as written.
TEST(FieldRecord, GeneratedRecordsRoundTrip) {
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    for (int round = 0; round < 2000; ++round) {
        oToken record;
        const int count = 1 + static_cast<int>(next() % oToken::kMaxFields);
        for (int i = field::kFirst; i <= count; ++i) {
            std::string text;
            const int length = static_cast<int>(next() % 12);
            for (int k = 0; k < length; ++k) {
                const unsigned c = next() % 256;
                if (c == '\t' || c == '\r' || c == '\n' || c == 0x1A) continue;
                if (c == '~' && !text.empty() && text.back() == '~') continue;
                if (next() % 10 == 0 && !text.empty() && text.back() != '~') {
                    text += "\r\n";  // a line break of a memo text
                    continue;
                }
                text += static_cast<char>(c);
            }
            if (!text.empty() && text.back() == '~') text.pop_back();  // "~" + "~" across a CR LF
            record.SetField(i, text);
        }
        oToken back;
        std::string line = record.WriteLine();
        LineSource source(line);
        ASSERT_TRUE(back.ReadLine(source));
        if (count == 1 && record.GetField(field::kSlot).empty())
            continue;  // an empty line reads as count 1 too
        EXPECT_EQ(back, record) << "line: " << line;
    }
}

// The other way round: any line without CR or LF, tildes and TABs included, is written back
// byte for byte when it has at most sixteen pieces; with more, the record it reads as still
// reads back the same.
TEST(FieldRecord, GeneratedLinesRoundTripByteForByte) {
    std::mt19937 random(2024);
    const std::string alphabet = "\t\t\t~~~~ab \x1A\xe1\xf1\x80\x01";
    for (int round = 0; round < 5000; ++round) {
        std::string line;
        const int length = std::uniform_int_distribution<int>(0, 60)(random);
        for (int k = 0; k < length; ++k) {
            line += std::uniform_int_distribution<int>(0, 3)(random)
                        ? alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)]
                        : static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
            if (line.back() == '\r' || line.back() == '\n') line.pop_back();
        }
        const oToken record = Parse(line);
        const std::string written = record.WriteLine();
        if (std::count(line.begin(), line.end(), '\t') < oToken::kMaxFields) {
            EXPECT_EQ(written, line + "\r\n");
        } else {
            EXPECT_EQ(record.count(), oToken::kMaxFields);
        }
        EXPECT_EQ(Parse(written.substr(0, written.size() - 2)), record) << written;
    }
}

TEST(FieldRecord, TextsTheLineFormWouldChangeAreFound) {
    EXPECT_EQ(CheckFieldText("").fault, FieldTextFault::kNone);
    EXPECT_EQ(CheckFieldText("Señal ~ aprox.\r\nsegunda ~x").fault, FieldTextFault::kNone);
    EXPECT_EQ(CheckFieldText("a\tb").fault, FieldTextFault::kTab);
    EXPECT_EQ(CheckFieldText("ver ~~ nota").fault, FieldTextFault::kTilde);
    EXPECT_EQ(CheckFieldText("fin~\r\nsigue").fault, FieldTextFault::kTilde);
    const FieldTextCheck ctrlZ = CheckFieldText("antes\x1A");
    EXPECT_EQ(ctrlZ.fault, FieldTextFault::kControl);
    EXPECT_EQ(ctrlZ.character, '\x1A');

    // Whatever passes the check is read back exactly as it was written, in any field.
    std::mt19937 random(7);
    const std::string alphabet = "\t~~ab\r\n\x1A\x01\xe1";
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, 12)(random);
        for (int k = 0; k < length; ++k)
            text += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
        if (CheckFieldText(text).fault != FieldTextFault::kNone) continue;
        // Line breaks come from memos, always as CR LF pairs.
        std::string memo;
        for (char c : text)
            memo += c == '\r' || c == '\n' ? std::string("\r\n") : std::string(1, c);
        if (CheckFieldText(memo).fault != FieldTextFault::kNone) continue;
        oToken record;
        record.SetField(field::kSlot, "7");
        record.SetField(field::kParent, memo);
        record.SetField(field::kKind, "x");
        EXPECT_EQ(Parse(record.WriteLine().substr(0, record.WriteLine().size() - 2)), record) << memo;
    }
}
