#include <gtest/gtest.h>

#include "catalogue.h"
#include "checklist_answers.h"
#include "cp1252.h"
#include "otoken.h"
#include "scripted_port.h"

using checklist::Answer;
using checklist::ChecklistAnswers;

TEST(ChecklistAnswers, ReadsOneAnswerPerItemAndCountsThem) {
    const ChecklistAnswers answers("SNX S?", 6);
    EXPECT_EQ(answers.At(1), Answer::kYes);
    EXPECT_EQ(answers.At(2), Answer::kNo);
    EXPECT_EQ(answers.At(3), Answer::kNotApplicable);
    EXPECT_EQ(answers.At(4), Answer::kNone);
    EXPECT_EQ(answers.At(6), Answer::kNone) << "any other character is no answer";
    EXPECT_EQ(answers.At(0), Answer::kNone);
    EXPECT_EQ(answers.At(7), Answer::kNone);
    EXPECT_EQ(answers.Items(Answer::kYes), (std::vector<int>{1, 5}));
    EXPECT_EQ(answers.Counts(), (checklist::Tally{6, 2, 1, 1}));
    EXPECT_EQ(cp1252::ToUtf8(answers.Summary()), "Respondidos: 4 de 6 (Sí 2, No 1, No procede 1)");
    EXPECT_TRUE(answers.Stored());
    EXPECT_FALSE(ChecklistAnswers("", 6).Stored());
}

TEST(ChecklistAnswers, AChangedCatalogueLosesNoAnswer) {
    // More items than answers: the items after the text are not answered.
    const ChecklistAnswers more("SS", 4);
    EXPECT_EQ(more.Counts(), (checklist::Tally{4, 2, 0, 0}));
    EXPECT_EQ(checklist::StoredText({Answer::kYes, Answer::kYes, Answer::kNo, Answer::kNone}, "SS"), "SSN ");

    // Fewer items than answers: the answers beyond them are neither counted nor lost.
    const ChecklistAnswers fewer("SSNX", 2);
    EXPECT_EQ(fewer.Counts(), (checklist::Tally{2, 2, 0, 0}));
    EXPECT_TRUE(fewer.Counts().Compliant());
    EXPECT_EQ(fewer.At(3), Answer::kNone);
    EXPECT_EQ(checklist::StoredText({Answer::kNotApplicable, Answer::kYes}, "SSNX"), "XSNX");

    // Nothing answered is nothing stored, so a questionnaire keeps its line as it was.
    EXPECT_EQ(checklist::StoredText({Answer::kNone, Answer::kNone}, ""), "");
    EXPECT_EQ(checklist::StoredText({Answer::kNone, Answer::kNone}, "S "), "");
}

TEST(ChecklistAnswers, CompliantNeedsEveryItemAnsweredAndNoneNo) {
    EXPECT_TRUE(checklist::Count({Answer::kYes, Answer::kNotApplicable}).Compliant());
    EXPECT_FALSE(checklist::Count({Answer::kYes, Answer::kNone}).Compliant());
    EXPECT_FALSE(checklist::Count({Answer::kYes, Answer::kNo}).Compliant());
    EXPECT_FALSE(checklist::Count({}).Compliant()) << "a questionnaire without items checked nothing";
}

TEST(ChecklistAnswers, TheReportLineIsOnlyForAnsweredQuestionnaires) {
    ScriptedPort port;
    Catalogue catalogue;
    catalogue.LoadFromBytes("C00Uno\r\n01a\r\n02b\r\n03c\r\nC01Dos\r\n01d\r\n", port);
    oToken questionnaire;
    questionnaire.ParseLine("4\t3\tC\t00.- Uno\t\t\t\t\t\t\t1\t\t\tS X");
    EXPECT_EQ(cp1252::ToUtf8(checklist::ReportLine(questionnaire, catalogue)),
              "Respondidos: 2 de 3 (Sí 1, No 0, No procede 1)");
    EXPECT_EQ(ChecklistAnswers::Of(questionnaire, catalogue).ItemCount(), 3);

    questionnaire.SetField(field::kChecklistAnswers, "");
    EXPECT_EQ(checklist::ReportLine(questionnaire, catalogue), "") << "never answered";
    oToken zone;
    zone.ParseLine("2\t1\tZ\tNave\t\t\t\t\t\t\t\t\t\tSSS");
    EXPECT_EQ(checklist::ReportLine(zone, catalogue), "");
    oToken unnumbered;
    unnumbered.ParseLine("5\t1\tC\tsin número\t\t\t\t\t\t\t\t\t\tSSS");
    EXPECT_EQ(ChecklistAnswers::Of(unnumbered, catalogue).ItemCount(), 0);
}
