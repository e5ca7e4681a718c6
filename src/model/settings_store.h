#pragma once

#include <optional>
#include <string>

// Where the per-user values live: each key is an application of the organisation, so that
// under Windows "Kaldo 3.0" is HKEY_CURRENT_USER\Software\TORVE\Kaldo 3.0.
namespace setting {
constexpr const char* kOrganisation = "TORVE";
constexpr const char* kStartupKey = "Kaldo 3.0";  // read at start-up: whether the tip shows
constexpr const char* kProgramKey = "Kaldo 3.1";  // written by the program, never read at start-up
constexpr const char* kShowTip = "Mostrar Inicio";
// Under the program's key: the main window's geometry and panel width, the recent documents.
constexpr const char* kWindowGeometry = "ventana/geometria";
constexpr const char* kPanelWidth = "ventana/divisor";
constexpr const char* kRecentFiles = "recientes/archivos";
// Under the program's key: "Copia de recuperación cada N minutos" (0: none).
constexpr const char* kRecoveryMinutes = "recuperacion/minutos";
}  // namespace setting

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
