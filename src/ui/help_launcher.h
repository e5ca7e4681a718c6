#pragma once

#include <QObject>
#include <QPointer>
#include <string>

#include "file_path.h"

class HelpWindow;
class QWidget;
class UserPort;

// Opens the help: "&Ayuda" and F1 in the main window show the program's help window at its
// first page, F1 in a dialog shows the page that explains the dialog. The program's own window
// is used rather than handing kaldo31.chm to the desktop, because it always opens (most
// desktops have no program for CHM files), it opens at the page of a dialog, and it reads the
// same pages as the CHM. Only when the pages are missing does the CHM go to the desktop.
class HelpLauncher : public QObject {
    Q_OBJECT
public:
    HelpLauncher(QWidget& mainWindow, UserPort& port);

    // Shows the help at a page ("editor.htm"; empty for the first page) over a window: one help
    // window is kept for the main window and the windows beside it (the plan's), and reused; a
    // modal dialog has its own, which goes with the dialog.
    void Show(const std::string& topic, QWidget* over = nullptr);
    HelpWindow* MainHelpWindow() const;

protected:
    // F1 in a dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& mainWindow_;
    UserPort& port_;
    QPointer<HelpWindow> mainHelp_;
};

// Hands a file that comes with the program (the manual, the help file) to the desktop's program
// for it. When the file is missing, or no program of the desktop opens its type, the user is told
// so, with the file's path, instead of nothing happening.
void OpenWithDesktopOrSay(const FilePath& name, UserPort& port);
