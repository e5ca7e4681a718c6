#include "spanish_syllables.h"

#include <string_view>

namespace {

// The sets are case-sensitive: á é í ó ú ü are the Windows-1252 bytes E1 E9 ED F3 FA FC.
constexpr std::string_view kVowels = "aeiou\xe1\xe9\xed\xf3\xfa\xfc";
constexpr std::string_view kClosingConsonants = "bcdlmnprsxz";
constexpr std::string_view kLiquids = "hlr";
constexpr std::string_view kPunctuation = "(),.:;";
constexpr std::string_view kOpensWithLiquid = "bcdpr";

bool In(std::string_view set, char c) {
    return c != '\0' && set.find(c) != std::string_view::npos;
}

}  // namespace

std::string SplitFirstWord(std::string& text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) {
        text.clear();
        return {};
    }
    const std::size_t blank = text.find(' ', start);
    if (blank == std::string::npos) {
        std::string word = text.substr(start);
        text.clear();
        return word;
    }
    std::string word = text.substr(start, blank - start);
    text.erase(0, blank + 1);
    return word;
}

std::string SplitFirstSyllable(std::string& word) {
    if (word.empty()) return {};
    const std::string s = word + ' ';
    // Positions count from 1; a position past the end reads as NUL, which is in no set.
    auto at = [&s](int i) { return i >= 1 && i <= static_cast<int>(s.size()) ? s[i - 1] : '\0'; };
    auto vowel = [&](int i) { return In(kVowels, at(i)); };
    auto liquid = [&](int i) { return In(kLiquids, at(i)); };

    int i = In(kPunctuation, at(1)) ? 2 : 1;
    // Onset: one consonant, or a consonant pair ending in h, l or r (ch, bl, tr ...).
    if (!vowel(i)) {
        ++i;
        if (liquid(i)) ++i;
    }
    // Nucleus: up to three vowels.
    for (int n = 0; n < 3 && vowel(i); ++n)
        ++i;
    // Coda: decide whether the consonant at i closes this syllable or opens the next.
    const char c = at(i);
    if (!In(kClosingConsonants, c)) {
        --i;
    } else if (c == 'n' && at(i + 1) == 's' && !vowel(i + 2)) {
        ++i;  // cons-
    } else if (c == 's' && vowel(i + 1)) {
        --i;  // ca-sa
    } else if (In(kOpensWithLiquid, c) && liquid(i + 1) && vowel(i + 2)) {
        --i;  // ha-bla, pe-rro, mu-cho
    } else if (c == 's') {
        // the s closes the syllable
    } else if (liquid(i + 1) || vowel(i + 1)) {
        --i;
    }
    if (In(kPunctuation, at(i))) ++i;

    const std::size_t length = static_cast<std::size_t>(i);
    std::string syllable = s.substr(0, length);
    word = length < s.size() ? s.substr(length) : std::string();
    return syllable;
}

bool MayHyphenate(const std::string& word) {
    int capitals = 0;
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= '0' && byte <= '9') return false;
        // A to Z, and the capitals of Windows-1252: À to Þ but ×, Š, Œ, Ž, Ÿ.
        const bool capital = (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) ||
                             byte == 0x8A || byte == 0x8C || byte == 0x8E || byte == 0x9F;
        if (capital && ++capitals == 2) return false;
    }
    return true;
}
