#include "tip_setting.h"

#include "settings_store.h"

bool TipSetting::ShowAtStartup() const {
    return store_.Read(kStartupKey, kValueName) != "NO";
}

// A store that refuses the write is not reported: the tip simply keeps showing.
void TipSetting::BoxChanged() {
    store_.Write(kStartupKey, kValueName, "NO");
}

void TipSetting::TipRequested() {
    store_.Write(kRequestKey, kValueName, "SI");
}
