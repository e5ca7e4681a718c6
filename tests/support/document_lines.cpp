#include "document_lines.h"

#include <memory>

#include "cp1252.h"
#include "document_session.h"

void LoadLines(DocumentSession& session, const std::vector<std::string>& lines) {
    session.ClearDocument();
    int slot = 0;
    for (const std::string& line : lines) {
        auto record = std::make_unique<oToken>();
        record->ParseLine(W(line));
        session.Table().Put(++slot, std::move(record));
    }
    session.RebuildTree();
    session.SetModified(false);
}

std::string U(const std::string& text) {
    return cp1252::ToUtf8(text);
}
