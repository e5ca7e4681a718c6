#pragma once

class SettingsStore;

// "Copia de recuperación cada N minutos", kept under the program's key: 0 writes no copy. A
// missing or unreadable value gives the default (RecoverySchedule::kDefaultMinutes).
namespace recovery_setting {
int Minutes(SettingsStore& store);
// False when the store refused the value.
bool StoreMinutes(SettingsStore& store, int minutes);
}  // namespace recovery_setting
