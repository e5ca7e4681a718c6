#pragma once

#include <QObject>

class QMainWindow;
class QSplitter;
class QtSettingsStore;

// Keeps the main window's size and position and the width of its information panel from one
// run to the next: restores them when it is made and stores them when the window closes.
class WindowStateKeeper : public QObject {
    Q_OBJECT
public:
    WindowStateKeeper(QMainWindow& window, QSplitter& splitter, QtSettingsStore& settings);
    void Store() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow& window_;
    QSplitter& splitter_;
    QtSettingsStore& settings_;
};
