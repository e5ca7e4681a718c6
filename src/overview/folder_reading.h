#pragma once

#include <atomic>
#include <functional>
#include <vector>

#include "document_figures.h"

// Reading the documents of a folder on a pool of threads.
namespace overview {

// Called once for each document read, with its index in `documents`; never on two threads at
// once, but in the order in which the reads end.
using FiguresReady = std::function<void(std::size_t index, DocumentFigures&& figures)>;

// Reads every document with ReadFigures on `threads` threads (at least one) and returns when
// all are read, or as soon as the reads under way end after `cancel` became true.
void ReadDocuments(const std::vector<FoundDocument>& documents, const ShortDateFormat& format, const Date& asOf,
                   int threads, const FiguresReady& ready, const std::atomic<bool>& cancel);

// The threads worth using on this machine: one per core, at least one.
int DefaultThreads();

// The whole overview at once, for the command line and the tests: the rows in the folder's order.
Overview ReadOverview(const FilePath& folder, const std::vector<FoundDocument>& documents,
                      const ShortDateFormat& format, const Date& asOf, int threads);

}  // namespace overview
