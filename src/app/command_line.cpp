#include "command_line.h"

#include <ostream>

#include "cli_assessment.h"
#include "cli_document.h"
#include "cli_overview.h"
#include "cli_plan.h"
#include "cli_reports.h"
#include "cli_review.h"
#include "cli_sheets.h"
#include "cli_views.h"

const std::vector<HeadlessOption>& HeadlessOptions() {
    static const std::vector<HeadlessOption> options = {
        {"--verificar", "DOC",
         "carga DOC como \"Abrir\", escribe los avisos en la salida de errores y el árbol en la salida", 1, 1,
         &RunVerify},
        {"--normalizar", "DOC SALIDA",
         "carga DOC y lo guarda en SALIDA como \"Guardar\" (numeración en preorden)", 2, 2, &RunNormalize},
        {"--informe", "DOC [SALIDA.txt]",
         "escribe el informe de texto de todo el documento (por omisión Informe.txt en la carpeta actual)", 1,
         2, &RunTextReport},
        {"--imprimir-pdf", "DOC SALIDA.pdf", "imprime todo el documento como \"Imprimir\" en un archivo PDF",
         2, 2, &RunPrintPdf},
        {"--cuestionario-pdf", "NN SALIDA.pdf [AREA]",
         "imprime en blanco el cuestionario NN (00 a 22) en un archivo PDF, con el área de trabajo AREA", 2,
         3, &RunBlankPdf},
        {"--exportar", "DOC SALIDA.txt",
         "exporta la rama de la empresa a un archivo de texto con tabuladores", 2, 2, &RunExport},
        {"--vista", "NOMBRE DOC",
         "carga DOC y escribe el árbol de la vista NOMBRE (geográfica, temporal, valoración o riesgos): "
         "un nodo por línea, sangrado por nivel, con su icono y su texto",
         2, 2, &RunView},
        {"--plan", "DOC SALIDA [--a-fecha DD/MM/AAAA]",
         "escribe el plan de acción de DOC en SALIDA: libro .xlsx, .csv o .pdf según la extensión; "
         "los estados, a fecha de hoy o de la fecha indicada",
         2, 4, &RunPlan},
        {"--evaluacion-pdf", "DOC SALIDA.pdf [--a-fecha DD/MM/AAAA]",
         "escribe en un PDF el informe de evaluación de riesgos de DOC: portada con los datos de la empresa, "
         "método, resumen, deficiencias por lugar y plan de acción, a fecha de hoy o de la fecha indicada",
         2, 4, &RunAssessmentPdf},
        {"--resumen", "CARPETA SALIDA [--a-fecha DD/MM/AAAA] [--subcarpetas]",
         "escribe en SALIDA (libro .xlsx o .csv) el resumen de los documentos .kl3 de CARPETA, una fila por "
         "empresa, con sus subcarpetas si se indica; los estados, a fecha de hoy o de la fecha indicada",
         2, 5, &RunOverview},
        {"--fichas", "DOC SALIDA.pdf [--a-fecha DD/MM/AAAA] [--puesto N]",
         "escribe en un PDF la ficha de cada puesto de trabajo de DOC para sus trabajadores (una copia por "
         "trabajador del puesto), o solo la del puesto de la línea N; estados a fecha de hoy o de la fecha indicada",
         2, 6, &RunSheets},
        {"--revisar", "DOC [--a-fecha DD/MM/AAAA]",
         "escribe lo que le falta a DOC, un punto pendiente por línea (línea, lugar y lo que falta), "
         "a fecha de hoy o de la fecha indicada; estado 5 si queda alguno",
         1, 3, &RunReview},
    };
    return options;
}

bool IsHeadless(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return false;
    return arguments[0] == "-h" || (arguments[0].size() > 2 && arguments[0].rfind("--", 0) == 0);
}

void PrintUsage(std::ostream& out) {
    out << "Uso: kaldo [DOCUMENTO.kl3]\n"
           "     kaldo OPCIÓN ARGUMENTOS\n\n"
           "Sin opciones abre la ventana principal, con el documento indicado si lo hay.\n\n"
           "Opciones (sin ventana):\n";
    for (const HeadlessOption& option : HeadlessOptions()) {
        out << "  " << option.name << ' ' << option.usage << "\n      " << option.help << '\n';
    }
    out << "  -h, --help\n      muestra esta ayuda\n\n"
           "Estado de salida: 0 correcto, 1 fichero erróneo, 2 error de entrada/salida, 3 uso incorrecto,\n"
           "4 no se localiza el catálogo C31.TXT, 5 quedan puntos pendientes (--revisar).\n";
}

int RunHeadless(const std::vector<std::string>& arguments, HeadlessContext& context) {
    const std::string& name = arguments.at(0);
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    for (const HeadlessOption& option : HeadlessOptions()) {
        if (option.name != name) continue;
        if (static_cast<int>(rest.size()) < option.minArguments ||
            static_cast<int>(rest.size()) > option.maxArguments) {
            context.err << "Uso: kaldo " << option.name << ' ' << option.usage << '\n';
            return exit_status::kUsage;
        }
        return option.run(context, rest);
    }
    context.err << "Opción desconocida: " << name << "\n\n";
    PrintUsage(context.err);
    return exit_status::kUsage;
}
