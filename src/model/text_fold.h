#pragma once

#include <string>
#include <string_view>

// Texts compared as a reader would look for them: "valvula" finds "Válvula". Each
// Windows-1252 byte becomes its lower-case letter without accent or tilde (Á, à, â → a;
// Ñ → n; Ç → c; Š → s ...); every other byte stays as it is, so the length does not change.
std::string FoldForSearch(std::string_view text);
// Whether the folded text contains the folded word (an empty word is in every text).
bool ContainsFolded(std::string_view foldedText, std::string_view foldedWord);
