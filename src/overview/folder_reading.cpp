#include "folder_reading.h"

#include <algorithm>
#include <mutex>
#include <thread>

namespace overview {

void ReadDocuments(const std::vector<FoundDocument>& documents, const ShortDateFormat& format, const Date& asOf,
                   int threads, const FiguresReady& ready, const std::atomic<bool>& cancel) {
    std::atomic<std::size_t> next{0};
    std::mutex readyLock;
    const auto work = [&] {
        for (std::size_t i = next++; i < documents.size() && !cancel; i = next++) {
            DocumentFigures figures = ReadFigures(documents[i], format, asOf);
            const std::lock_guard lock(readyLock);
            if (!cancel) ready(i, std::move(figures));
        }
    };
    const int count = std::clamp(threads, 1, static_cast<int>(std::max<std::size_t>(documents.size(), 1)));
    std::vector<std::jthread> pool;
    pool.reserve(static_cast<std::size_t>(count - 1));
    for (int t = 1; t < count; ++t)
        pool.emplace_back(work);
    work();
}

int DefaultThreads() {
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

Overview ReadOverview(const FilePath& folder, const std::vector<FoundDocument>& documents,
                      const ShortDateFormat& format, const Date& asOf, int threads) {
    Overview overview{folder, asOf, format.Format(asOf), std::vector<DocumentFigures>(documents.size())};
    const std::atomic<bool> never{false};
    ReadDocuments(
        documents, format, asOf, threads,
        [&overview](std::size_t index, DocumentFigures&& figures) { overview.documents[index] = std::move(figures); },
        never);
    return overview;
}

}  // namespace overview
