#pragma once

#include <string>
#include <vector>

// What the process needs from its system before anything else; process_setup_posix.cpp and
// process_setup_windows.cpp hold each system's form.

// Called first of all: a write beyond the file-size limit (ulimit -f) then fails like any other
// write, reported with the document kept, instead of ending the program with the user's changes.
void PrepareProcess();
// The command line's arguments after the program's name, in UTF-8 (on Windows, from the wide
// command line: the ANSI code page cannot hold every name).
std::vector<std::string> ProgramArguments(int argc, char** argv);
// For the headless mode: the system's error texts in the user's language, the output in UTF-8
// and byte for byte as written, in the console of the command that started the program.
void PrepareConsole();
