#pragma once

#include <vector>

class DocumentSession;
class oToken;

// The document's records in the order of its tree: each record, then the branches below it.
// While the document tree is shown that is the tree itself; while a view replaces it, the tree
// that "Geográfica" would build again from the node table (a record under the record that its
// parent number names, when that one was placed before it; at the top level otherwise).
struct OutlineEntry {
    const oToken* record = nullptr;
    int parent = -1;  // the index of the parent's entry; -1 at the top level
};

std::vector<OutlineEntry> DocumentOutline(const DocumentSession& session);
