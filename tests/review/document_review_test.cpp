#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "document_lines.h"
#include "document_review.h"
#include "document_session.h"
#include "fixed_dates.h"

namespace {

// One record's line from its fields, numbered from 1.
std::string Line(const std::vector<std::string>& fields) {
    return std::accumulate(std::next(fields.begin()), fields.end(), fields.front(),
                           [](const std::string& a, const std::string& b) { return a + "\t" + b; });
}

// A firm of ten workers whose document has one of every gap, each on its own node.
const std::vector<std::string> kOneOfEach = {
    // The firm: no NIF/CIF, no evaluator, no completion date, its review passed on 08/12/2026.
    Line({"1", "0", "E", "Talleres Norte", "", "", "", "", "", "", "", "", "", "", "",
          "trabajadores=10; revision=01/12/2026"}),
    Line({"2", "1", "Z", "Nave"}),
    Line({"3", "2", "P", "Torno", "", "", "", "", "", "", "", "", "", "", "", "expuestos=3"}),
    Line({"4", "2", "P", "Soldadura"}),  // nobody exposed
    Line({"5", "3", "C", "13.- Ruido", "", "", "", "", "", "", "0"}),  // neither answered nor valued
    Line({"6", "3", "C", "01.- Lugares de trabajo", "", "", "", "", "", "", "2"}),
    Line({"7", "6", "D", "5. Suelo", "", "", "", "", "", "", "     "}),  // not valued, no measure
    Line({"8", "6", "D", "6. Luz", "", "", "", "", "", "", "10332"}),
    // Overdue, without responsible, resources or cost.
    Line({"9", "8", "R", "Reponer luminarias", "", "01/12/2026"}),
    // Done and complete: no gap.
    Line({"10", "8", "R", "Pintar franjas", "", "01/11/2026", "Ana", "05/11/2026", "Ana", "", "", "", "",
          "Pintor", "120,00"}),
    // A planned date and a cost that the editor would refuse.
    Line({"11", "8", "R", "Cambiar focos", "", "31/02/2026", "Ana", "", "", "", "", "", "", "Electricista",
          "mil"}),
    // Answered, not valued: no gap.
    Line({"12", "4", "C", "02.- Escaleras", "", "", "", "", "", "", "0", "", "", "SSN"}),
};

struct DocumentReview : ::testing::Test {
    DocumentSession session;
    FixedDates dates{{2026, 12, 8}};

    std::vector<std::string> Lines(const Date& asOf = {2026, 12, 8}) {
        std::vector<std::string> out;
        for (const review::Gap& gap : review::Review(session, dates, asOf))
            out.push_back(review::GroupName(gap.group) + " | " + U(review::GapLine(gap)));
        return out;
    }
};

}  // namespace

