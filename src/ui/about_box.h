#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The about box (TAboutBox): the program's picture above a single button that closes it.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

private:
    void OKButtonClick();

    // Controls by their names (also their object names).
    QFrame* Panel1;
    QLabel* Image1;
    QPushButton* OKButton;
};
