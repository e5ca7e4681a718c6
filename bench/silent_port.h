#pragma once

#include <optional>
#include <string>

#include "user_port.h"

// A user who is told nothing, gives the same answer to every question and chooses no file.
class SilentPort : public UserPort {
public:
    explicit SilentPort(bool answer = false) : answer_(answer) {}
    void ShowMessage(const std::string&) override {}
    void ShowError(const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return answer_; }
    std::optional<FilePath> ChooseFile(const FileDialogSpec&) override { return std::nullopt; }

private:
    bool answer_;
};
