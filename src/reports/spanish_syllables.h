#pragma once

#include <string>

// Takes the first word off a text: leading blanks are dropped, the word runs up to the first
// blank, and the text keeps what follows that blank. A text without a blank is all word.
std::string SplitFirstWord(std::string& text);

// Takes the first Spanish syllable off a word (Windows-1252 bytes, lower case: capitals count
// as consonants, so a word in capitals comes apart letter by letter). The word keeps the rest
// followed by one blank; an empty word gives an empty syllable.
std::string SplitFirstSyllable(std::string& word);

// False for a word that holds a digit or two capital letters: a number, a date, a standard or
// an acronym ("31/1995", "UNE-EN", "REACH"), which syllables would cut into nonsense.
bool MayHyphenate(const std::string& word);
