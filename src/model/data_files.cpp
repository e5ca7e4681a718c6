#include "data_files.h"

#include <filesystem>

namespace fs = std::filesystem;

FilePath ExecutableDirectory() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) return FilePath("./");
    return FilePath(exe.parent_path().string() + "/");
}

FilePath InstalledDataDirectory() {
    const fs::path data = fs::path(ExecutableDirectory().Utf8()) / ".." / "share" / "kaldo";
    return FilePath(data.lexically_normal().string() + "/");
}

std::optional<FilePath> FindInFolders(const FilePath& name, const std::vector<FilePath>& folders) {
    for (const FilePath& folder : folders) {
        const fs::path candidate = fs::path(folder.Utf8()) / name.Utf8();
        std::error_code error;
        if (fs::is_regular_file(candidate, error)) return FilePath(candidate.string());
    }
    return std::nullopt;
}

FilePath ShippedFile(const FilePath& name) {
    const FilePath beside = ExecutableDirectory();
    return FindInFolders(name, {beside, InstalledDataDirectory()})
        .value_or(FilePath(beside.Utf8() + name.Utf8()));
}

std::optional<FilePath> DocumentationFile(const FilePath& name) {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    if (error) return FindInFolders(name, {InstalledDataDirectory()});
    return FindInFolders(name, {FilePath(current.string()), InstalledDataDirectory()});
}
