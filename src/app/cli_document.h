#pragma once

#include <iosfwd>
#include <string>
#include <vector>

struct HeadlessContext;
class DocumentCommands;
class DocumentSession;

// Loads a document as "&Abrir ..." does; returns the exit status (exit_status::).
int LoadHeadlessDocument(HeadlessContext& context, DocumentCommands& commands, const std::string& path);

// --verificar DOC: loads the document as "&Abrir ..." would and prints its tree.
int RunVerify(HeadlessContext& context, const std::vector<std::string>& arguments);
// --normalizar DOC OUT: loads DOC and saves it to OUT as "&Guardar" would.
int RunNormalize(HeadlessContext& context, const std::vector<std::string>& arguments);

// One line per node in pre-order: two blanks per level, the kind letter, a blank and the text
// the tree shows, in UTF-8.
void PrintDocumentTree(const DocumentSession& session, std::ostream& out);
