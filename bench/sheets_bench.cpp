// The worker information sheets of every workstation of a full document (1024 records):
// gathering them, laying them out, and writing their PDF as "kaldo --fichas" does (through the
// program's printer canvas, to a memory file system where flushing costs nothing).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "full_document.h"
#include "gui_application.h"
#include "qt_pdf_canvas_source.h"
#include "recording_canvas.h"
#include "sheet_export.h"
#include "sheet_printout.h"
#include "workstation_sheet.h"

namespace {

// The sheets of the full document on 1 April 2026.
std::vector<sheets::Sheet> Gathered() {
    OpenFullDocument& document = TheFullDocument();
    return sheets::Gather(document.session, document.catalogue, document.dates, {2026, 4, 1});
}

void GatherSheets(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Gathered().size());
    state.counters["workstations"] = static_cast<double>(Gathered().size());
}
BENCHMARK(GatherSheets)->Unit(benchmark::kMillisecond)->UseRealTime();

// The layout alone, on a canvas that only records (characters as wide as the printer's).
void LayOutSheets(benchmark::State& state) {
    const std::vector<sheets::Sheet> gathered = Gathered();
    int pages = 0;
    for (auto _ : state) {
        RecordingCanvas canvas(4600, 6600, 5, 10);
        std::string error;
        sheets::PrintSheets(gathered, canvas, &error);
        pages = canvas.Pages();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(LayOutSheets)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the open document to the written PDF.
void ExportSheetsPdf(benchmark::State& state) {
    NeedGuiApplication();
    const FilePath out((BenchScratch() / "kaldo-sheets-bench.pdf").string());
    QtPdfCanvasSource pdf;
    std::string error;
    for (auto _ : state) {
        if (!sheets::ExportPdf(Gathered(), out, pdf, &error)) state.SkipWithError(error.c_str());
    }
    std::filesystem::remove(out.Utf8());
}
BENCHMARK(ExportSheetsPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
