#include <gtest/gtest.h>

#include <filesystem>

#include "cp1252.h"
#include "document_commands.h"
#include "document_session.h"
#include "file_io.h"
#include "kinds.h"
#include "load_messages.h"
#include "scripted_port.h"
#include "system_fakes.h"
#include "temp_dir.h"

namespace {

// A session with its commands, a scripted user and a scratch folder.
struct Fixture : ::testing::Test {
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    DocumentCommands commands{session, port, dates};
    TempDir dir;

    FilePath Write(const std::string& name, const std::string& bytes) {
        WriteFile(dir.File(name), bytes);
        return dir.File(name);
    }
    std::string Field(int slot, int field) { return session.Table().Record(slot)->GetField(field); }
    // The window as it is with no document: empty table, no tree, document commands off.
    void ExpectNoDocument() {
        EXPECT_EQ(session.Table().count(), 0);
        EXPECT_FALSE(session.TreeVisible());
        EXPECT_EQ(session.ViewMode(), view::kNone);
        EXPECT_FALSE(session.DocumentCommandsEnabled());
        EXPECT_FALSE(session.SaveCommandsEnabled());
        EXPECT_EQ(session.Caption(), "");
    }
};

std::string Numbered(int from, int to) {
    std::string bytes;
    for (int i = from; i <= to; ++i)
        bytes += std::to_string(i) + "\t" + std::to_string(i - 1) + "\tZ\tn" + std::to_string(i) + "\r\n";
    return bytes;
}

const std::string kNewDocumentFile =
    W("1\t0\tE\t<Nueva Empresa>\t\t\t\t\t\t\t\t10000000000000000000000\r\n"
      "2\t1\tC\t00.- Gestión Preventiva\t\t15/03/2026\r\n");

}  // namespace

using Commands = Fixture;

TEST_F(Commands, NewDocumentHasTheFirmAndItsFirstQuestionnaire) {
    commands.New();
    EXPECT_EQ(session.Table().count(), 2);
    EXPECT_EQ(session.Table().Record(1)->count(), 12);
    EXPECT_EQ(session.FileName().Utf8(), "NuevaEmpresa.kl3");
    EXPECT_EQ(session.Caption(), "<Nueva Empresa>");
    EXPECT_TRUE(session.Modified());
    EXPECT_EQ(session.ViewMode(), view::kGeographic);
    EXPECT_TRUE(session.TreeVisible());
    EXPECT_TRUE(session.DocumentCommandsEnabled());
    EXPECT_TRUE(session.SaveCommandsEnabled());
    EXPECT_TRUE(session.DragEnabled());
    const TreeNode* firm = session.Tree().FirstTopLevel();
    ASSERT_EQ(firm->children.size(), 1u);
    EXPECT_EQ(firm->icon, icon::kFirm);
    EXPECT_EQ(firm->children[0]->icon, icon::kQuestionnaire);
    EXPECT_EQ(session.Table().Node(2), firm->children[0].get());

    ASSERT_TRUE(commands.SaveDocument(dir.File("new.kl3")));
    EXPECT_EQ(ReadFile(dir.File("new.kl3")), kNewDocumentFile);
    EXPECT_FALSE(session.Modified());
}

TEST_F(Commands, LoadReportsEachBadLineAndGoesOn) {
    const FilePath path = Write("bad.kl3", "1\t0\tE\tfirm\r\n\r\n2\t1\tZ\tzone\r\n");
    EXPECT_EQ(commands.LoadDocument(path), DocumentCommands::LoadResult::Loaded);
    EXPECT_EQ(port.messages, std::vector<std::string>{"ERROR.- Línea en mal estado"});
    EXPECT_EQ(session.Table().count(), 2);
    EXPECT_EQ(session.FileName(), path);
    EXPECT_EQ(session.Caption(), path.Utf8());
    EXPECT_FALSE(session.Modified());
    EXPECT_TRUE(session.TreeVisible());
    EXPECT_TRUE(session.DocumentCommandsEnabled());
}

