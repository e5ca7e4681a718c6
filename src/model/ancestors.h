#pragma once

#include <string>
#include <vector>

class NodeTable;
class oToken;

// The records above a record, found through the parent numbers (field::kParent), nearest
// first. A document read from a file may hold parent numbers that name no record or that turn
// back on themselves: the walk ends there instead of failing or running forever.
std::vector<const oToken*> Ancestors(const NodeTable& table, const oToken& record);

// The names (field::kLabel) of the records above a record, outermost first, joined by the
// separator: "Empresa / Zona / Puesto" for a questionnaire of that workstation.
std::string AncestorPath(const NodeTable& table, const oToken& record, const std::string& separator);
