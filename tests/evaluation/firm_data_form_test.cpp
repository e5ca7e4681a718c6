#include <gtest/gtest.h>

#include "editing_fixture.h"
#include "firm_figures.h"
#include "kinds.h"

namespace {

// Firm > zone "Nave" > workstation "Torno" > questionnaire 07; the firm's and the
// workstation's lines as "Aceptar" writes them when the new data are empty.
struct FirmDataFormTest : EditingFixture, ::testing::Test {
    FirmDataFormTest() {
        LoadLines(session, {
                               "1\t0\tE\tFirma\tcomE\t01/02/2026\tAna\t\t\tobsE\t\t10000000000000000000000",
                               "2\t1\tZ\tNave\tcomZ\t01/02/2026",
                               "3\t2\tP\tTorno\t\t01/02/2026\t\t\t\t",
                               "4\t3\tC\t07.- Máquinas\tagentes\t10/03/2026",
                           });
    }

    // The form of a slot with the values given, checked and accepted when the check passes;
    // the check's message (UTF-8), empty when it passed.
    std::string Accept(int slot, const std::function<void(NodeDataValues&)>& entries) {
        auto form = Open(slot);
        NodeDataValues values = form->Values();
        entries(values);
        if (const auto problem = form->CheckFigures(values)) return cp1252::ToUtf8(*problem);
        form->Values() = values;
        form->Accept(session.Tree());
        return {};
    }
};

}  // namespace

TEST(FirmFigures, CountsAreWholeNumbersKeptWithoutBlanksOrLeadingZeros) {
    const std::pair<const char*, const char*> good[] = {
        {"", ""},     {"  ", ""}, {"14", "14"}, {" 7 ", "7"},
        {"007", "7"}, {"0", "0"}, {"000", "0"}, {"9999999", "9999999"}};
    for (const auto& [typed, kept] : good)
        EXPECT_EQ(firm_figures::Count(typed), std::optional<std::string>(kept)) << '"' << typed << '"';
    for (const char* typed : {"-3", "+3", "1.200", "3,5", "doce", "12 personas", "0x10", "$10", "10000000"})
        EXPECT_EQ(firm_figures::Count(typed), std::nullopt) << '"' << typed << '"';
}

TEST(FirmFigures, DatesAreKeptInTheShortDateFormat) {
    FixedDates dates;
    EXPECT_EQ(firm_figures::DateText("", dates), std::optional<std::string>(""));
    EXPECT_EQ(firm_figures::DateText(" 1/3/27 ", dates), std::optional<std::string>("01/03/2027"));
    for (const char* typed : {"31/02/2027", "marzo", "15-03-2027", "15/03"})
        EXPECT_EQ(firm_figures::DateText(typed, dates), std::nullopt) << typed;
}

// What a review of the stored data would mark: values the editor would not store as they are.
TEST(FirmFigures, StoredValuesTheEditorWouldRefuse) {
    FixedDates dates;
    for (const char* stored : {"", "14", "9999999"})
        EXPECT_TRUE(firm_figures::AcceptedCount(stored)) << stored;
    for (const char* stored : {"99999999999999999999", "014", " 14", "doce"})
        EXPECT_FALSE(firm_figures::AcceptedCount(stored)) << stored;
    EXPECT_TRUE(firm_figures::AcceptedDate("", dates));
    EXPECT_TRUE(firm_figures::AcceptedDate("15/03/2027", dates));
    for (const char* stored : {"31/02/2026", "1/3/27", "pronto"})
        EXPECT_FALSE(firm_figures::AcceptedDate(stored, dates)) << stored;
}

