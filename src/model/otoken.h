#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "field_names.h"

class LineSource;

// The data of one tree node and one line of a document file: up to sixteen numbered text
// fields. Only fields 1..count belong to the record; count only grows through SetField and
// is set by ReadLine. Text is kept as 8-bit bytes exactly as read.
class oToken {
public:
    static constexpr int kMaxFields = 16;

    int count() const { return count_; }

    void SetField(int index, const std::string& text);
    void SetFieldInt(int index, std::int32_t value);
    std::string GetField(int index) const;
    std::int32_t GetFieldInt(int index) const;
    char GetKind(int index) const;

    // Replaces the content by the next line of the source; returns false at the end of it.
    bool ReadLine(LineSource& source);
    // Parses one line's text (without its line end).
    void ParseLine(const std::string& line);
    // The line form of the record, CR LF included.
    std::string WriteLine() const;

    bool operator==(const oToken& other) const = default;

private:
    std::int32_t count_ = 0;
    std::array<std::string, kMaxFields> fields_;
};

// What keeps a text typed into a field (line breaks as CR LF) from being stored as it is: a TAB,
// which separates the fields; "~" before "~" or a line break, as line breaks are written "~~";
// or a control character other than CR and LF (Ctrl-Z ends a file, the others cannot be seen
// or typed back).
enum class FieldTextFault { kNone, kTab, kControl, kTilde };
struct FieldTextCheck {
    FieldTextFault fault = FieldTextFault::kNone;
    char character = 0;  // the offending character
};
FieldTextCheck CheckFieldText(std::string_view text);

// Stores data that the record kinds did not always have (field_names.h): an empty text in a field
// that the record does not have yet writes nothing, so the record's line stays as it was.
void SetNewDataField(oToken& record, int index, const std::string& text);

// Whole-integer conversion of a field's text: leading spaces, an optional sign, decimal
// digits or a hexadecimal number ("$", "x", "0x"), and nothing after. Anything else is 0.
std::int32_t TextToInt(const std::string& text);
// The same conversion, with nothing for a text that is not a whole integer.
std::optional<std::int32_t> ParseWholeInt(const std::string& text);
