#include "document_reader.h"

#include <memory>
#include <utility>

#include "document_session.h"
#include "line_source.h"
#include "node_table.h"
#include "texts.h"
#include "user_port.h"

namespace document_reader {

void ReadLines(std::string bytes, NodeTable& table, UserPort& port) {
    LineSource lines(std::move(bytes));
    while (!lines.AtEnd()) {
        auto record = std::make_unique<oToken>();
        record->ReadLine(lines);
        const int b = record->GetFieldInt(field::kSlot);
        if (b <= 0) {
            port.ShowMessage(text::kBadLine);
        } else if (b <= table.count()) {
            // A later line with the same number replaces the earlier one.
            table.Put(b, std::move(record));
        } else if (table.Full()) {
            port.ShowMessage(text::kMaximum);
        } else {
            const int slot = table.count() + 1;
            if (b > slot) {
                port.ShowMessage(text::kBadParent);
                record->SetFieldInt(field::kSlot, slot);
            }
            table.Put(slot, std::move(record));
        }
    }
}

void AppendLines(std::string bytes, DocumentSession& session, UserPort& port) {
    // The imported lines are numbered in their own file: line p became the record p lines after
    // the open document's last slot.
    const int before = session.Table().count();
    LineSource lines(std::move(bytes));
    while (!lines.AtEnd()) {
        auto record = std::make_unique<oToken>();
        record->ReadLine(lines);
        const int p = record->GetFieldInt(field::kParent);
        oToken* added = session.AppendRecord(std::move(record), port);
        if (!added) continue;
        // A parent number beyond the table's size names no line of the file: it is kept as it
        // stands (the node goes to the top level), which also keeps the sum from overflowing.
        if (p == 0) {
            added->SetFieldInt(field::kParent, 1);
        } else if (p > 0 && p <= NodeTable::kCapacity) {
            added->SetFieldInt(field::kParent, p + before);
        }
    }
}

}  // namespace document_reader
