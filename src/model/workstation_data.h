#pragma once

#include <string>
#include <vector>

class oToken;

// What the people who hold a workstation are told about it beyond its risks: the protective
// equipment, training and health surveillance it requires, and their names. Each text has a
// field of its own that the workstation kind leaves unused (field_names.h); line breaks are kept
// as CR LF, as in every field. No health data of any person is kept, only the protocols.
// Texts are Windows-1252, like the record's.
namespace workstation_data {

struct WorkstationData {
    std::string protectiveEquipment;  // "Equipos de protección individual:"
    std::string training;             // "Formación e información:"
    std::string healthSurveillance;   // "Vigilancia de la salud:"
    std::string workers;              // "Trabajadores del puesto:", one name per line

    bool operator==(const WorkstationData&) const = default;
};

WorkstationData Read(const oToken& workstation);
// An empty value in a field that the record does not have writes nothing, so a workstation
// without these data keeps its line as it was.
void Write(oToken& workstation, const WorkstationData& data);

// The names of "Trabajadores del puesto": one per line, without the blanks around them and
// without empty lines.
std::vector<std::string> WorkerNames(const std::string& workers);

}  // namespace workstation_data
