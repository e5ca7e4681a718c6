#pragma once

#include <QString>
#include <string>

class QWidget;

// Reads a dialog's texts back into the document's Windows-1252. A memo's line breaks become
// CR LF, as the document holds them. The first character that Windows-1252 cannot hold, and the
// first text that the document's lines cannot carry back unchanged (a tab, which separates the
// fields of a line; a control character such as Ctrl-Z, which ends the file; "~~" or "~" before
// a line break, which come back as other line breaks), is remembered, so that "Aceptar" can
// refuse and keep the dialog open instead of losing or spoiling it.
class DialogTextReader {
public:
    std::string Line(const QString& text);
    std::string Memo(const QString& text);
    // When a character could not be read, tells the user which one and returns true.
    bool Refused(QWidget* dialog) const;

private:
    void CheckLineForm(const std::string& bytes);

    QString unmappable_;
    QString unstorable_;  // what to tell the user about a text the lines cannot carry
};

// A memo's text for display: CR LF as a plain line break.
QString MemoToQt(const std::string& text);
