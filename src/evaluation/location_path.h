#pragma once

#include <string>

class NodeTable;
class oToken;

// The "Procedencia:" texts of the entry dialogs: the names of a node's ancestors joined by "/",
// outermost first, found through the parent numbers (field::kParent) of the records.

// For a questionnaire: from the firm down to the node that holds the questionnaire.
std::string QuestionnaireLocation(const NodeTable& table, const oToken& questionnaire);
// For a deficiency: from the outermost node below the firm down to the deficiency itself.
std::string DeficiencyLocation(const NodeTable& table, const oToken& deficiency);
// For the node data editor: from the outermost node below the firm down to the record's parent.
std::string ParentLocation(const NodeTable& table, const oToken& record);
