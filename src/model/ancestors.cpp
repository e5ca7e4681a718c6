#include "ancestors.h"

#include <algorithm>

#include "node_table.h"

std::vector<const oToken*> Ancestors(const NodeTable& table, const oToken& record) {
    std::vector<const oToken*> out;
    for (const oToken* ancestor = table.Parent(record);
         ancestor && ancestor != &record && std::find(out.begin(), out.end(), ancestor) == out.end();
         ancestor = table.Parent(*ancestor)) {
        out.push_back(ancestor);
    }
    return out;
}

std::string AncestorPath(const NodeTable& table, const oToken& record, const std::string& separator) {
    const std::vector<const oToken*> ancestors = Ancestors(table, record);
    std::string path;
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) {
        if (!path.empty()) path += separator;
        path += (*it)->GetField(field::kLabel);
    }
    return path;
}
