// The review of a full document (1024 records): every gap, as "Revisar el documento", the status
// bar and "kaldo --revisar" find them.
#include <benchmark/benchmark.h>

#include "document_review.h"
#include "full_document.h"

namespace {

void ReviewDocument(benchmark::State& state) {
    OpenFullDocument& document = TheFullDocument();
    std::size_t gaps = 0;
    for (auto _ : state) {
        gaps = review::Review(document.session, document.dates, {2026, 12, 8}).size();
        benchmark::DoNotOptimize(gaps);
    }
    state.counters["gaps"] = static_cast<double>(gaps);
}
BENCHMARK(ReviewDocument)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
