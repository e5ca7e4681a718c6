#include "program_run.h"

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "native_path.h"
#include "temp_dir.h"

namespace {

// One argument quoted so that CommandLineToArgvW, and the C runtime, give it back unchanged:
// backslashes are literal except before a quote, where they are doubled.
std::wstring Quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

std::wstring Wide(const std::string& utf8) {
    return NativePath(FilePath(utf8)).wstring();
}

HANDLE InheritableFile(const FilePath& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(NativePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Starts the command line with its output and errors in the given files; returns the process,
// or nullptr when it could not start. Under Wine a program of the build machine starts too, but
// no handle to it comes back.
HANDLE Start(const std::wstring& application, std::wstring commandLine, const FilePath& workingDir,
             const FilePath& outPath, const FilePath& errPath, bool* started) {
    HANDLE out = InheritableFile(outPath), err = InheritableFile(errPath);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    const std::wstring folder = NativePath(workingDir).wstring();
    *started = CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                              nullptr, folder.c_str(), &startup, &process) != 0;
    CloseHandle(out);
    CloseHandle(err);
    if (process.hThread) CloseHandle(process.hThread);
    return process.hProcess;
}

// The build machine's name of a Windows path, through the function Wine lends its programs.
std::string UnixName(const FilePath& path) {
    using ToUnix = char*(__cdecl*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix) return path.Utf8();
    const std::wstring absolute = std::filesystem::absolute(NativePath(path)).wstring();
    char* name = toUnix(absolute.c_str());
    if (!name) return path.Utf8();
    std::string unix(name);
    HeapFree(GetProcessHeap(), 0, name);
    return unix;
}

}  // namespace

namespace {

ProgramRun RunWithin(const FilePath& programFile, const ProgramArguments& arguments, const FilePath& workingDir,
                     DWORD milliseconds) {
    TempDir scratch;
    const FilePath outPath = scratch.File("out"), errPath = scratch.File("err");
    // The program's own environment: no display, as on the build machine.
    SetEnvironmentVariableW(L"QT_QPA_PLATFORM", L"offscreen");
    const std::wstring program = NativePath(programFile).wstring();
    std::wstring commandLine = Quoted(program);
    for (const ProgramArgument& argument : arguments)
        commandLine += L" " + Quoted(Wide(argument.utf8));
    bool started = false;
    const HANDLE process = Start(program, commandLine, workingDir, outPath, errPath, &started);
    ProgramRun run;
    if (process) {
        if (WaitForSingleObject(process, milliseconds) == WAIT_TIMEOUT) {
            TerminateProcess(process, 137);  // the status of a program killed on Linux
            WaitForSingleObject(process, INFINITE);
        }
        DWORD status = 0;
        GetExitCodeProcess(process, &status);
        run.status = static_cast<int>(status);
        CloseHandle(process);
    }
    run.out = ReadFile(outPath);
    run.err = ReadFile(errPath);
    return run;
}

}  // namespace

ProgramRun RunProgramFile(const FilePath& programFile, const ProgramArguments& arguments, const FilePath& workingDir) {
    return RunWithin(programFile, arguments, workingDir, INFINITE);
}

ProgramRun RunProgramWithTimeLimit(const ProgramArguments& arguments, int seconds) {
    return RunWithin(FilePath(KALDO_PROGRAM), arguments, FilePath("."), static_cast<DWORD>(seconds) * 1000);
}

// Wine starts a program of the build machine without a handle to wait on: a shell runs the tool
// and then makes a file that says it has finished.
std::string ToolOutput(const std::string& tool, const ProgramArguments& arguments) {
    TempDir scratch;
    const FilePath outPath = scratch.File("out"), donePath = scratch.File("done");
    std::wstring commandLine = Quoted(L"/bin/sh") + L" -c " +
                               Quoted(L"out=$1; done=$2; shift 2; \"$@\" > \"$out\" 2>/dev/null; : > \"$done\"") +
                               L" sh " + Quoted(Wide(UnixName(outPath))) + L" " + Quoted(Wide(UnixName(donePath))) +
                               L" " + Quoted(Wide("/usr/bin/" + tool));
    for (const ProgramArgument& argument : arguments)
        commandLine += L" " + Quoted(Wide(argument.path ? UnixName(FilePath(argument.utf8)) : argument.utf8));
    bool started = false;
    if (const HANDLE process = Start(L"Z:\\bin\\sh", commandLine, scratch.path(), scratch.File("sh-out"),
                                     scratch.File("sh-err"), &started))
        CloseHandle(process);
    if (!started) return {};
    for (int waited = 0; waited < 6000 && !std::filesystem::exists(NativePath(donePath)); ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return ReadFile(outPath);
}
