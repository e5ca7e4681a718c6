#include "text_entry.h"

#include <QMessageBox>
#include <QWidget>

#include "text_codec.h"

std::string TextEntry::Line(const QString& text) {
    QString unmappable;
    std::string bytes = FromQt(text, &unmappable);
    if (unmappable_.isEmpty()) unmappable_ = unmappable;
    return bytes;
}

std::string TextEntry::Memo(const QString& text) {
    QString lines = text;
    lines.replace("\r\n", "\n").replace(QChar::ParagraphSeparator, "\n").replace("\n", "\r\n");
    return Line(lines);
}

void TextEntry::ShowRefusal(QWidget* dialog) const {
    const uint code = unmappable_.toUcs4().value(0);
    const QString hex = QString::number(code, 16).toUpper().rightJustified(4, '0');
    const QString text = QString::fromUtf8(
                             "El carácter «%1» (U+%2) no se puede guardar en el documento. "
                             "Sustitúyalo por otro antes de aceptar.")
                             .arg(unmappable_, hex);
    auto* box = new QMessageBox(QMessageBox::Warning, dialog->windowTitle(), text, QMessageBox::Ok, dialog);
    box->setObjectName("unmappableMessage");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

QString MemoToQt(const std::string& text) {
    return ToQt(text).replace("\r\n", "\n");
}
