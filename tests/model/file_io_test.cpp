#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <future>

#include "file_io.h"
#include "scratch_file.h"
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
}

TEST(FileIo, KeepsPermissionsAndWritesThroughSymbolicLinks) {
    TempDir dir;
    const FilePath real = dir.File("real.kl3");
    WriteFile(real, "old");
    // Not 0600, which every fresh temporary file already has.
    chmod(real.Utf8().c_str(), 0640);
    std::filesystem::create_symlink(real.Utf8(), dir.File("link.kl3").Utf8());
    ASSERT_TRUE(file_io::WriteAtomically(dir.File("link.kl3"), "new", nullptr));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.kl3").Utf8()));
    EXPECT_EQ(ReadFile(real), "new");
    struct stat info {};
    stat(real.Utf8().c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // A link whose file does not exist yet: the file is made where the link points, a relative
    // target counting from the link's folder, and the link stays.
    std::filesystem::create_directory(dir.File("sub").Utf8());
    std::filesystem::create_symlink("sub/later.kl3", dir.File("dangling.kl3").Utf8());
    std::string error;
    ASSERT_TRUE(file_io::WriteAtomically(dir.File("dangling.kl3"), "made", &error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("dangling.kl3").Utf8()));
    EXPECT_EQ(ReadFile(dir.File("sub/later.kl3")), "made");

    std::filesystem::create_symlink("loop.kl3", dir.File("loop.kl3").Utf8());
    EXPECT_FALSE(file_io::WriteAtomically(dir.File("loop.kl3"), "x", &error));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("loop.kl3").Utf8()));
}

// Only regular files are read: a pipe would block the program, a device be read without end.
TEST(FileIo, ReadsOnlyRegularFilesOfASaneSize) {
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.File("pipe.kl3").Utf8().c_str(), 0600), 0);
    // A writer of our own keeps the reading side from waiting for one, should the pipe be opened.
    const int writer = open(dir.File("pipe.kl3").Utf8().c_str(), O_RDWR | O_NONBLOCK);
    std::filesystem::create_symlink("/dev/zero", dir.File("zero.kl3").Utf8());
    std::filesystem::create_directory(dir.File("folder.kl3").Utf8());
    { std::ofstream big(dir.File("big.kl3").Utf8()); }
    std::filesystem::resize_file(dir.File("big.kl3").Utf8(), file_io::kLargestFile + 1);  // sparse
    struct Case {
        const char* name;
        const char* reason;
        bool regular;
    };
    const Case cases[] = {
        {"pipe.kl3", "pipe.kl3: es una tubería, no un archivo", false},
        {"zero.kl3", "zero.kl3: es un dispositivo, no un archivo", false},
        {"folder.kl3", "folder.kl3: es una carpeta, no un archivo", false},
        {"big.kl3", "big.kl3: es demasiado grande (más de 64 MB) para ser un documento", true},
    };
    bool writerOpen = writer >= 0;
    for (const Case& item : cases) {
        SCOPED_TRACE(item.name);
        const FilePath path = dir.File(item.name);
        EXPECT_TRUE(file_io::Exists(path));
        EXPECT_EQ(file_io::IsFile(path), item.regular);
        std::string bytes, error;
        // A pipe read by mistake waits for our writer: closing it ends the wait, so a failing
        // check cannot hang.
        auto reading = std::async(std::launch::async, [&] { return file_io::ReadAll(path, bytes, &error); });
        if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready && writerOpen) {
            close(writer);
            writerOpen = false;
        }
        EXPECT_FALSE(reading.get());
        EXPECT_NE(error.find(item.reason), std::string::npos) << error;
        EXPECT_EQ(file_io::ReadRefusal(path).value_or(""), error);
        EXPECT_TRUE(bytes.empty());
    }
    if (writerOpen) close(writer);
}

