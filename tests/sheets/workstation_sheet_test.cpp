#include <gtest/gtest.h>

#include "sheets_fixture.h"

namespace {

struct WorkstationSheetTest : SheetsFixture, ::testing::Test {};

std::vector<std::string> Utf8(const std::vector<std::string>& texts) {
    std::vector<std::string> out;
    for (const std::string& text : texts)
        out.push_back(U(text));
    return out;
}

}  // namespace

TEST_F(WorkstationSheetTest, OneSheetPerWorkstationInTheTreesOrderWithItsPlace) {
    const std::vector<sheets::Sheet> all = Sheets();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].line, 8);
    EXPECT_EQ(U(all[0].workstation), "Soldador");
    EXPECT_EQ(U(all[0].firm), "Talleres Norte");
    EXPECT_EQ(all[0].zone, "Nave");
    EXPECT_EQ(all[0].date, "25/03/2026");
    EXPECT_EQ(all[1].line, 12);
    EXPECT_EQ(all[1].zone, "Nave");
    EXPECT_EQ(all[2].line, 13);
    EXPECT_EQ(U(all[2].workstation), "Recepción");
    EXPECT_EQ(all[2].zone, "") << "directly under the firm";

    EXPECT_EQ(U(sheets::SheetAt(all, 12)->workstation), "Pintor");
    EXPECT_FALSE(sheets::SheetAt(all, 4)) << "a zone has no sheet";
    EXPECT_FALSE(sheets::SheetAt(all, 99));
}

// A zone's risks reach everyone who works in it, and the firm's everyone; what was found is the
// workstation's and its zone's, not the firm's management.
TEST_F(WorkstationSheetTest, RisksComeFromTheWorkstationItsZoneAndTheFirm) {
    const sheets::Sheet welder = Sheets()[0];
    ASSERT_EQ(welder.risks.size(), 3u);
    EXPECT_EQ(U(welder.risks[0].questionnaire), "Radiaciones no ionizantes");
    EXPECT_EQ(welder.risks[0].place, "Su puesto");
    EXPECT_EQ(welder.risks[0].result, "Mejorable");
    EXPECT_EQ(U(welder.risks[1].questionnaire), "Lugares de trabajo");
    EXPECT_EQ(welder.risks[1].place, "Zona: Nave");
    EXPECT_EQ(welder.risks[1].result, "Muy deficiente: hay cosas que corregir cuanto antes");
    EXPECT_EQ(U(welder.risks[2].questionnaire), "Gestión Preventiva");
    EXPECT_EQ(welder.risks[2].place, "Toda la empresa");
    EXPECT_EQ(welder.risks[2].result, "Deficiente: hay cosas que corregir");

    ASSERT_EQ(welder.findings.size(), 2u);
    const sheets::Finding& own = welder.findings[0];
    EXPECT_EQ(U(own.item), "¿Hay pantallas?");
    EXPECT_EQ(own.detected, "Cortina rota");
    EXPECT_EQ(own.level, "No imprescindible");
    ASSERT_EQ(own.actions.size(), 1u);
    EXPECT_EQ(own.actions[0].measure, "Reponer la cortina");
    EXPECT_EQ(own.actions[0].state, "Realizada");
    EXPECT_EQ(own.actions[0].date, "24/03/2026") << "the date it was done";
    const sheets::Finding& zone = welder.findings[1];
    EXPECT_EQ(U(zone.item), "¿Están protegidos los fosos?");
    EXPECT_EQ(zone.place, "Zona: Nave");
    EXPECT_EQ(U(zone.level), "Crítico: se corrige de inmediato");
    ASSERT_EQ(zone.actions.size(), 1u);
    EXPECT_EQ(zone.actions[0].state, "Vencida");
    EXPECT_EQ(zone.actions[0].date, "20/03/2026");

    // The items answered "Sí" of the firm's questionnaire, without their numbers.
    ASSERT_EQ(welder.applied.size(), 2u);
    EXPECT_EQ(welder.applied[0], ShippedCatalogue().ItemText(0, 1));
    EXPECT_EQ(welder.applied[1], ShippedCatalogue().ItemText(0, 2));

    const sheets::Sheet reception = Sheets()[2];
    ASSERT_EQ(reception.risks.size(), 1u);
    EXPECT_EQ(reception.risks[0].place, "Toda la empresa");
    EXPECT_TRUE(reception.findings.empty());
}

TEST_F(WorkstationSheetTest, AStateIsTheOneOnTheSheetsDate) {
    LoadLines(session, kSheetFirm);
    const auto before = sheets::Gather(session, ShippedCatalogue(), dates, {2026, 3, 19});
    EXPECT_EQ(before[0].findings[1].actions[0].state, "Pendiente");
    EXPECT_EQ(before[0].date, "19/03/2026");
}

TEST_F(WorkstationSheetTest, NamesGiveOneCopyEachAndWithoutThemTheExposedWorkersGiveLines) {
    const std::vector<sheets::Sheet> all = Sheets();
    EXPECT_EQ(Utf8(all[0].workers), (std::vector<std::string>{"Ana Pérez", "Luis Gil"}));
    EXPECT_EQ(all[0].Copies(), 2);
    EXPECT_EQ(U(all[0].data.protectiveEquipment), "Pantalla\r\nGuantes");
    EXPECT_EQ(all[0].data.training, "Curso de soldadura");
    EXPECT_EQ(all[0].data.healthSurveillance, "Protocolo de radiaciones");

    EXPECT_TRUE(all[1].workers.empty());
    EXPECT_EQ(all[1].Copies(), 1);
    EXPECT_EQ(all[1].blankLines, 3);
    EXPECT_EQ(all[2].blankLines, 1) << "at least one line, without exposed workers";
    // A figure mistyped by thousands prints no crowd of lines.
    EXPECT_EQ(Sheets({"1\t0\tE\tF", "2\t1\tP\tTorno\t\t\t\t\t\t\t\t\t\t\t\texpuestos=30000"})[0].blankLines,
              500);
}

TEST_F(WorkstationSheetTest, ADocumentWithoutWorkstationsHasNoSheet) {
    EXPECT_TRUE(Sheets({"1\t0\tE\tF", "2\t1\tZ\tNave"}).empty());
}
