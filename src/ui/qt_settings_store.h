#pragma once

#include <QVariant>

#include "settings_store.h"

// The per-user store on QSettings, the one place that opens it: "Kaldo 3.0" is the user's
// TORVE/Kaldo 3.0.conf, or HKEY_CURRENT_USER\Software\TORVE\Kaldo 3.0 under Windows. The port's
// values are written as strings; the window's own values keep the toolkit's types.
class QtSettingsStore : public SettingsStore {
public:
    std::optional<std::string> Read(const std::string& key, const std::string& name) override;
    bool Write(const std::string& key, const std::string& name, const std::string& value) override;

    // A value of the window's under the program's key (setting::kProgramKey); invalid when missing.
    QVariant Value(const char* name) const;
    void SetValue(const char* name, const QVariant& value);
};
