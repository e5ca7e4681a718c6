// The main window's recovery copies: the keeper of the open document's copy, the offer of the
// copies left by a program that did not end normally, and "Copia de recuperación ..." at the
// end of "&Archivo".
#include <QAction>
#include <QMenu>
#include <QStatusBar>

#include "main_window.h"
#include "recovery_service.h"

void MainWindow::SetUpRecovery() {
    recovery_ = new RecoveryService(session_, commands_, port_, settings_, *statusBar(), this);
    ArchivoMenu->addSeparator();
    CopiaRecuperacion1 = ArchivoMenu->addAction(QString::fromUtf8("Copia de recuperación ..."));
    CopiaRecuperacion1->setObjectName("CopiaRecuperacion1");
    connect(CopiaRecuperacion1, &QAction::triggered, recovery_, &RecoveryService::ChangeInterval);
}

void MainWindow::OfferRecoveryCopies() {
    recovery_->OfferCopies();
}
