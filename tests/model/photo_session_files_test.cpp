// The photo files a session writes stay in step with the documents that list them: what is
// listed (now, by the undo history, or by the saved file) stays; what this session wrote and
// nothing lists goes at save and close; what was there before is never touched.
#include <gtest/gtest.h>

#include <filesystem>

#include "cp1252.h"
#include "document_commands.h"
#include "document_lines.h"
#include "document_session.h"
#include "fixed_dates.h"
#include "photo_folder.h"
#include "photo_list.h"
#include "photo_session_files.h"
#include "scripted_port.h"
#include "temp_dir.h"
#include "texts.h"

namespace fs = std::filesystem;

namespace {

bool Exists(const FilePath& path) {
    return fs::exists(path.Utf8());
}

// A workshop document with one deficiency (line 3) that lists D-0001.jpg, its folder holding
// that photo and a picture nobody lists.
class PhotoSessionFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(document_, W("1\t0\tE\tFirma\r\n2\t1\tC\t01.- Lugares de trabajo\r\n"
                               "3\t2\tD\t05. Item\t\t\t\t\t\t\t\t\t\t\t\tD-0001.jpg|Suelo\r\n"));
        fs::create_directory(folder_.Utf8());
        WriteFile(Photo("D-0001.jpg"), "antes");
        WriteFile(Photo("suelta.jpg"), "ajena");
        ASSERT_EQ(commands_.LoadDocument(document_), DocumentCommands::LoadResult::Loaded);
    }

    FilePath Photo(const std::string& name) const { return FilePath(folder_.Utf8() + "/" + name); }
    oToken& Deficiency() { return *session_.Table().Record(3); }
    PhotoList Listed() { return ParsePhotoList(Deficiency().GetField(kPhotoField)); }

    // What the window does when a photo is added to the deficiency and the dialog accepted.
    std::string AddPhoto(const std::string& bytes) {
        PhotoSessionFiles& files = session_.Photos();
        const std::string name = files.NewName('D', PhotosInUse(session_));
        std::string error;
        const FilePath folder = files.FolderForAdding(&error);
        EXPECT_FALSE(folder.empty()) << error;
        WriteFile(FilePath(folder.Utf8() + "/" + name), bytes);
        files.Added(name);
        PhotoList photos = Listed();
        photos.push_back({name, ""});
        SetPhotos(photos);
        return name;
    }
    void SetPhotos(const PhotoList& photos) {
        const UndoStep step(session_, "Fotos");
        Deficiency().SetField(kPhotoField, FormatPhotoList(photos));
        session_.SetModified(true);
    }

    TempDir dir_;
    const FilePath document_ = dir_.File("Taller.kl3");
    const FilePath folder_ = dir_.File("Taller fotos");
    DocumentSession session_;
    ScriptedPort port_;
    FixedDates dates_;
    DocumentCommands commands_{session_, port_, dates_};
};

TEST_F(PhotoSessionFilesTest, ClosingUnsavedDeletesOnlyWhatThisSessionWrote) {
    const std::string added = AddPhoto("nueva");
    EXPECT_EQ(added, "D-0002.jpg") << "a new name clashes with no listed photo";
    EXPECT_TRUE(Exists(Photo(added)));

    SetPhotos({});            // both photos removed, nothing saved
    port_.answers = {false};  // "¿Guardar los cambios?" no
    commands_.Close();

    EXPECT_FALSE(Exists(Photo(added)));
    EXPECT_EQ(ReadFile(Photo("D-0001.jpg")), "antes") << "the saved document lists it";
    EXPECT_EQ(ReadFile(Photo("suelta.jpg")), "ajena") << "it was there before the session";
}

