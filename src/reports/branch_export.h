#pragma once

#include <string>

#include "user_port.h"

class DocumentTree;
class oToken;
struct TreeNode;

// The export of a branch to a text file: one line per node in the document line form, with the
// node's position in the whole tree as field::kSlot, its depth below the exported node as TABs
// as field::kParent and field::kKind left empty.
namespace branch_export {

// The exported line of a record at a pre-order position and a relative depth, CR LF included.
std::string ExportLine(const oToken& record, int position, int relativeDepth);
// The lines of a node's branch.
std::string ExportBranch(const DocumentTree& tree, const TreeNode& node);
// The name proposed for the export: the document's file name without folder, ".txt" for its
// extension.
FilePath ProposedName(const FilePath& documentFile);
// The save dialog of the export.
FileDialogSpec SaveDialog(const FilePath& documentFile);
// Writes the branch to a file; a failure is shown with the system's message.
bool WriteExport(const DocumentTree& tree, const TreeNode& node, const FilePath& path, UserPort& port);

}  // namespace branch_export
