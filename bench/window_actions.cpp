// kaldo_ui_bench: the user's actions on the real main window (offscreen) with a full document of
// 1024 records, each timed from the command to the repainted window, its undo and redo too.
// Every action should take less than a frame at 60 Hz (16 ms).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "catalogue.h"
#include "cp1252.h"
#include "document_tree_view.h"
#include "file_io.h"
#include "fixed_dates.h"
#include "main_window.h"
#include "numbered_lines.h"
#include "silent_port.h"
#include "tree_model.h"

namespace {

// A firm whose first zone holds 200 nodes (the zone, its questionnaire and nine workstations
// each with a questionnaire, ten deficiencies and ten measures); the other zones fill the document
// up to 1024 records the same way.
std::string FullDocument() {
    NumberedLines lines;
    lines.Add(0, "E\tTalleres del Norte S.L.\tComentarios\t15/03/2026\t\t\t\t\t\t10000000000000000000000");
    lines.Add(1, "C\t00.- Gestión Preventiva\t\t15/03/2026");
    for (int z = 1; lines.Count() < 1024; ++z) {
        const int zone = lines.Add(
            1, "Z\tNave " + std::to_string(z) + "\tZona\t15/03/2026\tAna\t\t\t\t\t01000000000000000000000");
        if (lines.Count() < 1024) lines.Add(zone, "C\t01.- Lugares de trabajo\t\t15/03/2026");
        for (int p = 0; p < 9 && lines.Count() < 1024; ++p) {
            const int post = lines.Add(zone, "P\tPuesto " + std::to_string(p) +
                                                 "\t\t15/03/2026\tLuis\t\t\t\t\t00100000000000000000000");
            if (lines.Count() >= 1024) break;
            const int q = lines.Add(post, "C\t02.- Máquinas\tAgentes: humos\t20/03/2026\t\t\t\t\t\t3");
            for (int d = 0; d < 10 && lines.Count() < 1024; ++d) {
                const int def = lines.Add(q,
                                          "D\t4. ¿Disponen los elementos móviles de resguardos?\tInstale "
                                          "resguardos.\t\t\t\t\t\t\t10332\t\tFalta resguardo en la válvula " +
                                              std::to_string(d));
                if (lines.Count() < 1024)
                    lines.Add(def, "R\tColocar resguardo regulable\tComentario\t30/04/2026\tPedro");
            }
        }
    }
    return W(lines.Bytes());
}

// The window with the document, made once for all the benchmarks.
struct Bench {
    Catalogue catalogue;
    SilentPort port{true};  // says yes
    FixedDates dates;
    std::unique_ptr<MainWindow> window;
    FilePath path;

