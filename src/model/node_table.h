#pragma once

#include <array>
#include <memory>
#include <vector>

#include "otoken.h"

struct TreeNode;

// The document's records: slots 1..1024, each with the record it owns and the node of the
// document tree that shows it. count is the highest slot in use; new records go to count + 1,
// and slots emptied by deletions are not reused until the document is saved and renumbered.
class NodeTable {
public:
    static constexpr int kCapacity = 1024;

    struct Slot {
        std::unique_ptr<oToken> record;
        TreeNode* node = nullptr;
    };

    int count() const { return count_; }
    bool Full() const { return count_ >= kCapacity; }

    // Slot s for 1 <= s <= count, else nullptr.
    Slot* At(int s);
    const Slot* At(int s) const;
    oToken* Record(int s) const;
    // The record that a record's field::kParent names as its parent, or nullptr.
    oToken* Parent(const oToken& record) const { return Record(record.GetFieldInt(field::kParent)); }
    TreeNode* Node(int s) const;

    // Puts the record at slot count + 1 and sets its field::kSlot. When the table is full it
    // returns nullptr and the record stays with the caller.
    oToken* Append(std::unique_ptr<oToken>&& record);
    // Puts a record into an existing slot 1..count (freeing what was there), or into
    // count + 1 when s is that; used when reading a file.
    void Put(int s, std::unique_ptr<oToken> record);
    void SetNode(int s, TreeNode* node);
    // Frees the record of slot s and clears both links; the slot stays counted.
    void Free(int s);
    // Undoes the addition of the record in the last slot.
    std::unique_ptr<oToken> TakeLast();
    void Clear();
    // After a save: slot k holds records[k-1] and nodes[k-1]; count becomes their number.
    void Reindex(const std::vector<oToken*>& records, const std::vector<TreeNode*>& nodes);
    // The slot that holds this record (normally its field::kSlot), or 0.
    int SlotOf(const oToken* record) const;

private:
    std::array<Slot, kCapacity + 1> slots_;  // index 0 unused
    int count_ = 0;
};
