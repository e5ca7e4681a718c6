// windows.h first: shellapi.h needs its types.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "process_setup.h"
#include "windows_names.h"

void PrepareProcess() {}

std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(windows_names::Utf8(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

namespace {

bool HasStream(DWORD which) {
    const HANDLE handle = ::GetStdHandle(which);
    return handle && handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

// kaldo.exe is a window program, which Windows starts without a console: its text goes to the
// console of the cmd.exe or PowerShell that started it, unless it already goes to a pipe or a
// file. The text is UTF-8 (the console is switched to it) and keeps its "\n" line ends, as on
// Linux; the system's texts are in Windows' own language.
void PrepareConsole() {
    if ((!HasStream(STD_OUTPUT_HANDLE) || !HasStream(STD_ERROR_HANDLE)) && ::AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (!HasStream(STD_OUTPUT_HANDLE) || _fileno(stdout) < 0) std::freopen("CONOUT$", "w", stdout);
        if (!HasStream(STD_ERROR_HANDLE) || _fileno(stderr) < 0) std::freopen("CONOUT$", "w", stderr);
    }
    ::SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}
