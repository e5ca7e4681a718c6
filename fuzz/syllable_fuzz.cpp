// Seeds: data/C31.TXT fuzz/seeds/words/*
// Options: -max_len=4096
//
// Taking words off a text and syllables off a word, as the blank questionnaire does when it
// wraps its boxes: nothing is lost or invented, and every syllable taken off a word that still
// holds a character other than a blank takes at least one of those characters, so that taking
// syllables until only blanks are left always ends.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "spanish_syllables.h"

namespace {

std::size_t NonBlanks(const std::string& text) {
    std::size_t n = 0;
    for (char c : text)
        n += c != ' ';
    return n;
}

void CheckSyllables(const std::string& original) {
    std::string word = original;
    std::string taken;
    std::size_t splits = 0;
    while (NonBlanks(word) > 0) {
        const std::size_t before = NonBlanks(word);
        const std::string syllable = SplitFirstSyllable(word);
        ++splits;
        FUZZ_REQUIRE(!syllable.empty());
        FUZZ_REQUIRE(NonBlanks(word) < before);
        taken += syllable;
        // A syllable and the rest are the word with one blank added at its end.
        FUZZ_REQUIRE(taken + word == original + std::string(splits, ' '));
    }
    std::string empty;
    FUZZ_REQUIRE(SplitFirstSyllable(empty).empty() && empty.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::string before = rest;
        const std::string word = SplitFirstWord(rest);
        FUZZ_REQUIRE(word.find(' ') == std::string::npos);
        // Leading blanks go, then the word, then the one blank that ended it (if any).
        const std::size_t start = before.find_first_not_of(' ');
        if (start == std::string::npos) {
            FUZZ_REQUIRE(word.empty() && rest.empty());
        } else {
            FUZZ_REQUIRE(before.compare(start, word.size(), word) == 0);
            const std::size_t end = start + word.size();
            FUZZ_REQUIRE(end == before.size() ? rest.empty()
                                              : (before[end] == ' ' && rest == before.substr(end + 1)));
        }
        CheckSyllables(word);
    }
    return 0;
}
