#include "questionnaire_selection_form.h"

#include <algorithm>

#include "assignment_flags.h"
#include "cp1252.h"
#include "kinds.h"
#include "texts.h"

const std::vector<std::string>& QuestionnaireSelectionForm::FixedEntries() {
    static const std::vector<std::string> entries = {
        W("00.- Gestión Preventiva"),
        W("01.- Lugares de trabajo"),
        W("02.- Máquinas"),
        W("03.- Elevación y transporte"),
        W("04.- Herramientas manuales"),
        W("05.- Manipulación de objetos"),
        W("06.- Instalación eléctrica"),
        W("07.- Aparatos a presión y gases"),
        W("08.- Incendios y explosiones"),
        W("09.- Agentes químicos. Seguridad"),
        W("10.- Agentes químicos. Exposición"),
        W("11.- Agentes biológicos"),
        W("12.- Ventilación y climatización"),
        W("13.- Ruido"),
        W("14.- Vibraciones"),
        W("15.- Iluminación"),
        W("16.- Calor y frío"),
        W("17.- Radiaciones ionizantes"),
        W("18.- Radiaciones no ionizantes"),
        W("19.- Carga física"),
        W("20.- Carga mental"),
        W("21.- Trabajo a turnos"),
        W("22.- Factores de organización"),
    };
    return entries;
}

QuestionnaireSelectionForm::QuestionnaireSelectionForm(const std::string& nodeName, const std::string& flags,
                                                       const Date& date)
    : date(date), caption_(W("Selección de cuestionarios para ") + nodeName), available_(FixedEntries()) {
    std::sort(available_.begin(), available_.end());
    for (int n = 0; n < assignment_flags::kQuestionnaires; ++n) {
        if (!assignment_flags::IsAssigned(flags, n)) continue;
        const std::string number = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
        const auto entry = std::find_if(available_.begin(), available_.end(),
                                        [&](const std::string& e) { return e.compare(0, 2, number) == 0; });
        if (entry != available_.end())
            Move(available_, static_cast<int>(entry - available_.begin()), selected_);
    }
}

bool QuestionnaireSelectionForm::Move(std::vector<std::string>& from, int row, std::vector<std::string>& to) {
    if (row < 0 || row >= static_cast<int>(from.size())) return false;
    std::string entry = std::move(from[row]);
    from.erase(from.begin() + row);
    to.insert(std::upper_bound(to.begin(), to.end(), entry), std::move(entry));
    return true;
}

void QuestionnaireSelectionForm::SelectAll() {
    while (Move(available_, 0, selected_)) {
    }
}

void QuestionnaireSelectionForm::Select(int availableRow) {
    Move(available_, availableRow, selected_);
}

void QuestionnaireSelectionForm::Deselect(int selectedRow) {
    Move(selected_, selectedRow, available_);
}

void QuestionnaireSelectionForm::DeselectAll() {
    while (Move(selected_, 0, available_)) {
    }
}

std::string QuestionnaireSelectionForm::Flags() const {
    std::string flags = text::kNoFlags;
    for (const std::string& entry : selected_) {
        const int n = UncheckedTwoDigitNumber(entry);
        if (n >= 0 && n < assignment_flags::kQuestionnaires) flags[n] = '1';
    }
    return flags;
}
