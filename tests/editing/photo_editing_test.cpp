// The photo list of a deficiency or a measure goes through its dialogs and the data editor into
// field 16, as one step of "Deshacer" with the dialog's other changes.
#include <gtest/gtest.h>

#include "catalogue.h"
#include "display_text.h"
#include "document_commands.h"
#include "editing_fixture.h"
#include "evaluation_commands.h"
#include "evaluation_fixture.h"
#include "photo_list.h"
#include "tree_editing.h"

namespace {

struct PhotoEditing : EditingFixture, ::testing::Test {
    Catalogue catalogue;
    TreeEditing editing{session, port, editor,
                        [this](const TreeNode& node) { return ShownText(session, node); }};
    ScriptedEntryDialogs entryDialogs;
    EvaluationCommands evaluation{session, catalogue, port, dates, entryDialogs};

    PhotoEditing() {
        catalogue.LoadFromBytes(TestCatalogueBytes(), port);
        LoadLines(session, {
                               "1\t0\tE\tFirma",
                               "2\t1\tC\t01.- Lugares de trabajo",
                               "3\t2\tD\t02. Suelos\t\t\t\t\t\t\t13021\t\tSuelo roto",
                               "4\t3\tR\tReparar",
                           });
    }
    PhotoList Photos(int slot) { return ReadPhotoList(Record(slot)); }
    std::string Bytes() const { return DocumentCommands::FileBytes(session); }
};

TEST_F(PhotoEditing, TheDataEditorWritesTheListAndUndoBringsTheOldOneBack) {
    const std::string before = Bytes();
    const PhotoList photos = {{"D-0001.jpg", "Suelo roto | junto al torno"}, {"D-0002.jpg", ""}};
    dialog.steps.push_back([&](NodeDataForm& form) {
        EXPECT_TRUE(form.Adaptation().showsPhotos);
        EXPECT_TRUE(form.Values().photos.empty());
        form.Values().photos = photos;
        return true;
    });
    session.Tree().Select(Node(3));
    editing.EditSelected();
    EXPECT_EQ(Photos(3), photos);
    const std::string after = Bytes();
    EXPECT_NE(after.find("D-0001.jpg|Suelo roto | junto al torno~~D-0002.jpg\r\n"), std::string::npos)
        << after;

    session.History().Undo();
    EXPECT_TRUE(Photos(3).empty());
    EXPECT_EQ(Bytes(), before) << "the record without photos is written as it was";
    session.History().Redo();
    EXPECT_EQ(Photos(3), photos);
    EXPECT_EQ(Bytes(), after);
}

TEST_F(PhotoEditing, RemovingEveryPhotoInTheEditorLeavesAnEmptyListAndCancelChangesNothing) {
    Record(4).SetField(kPhotoField, "R-0001.jpg|antes");
    dialog.steps.push_back([](NodeDataForm& form) {
        EXPECT_EQ(form.Values().photos, (PhotoList{{"R-0001.jpg", "antes"}}));
        form.Values().photos.clear();
        return false;  // "Cancelar"
    });
    session.Tree().Select(Node(4));
    editing.EditSelected();
    EXPECT_EQ(Photos(4), (PhotoList{{"R-0001.jpg", "antes"}}));
    EXPECT_FALSE(session.History().CanUndo());

    dialog.steps.push_back([](NodeDataForm& form) {
        form.Values().photos.clear();
        return true;
    });
    editing.EditSelected();
    EXPECT_TRUE(Photos(4).empty());
    session.History().Undo();
    EXPECT_EQ(Photos(4), (PhotoList{{"R-0001.jpg", "antes"}}));
}

TEST_F(PhotoEditing, OtherKindsNeitherReadNorWriteField16AsPhotos) {
    Record(1).SetField(kPhotoField, "modalidad=propio");
    dialog.steps.push_back([](NodeDataForm& form) {
        EXPECT_FALSE(form.Adaptation().showsPhotos);
        EXPECT_TRUE(form.Values().photos.empty());
        return true;
    });
    session.Tree().Select(Node(1));
    editing.EditSelected();
    EXPECT_EQ(Record(1).GetField(kPhotoField), "modalidad=propio");
}

TEST_F(PhotoEditing, TheEntryDialogsHandTheirPhotosToTheNewRecord) {
    entryDialogs.deficiencyActions.push_back([](DeficiencyForm& form) {
        EXPECT_TRUE(form.Photos().empty());
        form.RadioButton5Click();
        form.RadioButton13Click();
        form.RadioButton17Click();
        form.SetPhotos({{"D-0003.jpg", "pasillo"}});
        return true;
    });
    session.Tree().Select(Node(2));
    evaluation.IndicarDeficiencias1Click();
    const int deficiency = session.Table().count();
    EXPECT_EQ(Photos(deficiency), (PhotoList{{"D-0003.jpg", "pasillo"}}));

    entryDialogs.measureActions.push_back([](MeasureForm& form) {
        form.SetMeasure("Reponer");
        form.SetPhotos({{"R-0001.jpg", ""}, {"R-0002.jpg", "después"}});
        return true;
    });
    session.Tree().Select(Node(deficiency));
    evaluation.IndicarMedidasPrev1Click();
    EXPECT_EQ(Photos(session.Table().count()), (PhotoList{{"R-0001.jpg", ""}, {"R-0002.jpg", "después"}}));

    session.History().Undo();
    session.History().Undo();
    EXPECT_EQ(session.Table().count(), 4) << Bytes();
    session.History().Redo();
    EXPECT_EQ(Photos(deficiency), (PhotoList{{"D-0003.jpg", "pasillo"}}));
}

// A measure without photos keeps its line as it was when the entry dialog writes it.
TEST_F(PhotoEditing, AnEntryWithoutPhotosWritesNoField16) {
    entryDialogs.measureActions.push_back([](MeasureForm& form) {
        form.SetMeasure("Reponer");
        return true;
    });
    session.Tree().Select(Node(3));
    evaluation.IndicarMedidasPrev1Click();
    EXPECT_LT(Record(session.Table().count()).count(), kPhotoField);
}

}  // namespace
