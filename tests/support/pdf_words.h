#pragma once

#include <string>
#include <vector>

#include "file_path.h"

// The words of a PDF file with their boxes, as pdftotext -bbox (poppler-utils) reads them back:
// points from the page's top-left corner.
struct PdfWord {
    double left = 0, top = 0, right = 0, bottom = 0;
    std::string text;  // UTF-8
};

struct PdfPage {
    double width = 0, height = 0;
    std::vector<PdfWord> words;
};

std::vector<PdfPage> PdfWords(const FilePath& pdf);

// The words closer than the margin (in millimetres) to an edge of their page, as
// "text (page n)"; empty when every word keeps its distance.
std::vector<std::string> WordsNearTheEdges(const std::vector<PdfPage>& pages, double millimetres);

// The text of a PDF file as "pdftotext -layout" lays it out on the page (UTF-8).
std::string PdfLayoutText(const FilePath& pdf);
// What "pdfinfo" says of a PDF file: its title, page size, number of pages ...
std::string PdfInfo(const FilePath& pdf);
