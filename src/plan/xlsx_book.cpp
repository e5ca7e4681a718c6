#include "xlsx_book.h"

#include <algorithm>

#include "cp1252.h"

namespace plan {

std::string XlsxText(const std::string& cp1252Text) {
    const std::string utf8 = cp1252::ToUtf8(cp1252Text);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
        out += utf8[i];
    }
    return out;
}

double LongestLine(const std::string& utf8) {
    std::size_t longest = 0, current = 0;
    for (const char c : utf8) {
        if (c == '\n') {
            current = 0;
            continue;
        }
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) longest = std::max(longest, ++current);
    }
    return static_cast<double>(longest);
}

lxw_format* TitleFormat(lxw_workbook* book) {
    lxw_format* title = workbook_add_format(book);
    format_set_bold(title);
    format_set_font_size(title, 14);
    return title;
}

lxw_format* HeadingFormat(lxw_workbook* book) {
    lxw_format* heading = workbook_add_format(book);
    format_set_bold(heading);
    format_set_text_wrap(heading);
    format_set_align(heading, LXW_ALIGN_VERTICAL_TOP);
    format_set_bottom(heading, LXW_BORDER_THIN);
    return heading;
}

bool XlsxWorkbook::Close(const FilePath& path, std::string* error) {
    if (!book_) {
        if (error) *error = path.Utf8() + ": " + lxw_strerror(LXW_ERROR_CREATING_XLSX_FILE);
        return false;
    }
    const lxw_error result = workbook_close(book_);
    book_ = nullptr;
    if (result == LXW_NO_ERROR) return true;
    if (error) *error = path.Utf8() + ": " + lxw_strerror(result);
    return false;
}

}  // namespace plan
