#pragma once

#include <QObject>
#include <atomic>
#include <memory>
#include <thread>

#include "folder_reading.h"

// Reads the documents of a folder away from the window's thread and hands each one's figures
// to the window's thread as it is read, so that the window stays responsive. A new start or
// Cancel ends the reading under way; nothing of it is reported afterwards.
class OverviewLoader : public QObject {
    Q_OBJECT
public:
    explicit OverviewLoader(QObject* parent = nullptr);
    ~OverviewLoader() override;

    void Start(const FilePath& folder, bool subfolders, const ShortDateFormat& format, const Date& asOf);
    void Cancel();
    bool Running() const { return running_; }

signals:
    // The folder's documents were found: how many will be read.
    void listed(int count);
    // The folder could not be read (UTF-8).
    void failed(const QString& reason);
    void read(const overview::DocumentFigures& figures);
    // Every document was read (not sent when cancelled).
    void finished();

private:
    void Stop();

    std::thread worker_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    int run_ = 0;
    bool running_ = false;
};
