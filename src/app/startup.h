#pragma once

#include <optional>
#include <string>

class Catalogue;
class FilePath;
class TipSetting;
class UserPort;

// What start-up asks of the window system. The desktop answers with real windows; tests
// record the calls.
class StartupWindows {
public:
    virtual ~StartupWindows() = default;

    // A modal warning box with an OK button (Windows-1252 text).
    virtual void ShowWarning(const std::string& text) = 0;
    // The tip window, shown modally until the user closes it.
    virtual void ShowTipWindow() = 0;
    // The application's title and help file name.
    virtual void NameApplication() = 0;
    // The main window, which then opens the document named on the command line, if any.
    virtual void CreateMainWindow() = 0;
};

// Loads the catalogue as start-up does. When it cannot be loaded, returns the text that
// start-up ends with: the missing-file warning, or the system's text of a read error
// (Windows-1252). Lines the loader rejects are reported through the port.
std::optional<std::string> LoadStartupCatalogue(Catalogue& catalogue, const FilePath& path, UserPort& port);

// Start-up up to the message loop, in order: the catalogue before any window, the tip window
// unless the user switched it off, the application's names, the main window. Returns false
// when start-up ended after the warning; then no main window exists.
bool StartUp(Catalogue& catalogue, const FilePath& path, UserPort& port, const TipSetting& tips,
             StartupWindows& windows);
