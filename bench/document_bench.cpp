// Load, rebuild and save of a full document (1024 records) as the file commands do them.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "document_commands.h"
#include "document_session.h"
#include "fixed_dates.h"
#include "user_port.h"

namespace {

class SilentPort : public UserPort {
public:
    void ShowMessage(const std::string&) override {}
    void ShowError(const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<FilePath> ChooseFile(const FileDialogSpec&) override { return std::nullopt; }
};

// A realistic full document: a firm with zones, workstations, questionnaires, deficiencies and
// measures, 1024 lines in pre-order.
std::string FullDocument() {
    std::string bytes =
        "1\t0\tE\tTalleres del Norte S.L.\tComentarios de la empresa\t15/03/2026\t\t\t\t\t\t"
        "10000000000000000000000\r\n";
    int line = 1;
    auto add = [&](int parent, const std::string& rest) {
        bytes += std::to_string(++line) + "\t" + std::to_string(parent) + "\t" + rest + "\r\n";
        return line;
    };
    while (line < 1024) {
        const int zone = add(1, "Z\tNave de producción\tZona con riesgos comunes\t15/03/2026\tAna");
        for (int p = 0; p < 3 && line < 1024; ++p) {
            const int post =
                add(zone, "P\tPuesto de soldadura\t\t15/03/2026\tLuis\t\t\t\t\t00100100000000000000000");
            const int q = add(post, "C\t02.- Máquinas\tAgentes: humos, chispas\t20/03/2026\t\t\t\t\t\t3");
            for (int d = 0; d < 3 && line < 1024; ++d) {
                const int def =
                    add(q,
                        "D\t4. ¿Disponen los elementos móviles de resguardos?\tInstale resguardos fijos "
                        "o móviles con enclavamiento.\t\t\t\t\t\t\t10332\t\tFalta resguardo en el torno");
                if (line < 1024)
                    add(def, "R\tColocar resguardo regulable\tComentario~~de dos líneas\t30/04/2026\tPedro");
            }
        }
    }
    return bytes;
}

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
    LoadRebuildSaveIn(state, std::filesystem::is_directory("/dev/shm")
                                 ? std::filesystem::path("/dev/shm")
                                 : std::filesystem::temp_directory_path());
}
BENCHMARK(LoadRebuildSave)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same on the disk of the temporary folder: a save waits until the file and its folder are
// flushed to disk, which is what makes it crash-safe and which the disk's speed decides.
void LoadRebuildSaveOnDisk(benchmark::State& state) {
    LoadRebuildSaveIn(state, std::filesystem::temp_directory_path());
}
BENCHMARK(LoadRebuildSaveOnDisk)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
