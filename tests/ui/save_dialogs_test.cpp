#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include "branch_export.h"
#include "document_commands.h"
#include "plan_commands.h"
#include "qt_user_port.h"

namespace {

// Whether the file dialog that the port shows for the options would ask before replacing a file;
// the dialog is cancelled once looked at.
bool AsksBeforeReplacing(const FileDialogSpec& options) {
    std::optional<bool> asks;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (!dialog || !dialog->isVisible()) continue;
            asks = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            dialog->reject();
        }
    });
    poll.start(10);
    EXPECT_EQ(QtUserPort(nullptr).ChooseFile(options), std::nullopt);
    EXPECT_TRUE(asks.has_value()) << "no file dialog was shown";
    return asks.value_or(false);
}

}  // namespace

// The exports of the plan replace nothing unasked; the document's "G&uardar como ..." and the
// branch export keep their rule of writing over the chosen file.
TEST(SaveDialogs, NewOnesAskBeforeReplacingAFileTheDocumentsAndTheBranchExportDoNot) {
    const FilePath document("/tmp/taller.kl3");
    for (const plan::Format format : {plan::Format::kXlsx, plan::Format::kCsv, plan::Format::kPdf})
        EXPECT_TRUE(AsksBeforeReplacing(plan::ExportDialog(format, document)));
    EXPECT_FALSE(AsksBeforeReplacing(DocumentCommands::SaveDialog(document)));
    EXPECT_FALSE(AsksBeforeReplacing(branch_export::SaveDialog(document)));
}
