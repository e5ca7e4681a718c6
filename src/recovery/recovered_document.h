#pragma once

class DocumentCommands;
class DocumentSession;
class UserPort;
struct RecoveryCopy;

// Opens a recovery copy as the document: named as the document it was taken from, so that
// "&Guardar" writes that file (a new document still asks for a name), and with unsaved
// changes. The open document's unsaved changes are offered first, as "&Abrir ..." does.
// False when that save failed (the open document stays) or the copy holds no record.
bool OpenRecoveredCopy(const RecoveryCopy& copy, DocumentSession& session, DocumentCommands& commands,
                       UserPort& port);