TEST_F(Commands, LoadNumbersRecordsByTheirFirstField) {
    commands.LoadDocument(Write("dup.kl3", "1\t0\tE\tfirm\r\n2\t1\tZ\tfirst\r\n2\t1\tZ\tsecond\r\n"));
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(session.Table().count(), 2);
    EXPECT_EQ(Field(2, field::kLabel), "second")
        << "a later line with the same number replaces the earlier one";

    port.messages.clear();
    commands.LoadDocument(Write("skip.kl3", "1\t0\tE\tfirm\r\n3\t1\tZ\tzone\r\n"));
    EXPECT_EQ(port.messages, std::vector<std::string>{"ERROR.- Línea mal asociada"});
    EXPECT_EQ(Field(2, field::kSlot), "2");

    port.messages.clear();
    commands.LoadDocument(Write("reverse.kl3", "2\t1\tZ\tzone\r\n1\t0\tE\tfirm\r\n"));
    EXPECT_EQ(port.messages, std::vector<std::string>{"ERROR.- Línea mal asociada"});
    EXPECT_EQ(session.Table().count(), 1);
    EXPECT_EQ(Field(1, field::kName), "firm");
}

TEST_F(Commands, LoadStopsTakingLinesAtTheTableLimit) {
    commands.LoadDocument(Write("big.kl3", Numbered(1, 1030)));
    EXPECT_EQ(port.messages, std::vector<std::string>(6, "ERROR.- Alcanzado el máximo"));
    EXPECT_EQ(session.Table().count(), 1024);
    EXPECT_EQ(session.Tree().PreOrder().size(), 1024u);
}

// A damaged file would otherwise show thousands of boxes one after another.
TEST_F(Commands, TheWindowShowsTwentyMessagesOfALoadAndThenHowManyMore) {
    port.messageLimit = LoadMessages::kShownOneByOne;
    commands.LoadDocument(Write("big.kl3", Numbered(1, 5000)));
    ASSERT_EQ(port.messages.size(), 21u);
    EXPECT_EQ(std::vector<std::string>(port.messages.begin(), port.messages.begin() + 20),
              std::vector<std::string>(20, "ERROR.- Alcanzado el máximo"));
    EXPECT_EQ(port.messages.back(), "… y 3956 avisos más");
    EXPECT_EQ(session.Table().count(), 1024) << "the load goes on as before";

    // Counted afresh for every load, the import's too, and told before "Fichero erróneo".
    port.messages.clear();
    commands.LoadDocument(Write("blank.kl3", std::string(21, '\n')));
    ASSERT_EQ(port.messages.size(), 22u);
    EXPECT_EQ(port.messages[20], "… y 1 aviso más");
    EXPECT_EQ(port.messages[21], "Fichero erróneo");

    commands.New();
    port.messages.clear();
    commands.ImportDocument(Write("import.kl3", Numbered(1, 1050)));
    ASSERT_EQ(port.messages.size(), 21u);
    EXPECT_EQ(port.messages.back(), "… y 8 avisos más");
}

TEST_F(Commands, AFileWithoutUsableLinesIsNotADocument) {
    commands.New();
    session.SetModified(false);
    EXPECT_EQ(commands.LoadDocument(Write("blank.kl3", "\r\n\r\n\r\n")),
              DocumentCommands::LoadResult::NotADocument);
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{"ERROR.- Línea en mal estado", "ERROR.- Línea en mal estado",
                                        "ERROR.- Línea en mal estado", "Fichero erróneo"}));
    ExpectNoDocument();

    port.messages.clear();
    EXPECT_EQ(commands.LoadDocument(Write("empty.kl3", "")), DocumentCommands::LoadResult::NotADocument);
    EXPECT_EQ(port.messages, std::vector<std::string>{"Fichero erróneo"});
}

TEST_F(Commands, AMissingFileChangesNothingAndAsksNothing) {
    commands.New();
    EXPECT_EQ(commands.LoadDocument(dir.File("missing.kl3")), DocumentCommands::LoadResult::Missing);
    commands.ImportDocument(dir.File("missing.kl3"));
    EXPECT_TRUE(port.questions.empty());
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(session.Table().count(), 2);
    EXPECT_TRUE(session.Modified());
}

