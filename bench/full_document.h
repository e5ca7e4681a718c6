#pragma once

#include <filesystem>
#include <string>

#include "catalogue.h"
#include "document_session.h"
#include "fixed_dates.h"
#include "silent_port.h"

// A realistic full document: a firm with zones, workstations, questionnaires, deficiencies and
// measures, 1024 lines in pre-order, as file bytes.
std::string FullDocument();

// A folder for the files a benchmark writes: a memory file system where there is one, so that
// flushing costs nothing.
inline std::filesystem::path BenchScratch() {
    return std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                     : std::filesystem::temp_directory_path();
}

// The full document opened as "&Abrir ..." opens it, with the shipped catalogue: made the first
// time it is asked for and shared by the benchmarks.
struct OpenFullDocument {
    OpenFullDocument();

    SilentPort port;
    FixedDates dates;
    DocumentSession session;
    Catalogue catalogue;
};
OpenFullDocument& TheFullDocument();
