#include "dialog_text.h"

#include <QMessageBox>

#include "text_codec.h"

std::string DialogTextReader::Line(const QString& text) {
    return FromQt(text, &unmappable_);
}

std::string DialogTextReader::Memo(const QString& text) {
    QString lines = text;
    lines.replace("\r\n", "\n").replace('\n', "\r\n");
    return FromQt(lines, &unmappable_);
}

bool DialogTextReader::Refused(QWidget* dialog) const {
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
