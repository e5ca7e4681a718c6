#include <gtest/gtest.h>

#include <algorithm>

#include "cp1252.h"
#include "day_count.h"
#include "fixed_dates.h"
#include "overview_csv.h"
#include "overview_table.h"

using overview::Column;
using overview::DocumentFigures;

namespace {

DocumentFigures Firm(const std::string& name, const std::string& taxId = "", const std::string& review = "") {
    DocumentFigures f;
    f.firm = W(name);
    f.taxId = taxId;
    f.fileName = name + ".kl3";
    FixedDates dates;
    f.nextReview = {review, review.empty() ? std::nullopt : dates.FromText(review)};
    return f;
}

DocumentFigures Unreadable(const std::string& file) {
    DocumentFigures f;
    f.fileName = file;
    f.error = W("Fichero erróneo");
    return f;
}

}  // namespace

TEST(DayCount, CountsDaysAcrossMonthsLeapYearsAndTheEpoch) {
    EXPECT_EQ(overview::DayNumber({1970, 1, 1}), 0);
    EXPECT_EQ(overview::DayNumber({1969, 12, 31}), -1);
    EXPECT_EQ(overview::DayNumber({2000, 3, 1}), 11017);
    EXPECT_EQ(overview::DaysBetween({2024, 2, 28}, {2024, 3, 1}), 2);
    EXPECT_EQ(overview::DaysBetween({2026, 2, 28}, {2026, 3, 1}), 1);
    EXPECT_EQ(overview::DaysBetween({2026, 12, 31}, {2027, 1, 1}), 1);
    EXPECT_EQ(overview::DaysBetween({2026, 12, 8}, {2026, 11, 1}), -37);
}

TEST(OverviewReview, PassedBeforeTheDateSoonWithinThirtyDaysThenLater) {
    const Date asOf{2026, 12, 8};
    EXPECT_EQ(overview::ReviewOf(Firm("a", "", "07/12/2026"), asOf), overview::Review::kPassed);
    EXPECT_EQ(overview::ReviewOf(Firm("a", "", "08/12/2026"), asOf), overview::Review::kSoon);
    EXPECT_EQ(overview::ReviewOf(Firm("a", "", "07/01/2027"), asOf), overview::Review::kSoon);
    EXPECT_EQ(overview::ReviewOf(Firm("a", "", "08/01/2027"), asOf), overview::Review::kLater);
    EXPECT_EQ(overview::ReviewOf(Firm("a"), asOf), overview::Review::kNone);
    EXPECT_EQ(overview::ReviewOf(Firm("a", "", "pronto"), asOf), overview::Review::kNone);
}

TEST(OverviewSearch, FindsEveryWordInFirmTaxIdFileOrReasonWhateverTheAccents) {
    const DocumentFigures firm = Firm("Carpintería Ruiz", "B11111111");
    EXPECT_TRUE(overview::Matches(firm, "carpinteria"));
    EXPECT_TRUE(overview::Matches(firm, W("RUÍZ  carp")));
    EXPECT_TRUE(overview::Matches(firm, "b1111"));
    EXPECT_TRUE(overview::Matches(firm, ""));
    EXPECT_FALSE(overview::Matches(firm, "ruiz norte"));
    EXPECT_TRUE(overview::Matches(Unreadable("x.kl3"), "erroneo"));
}

TEST(OverviewOrder, CountsAndDatesByValueUnreadableFirstTextsAsAReaderOrdersThem) {
    std::vector<DocumentFigures> rows = {Firm("Zapatería", "", "01/02/2027"), Firm("álamo", "", "15/01/2027"),
                                        Unreadable("roto.kl3"), Firm("Bar Centro")};
    rows[0].deficiencies[0] = 10;
    rows[1].deficiencies[0] = 2;
    const auto order = [&](Column column) {
        std::vector<const DocumentFigures*> sorted;
        for (const auto& r : rows)
            sorted.push_back(&r);
        std::stable_sort(sorted.begin(), sorted.end(), [&](auto* a, auto* b) {
            return overview::Compare(*a, *b, column) < 0;
        });
        std::string names;
        for (const auto* r : sorted)
            names += r->fileName + ' ';
        return names;
    };
    EXPECT_EQ(order(Column::kCritical), "roto.kl3 Bar Centro.kl3 álamo.kl3 Zapatería.kl3 ");
    EXPECT_EQ(order(Column::kNextReview), "roto.kl3 Bar Centro.kl3 álamo.kl3 Zapatería.kl3 ");
    EXPECT_EQ(order(Column::kFirm), "roto.kl3 álamo.kl3 Bar Centro.kl3 Zapatería.kl3 ");
}

TEST(OverviewTotals, SumTheReadableDocumentsAndCountTheOthers) {
    DocumentFigures a = Firm("a"), b = Firm("b");
    a.deficiencies = {1, 2, 0, 0, 1};
    a.overdue = 3;
    b.deficiencies = {0, 1, 0, 0, 0};
    b.done = 4;
    b.pendingPoints = 5;
    const overview::Totals totals = overview::Sum(std::vector<DocumentFigures>{a, b, Unreadable("c.kl3")});
    EXPECT_EQ(overview::TotalText(totals, Column::kFirm), "Total: 3 documentos");
    EXPECT_EQ(overview::TotalText(totals, Column::kToCorrect), "3");
    EXPECT_EQ(overview::TotalText(totals, Column::kOverdue), "3");
    EXPECT_EQ(overview::TotalText(totals, Column::kDone), "4");
    EXPECT_EQ(overview::TotalText(totals, Column::kPendingPoints), "5") << "only where the review exists";
    EXPECT_EQ(overview::TotalText(totals, Column::kNotes), "1 no se puede leer");
    EXPECT_EQ(overview::TotalText(overview::Sum(std::vector<DocumentFigures>{}), Column::kPendingPoints), "");
}

TEST(OverviewCsv, NeutralisesFormulasAndQuotesWhatNeedsIt) {
    overview::Overview o;
    o.documents = {Firm("=HYPERLINK(\"x\")", "+34"), Firm("Bar; Centro")};
    FixedDates dates;
    const std::string csv = overview::OverviewCsv(o, dates);
    EXPECT_NE(csv.find("\r\n\"'=HYPERLINK(\"\"x\"\")\";'+34;"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\n\"Bar; Centro\";;\"Bar; Centro.kl3\";"), std::string::npos) << csv;
}
