#include "temp_dir.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "native_path.h"

// A new folder of a random name, made by this call and by no one else (create_directory says
// false for one that was there), readable by its owner only.
TempDir::TempDir() {
    std::random_device seed;
    std::mt19937 generator(seed());
    const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "kaldo-test-";
        for (int i = 0; i < 6; ++i) name += letters[pick(generator)];
        if (std::filesystem::create_directory(base / name)) {
            std::filesystem::permissions(base / name, std::filesystem::perms::owner_all);
            path_ = FromNativePath(base / name);
            return;
        }
    }
    throw std::runtime_error("no scratch folder could be made");
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(NativePath(path_), ignored);
}

std::string ReadFile(const FilePath& path) {
    std::ifstream in(NativePath(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const FilePath& path, const std::string& bytes) {
    std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

FilePath TestData(const std::string& name) {
    return FilePath(std::string(KALDO_TEST_DATA) + "/" + name);
}
