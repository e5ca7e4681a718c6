#include "branch_export.h"

#include <unordered_map>

#include "cp1252.h"
#include "document_tree.h"
#include "file_io.h"
#include "kinds.h"
#include "otoken.h"

namespace branch_export {

namespace {

void AppendBranch(const TreeNode& node, int baseDepth,
                  const std::unordered_map<const TreeNode*, int>& positions, std::string& out) {
    if (node.record) out += ExportLine(*node.record, positions.at(&node), node.Depth() - baseDepth);
    for (const auto& child : node.children)
        AppendBranch(*child, baseDepth, positions, out);
}

}  // namespace

std::string ExportLine(const oToken& record, int position, int relativeDepth) {
    oToken line = record;
    line.SetFieldInt(field::kSlot, position);
    line.SetField(field::kParent, RepeatChar(relativeDepth, '\t'));
    line.SetField(field::kKind, "");
    return line.WriteLine();
}

std::string ExportBranch(const DocumentTree& tree, const TreeNode& node) {
    // Positions count the nodes with records in the whole tree, as the saved file numbers them.
    std::unordered_map<const TreeNode*, int> positions;
    int position = 0;
    for (const TreeNode* n : tree.PreOrder()) {
        if (n->record) positions[n] = ++position;
    }
    std::string out;
    AppendBranch(node, node.Depth(), positions, out);
    return out;
}

FilePath ProposedName(const FilePath& documentFile) {
    std::string name = documentFile.FileName().Utf8();
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.erase(dot);
    return FilePath(name + ".txt");
}

FileDialogSpec SaveDialog(const FilePath& documentFile) {
    return {FileDialogSpec::Mode::Save, "", "Archivos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*",
            "txt", ProposedName(documentFile), /*confirmOverwrite=*/false};
}

bool WriteExport(const DocumentTree& tree, const TreeNode& node, const FilePath& path, UserPort& port) {
    std::string utf8Error;
    if (file_io::WriteAtomically(path, ExportBranch(tree, node), &utf8Error)) return true;
    port.ShowError(cp1252::FromUtf8(utf8Error));
    return false;
}

}  // namespace branch_export
