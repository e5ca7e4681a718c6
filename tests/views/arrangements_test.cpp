#include "document_commands.h"
#include "views_fixture.h"

TEST_F(ViewsTest, ANewDocumentIsOnePendingInspection) {
    FixedDates dates;
    DocumentCommands(session, port, dates).New();
    events.Reset();
    EXPECT_EQ(Shown(view::kTemporal),
              "2 Inspecciones\n"
              "  6 Sin fecha\n"
              "  8 Realizadas\n"
              "  7 Pendiente\n"
              "    2 00.- Gestión Preventiva\n"
              "4 Medidas Preventivas\n"
              "  6 Sin fecha\n"
              "  8 Realizadas\n"
              "  7 Pendiente\n");
    EXPECT_EQ(events.expanded, std::vector<std::string>{"Inspecciones"})
        << "only the first top-level node opens; \"Medidas Preventivas\" stays collapsed";
}

TEST_F(ViewsTest, TemporalGroupsTestOnlyWhetherDatesAreEmpty) {
    Fill({
        "1|0|E|Firma|||||",
        "2|1|C|01.- Sin prevista, con realización|||x|01/02/2026",
        "3|1|C|02.- Prevista en blanco| | |||",
        "4|1|C|03.- Prevista que no es fecha||mañana",
        "5|1|C|04.- Hecha en blanco||01/01/2026|| ",
        "6|5|D|1. Deficiencia con fechas||01/01/2026||02/01/2026",
        "7|6|R|Medida sin prevista",
        "8|6|R|Medida hecha||01/01/2026||03/01/2026",
        "9|6|R|Medida pendiente||01/01/2026",
        "10|1|Z|Zona||01/01/2026||",
    });
    EXPECT_EQ(Shown(view::kTemporal),
              "2 Inspecciones\n"
              "  6 Sin fecha\n"
              "    2 01.- Sin prevista, con realización\n"
              "  8 Realizadas\n"
              "    2 04.- Hecha en blanco\n"
              "  7 Pendiente\n"
              "    2 02.- Prevista en blanco\n"
              "    2 03.- Prevista que no es fecha\n"
              "4 Medidas Preventivas\n"
              "  6 Sin fecha\n"
              "    4 Medida sin prevista\n"
              "  8 Realizadas\n"
              "    4 Medida hecha\n"
              "  7 Pendiente\n"
              "    4 Medida pendiente\n");
}

TEST_F(ViewsTest, ValuationFollowsTheFirstCharacterOfTheQuestionnaireValuation) {
    Fill({
        "1|0|E|Firma",
        "2|1|C|00.- Cero|||||||0",
        "3|1|C|01.- Vacío",
        "4|1|C|02.- Cuatro|||||||4",
        "5|1|C|03.- Uno|||||||1",
        "6|1|C|04.- Dos|||||||2",
        "7|1|C|05.- Tres|||||||3",
        "8|1|C|06.- Letra|||||||x",
        "9|1|C|07.- Blanco|||||||  4",
        "10|1|C|08.- Dos y más|||||||21",
        "11|8|D|1. Deficiencia|||||||4",
    });
    EXPECT_EQ(Shown(view::kValuation),
              "2 Valoración\n"
              "  9 Sin Valorar\n"
              "    2 00.- Cero\n"
              "    2 01.- Vacío\n"
              "    2 06.- Letra\n"
              "    2 07.- Blanco\n"
              "  10 Aplicado\n"
              "    2 03.- Uno\n"
              "  11 Mejorable\n"
              "    2 04.- Dos\n"
              "    2 08.- Dos y más\n"
              "  12 Deficiente\n"
              "    2 05.- Tres\n"
              "  13 Muy Deficiente\n"
              "    2 02.- Cuatro\n");
}

TEST_F(ViewsTest, RiskListsThePlacesInTheSlotOrderOfTheirQuestionnaires) {
    Fill({
        "1|0|E|Firma",
        "2|1|C|00.- Gestión Preventiva",
        "3|1|Z|Nave",
        "4|3|P|Puesto A",
        "5|3|P|Puesto B",
        "6|5|C|01.- Lugares de trabajo",  // B first, though A comes first in the tree
        "7|4|C|01.- Lugares de trabajo",
        "8|5|C|05.- Manipulación de objetos",
        "9|5|C|23.- Fuera del catálogo",
        "-",
        "11|10|C|02.- Bajo un hueco",
        "12|40|C|02.- Bajo un número que no existe",
        "13|0|C|02.- Sin lugar",
        "14|3|C|ab|",
        "15|3|C|7",
    });
    const std::string shown = Shown(view::kRisk);
    EXPECT_EQ(shown.substr(0, shown.find("  2 06.-")),
              "9 Riesgos\n"
              "  2 00.- Gestión Preventiva\n"
              "    5 Firma\n"
              "    0 Nave\n"
              "    0 Nave\n"
              "  2 01.- Lugares de trabajo\n"
              "    1 Puesto B\n"
              "    1 Puesto A\n"
              "  2 02.- Máquinas\n"
              "  2 03.- Elevación y transporte\n"
              "  2 04.- Herramientas manuales\n"
              "  2 05.- Manipulación de objetos\n"
              "    1 Puesto B\n")
        << "a title without leading digits counts as questionnaire 00";
    // Every questionnaire of the catalogue has its group, in order, also when empty.
    std::string groups;
    for (int q = 0; q < Catalogue::kQuestionnaires; ++q)
        groups += "  2 " + cp1252::ToUtf8(catalogue.QuestionnaireTitle(q)) + "\n";
    std::string shownGroups;
    for (std::size_t at = 0; at < shown.size();) {
        const std::size_t end = shown.find('\n', at) + 1;
        const std::string line = shown.substr(at, end - at);
        if (line.rfind("  2 ", 0) == 0) shownGroups += line;
        at = end;
    }
    EXPECT_EQ(shownGroups, groups);
}

TEST_F(ViewsTest, AnEmptyTableGivesTheGroupsWithoutItems) {
    EXPECT_EQ(Shown(view::kValuation),
              "2 Valoración\n  9 Sin Valorar\n  10 Aplicado\n  11 Mejorable\n  12 Deficiente\n"
              "  13 Muy Deficiente\n");
    EXPECT_EQ(Shown(view::kTemporal),
              "2 Inspecciones\n  6 Sin fecha\n  8 Realizadas\n  7 Pendiente\n"
              "4 Medidas Preventivas\n  6 Sin fecha\n  8 Realizadas\n  7 Pendiente\n");
}

TEST_F(ViewsTest, TemporalItemsTellWhereTheyAreWhenThePointerRestsOnThem) {
    Fill({
        "1|0|E|Firma",
        "2|1|Z|Nave",
        "3|2|C|01.- Lugares de trabajo||01/01/2026",
        "4|3|D|5. Escaleras",
        "5|4|R|Barandilla||01/01/2026",
    });
    ShowView(session, catalogue, view::kTemporal);
    const TreeNode& inspections = *session.Tree().Root()->children[0];
    const TreeNode& measures = *session.Tree().Root()->children[1];
    EXPECT_EQ(inspections.children[2]->children[0]->tip, "Firma / Nave");
    EXPECT_EQ(measures.children[2]->children[0]->tip,
              "Firma / Nave / 01.- Lugares de trabajo / 5. Escaleras");
    EXPECT_EQ(measures.tip, "") << "the groups say all in their text";
}
