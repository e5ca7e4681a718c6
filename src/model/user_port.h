#pragma once

#include <optional>
#include <string>

#include "file_path.h"

// What a file dialog shows. Filters are given as "Description (*.ext)|*.ext|…" pairs.
struct FileDialogSpec {
    enum class Mode { Open, Save } mode = Mode::Open;
    std::string title;  // empty: the platform's default title
    std::string filter;
    std::string defaultSuffix;  // added to a name typed without an extension
    FilePath proposedName;
    // A save dialog asks before an existing file is replaced, unless the command's own rules
    // say it does not (the document's "G&uardar como ...", the branch export).
    bool confirmOverwrite = true;
};

// The one way the toolkit-free commands reach the user: message boxes, the yes/no question
// and file dialogs. Texts are Windows-1252 bytes, like every text of the document; file names
// are FilePaths. The window implements it with real dialogs, tests with a script.
class UserPort {
public:
    virtual ~UserPort() = default;

    // A modal message box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // The system's general error report (input/output and date conversion failures).
    virtual void ShowError(const std::string& text) = 0;
    // The yes/no dialog: true exactly when the user answered "Si".
    virtual bool AskYesNo(const std::string& message, const std::string& caption) = 0;
    // A file dialog; nothing when the user cancelled.
    virtual std::optional<FilePath> ChooseFile(const FileDialogSpec& options) = 0;
    // How many messages of one load are shown one by one before the rest are only counted
    // (LoadMessages); 0 shows them all.
    virtual int LoadMessageLimit() const { return 0; }
};
