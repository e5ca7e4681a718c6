// The main window's recovery copies: the keeper of the open document's copy, the offer of the
// copies left by a program that did not end normally, and "Copia de recuperación ..." in
// "&Archivo" after "Resumen de una carpeta ...".
#include <QAction>
#include <QMenu>
#include <QStatusBar>

#include "main_window.h"
#include "recovery_service.h"

void MainWindow::SetUpRecovery() {
    recovery_ = new RecoveryService(session_, commands_, port_, settings_, *statusBar(), this);
    CopiaRecuperacion1 = new QAction(QString::fromUtf8("Copia de recuperación ..."), ArchivoMenu);
    CopiaRecuperacion1->setObjectName("CopiaRecuperacion1");
    const QList<QAction*> entries = ArchivoMenu->actions();
    ArchivoMenu->insertAction(entries.value(entries.indexOf(ResumenCarpeta1) + 1), CopiaRecuperacion1);
    connect(CopiaRecuperacion1, &QAction::triggered, recovery_, &RecoveryService::ChangeInterval);
}

void MainWindow::OfferRecoveryCopies() {
    recovery_->OfferCopies();
}
