#include "data_files.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string ExecutableDirectory() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) return "./";
    return exe.parent_path().string() + "/";
}

std::string ShippedFile(const std::string& name) {
    const std::string beside = ExecutableDirectory() + name;
    std::error_code error;
    if (fs::exists(beside, error)) return beside;
    const fs::path installed = fs::path(ExecutableDirectory()) / ".." / "share" / "kaldo" / name;
    if (fs::exists(installed, error)) return installed.lexically_normal().string();
    return beside;
}
