#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class TipSetting;

// The start-up tip window (TfrmSplash): two pictures, the advice on how to work with the
// program and the box that switches the window off for later starts.
class SplashWindow : public QDialog {
    Q_OBJECT
public:
    // Creating the window reads the setting: the box comes up ticked when the tip is switched off.
    explicit SplashWindow(TipSetting& setting, QWidget* parent = nullptr);

private:
    void CheckBox1Click();

    // Controls by their names (also their object names).
    QFrame* Panel1;
    QLabel* Image1;
    QLabel* Image2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QCheckBox* CheckBox1;
    QPushButton* BitBtn1;

    TipSetting& setting_;
};
