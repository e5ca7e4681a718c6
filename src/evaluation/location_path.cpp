#include "location_path.h"

#include <functional>
#include <set>

#include "kinds.h"
#include "node_table.h"

namespace {

// Prepends the names of the ancestors of a record, nearest first, while goOn accepts them. A
// document read from a file may hold parent numbers that name no record or that turn back on
// themselves: the walk ends there instead of failing or running forever.
void PrependAncestors(const NodeTable& table, const oToken& record, std::string& path,
                      const std::function<bool(const oToken&)>& goOn) {
    std::set<const oToken*> seen{&record};
    for (const oToken* ancestor = table.Parent(record);
         ancestor && goOn(*ancestor) && seen.insert(ancestor).second; ancestor = table.Parent(*ancestor)) {
        path =
            path.empty() ? ancestor->GetField(field::kLabel) : ancestor->GetField(field::kLabel) + "/" + path;
    }
}

}  // namespace

std::string QuestionnaireLocation(const NodeTable& table, const oToken& questionnaire) {
    std::string path;
    PrependAncestors(table, questionnaire, path, [](const oToken&) { return true; });
    return path;
}

std::string DeficiencyLocation(const NodeTable& table, const oToken& deficiency) {
    std::string path = deficiency.GetField(field::kItem);
    PrependAncestors(table, deficiency, path,
                     [](const oToken& ancestor) { return ancestor.GetKind(field::kKind) != kind::kFirm; });
    return path;
}

std::string ParentLocation(const NodeTable& table, const oToken& record) {
    std::string path;
    PrependAncestors(table, record, path,
                     [](const oToken& ancestor) { return ancestor.GetKind(field::kKind) != kind::kFirm; });
    return path;
}
