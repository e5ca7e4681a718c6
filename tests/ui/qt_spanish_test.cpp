#include "qt_spanish.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

// The standard buttons and dialogs that Qt draws itself speak Spanish like the program.
TEST(QtSpanishTest, StandardButtonsAreInSpanish) {
    if (!InstallQtSpanishTranslations(*QCoreApplication::instance()))
        GTEST_SKIP() << "Qt's Spanish translation is not installed (qt6-translations-l10n)";
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'), "Cancelar");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text().remove('&'), "Guardar");
    // Other tests expect Qt's own texts untranslated.
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(translator);
}
