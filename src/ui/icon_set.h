#pragma once

#include <QIcon>
#include <vector>

// The main window's image list: the fourteen 16 x 16 icons of the tree and the panel legend.
std::vector<QIcon> LoadTreeIcons();
