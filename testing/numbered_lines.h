#pragma once

#include <string>

// A document's file lines written one after another, each numbered after the last and naming its
// parent: how the tests, benchmarks and tools make large documents. The texts are kept as given
// (a caller writing UTF-8 converts the whole with W()).
class NumberedLines {
public:
    // Adds "<number>\t<parent>\t<rest>\r\n" and returns the line's number.
    int Add(int parent, const std::string& rest) {
        bytes_ += std::to_string(++count_) + "\t" + std::to_string(parent) + "\t" + rest + "\r\n";
        return count_;
    }
    // How many lines there are: the number of the last.
    int Count() const { return count_; }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
    int count_ = 0;
};
