#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFileInfo>
#include <QSettings>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "named_child.h"
#include "qt_settings_store.h"
#include "settings_fixture.h"
#include "splash_window.h"
#include "text_codec.h"
#include "tip_setting.h"

namespace {

struct SplashWindowTest : ScratchSettings {
    QtSettingsStore store;
    TipSetting setting{store};
};

}  // namespace

TEST_F(SplashWindowTest, ControlsTextsAndPictures) {
    SplashWindow window(setting);
    EXPECT_EQ(window.windowTitle(), "Sugerencia sobre el uso de la aplicación");
    EXPECT_EQ(window.size(), QSize(525, 365));
    EXPECT_EQ(Named<QFrame>(window, "Panel1")->geometry(), window.rect());
    EXPECT_EQ(Named<QLabel>(window, "Image1")->geometry(), QRect(24, 24, 121, 121));
    EXPECT_EQ(Named<QLabel>(window, "Image2")->geometry(), QRect(168, 160, 225, 153));
    for (QLabel* image : {Named<QLabel>(window, "Image1"), Named<QLabel>(window, "Image2")}) {
        EXPECT_TRUE(image->hasScaledContents());
        EXPECT_FALSE(image->pixmap().isNull()) << image->objectName().toStdString();
    }
    EXPECT_EQ(Named<QLabel>(window, "Image1")->pixmap().size(), QSize(242, 242));
    EXPECT_EQ(Named<QLabel>(window, "Image2")->pixmap().size(), QSize(450, 306));
    EXPECT_EQ(Named<QLabel>(window, "Label2")->text(), "KALDO 3.1");
    EXPECT_EQ(Named<QLabel>(window, "Label2")->pos(), QPoint(408, 16));
    EXPECT_EQ(Named<QLabel>(window, "Label1")->geometry(), QRect(160, 40, 313, 49));
    EXPECT_EQ(
        Named<QLabel>(window, "Label1")->text(),
        "Esta aplicación hace un uso intensivo de la representación de la información en forma de árbol "
        "así como de las acciones contextuales accesibles a través del botón derecho del ratón.");
    EXPECT_EQ(Named<QLabel>(window, "Label3")->geometry(), QRect(160, 88, 305, 65));
    EXPECT_EQ(
        Named<QLabel>(window, "Label3")->text(),
        "Como sugerencia, diseñe primero las zonas y puestos de trabajo, asigne los cuestionarios que va a "
        "pasar y después imprimalos para poder inspeccionar con ellos los lugares correspondientes. "
        "Posteriormente, traslade las deficiencias encontradas así como las medidas preventivas.");
    for (QLabel* label : {Named<QLabel>(window, "Label1"), Named<QLabel>(window, "Label3")}) {
        EXPECT_TRUE(label->wordWrap());
        EXPECT_LE(label->heightForWidth(label->width()), label->height())
            << label->objectName().toStdString() << ": the text fits its control";
    }
    EXPECT_EQ(Named<QCheckBox>(window, "CheckBox1")->text(), "No mostrar en lo sucesivo");
    EXPECT_EQ(Named<QCheckBox>(window, "CheckBox1")->geometry(), QRect(16, 288, 145, 25));
    EXPECT_LE(Named<QCheckBox>(window, "CheckBox1")->sizeHint().width(), 145) << "the box's text fits";
    EXPECT_EQ(Named<QPushButton>(window, "BitBtn1")->text(), "Aceptar");
    EXPECT_EQ(Named<QPushButton>(window, "BitBtn1")->geometry(), QRect(408, 288, 97, 25));

    window.show();
    Named<QPushButton>(window, "BitBtn1")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(SplashWindowTest, FirstRunShowsTheTipAndWritesNothing) {
    EXPECT_TRUE(setting.ShowAtStartup());
    SplashWindow window(setting);
    EXPECT_FALSE(Named<QCheckBox>(window, "CheckBox1")->isChecked());
    EXPECT_FALSE(Stored("Kaldo 3.0").isValid());
    EXPECT_FALSE(Stored("Kaldo 3.1").isValid());
}

TEST_F(SplashWindowTest, TickingTheBoxSwitchesTheTipOffForLaterStarts) {
    {
        SplashWindow window(setting);
        Named<QCheckBox>(window, "CheckBox1")->click();
    }
    EXPECT_EQ(Stored("Kaldo 3.0"), "NO");
    // Kept under the organisation TORVE, application Kaldo 3.0: a file on Linux, the user's
    // registry key on Windows.
    const QString where = QSettings(QSettings::NativeFormat, QSettings::UserScope, "TORVE", "Kaldo 3.0").fileName();
    EXPECT_TRUE(where == PathToQt(home.File("TORVE/Kaldo 3.0.conf")) ||
                where == "\\HKEY_CURRENT_USER\\Software\\TORVE\\Kaldo 3.0")
        << where.toStdString();
    if (!where.startsWith("\\")) EXPECT_TRUE(QFileInfo::exists(where));

    QtSettingsStore later;
    EXPECT_FALSE(TipSetting(later).ShowAtStartup());
    SplashWindow again(setting);
    EXPECT_TRUE(Named<QCheckBox>(again, "CheckBox1")->isChecked()) << "shown on request with the box ticked";
}

TEST_F(SplashWindowTest, UntickingTheBoxWritesNoAgain) {
    Store("Kaldo 3.0", "NO");
    SplashWindow window(setting);
    ASSERT_TRUE(Named<QCheckBox>(window, "CheckBox1")->isChecked());
    Store("Kaldo 3.0", "cambiado");
    Named<QCheckBox>(window, "CheckBox1")->click();
    EXPECT_FALSE(Named<QCheckBox>(window, "CheckBox1")->isChecked());
    EXPECT_EQ(Stored("Kaldo 3.0"), "NO");
    EXPECT_FALSE(setting.ShowAtStartup());
}

TEST_F(SplashWindowTest, AValueDifferingOnlyInCaseDoesNotSuppressTheTip) {
    for (const char* value : {"no", "No", "nO"}) {
        Store("Kaldo 3.0", value);
        EXPECT_TRUE(setting.ShowAtStartup()) << value;
        SplashWindow window(setting);
        EXPECT_FALSE(Named<QCheckBox>(window, "CheckBox1")->isChecked()) << value;
        EXPECT_EQ(Stored("Kaldo 3.0"), value) << "creating the window writes nothing";
    }
}
