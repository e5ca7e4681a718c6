#pragma once

#include <string>

class DocumentSession;
class NodeTable;
class UserPort;

// Reading of a .kl3 file's lines into the node table, as opening and importing a document do
// it. Each bad line is reported on the port in its own message and reading goes on.
namespace document_reader {

// Fills an empty node table from the file's bytes. A line's number (field::kSlot) chooses its slot:
// a number already in use replaces that slot's record, a number beyond the next slot is
// reported ("ERROR.- Línea mal asociada") and takes the next slot, a number of 0 or less is
// reported ("ERROR.- Línea en mal estado") and dropped; lines beyond the table's limit are
// reported and dropped.
void ReadLines(std::string bytes, NodeTable& table, UserPort& port);

// Appends every line of the file's bytes to the open document, whatever its number, and
// translates its parent number: 0 hangs under the firm, p under the record that the file's
// line p became; a number that can name no line (negative, or beyond the table's size) is kept.
void AppendLines(std::string bytes, DocumentSession& session, UserPort& port);

}  // namespace document_reader
