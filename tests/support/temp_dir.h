#pragma once

#include <ostream>
#include <string>

#include "file_path.h"

// A scratch folder removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const FilePath& path() const { return path_; }
    FilePath File(const std::string& name) const { return FilePath(path_.Utf8() + "/" + name); }

private:
    FilePath path_;
};

std::string ReadFile(const FilePath& path);
void WriteFile(const FilePath& path, const std::string& bytes);
// A test data file under tests/data.
FilePath TestData(const std::string& name);

// How GoogleTest shows a path in a failed assertion.
inline void PrintTo(const FilePath& path, std::ostream* out) {
    *out << '"' << path.Utf8() << '"';
}
