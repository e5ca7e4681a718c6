#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "catalogue.h"
#include "cp1252.h"
#include "document_commands.h"
#include "document_session.h"
#include "kinds.h"
#include "questionnaire_assignment.h"
#include "questionnaire_selection_form.h"
#include "questionnaire_selection_port.h"
#include "scripted_port.h"
#include "shipped_catalogue.h"
#include "temp_dir.h"

namespace {

// A user who answers the selection dialog from a script and leaves a note of what it showed.
class ScriptedSelection : public QuestionnaireSelectionPort {
public:
    bool RunQuestionnaireSelection(QuestionnaireSelectionForm& form) override {
        ++shown;
        caption = cp1252::ToUtf8(form.Caption());
        available = Numbers(form.Available());
        selected = Numbers(form.Selected());
        date = form.date;
        return answer ? answer(form) : true;
    }

    static std::vector<std::string> Numbers(const std::vector<std::string>& entries) {
        std::vector<std::string> out;
        for (const std::string& entry : entries)
            out.push_back(entry.substr(0, 2));
        return out;
    }

    std::function<bool(QuestionnaireSelectionForm&)> answer;
    int shown = 0;
    std::string caption;
    std::vector<std::string> available;
    std::vector<std::string> selected;
    Date date;
};

int RowOf(const std::vector<std::string>& entries, const std::string& number) {
    for (std::size_t row = 0; row < entries.size(); ++row) {
        if (entries[row].compare(0, 2, number) == 0) return static_cast<int>(row);
    }
    return -1;
}

// Moves the numbered questionnaires to the selected list, takes others away, and accepts.
std::function<bool(QuestionnaireSelectionForm&)> Choose(std::vector<std::string> add,
                                                        std::vector<std::string> remove = {}) {
    return [add, remove](QuestionnaireSelectionForm& form) {
        for (const std::string& n : add)
            form.Select(RowOf(form.Available(), n));
        for (const std::string& n : remove)
            form.Deselect(RowOf(form.Selected(), n));
        return true;
    };
}

struct QuestionnaireAssignmentTest : ::testing::Test {
    QuestionnaireAssignmentTest() {
        EXPECT_EQ(LoadShippedCatalogue(catalogue), Catalogue::LoadResult::Loaded);
    }

    // A document from its lines, fields separated by '|' (slots in order from 1).
    void Load(const std::vector<std::string>& lines) {
        for (const std::string& line : lines) {
            std::string tabbed = W(line);
            for (char& c : tabbed) {
                if (c == '|') c = '\t';
            }
            auto record = std::make_unique<oToken>();
            record->ParseLine(tabbed);
            session.Table().Put(session.Table().count() + 1, std::move(record));
        }
        session.RebuildTree();
        session.SetModified(false);
    }

    void Assign(int slot) {
        session.Tree().Select(session.Table().Node(slot));
        command.AsignarCuestionarios1Click();
    }

    oToken& Record(int slot) { return *session.Table().Record(slot); }

    // The labels of a node's children, in order.
    std::vector<std::string> Children(int slot) {
        std::vector<std::string> out;
        for (const auto& child : session.Table().Node(slot)->children)
            out.push_back(cp1252::ToUtf8(child->text));
        return out;
    }

    std::string Title(int n) { return cp1252::ToUtf8(catalogue.QuestionnaireTitle(n)); }

    Catalogue catalogue;
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    ScriptedSelection dialog;
    QuestionnaireAssignment command{session, catalogue, dialog, port, dates};
};

}  // namespace

