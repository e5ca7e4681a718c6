#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

class DocumentSession;
class oToken;

// A copy of everything an editing command can change in the open document: the node table
// (every slot up to count, empty ones included), the document tree's order, the selected node,
// which branches are open and the modified flag. Restoring it gives back exactly that state.
// Records that did not change since an earlier snapshot are shared with it, so a history of
// snapshots costs little more than the records that were edited.
class DocumentSnapshot {
public:
    // Captures the geographic view of the session; `earlier`, when given, lends its unchanged records.
    static DocumentSnapshot Capture(const DocumentSession& session,
                                    const DocumentSnapshot* earlier = nullptr);

    // Puts the snapshot's document back into the session, in the geographic view.
    void RestoreInto(DocumentSession& session) const;
    // Whether the session holds the same records, slots and tree (selection, open branches
    // and the modified flag aside).
    bool SameDocumentAs(const DocumentSession& session) const;

    // Calls visit with every record the snapshot holds.
    template <typename Visit>
    void ForEachRecord(Visit visit) const {
        for (const auto& record : records_)
            if (record) visit(*record);
    }

    bool Modified() const { return modified_; }
    void SetModified(bool on) { modified_ = on; }

private:
    // One node of the tree in pre-order: the slot of its record and its depth below the top level.
    struct Node {
        int slot = 0;
        int depth = 0;
        int icon = 0;
        bool expanded = false;
        std::optional<std::string> text;  // only when it is not the record's label

        bool operator==(const Node&) const = default;
    };

    std::vector<std::shared_ptr<const oToken>> records_;  // slot s at s - 1; null for an empty slot
    std::vector<Node> nodes_;
    int selectedSlot_ = 0;
    bool modified_ = false;
};
