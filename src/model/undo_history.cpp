#include "undo_history.h"

#include "document_session.h"

void UndoHistory::Begin() {
    // Only the geographic view shows the document itself; nothing else can be edited.
    if (depth_++ == 0 && session_.ViewMode() == view::kGeographic) {
        before_ = DocumentSnapshot::Capture(session_, undo_.empty() ? nullptr : &undo_.back().snapshot);
    }
}

void UndoHistory::End(const std::string& name) {
    if (--depth_ > 0 || !before_) return;
    std::optional<DocumentSnapshot> before = std::move(before_);
    before_.reset();
    if (before->SameDocumentAs(session_)) return;
    undo_.push_back({name, std::move(*before)});
    if (undo_.size() > kMaxSteps) undo_.pop_front();
    redo_.clear();
    Changed();
}

void UndoHistory::Undo() {
    Restore(undo_, redo_);
}

void UndoHistory::Redo() {
    Restore(redo_, undo_);
}

void UndoHistory::Restore(std::deque<Step>& from, std::deque<Step>& to) {
    if (from.empty()) return;
    Step step = std::move(from.back());
    from.pop_back();
    to.push_back({step.name, DocumentSnapshot::Capture(session_, &step.snapshot)});
    step.snapshot.RestoreInto(session_);
    Changed();
}

void UndoHistory::Clear() {
    if (undo_.empty() && redo_.empty()) return;
    undo_.clear();
    redo_.clear();
    Changed();
}

void UndoHistory::MarkSaved() {
    for (Step& step : undo_)
        step.snapshot.SetModified(true);
    for (Step& step : redo_)
        step.snapshot.SetModified(true);
}

void UndoHistory::Changed() {
    session_.HistoryChanged();
}

UndoStep::UndoStep(DocumentSession& session, std::string name)
    : history_(session.History()), name_(std::move(name)) {
    history_.Begin();
}

UndoStep::~UndoStep() {
    history_.End(name_);
}
