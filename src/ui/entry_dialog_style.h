#pragma once

class QWidget;

// The look of the entry dialogs: a fixed-size window without a context help button, and colour
// roles: the groups the user chooses in are green, the groups that only show derived results
// are maroon and disabled; both in bold.
namespace entry_style {

void FixedWindow(QWidget* dialog);

// Applies to the widget and to the group boxes, radio buttons and labels inside it, unless a
// nearer widget has its own.
void Choice(QWidget* widget);
void Result(QWidget* widget);
void NavyNote(QWidget* widget);

}  // namespace entry_style
