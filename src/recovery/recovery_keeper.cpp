#include "recovery_keeper.h"

#include "document_session.h"
#include "recovery_clock.h"
#include "recovery_writer.h"

RecoveryKeeper::RecoveryKeeper(DocumentSession& session, const RecoveryClock& clock, RecoveryWriter& writer,
                               FilePath copy, int intervalMinutes)
    : session_(session), clock_(clock), writer_(writer), copy_(std::move(copy)), schedule_(intervalMinutes) {}

void RecoveryKeeper::SessionChanged() {
    if (session_.ViewMode() == view::kNone || !session_.Modified()) {
        schedule_.Clean();
        latest_.reset();
        unsettled_ = false;
        if (copyExists_) writer_.Remove(copy_);
        copyExists_ = false;
        return;
    }
    unsettled_ = true;
}

void RecoveryKeeper::Settled() {
    if (!unsettled_ || session_.ViewMode() != view::kGeographic) return;
    unsettled_ = false;
    latest_ = DocumentSnapshot::Capture(session_, latest_ ? &*latest_ : nullptr);
    schedule_.Changed(clock_.NowMs());
}

std::optional<std::string> RecoveryKeeper::Tick() {
    std::optional<std::string> failure;
    for (RecoveryWriter::Outcome& outcome : writer_.TakeOutcomes()) {
        if (outcome.copy != copy_) continue;
        if (outcome.kind == RecoveryWriter::Outcome::Kind::Failed) {
            schedule_.Failed(clock_.NowMs());
            failure = std::move(outcome.utf8Error);
        }
    }
    Settled();
    const std::int64_t now = clock_.NowMs();
    if (latest_ && schedule_.Due(now)) {
        writer_.Write(copy_, *latest_, session_.FileName(), now);
        copyExists_ = true;
        schedule_.Written(now);
    }
    return failure;
}

void RecoveryKeeper::Adopt(const FilePath& recovered) {
    if (recovered == copy_) return;
    if (copyExists_) writer_.Remove(copy_);
    copy_ = recovered;
    copyExists_ = true;
}

void RecoveryKeeper::Leave() {
    schedule_.Clean();
    latest_.reset();
    unsettled_ = false;
    if (copyExists_) writer_.Remove(copy_);
    copyExists_ = false;
    writer_.WaitIdle();
}
