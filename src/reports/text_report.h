#pragma once

#include <string>

#include "file_path.h"

class Catalogue;
class DocumentSession;
class UserPort;
struct TreeNode;

// The file that "Imprimir a archivo" writes instead of printing, in the working folder.
inline const FilePath kTextReportFile("Informe.txt");

// The text report of a branch, in pre-order: each node's text indented by its depth in the
// whole tree (at least one blank), then in the geographic view its field::kComments in parentheses,
// its planned date with the technician and, for a questionnaire that has been answered, its
// answers counted against the catalogue's items. Windows-1252 with CR LF; line breaks inside
// fields are kept as they are, so the field goes on at the start of the next line.
std::string TextReport(const DocumentSession& session, const Catalogue& catalogue, const TreeNode& node);

// Writes the text report to a file; a failure is shown with the system's message.
bool WriteTextReport(const DocumentSession& session, const Catalogue& catalogue, const TreeNode& node,
                     const FilePath& path, UserPort& port);
