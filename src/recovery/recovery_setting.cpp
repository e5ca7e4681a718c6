#include "recovery_setting.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "recovery_schedule.h"
#include "settings_store.h"

namespace recovery_setting {

int Minutes(SettingsStore& store) {
    const auto value = store.Read(setting::kProgramKey, setting::kRecoveryMinutes);
    int minutes = 0;
    if (!value) return RecoverySchedule::kDefaultMinutes;
    const char* end = value->data() + value->size();
    const auto [stop, error] = std::from_chars(value->data(), end, minutes);
    if (error != std::errc() || stop != end || minutes < 0) return RecoverySchedule::kDefaultMinutes;
    return std::min(minutes, RecoverySchedule::kLongestMinutes);
}

bool StoreMinutes(SettingsStore& store, int minutes) {
    minutes = std::clamp(minutes, 0, RecoverySchedule::kLongestMinutes);
    return store.Write(setting::kProgramKey, setting::kRecoveryMinutes, std::to_string(minutes));
}

}  // namespace recovery_setting
