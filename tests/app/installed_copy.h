#pragma once

#include <filesystem>

#include "native_path.h"
#include "program_run.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

// A copy of the program in <scratch>/bin, as an installation would lay it out.
struct InstalledCopy {
    TempDir root;
    // Named as the built program is ("kaldo.exe" on Windows, which starts only a file so named).
    FilePath program = root.File("bin/" + FromNativePath(fs::path(KALDO_PROGRAM).filename()).Utf8());
    FilePath document = root.File("doc.kl3");

    InstalledCopy() {
        fs::create_directories(root.File("bin").Utf8());
        fs::copy_file(KALDO_PROGRAM, program.Utf8());
        WriteFile(document, "1\t0\tE\tFirma\r\n");
    }
    ProgramRun Verify() { return RunProgramFile(program, {"--verificar", document}, root.path()); }
};

