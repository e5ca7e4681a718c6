#pragma once

#include <iosfwd>

#include "user_port.h"

// The user port of the headless mode: every message a box would show goes to standard error,
// one line each, in UTF-8. Questions are answered "No" and file dialogs cancelled.
class ConsolePort : public UserPort {
public:
    explicit ConsolePort(std::ostream& err) : err_(err) {}

    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& message, const std::string& caption) override;
    std::optional<FilePath> ChooseFile(const FileDialogSpec& options) override;

private:
    std::ostream& err_;
};
