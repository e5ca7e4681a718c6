#include "cli_document.h"

#include <ostream>

#include "command_line.h"
#include "cp1252.h"
#include "display_text.h"
#include "one_line_text.h"
#include "otoken.h"

namespace {

// A missing file, which the window ignores, is an error worth a line here.
int Open(HeadlessContext& context, DocumentCommands& commands, const FilePath& path) {
    switch (commands.LoadDocument(path)) {
        case DocumentCommands::LoadResult::Loaded:
            return exit_status::kOk;
        case DocumentCommands::LoadResult::NotADocument:
            return exit_status::kNotADocument;
        case DocumentCommands::LoadResult::Missing:
            context.err << "No existe el archivo " << path.Utf8() << '\n';
            return exit_status::kIoError;
        default:
            return exit_status::kIoError;
    }
}

}  // namespace

HeadlessDocument::HeadlessDocument(HeadlessContext& context, const FilePath& path)
    : commands(session, context.port, context.dates), status(Open(context, commands, path)) {}

void PrintDocumentTree(const DocumentSession& session, std::ostream& out) {
    for (const TreeNode* node : session.Tree().PreOrder()) {
        const char kind = node->record ? node->record->GetKind(field::kKind) : ' ';
        out << std::string(2 * node->Depth(), ' ') << cp1252::ToUtf8(OneLineText(std::string(1, kind))) << ' '
            << cp1252::ToUtf8(OneLineText(ShownText(session, *node))) << '\n';
    }
}

int RunVerify(HeadlessContext& context, const std::vector<std::string>& arguments) {
    HeadlessDocument document(context, FilePath(arguments[0]));
    if (document.status == exit_status::kOk) PrintDocumentTree(document.session, context.out);
    return document.status;
}

int RunNormalize(HeadlessContext& context, const std::vector<std::string>& arguments) {
    HeadlessDocument document(context, FilePath(arguments[0]));
    if (document.status != exit_status::kOk) return document.status;
    return document.commands.SaveDocument(FilePath(arguments[1])) ? exit_status::kOk : exit_status::kIoError;
}
