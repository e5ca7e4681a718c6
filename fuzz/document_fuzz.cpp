// Seeds: tests/data/*.kl3 examples/*.kl3 fuzz/seeds/document/*
// Dictionary: fuzz/kl3.dict
// Options: -max_len=12000
//
// Opening a document from any bytes: every record lands in the slot its field::kSlot names, no slot
// up to the count is left empty, the rebuilt tree shows every record once under the parent its
// field::kParent names, and the document saves to a file that loads back to the same records and tree.
#include <cstdint>
#include <string>

#include "document_commands.h"
#include "document_reader.h"
#include "document_session.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t lines = LineCount(bytes);

    CountingPort port;
    FixedDates dates;
    DocumentSession session;
    DocumentCommands commands(session, port, dates);
    document_reader::ReadLines(bytes, session.Table(), port);

    const NodeTable& table = session.Table();
    FUZZ_REQUIRE(table.count() <= NodeTable::kCapacity);
    FUZZ_REQUIRE(static_cast<std::size_t>(table.count()) <= lines);
    FUZZ_REQUIRE(port.messages.size() <= lines);
    for (int s = 1; s <= table.count(); ++s) {
        FUZZ_REQUIRE(table.Record(s) != nullptr);
        FUZZ_REQUIRE(table.Record(s)->GetFieldInt(field::kSlot) == s);
    }
    if (table.count() == 0) return 0;

    session.RebuildTree();
    FUZZ_REQUIRE(table.Record(1)->GetFieldInt(field::kParent) == 0);
    RequireTreeShowsTable(session);
    RequireSaveRoundTrip(session, commands);
    return 0;
}
