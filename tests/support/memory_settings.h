#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "settings_store.h"

// A per-user store kept in memory; it can be made to refuse writes like a store that cannot
// be opened.
class MemorySettings : public SettingsStore {
public:
    std::optional<std::string> Read(const std::string& key, const std::string& name) override {
        const auto found = values.find({key, name});
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
    bool Write(const std::string& key, const std::string& name, const std::string& value) override {
        if (refuseWrites) return false;
        values[{key, name}] = value;
        return true;
    }

    std::map<std::pair<std::string, std::string>, std::string> values;  // (key, name) -> value
    bool refuseWrites = false;
};
