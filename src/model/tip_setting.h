#pragma once

class SettingsStore;

// The one per-user setting: whether the start-up tip window is shown. Only the exact value
// "NO" under the start-up key switches it off; the tip window's box writes "NO" on every change,
// and "Ver Sugerencia" writes "SI" under the program's key, where nothing reads it.
class TipSetting {
public:
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