TEST_F(FirmDataFormTest, TheFirmsDataAreStoredAndReadBack) {
    EXPECT_EQ(Accept(
                  1,
                  [](NodeDataValues& v) {
        v.firm.taxId = "B12345678";
        v.firm.address = W("C/ Mayor 3, Ávila");
        v.firm.activity = W("4520 Reparación de vehículos");
        v.firm.workers = " 014";
        v.firm.modality = firm_data::Modality::kDesignatedWorkers;
        v.firm.evaluator = W("Marta Gómez");
        v.firm.nextReview = "1/3/2027";
                  }),
              "");
    EXPECT_EQ(Field(1, field::kTaxId), "B12345678");
    EXPECT_EQ(Field(1, field::kAddress), "C/ Mayor 3, Ávila");
    EXPECT_EQ(Field(1, field::kActivity), "4520 Reparación de vehículos");
    EXPECT_EQ(Field(1, field::kEvaluator), "Marta Gómez");
    EXPECT_EQ(Field(1, field::kPlaceFigures), "trabajadores=14; modalidad=designados; revision=01/03/2027");
    EXPECT_EQ(Field(1, field::kObservations), "obsE") << "the other fields as they were";
    EXPECT_EQ(Field(1, field::kAssignmentFlags), "10000000000000000000000");

    const firm_data::FirmData read = Open(1)->Values().firm;
    EXPECT_EQ(read.workers, "14");
    EXPECT_EQ(read.modality, firm_data::Modality::kDesignatedWorkers);
    EXPECT_EQ(read.nextReview, "01/03/2027");
}

TEST_F(FirmDataFormTest, AWorkstationStoresItsExposedWorkersAndAZoneNothing) {
    EXPECT_EQ(Accept(3, [](NodeDataValues& v) { v.exposedWorkers = "3"; }), "");
    EXPECT_EQ(Field(3, field::kPlaceFigures), "expuestos=3");
    EXPECT_EQ(Open(3)->Values().exposedWorkers, "3");

    // A zone's and a questionnaire's values hold no such data, whatever is put in them.
    for (int slot : {2, 4}) {
        EXPECT_EQ(Accept(
                      slot,
                      [](NodeDataValues& v) {
            v.exposedWorkers = "x";
            v.firm.taxId = "x";
            v.firm.workers = "x";
                      }),
                  "")
            << slot;
        EXPECT_LE(Record(slot).count(), field::kObservations) << slot;
    }
}

TEST_F(FirmDataFormTest, EmptyDataWriteNothing) {
    for (int slot : {1, 3}) {
        const std::string line = Record(slot).WriteLine();
        EXPECT_EQ(Accept(slot, [](NodeDataValues&) {}), "");
        EXPECT_EQ(Record(slot).WriteLine(), line) << slot;
    }
}

TEST_F(FirmDataFormTest, ABadNumberOrDateIsRefusedWithItsMessageAndNothingIsStored) {
    const std::string line = Record(1).WriteLine();
    EXPECT_EQ(Accept(
                  1,
                  [](NodeDataValues& v) {
        v.firm.taxId = "B1";
        v.firm.workers = "doce";
                  }),
              "«doce» no es un número válido para «Nº de trabajadores:». Escriba un número entero, sin "
              "puntos ni letras, antes de aceptar.");
    EXPECT_EQ(Accept(1, [](NodeDataValues& v) { v.firm.nextReview = "31/02/2027"; }),
              "«31/02/2027» no es una fecha válida para «Próxima revisión:». Escríbala como 15/03/2026 "
              "antes de aceptar.");
    EXPECT_EQ(Record(1).WriteLine(), line);

    const std::string workstation = Record(3).WriteLine();
    EXPECT_EQ(Accept(3, [](NodeDataValues& v) { v.exposedWorkers = "-2"; }),
              "«-2» no es un número válido para «Trabajadores expuestos:». Escriba un número entero, sin "
              "puntos ni letras, antes de aceptar.");
    EXPECT_EQ(Record(3).WriteLine(), workstation);
}

// A pair that the program cannot read (written by hand, or by a later version) survives an
// "Aceptar" that leaves the firm's data alone.
TEST_F(FirmDataFormTest, UntouchedDataStayAsTheFileHasThem) {
    Record(1).SetField(field::kPlaceFigures, "modalidad=otra;  trabajadores=3");
    const std::string line = Record(1).WriteLine();
    EXPECT_EQ(Accept(1, [](NodeDataValues& v) { v.observations = "obsE"; }), "");
    EXPECT_EQ(Record(1).WriteLine(), line);
}
