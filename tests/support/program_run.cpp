#include "program_run.h"

#include <gtest/gtest.h>

// What is the same on every system; starting processes is each system's own
// (program_run_posix.cpp, program_run_windows.cpp).

ProgramRun RunProgram(const ProgramArguments& arguments, const FilePath& workingDir) {
    return RunProgramFile(FilePath(KALDO_PROGRAM), arguments, workingDir);
}

void ExpectFailures(const std::vector<FailingRun>& runs) {
    for (const FailingRun& failing : runs) {
        SCOPED_TRACE(failing.message);
        const ProgramRun run = RunProgram(failing.arguments);
        EXPECT_EQ(run.status, failing.status);
        EXPECT_NE(run.err.find(failing.message), std::string::npos) << run.err;
    }
}
