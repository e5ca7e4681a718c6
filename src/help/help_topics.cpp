#include "help_topics.h"

#include <utility>

namespace help {

std::string TopicOf(std::string_view windowName) {
    static constexpr std::pair<std::string_view, std::string_view> kTopics[] = {
        {"frmDatos", "editor.htm"},                                     // node data editor
        {"frmSelCuest", "cuestionarios.htm"},                           // questionnaire selection
        {"frmRespuestas", "deficiencias.htm"},                          // deficiency entry
        {"frmCuestionario", "responder-cuestionario.htm"},              // answering a questionnaire
        {"frmMedida", "medidas.htm"},                                   // preventive measure
        {"frmPlan", "12a-plan-de-accion.htm"},                          // action plan window
        {"PrintDialog1", "informes.htm#el-dialogo-de-impresion"},       // print dialog
        {"frmSplash", "ayuda.htm#ver-sugerencia"},                      // tip window
        {"AboutBox", "ayuda.htm#acerca-de"},                            // about box
        {"frmRecuperar", "05a-recuperacion.htm#recuperar-documentos"},  // recovery copies at start
    };
    for (const auto& [window, topic] : kTopics) {
        if (window == windowName) return std::string(topic);
    }
    return {};
}

}  // namespace help
