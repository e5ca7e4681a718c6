#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "file_path.h"

// The help's pages as the build writes them (tools/build_docs.py): HTML pages in Windows-1252,
// with the contents of the help project (kaldo31.hhc) and the pictures, in a folder "ayuda"
// installed beside the catalogue. The program's help window shows them.
namespace help {

// One line of the contents: a page or one of its sections. Texts are Windows-1252.
struct ContentsEntry {
    int level = 0;       // 0 for a page, 1 for a section of it
    std::string title;   // "5. El menú Edición"
    std::string target;  // "edicion.htm", "edicion.htm#buscar"

    bool operator==(const ContentsEntry&) const = default;
};

// The folder "ayuda" that holds the contents file: in the current working folder, else in the
// installed data folder; nothing when neither holds it.
std::optional<FilePath> HelpFolder();
// The contents file's name in that folder.
inline constexpr std::string_view kContentsFile = "kaldo31.hhc";

// The entries of a contents file (HTML Help's sitemap: nested lists of objects with a "Name"
// and a "Local" parameter), in order.
std::vector<ContentsEntry> ReadContents(std::string_view sitemap);
// The text a reader sees on a page: no tags, entities decoded, blanks collapsed (Windows-1252;
// a character it cannot hold becomes '?').
std::string PageText(std::string_view html);
// The page of a target, without its section: "edicion.htm#buscar" gives "edicion.htm".
std::string PageOf(std::string_view target);

// The search over the pages: every word of the query must be on a page, ignoring case and
// accents; pages where the words appear more often come first, in contents order otherwise.
class PageSearch {
public:
    void AddPage(std::string page, std::string title, std::string_view text);
    struct Hit {
        std::string page;
        std::string title;
        int occurrences = 0;
    };
    std::vector<Hit> Search(std::string_view query) const;

private:
    struct Page {
        std::string page;
        std::string title;
        std::string folded;
    };
    std::vector<Page> pages_;
};

}  // namespace help
