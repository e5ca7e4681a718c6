#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "document_commands.h"
#include "document_session.h"

struct HeadlessContext;

// A document opened for a headless command as "&Abrir ..." opens it; status is the exit status
// of the opening (exit_status::).
struct HeadlessDocument {
    HeadlessDocument(HeadlessContext& context, const FilePath& path);

    DocumentSession session;
    DocumentCommands commands;
    int status;
};

// --verificar DOC: loads the document as "&Abrir ..." would and prints its tree.
int RunVerify(HeadlessContext& context, const std::vector<std::string>& arguments);
// --normalizar DOC OUT: loads DOC and saves it to OUT as "&Guardar" would.
int RunNormalize(HeadlessContext& context, const std::vector<std::string>& arguments);

// One line per node in pre-order: two blanks per level, the kind letter, a blank and the text
// the tree shows (line breaks as "~~", control characters escaped), in UTF-8.
void PrintDocumentTree(const DocumentSession& session, std::ostream& out);
