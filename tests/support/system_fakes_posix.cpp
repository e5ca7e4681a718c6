#include "system_fakes.h"

#include <sys/stat.h>

#include <cstdlib>
#include <ctime>

const bool kUnreadableFileIsAPipe = true;
const char* const kUnreadableFileReason = "es una tubería, no un archivo";
const char* const kNoSuchFolderMessage = "No such file or directory";

const char* const kReadFailureMessage = "Input/output error";

FilePath FileThatFailsToRead(const FilePath&) {
    return FilePath("/proc/self/mem");
}

bool MakeUnreadableFile(const FilePath& path) {
    return ::mkfifo(path.Utf8().c_str(), 0600) == 0;
}

void SetEnvironment(const std::string& name, const std::string& value) {
    ::setenv(name.c_str(), value.c_str(), 1);
}

void UnsetEnvironment(const std::string& name) {
    ::unsetenv(name.c_str());
}

void UseUtcAsLocalTime() {
    SetEnvironment("TZ", "UTC");
    ::tzset();
}