TEST_F(PhotoSessionFilesTest, ARemovedPhotoStaysUntilASaveNoLongerListsIt) {
    const std::string added = AddPhoto("nueva");
    ASSERT_TRUE(commands_.Save());
    EXPECT_TRUE(Exists(Photo(added)));

    SetPhotos({{"D-0001.jpg", "Suelo"}});  // the new photo removed again
    session_.History().Clear();            // as if the step were gone from the history
    port_.answers = {false};
    commands_.Close();
    EXPECT_TRUE(Exists(Photo(added))) << "the file on disk still lists it";

    ASSERT_EQ(commands_.LoadDocument(document_), DocumentCommands::LoadResult::Loaded);
    SetPhotos({});
    ASSERT_TRUE(commands_.Save());
    session_.History().Clear();
    commands_.Close();
    EXPECT_TRUE(Exists(Photo(added))) << "written by an earlier session: never deleted";
    EXPECT_TRUE(Exists(Photo("D-0001.jpg")));
}

TEST_F(PhotoSessionFilesTest, ASaveDeletesWhatThisSessionWroteAndNothingListsAnyMore) {
    const std::string kept = AddPhoto("uno");
    const std::string removed = AddPhoto("dos");
    PhotoList photos = Listed();
    photos.pop_back();
    SetPhotos(photos);
    session_.History().Clear();
    ASSERT_TRUE(commands_.Save());
    EXPECT_TRUE(Exists(Photo(kept)));
    EXPECT_FALSE(Exists(Photo(removed)));
    EXPECT_EQ(session_.Photos().AddedFiles(), std::set<std::string>{kept});

    // Opened again, the document finds every photo it lists.
    commands_.Close();
    ASSERT_EQ(commands_.LoadDocument(document_), DocumentCommands::LoadResult::Loaded);
    EXPECT_TRUE(port_.messages.empty()) << port_.messages.front();
    EXPECT_EQ(Listed(), (PhotoList{{"D-0001.jpg", "Suelo"}, {kept, ""}}));
}

TEST_F(PhotoSessionFilesTest, UndoAndRedoBringTheListBackWithItsFile) {
    const std::string added = AddPhoto("nueva");
    const PhotoList withPhoto = Listed();
    ASSERT_EQ(withPhoto.size(), 2u);

    session_.History().Undo();
    EXPECT_EQ(Listed(), (PhotoList{{"D-0001.jpg", "Suelo"}}));
    // A save while the step can still be done again keeps its file.
    ASSERT_TRUE(commands_.Save());
    EXPECT_TRUE(Exists(Photo(added)));
    EXPECT_EQ(session_.Photos().NewName('D', PhotosInUse(session_)), "D-0003.jpg")
        << "a name the history holds is not given again";

    session_.History().Redo();
    EXPECT_EQ(Listed(), withPhoto);
    session_.History().Undo();
    // Closed with the step undone: the saved file does not list the photo, so it goes.
    commands_.Close();
    EXPECT_FALSE(Exists(Photo(added)));
}

TEST_F(PhotoSessionFilesTest, ACancelledAdditionIsDroppedAtOnce) {
    PhotoSessionFiles& files = session_.Photos();
    const std::string name = files.NewName('D', PhotosInUse(session_));
    std::string error;
    WriteFile(FilePath(files.FolderForAdding(&error).Utf8() + "/" + name), "x");
    files.Added(name);
    files.Drop({name, "D-0001.jpg", "suelta.jpg"}, PhotosInUse(session_));
    EXPECT_FALSE(Exists(Photo(name)));
    EXPECT_TRUE(Exists(Photo("D-0001.jpg")));
    EXPECT_TRUE(Exists(Photo("suelta.jpg")));
    EXPECT_TRUE(files.AddedFiles().empty());
}

TEST_F(PhotoSessionFilesTest, SavingElsewhereTakesThePhotosAndLeavesTheOldFolderAsSaved) {
    const std::string added = AddPhoto("nueva");
    fs::create_directory(dir_.File("otra").Utf8());
    port_.files = {dir_.File("otra/Copia.kl3")};
    ASSERT_TRUE(commands_.SaveAs());

    const FilePath copy = dir_.File("otra/Copia fotos");
    EXPECT_EQ(ReadFile(FilePath(copy.Utf8() + "/D-0001.jpg")), "antes");
    EXPECT_EQ(ReadFile(FilePath(copy.Utf8() + "/" + added)), "nueva");
    EXPECT_FALSE(Exists(Photo(added))) << "Taller.kl3 on disk never listed it";
    EXPECT_TRUE(Exists(Photo("D-0001.jpg")));
    EXPECT_EQ(session_.Photos().Folder(), copy);

    // The copy's own photos follow the same rules in their new folder.
    SetPhotos({});
    session_.History().Clear();
    ASSERT_TRUE(commands_.Save());
    EXPECT_FALSE(Exists(FilePath(copy.Utf8() + "/" + added))) << "the save copied it there, nothing lists it";
    EXPECT_FALSE(Exists(FilePath(copy.Utf8() + "/D-0001.jpg")));
    EXPECT_TRUE(Exists(Photo("D-0001.jpg")));
}

