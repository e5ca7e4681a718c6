#pragma once

#include <cstddef>
#include <string>

// Splits the bytes of a text file into lines the way documents are read: a line ends at LF,
// its text stops at the first CR or LF (so CR LF and LF alike end it, and whatever follows a
// lone CR up to the LF is skipped), a Ctrl-Z byte ends the file, and a last line without a
// line end counts like any other.
class LineSource {
public:
    explicit LineSource(std::string bytes);

    bool AtEnd() const { return pos_ >= end_; }
    // The next line's text; call only when !AtEnd().
    std::string NextLine();

private:
    std::string bytes_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
};
