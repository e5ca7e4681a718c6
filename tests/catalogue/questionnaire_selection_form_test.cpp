#include <gtest/gtest.h>

#include "cp1252.h"
#include "questionnaire_selection_form.h"

namespace {

using Numbers = std::vector<std::string>;

// The two-digit numbers of a list's entries.
Numbers NumbersOf(const std::vector<std::string>& entries) {
    Numbers out;
    for (const std::string& entry : entries)
        out.push_back(entry.substr(0, 2));
    return out;
}

int RowOf(const std::vector<std::string>& entries, const std::string& number) {
    for (std::size_t row = 0; row < entries.size(); ++row) {
        if (entries[row].compare(0, 2, number) == 0) return static_cast<int>(row);
    }
    return -1;
}

const Date kDate{2026, 4, 1};

}  // namespace

TEST(QuestionnaireSelectionForm, StartsWithEveryQuestionnaireAvailable) {
    QuestionnaireSelectionForm form(W("Almacén"), "", kDate);
    EXPECT_EQ(cp1252::ToUtf8(form.Caption()), "Selección de cuestionarios para Almacén");
    ASSERT_EQ(form.Available().size(), 23u);
    EXPECT_TRUE(form.Selected().empty());
    for (int n = 0; n < 23; ++n) {
        const std::string number = {char('0' + n / 10), char('0' + n % 10)};
        EXPECT_EQ(NumbersOf(form.Available())[n], number);
    }
    EXPECT_EQ(cp1252::ToUtf8(form.Available()[0]), "00.- Gestión Preventiva");
    EXPECT_EQ(cp1252::ToUtf8(form.Available()[10]), "10.- Agentes químicos. Exposición");
    EXPECT_EQ(cp1252::ToUtf8(form.Available()[22]), "22.- Factores de organización");
    EXPECT_EQ(form.date, kDate);
    EXPECT_EQ(form.Flags(), "00000000000000000000000");
}

TEST(QuestionnaireSelectionForm, FlagsChooseTheEntriesThatStartSelected) {
    QuestionnaireSelectionForm form("Z", "00000110000000000000001", kDate);
    EXPECT_EQ(NumbersOf(form.Selected()), Numbers({"05", "06", "22"}));
    EXPECT_EQ(form.Available().size(), 20u);
    EXPECT_EQ(RowOf(form.Available(), "05"), -1);

    // Only the first 23 characters count, and only '1' means assigned.
    QuestionnaireSelectionForm longer("Z", "1x2000000000000000000000111", kDate);
    EXPECT_EQ(NumbersOf(longer.Selected()), Numbers({"00"}));
    EXPECT_EQ(longer.Flags(), "10000000000000000000000");
    QuestionnaireSelectionForm shorter("Z", "001", kDate);
    EXPECT_EQ(NumbersOf(shorter.Selected()), Numbers({"02"}));
    EXPECT_EQ(shorter.Flags(), "00100000000000000000000");
}

TEST(QuestionnaireSelectionForm, MovesKeepBothListsInNumberOrder) {
    QuestionnaireSelectionForm form("Z", "", kDate);
    form.Select(RowOf(form.Available(), "10"));
    form.Select(RowOf(form.Available(), "02"));
    form.Select(RowOf(form.Available(), "22"));
    EXPECT_EQ(NumbersOf(form.Selected()), Numbers({"02", "10", "22"}));
    EXPECT_EQ(form.Flags(), "00100000001000000000001");

    form.Deselect(RowOf(form.Selected(), "10"));
    EXPECT_EQ(NumbersOf(form.Selected()), Numbers({"02", "22"}));
    EXPECT_EQ(NumbersOf(form.Available())[8], "09");
    EXPECT_EQ(NumbersOf(form.Available())[9], "10") << "back in its place";

    form.SelectAll();
    EXPECT_TRUE(form.Available().empty());
    EXPECT_EQ(form.Selected().size(), 23u);
    EXPECT_EQ(form.Flags(), "11111111111111111111111");
    EXPECT_EQ(NumbersOf(form.Selected())[10], "10");

    form.DeselectAll();
    EXPECT_TRUE(form.Selected().empty());
    EXPECT_EQ(NumbersOf(form.Available()), NumbersOf(QuestionnaireSelectionForm::FixedEntries()));
}

TEST(QuestionnaireSelectionForm, MovingASingleEntryNeedsOneSelected) {
    QuestionnaireSelectionForm form("Z", "01", kDate);
    const auto available = form.Available();
    const auto selected = form.Selected();
    for (int row : {-1, 22, 100}) {
        form.Select(row);
        form.Deselect(row == 22 ? 1 : row);
    }
    EXPECT_EQ(form.Available(), available);
    EXPECT_EQ(form.Selected(), selected);
}
