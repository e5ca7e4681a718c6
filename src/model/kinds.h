#pragma once

#include <string>

// Kind letters of the document's nodes (field::kKind) and the small shared routines that go with them.
namespace kind {
constexpr char kFirm = 'E';
constexpr char kZone = 'Z';
constexpr char kWorkstation = 'P';
constexpr char kQuestionnaire = 'C';
constexpr char kDeficiency = 'D';
constexpr char kMeasure = 'R';
// The firm, a zone or a workstation: a node that questionnaires are applied to.
constexpr bool IsPlace(char k) {
    return k == kFirm || k == kZone || k == kWorkstation;
}
}  // namespace kind

// Icon indexes of the main window's image list.
namespace icon {
constexpr int kZone = 0;
constexpr int kWorkstation = 1;
constexpr int kQuestionnaire = 2;
constexpr int kDeficiency = 3;
constexpr int kMeasure = 4;
constexpr int kFirm = 5;
constexpr int kUndated = 6;  // also any node that is not a document node
constexpr int kPending = 7;
constexpr int kDone = 8;
constexpr int kNotValued = 9;
constexpr int kApplied = 10;
constexpr int kImprovable = 11;
constexpr int kDeficient = 12;
constexpr int kVeryDeficient = 13;
constexpr int kCount = 14;
}  // namespace icon

int KindIcon(char kind);
// The number in the first two characters of a text ("13.- Ruido" gives 13; see kinds.cpp).
int TwoDigitNumber(const std::string& text);
// The first two characters taken as digits without looking at them: 10 × (first − '0') +
// (second − '0') by character code, so a text that does not begin with two digits gives a number
// that may fall anywhere, mostly outside 0..99; -1 for a text shorter than two characters.
int UncheckedTwoDigitNumber(const std::string& text);
std::string RepeatChar(int n, char c);
