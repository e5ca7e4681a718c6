#include "ok_dialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
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
    lblMensaje = new QLabel(message, panel);
    lblMensaje->setObjectName("lblMensaje");
    lblMensaje->setWordWrap(true);
    lblMensaje->setAlignment(Qt::AlignCenter);
    lblMensaje->setFont(PixelFont(font(), 13, false));
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(lblMensaje);

    OKBtn = new QPushButton("Si", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(71, 84, 75, 25);
    OKBtn->setFont(PixelFont(font(), 13, true));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton("No", this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(159, 84, 75, 25);
    CancelBtn->setFont(PixelFont(font(), 11, true));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}
