// Seeds: data/C31.TXT fuzz/seeds/catalogue/*
// Dictionary: fuzz/catalogue.dict
// Options: -max_len=16384
//
// Loading a catalogue from any bytes, then every lookup over a range of arguments around the
// valid ones: no lookup fails, out-of-range arguments give the fixed error texts, counts stay
// within the tables, and loading over an already loaded catalogue gives the same lookups as
// loading into a fresh one.
#include <cstdint>
#include <string>

#include "catalogue.h"
#include "cp1252.h"
#include "fuzz_support.h"

namespace {

const std::string kShipped =
    "GGrupo\r\nC00Primero\r\n01Item uno\r\nDRecomendación\r\nV\r\nnota 1\r\nnota 2\r\nnota 3\r\n";

// Every lookup, with the range checks each promises.
std::string AllLookups(const Catalogue& catalogue) {
    const std::string wrongGroup = W("GRUPO ERRÓNEO");
    const std::string wrongNumber = W("NÚMERO DE CUESTIONARIO ERRÓNEO");
    const std::string wrongItem = W("ITEM ERRÓNEO");
    std::string all;
    for (int g = -2; g <= Catalogue::kGroups + 1; ++g) {
        const std::string name = catalogue.GroupName(g);
        if (g < 0 || g >= Catalogue::kGroups) FUZZ_REQUIRE(name == wrongGroup);
        all += name + '\n';
    }
    for (int q = -2; q <= Catalogue::kQuestionnaires + 1; ++q) {
        const bool valid = q >= 0 && q < Catalogue::kQuestionnaires;
        const std::string title = catalogue.QuestionnaireTitle(q);
        const std::string group = catalogue.QuestionnaireGroupName(q);
        if (!valid) {
            FUZZ_REQUIRE(title == wrongNumber);
            FUZZ_REQUIRE(group == wrongGroup);
        } else {
            FUZZ_REQUIRE(title.size() >= 3 && title.find(".- ") <= 2);
        }
        const int count = catalogue.ItemCount(q);
        FUZZ_REQUIRE(count >= 0 && count <= Catalogue::kItems);
        if (!valid) FUZZ_REQUIRE(count == 0);
        all += title + '\n' + group + '\n' + std::to_string(count) + '\n';
        for (int n = -1; n <= Catalogue::kItems + 2; ++n) {
            const std::string item = catalogue.ItemText(q, n);
            const std::string recommendation = catalogue.ItemRecommendation(q, n);
            const char degree = catalogue.ItemDegree(q, n);
            if (valid && n >= 1 && n <= count) {
                FUZZ_REQUIRE(degree == 'D' || degree == 'M' || degree == 'N' || degree == '\0');
            } else {
                FUZZ_REQUIRE(item == wrongItem);
                FUZZ_REQUIRE(recommendation == wrongItem);
                FUZZ_REQUIRE(degree == 'E');
            }
            all += item + '\n' + recommendation + '\n' + degree + '\n';
        }
        for (int line = 0; line <= 4; ++line) {
            const std::string note = catalogue.Note(q, line);
            if (!valid || line < 1 || line > 3) FUZZ_REQUIRE(note.empty());
            all += note + '\n';
        }
    }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    CountingPort port;
    Catalogue fresh;
    fresh.LoadFromBytes(bytes, port);
    FUZZ_REQUIRE(port.messages.size() <= LineCount(bytes));
    for (const std::string& message : port.messages)
        FUZZ_REQUIRE(message.rfind("ERROR EN ", 0) == 0);

    CountingPort quiet;
    Catalogue reloaded;
    reloaded.LoadFromBytes(kShipped, quiet);
    reloaded.LoadFromBytes(bytes, quiet);
    FUZZ_REQUIRE(AllLookups(fresh) == AllLookups(reloaded));
    return 0;
}
