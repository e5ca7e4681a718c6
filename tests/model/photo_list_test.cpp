// The photo list of a record and the photos folder beside the document.
#include <gtest/gtest.h>

#include <filesystem>

#include "cp1252.h"
#include "document_commands.h"
#include "document_lines.h"
#include "fixed_dates.h"
#include "document_session.h"
#include "photo_folder.h"
#include "photo_list.h"
#include "scripted_port.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

TEST(PhotoList, ReadsBackWhatItWrites) {
    const PhotoList photos = {{"D-0001.jpg", "Resguardo retirado | torno"}, {"D-0002.jpg", ""}};
    const std::string field = FormatPhotoList(photos);
    EXPECT_EQ(field, "D-0001.jpg|Resguardo retirado | torno\r\nD-0002.jpg");
    EXPECT_EQ(ParsePhotoList(field), photos);
    EXPECT_EQ(FormatPhotoList({}), "") << "no photos write nothing";
    EXPECT_TRUE(ParsePhotoList("").empty());
}

TEST(PhotoList, ACaptionsLineBreaksDoNotMakeAnotherPhoto) {
    const std::string field = FormatPhotoList({{"R-0001.jpg", "antes\r\ndespués"}});
    EXPECT_EQ(ParsePhotoList(field), (PhotoList{{"R-0001.jpg", "antes  después"}}));
    EXPECT_EQ(ParsePhotoList("\r\nD-0003.jpg\r\n\r\n"), (PhotoList{{"D-0003.jpg", ""}}));
}

TEST(PhotoFolder, SitsBesideTheDocumentNamedAfterIt) {
    EXPECT_EQ(PhotoFolderOf(FilePath("/datos/Talleres del Norte.kl3")).Utf8(), "/datos/Talleres del Norte fotos");
    EXPECT_EQ(PhotoFolderOf(FilePath("/a/b.c/doc.kl3")).Utf8(), "/a/b.c/doc fotos");
}

TEST(PhotoFolder, ANewNameClashesWithNeitherTheListNorTheFolder) {
    TempDir dir;
    WriteFile(dir.File("D-0001.jpg"), "x");
    EXPECT_EQ(NewPhotoName('D', dir.path(), {"D-0002.jpg"}), "D-0003.jpg");
    EXPECT_EQ(NewPhotoName('R', dir.path(), {"D-0002.jpg"}), "R-0001.jpg");
    EXPECT_EQ(NewPhotoName('D', FilePath(dir.path().Utf8() + "/no such folder"), {}), "D-0001.jpg");
}

TEST(PhotoFolder, PhotosListedButAbsentAreFoundWithTheirLine) {
    TempDir dir;
    WriteFile(dir.File("D-0001.jpg"), "x");
    DocumentSession session;
    LoadLines(session, {
        "1\t0\tE\tFirma",
        "2\t1\tC\t01.- Lugares de trabajo",
        "3\t2\tD\t05. Item\t\t\t\t\t\t\t\t\t\t\t\tD-0001.jpg|Suelo~~D-0002.jpg",
        "4\t3\tR\tMedida\t\t\t\t\t\t\t\t\t\t\t\tR-0001.jpg",
        // Field 16 of a firm is not a photo list.
        "5\t0\tE\tOtra\t\t\t\t\t\t\t\t\t\t\t\tmodalidad=propio",
    });
    EXPECT_EQ(ListedPhotoNames(session.Table()), (std::set<std::string>{"D-0001.jpg", "D-0002.jpg", "R-0001.jpg"}));
    const std::vector<MissingPhoto> missing = MissingPhotos(session.Table(), dir.path());
    ASSERT_EQ(missing.size(), 2u);
    EXPECT_EQ(U(MissingPhotoMessage(missing[0])), "Falta la foto D-0002.jpg de la línea 3");
    EXPECT_EQ(missing[1].line, 4);
    EXPECT_EQ(missing[1].file, "R-0001.jpg");
}

// The photos travel with the document: a missing one is said at load and kept in the list, and
// saving elsewhere copies the listed ones into the new document's folder.
TEST(PhotoFolder, LoadingWarnsOfMissingPhotosAndSavingElsewhereCopiesTheListedOnes) {
    TempDir dir;
    const std::string document = W("1\t0\tE\tFirma\r\n2\t1\tC\t01.- Lugares de trabajo\r\n"
                                   "3\t2\tD\t05. Item\t\t\t\t\t\t\t\t\t\t\t\tD-0001.jpg|Suelo~~D-0002.jpg\r\n");
    WriteFile(dir.File("Taller.kl3"), document);
    std::filesystem::create_directory(dir.File("Taller fotos").Utf8());
    WriteFile(dir.File("Taller fotos/D-0001.jpg"), "foto uno");
    WriteFile(dir.File("Taller fotos/suelta.jpg"), "no listada");

    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    DocumentCommands commands{session, port, dates};
    ASSERT_EQ(commands.LoadDocument(dir.File("Taller.kl3")), DocumentCommands::LoadResult::Loaded);
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0], "Falta la foto D-0002.jpg de la línea 3");
    EXPECT_EQ(session.Table().Record(3)->GetField(kPhotoField), "D-0001.jpg|Suelo\r\nD-0002.jpg");

    std::filesystem::create_directory(dir.File("otra").Utf8());
    ASSERT_TRUE(commands.SaveDocument(dir.File("otra/Copia.kl3")));
    EXPECT_EQ(ReadFile(dir.File("otra/Copia.kl3")), document) << "the list is saved as it was";
    EXPECT_EQ(ReadFile(dir.File("otra/Copia fotos/D-0001.jpg")), "foto uno");
    EXPECT_FALSE(std::filesystem::exists(dir.File("otra/Copia fotos/suelta.jpg").Utf8()));
    EXPECT_TRUE(port.errors.empty());
}
