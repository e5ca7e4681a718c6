// The action plan of a full document (1024 records): building its rows, and each export as the
// plan window's buttons and "kaldo --plan" write it (files on a memory file system, where
// flushing costs nothing; the PDF through the program's own printer canvas).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "action_plan.h"
#include "full_document.h"
#include "gui_application.h"
#include "plan_export.h"
#include "plan_pdf.h"
#include "qt_pdf_canvas_source.h"
#include "recording_canvas.h"

namespace {

// The full document's plan on 8 December 2026.
plan::ActionPlan Plan() {
    OpenFullDocument& document = TheFullDocument();
    return plan::BuildActionPlan(document.session, document.dates, {2026, 12, 8});
}

void BuildPlan(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Plan().rows.size());
    state.counters["rows"] = static_cast<double>(Plan().rows.size());
}
BENCHMARK(BuildPlan)->Unit(benchmark::kMillisecond)->UseRealTime();

void Export(benchmark::State& state, plan::Format format, const char* name) {
    NeedGuiApplication();
    const plan::ActionPlan plan = Plan();
    const FilePath out((BenchScratch() / name).string());
    QtPdfCanvasSource pdf;
    std::string error;
    for (auto _ : state) {
        if (!plan::ExportPlan(plan, format, out, pdf, &error)) state.SkipWithError(error.c_str());
    }
    std::filesystem::remove(out.Utf8());
}
BENCHMARK_CAPTURE(Export, Csv, plan::Format::kCsv, "kaldo-plan-bench.csv")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Export, Xlsx, plan::Format::kXlsx, "kaldo-plan-bench.xlsx")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Export, Pdf, plan::Format::kPdf, "kaldo-plan-bench.pdf")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The PDF's layout alone, on a canvas that only records: what the table costs before Qt paints.
void LayOutPdfTable(benchmark::State& state) {
    const plan::ActionPlan plan = Plan();
    for (auto _ : state) {
        RecordingCanvas canvas(6800, 4800);
        std::string error;
        plan::PrintPlan(plan, canvas, &error);
        benchmark::DoNotOptimize(canvas.calls.size());
    }
}
BENCHMARK(LayOutPdfTable)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
