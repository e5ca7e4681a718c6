#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>

#include "shipped_fonts.h"
#include "temp_dir.h"
#include "text_codec.h"

namespace {

const char kDejaVuSans[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// A folder like the Windows package's fonts/: a copy of the printouts' font and a file that
// only looks like a font.
struct FontFolder {
    TempDir dir;
    QString path = PathToQt(dir.path());
    FontFolder() {
        QFile::copy(kDejaVuSans, path + "/DejaVuSans.ttf");
        WriteFile(dir.File("roto.ttf"), "no es una fuente");
    }
};

}  // namespace

TEST(ShippedFonts, AFamilyTheSystemLacksIsAddedAndOneItHasIsLeft) {
    ASSERT_TRUE(QFile::exists(kDejaVuSans));
    FontFolder folder;
    // As on Windows, where no system font is DejaVu.
    EXPECT_EQ(AddMissingFonts(folder.path, {"Arial", "Tahoma"}), QStringList{"DejaVu Sans"});
    // As on Linux.
    EXPECT_EQ(AddMissingFonts(folder.path, {"DejaVu Sans", "Liberation Serif"}), QStringList{});
    EXPECT_EQ(AddMissingFonts(folder.path + "/no-existe", {}), QStringList{});
}

TEST(ShippedFonts, WithoutTheDataFolderNothingIsAdded) {
    // The build tree has no share/kaldo/fonts beside the tests.
    EXPECT_EQ(AddShippedFonts(), QStringList{});
}