// A failed "&Abrir ..." leaves the open document under its name: the next "&Guardar" writes
// the file it came from.
TEST_F(Commands, AFailedOpenLeavesTheDocumentItsNameAndCaption) {
    const FilePath path = Write("doc.kl3", "1\t0\tE\tfirm\r\n");
    commands.LoadDocument(path);
    session.Table().Record(1)->SetField(field::kName, "firm 2");
    session.SetModified(true);
    // /proc/self/mem exists but cannot be read from its start, even by root.
    port.files = {dir.File("no/folder/x.kl3"), FilePath("/proc/self/mem")};
    commands.Open();
    commands.Open();
    ASSERT_EQ(port.errors.size(), 1u) << "a missing file is no error; the unreadable one is";
    EXPECT_NE(port.errors[0].find("/proc/self/mem: "), std::string::npos);
    EXPECT_TRUE(port.questions.empty()) << "nothing to give up for a file that cannot be read";
    EXPECT_EQ(session.FileName(), path);
    EXPECT_EQ(session.Caption(), path.Utf8());
    EXPECT_TRUE(session.Modified());
    EXPECT_TRUE(session.TreeVisible());
    EXPECT_TRUE(session.SaveCommandsEnabled());

    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(ReadFile(path), "1\t0\tE\tfirm 2\r\n");
}

// A failed "G&uardar como ..." keeps the old name: the caption does not name a file that does
// not hold the document, and the next "&Guardar" writes the original file.
TEST_F(Commands, AFailedSaveAsLeavesTheNameCaptionAndModifiedFlag) {
    const FilePath path = Write("doc.kl3", "1\t0\tE\tfirm\r\n");
    commands.LoadDocument(path);
    session.Table().Record(1)->SetField(field::kName, "firm 2");
    session.SetModified(true);
    port.files = {dir.File("no/folder/copy.kl3")};
    EXPECT_FALSE(commands.SaveAs());
    EXPECT_EQ(port.errors.size(), 1u);
    EXPECT_EQ(session.FileName(), path);
    EXPECT_EQ(session.Caption(), path.Utf8());
    EXPECT_TRUE(session.Modified());

    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(port.dialogs.size(), 1u) << "saved under its name, without a dialog";
    EXPECT_EQ(ReadFile(path), "1\t0\tE\tfirm 2\r\n");
    EXPECT_FALSE(session.Modified());

    port.files = {dir.File("copy.kl3")};
    EXPECT_TRUE(commands.SaveAs());
    EXPECT_EQ(session.FileName(), dir.File("copy.kl3"));
    EXPECT_EQ(session.Caption(), dir.File("copy.kl3").Utf8());
}

// Opening something that is no document file keeps the open document, unasked.
TEST_F(Commands, AFolderAPipeOrAHugeFileIsRefusedAndTheDocumentKept) {
    commands.New();
    const FilePath folder = dir.File("folder.kl3"), pipe = dir.File("pipe.kl3");
    std::filesystem::create_directory(folder.Utf8());
    const FilePath huge = Write("huge.kl3", "");
    std::filesystem::resize_file(huge.Utf8(), file_io::kLargestFile + 1);
    ASSERT_TRUE(MakeUnreadableFile(pipe));
    for (const FilePath& name : {folder, huge, pipe}) {
        // A file that another program holds open may be readable later: not refused, unread.
        const auto result = name == pipe && !kUnreadableFileIsAPipe ? DocumentCommands::LoadResult::ReadError
                                                                    : DocumentCommands::LoadResult::Refused;
        EXPECT_EQ(commands.LoadDocument(name), result) << name.Utf8();
        commands.ImportDocument(name);
    }
    ASSERT_EQ(port.errors.size(), 6u);
    EXPECT_EQ(port.errors[0], folder.Utf8() + ": es una carpeta, no un archivo");
    EXPECT_NE(port.errors[5].find(kUnreadableFileReason), std::string::npos) << port.errors[5];
    EXPECT_TRUE(port.questions.empty());
    EXPECT_EQ(session.Table().count(), 2);
    EXPECT_TRUE(session.Modified());
}

