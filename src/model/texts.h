#pragma once

#include <string>

#include "cp1252.h"
#include "file_path.h"

// Fixed texts of the document commands, in Windows-1252 like everything they are shown with.
namespace text {
inline const std::string kMaximum = W("ERROR.- Alcanzado el máximo");
inline const std::string kBadLine = W("ERROR.- Línea en mal estado");
inline const std::string kBadParent = W("ERROR.- Línea mal asociada");
inline const std::string kNotADocument = W("Fichero erróneo");
inline const std::string kWrongKind = W("Error: No puede ser");
inline const std::string kSaveQuestion = W("El archivo actual no se ha grabado. ¿Quiere guardarlo?");
inline const std::string kSaveCaption = W("Guardar información");
inline const std::string kNewFirm = W("<Nueva Empresa>");
inline const FilePath kNewDocumentName("NuevaEmpresa.kl3");
inline const std::string kFirstQuestionnaire = W("00.- Gestión Preventiva");
inline const std::string kNoFlags = "00000000000000000000000";
inline const std::string kNewFirmFlags = "10000000000000000000000";
}  // namespace text
