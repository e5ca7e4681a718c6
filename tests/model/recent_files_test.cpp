#include "recent_files.h"

#include <gtest/gtest.h>

#include "document_session.h"

namespace {

std::vector<FilePath> Paths(std::initializer_list<const char*> utf8) {
    std::vector<FilePath> paths;
    for (const char* path : utf8)
        paths.emplace_back(path);
    return paths;
}

}  // namespace

TEST(RecentFilesTest, NewestComesFirstAndTheOldestFallsOffAtTheCapacity) {
    RecentFiles recent;
    for (int i = 1; i <= 7; ++i)
        EXPECT_TRUE(recent.Note(FilePath("/d/" + std::to_string(i) + ".kl3")));
    EXPECT_EQ(recent.Paths(),
              Paths({"/d/7.kl3", "/d/6.kl3", "/d/5.kl3", "/d/4.kl3", "/d/3.kl3", "/d/2.kl3"}));
}

TEST(RecentFilesTest, ADocumentListedAlreadyMovesUpInsteadOfRepeating) {
    RecentFiles recent(Paths({"/d/a.kl3", "/d/b.kl3", "/d/c.kl3"}));
    EXPECT_TRUE(recent.Note(FilePath("/d/c.kl3")));
    EXPECT_EQ(recent.Paths(), Paths({"/d/c.kl3", "/d/a.kl3", "/d/b.kl3"}));
    // Noting the first again changes nothing, so nothing needs storing.
    EXPECT_FALSE(recent.Note(FilePath("/d/c.kl3")));
    EXPECT_FALSE(recent.Note(FilePath("")));
    EXPECT_EQ(recent.Paths().size(), 3u);
}

TEST(RecentFilesTest, AStoredListIsCleanedOfBlanksRepeatsAndExcess) {
    const RecentFiles recent(Paths({"", "/d/a.kl3", "/d/a.kl3", "/d/b.kl3", "/d/c.kl3", "", "/d/d.kl3",
                                    "/d/e.kl3", "/d/f.kl3", "/d/g.kl3"}));
    EXPECT_EQ(recent.Paths(),
              Paths({"/d/a.kl3", "/d/b.kl3", "/d/c.kl3", "/d/d.kl3", "/d/e.kl3", "/d/f.kl3"}));
}

TEST(RecentFilesTest, RemovingKeepsTheOrderOfTheOthers) {
    RecentFiles recent(Paths({"/d/a.kl3", "/d/b.kl3", "/d/c.kl3"}));
    EXPECT_TRUE(recent.Remove(FilePath("/d/b.kl3")));
    EXPECT_FALSE(recent.Remove(FilePath("/d/b.kl3")));
    EXPECT_EQ(recent.Paths(), Paths({"/d/a.kl3", "/d/c.kl3"}));
}

TEST(RecentFilesTest, CaptionsAreNumberedFromOneAndShowTheFileNameOnly) {
    EXPECT_EQ(RecentFileCaptions(Paths({"/home/ana/Evaluaciones/Talleres del Norte.kl3", "/d/otro.kl3"})),
              (std::vector<std::string>{"&1 Talleres del Norte.kl3", "&2 otro.kl3"}));
    EXPECT_EQ(RecentFileCaptions(Paths({"relativo.kl3"})), std::vector<std::string>{"&1 relativo.kl3"});
    // An ampersand of the name is shown, not taken as the entry's accelerator.
    EXPECT_EQ(RecentFileCaptions(Paths({"/d/Pérez & Hijos.kl3"})),
              std::vector<std::string>{"&1 Pérez && Hijos.kl3"});
}

// Documents of the same name in different folders show as much of the folder as tells them
// apart; the others keep their bare names.
TEST(RecentFilesTest, SameNamesShowTheFolderThatTellsThemApart) {
    EXPECT_EQ(
        RecentFileCaptions(Paths(
            {"/home/ana/2025/Talleres.kl3", "/home/ana/2026/Talleres.kl3", "/home/ana/2026/Almacén.kl3"})),
        (std::vector<std::string>{"&1 …/2025/Talleres.kl3", "&2 …/2026/Talleres.kl3", "&3 Almacén.kl3"}));
    // The difference lies further up: the folders below it are shown too.
    EXPECT_EQ(RecentFileCaptions(Paths({"/a/copia/doc.kl3", "/b/copia/doc.kl3"})),
              (std::vector<std::string>{"&1 …/a/copia/doc.kl3", "&2 …/b/copia/doc.kl3"}));
    // A path that is the end of another is shown whole.
    EXPECT_EQ(RecentFileCaptions(Paths({"/doc.kl3", "/x/doc.kl3"})),
              (std::vector<std::string>{"&1 /doc.kl3", "&2 …/x/doc.kl3"}));
    EXPECT_EQ(RecentFileCaptions(Paths({"/d/R&D/a.kl3", "/e/R&D/a.kl3"}))[0], "&1 …/d/R&&D/a.kl3");
}

TEST(RecentFilesTest, OnlyADocumentInStepWithItsFileIsWorthRemembering) {
    DocumentSession session;
    EXPECT_EQ(DocumentInStepWithFile(session, FilePath("/trabajo")), std::nullopt);  // nothing open

    session.SetFileName(FilePath("/datos/empresa.kl3"));
    session.SetTreeVisible(true);
    EXPECT_EQ(DocumentInStepWithFile(session, FilePath("/trabajo")), FilePath("/datos/empresa.kl3"));

    session.SetModified(true);  // a new document or unsaved edits
    EXPECT_EQ(DocumentInStepWithFile(session, FilePath("/trabajo")), std::nullopt);

    // A new document saved on leaving lands in the working folder under its bare name.
    session.SetModified(false);
    session.SetFileName(FilePath("NuevaEmpresa.kl3"));
    EXPECT_EQ(DocumentInStepWithFile(session, FilePath("/trabajo/")), FilePath("/trabajo/NuevaEmpresa.kl3"));
    session.SetFileName(FilePath("../otra/./b.kl3"));
    EXPECT_EQ(DocumentInStepWithFile(session, FilePath("/trabajo/hoy")), FilePath("/trabajo/otra/b.kl3"));

    session.SetTreeVisible(false);  // given up
    EXPECT_EQ(DocumentInStepWithFile(session, FilePath("/trabajo")), std::nullopt);
}
