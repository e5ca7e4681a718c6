#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "cp1252.h"
#include "spanish_syllables.h"
#include "temp_dir.h"

namespace {

// The syllables of a word (UTF-8 in and out), taken off until only blanks are left.
std::vector<std::string> Syllables(const std::string& utf8Word) {
    std::string word = W(utf8Word);
    std::vector<std::string> out;
    while (word.find_first_not_of(' ') != std::string::npos && out.size() < 100)
        out.push_back(cp1252::ToUtf8(SplitFirstSyllable(word)));
    return out;
}

using List = std::vector<std::string>;

}  // namespace

TEST(SplitFirstSyllable, SplitsTheWordsOfTheExamples) {
    EXPECT_EQ(Syllables("construcción"), List({"cons", "truc", "ción"}));
    EXPECT_EQ(Syllables("casa"), List({"ca", "sa"}));
    EXPECT_EQ(Syllables("árbol"), List({"ár", "bol"}));
    EXPECT_EQ(Syllables("agua"), List({"a", "gua"}));
    EXPECT_EQ(Syllables("instalación"), List({"ins", "ta", "la", "ción"}));
    EXPECT_EQ(Syllables("abstracto"), List({"ab", "s", "trac", "to"}));
    EXPECT_EQ(Syllables("rey"), List({"re", "y"}));
}

TEST(SplitFirstSyllable, SplitsWordsOfTheCatalogue) {
    EXPECT_EQ(Syllables("evaluación"), List({"e", "va", "lua", "ción"}));
    EXPECT_EQ(Syllables("planificación"), List({"pla", "ni", "fi", "ca", "ción"}));
    EXPECT_EQ(Syllables("trabajadores"), List({"tra", "ba", "ja", "do", "res"}));
    EXPECT_EQ(Syllables("extintores"), List({"ex", "tin", "to", "res"}));
    EXPECT_EQ(Syllables("protección"), List({"pro", "tec", "ción"}));
    EXPECT_EQ(Syllables("señalización"), List({"se", "ña", "li", "za", "ción"}));
    EXPECT_EQ(Syllables("escaleras"), List({"es", "ca", "le", "ras"}));
    EXPECT_EQ(Syllables("máquinas"), List({"má", "qui", "nas"}));
    EXPECT_EQ(Syllables("ruido"), List({"rui", "do"}));
    // An opening parenthesis stays with its syllable; a trailing comma comes off on its own.
    EXPECT_EQ(Syllables("(transpaletas,"), List({"(trans", "pa", "le", "tas", ", "}));
}

// The nucleus takes up to three vowels in a row, no more and no fewer.
TEST(SplitFirstSyllable, KeepsThreeVowelsInARowTogether) {
    EXPECT_EQ(Syllables("leía"), List({"leía"}));
    EXPECT_EQ(Syllables("leíais"), List({"leía", "is"}));
    EXPECT_EQ(Syllables("averiguáis"), List({"a", "ve", "ri", "guáis"}));
}

TEST(SplitFirstSyllable, SplitsCapitalsLetterByLetter) {
    EXPECT_EQ(Syllables("EPI"), List({"E", "P", "I"}));
    EXPECT_EQ(Syllables("CHAPA"), List({"C", "H", "A", "P", "A"}));
}

TEST(SplitFirstSyllable, LeavesTheRestWithOneBlankAndEmptyStaysEmpty) {
    std::string word = "casa";
    EXPECT_EQ(SplitFirstSyllable(word), "ca");
    EXPECT_EQ(word, "sa ");
    word.clear();
    EXPECT_EQ(SplitFirstSyllable(word), "");
    EXPECT_EQ(word, "");
}

// Every word of the shipped catalogue comes apart into non-empty syllables that give the word
// back, so no letter is lost or doubled on a printed form.
TEST(SplitFirstSyllable, GivesBackEveryWordOfTheShippedCatalogue) {
    const std::string catalogue = ReadFile(FilePath(KALDO_SOURCE_DIR "/data/C31.TXT"));
    ASSERT_FALSE(catalogue.empty());
    std::set<std::string> words;
    std::string current;
    for (char c : catalogue) {
        if (c == ' ' || c == '\r' || c == '\n') {
            if (!current.empty()) words.insert(current);
            current.clear();
        } else {
            current += c;
        }
    }
    ASSERT_GT(words.size(), 1000u);
    for (const std::string& original : words) {
        std::string word = original, joined;
        int pieces = 0;
        while (word.find_first_not_of(' ') != std::string::npos &&
               pieces <= static_cast<int>(original.size())) {
            const std::string syllable = SplitFirstSyllable(word);
            ASSERT_FALSE(syllable.empty()) << cp1252::ToUtf8(original);
            joined += syllable;
            ++pieces;
        }
        EXPECT_EQ(joined.substr(0, joined.find_last_not_of(' ') + 1), original) << cp1252::ToUtf8(original);
    }
}

TEST(SplitFirstWord, TakesTheWordUpToTheFirstBlank) {
    std::string text = "  uno dos  tres";
    EXPECT_EQ(SplitFirstWord(text), "uno");
    EXPECT_EQ(text, "dos  tres");
    EXPECT_EQ(SplitFirstWord(text), "dos");
    EXPECT_EQ(text, " tres");
    EXPECT_EQ(SplitFirstWord(text), "tres");
    EXPECT_EQ(text, "");
    EXPECT_EQ(SplitFirstWord(text), "");
    text = "   ";
    EXPECT_EQ(SplitFirstWord(text), "");
    EXPECT_EQ(text, "");
}
