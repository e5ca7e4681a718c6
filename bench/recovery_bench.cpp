// A recovery copy of the full document (1024 records): what the window's thread spends on it
// (the snapshot after a change and handing it to the writer), and the whole copy with the write.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "document_session.h"
#include "field_names.h"
#include "full_document.h"
#include "recovery_clock.h"
#include "recovery_folder.h"
#include "recovery_keeper.h"
#include "recovery_writer.h"
#include "undo_history.h"

namespace {

class StepClock : public RecoveryClock {
public:
    std::int64_t NowMs() const override { return now; }
    std::int64_t now = 1'765'000'000'000;
};

// The full document with a keeper whose copy goes to a folder of the given file system. Each
// round is one command that changes a record, then the interval passing.
struct CopyRound {
    explicit CopyRound(const std::filesystem::path& base)
        : folder(base / "kaldo-bench-recuperacion"),
          keeper(TheFullDocument().session, clock, writer,
                 recovery_folder::CopyPath(FilePath(folder.string()), "bench"), 2) {
        std::filesystem::create_directories(folder);
    }
    ~CopyRound() {
        keeper.Leave();
        std::filesystem::remove_all(folder);
    }

    void Edit() {
        DocumentSession& session = TheFullDocument().session;
        const UndoStep step(session, "Renombrar");
        session.Table().Record(5)->SetField(field::kName, "Zona " + std::to_string(++round));
        session.SetModified(true);
    }
    // What the window's thread does for the copy after the command: the snapshot, then the tick
    // that finds the copy due and hands it to the writer.
    void Copy() {
        keeper.SessionChanged();
        keeper.Settled();
        clock.now += 3 * 60 * 1000;
        keeper.Tick();
    }

    std::filesystem::path folder;
    StepClock clock;
    RecoveryWriter writer;
    RecoveryKeeper keeper;
    int round = 0;
};

void RecoveryCopyWindowThread(benchmark::State& state) {
    CopyRound copy(BenchScratch());
    for (auto _ : state) {
        state.PauseTiming();
        copy.writer.WaitIdle();
        copy.Edit();
        state.ResumeTiming();
        copy.Copy();
    }
}
BENCHMARK(RecoveryCopyWindowThread)->Unit(benchmark::kMillisecond)->UseRealTime();

// The first copy after a save, whose snapshot shares no record with an earlier one: the
// slowest case for the window's thread.
void RecoveryFirstCopyWindowThread(benchmark::State& state) {
    CopyRound copy(BenchScratch());
    for (auto _ : state) {
        state.PauseTiming();
        copy.writer.WaitIdle();
        TheFullDocument().session.SetModified(false);
        copy.keeper.SessionChanged();
        copy.Edit();
        state.ResumeTiming();
        copy.Copy();
    }
}
BENCHMARK(RecoveryFirstCopyWindowThread)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole copy: the window's part, then the writer's thread turning the snapshot into the
// document's bytes and writing them atomically.
void RecoveryCopyWrittenIn(benchmark::State& state, const std::filesystem::path& base) {
    CopyRound copy(base);
    for (auto _ : state) {
        state.PauseTiming();
        copy.Edit();
        state.ResumeTiming();
        copy.Copy();
        copy.writer.WaitIdle();
    }
}

void RecoveryCopyWritten(benchmark::State& state) {
    RecoveryCopyWrittenIn(state, BenchScratch());
}
BENCHMARK(RecoveryCopyWritten)->Unit(benchmark::kMillisecond)->UseRealTime();

void RecoveryCopyWrittenOnDisk(benchmark::State& state) {
    RecoveryCopyWrittenIn(state, std::filesystem::temp_directory_path());
}
BENCHMARK(RecoveryCopyWrittenOnDisk)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