TEST_F(PhotoSessionFilesTest, SavingUnderTheSameFolderSpeltOtherwiseKeepsEverything) {
    const std::string added = AddPhoto("nueva");
    ASSERT_TRUE(commands_.SaveDocument(FilePath(dir_.path().Utf8() + "/./Taller.kl3")));
    EXPECT_EQ(ReadFile(Photo(added)), "nueva");
}

// A new document has no folder: its photos wait in a scratch folder until the first save.
TEST(PhotoSessionFiles, ANewDocumentsPhotosMoveBesideItAtTheFirstSave) {
    TempDir dir;
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    DocumentCommands commands{session, port, dates};
    commands.New();

    std::string error;
    const FilePath scratch = session.Photos().FolderForAdding(&error);
    ASSERT_FALSE(scratch.empty()) << error;
    EXPECT_EQ(session.Photos().Folder(), scratch);
    WriteFile(FilePath(scratch.Utf8() + "/D-0001.jpg"), "foto");
    WriteFile(FilePath(scratch.Utf8() + "/D-0002.jpg"), "quitada");
    session.Photos().Added("D-0001.jpg");
    session.Photos().Added("D-0002.jpg");
    auto deficiency = std::make_unique<oToken>();
    deficiency->SetField(field::kKind, "D");
    deficiency->SetField(field::kTitle, "05. Item");
    deficiency->SetField(kPhotoField, "D-0001.jpg");
    TreeNode* questionnaire = session.Tree().FirstTopLevel()->children.front().get();
    ASSERT_NE(session.AttachRecord(*questionnaire, std::move(deficiency), 'D', field::kTitle, port), nullptr);

    port.files = {dir.File("Nueva.kl3")};
    ASSERT_TRUE(commands.Save());
    EXPECT_EQ(ReadFile(dir.File("Nueva fotos/D-0001.jpg")), "foto");
    EXPECT_FALSE(Exists(dir.File("Nueva fotos/D-0002.jpg")));
    EXPECT_FALSE(fs::exists(scratch.Utf8())) << "the scratch folder goes with the first save";

    // Closing unsaved after the document had a folder leaves what the file lists.
    commands.Close();
    EXPECT_TRUE(Exists(dir.File("Nueva fotos/D-0001.jpg")));
}

TEST(PhotoSessionFiles, ANewDocumentClosedUnsavedLeavesNoScratchFolder) {
    FilePath scratch;
    {
        DocumentSession session;
        ScriptedPort port;
        FixedDates dates;
        DocumentCommands commands{session, port, dates};
        commands.New();
        std::string error;
        scratch = session.Photos().FolderForAdding(&error);
        WriteFile(FilePath(scratch.Utf8() + "/D-0001.jpg"), "foto");
        session.Photos().Added("D-0001.jpg");
        // The program quits with the session: nothing asked, nothing saved.
    }
    ASSERT_FALSE(scratch.empty());
    EXPECT_FALSE(fs::exists(scratch.Utf8()));
}

TEST(PhotoSessionFiles, AFolderMadeForPhotosThatAllWentIsRemovedAtClose) {
    TempDir dir;
    PhotoSessionFiles files;
    const FilePath folder = dir.File("Doc fotos");
    files.Open(folder, {});
    std::string error;
    ASSERT_EQ(files.FolderForAdding(&error), folder);
    WriteFile(dir.File("Doc fotos/D-0001.jpg"), "x");
    files.Added("D-0001.jpg");
    files.Close();
    EXPECT_FALSE(fs::exists(folder.Utf8()));
}

}  // namespace
