// windows.h first: shlwapi.h needs its types.
#include <windows.h>

#include <shlwapi.h>

#include "program_for_file.h"
#include "windows_names.h"

// The extension's "open" program in the registry (the user's choice first, then the
// machine's), as the Explorer's double click finds it.
bool ProgramOpens(const FilePath& file, const std::vector<std::string>&) {
    const std::string name = windows_names::FileName(file);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos) return false;
    const std::wstring extension = windows_names::Wide(FilePath(name.substr(dot)));
    DWORD length = 0;
    const HRESULT found = ::AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN, ASSOCSTR_EXECUTABLE, extension.c_str(),
                                              L"open", nullptr, &length);
    return (found == S_OK || found == S_FALSE) && length > 1;
}
