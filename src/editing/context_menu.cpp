#include "context_menu.h"

#include "kinds.h"

ContextMenuState ContextMenuFor(char k) {
    ContextMenuState s;
    const bool place = kind::IsPlace(k);
    s.nuevaZona = k == kind::kFirm || k == kind::kZone;
    s.nuevoPuesto = place;  // the command itself refuses a workstation
    s.asignarCuestionarios = place;
    s.indicarDeficiencias = k == kind::kQuestionnaire;
    s.indicarMedidasPrev = k == kind::kDeficiency;
    s.responderCuestionario = k == kind::kQuestionnaire;
    s.exportar = place;
    s.eliminar = k == kind::kZone || k == kind::kWorkstation || k == kind::kQuestionnaire ||
                 k == kind::kDeficiency || k == kind::kMeasure;
    return s;
}