// A document that could not be opened again is not written: the old file and the open
// document stay as they were.
TEST_F(Commands, ADocumentTooLargeToOpenAgainIsNotSaved) {
    commands.LoadDocument(Write("doc.kl3", "1\t0\tE\tfirm\r\n"));
    session.Table().Record(1)->SetField(field::kComments, std::string(file_io::kLargestFile, 'x'));
    session.SetModified(true);
    EXPECT_FALSE(commands.SaveDocument(dir.File("doc.kl3")));
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_NE(port.errors[0].find("64 MB"), std::string::npos) << port.errors[0];
    EXPECT_EQ(ReadFile(dir.File("doc.kl3")), "1\t0\tE\tfirm\r\n");
    EXPECT_TRUE(session.Modified());
}

TEST_F(Commands, ParentsAfterTheirChildrenAndUnknownParents) {
    commands.LoadDocument(
        Write("odd.kl3", "1\t2\tE\tfirm\r\n2\t0\tZ\ttop\r\n3\t40\tZ\tnowhere\r\n4\t1\tP\tunder firm\r\n"));
    std::string shape;
    for (const TreeNode* node : session.Tree().PreOrder())
        shape += std::to_string(node->Depth()) + node->text + ";";
    EXPECT_EQ(shape, "0firm;1under firm;0top;0nowhere;") << "slot 1 is always at the top level";
}

TEST_F(Commands, SaveRenumbersInPreOrderAndClosesGaps) {
    commands.LoadDocument(
        Write("doc.kl3",
              "1\t0\tE\tfirm\r\n2\t1\tZ\tzone A\r\n3\t1\tZ\tzone B\r\n4\t2\tP\tpost\r\n5\t3\tP\tpost B\r\n"));
    // Delete zone A's branch as the delete command would: free its slots, remove its nodes.
    session.Tree().Remove(session.Table().Node(2));
    session.Table().Free(2);
    session.Table().Free(4);
    session.SetModified(true);
    ASSERT_TRUE(commands.SaveDocument(dir.File("out.kl3")));
    EXPECT_EQ(ReadFile(dir.File("out.kl3")), "1\t0\tE\tfirm\r\n2\t1\tZ\tzone B\r\n3\t2\tP\tpost B\r\n");
    EXPECT_EQ(session.Table().count(), 3);
    for (int s = 1; s <= 3; ++s) {
        ASSERT_NE(session.Table().Record(s), nullptr);
        EXPECT_EQ(session.Table().Record(s)->GetFieldInt(field::kSlot), s);
        EXPECT_EQ(session.Table().Node(s)->record, session.Table().Record(s));
    }
    EXPECT_EQ(Field(3, field::kParent), "2");
    EXPECT_FALSE(session.Modified());
}

TEST_F(Commands, SaveWritesMovedNodesUnderTheirNewParent) {
    commands.LoadDocument(Write("doc.kl3", "1\t0\tE\tfirm\r\n2\t1\tZ\tA\r\n3\t1\tZ\tB\r\n4\t2\tP\tp\r\n"));
    session.Tree().Move(session.Table().Node(4), session.Table().Node(3), -1);
    session.Tree().Move(session.Table().Node(3), nullptr, -1);
    ASSERT_TRUE(commands.SaveDocument(dir.File("out.kl3")));
    EXPECT_EQ(ReadFile(dir.File("out.kl3")), "1\t0\tE\tfirm\r\n2\t1\tZ\tA\r\n3\t0\tZ\tB\r\n4\t3\tP\tp\r\n");
}

TEST_F(Commands, AFailedSaveKeepsTheDocumentAsItWas) {
    commands.LoadDocument(Write("doc.kl3", "1\t0\tE\tfirm\r\n2\t1\tZ\tA\r\n3\t1\tZ\tB\r\n"));
    session.Tree().Remove(session.Table().Node(2));
    session.Table().Free(2);
    session.SetModified(true);
    EXPECT_FALSE(commands.SaveDocument(dir.File("no/folder/doc.kl3")));
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_NE(port.errors[0].find(kNoSuchFolderMessage), std::string::npos);
    EXPECT_TRUE(session.Modified());
    EXPECT_EQ(session.Table().count(), 3);
    EXPECT_EQ(Field(3, field::kSlot), "3");
    EXPECT_EQ(ReadFile(dir.File("doc.kl3")), "1\t0\tE\tfirm\r\n2\t1\tZ\tA\r\n3\t1\tZ\tB\r\n");
}

