#include "workstation_data.h"

#include "otoken.h"
#include "text_pieces.h"

namespace workstation_data {

WorkstationData Read(const oToken& workstation) {
    WorkstationData data;
    data.workers = workstation.GetField(field::kWorkstationWorkers);
    data.protectiveEquipment = workstation.GetField(field::kProtectiveEquipment);
    data.training = workstation.GetField(field::kTraining);
    data.healthSurveillance = workstation.GetField(field::kHealthSurveillance);
    return data;
}

void Write(oToken& workstation, const WorkstationData& data) {
    SetNewDataField(workstation, field::kHealthSurveillance, data.healthSurveillance);
    SetNewDataField(workstation, field::kTraining, data.training);
    SetNewDataField(workstation, field::kProtectiveEquipment, data.protectiveEquipment);
    SetNewDataField(workstation, field::kWorkstationWorkers, data.workers);
}

std::vector<std::string> WorkerNames(const std::string& workers) {
    std::vector<std::string> names;
    // A name typed alone or pasted may end in a lone CR or LF.
    for (const std::string& line :
         SplitText(ReplaceAll(ReplaceAll(workers, "\r\n", "\n"), "\r", "\n"), "\n")) {
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos) continue;
        names.push_back(line.substr(first, line.find_last_not_of(" \t") + 1 - first));
    }
    return names;
}

}  // namespace workstation_data
