// The example's assessment document with 100 photos, as "kaldo --evaluacion-pdf" writes it: each
// photo a JPEG of 2048 × 1536 pixels (the largest the program stores), drawn at its printed size.
// The counters give the file's size, which must stay far below the photos' own.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QRandomGenerator>
#include <cstdio>
#include <filesystem>

#include "assessment.h"
#include "assessment_export.h"
#include "document_commands.h"
#include "field_names.h"
#include "full_document.h"
#include "gui_application.h"
#include "kinds.h"
#include "photo_folder.h"
#include "photo_list.h"
#include "qt_pdf_canvas_source.h"

namespace {

constexpr int kPhotos = 100;

// A photo-like picture: shaded regions with grain everywhere, which compresses as a real photo
// does (about half a megabyte).
void WritePhoto(const std::filesystem::path& path, int seed) {
    QImage image(2048, 1536, QImage::Format_RGB32);
    QRandomGenerator random(static_cast<quint32>(seed));
    const int hue = seed * 37 % 360;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = static_cast<int>(random.bounded(24));
            const QColor colour = QColor::fromHsv((hue + x / 40) % 360, 90 + (y / 12) % 120, 110 + grain + (x + y) % 90);
            line[x] = colour.rgb();
        }
    }
    image.save(QString::fromStdString(path.string()), "JPEG", 85);
}

// The example, saved in the scratch folder with its findings given 100 photos between them.
struct ExampleWithPhotos {
    ExampleWithPhotos() {
        NeedGuiApplication();
        std::filesystem::create_directories(folder);
        const FilePath document((folder / "taller.kl3").string());
        std::filesystem::copy_file(KALDO_SOURCE_DIR "/examples/taller-mecanico.kl3", document.Utf8(),
                                   std::filesystem::copy_options::overwrite_existing);
        DocumentCommands commands(session, port, dates);
        commands.LoadDocument(document);
        catalogue.Load(FilePath(KALDO_SOURCE_DIR "/data/C31.TXT"), port);

        std::vector<oToken*> findings;
        for (int slot = 1; slot <= session.Table().count(); ++slot) {
            oToken* record = session.Table().Record(slot);
            if (record && record->GetKind(field::kKind) == kind::kDeficiency) findings.push_back(record);
        }
        const std::filesystem::path photos(PhotoFolderOf(document).Utf8());
        std::filesystem::create_directories(photos);
        std::vector<PhotoList> lists(findings.size());
        for (int p = 0; p < kPhotos; ++p) {
            char name[32];
            std::snprintf(name, sizeof name, "D-%04d.jpg", p + 1);
            if (!std::filesystem::exists(photos / name)) WritePhoto(photos / name, p);
            bytes += std::filesystem::file_size(photos / name);
            lists[static_cast<std::size_t>(p) % lists.size()].push_back({name, "Foto " + std::to_string(p + 1)});
        }
        for (std::size_t f = 0; f < findings.size(); ++f)
            findings[f]->SetField(kPhotoField, FormatPhotoList(lists[f]));
    }

    // The photos take some 70 MB of a memory file system.
    ~ExampleWithPhotos() { std::filesystem::remove_all(folder); }

    const std::filesystem::path folder = BenchScratch() / "kaldo-photos-bench";
    SilentPort port;
    FixedDates dates;
    DocumentSession session;
    Catalogue catalogue;
    std::uintmax_t bytes = 0;  // of the photos' files
};

void ExportAssessmentPdfWith100Photos(benchmark::State& state) {
    static ExampleWithPhotos example;
    const FilePath out((BenchScratch() / "kaldo-photos-bench.pdf").string());
    QtPdfCanvasSource pdf;
    std::string error;
    for (auto _ : state) {
        const assessment::Assessment gathered =
            assessment::Gather(example.session, example.catalogue, example.dates, {2026, 3, 25});
        if (!assessment::ExportPdf(gathered, out, pdf, &error)) state.SkipWithError(error.c_str());
    }
    state.counters["pdf_MB"] = static_cast<double>(std::filesystem::file_size(out.Utf8())) / 1e6;
    state.counters["photos_MB"] = static_cast<double>(example.bytes) / 1e6;
    std::filesystem::remove(out.Utf8());
}
BENCHMARK(ExportAssessmentPdfWith100Photos)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
