#pragma once

#include <memory>
#include <string>
#include <vector>

#include "assessment.h"
#include "catalogue.h"
#include "cp1252.h"
#include "document_lines.h"
#include "document_session.h"
#include "fixed_dates.h"
#include "numbered_lines.h"
#include "scripted_port.h"
#include "shipped_catalogue.h"

// A firm with its data, a zone with a workstation, questionnaires at the firm and at the
// workstation, deficiencies of every level (one not valued) and measures in every state on
// 25/03/2026. Lines in UTF-8, fields separated by TAB.
inline const std::vector<std::string> kAssessedFirm = {
    "1\t0\tE\tTalleres Norte\t\t02/03/2026\tMarta\t20/03/2026\tLuis\t\tB12345678\t10000000000000000000000\t"
    "C/ Mayor 3, Ávila\t4520 Reparación de vehículos\tMarta Gómez\ttrabajadores=14; modalidad=ajeno; "
    "revision=01/03/2027",
    "2\t1\tC\t00.- Gestión Preventiva\t\t02/03/2026\t\t\t\t\t3",
    "3\t2\tD\t2. ¿Hay plan de prevención?\tRedacte el plan\t\t\t\t\t\t12111\t\tNo hay plan escrito",
    "4\t3\tR\tRedactar el plan\t\t30/04/2026\tAna\t\t\t\t\t\t\tConsultora; 900 €",
    "5\t1\tZ\tNave",
    "6\t5\tP\tSoldador\t\t17/03/2026\t\t\t\t\t\t00000000000000000010000\t\t\t\texpuestos=2",
    "7\t6\tC\t18.- Radiaciones no ionizantes\t\t17/03/2026\t\t\t\t\t4\t\t\tNSSX",
    "8\t7\tD\t1. ¿Hay pantallas?\tColoque pantallas\t\t\t\t\tcomentario D\t00000\t\tCortina rota",
    "9\t8\tR\tReponer la cortina\t\t23/03/2026\tPedro",
    "10\t8\tR\tSeñalizar el puesto\t\t17/03/2026\t\t18/03/2026\tEva",
    "11\t7\tD\t2. ¿Hay gafas?\t\t\t\t\t\t\t33232",
    "12\t7\tD\t3. ¿Hay ventilación?\t\t\t\t\t\t\t",
};

// A firm with n deficiencies spread over zones and workstations, each with a measure, their
// texts long enough to wrap: item "k. Ítem Dk ...", detected "Detectada Dk ...",
// recommendation "Recomendación Rk ...", measure "Medida Mk ...".
inline std::string ManyDeficiencies(int n) {
    const std::string filler =
        " con un texto que sigue y sigue para que ocupe varias líneas en la página y obligue a partir "
        "las líneas por palabras";
    NumberedLines lines;
    lines.Add(0, "E\tEmpresa grande\t\t01/03/2026");
    int zone = 0, post = 0, questionnaire = 0;
    for (int k = 1; k <= n; ++k) {
        if (k % 20 == 1) zone = lines.Add(1, "Z\tZona " + std::to_string(k));
        if (k % 5 == 1) {
            post = lines.Add(zone, "P\tPuesto " + std::to_string(k));
            questionnaire = lines.Add(post, "C\t02.- Máquinas\t\t01/03/2026\t\t\t\t\t\t3");
        }
        const std::string code[] = {"00000", "12111", "22332", "33332", ""};
        const int d =
            lines.Add(questionnaire, "D\t" + std::to_string(k) + ". Ítem D" + std::to_string(k) + filler +
                                         "\tRecomendación R" + std::to_string(k) + filler + "\t\t\t\t\t\t" +
                                         code[k % 5] + "\t\tDetectada D" + std::to_string(k) + filler);
        lines.Add(d,
                  "R\tMedida M" + std::to_string(k) + "\t\t" + std::to_string(1 + k % 28) + "/04/2026\tAna");
    }
    return W(lines.Bytes());
}

// The session holding a document given as file bytes, shown as its geographic tree.
inline void LoadBytes(DocumentSession& session, const std::string& bytes) {
    session.ClearDocument();
    std::size_t start = 0;
    int slot = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        auto record = std::make_unique<oToken>();
        record->ParseLine(bytes.substr(start, end - start));
        session.Table().Put(++slot, std::move(record));
        start = end + 2;
    }
    session.RebuildTree();
}
