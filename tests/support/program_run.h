#pragma once

#include <string>
#include <vector>

// The result of running the kaldo program as a separate process.
struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built program with the arguments (no shell involved) in the given working folder.
ProgramRun RunProgram(const std::vector<std::string>& arguments, const std::string& workingDir = ".");
// The same with another copy of the program.
ProgramRun RunProgramFile(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& workingDir = ".");

// Starts the built program without waiting for it, its output and errors sent to the given
// files ("/dev/null" to drop them); returns its process id.
int StartProgram(const std::vector<std::string>& arguments, const std::string& workingDir = ".",
                 const std::string& outPath = "/dev/null", const std::string& errPath = "/dev/null");
