#pragma once

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QString;
class QWidget;

// The dialogs' plain controls, each made with the object name that the dialog's code and its
// tests know it by.
QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent);
QLineEdit* NamedEdit(const char* name, QWidget* parent);
// A text box exactly `lines` lines high, in which Tab moves to the next control instead of
// being typed (a TAB could not be kept in the document anyway).
QPlainTextEdit* NamedMemo(const char* name, int lines, QWidget* parent);
