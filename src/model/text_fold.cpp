#include "text_fold.h"

#include <array>

namespace {

// Every byte's folded form, built once from the Windows-1252 letters that carry a mark.
std::array<char, 256> MakeFoldTable() {
    std::array<char, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<char>(b);
    for (int b = 'A'; b <= 'Z'; ++b)
        table[b] = static_cast<char>(b - 'A' + 'a');
    const struct {
        char letter;
        const char* bytes;
    } marked[] = {
        {'a', "\xC0\xC1\xC2\xC3\xC4\xC5\xE0\xE1\xE2\xE3\xE4\xE5"},
        {'c', "\xC7\xE7"},
        {'e', "\xC8\xC9\xCA\xCB\xE8\xE9\xEA\xEB"},
        {'i', "\xCC\xCD\xCE\xCF\xEC\xED\xEE\xEF"},
        {'n', "\xD1\xF1"},
        {'o', "\xD2\xD3\xD4\xD5\xD6\xD8\xF2\xF3\xF4\xF5\xF6\xF8"},
        {'u', "\xD9\xDA\xDB\xDC\xF9\xFA\xFB\xFC"},
        {'y', "\xDD\xFD\xFF\x9F"},
        {'s', "\x8A\x9A"},
        {'z', "\x8E\x9E"},
    };
    for (const auto& [letter, bytes] : marked) {
        for (const char* b = bytes; *b; ++b)
            table[static_cast<unsigned char>(*b)] = letter;
    }
    return table;
}

}  // namespace

std::string FoldForSearch(std::string_view text) {
    static const std::array<char, 256> table = MakeFoldTable();
    std::string folded(text.size(), '\0');
    for (std::size_t k = 0; k < text.size(); ++k)
        folded[k] = table[static_cast<unsigned char>(text[k])];
    return folded;
}

bool ContainsFolded(std::string_view foldedText, std::string_view foldedWord) {
    return foldedText.find(foldedWord) != std::string_view::npos;
}
