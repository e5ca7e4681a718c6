#include "folder_scan.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace overview {

namespace fs = std::filesystem;

namespace {

fs::path Native(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.generic_u8string();
    return std::string(text.begin(), text.end());
}

bool IsDocumentName(const std::string& name) {
    constexpr std::string_view kExtension = ".kl3";
    if (name.size() <= kExtension.size()) return false;
    return std::equal(kExtension.begin(), kExtension.end(), name.end() - kExtension.size(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// Adds the documents of one folder; a subfolder that cannot be read is passed over.
bool Collect(const fs::path& root, const fs::path& folder, bool subfolders, std::vector<FoundDocument>& out,
             std::error_code& error) {
    fs::directory_iterator it(folder, error);
    if (error) return false;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        const fs::path& path = it->path();
        std::error_code ignored;
        const bool isFolder = fs::is_directory(it->status(ignored));
        const std::string name = Utf8(path.filename());
        if (isFolder && subfolders) {
            std::error_code inner;
            Collect(root, path, true, out, inner);
        } else if (IsDocumentName(name) && !isFolder) {
            out.push_back({FilePath(Utf8(path)), Utf8(path.lexically_relative(root))});
        }
    }
    return !error;
}

}  // namespace

std::optional<std::vector<FoundDocument>> ListDocuments(const FilePath& folder, bool subfolders,
                                                        std::string* utf8Error) {
    const fs::path root = Native(folder.Utf8());
    std::error_code error;
    std::vector<FoundDocument> found;
    if (!fs::is_directory(root, error)) {
        if (utf8Error) *utf8Error = folder.Utf8() + ": " + (error ? error.message() : "no es una carpeta");
        return std::nullopt;
    }
    if (!Collect(root, root, subfolders, found, error)) {
        if (utf8Error) *utf8Error = folder.Utf8() + ": " + error.message();
        return std::nullopt;
    }
    std::sort(found.begin(), found.end(),
              [](const FoundDocument& a, const FoundDocument& b) { return a.relative < b.relative; });
    return found;
}

}  // namespace overview
