#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "document_snapshot.h"
#include "file_path.h"

// Writes and removes recovery copies on a thread of its own, in the order they were asked
// for, so that the window never waits for the disk. A write takes a snapshot of the document
// (records shared with the undo history, so taking it costs little), turns it into the bytes
// "&Guardar" writes and puts them, with the copy's header, in place atomically. A copy whose
// document is byte for byte the one written last is not written again.
class RecoveryWriter {
public:
    // How one write ended: written, left as it was (nothing changed), or failed with the reason
    // in UTF-8.
    struct Outcome {
        enum class Kind { Written, Unchanged, Failed } kind;
        FilePath copy;
        std::string utf8Error;
    };

    RecoveryWriter();
    // Finishes what was asked, then ends the thread.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void Write(const FilePath& copy, DocumentSnapshot snapshot, const FilePath& document,
               std::int64_t copiedAtMs);
    void Remove(const FilePath& copy);
    // Waits until everything asked so far is done.
    void WaitIdle();
    // The outcomes of the writes finished since the last call, oldest first.
    std::vector<Outcome> TakeOutcomes();

private:
    void Run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<std::function<void()>> jobs_;
    std::vector<Outcome> outcomes_;
    bool busy_ = false;
    bool stopping_ = false;
    // Touched by the thread only: the document bytes of the copy last written, by copy.
    FilePath lastCopy_;
    std::string lastBytes_;
    std::thread thread_;
};
