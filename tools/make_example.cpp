// Makes the example document examples/taller-mecanico.kl3 the way a user would: through the
// program's own commands ("&Nuevo", the data editor, "Nueva Zona", "Nuevo Puesto", "Asignar
// Cuestionarios", "Indicar Deficiencias", "Indicar Medidas Prev", "&Guardar"), with the dialogs
// answered by a script instead of a person. Today is fixed so that the file comes out the same
// every time; a test checks that the shipped example is exactly what this program makes.
//
// Usage: kaldo_make_example C31.TXT OUT.kl3

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>

#include "catalogue.h"
#include "cp1252.h"
#include "deficiency_form.h"
#include "display_text.h"
#include "document_commands.h"
#include "document_session.h"
#include "entry_dialog_port.h"
#include "evaluation_commands.h"
#include "firm_data.h"
#include "fixed_dates.h"
#include "measure_form.h"
#include "node_data_editor.h"
#include "node_data_form.h"
#include "photo_list.h"
#include "questionnaire_assignment.h"
#include "questionnaire_selection_form.h"
#include "questionnaire_selection_port.h"
#include "tree_editing.h"

namespace {

// Any message box means the script went wrong.
class StrictPort : public UserPort {
public:
    void ShowMessage(const std::string& text) override { Fail(text); }
    void ShowError(const std::string& text) override { Fail(text); }
    bool AskYesNo(const std::string& message, const std::string&) override { return Fail(message), false; }
    std::optional<FilePath> ChooseFile(const FileDialogSpec&) override { return std::nullopt; }

private:
    static void Fail(const std::string& text) {
        throw std::runtime_error("unexpected message: " + cp1252::ToUtf8(text));
    }
};

// The user's answers to the next dialog of each kind.
struct Script : NodeDataDialogPort, QuestionnaireSelectionPort, EntryDialogPort {
    std::function<void(NodeDataForm&)> editor;
    std::function<void(QuestionnaireSelectionForm&)> selection;
    std::function<void(DeficiencyForm&)> deficiency;
    std::function<void(MeasureForm&)> measure;

    bool Run(NodeDataForm& form) override { return Answer(editor, form); }
    bool RunQuestionnaireSelection(QuestionnaireSelectionForm& form) override {
        return Answer(selection, form);
    }
    bool ShowDeficiencyDialog(DeficiencyForm& form) override { return Answer(deficiency, form); }
    bool ShowMeasureDialog(MeasureForm& form) override { return Answer(measure, form); }

    template <typename Form>
    static bool Answer(std::function<void(Form&)>& answer, Form& form) {
        if (!answer) throw std::runtime_error("a dialog opened that the script does not answer");
        answer(form);
        answer = nullptr;
        return true;
    }
};

Date D(int day, int month, int year) {
    return {year, month, day};
}

class ExampleUser {
public:
    explicit ExampleUser(const Catalogue& catalogue)
        : catalogue_(catalogue),
          commands_(session_, port_, dates_),
          editor_(session_, script_, port_, dates_),
          editing_(session_, port_, editor_,
                   [this](const TreeNode& node) { return ShownText(session_, node); }),
          assignment_(session_, catalogue_, script_, port_, dates_),
          evaluation_(session_, catalogue_, port_, dates_, script_) {}

    DocumentSession& Session() { return session_; }
    DocumentCommands& Commands() { return commands_; }

    // Selects the node reached by following the labels from the firm (field::kLabel of each).
    TreeNode* Select(std::initializer_list<const char*> path) {
        TreeNode* node = session_.Tree().Root();
        for (const char* label : path) {
            TreeNode* next = nullptr;
            for (const auto& child : node->children) {
                if (child->record && child->record->GetField(field::kLabel).rfind(W(label), 0) == 0)
                    next = child.get();
            }
            if (!next) throw std::runtime_error(std::string("no node ") + label);
            node = next;
        }
        session_.Tree().Select(node);
        return node;
    }

