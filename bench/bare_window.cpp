// The yardstick for the program's start-up time: a Qt Widgets program that shows one empty main
// window, built with the same compiler, options and Qt as the program. With --menu the window
// has a menu bar with one menu, the least a window with text needs (the font set-up).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Ventana");
    if (application.arguments().contains("--menu"))
        window.menuBar()->addMenu("&Archivo")->addAction("&Salir");
    window.resize(800, 600);
    window.show();
    return application.exec();
}
