#pragma once

#include <QObject>

class QWidget;

// Keeps every window and dialog of the program within the available area of its screen when it
// opens, whatever the screen's size and scaling: a window larger than the area is made smaller
// (down to its minimum size), and one placed partly outside is moved in. Sizes are the device-
// independent pixels of the screen's scaling, so a 1366 x 768 screen at 125 % is 1093 x 614.
// Installed once on the application, before the first window.
class ScreenFit : public QObject {
    Q_OBJECT
public:
    explicit ScreenFit(QObject* parent = nullptr);

    // Fits one window now (it need not be shown yet).
    static void Fit(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
