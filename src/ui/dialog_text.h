#pragma once

#include <QString>
#include <string>

class QWidget;

// Reads a dialog's texts back into the document's Windows-1252. A memo's line breaks become
// CR LF, as the document holds them. The first character that Windows-1252 cannot hold is
// remembered, so that "Aceptar" can refuse and keep the dialog open instead of losing it.
class DialogTextReader {
public:
    std::string Line(const QString& text);
    std::string Memo(const QString& text);
    // When a character could not be read, tells the user which one and returns true.
    bool Refused(QWidget* dialog) const;

private:
    QString unmappable_;
};

// A memo's text for display: CR LF as a plain line break.
QString MemoToQt(const std::string& text);
