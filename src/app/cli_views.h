#pragma once

#include <string>
#include <vector>

struct HeadlessContext;

// --vista NOMBRE DOC: loads DOC as "&Abrir ..." would, shows it in the view NOMBRE
// (geográfica, temporal, valoración, riesgos, in any letter case, with or without accents) as
// the "Vistas" menu does, and prints the tree.
int RunView(HeadlessContext& context, const std::vector<std::string>& arguments);
