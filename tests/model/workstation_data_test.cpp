#include <gtest/gtest.h>

#include "cp1252.h"
#include "firm_data.h"
#include "kinds.h"
#include "otoken.h"
#include "temp_dir.h"
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
    for (const std::string& line :
         {std::string("3\t2\tP\tTorno"), std::string("3\t2\tP\tTorno\t\t\t\t\t\t\t\t0"),
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

// The documents of the tests, written before these data existed: every workstation's data read
// and written back leave every line byte for byte as the file has it.
TEST(WorkstationData, DocumentsWithoutTheDataKeepEveryByte) {
    for (const char* name : {"taller.kl3", "carpinteria.kl3", "evaluacion.kl3", "plan.kl3"}) {
        const std::string bytes = ReadFile(TestData(name));
        std::string written;
        int workstations = 0;
        for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            oToken record;
            record.ParseLine(bytes.substr(start, end - start));
            if (record.GetKind(field::kKind) == kind::kWorkstation) {
                ++workstations;
                workstation_data::Write(record, workstation_data::Read(record));
            }
            written += record.WriteLine();
        }
        EXPECT_GT(workstations, 0) << name;
        EXPECT_EQ(written, bytes) << name;
    }
}
