#include "valuation_code.h"

#include <array>

#include "cp1252.h"

namespace valuation {

namespace {

const std::array<std::array<const char*, 4>, kPositions> kNames = {{
    {"Crítico", "A corregir", "A mejorar", "No imprescindible"},
    {"Mortal", "Muy grave", "Grave", "Leve"},
    {"Muy alta", "Alta", "Moderada", "Baja"},
    {"Continuada", "Frecuente", "Ocasional", "Esporádica"},
    {"Muy deficiente", "Deficiente", "Mejorable", ""},
}};

}  // namespace

int ValueCount(int position) {
    return position == kDeficiency ? 3 : 4;
}

bool IsSet(int position, char c) {
    return position >= 0 && position < kPositions && c >= '0' && c < '0' + ValueCount(position);
}

std::string WorkingCopy(const std::string& field) {
    std::string code = field.substr(0, kPositions);
    code.resize(kPositions, ' ');
    return code;
}

std::optional<int> InterventionLevel(const std::string& storedCode) {
    const char c = WorkingCopy(storedCode)[kLevel];
    if (!IsSet(kLevel, c)) return std::nullopt;
    return c - '0';
}

std::string ValueName(int position, char c) {
    if (!IsSet(position, c)) return {};
    return W(kNames[position][c - '0']);
}

}  // namespace valuation
