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
