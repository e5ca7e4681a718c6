#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "catalogue.h"
#include "cp1252.h"
#include "document_lines.h"
#include "load_messages.h"
#include "scripted_port.h"
#include "temp_dir.h"

namespace {

using Lines = std::vector<std::string>;

// The catalogue file made of the given lines (UTF-8 in the test, Windows-1252 in the file).
std::string File(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += W(line) + "\r\n";
    return bytes;
}

struct CatalogueTest : ::testing::Test {
    Catalogue catalogue;
    ScriptedPort port;

    void Load(const Lines& lines) { catalogue.LoadFromBytes(File(lines), port); }
};

Lines Repeated(const std::string& prefix, int count, const std::string& text) {
    Lines lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(prefix + (i < 10 ? "0" : "") + std::to_string(i) + text + std::to_string(i));
    return lines;
}

Lines Concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace

TEST_F(CatalogueTest, ItemsAreNumberedByTheirOrderAndTakeTheirLatestDegreeLine) {
    Load({"GSeguridad", "C00Gestión Preventiva", "07¿Primera?", "DRecomendación uno", "MRecomendación dos",
          "01¿Segunda?", "03¿Tercera?", "NTercera rec", "12", "N"});
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(U(catalogue.QuestionnaireTitle(0)), "00.- Gestión Preventiva");
    EXPECT_EQ(catalogue.ItemCount(0), 4);
    EXPECT_EQ(U(catalogue.ItemText(0, 1)), "¿Primera?") << "the number written in the line is not read";
    EXPECT_EQ(catalogue.ItemDegree(0, 1), 'M') << "a second degree line replaces the first";
    EXPECT_EQ(U(catalogue.ItemRecommendation(0, 1)), "Recomendación dos");
    EXPECT_EQ(catalogue.ItemDegree(0, 2), '\0') << "an item without a degree line";
    EXPECT_EQ(catalogue.ItemRecommendation(0, 2), "");
    EXPECT_EQ(catalogue.ItemDegree(0, 3), 'N');
    EXPECT_EQ(catalogue.ItemText(0, 4), "") << "a line of two characters is an empty item";
    EXPECT_EQ(catalogue.ItemDegree(0, 4), 'N');
    EXPECT_EQ(catalogue.ItemRecommendation(0, 4), "");
}

TEST_F(CatalogueTest, TextsKeepTheirBytesExactly) {
    catalogue.LoadFromBytes("GGRUPO \xC1\r\nC00Gesti\xF3n\x81\r\n01\xBFS\xED?\x9D\r\nD\x80 100\r\n", port);
    EXPECT_EQ(catalogue.GroupName(0), "GRUPO \xC1");
    EXPECT_EQ(catalogue.QuestionnaireTitle(0), "00.- Gesti\xF3n\x81");
    EXPECT_EQ(catalogue.ItemText(0, 1), "\xBFS\xED?\x9D");
    EXPECT_EQ(catalogue.ItemRecommendation(0, 1), "\x80 100");
}

TEST_F(CatalogueTest, NoteLinesAreTakenWholeWhateverTheyBeginWith) {
    Load({"C00Uno", "VIgnored", "GNot a group", "C01Not a questionnaire", "01Not an item", "01Item", "DRec"});
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(catalogue.Note(0, 1), "GNot a group");
    EXPECT_EQ(catalogue.Note(0, 2), "C01Not a questionnaire");
    EXPECT_EQ(catalogue.Note(0, 3), "01Not an item");
    EXPECT_EQ(catalogue.GroupName(0), "");
    EXPECT_EQ(catalogue.ItemCount(0), 1);
    EXPECT_EQ(catalogue.ItemText(0, 1), "Item");
    EXPECT_EQ(catalogue.QuestionnaireTitle(1), ".- ");
}

TEST_F(CatalogueTest, NoteLinesMissingAtTheEndAreEmpty) {
    Load({"C00Uno", "01Item", "DRec", "V", "Only note"});
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(catalogue.Note(0, 1), "Only note");
    EXPECT_EQ(catalogue.Note(0, 2), "");
    EXPECT_EQ(catalogue.Note(0, 3), "");
    EXPECT_EQ(catalogue.ItemCount(0), 1);
    EXPECT_EQ(catalogue.ItemDegree(0, 1), 'D');

    Load({"C00Uno", "V"});
    EXPECT_EQ(catalogue.Note(0, 1), "");
    EXPECT_EQ(U(catalogue.QuestionnaireTitle(0)), "00.- Uno");
}

TEST_F(CatalogueTest, UnrecognisedLinesAreReportedAndSkipped) {
    catalogue.LoadFromBytes(
        "GGrupo\r\nC00Uno\r\n01Antes\r\ncuestionario\r\n "
        "blanco\r\n\ttabulador\r\n\r\nXotro\r\nDRec\r\n02Despu"
        "\xE9s\r\n",
        port);
    EXPECT_EQ(port.messages, std::vector<std::string>({"ERROR EN uestionario", "ERROR EN blanco",
                                                       "ERROR EN tabulador", "ERROR EN ", "ERROR EN otro"}));
    EXPECT_EQ(catalogue.ItemCount(0), 2);
    EXPECT_EQ(catalogue.ItemText(0, 1), "Antes");
    EXPECT_EQ(catalogue.ItemDegree(0, 1), 'D') << "the degree line still belongs to the item before";
    EXPECT_EQ(U(catalogue.ItemText(0, 2)), "Después");
    EXPECT_EQ(catalogue.GroupName(0), "Grupo");
}

TEST_F(CatalogueTest, LookupsOutOfRangeGiveTheFixedTexts) {
    Load({"GPrimero", "C00Uno", "01Item", "DRec"});
    for (int q : {-1, 23}) {
        EXPECT_EQ(U(catalogue.QuestionnaireTitle(q)), "NÚMERO DE CUESTIONARIO ERRÓNEO") << q;
        EXPECT_EQ(U(catalogue.QuestionnaireGroupName(q)), "GRUPO ERRÓNEO") << q;
        EXPECT_EQ(U(catalogue.ItemText(q, 1)), "ITEM ERRÓNEO") << q;
        EXPECT_EQ(U(catalogue.ItemRecommendation(q, 1)), "ITEM ERRÓNEO") << q;
        EXPECT_EQ(catalogue.ItemDegree(q, 1), 'E') << q;
    }
    for (int item : {0, 2, 29}) {
        EXPECT_EQ(U(catalogue.ItemText(0, item)), "ITEM ERRÓNEO") << item;
        EXPECT_EQ(U(catalogue.ItemRecommendation(0, item)), "ITEM ERRÓNEO") << item;
        EXPECT_EQ(catalogue.ItemDegree(0, item), 'E') << item;
    }
    EXPECT_EQ(U(catalogue.GroupName(-1)), "GRUPO ERRÓNEO");
    EXPECT_EQ(U(catalogue.GroupName(5)), "GRUPO ERRÓNEO");
    EXPECT_EQ(catalogue.GroupName(4), "") << "a slot that no group line filled";
}

TEST_F(CatalogueTest, QuestionnairesTakeTheLatestGroupAndUnfilledOnesGroupZero) {
    Load({"C00Sin grupo", "GPrimero", "C01Uno", "C02Dos", "GSegundo", "C03Tres"});
    EXPECT_EQ(U(catalogue.QuestionnaireGroupName(0)), "GRUPO ERRÓNEO") << "no group line before it";
    EXPECT_EQ(catalogue.QuestionnaireGroupName(1), "Primero");
    EXPECT_EQ(catalogue.QuestionnaireGroupName(2), "Primero");
    EXPECT_EQ(catalogue.QuestionnaireGroupName(3), "Segundo");
    // A questionnaire that no line reached.
    EXPECT_EQ(catalogue.QuestionnaireTitle(4), ".- ");
    EXPECT_EQ(catalogue.ItemCount(4), 0);
    EXPECT_EQ(U(catalogue.ItemText(4, 1)), "ITEM ERRÓNEO");
    EXPECT_EQ(catalogue.ItemDegree(4, 1), 'E');
    EXPECT_EQ(catalogue.QuestionnaireGroupName(22), "Primero");
}

TEST_F(CatalogueTest, TitlesAreSplitByPositionOnly) {
    Load({"CAbTítulo", "C7", "C", "C12"});
    EXPECT_EQ(U(catalogue.QuestionnaireTitle(0)), "Ab.- Título");
    EXPECT_EQ(catalogue.QuestionnaireTitle(1), "7.- ");
    EXPECT_EQ(catalogue.QuestionnaireTitle(2), ".- ");
    EXPECT_EQ(catalogue.QuestionnaireTitle(3), "12.- ");
}

TEST_F(CatalogueTest, ASixthGroupIsReportedAndChangesNoStoredGroup) {
    Load({"GUno", "GDos", "GTres", "GCuatro", "GCinco", "C00Cero", "GSeis", "C01Sexto"});
    EXPECT_EQ(port.messages, std::vector<std::string>({"ERROR EN Seis"}));
    EXPECT_EQ(catalogue.GroupName(4), "Cinco");
    EXPECT_EQ(catalogue.QuestionnaireGroupName(0), "Cinco");
    EXPECT_EQ(U(catalogue.QuestionnaireGroupName(1)), "GRUPO ERRÓNEO")
        << "a questionnaire after the rejected group line is not filed under the fifth";
    EXPECT_EQ(U(catalogue.QuestionnaireTitle(1)), "01.- Sexto");
}

TEST_F(CatalogueTest, LinesAfterA24thQuestionnaireAreReportedAndLeaveTheLastOneAlone) {
    Lines lines;
    for (int q = 0; q < 23; ++q)
        lines.push_back("C" + std::string(q < 10 ? "0" : "") + std::to_string(q) + "T");
    lines.insert(lines.end(), {"01Último", "MRec", "C23Sobrante", "DSin item", "01Item de más", "NRec de más",
                               "V", "n1", "n2", "n3"});
    Load(lines);
    EXPECT_EQ(port.messages,
              std::vector<std::string>({"ERROR EN 23Sobrante", "ERROR EN Sin item", "ERROR EN 1Item de más",
                                        "ERROR EN Rec de más", "ERROR EN "}));
    EXPECT_EQ(U(catalogue.QuestionnaireTitle(22)), "22.- T");
    EXPECT_EQ(catalogue.ItemCount(22), 1);
    EXPECT_EQ(U(catalogue.ItemText(22, 1)), "Último");
    EXPECT_EQ(catalogue.ItemDegree(22, 1), 'M');
    EXPECT_EQ(catalogue.ItemRecommendation(22, 1), "Rec");
    EXPECT_EQ(catalogue.Note(22, 1), "");
}

TEST_F(CatalogueTest, A29thItemAndItsDegreeLineAreReportedAndItem28Kept) {
    Lines items;
    for (const std::string& item : Repeated("", 28, "Item ")) {
        items.push_back(item);
        items.push_back("MRec " + item.substr(2));
    }
    Load(Concat({{"C00Uno"}, items, {"29Item 29", "DRec 29", "C01Dos", "01Otro", "NOtro rec"}}));
    EXPECT_EQ(port.messages, std::vector<std::string>({"ERROR EN 9Item 29", "ERROR EN Rec 29"}));
    EXPECT_EQ(catalogue.ItemCount(0), 28);
    EXPECT_EQ(catalogue.ItemText(0, 28), "Item 28");
    EXPECT_EQ(catalogue.ItemDegree(0, 28), 'M');
    EXPECT_EQ(catalogue.ItemRecommendation(0, 28), "Rec Item 28");
    EXPECT_EQ(catalogue.ItemText(1, 1), "Otro") << "the next questionnaire is read normally";
    EXPECT_EQ(catalogue.ItemDegree(1, 1), 'N');
}

TEST_F(CatalogueTest, LinesBeforeAnyQuestionnaireAreReported) {
    Load(
        {"GGrupo", "01Suelto", "DSuelta", "VNota suelta", "Cnota 1", "nota 2", "nota 3", "C00Uno", "01Item"});
    EXPECT_EQ(port.messages,
              std::vector<std::string>({"ERROR EN 1Suelto", "ERROR EN Suelta", "ERROR EN Nota suelta"}))
        << "the three lines after the note line are still taken as its notes, not dispatched";
    EXPECT_EQ(U(catalogue.QuestionnaireTitle(0)), "00.- Uno");
    EXPECT_EQ(catalogue.QuestionnaireTitle(1), ".- ");
    EXPECT_EQ(catalogue.ItemCount(0), 1);
    EXPECT_EQ(catalogue.Note(0, 1), "");
}

TEST_F(CatalogueTest, ADegreeLineBeforeTheFirstItemIsReportedAndTouchesNoEarlierItem) {
    Load({"C00Uno", "01Item", "DRec uno", "C01Dos", "NHuérfana", "01Item dos"});
    EXPECT_EQ(port.messages, std::vector<std::string>({"ERROR EN Huérfana"}));
    EXPECT_EQ(catalogue.ItemDegree(0, 1), 'D');
    EXPECT_EQ(catalogue.ItemRecommendation(0, 1), "Rec uno");
    EXPECT_EQ(catalogue.ItemDegree(1, 1), '\0');
    EXPECT_EQ(catalogue.ItemRecommendation(1, 1), "");
}

TEST_F(CatalogueTest, LoadingAgainStartsFromAnEmptyCatalogue) {
    Load({"GGrupo", "C00Uno", "01Item", "DRec", "C01Dos"});
    Load({"C00Otro"});
    EXPECT_EQ(catalogue.GroupName(0), "");
    EXPECT_EQ(catalogue.ItemCount(0), 0);
    EXPECT_EQ(catalogue.QuestionnaireTitle(1), ".- ");
}

TEST(CatalogueFile, MissingOrUnreadableFilesLeaveTheCatalogueAsItWas) {
    TempDir dir;
    ScriptedPort port;
    Catalogue catalogue;
    WriteFile(dir.File("C31.TXT"), "C00Uno\r\n01Item\r\n");
    ASSERT_EQ(catalogue.Load(dir.File("C31.TXT"), port), Catalogue::LoadResult::Loaded);
    EXPECT_EQ(catalogue.ItemText(0, 1), "Item");

    std::string error;
    EXPECT_EQ(catalogue.Load(dir.File("missing.TXT"), port, &error), Catalogue::LoadResult::NotFound);
    EXPECT_EQ(catalogue.Load(dir.path(), port, &error), Catalogue::LoadResult::NotFound) << "a folder";
    EXPECT_EQ(catalogue.ItemText(0, 1), "Item") << "no half-read catalogue";
    EXPECT_TRUE(port.messages.empty());
}

// A damaged catalogue shows the window's twenty boxes and then one that counts the rest.
TEST(CatalogueFile, TheWindowShowsTwentyMessagesAndThenHowManyMore) {
    TempDir dir;
    ScriptedPort port;
    port.messageLimit = LoadMessages::kShownOneByOne;
    std::string bytes = "C00Uno\r\n";
    for (int i = 0; i < 25; ++i)
        bytes += "xmal\r\n";
    WriteFile(dir.File("C31.TXT"), bytes + "01Item\r\n");
    Catalogue catalogue;
    ASSERT_EQ(catalogue.Load(dir.File("C31.TXT"), port), Catalogue::LoadResult::Loaded);
    ASSERT_EQ(port.messages.size(), 21u);
    EXPECT_EQ(port.messages[19], "ERROR EN mal");
    EXPECT_EQ(port.messages[20], "… y 5 avisos más");
    EXPECT_EQ(catalogue.ItemText(0, 1), "Item") << "the load goes on";
}
