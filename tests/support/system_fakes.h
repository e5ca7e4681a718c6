#pragma once

#include <string>

#include "file_path.h"

// What the tests make of the system around the program, in each system's own way
// (system_fakes_posix.cpp, system_fakes_windows.cpp).

// A name in the folder that no program can read as a file: a named pipe on Linux; on Windows,
// where a folder holds no pipes, a file that this process holds open without sharing, as
// another program that has a document open does. False when it could not be made.
bool MakeUnreadableFile(const FilePath& path);
// Whether MakeUnreadableFile makes a pipe (whose message says so) rather than a held file.
extern const bool kUnreadableFileIsAPipe;
// Why the program says it cannot read such a file (UTF-8).
extern const char* const kUnreadableFileReason;
// What the system's message says of a file in a folder that does not exist.
extern const char* const kNoSuchFolderMessage;

// A file that cannot be read, and part of what the system then says: on Linux /proc/self/mem,
// which opens and fails at its first byte; on Windows a file in the folder held open by this
// process (MakeUnreadableFile).
FilePath FileThatFailsToRead(const FilePath& folder);
extern const char* const kReadFailureMessage;

// Sets or removes a variable of this process's environment, which the programs it starts inherit.
void SetEnvironment(const std::string& name, const std::string& value);
void UnsetEnvironment(const std::string& name);
// Local time is UTC from now on in this process (the C library's time zone).
void UseUtcAsLocalTime();