TEST_F(Commands, NewThenSaveAsksForANameOnlyOnce) {
    commands.New();
    port.files.push_back(dir.File("firm.kl3"));
    EXPECT_TRUE(commands.Save());
    ASSERT_EQ(port.dialogs.size(), 1u);
    EXPECT_EQ(port.dialogs[0].title, "Guardar como ...");
    EXPECT_EQ(port.dialogs[0].proposedName.Utf8(), "NuevaEmpresa.kl3");
    EXPECT_EQ(port.dialogs[0].defaultSuffix, "kl3");
    EXPECT_EQ(session.FileName(), dir.File("firm.kl3"));
    EXPECT_EQ(session.Caption(), dir.File("firm.kl3").Utf8());
    EXPECT_EQ(ReadFile(dir.File("firm.kl3")), kNewDocumentFile);

    session.SetModified(true);
    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(port.dialogs.size(), 1u) << "the second save writes without a dialog";
    EXPECT_FALSE(session.Modified());
}

TEST_F(Commands, CancellingSaveAsChangesNothing) {
    commands.New();
    port.files.push_back(std::nullopt);
    EXPECT_FALSE(commands.SaveAs());
    EXPECT_EQ(session.FileName().Utf8(), "NuevaEmpresa.kl3");
    EXPECT_TRUE(session.Modified());
}

TEST_F(Commands, QuittingANewDocumentWithYesWritesItInTheWorkingFolder) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path().Utf8());
    commands.New();
    port.answers = {true};
    EXPECT_TRUE(commands.MayQuit());
    EXPECT_TRUE(commands.MayQuit()) << "nothing is left to ask";
    std::filesystem::current_path(previous);
    EXPECT_EQ(port.questions,
              std::vector<std::string>{
                  "Guardar información|El archivo actual no se ha grabado. ¿Quiere guardarlo?"});
    EXPECT_EQ(ReadFile(dir.File("NuevaEmpresa.kl3")), kNewDocumentFile);
}

TEST_F(Commands, QuittingWithNoWritesNothingAndAsksOnce) {
    commands.LoadDocument(Write("doc.kl3", "1\t0\tE\tfirm\r\n"));
    session.SetModified(true);
    port.answers = {false};
    EXPECT_TRUE(commands.MayQuit());
    EXPECT_TRUE(commands.MayQuit());
    EXPECT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(ReadFile(dir.File("doc.kl3")), "1\t0\tE\tfirm\r\n");
    EXPECT_FALSE(session.TreeVisible()) << "the document was discarded";
}

TEST_F(Commands, AFailedSaveStopsTheCommandThatAsked) {
    commands.New();
    session.SetFileName(dir.File("no/folder/x.kl3"));
    port.answers = {true, true, true, true};
    EXPECT_FALSE(commands.MayQuit());
    commands.Close();
    commands.New();
    EXPECT_EQ(commands.LoadDocument(Write("other.kl3", "1\t0\tE\tother\r\n")),
              DocumentCommands::LoadResult::Abandoned);
    EXPECT_EQ(port.errors.size(), 4u);
    EXPECT_TRUE(session.Modified());
    EXPECT_TRUE(session.TreeVisible());
    EXPECT_EQ(session.Table().count(), 2);
    EXPECT_EQ(Field(1, field::kName), "<Nueva Empresa>");
}

TEST_F(Commands, LoadingOverAModifiedDocumentAsksOnce) {
    commands.New();
    port.answers = {false};
    EXPECT_EQ(commands.LoadDocument(Write("doc.kl3", "1\t0\tE\tfirm\r\n")),
              DocumentCommands::LoadResult::Loaded);
    EXPECT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(Field(1, field::kName), "firm");
    EXPECT_FALSE(session.Modified());
}

TEST_F(Commands, CloseLeavesNoDocument) {
    commands.LoadDocument(Write("doc.kl3", "1\t0\tE\tfirm\r\n"));
    commands.Close();
    EXPECT_TRUE(port.questions.empty());
    ExpectNoDocument();
}

