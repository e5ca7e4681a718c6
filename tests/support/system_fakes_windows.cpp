#include "system_fakes.h"

#include <windows.h>

#include <cstdlib>
#include <ctime>

#include "native_path.h"

const bool kUnreadableFileIsAPipe = false;
const char* const kUnreadableFileReason = "otro programa tiene abierto el archivo; ciérrelo allí y vuelva a intentarlo";
const char* const kNoSuchFolderMessage = "no existe la carpeta";

const char* const kReadFailureMessage = "otro programa tiene abierto el archivo";

FilePath FileThatFailsToRead(const FilePath& folder) {
    const FilePath held(folder.Utf8() + "/retenido.kl3");
    MakeUnreadableFile(held);
    return held;
}

// The handle stays open until the test program ends, as a program that holds the file would.
bool MakeUnreadableFile(const FilePath& path) {
    // Shared for writing only: nobody can read it, but its time can still be set.
    const HANDLE held = CreateFileW(NativePath(path).c_str(), GENERIC_READ, FILE_SHARE_WRITE, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    return held != INVALID_HANDLE_VALUE;
}

// Both the C library's copy of the environment and the system's, which started programs inherit.
void SetEnvironment(const std::string& name, const std::string& value) {
    _putenv_s(name.c_str(), value.c_str());
    SetEnvironmentVariableW(NativePath(FilePath(name)).c_str(), NativePath(FilePath(value)).c_str());
}

void UnsetEnvironment(const std::string& name) {
    _putenv_s(name.c_str(), "");
    SetEnvironmentVariableW(NativePath(FilePath(name)).c_str(), nullptr);
}

void UseUtcAsLocalTime() {
    SetEnvironment("TZ", "UTC0");
    _tzset();
}
