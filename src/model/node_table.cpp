#include "node_table.h"

#include <algorithm>

NodeTable::Slot* NodeTable::At(int s) {
    return (s >= 1 && s <= count_) ? &slots_[s] : nullptr;
}

const NodeTable::Slot* NodeTable::At(int s) const {
    return (s >= 1 && s <= count_) ? &slots_[s] : nullptr;
}

oToken* NodeTable::Record(int s) const {
    const Slot* slot = At(s);
    return slot ? slot->record.get() : nullptr;
}

TreeNode* NodeTable::Node(int s) const {
    const Slot* slot = At(s);
    return slot ? slot->node : nullptr;
}

oToken* NodeTable::Append(std::unique_ptr<oToken>&& record) {
    if (Full()) return nullptr;
    ++count_;
    record->SetFieldInt(field::kSlot, count_);
    slots_[count_].record = std::move(record);
    slots_[count_].node = nullptr;
    return slots_[count_].record.get();
}

void NodeTable::Put(int s, std::unique_ptr<oToken> record) {
    if (s < 1 || s > kCapacity || s > count_ + 1) return;
    if (s == count_ + 1) ++count_;
    slots_[s].record = std::move(record);
    slots_[s].node = nullptr;
}

void NodeTable::SetNode(int s, TreeNode* node) {
    if (Slot* slot = At(s)) slot->node = node;
}

void NodeTable::Free(int s) {
    if (Slot* slot = At(s)) {
        slot->record.reset();
        slot->node = nullptr;
    }
}

std::unique_ptr<oToken> NodeTable::TakeLast() {
    if (count_ == 0) return nullptr;
    std::unique_ptr<oToken> record = std::move(slots_[count_].record);
    slots_[count_].node = nullptr;
    --count_;
    return record;
}

void NodeTable::Clear() {
    for (int s = 1; s <= count_; ++s) {
        slots_[s].record.reset();
        slots_[s].node = nullptr;
    }
    count_ = 0;
}

void NodeTable::Reindex(const std::vector<oToken*>& records, const std::vector<TreeNode*>& nodes) {
    // Take ownership of the listed records first: their old slots may be overwritten below.
    std::vector<std::unique_ptr<oToken>> owned(records.size());
    for (std::size_t k = 0; k < records.size(); ++k) {
        const int s = SlotOf(records[k]);
        if (s > 0) owned[k] = std::move(slots_[s].record);
    }
    Clear();
    const int n = static_cast<int>(std::min<std::size_t>(records.size(), kCapacity));
    for (int k = 0; k < n; ++k) {
        slots_[k + 1].record = owned[k] ? std::move(owned[k]) : nullptr;
        slots_[k + 1].node = nodes[k];
    }
    count_ = n;
}

int NodeTable::SlotOf(const oToken* record) const {
    if (!record) return 0;
    const int s = record->GetFieldInt(field::kSlot);
    if (s >= 1 && s <= count_ && slots_[s].record.get() == record) return s;
    for (int s = 1; s <= count_; ++s) {
        if (slots_[s].record.get() == record) return s;
    }
    return 0;
}
