#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "catalogue.h"
#include "cp1252.h"
#include "documentation_text.h"
#include "evaluation_texts.h"
#include "main_window.h"
#include "scripted_port.h"
#include "texts.h"

namespace {

// A caption as the menu shows it: "&" marks the accelerator, "&&" is an ampersand.
std::string Shown(const QString& caption) {
    QString shown = caption;
    shown.replace("&&", QChar(0x1F)).remove('&').replace(QChar(0x1F), '&');
    return shown.toStdString();
}

struct DocumentationTest : ::testing::Test {
    const std::string manual = ManualText();
    const std::string help = HelpText();
};

}  // namespace

TEST_F(DocumentationTest, TheBuiltManualAndHelpAreReadableText) {
    ASSERT_FALSE(manual.empty()) << "the build wrote no manual";
    ASSERT_FALSE(help.empty()) << "the build wrote no help pages";
    for (const std::string* text : {&manual, &help}) {
        EXPECT_NE(text->find("El método de valoración"), std::string::npos);
        EXPECT_EQ(text->find("89504e47"), std::string::npos) << "picture data read as text";
        EXPECT_EQ(text->find("\\par"), std::string::npos) << "control words read as text";
        EXPECT_EQ(text->find("<p"), std::string::npos) << "tags read as text";
    }
}

TEST_F(DocumentationTest, EveryMenuAndContextMenuEntryIsExplained) {
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window(catalogue, &port, &dates);
    QList<QAction*> entries;
    for (QAction* menu : window.menuBar()->actions()) {
        entries << menu << menu->menu()->actions();
    }
    entries << window.PopupMenu1->actions();
    int checked = 0;
    for (const QAction* entry : entries) {
        if (entry->isSeparator()) continue;
        const std::string caption = Shown(entry->text());
        EXPECT_NE(manual.find(caption), std::string::npos) << "the manual does not explain " << caption;
        EXPECT_NE(help.find(caption), std::string::npos) << "the help does not explain " << caption;
        ++checked;
    }
    EXPECT_EQ(checked, 4 + 12 + 5 + 6 + 5 + 10);
}

TEST_F(DocumentationTest, TheProgramsMessagesAreQuotedExactly) {
    std::vector<std::string> messages = {CatalogueNotFoundMessage()};
    for (const std::string& message :
         {text::kMaximum, text::kBadLine, text::kBadParent, text::kNotADocument, text::kWrongKind,
          text::kSaveQuestion, text::kSaveCaption, text::kNoPlaceForDeficiencies, text::kNoPlaceForMeasures,
          text::kNotFromQuestionnaire})
        messages.push_back(cp1252::ToUtf8(message));
    for (const std::string& shown : messages) {
        EXPECT_NE(manual.find(shown), std::string::npos) << shown;
        EXPECT_NE(help.find(shown), std::string::npos) << shown;
    }
}

// Every command that changes the document can be undone; neither text may say otherwise.
TEST_F(DocumentationTest, NoCommandIsSaidToBeBeyondUndo) {
    for (const std::string* text : {&manual, &help}) {
        EXPECT_EQ(text->find("no se puede deshacer"), std::string::npos);
        EXPECT_NE(text->find("El borrado se puede deshacer"), std::string::npos);
    }
}
