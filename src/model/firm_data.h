#pragma once

#include <string>

class oToken;

// What an assessment document says about the firm beyond its name, and the number of workers
// exposed at a workstation, kept in fields that the node kinds leave unused (field_names.h).
// Each long text has a field of its own; the short values share one field as "clave=valor"
// pairs joined by "; ", in a fixed order: "trabajadores=14; modalidad=ajeno; revision=15/03/2027"
// for a firm, "expuestos=3" for a workstation. Pairs with other keys are kept as they are.
// Texts are Windows-1252, like the record's.
namespace firm_data {

// "Modalidad preventiva:": how the firm organises its prevention.
enum class Modality { kNone, kEmployer, kDesignatedWorkers, kOwnService, kExternalService, kJointService };
constexpr int kModalityCount = 6;

// "Asumida por el empresario" ... "Servicio de prevención mancomunado"; empty for kNone.
const std::string& ModalityName(Modality modality);

struct FirmData {
    std::string taxId;     // "NIF/CIF:"
    std::string address;   // "Domicilio:"
    std::string activity;  // "Actividad (CNAE):"
    std::string workers;   // "Nº de trabajadores:": a whole number in decimal, or empty
    Modality modality = Modality::kNone;
    std::string evaluator;   // "Evaluación realizada por:"
    std::string nextReview;  // "Próxima revisión:": a date in the document's short date format, or empty

    bool operator==(const FirmData&) const = default;
};

FirmData Read(const oToken& firm);
// Writes every value; an empty value in a field that the record does not have writes nothing,
// so a firm without these data keeps its line as it was.
void Write(oToken& firm, const FirmData& data);

// "Trabajadores expuestos:" of a workstation: a whole number in decimal, or empty.
std::string ReadExposedWorkers(const oToken& workstation);
void WriteExposedWorkers(oToken& workstation, const std::string& count);

}  // namespace firm_data
