#include "kinds.h"

#include <utility>

int KindIcon(char kind) {
    static constexpr std::pair<char, int> kIcons[] = {
        {kind::kZone, icon::kZone},
        {kind::kWorkstation, icon::kWorkstation},
        {kind::kQuestionnaire, icon::kQuestionnaire},
        {kind::kDeficiency, icon::kDeficiency},
        {kind::kMeasure, icon::kMeasure},
        {kind::kFirm, icon::kFirm},
    };
    for (const auto& [k, index] : kIcons)
        if (k == kind) return index;
    return icon::kUndated;
}

// A text shorter than two characters gives 0. Otherwise the first character gives its digit
// value (0 when it is not a digit), and a digit in the second place makes it a two-digit number.
int TwoDigitNumber(const std::string& text) {
    if (text.size() < 2) return 0;
    auto digit = [](char c) { return c >= '0' && c <= '9' ? c - '0' : -1; };
    const int first = digit(text[0]) < 0 ? 0 : digit(text[0]);
    const int second = digit(text[1]);
    return second < 0 ? first : first * 10 + second;
}

int UncheckedTwoDigitNumber(const std::string& text) {
    if (text.size() < 2) return -1;
    const auto digit = [&](std::size_t i) { return static_cast<unsigned char>(text[i]) - '0'; };
    return 10 * digit(0) + digit(1);
}

std::string RepeatChar(int n, char c) {
    return n <= 0 ? std::string() : std::string(n, c);
}
