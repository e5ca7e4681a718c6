#include "desktop_association.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace desktop_association {

namespace {

std::string Environment(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::string(value) : fallback;
}

std::vector<std::string> SplitFolders(const std::string& list) {
    std::vector<std::string> folders;
    std::stringstream in(list);
    for (std::string folder; std::getline(in, folder, ':');) {
        if (!folder.empty()) folders.push_back(folder);
    }
    return folders;
}

}  // namespace

std::vector<std::string> ListFiles() {
    const std::string home = Environment("HOME", "");
    std::vector<std::string> files;
    std::vector<std::string> configs{Environment("XDG_CONFIG_HOME", home + "/.config")};
    for (const std::string& folder : SplitFolders(Environment("XDG_CONFIG_DIRS", "/etc/xdg")))
        configs.push_back(folder);
    for (const std::string& folder : configs)
        files.push_back(folder + "/mimeapps.list");
    std::vector<std::string> data{Environment("XDG_DATA_HOME", home + "/.local/share")};
    for (const std::string& folder :
         SplitFolders(Environment("XDG_DATA_DIRS", "/usr/local/share:/usr/share")))
        data.push_back(folder);
    for (const std::string& folder : data) {
        files.push_back(folder + "/applications/mimeapps.list");
        files.push_back(folder + "/applications/mimeinfo.cache");
    }
    return files;
}

bool ListNamesProgram(std::string_view list, const std::vector<std::string>& types) {
    bool counted = false;  // inside a group that names programs
    std::istringstream in{std::string(list)};
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            counted =
                line == "[Default Applications]" || line == "[Added Associations]" || line == "[MIME Cache]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!counted || equals == std::string::npos) continue;
        const std::string type = line.substr(0, equals);
        const bool program = line.find(".desktop", equals) != std::string::npos;
        if (program && std::find(types.begin(), types.end(), type) != types.end()) return true;
    }
    return false;
}

bool AnyProgramFor(const std::vector<std::string>& types) {
    for (const std::string& file : ListFiles()) {
        std::ifstream in(file, std::ios::binary);
        if (!in) continue;
        std::ostringstream text;
        text << in.rdbuf();
        if (ListNamesProgram(text.str(), types)) return true;
    }
    return false;
}

}  // namespace desktop_association
