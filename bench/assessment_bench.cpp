// The risk assessment document of a full document (1024 records): gathering it, laying it out,
// and writing its PDF as "kaldo --evaluacion-pdf" does (through the program's printer canvas,
// to a memory file system where flushing costs nothing).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "assessment.h"
#include "assessment_export.h"
#include "assessment_printout.h"
#include "full_document.h"
#include "gui_application.h"
#include "qt_pdf_canvas_source.h"
#include "recording_canvas.h"

namespace {

// The full document's assessment on 1 April 2026.
assessment::Assessment Gathered() {
    OpenFullDocument& document = TheFullDocument();
    return assessment::Gather(document.session, document.catalogue, document.dates, {2026, 4, 1});
}

void GatherAssessment(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Gathered().places.size());
    state.counters["deficiencies"] = Gathered().Deficiencies();
}
BENCHMARK(GatherAssessment)->Unit(benchmark::kMillisecond)->UseRealTime();

// The layout alone, on a canvas that only records (characters as wide as the printer's).
void LayOutAssessment(benchmark::State& state) {
    const assessment::Assessment gathered = Gathered();
    int pages = 0;
    for (auto _ : state) {
        RecordingCanvas canvas(4600, 6600, 5, 10);
        std::string error;
        assessment::PrintAssessment(gathered, canvas, &error);
        pages = canvas.Pages();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(LayOutAssessment)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the open document to the written PDF.
void ExportAssessmentPdf(benchmark::State& state) {
    NeedGuiApplication();
    const FilePath out((BenchScratch() / "kaldo-assessment-bench.pdf").string());
    QtPdfCanvasSource pdf;
    std::string error;
    for (auto _ : state) {
        if (!assessment::ExportPdf(Gathered(), out, pdf, &error)) state.SkipWithError(error.c_str());
    }
    std::filesystem::remove(out.Utf8());
}
BENCHMARK(ExportAssessmentPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
