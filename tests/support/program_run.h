#pragma once

#include <functional>
#include <string>
#include <vector>

#include "file_path.h"

// The result of running the kaldo program (or another) as a separate process.
struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// One command-line argument: a text as the terminal would give it, or a path's UTF-8 bytes.
struct ProgramArgument {
    ProgramArgument(const char* text) : utf8(text) {}
    ProgramArgument(std::string text) : utf8(std::move(text)) {}
    ProgramArgument(const FilePath& path) : utf8(path.Utf8()), path(true) {}
    std::string utf8;
    bool path = false;  // a file's path, which a tool of the build machine may need in its own form
};
using ProgramArguments = std::vector<ProgramArgument>;

// Runs the built program with the arguments (no shell involved) in the given working folder.
ProgramRun RunProgram(const ProgramArguments& arguments, const FilePath& workingDir = FilePath("."));
// The built program, killed if it has not ended after the given seconds (a run that would wait
// for good, such as a window that opens).
ProgramRun RunProgramWithTimeLimit(const ProgramArguments& arguments, int seconds);
// The same with another copy of the program.
ProgramRun RunProgramFile(const FilePath& program, const ProgramArguments& arguments,
                          const FilePath& workingDir = FilePath("."));

// POSIX only. The built program with the files it writes limited to the given size, as `ulimit -f` does (a
// full disk, seen by the program as a failing write).
ProgramRun RunProgramWithFileSizeLimit(const ProgramArguments& arguments, long bytes,
                                       const FilePath& workingDir = FilePath("."));

// POSIX only. Runs `start` in a child process and waits for it: `start` replaces the child with another
// program (an exec); when it returns, the child ends with status 127. What the child writes on
// its output and errors is kept.
ProgramRun RunInChild(const std::function<void()>& start);

// POSIX only. Starts the built program without waiting for it, its output and errors sent to the given
// files ("/dev/null" to drop them); returns its process id.
int StartProgram(const ProgramArguments& arguments, const FilePath& workingDir = FilePath("."),
                 const FilePath& outPath = FilePath("/dev/null"),
                 const FilePath& errPath = FilePath("/dev/null"));

// What a tool of the build machine (pdftotext, unzip) writes on its standard output when run
// with the arguments (no shell involved); what it writes on its errors is dropped. Under Wine the
// tool is the Debian machine's own, and path arguments are given in its form.
std::string ToolOutput(const std::string& tool, const ProgramArguments& arguments);

// A run of the program that must fail: its arguments, the exit status it must end with and a
// part of what it must write on its error output.
struct FailingRun {
    ProgramArguments arguments;
    int status;
    const char* message;
};
// Runs each one and checks its status and its message; each failure names the run's message.
void ExpectFailures(const std::vector<FailingRun>& runs);
