#pragma once

#include <optional>
#include <string>

#include "document_snapshot.h"
#include "file_path.h"
#include "recovery_schedule.h"

class DocumentSession;
class RecoveryClock;
class RecoveryWriter;

// Keeps the recovery copy of the open document: takes a snapshot after each change, has the
// copy written when the schedule says so, and has it removed once the document has no unsaved
// changes (saved, discarded, closed, replaced) and when the program ends normally. The window
// calls SessionChanged on every change of the session's state, as it happens, Settled once the
// command that made the changes has finished, and Tick every second.
class RecoveryKeeper {
public:
    RecoveryKeeper(DocumentSession& session, const RecoveryClock& clock, RecoveryWriter& writer,
                   FilePath copy, int intervalMinutes);

    void SetInterval(int minutes) { schedule_.SetInterval(minutes); }
    int IntervalMinutes() const { return schedule_.IntervalMinutes(); }
    const FilePath& CopyPath() const { return copy_; }

    // Cheap, and safe in the middle of a command: sees the document given up (discarded, saved,
    // closed) even when another takes its place within the same command.
    void SessionChanged();
    // Takes the snapshot of what changed. Only the geographic view shows the document, and only
    // there can it change; the other views keep the last snapshot.
    void Settled();
    // Writes the copy when it is due. Gives the reason of a write that failed since the last
    // call (UTF-8), once per failure.
    std::optional<std::string> Tick();
    // The document now open came from the copy `recovered`: this program's copy becomes that
    // one, so that saving or discarding the document removes it. Its lock is the caller's.
    void Adopt(const FilePath& recovered);
    // The program ends normally: what the user did not save was given up with their word.
    void Leave();

private:
    DocumentSession& session_;
    const RecoveryClock& clock_;
    RecoveryWriter& writer_;
    FilePath copy_;
    RecoverySchedule schedule_;
    std::optional<DocumentSnapshot> latest_;
    bool copyExists_ = false;  // written or adopted, and not removed since
    bool unsettled_ = false;   // changes since the last snapshot
};
