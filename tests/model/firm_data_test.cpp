#include <gtest/gtest.h>

#include "cp1252.h"
#include "firm_data.h"
#include "otoken.h"

namespace {

oToken Line(const std::string& utf8) {
    oToken record;
    record.ParseLine(W(utf8));
    return record;
}

std::string Written(const oToken& record) {
    return cp1252::ToUtf8(record.WriteLine());
}

const std::string kFirm = "1\t0\tE\tTalleres\t\t\t\t\t\t\t\t10000000000000000000000";

}  // namespace

TEST(FirmData, EachLongTextHasItsFieldAndTheShortValuesShareOne) {
    oToken firm = Line(kFirm);
    firm_data::FirmData data;
    data.taxId = "B12345678";
    data.address = W("C/ Mayor 3, Ávila");
    data.activity = W("4520 Reparación de vehículos");
    data.workers = "14";
    data.modality = firm_data::Modality::kExternalService;
    data.evaluator = W("Marta Gómez");
    data.nextReview = "15/03/2027";
    firm_data::Write(firm, data);
    EXPECT_EQ(Written(firm),
              "1\t0\tE\tTalleres\t\t\t\t\t\t"
              "\tB12345678\t10000000000000000000000\tC/ Mayor 3, Ávila\t"
              "4520 Reparación de vehículos\tMarta Gómez\t"
              "trabajadores=14; modalidad=ajeno; revision=15/03/2027\r\n");
    EXPECT_EQ(firm_data::Read(firm), data);
    EXPECT_EQ(firm.count(), oToken::kMaxFields);
}

TEST(FirmData, EmptyValuesWriteNothing) {
    for (const std::string& line :
         {kFirm, std::string("2\t1\tP\tTorno"), std::string("1\t0\tE\tF\t\t\t\t\t\t\t\t")}) {
        oToken record = Line(line);
        const std::string before = record.WriteLine();
        firm_data::Write(record, {});
        firm_data::WriteExposedWorkers(record, "");
        EXPECT_EQ(record.WriteLine(), before) << line;
    }
    // One value written, the others stay out of the line.
    oToken workstation = Line("2\t1\tP\tTorno");
    firm_data::WriteExposedWorkers(workstation, "3");
    EXPECT_EQ(Written(workstation), "2\t1\tP\tTorno\t\t\t\t\t\t\t\t\t\t\t\texpuestos=3\r\n");
    EXPECT_EQ(firm_data::ReadExposedWorkers(workstation), "3");
    // Cleared again: the field is there, empty.
    firm_data::WriteExposedWorkers(workstation, "");
    EXPECT_EQ(firm_data::ReadExposedWorkers(workstation), "");
    EXPECT_EQ(workstation.GetField(field::kPlaceFigures), "");
}

// A file written by hand or by a later version: pairs with other keys, blanks, pieces without
// "=", a modality the program does not know.
TEST(FirmData, PairsTheProgramDoesNotKnowAreKept) {
    oToken firm =
        Line(kFirm + "\t\t\t\t\t  turnos=3 ;trabajadores = 12;nota; modalidad=otra;revision=01/02/2027");
    firm_data::FirmData data = firm_data::Read(firm);
    EXPECT_EQ(data.workers, "12");
    EXPECT_EQ(data.modality, firm_data::Modality::kNone);
    EXPECT_EQ(data.nextReview, "01/02/2027");
    data.workers = "13";
    data.modality = firm_data::Modality::kOwnService;
    data.nextReview.clear();
    firm_data::Write(firm, data);
    EXPECT_EQ(firm.GetField(field::kPlaceFigures), "trabajadores=13; modalidad=propio; turnos=3; nota");

    // A workstation's pair leaves the firm's alone, and the other way round.
    firm_data::WriteExposedWorkers(firm, "2");
    EXPECT_EQ(firm.GetField(field::kPlaceFigures),
              "expuestos=2; trabajadores=13; modalidad=propio; turnos=3; nota");
    EXPECT_EQ(firm_data::Read(firm).workers, "13");
}

TEST(FirmData, EveryModalityReadsBackAndHasItsName) {
    for (int m = 0; m < firm_data::kModalityCount; ++m) {
        const auto modality = static_cast<firm_data::Modality>(m);
        oToken firm = Line(kFirm);
        firm_data::FirmData data;
        data.modality = modality;
        firm_data::Write(firm, data);
        EXPECT_EQ(firm_data::Read(firm).modality, modality) << m;
        EXPECT_EQ(firm_data::ModalityName(modality).empty(), m == 0) << m;
    }
    EXPECT_EQ(cp1252::ToUtf8(firm_data::ModalityName(firm_data::Modality::kJointService)),
              "Servicio de prevención mancomunado");
}
