#pragma once

#include <QStringList>
#include <memory>

#include "startup.h"

class Catalogue;
class MainWindow;
class TipSetting;

// Start-up's windows on the desktop: the warning box, the tip window, the application's names
// and the main window, which this object keeps for the message loop.
class DesktopStartupWindows : public StartupWindows {
public:
    DesktopStartupWindows(const Catalogue& catalogue, TipSetting& tips, QStringList arguments);
    ~DesktopStartupWindows() override;

    void ShowWarning(const std::string& text) override;
    void ShowTipWindow() override;
    void NameApplication() override;
    void CreateMainWindow() override;

private:
    const Catalogue& catalogue_;
    TipSetting& tips_;
    QStringList arguments_;
    std::unique_ptr<MainWindow> window_;
};
