#include "program_run.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "temp_dir.h"

namespace {

pid_t StartProgramFile(const std::string& programFile, const std::vector<std::string>& arguments,
                       const std::string& workingDir, const std::string& outPath,
                       const std::string& errPath) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(out, 1);
        dup2(err, 2);
        if (chdir(workingDir.c_str()) != 0) _exit(127);
        std::vector<char*> argv;
        std::string program = programFile;
        argv.push_back(program.data());
        std::vector<std::string> copies = arguments;
        for (std::string& argument : copies)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return pid;
}

}  // namespace

int StartProgram(const std::vector<std::string>& arguments, const std::string& workingDir,
                 const std::string& outPath, const std::string& errPath) {
    return StartProgramFile(KALDO_PROGRAM, arguments, workingDir, outPath, errPath);
}

ProgramRun RunProgram(const std::vector<std::string>& arguments, const std::string& workingDir) {
    return RunProgramFile(KALDO_PROGRAM, arguments, workingDir);
}

ProgramRun RunProgramFile(const std::string& programFile, const std::vector<std::string>& arguments,
                          const std::string& workingDir) {
    TempDir scratch;
    const std::string outPath = scratch.File("out"), errPath = scratch.File("err");
    const pid_t pid = StartProgramFile(programFile, arguments, workingDir, outPath, errPath);
    int status = 0;
    waitpid(pid, &status, 0);
    ProgramRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFile(outPath);
    run.err = ReadFile(errPath);
    return run;
}
