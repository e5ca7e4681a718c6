#include "tip_setting.h"

#include "settings_store.h"

bool TipSetting::ShowAtStartup() const {
    return store_.Read(setting::kStartupKey, setting::kShowTip) != "NO";
}

// A store that refuses the write is not reported: the tip simply keeps showing.
void TipSetting::BoxChanged() {
    store_.Write(setting::kStartupKey, setting::kShowTip, "NO");
}

void TipSetting::TipRequested() {
    store_.Write(setting::kProgramKey, setting::kShowTip, "SI");
}
