#pragma once

#include <string>

// The folder of the running executable, ending in '/'.
std::string ExecutableDirectory();
// Where a file shipped with the program is: beside the executable when it is there (the build
// tree, a copied program), else in the installed data folder ../share/kaldo/ beside it.
std::string ShippedFile(const std::string& name);
