#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "user_port.h"

// What the benchmarks share: a user who says nothing, and a full document.
class SilentPort : public UserPort {
public:
    void ShowMessage(const std::string&) override {}
    void ShowError(const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<FilePath> ChooseFile(const FileDialogSpec&) override { return std::nullopt; }
};

// A realistic full document: a firm with zones, workstations, questionnaires, deficiencies and
// measures, 1024 lines in pre-order, as file bytes.
std::string FullDocument();

// A folder for the files a benchmark writes: a memory file system where there is one, so that
// flushing costs nothing.
inline std::filesystem::path BenchScratch() {
    return std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                     : std::filesystem::temp_directory_path();
}
