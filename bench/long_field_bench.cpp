// A document whose one deficiency has a detected text of 64 KB (words of ordinary length), printed
// as "kaldo --plan x.pdf" and "kaldo --evaluacion-pdf" print it, through the program's printer
// canvas. Wrapping costs in proportion to a text's length: each stays well under half a second
// (it took 22.6 s and 39.9 s when every line measured the whole rest of the text).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "action_plan.h"
#include "assessment.h"
#include "assessment_export.h"
#include "cp1252.h"
#include "document_commands.h"
#include "full_document.h"
#include "gui_application.h"
#include "numbered_lines.h"
#include "plan_export.h"
#include "qt_pdf_canvas_source.h"

namespace {

struct LongFieldDocument {
    LongFieldDocument() {
        std::string detected;
        while (detected.size() < 64 * 1024)
            detected += "el resguardo del torno falta desde hace meses y nadie lo ha repuesto; ";
        NumberedLines lines;
        lines.Add(0, "E\tTalleres del Norte S.L.\t\t15/03/2026");
        const int q = lines.Add(1, "C\t02.- Máquinas\t\t20/03/2026\t\t\t\t\t\t3");
        const int d = lines.Add(q, "D\t4. ¿Disponen los elementos móviles de resguardos?\tInstale resguardos."
                                   "\t\t\t\t\t\t10332\t\t" + detected);
        lines.Add(d, "R\tColocar resguardo regulable\t\t30/04/2026\tPedro");
        const std::filesystem::path path = BenchScratch() / "kaldo-bench-long-field.kl3";
        std::ofstream(path, std::ios::binary) << W(lines.Bytes());
        DocumentCommands(session, port, dates).LoadDocument(FilePath(path.string()));
        std::filesystem::remove(path);
        catalogue.Load(FilePath(KALDO_SOURCE_DIR "/data/C31.TXT"), port);
    }

    SilentPort port;
    FixedDates dates;
    DocumentSession session;
    Catalogue catalogue;
};

LongFieldDocument& TheLongFieldDocument() {
    static LongFieldDocument document;
    return document;
}

void PlanPdfWithA64KbField(benchmark::State& state) {
    NeedGuiApplication();
    LongFieldDocument& document = TheLongFieldDocument();
    const plan::ActionPlan plan = plan::BuildActionPlan(document.session, document.dates, {2026, 4, 1});
    const FilePath out((BenchScratch() / "kaldo-bench-long-field-plan.pdf").string());
    QtPdfCanvasSource pdf;
    std::string error;
    for (auto _ : state) {
        if (!plan::ExportPlan(plan, plan::Format::kPdf, out, pdf, &error)) state.SkipWithError(error.c_str());
    }
    std::filesystem::remove(out.Utf8());
}
BENCHMARK(PlanPdfWithA64KbField)->Unit(benchmark::kMillisecond)->UseRealTime();

void AssessmentPdfWithA64KbField(benchmark::State& state) {
    NeedGuiApplication();
    LongFieldDocument& document = TheLongFieldDocument();
    const FilePath out((BenchScratch() / "kaldo-bench-long-field-assessment.pdf").string());
    QtPdfCanvasSource pdf;
    std::string error;
    for (auto _ : state) {
        const assessment::Assessment gathered =
            assessment::Gather(document.session, document.catalogue, document.dates, {2026, 4, 1});
        if (!assessment::ExportPdf(gathered, out, pdf, &error)) state.SkipWithError(error.c_str());
    }
    std::filesystem::remove(out.Utf8());
}
BENCHMARK(AssessmentPdfWithA64KbField)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