    // Double click on the selected node: the data editor with these entries, then "Aceptar".
    void Edit(const std::function<void(NodeDataValues&, NodeDataForm&)>& entries) {
        script_.editor = [&entries](NodeDataForm& form) { entries(form.Values(), form); };
        editing_.EditSelected();
    }

    void NewZone(const char* name, Date planned, const char* technician) {
        AddPlace(true, name, planned, technician);
    }
    void NewWorkstation(const char* name, Date planned, const char* technician) {
        AddPlace(false, name, planned, technician);
    }

    // "Asignar Cuestionarios" on the selected node: picks these numbers, sets the date.
    void Assign(std::initializer_list<int> numbers, Date date) {
        script_.selection = [numbers, date](QuestionnaireSelectionForm& form) {
            for (int n : numbers) {
                const std::string prefix = (n < 10 ? "0" : "") + std::to_string(n);
                for (std::size_t row = 0; row < form.Available().size(); ++row) {
                    if (form.Available()[row].rfind(prefix, 0) == 0) {
                        form.Select(static_cast<int>(row));
                        break;
                    }
                }
            }
            form.date = date;
        };
        assignment_.AsignarCuestionarios1Click();
    }

    // "Indicar Deficiencias" on the selected questionnaire: picks the item, types what was
    // found, and clicks consequences, exposure and (when given) deficiency level.
    void Deficiency(const char* item, const char* detected, void (DeficiencyForm::*consequences)(),
                    void (DeficiencyForm::*exposure)(), void (DeficiencyForm::*level)() = nullptr) {
        script_.deficiency = [=](DeficiencyForm& form) {
            form.cmbSelect(item);
            form.SetDetected(W(detected));
            (form.*consequences)();
            (form.*exposure)();
            if (level) (form.*level)();
        };
        evaluation_.IndicarDeficiencias1Click();
    }

    // "Indicar Medidas Prev" on the selected deficiency.
    void Measure(const char* measure, const char* comments, Date planned) {
        script_.measure = [=](MeasureForm& form) {
            form.SetMeasure(W(measure));
            form.SetComments(W(comments));
            form.SetPlannedDate(planned);
        };
        evaluation_.IndicarMedidasPrev1Click();
    }

    // The photos of the selected deficiency or measure, as the dialogs' photo strip lists them.
    // Their files are drawn by kaldo_make_example_photos into "taller-mecanico fotos/".
    void Photos(const PhotoList& photos) {
        session_.SelectedRecord()->SetField(kPhotoField, FormatPhotoList(photos));
        session_.SetModified(true);
    }

private:
    void AddPlace(bool zone, const char* name, Date planned, const char* technician) {
        script_.editor = [=](NodeDataForm& form) {
            form.Values().name = W(name);
            form.Values().planned = planned;
            form.Values().plannedBy = W(technician);
        };
        zone ? editing_.NewZone() : editing_.NewWorkstation();
    }

