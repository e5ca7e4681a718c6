#include <gtest/gtest.h>

#include "catalogue.h"
#include "editing_fixture.h"
#include "node_find.h"
#include "text_fold.h"
#include "view_commands.h"

namespace {

using node_find::Direction;

struct NodeFindTest : EditingFixture, ::testing::Test {
    // Firm > Nave (> Válvulas: questionnaire 01 > deficiency > measure), Almacén, 00.
    NodeFindTest() {
        LoadLines(session,
                  {
                      "1\t0\tE\tFirma\t\t\t\t\t\tObservación general",
                      "2\t1\tZ\tNave\t\t\t\t\t\tvalvula oculta",
                      "3\t2\tP\tVálvulas\t\t\tAna Núñez",
                      "4\t3\tC\t01.- Lugares de trabajo\tagentes: gasóleo",
                      "5\t4\tD\t2. Suelos\trecomendación genérica\t\t\t\t\t\t13021\t\tFuga de VALVULA",
                      "6\t5\tR\tCambiar junta\t\t\t\t01/02/2026",
                      "7\t1\tZ\tAlmacén",
                      "8\t1\tC\t00.- Gestión Preventiva",
                  });
    }
    // The slots of every node that matches, in the order Next visits them from the top.
    std::vector<int> Matches(const std::string& text) {
        session.Tree().Select(nullptr);
        std::vector<int> slots;
        for (;;) {
            const node_find::Result found = node_find::Find(session, W(text), Direction::kNext);
            if (!found.node) break;
            const int slot = session.Table().SlotOf(found.node->record);
            if (!slots.empty() && slot == slots.front()) break;
            EXPECT_EQ(found.position, static_cast<int>(slots.size()) + 1);
            slots.push_back(slot);
            session.Tree().Select(found.node);
        }
        return slots;
    }
};

}  // namespace

TEST(TextFold, CaseAndMarksGoAndTheLengthStays) {
    EXPECT_EQ(FoldForSearch(W("VÁLVULA Ñandú Çà ÿŸ Šž ºª 1/2")), W("valvula nandu ca yy sz ºª 1/2"));
    EXPECT_TRUE(ContainsFolded(FoldForSearch(W("Gestión")), FoldForSearch(W("GESTION"))));
    EXPECT_FALSE(ContainsFolded(FoldForSearch("Nave"), FoldForSearch("naves")));
}

// Every letter of Windows-1252 with a mark, capital and small, folds to its plain small letter.
TEST(TextFold, EveryMarkedLetterFolds) {
    const std::pair<const char*, const char*> letters[] = {
        {"ÀÁÂÃÄÅàáâãäå", "aaaaaaaaaaaa"},
        {"Çç", "cc"},
        {"ÈÉÊËèéêë", "eeeeeeee"},
        {"ÌÍÎÏìíîï", "iiiiiiii"},
        {"Ññ", "nn"},
        {"ÒÓÔÕÖØòóôõöø", "oooooooooooo"},
        {"ÙÚÛÜùúûü", "uuuuuuuu"},
        {"ÝýÿŸ", "yyyy"},
        {"Šš", "ss"},
        {"Žž", "zz"},
    };
    for (const auto& [marked, plain] : letters)
        EXPECT_EQ(FoldForSearch(W(marked)), plain) << marked;
    EXPECT_TRUE(ContainsFolded(FoldForSearch(W("MENÚ DEL DÍA")), FoldForSearch(W("menú del día"))));
    EXPECT_TRUE(ContainsFolded(FoldForSearch(W("menú")), FoldForSearch(W("MENÚ"))));
}

TEST_F(NodeFindTest, EveryFieldTheEditorShowsIsSearchedAndNoOther) {
    EXPECT_EQ(Matches("valvula"), (std::vector<int>{3, 5, 6})) << "name, deficiency text, its measure";
    EXPECT_EQ(Matches("NUÑEZ"), std::vector<int>{3}) << "technician";
    EXPECT_EQ(Matches("gasoleo"), std::vector<int>{4}) << "agents involved";
    EXPECT_EQ(Matches("genérica"), std::vector<int>{6}) << "shown by the measure's tree text only";
    EXPECT_EQ(Matches("01/02"), std::vector<int>{6}) << "completion date";
    EXPECT_EQ(Matches("observacion"), std::vector<int>{1}) << "the firm's observations";
    EXPECT_EQ(Matches("oculta"), std::vector<int>{}) << "a zone's observations are not shown";
    EXPECT_EQ(Matches(""), std::vector<int>{});
}

TEST_F(NodeFindTest, NextAndPreviousGoRoundFromTheSelectedNode) {
    session.Tree().Select(Node(5));
    node_find::Result found = node_find::Find(session, "a", Direction::kFromHere);
    EXPECT_EQ(found.node, Node(5)) << "a match stays where it is while the text is typed";
    const int count = found.count;
    EXPECT_EQ(count, 8);
    found = node_find::Find(session, W("almacén"), Direction::kFromHere);
    EXPECT_EQ(found.node, Node(7)) << "else the next match";

    session.Tree().Select(Node(8));
    found = node_find::Find(session, "nave", Direction::kNext);
    EXPECT_EQ(found.node, Node(2)) << "after the last, the first";
    EXPECT_EQ(found.position, 1);
    session.Tree().Select(Node(2));
    found = node_find::Find(session, W("válvula"), Direction::kPrevious);
    EXPECT_EQ(found.node, Node(6)) << "before the first, the last";
    EXPECT_EQ(found.position, 3);
    EXPECT_EQ(found.count, 3);
}

// From a node that does not match, "Buscar siguiente" goes to the first match after it and
// "Buscar anterior" to the last before it: none is skipped.
TEST_F(NodeFindTest, NextFromANodeThatDoesNotMatchSkipsNoMatch) {
    session.Tree().Select(Node(4));  // between matches 3 and 5
    node_find::Result found = node_find::Find(session, "valvula", Direction::kNext);
    EXPECT_EQ(found.node, Node(5));
    EXPECT_EQ(found.position, 2);
    found = node_find::Find(session, "valvula", Direction::kPrevious);
    EXPECT_EQ(found.node, Node(3));
    EXPECT_EQ(found.position, 1);
    session.Tree().Select(Node(7));  // after the last match
    EXPECT_EQ(node_find::Find(session, "valvula", Direction::kNext).node, Node(3));
    EXPECT_EQ(node_find::Find(session, "valvula", Direction::kPrevious).node, Node(6));
}

TEST_F(NodeFindTest, AViewIsSearchedInWhatItShows) {
    Catalogue catalogue;
    ShowView(session, catalogue, view::kTemporal);
    const node_find::Result found = node_find::Find(session, "pendiente", Direction::kFromHere);
    ASSERT_NE(found.node, nullptr);
    EXPECT_EQ(cp1252::ToUtf8(found.node->text), "Pendiente");
    EXPECT_EQ(found.count, 2) << "of the inspections and of the measures";
    EXPECT_EQ(node_find::Find(session, "Nave", Direction::kFromHere).count, 0) << "not shown here";
}
