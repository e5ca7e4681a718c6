#include "otoken.h"

#include <cctype>
#include <limits>

#include "line_source.h"
#include "text_pieces.h"

void oToken::SetField(int index, const std::string& text) {
    if (index < 1 || index > kMaxFields) return;
    fields_[index - 1] = text;
    if (index > count_) count_ = index;
}

void oToken::SetFieldInt(int index, std::int32_t value) {
    SetField(index, std::to_string(value));
}

std::string oToken::GetField(int index) const {
    if (index < 1 || index > count_) return {};
    return fields_[index - 1];
}

std::int32_t oToken::GetFieldInt(int index) const {
    return TextToInt(GetField(index));
}

char oToken::GetKind(int index) const {
    const std::string text = GetField(index);
    return text.empty() ? ' ' : text[0];
}

bool oToken::ReadLine(LineSource& source) {
    if (source.AtEnd()) return false;
    ParseLine(source.NextLine());
    return true;
}

void oToken::ParseLine(const std::string& rawLine) {
    const std::string line = ReplaceAll(rawLine, "~~", "\r\n");
    fields_ = {};
    count_ = 1;
    std::size_t start = 0;
    for (std::size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
        // Pieces beyond the sixteenth keep overwriting field 16; only the last one survives.
        fields_[count_ - 1] = line.substr(start, tab - start);
        if (count_ < kMaxFields) ++count_;
        start = tab + 1;
    }
    fields_[count_ - 1] = line.substr(start);
}

std::string oToken::WriteLine() const {
    std::string out;
    for (int i = 0; i < count_; ++i) {
        out += ReplaceAll(fields_[i], "\r\n", "~~");
        if (i + 1 < count_) out += '\t';
    }
    out += "\r\n";
    return out;
}

void SetNewDataField(oToken& record, int index, const std::string& text) {
    if (!text.empty() || index <= record.count()) record.SetField(index, text);
}

FieldTextCheck CheckFieldText(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (c == '\t') return {FieldTextFault::kTab, c};
        if (static_cast<unsigned char>(c) < 0x20 && c != '\r' && c != '\n')
            return {FieldTextFault::kControl, c};
        if (c == '~' && (next == '~' || next == '\r' || next == '\n')) return {FieldTextFault::kTilde, c};
    }
    return {};
}

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::int32_t TextToInt(const std::string& text) {
    return ParseWholeInt(text).value_or(0);
}

std::optional<std::int32_t> ParseWholeInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= text.size()) return std::nullopt;
    const int base = hex ? 16 : 10;
    // Decimal values must fit a signed 32-bit integer; hexadecimal ones are read as 32 bits
    // and may wrap into the negative range ($FFFFFFFF is -1), as 32-bit hex constants do.
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = hex ? HexValue(text[i])
                              : (std::isdigit(static_cast<unsigned char>(text[i])) ? text[i] - '0' : -1);
        if (digit < 0) return std::nullopt;
        value = value * base + digit;
        if (value > limit) return std::nullopt;
    }
    const auto bits = static_cast<std::uint32_t>(value);
    const std::int32_t magnitude = static_cast<std::int32_t>(bits);
    return negative ? static_cast<std::int32_t>(0u - bits) : magnitude;
}
