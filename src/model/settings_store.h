#pragma once

#include <optional>
#include <string>

// The per-user store of string values under named keys (the registry under Windows). The
// windowing layer implements it on the platform's store; tests keep the values in memory.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The value, or nothing when the key or the value is missing or the store cannot be read.
    // Reading never creates the key.
    virtual std::optional<std::string> Read(const std::string& key, const std::string& name) = 0;
    // Writes the value, creating the key when missing; false when the store refused it.
    virtual bool Write(const std::string& key, const std::string& name, const std::string& value) = 0;
};
