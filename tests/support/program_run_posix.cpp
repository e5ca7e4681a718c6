#include "program_run.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

#include "temp_dir.h"

namespace {

// A child process whose output and errors go to the given files and which runs `start` (an exec);
// when that returns, the child ends with status 127.
pid_t StartChild(const FilePath& outPath, const FilePath& errPath, const std::function<void()>& start) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(outPath.Utf8().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.Utf8().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(out, 1);
        dup2(err, 2);
        start();
        _exit(127);
    }
    return pid;
}

// Runs the program file in the working folder, with no display of its own (in the child).
void ExecProgram(const FilePath& programFile, const ProgramArguments& arguments, const FilePath& workingDir) {
    if (chdir(workingDir.Utf8().c_str()) != 0) return;
    std::vector<char*> argv;
    std::string program = programFile.Utf8();
    argv.push_back(program.data());
    ProgramArguments copies = arguments;
    for (ProgramArgument& argument : copies)
        argv.push_back(argument.utf8.data());
    argv.push_back(nullptr);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The user's data folder (the recovery copies) is the run's own: nothing of the real user's
    // is offered at start or written.
    if (char* here = getcwd(nullptr, 0)) {
        setenv("XDG_DATA_HOME", (std::string(here) + "/.kaldo-datos").c_str(), 1);
        free(here);
    }
    execv(program.c_str(), argv.data());
}

}  // namespace

int StartProgram(const ProgramArguments& arguments, const FilePath& workingDir, const FilePath& outPath,
                 const FilePath& errPath) {
    return StartChild(outPath, errPath, [&] { ExecProgram(FilePath(KALDO_PROGRAM), arguments, workingDir); });
}

ProgramRun RunProgramFile(const FilePath& programFile, const ProgramArguments& arguments,
                          const FilePath& workingDir) {
    return RunInChild([&] { ExecProgram(programFile, arguments, workingDir); });
}

ProgramRun RunProgramWithTimeLimit(const ProgramArguments& arguments, int seconds) {
    ProgramArguments limited = {"-s", "KILL", std::to_string(seconds), FilePath(KALDO_PROGRAM)};
    limited.insert(limited.end(), arguments.begin(), arguments.end());
    return RunProgramFile(FilePath("/usr/bin/timeout"), limited);
}

ProgramRun RunProgramWithFileSizeLimit(const ProgramArguments& arguments, long bytes, const FilePath& workingDir) {
    return RunInChild([&] {
        const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return;
        // Ignored, the signal turns a write beyond the limit into a failing write.
        std::signal(SIGXFSZ, SIG_IGN);
        ExecProgram(FilePath(KALDO_PROGRAM), arguments, workingDir);
    });
}

ProgramRun RunInChild(const std::function<void()>& start) {
    TempDir scratch;
    const FilePath outPath = scratch.File("out"), errPath = scratch.File("err");
    const pid_t pid = StartChild(outPath, errPath, start);
    int status = 0;
    waitpid(pid, &status, 0);
    ProgramRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFile(outPath);
    run.err = ReadFile(errPath);
    return run;
}

std::string ToolOutput(const std::string& tool, const ProgramArguments& arguments) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeEnds[1], 1);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 2);
        std::vector<char*> argv;
        std::string name = tool;
        argv.push_back(name.data());
        ProgramArguments copies = arguments;
        for (ProgramArgument& argument : copies)
            argv.push_back(argument.utf8.data());
        argv.push_back(nullptr);
        execvp(name.c_str(), argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string out;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<std::size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return out;
}
