#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "cp1252.h"
#include "desktop_association.h"
#include "help_pages.h"
#include "help_topics.h"
#include "temp_dir.h"

namespace {

// The help pages that this build wrote.
const std::string kBuiltHelp = KALDO_BINARY_DIR "/share/kaldo/ayuda/";

}  // namespace

TEST(HelpContents, NestedEntriesWithTheirTargetsInOrder) {
    const std::string sitemap =
        W("<HTML><BODY><OBJECT type=\"text/site properties\"><param name=\"ImageType\" "
          "value=\"Folder\"></OBJECT>\n"
          "<UL>\n<LI> <OBJECT type=\"text/sitemap\">\n<param name=\"Name\" value=\"1. Presentación\">\n"
          "<param name=\"Local\" value=\"presentacion.htm\">\n</OBJECT>\n"
          "<UL>\n<LI> <OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Qu&eacute; &amp; c&#243;mo "
          "&#8364;\">"
          "<param name=\"Local\" value=\"presentacion.htm#que\"></OBJECT>\n</UL>\n"
          "<li> <object type='text/sitemap'><param name='local' value='ayuda.htm'><param name='name' "
          "value='2. Ayuda'>"
          "</object>\n</UL></BODY></HTML>\n");
    const std::vector<help::ContentsEntry> expected = {
        {0, W("1. Presentación"), "presentacion.htm"},
        {1, W("Qué & cómo €"), "presentacion.htm#que"},
        {0, "2. Ayuda", "ayuda.htm"},
    };
    EXPECT_EQ(help::ReadContents(sitemap), expected);
    EXPECT_EQ(help::PageOf("presentacion.htm#que"), "presentacion.htm");
}

TEST(HelpContents, EveryEntryAndEveryDialogsTopicIsABuiltPage) {
    const std::string sitemap = ReadFile(FilePath(kBuiltHelp + "kaldo31.hhc"));
    ASSERT_FALSE(sitemap.empty()) << "the build wrote no help pages";
    std::vector<std::string> targets;
    for (const help::ContentsEntry& entry : help::ReadContents(sitemap))
        targets.push_back(entry.target);
    EXPECT_GE(targets.size(), 19u);
    for (const char* window : {"frmDatos", "frmSelCuest", "frmRespuestas", "frmCuestionario", "frmMedida",
                               "frmPlan", "PrintDialog1", "frmSplash", "AboutBox", "frmRecuperar"})
        targets.push_back(help::TopicOf(window));
    for (const std::string& target : targets) {
        SCOPED_TRACE(target);
        const std::string page = ReadFile(FilePath(kBuiltHelp + help::PageOf(target)));
        ASSERT_FALSE(page.empty());
        const std::size_t hash = target.find('#');
        if (hash != std::string::npos)
            EXPECT_NE(page.find("<a name=\"" + target.substr(hash + 1) + "\">"), std::string::npos);
    }
    EXPECT_EQ(help::TopicOf("frmMain"), "") << "no page of its own: the first page";
}

TEST(HelpPages, AReaderSeesTextWithoutTagsTheHeadOrEntities) {
    EXPECT_EQ(help::PageText(W("<html><head><title>T&iacute;tulo</title><style>p {}</style></head>\n"
                               "<body><h1>Men&uacute;   <b>Edici&oacute;n</b></h1>\n<p>a &lt; b &amp;&amp; "
                               "&#8220;c&#8221;&nbsp;&#x41;&#9731;</p></body></html>")),
              W("Menú Edición a < b && “c” A?"));
}

TEST(HelpSearch, AllWordsOnThePageIgnoringCaseAndAccentsTheMostFrequentFirst) {
    help::PageSearch search;
    search.AddPage("a.htm", "A", W("Deshacer un paso. Deshacer otro. Válvula."));
    search.AddPage("b.htm", "B", W("Rehacer y deshacer una válvula"));
    search.AddPage("c.htm", "C", "Nada que ver");
    const auto hits = search.Search(W("DESHACER valvula"));
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].page, "a.htm");
    EXPECT_EQ(hits[0].occurrences, 3);
    EXPECT_EQ(hits[1].page, "b.htm");
    EXPECT_TRUE(search.Search("deshacer nada").empty()) << "every word must be on the page";
    EXPECT_TRUE(search.Search("   ").empty());
}

TEST(DesktopAssociation, OnlyGroupsThatNameProgramsCount) {
    const std::vector<std::string> types = {"application/rtf", "text/plain"};
    EXPECT_TRUE(desktop_association::ListNamesProgram("[MIME Cache]\ntext/plain=vim.desktop;\n", types));
    EXPECT_TRUE(desktop_association::ListNamesProgram(
        "[Default Applications]\r\napplication/rtf=libreoffice-writer.desktop\r\n", types));
    EXPECT_FALSE(desktop_association::ListNamesProgram(
        "[Removed Associations]\napplication/rtf=writer.desktop;\n", types));
    EXPECT_FALSE(desktop_association::ListNamesProgram("[Default Applications]\napplication/rtf=\n", types));
    EXPECT_FALSE(
        desktop_association::ListNamesProgram("[MIME Cache]\napplication/rtfx=writer.desktop;\n", types));
}

