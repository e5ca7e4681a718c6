#include "named_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* NamedEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QPlainTextEdit* NamedMemo(const char* name, int lines, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setTabChangesFocus(true);
    const int margin = static_cast<int>(memo->document()->documentMargin());
    memo->setFixedHeight(memo->fontMetrics().lineSpacing() * lines + 2 * (memo->frameWidth() + margin) + 4);
    return memo;
}
