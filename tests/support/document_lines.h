#pragma once

#include <string>
#include <vector>

class DocumentSession;

// Replaces the session's document with records read from file lines (UTF-8 here, Windows-1252 in
// the document; fields separated by TAB), the k-th line in slot k, and shows it as the geographic
// tree, unmodified, as a document just opened.
void LoadLines(DocumentSession& session, const std::vector<std::string>& lines);

// The UTF-8 form of a document's text (Windows-1252), for readable comparisons.
std::string U(const std::string& text);
