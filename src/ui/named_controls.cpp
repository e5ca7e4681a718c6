#include "named_controls.h"

#include <QBoxLayout>
#include <QDialog>
#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <cmath>

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

namespace {

// A text box whose visible part holds whole lines only. Its text has no margin of its own, which
// would leave room at the foot for the top of one more line; the same space is kept around the
// visible part instead, in the box's own colour.
class WholeLinesMemo : public QPlainTextEdit {
public:
    WholeLinesMemo(int lines, QWidget* parent) : QPlainTextEdit(parent), lines_(lines) {
        margin_ = static_cast<int>(document()->documentMargin());
        document()->setDocumentMargin(0);
        setViewportMargins(margin_, margin_, margin_, margin_);
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
        // Lines wrap at the box's width: nothing ever needs scrolling sideways.
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        FitLines();
    }

protected:
    // A style sheet may give the box another font once it is shown.
    void changeEvent(QEvent* event) override {
        QPlainTextEdit::changeEvent(event);
        if (event->type() == QEvent::FontChange) FitLines();
    }

private:
    void FitLines() {
        // The text's lines are laid out a line spacing apart, leading included.
        const int text = static_cast<int>(std::ceil(QFontMetricsF(font()).lineSpacing() * lines_));
        setFixedHeight(text + 2 * (frameWidth() + margin_));
    }

    int lines_;
    int margin_ = 0;
};

}  // namespace

QPlainTextEdit* NamedMemo(const char* name, int lines, QWidget* parent) {
    auto* memo = new WholeLinesMemo(lines, parent);
    memo->setObjectName(name);
    memo->setTabChangesFocus(true);
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
