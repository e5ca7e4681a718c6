#include "temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kaldo-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = FilePath(pattern);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_.Utf8(), ignored);
}

std::string ReadFile(const FilePath& path) {
    std::ifstream in(path.Utf8(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const FilePath& path, const std::string& bytes) {
    std::ofstream out(path.Utf8(), std::ios::binary | std::ios::trunc);
    out << bytes;
}

FilePath TestData(const std::string& name) {
    return FilePath(std::string(KALDO_TEST_DATA) + "/" + name);
}
