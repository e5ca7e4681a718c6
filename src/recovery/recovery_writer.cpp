#include "recovery_writer.h"

#include "document_commands.h"
#include "document_session.h"
#include "file_io.h"
#include "recovery_copy.h"
#include "recovery_folder.h"

RecoveryWriter::RecoveryWriter() : thread_([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void RecoveryWriter::Write(const FilePath& copy, DocumentSnapshot snapshot, const FilePath& document,
                           std::int64_t copiedAtMs) {
    auto job = [this, copy, snapshot = std::move(snapshot), document, copiedAtMs] {
        // The snapshot is put into a session of this thread's own, and written by the code that saves.
        DocumentSession scratch;
        snapshot.RestoreInto(scratch);
        std::string bytes = DocumentCommands::FileBytes(scratch);
        Outcome outcome{Outcome::Kind::Unchanged, copy, {}};
        if (copy != lastCopy_ || bytes != lastBytes_ || !file_io::IsFile(copy)) {
            const std::string file = ComposeCopy({document, copiedAtMs, bytes});
            if (file_io::WriteAtomically(copy, file, &outcome.utf8Error)) {
                outcome.kind = Outcome::Kind::Written;
                lastCopy_ = copy;
                lastBytes_ = std::move(bytes);
            } else {
                outcome.kind = Outcome::Kind::Failed;
                lastCopy_ = FilePath();
            }
        }
        const std::lock_guard lock(mutex_);
        outcomes_.push_back(std::move(outcome));
    };
    {
        const std::lock_guard lock(mutex_);
        jobs_.emplace_back(std::move(job));
    }
    wake_.notify_one();
}

void RecoveryWriter::Remove(const FilePath& copy) {
    {
        const std::lock_guard lock(mutex_);
        jobs_.emplace_back([this, copy] {
            recovery_folder::Remove(copy);
            if (copy == lastCopy_) lastCopy_ = FilePath();
        });
    }
    wake_.notify_one();
}

void RecoveryWriter::WaitIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

std::vector<RecoveryWriter::Outcome> RecoveryWriter::TakeOutcomes() {
    const std::lock_guard lock(mutex_);
    return std::exchange(outcomes_, {});
}

void RecoveryWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) return;  // stopping, with nothing left to do
        std::function<void()> job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        job();
        lock.lock();
        busy_ = false;
        if (jobs_.empty()) idle_.notify_all();
    }
}
