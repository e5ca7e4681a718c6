#pragma once

#include <string>
#include <utility>

// The name of a file or folder as the system takes it: UTF-8 bytes. A plain std::string holds
// the document's Windows-1252 text; a path is made from one, or shown as one, only by saying
// so: FilePath(utf8), cp1252::FromUtf8(path.Utf8()), and in the Qt layer PathToQt/PathFromQt.
class FilePath {
public:
    FilePath() = default;
    explicit FilePath(std::string utf8) : utf8_(std::move(utf8)) {}

    const std::string& Utf8() const& { return utf8_; }
    std::string Utf8() && { return std::move(utf8_); }  // `for (char c : p.FileName().Utf8())` is safe
    bool empty() const { return utf8_.empty(); }
    // The last part: the file's own name, without its folder.
    FilePath FileName() const { return FilePath(utf8_.substr(utf8_.find_last_of('/') + 1)); }
    bool operator==(const FilePath& other) const = default;

private:
    std::string utf8_;
};