TEST_F(QuestionnaireAssignmentTest, AddsOneQuestionnaireAndRemovesAnotherWithItsBranch) {
    Load({"1|0|E|Firma||01/04/2026||||||10000010000000000000000", "2|1|C|00.- Gestión Preventiva",
          "3|1|C|06.- Instalación eléctrica", "4|3|D|1. Cuadros|reco", "5|4|R|Cambiar el cuadro",
          "6|1|Z|Taller"});
    dialog.answer = Choose({"05"}, {"06"});
    Assign(1);

    EXPECT_EQ(dialog.caption, "Selección de cuestionarios para Firma");
    EXPECT_EQ(dialog.selected, std::vector<std::string>({"00", "06"}));
    EXPECT_EQ(dialog.date, (Date{2026, 4, 1}));
    EXPECT_EQ(Record(1).GetField(field::kAssignmentFlags), "10000100000000000000000");
    EXPECT_TRUE(session.Modified());

    // The old 06 with its deficiency and measure is gone from the tree and the table.
    for (int slot : {3, 4, 5}) {
        EXPECT_EQ(session.Table().Record(slot), nullptr) << slot;
        EXPECT_EQ(session.Table().Node(slot), nullptr) << slot;
    }
    // The new 05 goes after the existing children, with the parent's date.
    EXPECT_EQ(Children(1), std::vector<std::string>({"00.- Gestión Preventiva", "Taller", Title(5)}));
    EXPECT_EQ(Title(5), "05.- Manipulación de objetos");
    ASSERT_EQ(session.Table().count(), 7);
    const oToken& added = Record(7);
    EXPECT_EQ(added.GetField(field::kSlot), "7");
    EXPECT_EQ(added.GetField(field::kParent), "1");
    EXPECT_EQ(added.GetField(field::kKind), "C");
    EXPECT_EQ(cp1252::ToUtf8(added.GetField(field::kTitle)), Title(5));
    EXPECT_EQ(added.GetField(field::kPlannedDate), "01/04/2026");
    const TreeNode* node = session.Table().Node(7);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->record, &added);
    EXPECT_EQ(node->icon, icon::kQuestionnaire);
    EXPECT_EQ(node->parent, session.Table().Node(1));
    EXPECT_TRUE(port.messages.empty());

    // Nothing of the removed branch is saved.
    TempDir dir;
    DocumentCommands commands(session, port, dates);
    ASSERT_TRUE(commands.SaveDocument(dir.File("doc.kl3")));
    const std::string saved = cp1252::ToUtf8(ReadFile(dir.File("doc.kl3")));
    EXPECT_EQ(saved.find("06.-"), std::string::npos);
    EXPECT_EQ(saved.find("Cuadros"), std::string::npos);
    EXPECT_NE(saved.find("4\t1\tC\t05.- Manipulación de objetos\t\t01/04/2026\r\n"), std::string::npos)
        << saved;
}

TEST_F(QuestionnaireAssignmentTest, NewQuestionnairesFollowInNumberOrder) {
    Load({"1|0|Z|Zona||||||||00000000000000000000000", "2|1|P|Puesto"});
    dialog.answer = Choose({"12", "03", "07"});
    Assign(1);
    EXPECT_EQ(Children(1), std::vector<std::string>({"Puesto", Title(3), Title(7), Title(12)}));
    EXPECT_EQ(Record(1).GetField(field::kAssignmentFlags), "00010001000010000000000");
}

TEST_F(QuestionnaireAssignmentTest, AcceptingUnchangedRewritesFlagsAndDateOnly) {
    Load({"1|0|P|Puesto"});
    Assign(1);
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_EQ(dialog.date, dates.today) << "an empty date shows today";
    EXPECT_EQ(Record(1).GetField(field::kAssignmentFlags), "00000000000000000000000");
    EXPECT_EQ(Record(1).GetField(field::kPlannedDate), "15/03/2026");
    EXPECT_TRUE(session.Modified());
    EXPECT_TRUE(Children(1).empty());
    EXPECT_EQ(session.Table().count(), 1);
}

TEST_F(QuestionnaireAssignmentTest, AStoredDateIsShownAndWrittenInTheShortFormat) {
    Load({"1|0|Z|Zona||1/4/26"});
    Assign(1);
    EXPECT_EQ(dialog.date, (Date{2026, 4, 1}));
    EXPECT_EQ(Record(1).GetField(field::kPlannedDate), "01/04/2026");

    dialog.answer = [](QuestionnaireSelectionForm& form) {
        form.date = {2027, 12, 31};
        return true;
    };
    Assign(1);
    EXPECT_EQ(Record(1).GetField(field::kPlannedDate), "31/12/2027");
}

TEST_F(QuestionnaireAssignmentTest, EmptyFlagsShowAnExistingQuestionnaireAsAvailable) {
    Load({"1|0|Z|Zona", "2|1|C|03.- Elevación y transporte"});
    Assign(1);
    EXPECT_TRUE(dialog.selected.empty());
    EXPECT_EQ(dialog.available.size(), 23u);
    EXPECT_EQ(Children(1), std::vector<std::string>({"03.- Elevación y transporte"}));
    EXPECT_EQ(session.Table().count(), 2);
}

TEST_F(QuestionnaireAssignmentTest, OnlyTheFirst23FlagsCount) {
    Load({"1|0|E|Firma||||||||1000000000000000000000111", "2|1|C|00.- Gestión Preventiva"});
    Assign(1);
    EXPECT_EQ(dialog.selected, std::vector<std::string>({"00", "22"}));
    EXPECT_EQ(Record(1).GetField(field::kAssignmentFlags), "10000000000000000000001");
    EXPECT_EQ(Children(1), std::vector<std::string>({"00.- Gestión Preventiva"}));
    EXPECT_EQ(session.Table().count(), 2) << "the differing length adds nothing";
}

