#include "data_files.h"

#include <filesystem>

namespace fs = std::filesystem;

std::string ExecutableDirectory() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) return "./";
    return exe.parent_path().string() + "/";
}

std::string InstalledDataDirectory() {
    return (fs::path(ExecutableDirectory()) / ".." / "share" / "kaldo").lexically_normal().string() + "/";
}

std::optional<std::string> FindInFolders(const std::string& name, const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
        const fs::path candidate = fs::path(folder) / name;
        std::error_code error;
        if (fs::is_regular_file(candidate, error)) return candidate.string();
    }
    return std::nullopt;
}

std::string ShippedFile(const std::string& name) {
    const std::string beside = ExecutableDirectory();
    return FindInFolders(name, {beside, InstalledDataDirectory()}).value_or(beside + name);
}

std::optional<std::string> DocumentationFile(const std::string& name) {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    if (error) return FindInFolders(name, {InstalledDataDirectory()});
    return FindInFolders(name, {current.string(), InstalledDataDirectory()});
}
