#pragma once

#include <QAction>
#include <QMainWindow>
#include <memory>

#include "assessment_command.h"
#include "document_commands.h"
#include "document_session.h"
#include "evaluation_commands.h"
#include "node_data_editor.h"
#include "print_port.h"
#include "qt_entry_dialogs.h"
#include "qt_node_data_dialog.h"
#include "qt_questionnaire_selection.h"
#include "qt_settings_store.h"
#include "questionnaire_answering.h"
#include "questionnaire_assignment.h"
#include "report_commands.h"
#include "sheet_command.h"
#include "tree_drop.h"
#include "tree_editing.h"

class Catalogue;
class DatePort;
class DocumentTreeView;
class FindBar;
class HelpLauncher;
class InfoPanel;
class OverviewWindow;
class PlanPresenter;
class ReviewPresenter;
class PrintDialog;
class QMenu;
class QModelIndex;
class QSplitter;
class RecentFilesMenu;
class RecoveryService;
class TreeModel;
class UserPort;
namespace node_find {
enum class Direction;
}

// The main window (TfrmMain): the menus, the information panel and the document tree. It turns
// menu choices and tree events into calls of the toolkit-free commands and mirrors the
// session's state (caption, enabled entries, tree visibility). The commands of each area are in
// a file of their own, main_window_<area>.cpp.
class MainWindow : public QMainWindow, public SessionObserver {
    Q_OBJECT
public:
    // The ports default to real dialogs and the system's dates; tests pass scripted ones.
    explicit MainWindow(const Catalogue& catalogue, UserPort* port = nullptr, DatePort* dates = nullptr,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    DocumentSession& Session() { return session_; }
    DocumentCommands& Commands() { return commands_; }
    TreeModel* Model() const { return model_; }

    // The document named by the first command-line argument, if any.
    void OpenStartupDocument(const QStringList& arguments);
    // "Resumen de una carpeta ..." once the folder is chosen: the overview window of that folder,
    // whose double click opens a document here as "&Abrir ..." does (main_window_overview.cpp).
    OverviewWindow* OpenOverview(const FilePath& folder);
    // "Recuperar documentos", when a program that did not end normally left copies.
    void OfferRecoveryCopies();
    RecoveryService* Recovery() const { return recovery_; }
    // Sets the enabled state of the context-menu entries for the selected kind.
    void PrepareContextMenu();

    // The data editor's "Imp. Vacío": shows the print dialog, then prints questionnaire number
    // (0..22) blank, under the heading (Windows-1252, may be empty), on the chosen printer.
    void PrintBlankQuestionnaire(int number, const std::string& heading);
    // Replaces the print dialog and printer (tests pass a script); nullptr restores the real ones.
    void SetPrintPort(PrintPort* port);
    // Runs the node data editor in another window (tests pass a scripted one; nullptr: the real one).
    void SetNodeDataDialog(NodeDataDialogPort* dialog);

    // Controls by their names.
    InfoPanel* Panel1;
    QSplitter* Splitter1;
    DocumentTreeView* TreeView;
    PrintDialog* PrintDialog1;
    QMenu* ArchivoMenu;
    QMenu* EdicionMenu;
    QMenu* VistasMenu;
    QMenu* AyudaMenu;
    QAction* Nuevo1;
    QAction* Abrir1;
    QAction* Importar1;
    QAction* Guardar1;
    QAction* Guardarcomo1;
    QAction* Cerrar1;
    QAction* Imprimir1;
    QAction* InformeEvaluacion1;  // "Informe de evaluación ...", after "&Imprimir"
    QAction* ResumenCarpeta1;     // "Resumen de una carpeta ...", after "Informe de evaluación ..."
    QAction* FichasPuestos1;      // "Fichas de los puestos ...", after "Informe de evaluación ..."
    QAction* Salir1;
    QAction* CopiaRecuperacion1;  // "Copia de recuperación ...", after "&Salir"
    QAction* Deshacer1;
    QAction* Rehacer1;
    QAction* Buscar1;
    QAction* BuscarSiguiente1;
    QAction* BuscarAnterior1;
    QAction* Geogrfica1;
    QAction* emporal1;
    QAction* Valoracin1;
    QAction* Riesgos1;
    QAction* PlanAccion1;  // "Plan de acción", after the views
    QAction* RevisarDocumento1;  // "Revisar el documento", after it
    QAction* Ayuda2;
    QAction* Manual1;
    QAction* VerSugerencia1;
    QAction* Asistente1;
    QAction* Acercade1;
    // The tree's context menu (PopupMenu1): its eight commands, and "Responder Cuestionario".
    QMenu* PopupMenu1;
    QAction* NuevaZona1;
    QAction* NuevoPuesto1;
    QAction* AsignarCuestionarios1;
    QAction* IndicarDeficiencias1;
    QAction* IndicarMedidasPrev1;
    QAction* ResponderCuestionario1;
    QAction* Informe1;
    QAction* Exportar1;
    QAction* Eliminar1;
    QAction* FichaPuesto1;  // "Ficha del Puesto ...", last, for a workstation

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void StateChanged() override;
    void BuildLayout();
    void BuildMenus();
    void BuildContextMenu();
    void ConnectTree();
    void SyncSelectionFromView();
    void EnableNodeCommands(bool on);

    // Editing, assignment and evaluation: the context menu's commands that change the document,
    // the double click and the drop of a dragged node (main_window_editing.cpp).
    void ConnectEditing();
    void TreeViewDblClick();
    void TreeViewDragDrop(const QModelIndex& hitNode, DropZone zone);

    // "&Edición": undo, redo and find (main_window_edit.cpp).
    void BuildEditMenu();
    void EditStateChanged();
    void FindStep(node_find::Direction direction);

    // Views (main_window_views.cpp).
    void ShowViewMode(view::Mode mode);
    void Geogrfica1Click();
    void emporal1Click();
    void Valoracin1Click();
    void Riesgos1Click();

    // Reports (main_window_reports.cpp).
    void ConnectReports();
    // The workers' sheets of the workstations (main_window_sheets.cpp).
    void SetUpSheets();

    // The action plan: its window, its menu entry and the status bar's notice of overdue
    // measures (main_window_plan.cpp).
    void SetUpPlan();
    void SetUpOverview();
    void PlanStateChanged();
    // The review: its window, its menu entry and the status bar's count of gaps
    // (main_window_review.cpp).
    void SetUpReview();
    // Selects the node of the line (a plan row's, a gap's) in the geographic tree, in front.
    void ShowNodeInTree(int slot);
    void ReviewStateChanged();

    // Help: the entries of "A&yuda", and F1 in the dialogs (main_window_help.cpp).
    void SetUpHelp();
    void Ayuda2Click();
    void Manual1Click();
    void VerSugerencia1Click();
    void Acercade1Click();

    // Desktop: shortcuts, window icon, window state and recent documents (main_window_desktop.cpp).
    void SetUpDesktop();
    // Called on every change of the session; the recent documents are brought up to date once
    // the command that made the change has finished.
    void DesktopStateChanged();

    // The selected deficiency's or measure's first photo in the information panel
    // (main_window_photos.cpp).
    void ShowSelectedPhoto();

    // Recovery copies of unsaved work (main_window_recovery.cpp).
    void SetUpRecovery();

    const Catalogue& catalogue_;
    // The open document. It lives apart from the window so that nothing can reach it once it is
    // gone: whatever observes it is taken away first, in ~MainWindow.
    std::unique_ptr<DocumentSession> ownSession_;
    DocumentSession& session_;
    std::unique_ptr<UserPort> ownPort_;
    std::unique_ptr<DatePort> ownDates_;
    UserPort& port_;
    DatePort& dates_;
    DocumentCommands commands_;
    // The per-user store: the tip window's setting, the window state, the recent documents.
    QtSettingsStore settings_;
    // The session's tree for the view; destroyed in ~MainWindow, before the session.
    TreeModel* model_ = nullptr;
    RecentFilesMenu* recentFiles_ = nullptr;
    FindBar* findBar_ = nullptr;
    HelpLauncher* help_ = nullptr;
    bool recentCheckPending_ = false;
    bool quitting_ = false;

    // Reports: the printer and the report commands, which "Imp. Vacío" in the data editor calls.
    std::unique_ptr<PrintPort> ownPrintPort_;
    std::unique_ptr<ReportCommands> reports_;
    std::unique_ptr<AssessmentCommand> assessment_;
    std::unique_ptr<SheetCommand> sheets_;
    BlankQuestionnaireHook blankQuestionnaireHook_;
    // Editing: the data editor and the tree editing commands.
    QtNodeDataDialog nodeDataDialog_;
    NodeDataEditor nodeDataEditor_;
    TreeEditing treeEditing_;
    // Assignment: the questionnaire selection dialog and the command "Asignar Cuestionarios".
    QtQuestionnaireSelection questionnaireSelection_;
    QuestionnaireAssignment assignment_;
    // Evaluation: the deficiency and measure dialogs and the commands "Indicar Deficiencias" and
    // "Indicar Medidas Prev".
    QtEntryDialogs entryDialogs_;
    EvaluationCommands evaluation_;
    // "Responder Cuestionario", also offered by the data editor of a questionnaire.
    QuestionnaireAnswering answering_;
    // The action plan's window and notice; the dialogs of its exports (real ones only).
    PlanPresenter* plan_ = nullptr;
    std::unique_ptr<UserPort> ownPlanPort_;
    // The recovery copy of the open document; stopped in ~MainWindow, before the session goes.
    RecoveryService* recovery_ = nullptr;
    // The review's window and notice.
    ReviewPresenter* review_ = nullptr;
};
