#include <chrono>
#include <filesystem>

#include "native_path.h"
#include "recovered_document.h"
#include "recovery_fixture.h"

namespace {

void Touch(const FilePath& path, std::int64_t ms) {
    using namespace std::chrono;
    std::filesystem::last_write_time(NativePath(path),
                                     file_clock::from_sys(sys_seconds{seconds{ms / 1000}}));
}

}  // namespace

using RecoveryFolder = RecoveryFixture;

TEST_F(RecoveryFolder, TwoRunningProgramsNeverTakeEachOthersCopies) {
    SharedLocks shared;
    ProgramLocks first(shared, 1), second(shared, 2);
    const FilePath firstCopy = recovery_folder::CopyPath(folder, "a");
    const FilePath secondCopy = recovery_folder::CopyPath(folder, "b");
    ASSERT_TRUE(first.Take(firstCopy));
    ASSERT_TRUE(second.Take(secondCopy));
    WriteFile(firstCopy, ComposeCopy({document, 10, "1\t0\tE\tA\r\n"}));
    WriteFile(secondCopy, ComposeCopy({document, 20, "1\t0\tE\tB\r\n"}));

    // A third program starting sees no copy to offer, and the two see none of the other's.
    ProgramLocks third(shared, 3);
    EXPECT_TRUE(FindOrphanedCopies(folder, third, FilePath()).empty());
    EXPECT_TRUE(FindOrphanedCopies(folder, first, firstCopy).empty());

    // Once the second has been killed, its copy is offered, and only to one program.
    shared.End(2);
    const auto offered = FindOrphanedCopies(folder, third, FilePath());
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].path, secondCopy);
    EXPECT_EQ(offered[0].copy.bytes, "1\t0\tE\tB\r\n");
    EXPECT_TRUE(FindOrphanedCopies(folder, first, firstCopy).empty());
}

TEST_F(RecoveryFolder, CopiesAreOfferedOldestFirstAndOtherFilesAreLeftAlone) {
    SharedLocks shared;
    ProgramLocks locks(shared, 1);
    WriteFile(recovery_folder::CopyPath(folder, "a"), ComposeCopy({document, 300, "x"}));
    WriteFile(recovery_folder::CopyPath(folder, "b"), ComposeCopy({FilePath("NuevaEmpresa.kl3"), 100, "y"}));
    WriteFile(recovery_folder::CopyPath(folder, "c"), "cut short");
    WriteFile(FilePath(folder.Utf8() + "/notas.txt"), ComposeCopy({document, 1, "z"}));

    const auto offered = FindOrphanedCopies(folder, locks, FilePath());
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0].DocumentName(), "<Nueva Empresa>");
    EXPECT_EQ(offered[0].DocumentFolder(), "");
    EXPECT_FALSE(offered[0].documentWrittenMs);
    EXPECT_EQ(offered[1].DocumentName(), "taller.kl3");
    EXPECT_EQ(offered[1].DocumentFolder(), dir.path().Utf8());
    // Nothing is deleted without the user's word, and the damaged copy's lock is let go.
    EXPECT_EQ(recovery_folder::Copies(folder).size(), 3u);
    ProgramLocks other(shared, 2);
    EXPECT_TRUE(other.Take(recovery_folder::CopyPath(folder, "c")));
}

