#pragma once

// Which entries of the tree's context menu are enabled for the kind of the selected node.
// "Informe" is always on; the firm can never be deleted from the menu. "Responder Cuestionario",
// after "Indicar Medidas Prev", is enabled where "Indicar Deficiencias" is. "Ficha del Puesto ...",
// the last entry, is shown and enabled for a workstation only, so that the other kinds' menus
// stay as they were.
struct ContextMenuState {
    bool nuevaZona = false;
    bool nuevoPuesto = false;
    bool asignarCuestionarios = false;
    bool indicarDeficiencias = false;
    bool indicarMedidasPrev = false;
    bool responderCuestionario = false;
    bool informe = true;
    bool exportar = false;
    bool eliminar = false;
    bool fichaPuesto = false;

    bool operator==(const ContextMenuState&) const = default;
};

ContextMenuState ContextMenuFor(char kind);
