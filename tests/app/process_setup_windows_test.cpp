// The headless mode's start on Windows: arguments in any alphabet reach the program as UTF-8,
// and its output leaves in UTF-8 with "\n" line ends, byte for byte as on Linux. Runs under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "windows_names.h"

namespace {

struct Finished {
    std::string out;
    DWORD status = 0;
};

// Runs the program with the command line given, its output and errors in one pipe.
Finished RunProgram(const std::wstring& commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    EXPECT_TRUE(::CreatePipe(&read, &write, &inherit, 0));
    ::SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine;
    Finished run;
    const bool started =
        ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    ::CloseHandle(write);
    EXPECT_TRUE(started) << ::GetLastError();
    char buffer[4096];
    DWORD n = 0;
    while (started && ::ReadFile(read, buffer, sizeof buffer, &n, nullptr) && n > 0) run.out.append(buffer, n);
    if (started) {
        ::WaitForSingleObject(process.hProcess, INFINITE);
        ::GetExitCodeProcess(process.hProcess, &run.status);
        ::CloseHandle(process.hProcess);
        ::CloseHandle(process.hThread);
    }
    ::CloseHandle(read);
    return run;
}

}  // namespace

TEST(ProcessSetupWindows, ArgumentsOfAnyAlphabetArriveAndLeaveAsUtf8WithLinuxLineEnds) {
    const std::wstring program = windows_names::Wide(FilePath(KALDO_PRINT_ARGUMENTS));
    const Finished run = RunProgram(L"\"" + program + L"\" --verificar \"C:\\Evaluación 2026\\Señalización Ñandú 文件.kl3\" x");
    EXPECT_EQ(run.out, "--verificar\nC:\\Evaluación 2026\\Señalización Ñandú 文件.kl3\nx\nGestión\n");
    EXPECT_EQ(run.status, 3u) << "the exit status comes back";
}
