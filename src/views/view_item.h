#pragma once

#include <string>
#include <utility>
#include <vector>

// A node of an arrangement of the document (temporal, valuation, risk) before it is put into
// the tree: a label in Windows-1252, an icon index and the nodes below it. It refers to no record.
struct ViewItem {
    ViewItem() = default;
    ViewItem(std::string text, int icon, std::vector<ViewItem> children = {}, std::string tip = {})
        : text(std::move(text)), icon(icon), children(std::move(children)), tip(std::move(tip)) {}

    std::string text;
    int icon = 0;
    std::vector<ViewItem> children;
    std::string tip;  // what a pointer resting on the node shows; empty: its text
};
