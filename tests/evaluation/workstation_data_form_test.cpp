#include <gtest/gtest.h>

#include "editing_fixture.h"
#include "kinds.h"

namespace {

// Firm > zone "Nave" > workstation "Torno" with 2 exposed workers.
struct WorkstationDataFormTest : EditingFixture, ::testing::Test {
    WorkstationDataFormTest() {
        LoadLines(session, {
                               "1\t0\tE\tFirma\t\t\t\t\t\t\t\t10000000000000000000000",
                               "2\t1\tZ\tNave",
                               "3\t2\tP\tTorno\t\t01/02/2026\t\t\t\t\t\t\t\t\t\texpuestos=2",
                           });
    }

    void Accept(int slot, const std::function<void(NodeDataValues&)>& entries) {
        auto form = Open(slot);
        entries(form->Values());
        ASSERT_FALSE(form->CheckFigures(form->Values()));
        form->Accept(session.Tree());
    }
};

}  // namespace

TEST_F(WorkstationDataFormTest, AWorkstationStoresItsTextsAndNamesAndOpensWithThem) {
    Accept(3, [](NodeDataValues& v) {
        v.workstation.protectiveEquipment = "Gafas\r\nGuantes";
        v.workstation.training = "Curso de torno";
        v.workstation.healthSurveillance = "Ruido";
        v.workstation.workers = "Ana\r\nLuis";
    });
    EXPECT_EQ(cp1252::ToUtf8(Record(3).WriteLine()),
              "3\t2\tP\tTorno\t\t01/02/2026\t\t\t\t\tAna~~Luis\t\tGafas~~Guantes\tCurso de torno\tRuido\t"
              "expuestos=2\r\n");
    const auto form = Open(3);
    EXPECT_EQ(form->Values().workstation.workers, "Ana\r\nLuis");
    EXPECT_EQ(form->Values().workstation.protectiveEquipment, "Gafas\r\nGuantes");
    EXPECT_EQ(form->Values().exposedWorkers, "2");
}

TEST_F(WorkstationDataFormTest, AnUntouchedWorkstationKeepsItsLineAndAZoneStoresNone) {
    const std::string line = Record(3).WriteLine();
    Accept(3, [](NodeDataValues&) {});
    EXPECT_EQ(Record(3).WriteLine(), line);

    Accept(2, [](NodeDataValues& v) { v.workstation.workers = "Ana"; });
    EXPECT_EQ(cp1252::ToUtf8(Record(2).WriteLine()), "2\t1\tZ\tNave\t\t15/03/2026\t\t\t\t\r\n");
}