TEST_F(RecoveryFolder, ACopyOlderThanItsDocumentFileSaysSo) {
    const std::int64_t copied = 1'765'000'000'000;
    const FilePath path = recovery_folder::CopyPath(folder, "a");
    WriteFile(path, ComposeCopy({document, copied, "x"}));
    SharedLocks shared;
    ProgramLocks locks(shared, 1);

    Touch(document, copied - 60'000);
    auto offered = FindOrphanedCopies(folder, locks, FilePath());
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].documentWrittenMs, copied - 60'000);
    EXPECT_FALSE(offered[0].SavedAfterCopy());

    Touch(document, copied + 60'000);
    offered = FindOrphanedCopies(folder, locks, FilePath());
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_TRUE(offered[0].SavedAfterCopy());
}

TEST_F(RecoveryFolder, AnOpenedCopyIsTheDocumentUnsavedAndSavingWritesTheOriginal) {
    Rename(5, "Nave recuperada");
    Wait(5000);
    const auto written = Copy();
    ASSERT_TRUE(written);

    // The next start: another session opens the copy.
    DocumentSession next;
    ScriptedPort nextPort;
    DocumentCommands nextCommands{next, nextPort, dates};
    ASSERT_TRUE(OpenRecoveredCopy(*written, next, nextCommands, nextPort));
    EXPECT_TRUE(next.Modified());
    EXPECT_EQ(next.FileName(), document);
    EXPECT_EQ(next.Caption(), document.Utf8());
    EXPECT_EQ(next.ViewMode(), view::kGeographic);
    EXPECT_TRUE(next.SaveCommandsEnabled());
    ASSERT_TRUE(nextCommands.Save());
    EXPECT_TRUE(nextPort.dialogs.empty());
    EXPECT_EQ(ReadFile(document), written->bytes);
}

TEST_F(RecoveryFolder, AnOpenedCopyOfANewDocumentAsksForItsName) {
    DocumentSession next;
    ScriptedPort nextPort;
    DocumentCommands nextCommands{next, nextPort, dates};
    const RecoveryCopy copy{FilePath("NuevaEmpresa.kl3"), 1, ReadFile(TestData("taller.kl3"))};
    ASSERT_TRUE(OpenRecoveredCopy(copy, next, nextCommands, nextPort));
    EXPECT_EQ(next.Caption(), "<Nueva Empresa>");
    const FilePath chosen = dir.File("nueva.kl3");
    nextPort.files = {chosen};
    ASSERT_TRUE(nextCommands.Save());
    EXPECT_EQ(nextPort.dialogs.size(), 1u);
    EXPECT_EQ(ReadFile(chosen), copy.bytes);
}

TEST_F(RecoveryFolder, OpeningACopyOffersToSaveTheOpenDocumentFirst) {
    Rename(5, "Sin guardar");
    const RecoveryCopy copy{dir.File("otro.kl3"), 1, ReadFile(TestData("carpinteria.kl3"))};
    port.answers = {true};
    ASSERT_TRUE(OpenRecoveredCopy(copy, session, commands, port));
    EXPECT_EQ(port.questions.size(), 1u);
    EXPECT_NE(ReadFile(document).find("\tSin guardar\t"), std::string::npos);
    EXPECT_EQ(session.FileName(), dir.File("otro.kl3"));
}

// A recovered document shows the photos beside its file, and those it lists are never deleted as
// if this session had written them.
TEST_F(RecoveryFolder, AnOpenedCopyKeepsThePhotosBesideItsDocument) {
    const FilePath original = dir.File("fotos.kl3");
    std::filesystem::create_directory(dir.File("fotos fotos").Utf8());
    WriteFile(dir.File("fotos fotos/D-0001.jpg"), "foto");
    const RecoveryCopy copy{original, 1,
                            "1\t0\tE\tFirma\r\n2\t1\tC\t01.- Lugares\r\n"
                            "3\t2\tD\t05. Item\t\t\t\t\t\t\t\t\t\t\t\tD-0001.jpg\r\n"};
    DocumentSession next;
    ScriptedPort nextPort;
    DocumentCommands nextCommands{next, nextPort, dates};
    ASSERT_TRUE(OpenRecoveredCopy(copy, next, nextCommands, nextPort));
    EXPECT_EQ(next.Photos().Folder(), dir.File("fotos fotos"));
    next.Photos().Added("D-0001.jpg");  // even were it taken for one of this session's
    next.ClearDocument();
    EXPECT_EQ(ReadFile(dir.File("fotos fotos/D-0001.jpg")), "foto");
}
