// Load, rebuild and save of a full document (1024 records) as the file commands do them.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "document_commands.h"
#include "document_session.h"
#include "fixed_dates.h"
#include "full_document.h"

namespace {

// A scratch folder for the files, removed afterwards.
class BenchFolder {
public:
    explicit BenchFolder(const std::filesystem::path& base) : path_(base / "kaldo-bench") {
        std::filesystem::create_directories(path_);
    }
    ~BenchFolder() { std::filesystem::remove_all(path_); }
    FilePath File(const char* name) const { return FilePath((path_ / name).string()); }

private:
    std::filesystem::path path_;
};

// Load, rebuild and save as "&Abrir ...", "Geográfica" and "&Guardar" do them, into a folder of
// the given file system.
void LoadRebuildSaveIn(benchmark::State& state, const std::filesystem::path& base) {
    const BenchFolder folder(base);
    const FilePath in = folder.File("full.kl3"), out = folder.File("out.kl3");
    std::ofstream(in.Utf8(), std::ios::binary) << FullDocument();
    SilentPort port;
    FixedDates dates;
    for (auto _ : state) {
        DocumentSession session;
        DocumentCommands commands(session, port, dates);
        commands.LoadDocument(in);
        session.RebuildTree();
        commands.SaveDocument(out);
        benchmark::DoNotOptimize(session.Table().count());
    }
}

// The program's own work: the files live on a memory file system, where flushing a file to
// disk costs nothing.
void LoadRebuildSave(benchmark::State& state) {
    LoadRebuildSaveIn(state, BenchScratch());
}
BENCHMARK(LoadRebuildSave)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same on the disk of the temporary folder: a save waits until the file and its folder are
// flushed to disk, which is what makes it crash-safe and which the disk's speed decides.
void LoadRebuildSaveOnDisk(benchmark::State& state) {
    LoadRebuildSaveIn(state, std::filesystem::temp_directory_path());
}
BENCHMARK(LoadRebuildSaveOnDisk)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