TEST_F(QuestionnaireAssignmentTest, WhichExistingNodeATakenAwayQuestionnaireRemoves) {
    // Two children with the same number: the later one is removed. A title without digits
    // counts as 00. A flag without a node removes nothing.
    Load({"1|0|E|Firma||||||||10100001000000000000000", "2|1|C|02.- Primero", "3|1|C|Sin número",
          "4|1|C|02.- Segundo", "5|1|Z|Zona"});
    dialog.answer = Choose({}, {"00", "02", "07"});
    Assign(1);
    EXPECT_EQ(Children(1), std::vector<std::string>({"02.- Primero", "Zona"}));
    EXPECT_EQ(session.Table().Record(3), nullptr);
    EXPECT_EQ(session.Table().Record(4), nullptr);
    EXPECT_EQ(Record(1).GetField(field::kAssignmentFlags), "00000000000000000000000");
    EXPECT_TRUE(port.messages.empty());
    EXPECT_TRUE(port.errors.empty());
}

TEST_F(QuestionnaireAssignmentTest, AnUnreadableDateStopsBeforeTheDialog) {
    Load({"1|0|Z|Zona||31/02/2026||||||01"});
    dialog.answer = Choose({"05"});
    Assign(1);
    EXPECT_EQ(dialog.shown, 0);
    EXPECT_EQ(port.errors, std::vector<std::string>({"'31/02/2026' is not a valid date"}));
    EXPECT_EQ(Record(1).GetField(field::kPlannedDate), "31/02/2026");
    EXPECT_EQ(Record(1).GetField(field::kAssignmentFlags), "01");
    EXPECT_FALSE(session.Modified());
    EXPECT_EQ(session.Table().count(), 1);
}

TEST_F(QuestionnaireAssignmentTest, OnlyFirmsZonesAndWorkstationsTakeQuestionnaires) {
    Load({"1|0|E|Firma", "2|1|C|00.- Gestión Preventiva", "3|2|D|1. Algo", "4|3|R|Medida"});
    for (int slot : {2, 3, 4}) {
        Assign(slot);
    }
    EXPECT_EQ(port.messages, std::vector<std::string>(3, "Error: No puede ser"));
    session.Tree().Select(nullptr);
    command.AsignarCuestionarios1Click();
    EXPECT_EQ(port.messages.size(), 3u) << "nothing selected: nothing happens";
    EXPECT_EQ(dialog.shown, 0);
    EXPECT_FALSE(session.Modified());
}

TEST_F(QuestionnaireAssignmentTest, CancelChangesNothing) {
    Load({"1|0|E|Firma||01/04/2026||||||10000000000000000000000", "2|1|C|00.- Gestión Preventiva"});
    dialog.answer = [](QuestionnaireSelectionForm& form) {
        form.SelectAll();
        form.date = {2030, 1, 1};
        return false;
    };
    Assign(1);
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_EQ(Record(1).GetField(field::kAssignmentFlags), "10000000000000000000000");
    EXPECT_EQ(Record(1).GetField(field::kPlannedDate), "01/04/2026");
    EXPECT_EQ(Children(1), std::vector<std::string>({"00.- Gestión Preventiva"}));
    EXPECT_FALSE(session.Modified());
}

TEST_F(QuestionnaireAssignmentTest, AFullTableLeavesQuestionnairesOutAndClearsTheirFlags) {
    std::vector<std::string> lines = {"1|0|E|Firma||01/04/2026||||||10000000000000000000000",
                                      "2|1|C|00.- Gestión Preventiva"};
    for (int slot = 3; slot <= NodeTable::kCapacity - 1; ++slot)
        lines.push_back(std::to_string(slot) + "|1|Z|Zona");
    Load(lines);
    ASSERT_EQ(session.Table().count(), NodeTable::kCapacity - 1);

    dialog.answer = Choose({"03", "04", "05"}, {"00"});
    Assign(1);
    // The removal frees a slot that is not reused; 03 takes the last slot, 04 and 05 find none.
    EXPECT_EQ(port.messages, std::vector<std::string>(2, "ERROR.- Alcanzado el máximo"));
    EXPECT_EQ(session.Table().Record(2), nullptr);
    EXPECT_EQ(cp1252::ToUtf8(Record(NodeTable::kCapacity).GetField(field::kTitle)), Title(3));
    EXPECT_EQ(Children(1).back(), Title(3));
    EXPECT_EQ(Record(1).GetField(field::kAssignmentFlags), "00010000000000000000000");
    EXPECT_TRUE(session.Modified());
}