    const Catalogue& catalogue_;
    DocumentSession session_;
    StrictPort port_;
    FixedDates dates_{{2026, 3, 2}};
    Script script_;
    DocumentCommands commands_;
    NodeDataEditor editor_;
    TreeEditing editing_;
    QuestionnaireAssignment assignment_;
    EvaluationCommands evaluation_;
};

using F = DeficiencyForm;
constexpr auto kMortal = &F::RadioButton5Click, kMuyGrave = &F::RadioButton6Click,
               kGrave = &F::RadioButton7Click, kLeve = &F::RadioButton8Click;
constexpr auto kContinuada = &F::RadioButton13Click, kFrecuente = &F::RadioButton14Click,
               kOcasional = &F::RadioButton15Click, kEsporadica = &F::RadioButton16Click;
constexpr auto kMuyDeficiente = &F::RadioButton17Click, kDeficiente = &F::RadioButton18Click,
               kMejorable = &F::RadioButton19Click;

void MakeExample(ExampleUser& user) {
    const char* firm = "<Nueva Empresa>";
    user.Commands().New();
    user.Select({firm});
    user.Edit([](NodeDataValues& v, NodeDataForm&) {
        v.name = W("Talleres Mecánicos del Valle, S.L.");
        v.comments = W("Reparación y mantenimiento de vehículos industriales. 14 personas en plantilla.");
        v.planned = D(9, 3, 2026);
        v.plannedBy = W("Marta Gómez (servicio de prevención ajeno)");
        v.observations = W("Evaluación inicial tras el traslado a la nave del polígono Las Eras.");
    });
    firm = "Talleres";

    user.NewZone("Nave de reparación", D(16, 3, 2026), "Marta Gómez");
    user.Select({firm, "Nave de reparación"});
    user.Assign({1, 6, 13}, D(16, 3, 2026));
    user.NewWorkstation("Mecánico de foso", D(16, 3, 2026), "Marta Gómez");
    user.Select({firm, "Nave de reparación"});
    user.NewWorkstation("Soldador", D(17, 3, 2026), "Marta Gómez");
    user.Select({firm});
    user.NewZone("Almacén de recambios", D(18, 3, 2026), "Luis Prieto");
    user.Select({firm, "Almacén de recambios"});
    user.Assign({1, 15}, D(18, 3, 2026));
    user.NewWorkstation("Mozo de almacén", D(18, 3, 2026), "Luis Prieto");

    user.Select({firm, "Nave de reparación", "Mecánico de foso"});
    user.Assign({2, 4, 19}, D(16, 3, 2026));
    user.Select({firm, "Nave de reparación", "Soldador"});
    user.Assign({8, 10, 18}, D(17, 3, 2026));
    user.Select({firm, "Almacén de recambios", "Mozo de almacén"});
    user.Assign({3, 5}, D(18, 3, 2026));

    // Prevention management: documents the firm lacks.
    user.Select({firm, "00"});
    user.Deficiency(
        "02", "No hay plan de prevención escrito; la organización preventiva no consta en ningún documento.",
        kGrave, kFrecuente, kDeficiente);
    user.Select({firm, "00", "2."});
    user.Measure("Redactar el plan de prevención y aprobarlo en la reunión de dirección",
                 "Con el servicio de prevención ajeno; comunicarlo a la plantilla.", D(30, 4, 2026));

    // The pit: a fall is deadly and happens every day.
    user.Select({firm, "Nave de reparación", "01"});
    user.Deficiency(
        "03", "El foso de reparación queda abierto sin barandilla ni tapa cuando no hay vehículo encima.",
        kMortal, kContinuada, kMuyDeficiente);
    user.Select({firm, "Nave de reparación", "01", "3."});
    user.Measure("Instalar barandilla desmontable y tapa de rejilla en el foso",
                 "Presupuesto pedido a Metalúrgica Ruiz.", D(20, 3, 2026));
    user.Measure("Señalizar el borde del foso con franjas amarillas y negras",
                 "Medida provisional mientras llega la barandilla.", D(17, 3, 2026));

    user.Select({firm, "Nave de reparación", "13"});
    user.Deficiency("01", "No se ha medido el ruido en la zona de chapa ni junto al compresor.", kLeve,
                    kFrecuente, kDeficiente);
    user.Select({firm, "Nave de reparación", "13", "1."});
    user.Measure("Encargar la medición del ruido al servicio de prevención ajeno", "", D(15, 5, 2026));

    user.Select({firm, "Nave de reparación", "Mecánico de foso", "04"});
    user.Deficiency("02", "Llaves y vasos con las bocas desgastadas; se guardan sueltos en el foso.", kLeve,
                    kEsporadica, kMejorable);
    user.Select({firm, "Nave de reparación", "Mecánico de foso", "04", "2."});
    user.Measure("Sustituir las llaves desgastadas y colocar un panel portaherramientas", "", D(30, 6, 2026));

    user.Select({firm, "Nave de reparación", "Mecánico de foso", "19"});
    user.Deficiency("02", "Las ruedas de camión se mueven a mano entre dos personas.", kGrave, kFrecuente,
                    kDeficiente);
    user.Select({firm, "Nave de reparación", "Mecánico de foso", "19", "2."});
    user.Measure("Adquirir un carro elevador de ruedas", "Modelo con freno y ajuste de altura.",
                 D(10, 4, 2026));

    user.Select({firm, "Nave de reparación", "Soldador", "18"});
    user.Deficiency("01", "La cortina de soldadura está rota y el arco se ve desde el puesto de pintura.",
                    kMuyGrave, kOcasional, kDeficiente);
    user.Select({firm, "Nave de reparación", "Soldador", "18", "1."});
    user.Measure("Reponer la cortina inactínica del puesto de soldadura", "", D(23, 3, 2026));

    user.Select({firm, "Almacén de recambios", "Mozo de almacén", "05"});
    user.Deficiency("01", "Neumáticos apilados a más de dos metros junto al paso.", kGrave, kOcasional);
    user.Select({firm, "Almacén de recambios", "Mozo de almacén", "05", "1."});
    user.Measure("Colocar los neumáticos en la estantería metálica y limitar las pilas a 1,5 m", "",
                 D(20, 3, 2026));

    // Work done: the inspection of the warehouse and two measures carried out.
    user.Select({firm, "Almacén de recambios", "01"});
    user.Edit([](NodeDataValues& v, NodeDataForm& form) {
        v.completion = D(18, 3, 2026);
        v.doneBy = W("Luis Prieto");
        form.CompletionDateChanged();
    });
    user.Select({firm, "Nave de reparación", "01", "3.", "Señalizar"});
    user.Edit([](NodeDataValues& v, NodeDataForm& form) {
        v.completion = D(17, 3, 2026);
        v.doneBy = W("Andrés Vidal (jefe de taller)");
        v.observations = W("Franjas pintadas el mismo día de la inspección.");
        form.CompletionDateChanged();
    });
    user.Select({firm, "Almacén de recambios", "Mozo de almacén", "05", "1.", "Colocar"});
    user.Edit([](NodeDataValues& v, NodeDataForm& form) {
        v.completion = D(19, 3, 2026);
        v.doneBy = W("Andrés Vidal (jefe de taller)");
        form.CompletionDateChanged();
    });

    // The firm's data for the assessment document, the workers at each workstation, and who
    // answers for the measures and with what.
    user.Select({firm});
    user.Edit([](NodeDataValues& v, NodeDataForm&) {
        v.firm.taxId = "B47123456";
        v.firm.address = W("Polígono Las Eras, nave 14. 47151 Boecillo (Valladolid)");
        v.firm.activity = W("4520 Mantenimiento y reparación de vehículos de motor");
        v.firm.workers = "14";
        v.firm.modality = firm_data::Modality::kExternalService;
        v.firm.evaluator = W("Marta Gómez, técnico superior en prevención (Prevención Castilla, S.L.)");
        v.firm.nextReview = "16/03/2027";
    });
    struct Exposed {
        const char* zone;
        const char* workstation;
        const char* count;
        // What its workers are told, and their names (none: the sheet has lines to fill in).
        const char* equipment;
        const char* training;
        const char* surveillance;
        const char* workers;
    };
    for (const Exposed& e :
         {Exposed{
              "Nave de reparación", "Mecánico de foso", "6",
              "Calzado de seguridad con puntera\r\nGuantes de protección mecánica\r\nGafas de montura "
              "integral "
              "bajo el vehículo",
              "Trabajo en foso y riesgo de caída a distinto nivel\r\nManipulación manual de cargas (ruedas)",
              "Protocolo de manipulación manual de cargas\r\nProtocolo de ruido", ""},
          Exposed{
              "Nave de reparación", "Soldador", "2",
              "Pantalla de soldador con filtro DIN 11\r\nGuantes y mandil de cuero\r\nCalzado de seguridad",
              "Soldadura por arco: radiaciones y humos\r\nPrevención de incendios en trabajos en caliente",
              "Protocolo de radiaciones no ionizantes\r\nProtocolo de humos de soldadura (asma laboral)",
              "Rubén Ortega Díaz\r\nSara Gil Moreno"},
          Exposed{"Almacén de recambios", "Mozo de almacén", "3",
                  "Calzado de seguridad\r\nGuantes de protección mecánica",
                  "Manipulación manual de cargas\r\nOrden y apilado seguro en estanterías",
                  "Protocolo de manipulación manual de cargas",
                  "Javier Sanz Pérez\r\nLucía Martín Rey\r\nPedro Alonso Gil"}}) {
        user.Select({firm, e.zone, e.workstation});
        user.Edit([&e](NodeDataValues& v, NodeDataForm&) {
            v.exposedWorkers = e.count;
            v.workstation.protectiveEquipment = W(e.equipment);
            v.workstation.training = W(e.training);
            v.workstation.healthSurveillance = W(e.surveillance);
            v.workstation.workers = W(e.workers);
        });
    }
    user.Select({firm, "Nave de reparación", "01", "3.", "Instalar"});
    user.Edit([](NodeDataValues& v, NodeDataForm&) {
        v.plannedBy = W("Andrés Vidal (jefe de taller)");
        v.resources = W("Metalúrgica Ruiz; 1.850 € más IVA");
        v.cost = "1850,00";
    });
    user.Select({firm, "Nave de reparación", "Mecánico de foso", "19", "2.", "Adquirir"});
    user.Edit([](NodeDataValues& v, NodeDataForm&) {
        v.plannedBy = W("Gerencia");
        v.resources = W("Carro elevador de ruedas: 640 €");
        v.cost = "640,00";
    });
    user.Select({firm, "00", "2.", "Redactar"});
    user.Edit([](NodeDataValues& v, NodeDataForm&) {
        v.plannedBy = W("Gerencia");
        v.resources = W("Servicio de prevención ajeno (incluido en el concierto)");
        v.cost = "0,00";
    });

    // What the technician photographed: the pit before and after its marking, the tools, the
    // welding curtain, the tyres before and after the rack.
    user.Select({firm, "Nave de reparación", "01", "3."});
    user.Photos({{"D-0001.jpg", W("Foso abierto, sin barandilla ni tapa")}});
    user.Select({firm, "Nave de reparación", "01", "3.", "Señalizar"});
    user.Photos({{"R-0001.jpg", W("Borde del foso señalizado con franjas amarillas y negras")}});
    user.Select({firm, "Nave de reparación", "Mecánico de foso", "04", "2."});
    user.Photos({{"D-0002.jpg", W("Llaves y vasos sueltos en el suelo del foso")}});
    user.Select({firm, "Nave de reparación", "Soldador", "18", "1."});
    user.Photos({{"D-0003.jpg", W("Cortina de soldadura rota: el arco se ve desde el puesto de pintura")}});
    user.Select({firm, "Almacén de recambios", "Mozo de almacén", "05", "1."});
    user.Photos({{"D-0004.jpg", W("Pila de neumáticos de más de 2 m junto al paso")}});
    user.Select({firm, "Almacén de recambios", "Mozo de almacén", "05", "1.", "Colocar"});
    user.Photos({{"R-0002.jpg", W("Neumáticos en la estantería, por debajo de 1,5 m")}});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Uso: kaldo_make_example C31.TXT SALIDA.kl3\n");
        return 3;
    }
    try {
        Catalogue catalogue;
        StrictPort quiet;
        if (catalogue.Load(FilePath(argv[1]), quiet) != Catalogue::LoadResult::Loaded)
            throw std::runtime_error("no catalogue");
        ExampleUser user(catalogue);
        MakeExample(user);
        if (!user.Commands().SaveDocument(FilePath(argv[2]))) return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
