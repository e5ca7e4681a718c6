#include "named_controls.h"

#include <QBoxLayout>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
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

void ShowFromStart(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    edit->setCursorPosition(0);
    edit->setToolTip(text);
}

QPlainTextEdit* NamedMemo(const char* name, int lines, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setTabChangesFocus(true);
    const int margin = static_cast<int>(memo->document()->documentMargin());
    memo->setFixedHeight(memo->fontMetrics().lineSpacing() * lines + 2 * (memo->frameWidth() + margin) + 4);
    return memo;
}

OkCancelButtons AddOkCancelButtons(QDialog& dialog, QBoxLayout& row, NamedCaption ok, NamedCaption cancel,
                                   bool icons) {
    auto button = [&](NamedCaption named, QStyle::StandardPixmap picture) {
        auto* made = new QPushButton(named.caption, &dialog);
        made->setObjectName(named.name);
        if (icons) made->setIcon(dialog.style()->standardIcon(picture));
        row.addWidget(made);
        return made;
    };
    row.addStretch(1);
    const OkCancelButtons buttons{button(ok, QStyle::SP_DialogOkButton),
                                  button(cancel, QStyle::SP_DialogCancelButton)};
    buttons.ok->setDefault(true);
    QObject::connect(buttons.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return buttons;
}
