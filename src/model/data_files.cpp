#include "data_files.h"

#include <filesystem>

#include "native_path.h"
#include "system_files.h"

namespace fs = std::filesystem;

FilePath ExecutableDirectory() {
    const FilePath exe = file_io::RunningExecutable();
    if (exe.empty()) return FilePath("./");
    return FilePath(FromNativePath(NativePath(exe).parent_path()).Utf8() + "/");
}

FilePath InstalledDataDirectory() {
    const fs::path data = NativePath(ExecutableDirectory()) / ".." / "share" / "kaldo";
    return FilePath(FromNativePath(data.lexically_normal()).Utf8() + "/");
}

std::optional<FilePath> FindInFolders(const FilePath& name, const std::vector<FilePath>& folders) {
    for (const FilePath& folder : folders) {
        const fs::path candidate = NativePath(folder) / NativePath(name);
        std::error_code error;
        if (fs::is_regular_file(candidate, error)) return FromNativePath(candidate);
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
    return FindInFolders(name, {FromNativePath(current), InstalledDataDirectory()});
}
