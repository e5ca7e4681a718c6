#pragma once

#include <QString>
#include <string>

class QWidget;

// Takes what the user typed into a dialog's boxes as Windows-1252 text. The first character
// that the character set cannot hold is remembered, so that "Aceptar" can refuse the entries
// and name it instead of storing a replacement.
class TextEntry {
public:
    // An edit box's text.
    std::string Line(const QString& text);
    // A memo's text: its line breaks become CR LF, as the document holds them.
    std::string Memo(const QString& text);

    bool Refused() const { return !unmappable_.isEmpty(); }
    const QString& Unmappable() const { return unmappable_; }
    // Tells the user, over the dialog, which character cannot be kept. The message box is
    // modal to the dialog, which stays open.
    void ShowRefusal(QWidget* dialog) const;

private:
    QString unmappable_;
};

// A memo's text as a text box shows it: CR LF line breaks as plain line feeds.
QString MemoToQt(const std::string& text);
