#include "qt_user_port.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "application_title.h"
#include "load_messages.h"
#include "ok_dialog.h"
#include "text_codec.h"

void QtUserPort::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), ToQt(text), QMessageBox::Ok, parent_);
    box.exec();
}

void QtUserPort::ShowError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), ToQt(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtUserPort::AskYesNo(const std::string& message, const std::string& caption) {
    OkDialog dialog(ToQt(message), ToQt(caption), parent_);
    return dialog.exec() == QDialog::Accepted;
}

int QtUserPort::LoadMessageLimit() const {
    return LoadMessages::kShownOneByOne;
}

QString QtUserPort::QtFilter(const std::string& filter) {
    const QStringList parts = ToQt(filter).split('|');
    QStringList filters;
    for (int i = 0; i < parts.size(); i += 2)
        filters << parts[i];
    return filters.join(";;");
}

std::optional<FilePath> QtUserPort::ChooseFile(const FileDialogSpec& options) {
    QFileDialog dialog(parent_, ToQt(options.title), QString(), QtFilter(options.filter));
    const bool save = options.mode == FileDialogSpec::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);  // neither dialog insists that the file exists
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite);
    if (!options.defaultSuffix.empty()) dialog.setDefaultSuffix(ToQt(options.defaultSuffix));
    if (!options.proposedName.empty()) dialog.selectFile(PathToQt(options.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return PathFromQt(dialog.selectedFiles().constFirst());
}
