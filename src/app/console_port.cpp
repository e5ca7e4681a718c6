#include "console_port.h"

#include <ostream>

#include "cp1252.h"

void ConsolePort::ShowMessage(const std::string& text) {
    err_ << cp1252::ToUtf8(text) << '\n';
}

void ConsolePort::ShowError(const std::string& text) {
    err_ << cp1252::ToUtf8(text) << '\n';
}

bool ConsolePort::AskYesNo(const std::string&, const std::string&) {
    return false;
}

std::optional<FilePath> ConsolePort::ChooseFile(const FileDialogSpec&) {
    return std::nullopt;
}
