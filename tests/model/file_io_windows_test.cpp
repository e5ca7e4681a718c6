// The file layer on Windows: names beyond the ANSI code page, the replace that keeps the old
// file or the new one, and the cases Windows adds, each refused with a Spanish reason and the
// old document left as it was. Runs under Wine on the build machine.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <set>
#include <vector>

#include "data_files.h"
#include "file_io.h"
#include "native_path.h"
#include "scratch_file.h"
#include "system_files.h"
#include "temp_dir.h"
#include "windows_names.h"

namespace {

std::vector<std::string> NamesIn(const FilePath& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(NativePath(dir)))
        names.push_back(FromNativePath(entry.path().filename()).Utf8());
    return names;
}

// Another program holding the file open, letting no one else in (as an editor that locks it).
class HeldOpen {
public:
    explicit HeldOpen(const FilePath& path, DWORD share = 0)
        : handle_(::CreateFileW(windows_names::Wide(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldOpen() { ::CloseHandle(handle_); }
    bool Ok() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

}  // namespace

TEST(FileIoWindows, NamesOfAnyAlphabetAreWrittenReadAndFoundAsTyped) {
    TempDir dir;
    const FilePath folder(dir.path().Utf8() + "/Evaluación 2026");
    ASSERT_TRUE(std::filesystem::create_directory(NativePath(folder)));
    const std::string name = "Señalización Ñandú 文件.kl3";
    const FilePath doc(folder.Utf8() + "/" + name);
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);

    std::string error;
    ASSERT_TRUE(file_io::WriteAtomically(doc, "old", &error)) << error;
    ASSERT_TRUE(file_io::WriteAtomically(doc, bytes, &error)) << error;
    std::string back;
    ASSERT_TRUE(file_io::ReadAll(doc, back, &error)) << error;
    EXPECT_EQ(back, bytes);
    EXPECT_TRUE(file_io::IsFile(doc));
    EXPECT_EQ(NamesIn(folder), std::vector<std::string>{name}) << "the name as typed, no temporary file left";
    EXPECT_EQ(FindInFolders(FilePath(name), {FilePath("C:/no-such-folder"), folder}).value_or(FilePath()), doc);
}

TEST(FileIoWindows, ADocumentAnotherProgramHoldsOpenIsNeitherReplacedNorTorn) {
    TempDir dir;
    const FilePath doc = dir.File("doc.kl3");
    WriteFile(doc, "old");
    std::string error, bytes;
    {
        HeldOpen other(doc);
        ASSERT_TRUE(other.Ok());
        EXPECT_FALSE(file_io::WriteAtomically(doc, "new", &error));
        EXPECT_NE(error.find("doc.kl3: otro programa tiene abierto el archivo"), std::string::npos) << error;
        EXPECT_FALSE(file_io::ReadAll(doc, bytes, &error));
        EXPECT_NE(error.find("otro programa tiene abierto el archivo"), std::string::npos) << error;
    }
    EXPECT_EQ(ReadFile(doc), "old");
    EXPECT_EQ(NamesIn(dir.path()).size(), 1u);
    // One that lets others read and write, as most programs do, is replaced.
    HeldOpen reader(doc, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    ASSERT_TRUE(file_io::ReadAll(doc, bytes, &error)) << error;
    EXPECT_EQ(bytes, "old");
}

TEST(FileIoWindows, AReadOnlyDocumentIsNotReplaced) {
    TempDir dir;
    const FilePath doc = dir.File("solo.kl3");
    WriteFile(doc, "old");
    const std::wstring wide = windows_names::Wide(doc);
    ASSERT_TRUE(::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY));
    std::string error;
    EXPECT_FALSE(file_io::WriteAtomically(doc, "new", &error));
    EXPECT_NE(error.find("solo.kl3: es de solo lectura"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(doc), "old");
    EXPECT_EQ(NamesIn(dir.path()).size(), 1u);
    ::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FileIoWindows, DeviceNamesAreRefusedWhateverTheirExtensionAndCase) {
    TempDir dir;
    for (const char* name : {"CON.kl3", "nul.kl3", "Com1.tar.kl3", "LPT9.kl3", "aux .kl3", "PRN"}) {
        std::string error, bytes;
        EXPECT_FALSE(file_io::WriteAtomically(dir.File(name), "x", &error)) << name;
        EXPECT_NE(error.find("Windows reserva para un dispositivo"), std::string::npos) << error;
        EXPECT_FALSE(file_io::ReadAll(dir.File(name), bytes, &error)) << name;
        EXPECT_NE(error.find("es un dispositivo, no un archivo"), std::string::npos) << error;
    }
    EXPECT_TRUE(NamesIn(dir.path()).empty());
    // Names that only begin like a device are the user's to take.
    for (const char* name : {"CONSOLA.kl3", "com10.kl3", "LPT.kl3", "nulo.kl3"}) {
        std::string error;
        EXPECT_TRUE(file_io::WriteAtomically(dir.File(name), "x", &error)) << name << ": " << error;
    }
    EXPECT_EQ(NamesIn(dir.path()).size(), 4u);
}

TEST(FileIoWindows, APathBeyondWindowsLimitIsRefusedAndOneAtTheLimitIsSaved) {
    TempDir dir;
    std::string error;
    const FilePath tooLong = dir.File(std::string(300 - dir.path().Utf8().size(), 'a') + ".kl3");
    EXPECT_FALSE(file_io::WriteAtomically(tooLong, "x", &error));
    EXPECT_NE(error.find("la ruta es demasiado larga para Windows, que admite 259 caracteres"), std::string::npos) << error;

    // 259 characters in all: the temporary file's name is cut to fit beside it.
    const std::size_t room = windows_names::kLongestPath - dir.path().Utf8().size() - 1;
    const FilePath atLimit = dir.File(std::string(room - 4, 'b') + ".kl3");
    ASSERT_EQ(windows_names::Wide(atLimit).size(), 259u);
    ASSERT_TRUE(file_io::WriteAtomically(atLimit, "first", &error)) << error;
    ASSERT_TRUE(file_io::WriteAtomically(atLimit, "second", &error)) << error;
    EXPECT_EQ(ReadFile(atLimit), "second");
    EXPECT_EQ(NamesIn(dir.path()).size(), 1u);
}

TEST(FileIoWindows, FoldersAndMissingPlacesAreToldApart) {
    TempDir dir;
    std::string error, bytes;
    ASSERT_TRUE(std::filesystem::create_directory(NativePath(dir.File("carpeta.kl3"))));
    EXPECT_FALSE(file_io::WriteAtomically(dir.File("carpeta.kl3"), "x", &error));
    EXPECT_NE(error.find("carpeta.kl3: es una carpeta, no un archivo"), std::string::npos) << error;
    EXPECT_FALSE(file_io::ReadAll(dir.File("carpeta.kl3"), bytes, &error));
    EXPECT_NE(error.find("es una carpeta, no un archivo"), std::string::npos) << error;
    EXPECT_FALSE(file_io::ReadAll(dir.File("falta.kl3"), bytes, &error));
    EXPECT_NE(error.find("falta.kl3: no existe el archivo"), std::string::npos) << error;
    EXPECT_FALSE(file_io::WriteAtomically(dir.File("no/hay/doc.kl3"), "x", &error));
    EXPECT_NE(error.find("no existe la carpeta"), std::string::npos) << error;
    EXPECT_FALSE(file_io::WriteAtomically(dir.File("a?b.kl3"), "x", &error));
    EXPECT_NE(error.find("el nombre no puede llevar"), std::string::npos) << error;
}

// A save killed part-way leaves its temporary file; the next save of the same document removes
// it, but not one that another save still holds open, nor the user's own files.
TEST(FileIoWindows, ASaveRemovesTheTemporaryFilesThatKilledSavesLeft) {
    TempDir dir;
    const FilePath doc = dir.File("doc.kl3");
    WriteFile(doc, "old");
    WriteFile(dir.File(".doc.kl3.kaldo-a1B2c3"), "left by a killed save");
    WriteFile(dir.File(".doc.kl3.kaldo-InUse1"), "being written");
    WriteFile(dir.File(".doc.kl3.backup"), "the user's");
    WriteFile(dir.File(".other.kl3.kaldo-a1B2c3"), "another document's");
    HeldOpen inUse(dir.File(".doc.kl3.kaldo-InUse1"), FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(inUse.Ok());

    std::string error;
    ASSERT_TRUE(file_io::WriteAtomically(doc, "new", &error)) << error;
    EXPECT_EQ(ReadFile(doc), "new");
    const std::vector<std::string> names = NamesIn(dir.path());
    const std::vector<std::string> expected{".doc.kl3.backup", ".doc.kl3.kaldo-InUse1", ".other.kl3.kaldo-a1B2c3",
                                            "doc.kl3"};
    EXPECT_EQ(std::multiset<std::string>(names.begin(), names.end()),
              std::multiset<std::string>(expected.begin(), expected.end()));
}

TEST(FileIoWindows, TheDiskFullAndOtherSystemErrorsAreToldInSpanish) {
    EXPECT_EQ(windows_names::ErrorText(ERROR_DISK_FULL), "el disco está lleno; libere espacio o guárdelo en otro disco");
    EXPECT_EQ(windows_names::ErrorText(ERROR_HANDLE_DISK_FULL), windows_names::ErrorText(ERROR_DISK_FULL));
    EXPECT_NE(windows_names::ErrorText(ERROR_WRITE_PROTECT).find("protegido contra escritura"), std::string::npos);
    EXPECT_EQ(windows_names::ErrorText(ERROR_INVALID_FUNCTION).rfind("error de Windows 1", 0), 0u);
}

TEST(FileIoWindows, AnExportThroughAScratchFileLandsUnderAUnicodeName) {
    TempDir dir;
    const FilePath target = dir.File("Plan de acción 文件.xlsx");
    FilePath used;
    std::string error;
    ASSERT_TRUE(file_io::WriteThroughScratchFile(
        target, ".xlsx",
        [&](const FilePath& scratch, std::string*) {
            used = scratch;
            WriteFile(scratch, "PK contents");
            return true;
        },
        &error))
        << error;
    EXPECT_EQ(ReadFile(target), "PK contents");
    EXPECT_TRUE(used.Utf8().ends_with(".xlsx")) << used.Utf8();
    EXPECT_FALSE(file_io::Exists(used)) << "the scratch file is removed";
}

TEST(FileIoWindows, TheProgramFindsItsOwnFolder) {
    const FilePath exe = file_io::RunningExecutable();
    EXPECT_TRUE(exe.Utf8().ends_with(".exe")) << exe.Utf8();
    EXPECT_TRUE(file_io::IsFile(exe));
    EXPECT_EQ(ExecutableDirectory().Utf8() + exe.FileName().Utf8(), exe.Utf8());
}
