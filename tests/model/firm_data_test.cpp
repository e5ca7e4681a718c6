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
    using firm_data::Modality;
    const struct {
        Modality modality;
        std::string field;
        std::string name;
    } cases[] = {
        {Modality::kNone, "", ""},
        {Modality::kEmployer, "modalidad=empresario", "Asumida por el empresario"},
        {Modality::kDesignatedWorkers, "modalidad=designados", "Trabajadores designados"},
        {Modality::kOwnService, "modalidad=propio", "Servicio de prevención propio"},
        {Modality::kExternalService, "modalidad=ajeno", "Servicio de prevención ajeno"},
        {Modality::kJointService, "modalidad=mancomunado", "Servicio de prevención mancomunado"},
    };
    for (const auto& c : cases) {
        oToken firm = Line(kFirm);
        firm_data::FirmData data;
        data.modality = c.modality;
        firm_data::Write(firm, data);
        EXPECT_EQ(firm.GetField(field::kPlaceFigures), c.field);
        EXPECT_EQ(firm_data::Read(firm).modality, c.modality) << c.field;
        EXPECT_EQ(cp1252::ToUtf8(firm_data::ModalityName(c.modality)), c.name);
    }
}

// A file edited by hand may write keys and values in capitals: they read, and the editor writes
// them back as the program writes them, keeping the pairs it does not know.
TEST(FirmData, KeysAndValuesReadInAnyCase) {
    oToken firm = Line(kFirm + "\t\t\t\tModalidad=AJENO; TRABAJADORES=7; Revision=01/02/2027; Turnos=3");
    firm_data::FirmData data = firm_data::Read(firm);
    EXPECT_EQ(data.modality, firm_data::Modality::kExternalService);
    EXPECT_EQ(data.workers, "7");
    EXPECT_EQ(data.nextReview, "01/02/2027");
    firm_data::Write(firm, data);
    EXPECT_EQ(firm.GetField(field::kPlaceFigures),
              "trabajadores=7; modalidad=ajeno; revision=01/02/2027; Turnos=3");
    oToken workstation = Line("2\t1\tP\tTorno\t\t\t\t\t\t\t\t\t\t\t\tExpuestos=4");
    EXPECT_EQ(firm_data::ReadExposedWorkers(workstation), "4");
}
