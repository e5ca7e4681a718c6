#include "ok_dialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QFont PixelFont(const QFont& base, int pixels, bool bold) {
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

OkDialog::OkDialog(const QString& message, const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    setFixedSize(313, 116);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(0, 0, 313, 73);
    // The question starts at the top, where it is always seen; a long message (a deficiency's
    // whole text after "Está seguro de borrar el item:") wraps and scrolls inside the panel.
    auto* scroll = new QScrollArea(panel);
    scroll->setObjectName("MessageScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::TabFocus);  // after the buttons: the arrow keys then scroll it
    scroll->viewport()->setAutoFillBackground(false);
    lblMensaje = new QLabel(message);
    lblMensaje->setObjectName("lblMensaje");
    lblMensaje->setTextFormat(Qt::PlainText);  // a node's text is shown as it is, never as markup
    lblMensaje->setWordWrap(true);
    lblMensaje->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMensaje->setFont(PixelFont(font(), 13, false));
    lblMensaje->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblMensaje->setContentsMargins(4, 2, 4, 2);
    scroll->setWidget(lblMensaje);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(scroll);

    OKBtn = new QPushButton("Si", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(71, 84, 75, 25);
    OKBtn->setFont(PixelFont(font(), 13, true));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton("No", this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(159, 84, 75, 25);
    CancelBtn->setFont(PixelFont(font(), 11, true));
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, scroll);
    OKBtn->setFocus();
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}
