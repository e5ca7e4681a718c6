#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue.h"
#include "cp1252.h"
#include "scripted_port.h"

namespace {

// The questionnaires every document refers to by number and title.
const std::vector<std::string> kTitles = {
    "00.- Gestión Preventiva",
    "01.- Lugares de trabajo",
    "02.- Máquinas",
    "03.- Elevación y transporte",
    "04.- Herramientas manuales",
    "05.- Manipulación de objetos",
    "06.- Instalación eléctrica",
    "07.- Aparatos a presión y gases",
    "08.- Incendios y explosiones",
    "09.- Agentes químicos. Seguridad",
    "10.- Agentes químicos. Exposición",
    "11.- Agentes biológicos",
    "12.- Ventilación y climatización",
    "13.- Ruido",
    "14.- Vibraciones",
    "15.- Iluminación",
    "16.- Calor y frío",
    "17.- Radiaciones ionizantes",
    "18.- Radiaciones no ionizantes",
    "19.- Carga física",
    "20.- Carga mental",
    "21.- Trabajo a turnos",
    "22.- Factores de organización",
};

struct ShippedCatalogue : ::testing::Test {
    Catalogue catalogue;
    ScriptedPort port;

    void SetUp() override {
        ASSERT_EQ(catalogue.Load(FilePath(KALDO_SOURCE_DIR "/data/C31.TXT"), port),
                  Catalogue::LoadResult::Loaded);
    }
};

}  // namespace

TEST_F(ShippedCatalogue, LoadsWithoutErrorsAndHoldsTheTwentyThreeTitles) {
    EXPECT_TRUE(port.messages.empty()) << port.messages.front();
    for (int q = 0; q < Catalogue::kQuestionnaires; ++q)
        EXPECT_EQ(cp1252::ToUtf8(catalogue.QuestionnaireTitle(q)), kTitles[q]);
    for (int g = 0; g < Catalogue::kGroups; ++g)
        EXPECT_FALSE(catalogue.GroupName(g).empty()) << "group " << g;
    for (int q = 0; q < Catalogue::kQuestionnaires; ++q)
        EXPECT_NE(cp1252::ToUtf8(catalogue.QuestionnaireGroupName(q)), "GRUPO ERRÓNEO") << q;
}

TEST_F(ShippedCatalogue, EveryItemHasADegreeAndARecommendation) {
    int total = 0;
    for (int q = 0; q < Catalogue::kQuestionnaires; ++q) {
        const int count = catalogue.ItemCount(q);
        EXPECT_GE(count, 12) << kTitles[q];
        EXPECT_LE(count, 28) << kTitles[q];
        total += count;
        for (int n = 1; n <= count; ++n) {
            SCOPED_TRACE(kTitles[q] + ", item " + std::to_string(n));
            EXPECT_FALSE(catalogue.ItemText(q, n).empty());
            const char degree = catalogue.ItemDegree(q, n);
            EXPECT_TRUE(degree == 'D' || degree == 'M' || degree == 'N') << int(degree);
            EXPECT_FALSE(catalogue.ItemRecommendation(q, n).empty());
        }
    }
    EXPECT_GE(total, 350);
}

// Citations a prevention professional found wrong: machines placed on the market from 1995 to
// 2009 fall under RD 1435/1992; the handrail rule is in anexo I.A.3.4 of RD 486/1997; battery
// charging gives off hydrogen, an explosive atmosphere (RD 681/2003).
TEST_F(ShippedCatalogue, CitesTheRulesThatApply) {
    const auto recommendation = [this](int q, int n) {
        return cp1252::ToUtf8(catalogue.ItemRecommendation(q, n));
    };
    const std::string machines = recommendation(2, 1);
    EXPECT_NE(machines.find("RD 1435/1992"), std::string::npos) << machines;
    EXPECT_NE(machines.find("RD 1644/2008"), std::string::npos) << machines;
    const std::string stairs = recommendation(1, 8);
    EXPECT_NE(stairs.find("anexo I.A.3.4"), std::string::npos) << stairs;
    EXPECT_NE(stairs.find("60 cm"), std::string::npos) << stairs;
    const std::string batteries = recommendation(3, 7);
    EXPECT_NE(batteries.find("RD 681/2003"), std::string::npos) << batteries;
    EXPECT_EQ(batteries.find("RD 374/2001"), std::string::npos) << batteries;
}
