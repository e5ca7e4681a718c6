#include "overview_loader.h"

#include <QMetaObject>

OverviewLoader::OverviewLoader(QObject* parent) : QObject(parent) {}

OverviewLoader::~OverviewLoader() {
    Stop();
}

void OverviewLoader::Stop() {
    if (cancel_) *cancel_ = true;
    if (worker_.joinable()) worker_.join();
    cancel_.reset();
}

void OverviewLoader::Cancel() {
    Stop();
    ++run_;  // what the stopped run posted and is still queued is dropped
    running_ = false;
}

void OverviewLoader::Start(const FilePath& folder, bool subfolders, const ShortDateFormat& format, const Date& asOf) {
    Cancel();
    const int run = run_;
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    cancel_ = cancel;
    running_ = true;
    // Everything the thread posts comes back to this object on the window's thread.
    auto post = [this, run](auto&& deliver) {
        QMetaObject::invokeMethod(
            this,
            [this, run, deliver = std::forward<decltype(deliver)>(deliver)] {
                if (run == run_) deliver();
            },
            Qt::QueuedConnection);
    };
    worker_ = std::thread([this, post, cancel, folder, subfolders, format, asOf] {
        std::string error;
        const auto documents = overview::ListDocuments(folder, subfolders, &error);
        if (!documents) {
            post([this, error] {
                running_ = false;
                emit failed(QString::fromStdString(error));
            });
            return;
        }
        const int count = static_cast<int>(documents->size());
        post([this, count] { emit listed(count); });
        overview::ReadDocuments(
            *documents, format, asOf, overview::DefaultThreads(),
            [&](std::size_t, overview::DocumentFigures&& figures) {
                auto shared = std::make_shared<overview::DocumentFigures>(std::move(figures));
                post([this, shared] { emit read(*shared); });
            },
            *cancel);
        if (*cancel) return;
        post([this] {
            running_ = false;
            emit finished();
        });
    });
}
