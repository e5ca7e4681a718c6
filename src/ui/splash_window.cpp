#include "splash_window.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "tip_setting.h"

namespace {

QLabel* Picture(const QString& resource, const QRect& geometry, QWidget* parent, const char* name) {
    auto* image = new QLabel(parent);
    image->setObjectName(name);
    image->setGeometry(geometry);
    image->setScaledContents(true);  // the picture is stretched to the control
    image->setPixmap(QPixmap(resource));
    return image;
}

QLabel* Text(const QString& text, QWidget* parent, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The controls have fixed sizes; with the fonts of the machine a text may need more room, so
// the font is made smaller until the whole text shows.
template <typename Fits>
void ShrinkToFit(QWidget* control, Fits fits) {
    QFont font = control->font();
    while (font.pixelSize() > 8 && !fits()) {
        font.setPixelSize(font.pixelSize() - 1);
        control->setFont(font);
    }
}

void ShrinkToFit(QLabel* label) {
    ShrinkToFit(label, [label] { return label->heightForWidth(label->width()) <= label->height(); });
}

void ShrinkToFit(QCheckBox* box) {
    ShrinkToFit(box, [box] { return box->sizeHint().width() <= box->width(); });
}

// The OK button's picture, taken straight from the toolkit's own pictures: asking the style for
// it first searches the desktop's icon themes on disk, which took about a quarter of the time
// to the first window.
QIcon OkPicture() {
    QIcon icon;
    for (int size : {16, 32})
        icon.addFile(QString(":/qt-project.org/styles/commonstyle/images/standardbutton-ok-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}

}  // namespace

SplashWindow::SplashWindow(TipSetting& setting, QWidget* parent) : QDialog(parent), setting_(setting) {
    setObjectName("frmSplash");
    setWindowTitle(QString::fromUtf8("Sugerencia sobre el uso de la aplicación"));
    setFixedSize(525, 365);
    // Fonts with the widths of the usual Windows sans serif keep the texts' lines as laid out.
    QFont small = font();
    small.setFamilies({"Arial", "Liberation Sans", "Helvetica", "Nimbus Sans", small.family()});
    small.setPixelSize(11);
    setFont(small);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setGeometry(rect());

    Image1 = Picture(":/pictures/tip-tree.jpg", QRect(24, 24, 121, 121), Panel1, "Image1");
    Image2 = Picture(":/pictures/tip-safety.jpg", QRect(168, 160, 225, 153), Panel1, "Image2");

    Label2 = Text("KALDO 3.1", Panel1, "Label2");
    QFont heading = Label2->font();
    heading.setBold(true);
    Label2->setFont(heading);
    Label2->move(408, 16);
    Label2->adjustSize();

    Label1 = Text(
        QString::fromUtf8("Esta aplicación hace un uso intensivo de la representación de la información en "
                          "forma de árbol así como de las acciones contextuales accesibles a través del "
                          "botón derecho del ratón."),
        Panel1, "Label1");
    Label1->setWordWrap(true);
    Label1->setGeometry(160, 40, 313, 49);
    ShrinkToFit(Label1);

    Label3 = Text(
        QString::fromUtf8("Como sugerencia, diseñe primero las zonas y puestos de trabajo, asigne los "
                          "cuestionarios que va a pasar y después imprimalos para poder inspeccionar con "
                          "ellos los lugares correspondientes. Posteriormente, traslade las deficiencias "
                          "encontradas así como las medidas preventivas."),
        Panel1, "Label3");
    Label3->setWordWrap(true);
    Label3->setGeometry(160, 88, 305, 65);
    ShrinkToFit(Label3);

    CheckBox1 = new QCheckBox("No mostrar en lo sucesivo", Panel1);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setGeometry(16, 288, 145, 25);
    ShrinkToFit(CheckBox1);

    BitBtn1 = new QPushButton(OkPicture(), "Aceptar", Panel1);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(408, 288, 97, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    // Connected before the setting is read, so that ticking the box here runs the same handler
    // as a click would.
    connect(CheckBox1, &QCheckBox::toggled, this, &SplashWindow::CheckBox1Click);
    if (!setting_.ShowAtStartup()) CheckBox1->setChecked(true);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void SplashWindow::CheckBox1Click() {
    setting_.BoxChanged();
}
