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

// A view's name compared as the menu spells it or without its accents, in any letter case:
// "Geográfica", "GEOGRAFICA" and "geografica" name the same view.
std::string Folded(const std::string& utf8) {
    static const std::string accented = W("ÁÉÍÓÚÜáéíóúü"), plain = "aeiouuaeiouu";
    std::string out;
    for (char c : cp1252::FromUtf8(utf8)) {
        const std::size_t accent = accented.find(c);
        if (accent != std::string::npos) c = plain[accent];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        out += c;
    }
    return out;
}

}  // namespace

int RunView(HeadlessContext& context, const std::vector<std::string>& arguments) {
    const NamedView* chosen = nullptr;
    for (const NamedView& named : kViews) {
        if (Folded(arguments[0]) == named.name) chosen = &named;
    }
    if (!chosen) {
        context.err << "Vista desconocida: " << arguments[0] << '\n'
                    << "Uso: kaldo --vista NOMBRE DOC (NOMBRE: geográfica, temporal, valoración o riesgos)\n";
        return exit_status::kUsage;
    }
    HeadlessDocument document(context, FilePath(arguments[1]));
    if (document.status != exit_status::kOk) return document.status;
    ShowView(document.session, context.catalogue, chosen->mode);
    context.out << cp1252::ToUtf8(TreeOutline(document.session));
    return exit_status::kOk;
}
