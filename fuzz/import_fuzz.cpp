// Seeds: tests/data/*.kl3 examples/*.kl3 fuzz/seeds/document/*
// Dictionary: fuzz/kl3.dict
// Options: -max_len=12000
//
// Importing any bytes onto an open document. The first byte chooses the open document: a new
// one, one with a slot emptied by a deletion, or (more rarely, as it is slower) one three
// records short of the limit. Every imported line takes the next slot until the limit, its
// parent number is translated into the open document's numbering, the imported structure is
// kept, and the result saves to a file that loads back to the same records and tree.
#include <cstdint>
#include <string>
#include <vector>

#include "document_commands.h"
#include "document_reader.h"
#include "document_session.h"
#include "fuzz_support.h"
#include "line_source.h"
#include "texts.h"

namespace {

std::string NearlyFullDocument() {
    std::string bytes = "1\t0\tE\tfirm\r\n";
    for (int line = 2; line <= NodeTable::kCapacity - 3; ++line)
        bytes += std::to_string(line) + "\t" + std::to_string(line / 2) + "\tZ\tzone\r\n";
    return bytes;
}

void OpenBase(int choice, DocumentSession& session, DocumentCommands& commands, CountingPort& port) {
    if (choice == 0) {
        commands.New();
        return;
    }
    static const std::string nearlyFull = NearlyFullDocument();
    const std::string withGap = "1\t0\tE\tfirm\r\n2\t1\tZ\ta\r\n3\t2\tP\tb\r\n4\t1\tZ\tc\r\n";
    document_reader::ReadLines(choice == 1 ? withGap : nearlyFull, session.Table(), port);
    session.RebuildTree();
    if (choice == 1) session.DeleteSubtree(session.Table().Node(2));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int choice = data[0] % 8 < 4 ? 0 : (data[0] % 8 < 7 ? 1 : 2);
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    CountingPort port;
    FixedDates dates;
    DocumentSession session;
    DocumentCommands commands(session, port, dates);
    OpenBase(choice, session, commands, port);
    const int before = session.Table().count();
    port.messages.clear();

    // What each line says, read on its own.
    std::vector<std::int32_t> parents;
    for (LineSource lines(bytes); !lines.AtEnd();) {
        oToken line;
        line.ReadLine(lines);
        parents.push_back(line.GetFieldInt(field::kParent));
    }

    document_reader::AppendLines(bytes, session, port);
    const NodeTable& table = session.Table();
    const int added = table.count() - before;
    FUZZ_REQUIRE(added == std::min<int>(static_cast<int>(parents.size()), NodeTable::kCapacity - before));
    FUZZ_REQUIRE(port.messages.size() == parents.size() - static_cast<std::size_t>(added));
    for (const std::string& message : port.messages)
        FUZZ_REQUIRE(message == text::kMaximum);
    for (int i = 0; i < added; ++i) {
        const oToken* record = table.Record(before + 1 + i);
        FUZZ_REQUIRE(record != nullptr);
        FUZZ_REQUIRE(record->GetFieldInt(field::kSlot) == before + 1 + i);
        const std::int64_t p = parents[i];
        const std::int64_t expected = p == 0 ? 1 : (p > 0 && p <= NodeTable::kCapacity ? p + before : p);
        FUZZ_REQUIRE(record->GetFieldInt(field::kParent) == expected);
    }

    session.RebuildTree();
    RequireTreeShowsTable(session);
    // An imported line whose parent is an earlier imported line stays under it; a line without
    // a parent hangs under the firm.
    for (int i = 0; i < added; ++i) {
        const TreeNode* node = table.Node(before + 1 + i);
        const std::int32_t p = parents[i];
        if (p == 0) FUZZ_REQUIRE(node->parent == table.Node(1));
        if (p >= 1 && p <= i) FUZZ_REQUIRE(node->parent == table.Node(before + p));
    }
    RequireSaveRoundTrip(session, commands);
    return 0;
}
