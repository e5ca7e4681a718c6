#include "about_box.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("Acerca de KALDO 3.1");
    // A dialog border: fixed size, no resizing, no context help button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(410, 401);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setGeometry(0, 0, 410, 361);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName("Image1");
    Image1->setGeometry(Panel1->contentsRect());
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(":/pictures/about.jpg"));

    OKButton = new QPushButton("&Aceptar", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(167, 370, 77, 27);
    QFont bold = OKButton->font();
    bold.setBold(true);
    OKButton->setFont(bold);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &AboutBox::OKButtonClick);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void AboutBox::OKButtonClick() {
    accept();
}
