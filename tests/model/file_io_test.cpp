#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>
#include <filesystem>

#include "file_io.h"
#include "temp_dir.h"

namespace {

// Limits the size of files this process may write, so that a write fails part-way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

std::size_t EntriesIn(const FilePath& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Utf8()))
        ++n;
    return n;
}

}  // namespace

TEST(FileIo, WritesAndReadsBytesUnchanged) {
    TempDir dir;
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    std::string error;
    ASSERT_TRUE(file_io::WriteAtomically(dir.File("a.kl3"), bytes, &error)) << error;
    std::string back;
    ASSERT_TRUE(file_io::ReadAll(dir.File("a.kl3"), back, &error));
    EXPECT_EQ(back, bytes);
    EXPECT_EQ(EntriesIn(dir.path()), 1u) << "no temporary file is left behind";
}

TEST(FileIo, AWriteThatFailsPartWayLeavesTheOldFileWhole) {
    TempDir dir;
    const FilePath path = dir.File("doc.kl3");
    const std::string old(300, 'o');
    WriteFile(path, old);
    std::string error;
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(file_io::WriteAtomically(path, std::string(5000, 'n'), &error));
    }
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_NE(error.find("doc.kl3"), std::string::npos);
    EXPECT_NE(error.find("large"), std::string::npos) << "the system's own text: " << error;
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
}

TEST(FileIo, ReportsTheSystemsTextWhenTheFolderIsMissing) {
    TempDir dir;
    std::string error;
    EXPECT_FALSE(file_io::WriteAtomically(dir.File("no/such/doc.kl3"), "x", &error));
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
    std::string bytes;
    EXPECT_FALSE(file_io::ReadAll(dir.File("missing.kl3"), bytes, &error));
    EXPECT_FALSE(file_io::Exists(dir.File("missing.kl3")));
    EXPECT_FALSE(file_io::Exists(dir.path())) << "a folder is not a document";
}

TEST(FileIo, KeepsPermissionsAndWritesThroughSymbolicLinks) {
    TempDir dir;
    const FilePath real = dir.File("real.kl3");
    WriteFile(real, "old");
    chmod(real.Utf8().c_str(), 0600);
    std::filesystem::create_symlink(real.Utf8(), dir.File("link.kl3").Utf8());
    ASSERT_TRUE(file_io::WriteAtomically(dir.File("link.kl3"), "new", nullptr));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.kl3").Utf8()));
    EXPECT_EQ(ReadFile(real), "new");
    struct stat info {};
    stat(real.Utf8().c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// The temporary file's name is the document's with eight more bytes, which made saving fail
// ("File name too long") for names close to the file system's limit.
TEST(FileIo, SavingUnderANameNearTheLengthLimitWorks) {
    TempDir dir;
    const std::string names[] = {std::string(255, 'a'), std::string(250, 'b'),
                                 std::string(199, 'c') + "\xc3\xb1" + std::string(50, 'c')};
    for (const std::string& name : names) {
        std::string error;
        const FilePath path = dir.File(name);
        EXPECT_TRUE(file_io::WriteAtomically(path, "first", &error)) << error;
        EXPECT_TRUE(file_io::WriteAtomically(path, "second", &error)) << error;
        EXPECT_EQ(ReadFile(path), "second");
    }
    EXPECT_EQ(EntriesIn(dir.path()), 3u) << "no temporary file is left behind";
}
