#pragma once

#include <string>

#include "user_port.h"

// The messages of one load (a document, an import, the catalogue) on their way to the user. A
// damaged file can reject thousands of lines, each with its own message box: when the port
// sets a limit, that many are shown and the rest only counted, and Finish shows one last
// message that says how many more there were. Everything else goes straight to the port.
class LoadMessages : public UserPort {
public:
    // The limit of the window's message boxes.
    static constexpr int kShownOneByOne = 20;

    explicit LoadMessages(UserPort& port) : port_(port), limit_(port.LoadMessageLimit()) {}

    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override { port_.ShowError(text); }
    bool AskYesNo(const std::string& message, const std::string& caption) override {
        return port_.AskYesNo(message, caption);
    }
    std::optional<FilePath> ChooseFile(const FileDialogSpec& options) override {
        return port_.ChooseFile(options);
    }

    // Once the load has read its lines: tells how many messages were held back, if any.
    void Finish();

private:
    UserPort& port_;
    const int limit_;
    int shown_ = 0;
    int held_ = 0;
};

// "… y 3956 avisos más" (Windows-1252).
std::string MoreMessagesText(int count);
