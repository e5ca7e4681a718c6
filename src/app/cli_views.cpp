#include "cli_views.h"

#include <ostream>

#include "cli_document.h"
#include "command_line.h"
#include "cp1252.h"
#include "tree_outline.h"
#include "view_commands.h"

namespace {

struct NamedView {
    const char* name;
    view::Mode mode;
};

constexpr NamedView kViews[] = {
    {"geografica", view::kGeographic},
    {"temporal", view::kTemporal},
    {"valoracion", view::kValuation},
    {"riesgos", view::kRisk},
};

}  // namespace

int RunView(HeadlessContext& context, const std::vector<std::string>& arguments) {
    const NamedView* chosen = nullptr;
    for (const NamedView& named : kViews) {
        if (arguments[0] == named.name) chosen = &named;
    }
    if (!chosen) {
        context.err << "Vista desconocida: " << arguments[0] << '\n'
                    << "Uso: kaldo --vista NOMBRE DOC (NOMBRE: geografica, temporal, valoracion o riesgos)\n";
        return exit_status::kUsage;
    }
    HeadlessDocument document(context, FilePath(arguments[1]));
    if (document.status != exit_status::kOk) return document.status;
    ShowView(document.session, context.catalogue, chosen->mode);
    context.out << cp1252::ToUtf8(TreeOutline(document.session));
    return exit_status::kOk;
}
