#include <gtest/gtest.h>

#include "cp1252.h"
#include "firm_data.h"
#include "otoken.h"
#include "workstation_data.h"

namespace {

oToken Line(const std::string& utf8) {
    oToken record;
    record.ParseLine(W(utf8));
    return record;
}

std::string Written(const oToken& record) {
    return cp1252::ToUtf8(record.WriteLine());
}

}  // namespace

TEST(WorkstationData, EachTextHasItsFieldWithItsLineBreaksWrittenAsTildes) {
    oToken torno = Line("3\t2\tP\tTorno\tcom\t\t\t\t\t\t\t001");
    workstation_data::WorkstationData data;
    data.workers = W("Ana Pérez\r\nLuis Gil");
    data.protectiveEquipment = W("Gafas de protección\r\nGuantes");
    data.training = W("Manejo seguro del torno");
    data.healthSurveillance = W("Protocolo de ruido\r\nProtocolo de manipulación de cargas");
    workstation_data::Write(torno, data);
    EXPECT_EQ(Written(torno),
              "3\t2\tP\tTorno\tcom\t\t\t\t\t\tAna Pérez~~Luis Gil\t001\tGafas de protección~~Guantes\t"
              "Manejo seguro del torno\tProtocolo de ruido~~Protocolo de manipulación de cargas\r\n");
    EXPECT_EQ(workstation_data::Read(torno), data);

    // Read back from the file's line, beside the exposed workers of field 16.
    const std::string written = Written(torno);
    oToken read = Line(written.substr(0, written.size() - 2));
    firm_data::WriteExposedWorkers(read, "2");
    EXPECT_EQ(workstation_data::Read(read), data);
    EXPECT_EQ(firm_data::ReadExposedWorkers(read), "2");
    EXPECT_EQ(read.GetField(field::kAssignmentFlags), "001") << "the questionnaires' flags stay";
}

TEST(WorkstationData, EmptyValuesWriteNothingAndOneValueOnlyItsField) {
    for (const std::string& line : {std::string("3\t2\tP\tTorno"), std::string("3\t2\tP\tTorno\t\t\t\t\t\t\t\t0"),
                                    std::string("3\t2\tP\tT\t\t\t\t\t\t\t\t\t\t\t\texpuestos=2")}) {
        oToken record = Line(line);
        const std::string before = record.WriteLine();
        workstation_data::Write(record, {});
        EXPECT_EQ(record.WriteLine(), before) << line;
    }
    oToken torno = Line("3\t2\tP\tTorno");
    workstation_data::WorkstationData data;
    data.protectiveEquipment = "Casco";
    workstation_data::Write(torno, data);
    EXPECT_EQ(Written(torno), "3\t2\tP\tTorno\t\t\t\t\t\t\t\t\tCasco\r\n");
    // Cleared again: the field stays, empty, and reads as nothing.
    workstation_data::Write(torno, {});
    EXPECT_EQ(workstation_data::Read(torno), workstation_data::WorkstationData{});
}

TEST(WorkstationData, WorkerNamesAreTheLinesWithoutBlanksOrEmptyLines) {
    using workstation_data::WorkerNames;
    EXPECT_EQ(WorkerNames(W("  Ana Pérez \r\n\r\n Luis Gil\r\n")),
              (std::vector<std::string>{W("Ana Pérez"), "Luis Gil"}));
    EXPECT_EQ(WorkerNames("Ana\nLuis\rMarta"), (std::vector<std::string>{"Ana", "Luis", "Marta"}));
    EXPECT_TRUE(WorkerNames("").empty());
    EXPECT_TRUE(WorkerNames(" \r\n \t").empty());
}
