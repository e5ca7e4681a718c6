#include "text_report.h"

#include "checklist_answers.h"
#include "cp1252.h"
#include "display_text.h"
#include "document_session.h"
#include "file_io.h"
#include "kinds.h"
#include "user_port.h"

namespace {

void AppendNode(const DocumentSession& session, const Catalogue& catalogue, const TreeNode& node,
                std::string& out) {
    const std::string indent(node.Depth() > 1 ? node.Depth() : 1, ' ');
    if (session.ViewMode() != view::kGeographic || !node.record) {
        // The arrangements of the other views carry no records: their texts alone.
        out += indent + node.text + "\r\n";
        return;
    }
    const oToken& record = *node.record;
    const std::string text = record.GetKind(field::kKind) == kind::kMeasure
                                 ? record.GetField(field::kMeasure)
                                 : GeographicDisplayText(session.Table(), record);
    out += indent + text + "\r\n";
    if (!record.GetField(field::kComments).empty())
        out += indent + "(" + record.GetField(field::kComments) + ")\r\n";
    if (!record.GetField(field::kPlannedDate).empty())
        out += indent + "Fecha Prevista:" + record.GetField(field::kPlannedDate) + " por <" +
               record.GetField(field::kPlannedBy) + ">\r\n";
    if (const std::string answers = checklist::ReportLine(record, catalogue); !answers.empty())
        out += indent + answers + "\r\n";
}

void AppendBranch(const DocumentSession& session, const Catalogue& catalogue, const TreeNode& node,
                  std::string& out) {
    AppendNode(session, catalogue, node, out);
    for (const auto& child : node.children)
        AppendBranch(session, catalogue, *child, out);
}

}  // namespace

std::string TextReport(const DocumentSession& session, const Catalogue& catalogue, const TreeNode& node) {
    std::string out;
    AppendBranch(session, catalogue, node, out);
    return out;
}

bool WriteTextReport(const DocumentSession& session, const Catalogue& catalogue, const TreeNode& node,
                     const FilePath& path, UserPort& port) {
    std::string utf8Error;
    if (file_io::WriteAtomically(path, TextReport(session, catalogue, node), &utf8Error)) return true;
    port.ShowError(cp1252::FromUtf8(utf8Error));
    return false;
}
