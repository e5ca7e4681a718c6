#pragma once

#include <string>

#include "cp1252.h"

// Fixed texts of deficiency and measure entry, in Windows-1252.
namespace text {
inline const std::string kNoPlaceForDeficiencies = W("No es un lugar adecuado para indicar deficiencias");
inline const std::string kNoPlaceForMeasures = W("No es un lugar adecuado para indicar Medidas Preventivas");
inline const std::string kNotFromQuestionnaire = W("ERROR: No proviene de un cuestionario");
inline const std::string kDeficienciesFor = W("Deficiencias para ");
inline const std::string kMeasureCaption = W("Medida Preventiva");
}  // namespace text
