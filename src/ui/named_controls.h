#pragma once

class QBoxLayout;
class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QString;
class QWidget;

// The dialogs' plain controls, each made with the object name that the dialog's code and its
// tests know it by.
QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent);
QLineEdit* NamedEdit(const char* name, QWidget* parent);
// Puts a text that may be longer than the box (a location path) into it with its start in sight;
// the whole text is the box's tooltip.
void ShowFromStart(QLineEdit* edit, const QString& text);
// A text box exactly `lines` whole lines high (no line is shown cut), in which Tab moves to the next control
// instead of being typed (a TAB could not be kept in the document anyway).
QPlainTextEdit* NamedMemo(const char* name, int lines, QWidget* parent);

// The buttons that close a dialog, made at the end of one of its rows after a stretch: the first
// is the default button and calls the dialog's accept(), the other its reject(). With `icons`
// they show the style's OK and Cancel pictures.
struct NamedCaption {
    const char* name;
    const char* caption;
};
struct OkCancelButtons {
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancelButtons AddOkCancelButtons(QDialog& dialog, QBoxLayout& row, NamedCaption ok, NamedCaption cancel,
                                   bool icons);
