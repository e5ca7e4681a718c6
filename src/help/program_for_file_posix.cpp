#include "desktop_association.h"
#include "program_for_file.h"

bool ProgramOpens(const FilePath&, const std::vector<std::string>& mimeTypes) {
    return desktop_association::AnyProgramFor(mimeTypes);
}
