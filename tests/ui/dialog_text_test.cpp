#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include "cp1252.h"
#include "dialog_text.h"

namespace {

// Reads the text as a dialog's memo and "Aceptar" would: the refusal's text, or empty when the
// text is taken.
QString RefusalFor(const QString& text, std::string* stored = nullptr) {
    QDialog dialog;
    DialogTextReader reader;
    const std::string bytes = reader.Memo(text);
    if (stored) *stored = bytes;
    QString shown;
    // Owned here, so that when no box comes the check does not fire later, in another test.
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    closer.start(0);
    const bool refused = reader.Refused(&dialog);
    EXPECT_EQ(refused, !shown.isEmpty());
    return shown;
}

}  // namespace

// Texts the document's lines would not give back unchanged are refused before they spoil it: a
// tab would split the record's fields, Ctrl-Z would end the file there, "~~" would come back as
// a line break.
TEST(DialogText, TextsTheDocumentCannotCarryAreRefused) {
    EXPECT_TRUE(RefusalFor("Medida\tprovisional").contains("tabulador"));
    EXPECT_TRUE(RefusalFor(QString("antes") + QChar(0x1A) + "después").contains("U+001a"));
    EXPECT_TRUE(RefusalFor("ver ~~ nota").contains("~~"));
    EXPECT_TRUE(RefusalFor("fin~\nsigue").contains("~"));
}

TEST(DialogText, OrdinaryMemosAreTakenWithTheirLineBreaks) {
    std::string stored;
    EXPECT_TRUE(RefusalFor(QString::fromUtf8("Señal ~ aprox.\nsegunda línea"), &stored).isEmpty());
    EXPECT_EQ(stored, W("Señal ~ aprox.\r\nsegunda línea"));
}
