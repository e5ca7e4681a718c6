#pragma once

#include <string>

#include "user_port.h"

class DatePort;
class DocumentSession;

// The commands of the "&Archivo" menu and the other ways a document is opened, saved and
// given up: reading and writing .kl3 files, the unsaved-changes question, and the window state
// that goes with each step.
class DocumentCommands {
public:
    // Refused: not a regular file, or too large; the open document stays.
    enum class LoadResult { Missing, Loaded, NotADocument, ReadError, Abandoned, Refused };

    DocumentCommands(DocumentSession& session, UserPort& port, DatePort& dates);

    // Replaces the open document by the file's; a missing file changes nothing.
    LoadResult LoadDocument(const FilePath& path);
    // Writes the geographic tree in pre-order and renumbers the table; false when it failed.
    bool SaveDocument(const FilePath& path);
    // What SaveDocument would write, without writing it.
    static std::string FileBytes(const DocumentSession& session);
    // Appends the file's records to the open document.
    void ImportDocument(const FilePath& path);
    // Offers to save unsaved changes. False only when the save failed: the caller stops.
    bool AskSaveChanges();
    void DiscardDocument();

    void New();     // "&Nuevo"
    void Open();    // "&Abrir ..."
    void Import();  // "&Importar ..."
    bool Save();    // "&Guardar"
    bool SaveAs();  // "G&uardar como ..."
    void Close();   // "&Cerrar"
    // "&Salir" and closing the window: true when the window may close.
    bool MayQuit();

    static FileDialogSpec OpenDialog();
    static FileDialogSpec SaveDialog(const FilePath& proposed);

private:
    void ShowNoDocument();
    // The folder the open document's photos are in now.
    FilePath PhotoSource() const;

    DocumentSession& session_;
    UserPort& port_;
    DatePort& dates_;
};
