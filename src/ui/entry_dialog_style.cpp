#include "entry_dialog_style.h"

#include <QString>
#include <QWidget>

namespace entry_style {

namespace {

void Paint(QWidget* widget, const char* colour) {
    // The colour holds in the disabled state too: results stay readable.
    widget->setStyleSheet(
        QString("QGroupBox, QRadioButton, QLabel { color: %1; font-weight: bold; }").arg(colour));
}

}  // namespace

void FixedWindow(QWidget* dialog) {
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void Choice(QWidget* widget) {
    Paint(widget, "#008000");
}

void Result(QWidget* widget) {
    Paint(widget, "#800000");
}

void NavyNote(QWidget* widget) {
    Paint(widget, "#000080");
}

}  // namespace entry_style