TEST_F(DocumentReview, EveryGapIsListedOnceByGroupNamingItsNode) {
    LoadLines(session, kOneOfEach);
    const std::vector<std::string> expected = {
        "Empresa | 1: Talleres Norte: sin NIF/CIF",
        "Empresa | 1: Talleres Norte: sin «Evaluación realizada por»",
        "Empresa | 1: Talleres Norte: sin fecha de realización de la evaluación («Fecha Realiz»)",
        "Empresa | 1: Talleres Norte: la próxima revisión (01/12/2026) ya ha pasado",
        "Puestos de trabajo | 4: Talleres Norte / Nave / Soldadura: sin «Trabajadores expuestos»",
        "Puestos de trabajo | 1: Talleres Norte: los puestos suman 3 trabajadores expuestos y la empresa tiene 10",
        "Cuestionarios | 5: Talleres Norte / Nave / Torno / 13.- Ruido: ni respondido ni valorado",
        "Deficiencias | 7: Talleres Norte / Nave / Torno / 01.- Lugares de trabajo / 5. Suelo: sin valorar",
        "Deficiencias | 7: Talleres Norte / Nave / Torno / 01.- Lugares de trabajo / 5. Suelo: sin medida "
        "preventiva",
        "Medidas preventivas | 9: Talleres Norte / Nave / Torno / 01.- Lugares de trabajo / 6. Luz / Reponer "
        "luminarias: sin responsable",
        "Medidas preventivas | 9: Talleres Norte / Nave / Torno / 01.- Lugares de trabajo / 6. Luz / Reponer "
        "luminarias: sin recursos",
        "Medidas preventivas | 9: Talleres Norte / Nave / Torno / 01.- Lugares de trabajo / 6. Luz / Reponer "
        "luminarias: sin coste previsto",
        "Medidas preventivas | 9: Talleres Norte / Nave / Torno / 01.- Lugares de trabajo / 6. Luz / Reponer "
        "luminarias: vencida: prevista para el 01/12/2026",
        "Medidas preventivas | 11: Talleres Norte / Nave / Torno / 01.- Lugares de trabajo / 6. Luz / Cambiar "
        "focos: «Fecha Prevista» no es una fecha válida: «31/02/2026»",
        "Medidas preventivas | 11: Talleres Norte / Nave / Torno / 01.- Lugares de trabajo / 6. Luz / Cambiar "
        "focos: «Coste previsto (€)» no es un importe válido: «mil»",
    };
    EXPECT_EQ(Lines(), expected);
    EXPECT_EQ(review::GapCount(session, dates, {2026, 12, 8}), 15);
}

TEST_F(DocumentReview, OverdueAndPassedReviewDependOnTheDate) {
    LoadLines(session, kOneOfEach);
    // On the day of the review and of the measure's date nothing is late yet.
    EXPECT_EQ(review::GapCount(session, dates, {2026, 12, 1}), 13);
    EXPECT_EQ(review::GapCount(session, dates, {2026, 12, 2}), 15);
}

TEST_F(DocumentReview, ValuesTheEditorWouldRefuseAreGaps) {
    LoadLines(session, {
        Line({"1", "0", "E", "Firma", "", "", "", "31/02/2026", "", "", "B123", "", "", "", "Marta",
              "trabajadores=99999999999999999999; revision=15/03/2027"}),
        Line({"2", "1", "P", "Puesto", "", "", "", "", "", "", "", "", "", "", "", "expuestos=-2"}),
    });
    const std::vector<std::string> expected = {
        "Empresa | 1: Firma: «Fecha Realiz» no es una fecha válida: «31/02/2026»",
        "Empresa | 1: Firma: «Nº de trabajadores» no es un número válido: «99999999999999999999»",
        "Puestos de trabajo | 2: Firma / Puesto: «Trabajadores expuestos» no es un número válido: «-2»",
    };
    EXPECT_EQ(Lines(), expected);
}

TEST_F(DocumentReview, ACompleteDocumentHasNoGap) {
    LoadLines(session, {
        Line({"1", "0", "E", "Firma", "", "", "", "02/03/2026", "", "", "B123", "", "", "", "Marta",
              "trabajadores=4; revision=15/03/2027"}),
        Line({"2", "1", "P", "Puesto", "", "", "", "", "", "", "", "", "", "", "", "expuestos=4"}),
        Line({"3", "2", "C", "13.- Ruido", "", "", "", "", "", "", "1"}),
        Line({"4", "3", "D", "5. Suelo", "", "", "", "", "", "", "10332"}),
        Line({"5", "4", "R", "Reponer", "", "01/12/2027", "Ana", "", "", "", "", "", "", "Pintor", "0,00"}),
    });
    EXPECT_TRUE(Lines().empty());
    session.ClearDocument();
    EXPECT_EQ(review::GapCount(session, dates, {2026, 12, 8}), 0) << "no document, nothing to review";
}

TEST(PendingText, CountsInSpanish) {
    EXPECT_EQ(review::PendingText(1), "1 punto pendiente");
    EXPECT_EQ(review::PendingText(12), "12 puntos pendientes");
}
