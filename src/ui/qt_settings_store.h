#pragma once

#include "settings_store.h"

// The per-user store on QSettings: a key is an application of the organisation "TORVE", so
// "Kaldo 3.0" is HKEY_CURRENT_USER\Software\TORVE\Kaldo 3.0 under Windows and the user's
// TORVE/Kaldo 3.0.conf elsewhere. Values are written as strings.
class QtSettingsStore : public SettingsStore {
public:
    std::optional<std::string> Read(const std::string& key, const std::string& name) override;
    bool Write(const std::string& key, const std::string& name, const std::string& value) override;
};