TEST_F(Commands, ASaveFromAnotherViewRebuildsTheDocumentTreeFirst) {
    commands.New();
    session.SetFileName(dir.File("doc.kl3"));
    // Replace the tree by view nodes, as the other arrangements do.
    session.Tree().Rebuild(
        [](DocumentTree& tree) { tree.AddChild(nullptr, "Inspecciones", nullptr, icon::kQuestionnaire); });
    session.SetViewMode(view::kTemporal);
    port.answers = {true};
    EXPECT_TRUE(commands.MayQuit());
    EXPECT_EQ(ReadFile(dir.File("doc.kl3")), kNewDocumentFile);
}

TEST_F(Commands, ImportKeepsTheImportedStructureUnderTheFirm) {
    commands.LoadDocument(Write("doc.kl3", "1\t0\tE\tfirm\r\n2\t1\tZ\tA\r\n3\t1\tZ\tB\r\n"));
    commands.ImportDocument(Write("part.kl3", "1\t0\tZ\tI\r\n2\t1\tP\tI1\r\n3\t2\tC\tI1c\r\n\r\n"));
    EXPECT_TRUE(session.Modified());
    EXPECT_TRUE(port.messages.empty()) << "import checks no line number";
    EXPECT_EQ(session.Table().count(), 7);
    EXPECT_EQ(Field(4, field::kSlot), "4");
    EXPECT_EQ(Field(4, field::kParent), "1");
    EXPECT_EQ(Field(5, field::kParent), "4");
    EXPECT_EQ(Field(6, field::kParent), "5");
    std::string shape;
    for (const TreeNode* node : session.Tree().PreOrder())
        shape += std::to_string(node->Depth()) + node->text + ";";
    EXPECT_EQ(shape, "0firm;1A;1B;1I;2I1;3I1c;1;");
    EXPECT_EQ(session.Table().Node(7)->icon, icon::kUndated) << "a blank line becomes a node without kind";
}

TEST_F(Commands, ImportStopsAtTheTableLimit) {
    commands.LoadDocument(Write("doc.kl3", Numbered(1, 1020)));
    commands.ImportDocument(Write("part.kl3", Numbered(1, 10)));
    EXPECT_EQ(session.Table().count(), 1024);
    EXPECT_EQ(port.messages, std::vector<std::string>(6, "ERROR.- Alcanzado el máximo"));
}

// Adding the open document's count to the largest parent number overflowed.
TEST_F(Commands, ImportOfAHugeParentNumberDoesNotOverflow) {
    commands.LoadDocument(Write("doc.kl3", "1\t0\tE\tfirm\r\n2\t1\tZ\tA\r\n"));
    commands.ImportDocument(Write("part.kl3",
                                  "1\t2147483647\tZ\tfar\r\n2\t1025\tZ\tbeyond\r\n"
                                  "3\t-4\tZ\tnegative\r\n4\t1024\tZ\tlast line\r\n"));
    EXPECT_EQ(Field(3, field::kParent), "2147483647");
    EXPECT_EQ(Field(4, field::kParent), "1025");
    EXPECT_EQ(Field(5, field::kParent), "-4");
    EXPECT_EQ(Field(6, field::kParent), "1026") << "a number the file could hold is still translated";
    for (int s = 3; s <= 6; ++s)
        EXPECT_EQ(session.Table().Node(s)->Depth(), 0) << "slot " << s;
}

TEST_F(Commands, NormalisedDocumentsReadBackToTheSameRecords) {
    commands.LoadDocument(Write("doc.kl3", W("1\t0\tE\tfirm\t\t\t\t\t\t\t\t10000000000000000000000\r\n"
                                             "2\t1\tC\t00.- Gestión\t\t01/02/2026\t\t\t\t\t3\r\n"
                                             "3\t2\tD\t1. item\trec~~two\t\t\t\t\t\t02000\t\tseen\r\n")));
    ASSERT_TRUE(commands.SaveDocument(dir.File("a.kl3")));
    DocumentSession again;
    DocumentCommands reload(again, port, dates);
    reload.LoadDocument(dir.File("a.kl3"));
    ASSERT_EQ(again.Table().count(), session.Table().count());
    for (int s = 1; s <= session.Table().count(); ++s)
        EXPECT_EQ(*again.Table().Record(s), *session.Table().Record(s));
    EXPECT_EQ(ReadFile(dir.File("a.kl3")), ReadFile(dir.File("doc.kl3")));
}