    Bench() {
        SilentPort loading{true};
        catalogue.Load(FilePath(KALDO_SOURCE_DIR "/data/C31.TXT"), loading);
        path = FilePath(QDir::tempPath().toStdString() + "/kaldo_ui_bench.kl3");
        file_io::WriteAtomically(path, FullDocument(), nullptr);
        window = std::make_unique<MainWindow>(catalogue, &port, &dates);
        window->resize(1024, 768);
        window->show();
        Open();
    }
    void Open() {
        window->Commands().LoadDocument(path);
        Paint();
    }
    // What the user sees: pending events handled and the window painted.
    void Paint() {
        QCoreApplication::processEvents();
        window->repaint();
    }
    TreeNode* Node(int slot) { return window->Session().Table().Node(slot); }
    void Select(int slot) { window->TreeView->setCurrentIndex(window->Model()->IndexOf(Node(slot))); }
};

Bench& TheBench() {
    static Bench bench;
    return bench;
}

using Clock = std::chrono::steady_clock;

// Runs `timed` and reports its time, with the window painted; `untimed` runs afterwards.
template <typename Timed>
void Time(benchmark::State& state, Timed timed) {
    Bench& bench = TheBench();
    const auto start = Clock::now();
    timed();
    bench.Paint();
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
}

void BM_Open(benchmark::State& state) {
    for (auto _ : state)
        Time(state, [] { TheBench().Open(); });
}

void BM_View(benchmark::State& state, QAction* MainWindow::*view) {
    Bench& bench = TheBench();
    for (auto _ : state)
        Time(state, [&] { ((*bench.window).*view)->trigger(); });
    bench.window->Geogrfica1->trigger();
}

void BM_ExpandAll(benchmark::State& state) {
    Bench& bench = TheBench();
    for (auto _ : state) {
        bench.window->TreeView->collapseAll();
        bench.Paint();
        Time(state, [&] { bench.window->TreeView->expandAll(); });
    }
}

void BM_Find(benchmark::State& state) {
    Bench& bench = TheBench();
    bench.window->Buscar1->trigger();
    bench.window->findChild<QLineEdit*>("edtBuscar")->setText(QString::fromUtf8("válvula 9"));
    bench.Select(1);
    for (auto _ : state)
        Time(state, [&] { bench.window->BuscarSiguiente1->trigger(); });
}

// An action that changes the document: done, undone or redone, each timed on its own; the
// document is back as it was after every iteration.
enum class Phase { kDo, kUndo, kRedo };

void Step(benchmark::State& state, Phase phase, const std::function<void()>& prepare,
          const std::function<void()>& action) {
    Bench& bench = TheBench();
    QAction* undo = bench.window->Deshacer1;
    QAction* redo = bench.window->Rehacer1;
    for (auto _ : state) {
        prepare();
        bench.Paint();
        if (phase == Phase::kDo) {
            Time(state, action);
            undo->trigger();
        } else if (phase == Phase::kUndo) {
            action();
            bench.Paint();
            Time(state, [&] { undo->trigger(); });
        } else {
            action();
            undo->trigger();
            bench.Paint();
            Time(state, [&] { redo->trigger(); });
            undo->trigger();
        }
        if (!undo->isEnabled() && redo->isEnabled()) continue;
        state.SkipWithError("the action left no step to undo");
        break;
    }
}

// "Eliminar" of the first zone, with its 200 nodes.
void BM_Delete(benchmark::State& state, Phase phase) {
    Bench& bench = TheBench();
    Step(
        state, phase, [&] { bench.Select(3); }, [&] { bench.window->Eliminar1->trigger(); });
}

// A workstation's branch (22 nodes) dropped on the last zone.
void BM_Drop(benchmark::State& state, Phase phase) {
    Bench& bench = TheBench();
    int lastZone = 0;
    const NodeTable& table = bench.window->Session().Table();
    for (int s = 1; s <= table.count(); ++s) {
        if (table.Record(s) && table.Record(s)->GetKind(field::kKind) == 'Z') lastZone = s;
    }
    Step(
        state, phase, [&] { bench.Select(5); },
        [&] {
        emit bench.window->TreeView->nodeDropped(bench.window->Model()->IndexOf(bench.Node(lastZone)),
                                                 DropZone::OnNode);
        });
}

// "Asignar Cuestionarios" on the first zone: questionnaire 05 added, 01 taken away; timed from
// "&Aceptar" in the dialog to the window repainted.
void BM_Assign(benchmark::State& state, Phase phase) {
    Bench& bench = TheBench();
    Clock::time_point accepted;
    auto action = [&] {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            auto pick = [&](const char* list, const char* button, const QString& number) {
                auto* entries = dialog->findChild<QListWidget*>(list);
                for (int row = 0; row < entries->count(); ++row) {
                    if (entries->item(row)->text().startsWith(number)) entries->setCurrentRow(row);
                }
                dialog->findChild<QToolButton*>(button)->click();
            };
            pick("ListBox1", "SpeedButton2", "05");
            pick("ListBox2", "SpeedButton3", "01");
            accepted = Clock::now();
            dialog->accept();
        });
        bench.window->AsignarCuestionarios1->trigger();
    };
    if (phase != Phase::kDo) {
        Step(
            state, phase, [&] { bench.Select(3); }, action);
        return;
    }
    for (auto _ : state) {
        bench.Select(3);
        bench.Paint();
        action();
        bench.Paint();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - accepted).count());
        bench.window->Deshacer1->trigger();
    }
}

}  // namespace

#define KALDO_PHASES(name, function)                                                                        \
    BENCHMARK_CAPTURE(function, name, Phase::kDo)->UseManualTime()->Unit(benchmark::kMillisecond);          \
    BENCHMARK_CAPTURE(function, name##_undo, Phase::kUndo)->UseManualTime()->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(function, name##_redo, Phase::kRedo)->UseManualTime()->Unit(benchmark::kMillisecond)

BENCHMARK(BM_Open)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_View, Geografica, &MainWindow::Geogrfica1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_View, Temporal, &MainWindow::emporal1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_View, Valoracion, &MainWindow::Valoracin1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_View, Riesgos, &MainWindow::Riesgos1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpandAll)->UseManualTime()->Unit(benchmark::kMillisecond);
KALDO_PHASES(AsignarCuestionarios, BM_Assign);
KALDO_PHASES(Eliminar, BM_Delete);
KALDO_PHASES(Soltar, BM_Drop);
BENCHMARK(BM_Find)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window keeps its size and recent documents in the user's settings: not the real user's.
    const QString settings = QDir::tempPath() + "/kaldo_ui_bench_settings";
    qputenv("XDG_CONFIG_HOME", settings.toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TheBench().window.reset();
    return 0;
}
