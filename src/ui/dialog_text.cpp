#include "dialog_text.h"

#include <QMessageBox>

#include "otoken.h"
#include "text_codec.h"

std::string DialogTextReader::Line(const QString& text) {
    std::string bytes = FromQt(text, &unmappable_);
    CheckLineForm(bytes);
    return bytes;
}

std::string DialogTextReader::Memo(const QString& text) {
    QString lines = text;
    lines.replace("\r\n", "\n").replace('\n', "\r\n");
    std::string bytes = FromQt(lines, &unmappable_);
    CheckLineForm(bytes);
    return bytes;
}

void DialogTextReader::CheckLineForm(const std::string& bytes) {
    if (!unstorable_.isEmpty()) return;
    const FieldTextCheck check = CheckFieldText(bytes);
    switch (check.fault) {
        case FieldTextFault::kNone:
            return;
        case FieldTextFault::kTab:
            unstorable_ = QString::fromUtf8(
                "El texto lleva un tabulador, que no se puede guardar en el documento. "
                "Cámbielo por un espacio antes de aceptar.");
            return;
        case FieldTextFault::kControl:
            unstorable_ = QString::fromUtf8(
                              "El texto lleva un carácter de control (U+%1) que no se puede guardar "
                              "en el documento. Bórrelo antes de aceptar.")
                              .arg(static_cast<unsigned char>(check.character), 4, 16, QChar('0'));
            return;
        case FieldTextFault::kTilde:
            unstorable_ = QString::fromUtf8(
                "El documento guarda los saltos de línea como «~~», así que no puede "
                "guardar «~~» ni «~» al final de una línea. Cámbielo antes de aceptar.");
            return;
    }
}

bool DialogTextReader::Refused(QWidget* dialog) const {
    if (!unstorable_.isEmpty()) {
        QMessageBox::warning(dialog, dialog->windowTitle(), unstorable_);
        return true;
    }
    if (unmappable_.isEmpty()) return false;
    const QString code = QString("U+%1").arg(unmappable_.toUcs4().value(0), 4, 16, QChar('0')).toUpper();
    QMessageBox::warning(dialog, dialog->windowTitle(),
                         QString::fromUtf8("El carácter «%1» (%2) no se puede guardar en el documento. "
                                           "Cámbielo por otro antes de aceptar.")
                             .arg(unmappable_, code));
    return true;
}

QString MemoToQt(const std::string& text) {
    QString lines = ToQt(text);
    return lines.replace("\r\n", "\n");
}
