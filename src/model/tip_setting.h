#pragma once

#include <string>

class SettingsStore;

// The one per-user setting: whether the start-up tip window is shown. Only the exact value
// "NO" under the first key switches it off; the tip window's box writes "NO" on every change,
// and "Ver Sugerencia" writes "SI" under a second key that nothing reads.
class TipSetting {
public:
    static constexpr const char* kStartupKey = "Kaldo 3.0";
    static constexpr const char* kRequestKey = "Kaldo 3.1";
    static constexpr const char* kValueName = "Mostrar Inicio";

    explicit TipSetting(SettingsStore& store) : store_(store) {}

    // True unless the user switched the tip off; a store that cannot be read shows it.
    bool ShowAtStartup() const;
    // The tip window's box was ticked or unticked.
    void BoxChanged();
    // The user asked for the tip from the menu.
    void TipRequested();

private:
    SettingsStore& store_;
};
