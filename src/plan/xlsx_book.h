#pragma once

#include <xlsxwriter.h>

#include <string>

#include "file_path.h"

// What the workbooks the program writes share: the text of a cell, the width it asks for, and
// the workbook that reports why it could not be written.
namespace plan {

// Text for a cell: UTF-8, line breaks as a spreadsheet keeps them inside a cell.
std::string XlsxText(const std::string& cp1252Text);
// The characters of a text's longest line (UTF-8 continuation bytes are not counted).
double LongestLine(const std::string& utf8);

// The formats every workbook of the program starts with: a 14-point bold title, and bold
// headings, wrapped and aligned to the top, over a thin line.
lxw_format* TitleFormat(lxw_workbook* book);
lxw_format* HeadingFormat(lxw_workbook* book);

class XlsxWorkbook {
public:
    explicit XlsxWorkbook(const FilePath& path) : book_(workbook_new(path.Utf8().c_str())) {}
    ~XlsxWorkbook() {
        if (book_) workbook_close(book_);
    }
    XlsxWorkbook(const XlsxWorkbook&) = delete;
    XlsxWorkbook& operator=(const XlsxWorkbook&) = delete;

    lxw_workbook* get() const { return book_; }
    // Writes the file; the reason of a failure in *error.
    bool Close(const FilePath& path, std::string* error);

private:
    lxw_workbook* book_;
};

}  // namespace plan