// A save replaces only what it may: a pipe or a folder of the document's name stays as it is.
TEST(FileIo, SavingOverSomethingThatIsNotAFileIsRefused) {
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.File("pipe.kl3").Utf8().c_str(), 0600), 0);
    std::filesystem::create_directory(dir.File("folder.kl3").Utf8());
    std::string error;
    EXPECT_FALSE(file_io::WriteAtomically(dir.File("pipe.kl3"), "x", &error));
    EXPECT_NE(error.find("pipe.kl3: es una tubería, no un archivo"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("pipe.kl3").Utf8()));
    EXPECT_FALSE(file_io::WriteAtomically(dir.File("folder.kl3"), "x", &error));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.kl3").Utf8()));
    EXPECT_EQ(EntriesIn(dir.path()), 2u) << "no temporary file is left behind";
}

// Saves killed part-way leave their temporary files; the next save of the same document
// removes them, but not a temporary file another save still writes, nor the user's own files.
TEST(FileIo, ASaveRemovesTheTemporaryFilesThatKilledSavesLeft) {
    TempDir dir;
    const FilePath doc = dir.File("doc.kl3");
    WriteFile(doc, "old");
    // Temporary files are named ".<name>.kaldo-" and six random letters or digits.
    WriteFile(dir.File(".doc.kl3.kaldo-a1B2c3"), "left by a killed save");
    WriteFile(dir.File(".doc.kl3.kaldo-Zz9Yy8"), "left by another");
    WriteFile(dir.File(".doc.kl3.kaldo-InUse1"), "being written");
    const int inUse = open(dir.File(".doc.kl3.kaldo-InUse1").Utf8().c_str(), O_RDONLY);
    ASSERT_EQ(flock(inUse, LOCK_EX), 0);
    WriteFile(dir.File(".doc.kl3.backup"), "the user's");
    WriteFile(dir.File(".other.kl3.kaldo-a1B2c3"), "another document's");

    std::string error;
    ASSERT_TRUE(file_io::WriteAtomically(doc, "new", &error)) << error;
    EXPECT_EQ(ReadFile(doc), "new");
    EXPECT_FALSE(std::filesystem::exists(dir.File(".doc.kl3.kaldo-a1B2c3").Utf8()));
    EXPECT_FALSE(std::filesystem::exists(dir.File(".doc.kl3.kaldo-Zz9Yy8").Utf8()));
    EXPECT_TRUE(std::filesystem::exists(dir.File(".doc.kl3.kaldo-InUse1").Utf8()));
    EXPECT_TRUE(std::filesystem::exists(dir.File(".doc.kl3.backup").Utf8()));
    EXPECT_TRUE(std::filesystem::exists(dir.File(".other.kl3.kaldo-a1B2c3").Utf8()));
    close(inUse);
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

// What a killed export left: only the program's own scratch files older than a day go.
TEST(FileIo, StaleScratchFilesOfKilledExportsAreRemoved) {
    TempDir dir;
    namespace fs = std::filesystem;
    const auto twoDaysAgo = fs::file_time_type::clock::now() - std::chrono::hours(48);
    auto make = [&](const std::string& name, bool old) {
        WriteFile(dir.File(name), "x");
        if (old) fs::last_write_time(dir.File(name).Utf8(), twoDaysAgo);
    };
    make("kaldo-export-a1B2c3.pdf", true);
    make("kaldo-export-Zz9yY8.xlsx", true);
    make("kaldo-export-q1w2e3.pdf", false);  // an export running now
    make("kaldo-export-.pdf", true);         // not a name the program gives
    make("otro-export-a1B2c3.pdf", true);
    fs::create_directory(dir.File("kaldo-export-dir123").Utf8());
    fs::last_write_time(dir.File("kaldo-export-dir123").Utf8(), twoDaysAgo);

    EXPECT_EQ(file_io::RemoveStaleScratchFiles(dir.path()), 2);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir.path().Utf8()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"kaldo-export-.pdf", "kaldo-export-dir123",
                                              "kaldo-export-q1w2e3.pdf", "otro-export-a1B2c3.pdf"}));
    EXPECT_EQ(file_io::RemoveStaleScratchFiles(dir.File("no-existe")), 0);
}
