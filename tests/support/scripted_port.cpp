#include "scripted_port.h"

#include <gtest/gtest.h>

#include "cp1252.h"

void ScriptedPort::ShowMessage(const std::string& text) {
    messages.push_back(cp1252::ToUtf8(text));
}

void ScriptedPort::ShowError(const std::string& text) {
    errors.push_back(cp1252::ToUtf8(text));
}

bool ScriptedPort::AskYesNo(const std::string& message, const std::string& caption) {
    questions.push_back(cp1252::ToUtf8(caption) + "|" + cp1252::ToUtf8(message));
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << questions.back();
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<FilePath> ScriptedPort::ChooseFile(const FileDialogSpec& options) {
    dialogs.push_back(options);
    if (files.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << options.title;
        return std::nullopt;
    }
    auto file = files.front();
    files.pop_front();
    return file;
}
