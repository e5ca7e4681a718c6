#include "dialog_text.h"

#include <QMessageBox>

#include "text_codec.h"

std::string DialogTextReader::Line(const QString& text) {
    CheckLineForm(text);
    return FromQt(text, &unmappable_);
}

std::string DialogTextReader::Memo(const QString& text) {
    QString lines = text;
    lines.replace("\r\n", "\n").replace('\n', "\r\n");
    CheckLineForm(lines);
    return FromQt(lines, &unmappable_);
}

void DialogTextReader::CheckLineForm(const QString& text) {
    if (!unstorable_.isEmpty()) return;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (c == '\t') {
            unstorable_ = QString::fromUtf8(
                "El texto lleva un tabulador, que no se puede guardar en el documento. "
                "Cámbielo por un espacio antes de aceptar.");
        } else if (c.unicode() < 0x20 && c != '\r' && c != '\n') {
            unstorable_ = QString::fromUtf8(
                              "El texto lleva un carácter de control (U+%1) que no se puede guardar "
                              "en el documento. Bórrelo antes de aceptar.")
                              .arg(c.unicode(), 4, 16, QChar('0'));
        } else if (c == '~' && (next == '~' || next == '\r' || next == '\n')) {
            unstorable_ = QString::fromUtf8(
                "El documento guarda los saltos de línea como «~~», así que no puede "
                "guardar «~~» ni «~» al final de una línea. Cámbielo antes de aceptar.");
        } else {
            continue;
        }
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
