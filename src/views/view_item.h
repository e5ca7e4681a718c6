#pragma once

#include <string>
#include <vector>

// A node of an arrangement of the document (temporal, valuation, risk) before it is put into
// the tree: a label in Windows-1252, an icon index and the nodes below it. It refers to no record.
struct ViewItem {
    std::string text;
    int icon = 0;
    std::vector<ViewItem> children;
};
