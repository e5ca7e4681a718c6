#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "fixed_dates.h"
#include "user_port.h"

// A user who answers from a script: the yes/no answers and chosen file names are queued in
// advance; every message, error, question and dialog shown is recorded (texts in UTF-8).
class ScriptedPort : public UserPort {
public:
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& message, const std::string& caption) override;
    std::optional<FilePath> ChooseFile(const FileDialogSpec& options) override;
    int LoadMessageLimit() const override { return messageLimit; }

    std::deque<bool> answers;                   // an unscripted question fails the test
    std::deque<std::optional<FilePath>> files;  // nullopt: the user cancels
    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::vector<std::string> questions;  // "caption|message"
    std::vector<FileDialogSpec> dialogs;
    int messageLimit = 0;  // as the window's: LoadMessages::kShownOneByOne
};
