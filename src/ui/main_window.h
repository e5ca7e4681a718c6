#pragma once

#include <QAction>
#include <QMainWindow>
#include <memory>

#include "document_commands.h"
#include "document_session.h"
#include "evaluation_commands.h"
#include "node_data_editor.h"
#include "print_port.h"
#include "qt_entry_dialogs.h"
#include "qt_questionnaire_selection.h"
#include "questionnaire_assignment.h"
#include "report_commands.h"
#include "settings_store.h"
#include "tree_drop.h"

class Catalogue;
class DatePort;
class DocumentTreeView;
class InfoPanel;
class PrintDialog;
class QMenu;
class QModelIndex;
class QSplitter;
class QtNodeDataDialog;
class RecentFilesMenu;
class TreeEditing;
class TreeModel;
class UserPort;

// The main window (TfrmMain): the menus, the information panel and the document tree. It turns
// menu choices and tree events into calls of the toolkit-free commands and mirrors the
// session's state (caption, enabled entries, tree visibility).
class MainWindow : public QMainWindow, public SessionObserver {
    Q_OBJECT
public:
    // The ports default to real dialogs and the system's dates; tests pass scripted ones.
    explicit MainWindow(const Catalogue& catalogue, UserPort* port = nullptr, DatePort* dates = nullptr,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    DocumentSession& Session() { return session_; }
    DocumentCommands& Commands() { return *commands_; }
    DocumentTreeView* Tree() const { return TreeView; }
    TreeModel* Model() const { return model_; }

    // The document named by the first command-line argument, if any.
    void OpenStartupDocument(const QStringList& arguments);

    // Controls by their names.
    InfoPanel* Panel1;
    QSplitter* Splitter1;
    DocumentTreeView* TreeView;
    QMenu* ArchivoMenu;
    QMenu* VistasMenu;
    QMenu* AyudaMenu;
    QAction* Nuevo1;
    QAction* Abrir1;
    QAction* Importar1;
    QAction* Guardar1;
    QAction* Guardarcomo1;
    QAction* Cerrar1;
    QAction* Imprimir1;
    QAction* Salir1;
    QAction* Geogrfica1;
    QAction* emporal1;
    QAction* Valoracin1;
    QAction* Riesgos1;
    QAction* Ayuda2;
    QAction* Manual1;
    QAction* VerSugerencia1;
    QAction* Asistente1;
    QAction* Acercade1;
    // The tree's context menu (PopupMenu1) and its eight commands.
    QMenu* PopupMenu1;
    QAction* NuevaZona1;
    QAction* NuevoPuesto1;
    QAction* AsignarCuestionarios1;
    QAction* IndicarDeficiencias1;
    QAction* IndicarMedidasPrev1;
    QAction* Informe1;
    QAction* Exportar1;
    QAction* Eliminar1;

    // Reports (main_window_reports.cpp).
    PrintDialog* PrintDialog1 = nullptr;
    ReportCommands& Reports() { return *reports_; }
    // The data editor's "Imp. Vacío": shows the print dialog, then prints questionnaire number
    // (0..22) blank, under the heading (Windows-1252, may be empty), on the chosen printer.
    void PrintBlankQuestionnaire(int number, const std::string& heading);
    // Replaces the print dialog and printer (tests pass a script); nullptr restores the real ones.
    void SetPrintPort(PrintPort* port);

    // Sets the enabled state of the eight context-menu entries for the selected kind.
    void PrepareContextMenu();
    void EnableNodeCommands(bool on);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void StateChanged() override;
    void BuildMenus();
    void BuildContextMenu();
    void BuildLayout();
    void ConnectTree();
    void SyncSelectionFromView();

    // An entry is enabled only once a command is connected to it: Wire connects it.
    template <typename Function>
    void Wire(QAction* action, Function function);
    static bool IsWired(const QAction* action);

    // Each area of commands connects its entries in its own file (main_window_<area>.cpp).
    void WireEditing();
    void WireAssignment();
    void WireEvaluation();
    void WireViews();
    void WireReports();
    void WireHelp();

    // Views (main_window_views.cpp).
    void Geogrfica1Click();
    void emporal1Click();
    void Valoracin1Click();
    void Riesgos1Click();

    // Help: the entries of "A&yuda" (main_window_help.cpp) and the per-user store of the tip
    // window's setting.
    void Ayuda2Click();
    void Manual1Click();
    void VerSugerencia1Click();
    void Acercade1Click();
    std::unique_ptr<SettingsStore> settings_;

    // Desktop: shortcuts, window state and recent documents (main_window_desktop.cpp).
    void WireDesktop();
    // Called on every change of the session; the recent documents are brought up to date once
    // the command that made the change has finished.
    void DesktopStateChanged();
    RecentFilesMenu* recentFiles_ = nullptr;
    bool recentCheckPending_ = false;

    const Catalogue& catalogue_;
    DocumentSession session_;
    std::unique_ptr<UserPort> ownPort_;
    std::unique_ptr<DatePort> ownDates_;
    UserPort& port_;
    DatePort& dates_;
    std::unique_ptr<DocumentCommands> commands_;
    TreeModel* model_ = nullptr;
    bool quitting_ = false;

    // Editing: the tree editing commands and the node data editor (main_window_editing.cpp).
public:
    // Runs the node data editor in another window (tests pass a scripted one; nullptr: the real one).
    void SetNodeDataDialog(NodeDataDialogPort* dialog);

private:
    void TreeViewDblClick();
    void TreeViewDragDrop(const QModelIndex& hitNode, DropZone zone);
    // What "Imp. Vacío" in the data editor of a questionnaire calls; the button is disabled
    // while it is unset.
    BlankQuestionnaireHook blankQuestionnaireHook_;
    std::unique_ptr<QtNodeDataDialog> nodeDataDialog_;
    std::unique_ptr<NodeDataEditor> nodeDataEditor_;
    std::unique_ptr<TreeEditing> treeEditing_;

    // Assignment: the questionnaire selection dialog and the command "Asignar Cuestionarios".
    QtQuestionnaireSelection questionnaireSelection_{this};
    QuestionnaireAssignment assignment_{session_, catalogue_, questionnaireSelection_, port_, dates_};

    // Reports: the printer port and the report commands (main_window_reports.cpp).
    std::unique_ptr<PrintPort> ownPrintPort_;
    std::unique_ptr<ReportCommands> reports_;

    // Evaluation: the deficiency and measure dialogs and the commands "Indicar Deficiencias" and
    // "Indicar Medidas Prev".
    QtEntryDialogs entryDialogs_{this};
    EvaluationCommands evaluation_{session_, catalogue_, port_, dates_, entryDialogs_};
};

// Defined here so that every main_window_<area>.cpp can wire its entries.
template <typename Function>
void MainWindow::Wire(QAction* action, Function function) {
    action->setProperty("wired", true);
    connect(action, &QAction::triggered, this, function);
}
