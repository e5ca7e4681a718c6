#pragma once

#include <QString>

#include "user_port.h"

class QWidget;

// Message boxes, the yes/no dialog and file dialogs as real windows over the main window.
class QtUserPort : public UserPort {
public:
    explicit QtUserPort(QWidget* parent) : parent_(parent) {}

    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    bool AskYesNo(const std::string& message, const std::string& caption) override;
    std::optional<FilePath> ChooseFile(const FileDialogSpec& options) override;
    // A damaged file's messages: the first twenty boxes, then one that counts the rest.
    int LoadMessageLimit() const override;

    // "Desc (*.a)|*.a|All (*.*)|*.*" as Qt's "Desc (*.a);;All (*.*)".
    static QString QtFilter(const std::string& filter);

private:
    QWidget* parent_;
};
