#pragma once

#include <deque>
#include <optional>
#include <string>

#include "document_snapshot.h"

class DocumentSession;

// The steps that "Deshacer" and "Rehacer" take back and do again. Each step is a command that
// changed the document, kept as the snapshot of the document before it. Undoing puts that
// snapshot back and keeps the present state for "Rehacer"; the modified flag comes back with
// the state, except that every state other than the one just saved counts as modified.
// The history is held in memory only and goes with the document (new, open, close).
//
// A command becomes a step by holding an UndoStep while it runs:
//
//     void Commands::DoSomething() {
//         const UndoStep step(session_, W("Hacer algo"));  // the name "Deshacer ..." shows
//         ...                                              // any change, any early return
//     }
//
// A command that changed nothing (cancelled, refused) leaves no step. Steps run inside another
// step belong to the outer one.
class UndoHistory {
public:
    static constexpr std::size_t kMaxSteps = 100;

    explicit UndoHistory(DocumentSession& session) : session_(session) {}

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The names of the step that "Deshacer" and "Rehacer" would take (Windows-1252); empty when none.
    std::string UndoName() const { return undo_.empty() ? std::string() : undo_.back().name; }
    std::string RedoName() const { return redo_.empty() ? std::string() : redo_.back().name; }

    // Calls visit with the snapshot of every step that "Deshacer" or "Rehacer" can bring back.
    template <typename Visit>
    void ForEachSnapshot(Visit visit) const {
        for (const Step& step : undo_) visit(step.snapshot);
        for (const Step& step : redo_) visit(step.snapshot);
    }

    void Undo();
    void Redo();
    // Forgets every step: the document has been replaced or closed.
    void Clear();
    // The document has just been written: only the present state is unmodified now.
    void MarkSaved();

private:
    friend class UndoStep;
    struct Step {
        std::string name;
        DocumentSnapshot snapshot;
    };

    void Begin();
    void End(const std::string& name);
    // Puts back the document that the last step of `from` holds; the present document becomes
    // the last step of `to`, under the same name.
    void Restore(std::deque<Step>& from, std::deque<Step>& to);
    void Changed();

    DocumentSession& session_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    int depth_ = 0;
    std::optional<DocumentSnapshot> before_;
};

// Makes the command that runs while it lives one step of the session's history (see above).
class UndoStep {
public:
    UndoStep(DocumentSession& session, std::string name);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    UndoHistory& history_;
    std::string name_;
};
