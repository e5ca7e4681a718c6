#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The yes/no dialog (TOKDlg): a message across the top and the buttons "Si" (Enter) and
// "No" (Esc). Only "Si" answers yes; "No", Esc and the close box answer no.
class OkDialog : public QDialog {
    Q_OBJECT
public:
    OkDialog(const QString& message, const QString& caption, QWidget* parent = nullptr);

private:
    // Controls by their names (also their object names).
    QLabel* lblMensaje;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};
