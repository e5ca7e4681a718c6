#pragma once

#include <QSettings>

// The program's own per-user settings (organisation "TORVE", application "Kaldo 3.1"): window
// geometry and the recent documents, each under a group of its own.
QSettings UserSettings();
