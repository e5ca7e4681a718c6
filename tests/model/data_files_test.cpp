#include <gtest/gtest.h>

#include <filesystem>

#include "data_files.h"
#include "temp_dir.h"

namespace {

// Runs the test body in another working folder and goes back afterwards.
class InFolder {
public:
    explicit InFolder(const FilePath& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder.Utf8());
    }
    ~InFolder() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

}  // namespace

TEST(DataFiles, TheFirstFolderThatHoldsTheFileWins) {
    TempDir first, second;
    WriteFile(second.File("manual.rtf"), "b");
    EXPECT_EQ(FindInFolders(FilePath("manual.rtf"), {first.path(), second.path()}),
              second.File("manual.rtf"));
    WriteFile(first.File("manual.rtf"), "a");
    EXPECT_EQ(FindInFolders(FilePath("manual.rtf"), {first.path(), second.path()}), first.File("manual.rtf"));
    EXPECT_EQ(FindInFolders(FilePath("kaldo31.chm"), {first.path(), second.path()}), std::nullopt);
    std::filesystem::create_directory(first.File("C31.TXT").Utf8());
    EXPECT_EQ(FindInFolders(FilePath("C31.TXT"), {first.path()}), std::nullopt) << "a folder is not the file";
}

TEST(DataFiles, DocumentationIsLookedForInTheWorkingFolderFirst) {
    TempDir dir;
    InFolder here(dir.path());
    EXPECT_EQ(DocumentationFile(FilePath("kaldo31.chm")), std::nullopt);
    WriteFile(dir.File("kaldo31.chm"), "help");
    const std::optional<FilePath> found = DocumentationFile(FilePath("kaldo31.chm"));
    ASSERT_TRUE(found);
    EXPECT_TRUE(std::filesystem::equivalent(found->Utf8(), dir.File("kaldo31.chm").Utf8()));
    EXPECT_TRUE(std::filesystem::path(found->Utf8()).is_absolute());
}
