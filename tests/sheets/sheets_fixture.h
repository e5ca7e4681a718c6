#pragma once

#include <string>
#include <vector>

#include "catalogue.h"
#include "cp1252.h"
#include "document_lines.h"
#include "document_session.h"
#include "fixed_dates.h"
#include "shipped_catalogue.h"
#include "workstation_sheet.h"

// A firm with a questionnaire answered "Sí" twice and a deficiency of its own; a zone "Nave" with
// a critical deficiency whose measure is overdue on 25/03/2026; in it "Soldador" with two named
// workers, its texts and a deficiency whose measure is done, and "Pintor" with three exposed
// workers and no names; "Recepción" directly under the firm. Lines in UTF-8.
inline const std::vector<std::string> kSheetFirm = {
    "1\t0\tE\tTalleres Norte\t\t02/03/2026",
    "2\t1\tC\t00.- Gestión Preventiva\t\t02/03/2026\t\t\t\t\t3\t\t\tSS",
    "3\t2\tD\t2. ¿Hay plan de prevención?\tRedacte el plan\t\t\t\t\t\t12111\t\tNo hay plan escrito",
    "4\t1\tZ\tNave",
    "5\t4\tC\t01.- Lugares de trabajo\t\t02/03/2026\t\t\t\t\t4",
    "6\t5\tD\t3. ¿Están protegidos los fosos?\t\t\t\t\t\t\t00000\t\tFoso abierto",
    "7\t6\tR\tInstalar barandilla\t\t20/03/2026\tAna",
    "8\t4\tP\tSoldador\t\t17/03/2026\t\t\t\t\tAna Pérez~~ Luis Gil \t\tPantalla~~Guantes\tCurso de "
    "soldadura\t"
    "Protocolo de radiaciones\texpuestos=2",
    "9\t8\tC\t18.- Radiaciones no ionizantes\t\t17/03/2026\t\t\t\t\t2",
    "10\t9\tD\t1. ¿Hay pantallas?\t\t\t\t\t\t\t33232\t\tCortina rota",
    "11\t10\tR\tReponer la cortina\t\t23/03/2026\tPedro\t24/03/2026\tEva",
    "12\t4\tP\tPintor\t\t\t\t\t\t\t\t\t\t\t\texpuestos=3",
    "13\t1\tP\tRecepción",
};

struct SheetsFixture {
    DocumentSession session;
    FixedDates dates;

    std::vector<sheets::Sheet> Sheets(const std::vector<std::string>& lines = kSheetFirm) {
        LoadLines(session, lines);
        return sheets::Gather(session, ShippedCatalogue(), dates, {2026, 3, 25});
    }
};
