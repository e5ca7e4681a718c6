#include "main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSplitter>
#include <QUrl>
#include <QVBoxLayout>

#include "catalogue.h"
#include "context_menu.h"
#include "display_text.h"
#include "document_tree_view.h"
#include "icon_set.h"
#include "info_panel.h"
#include "plan_presenter.h"
#include "print_dialog.h"
#include "qt_dates.h"
#include "qt_print_port.h"
#include "qt_user_port.h"
#include "recent_files_menu.h"
#include "recovery_service.h"
#include "text_codec.h"
#include "tree_model.h"

MainWindow::MainWindow(const Catalogue& catalogue, UserPort* port, DatePort* dates, QWidget* parent)
    : QMainWindow(parent),
      PrintDialog1(new PrintDialog(this)),
      catalogue_(catalogue),
      ownSession_(std::make_unique<DocumentSession>()),
      session_(*ownSession_),
      ownPort_(port ? nullptr : std::make_unique<QtUserPort>(this)),
      ownDates_(dates ? nullptr : std::make_unique<QtDates>()),
      port_(port ? *port : *ownPort_),
      dates_(dates ? *dates : *ownDates_),
      commands_(session_, port_, dates_),
      ownPrintPort_(std::make_unique<QtPrintPort>(*PrintDialog1)),
      blankQuestionnaireHook_([this](int questionnaire, const std::string& heading) {
          PrintBlankQuestionnaire(questionnaire, heading);
      }),
      nodeDataDialog_(this, blankQuestionnaireHook_, session_),
      nodeDataEditor_(session_, nodeDataDialog_, port_, dates_),
      treeEditing_(session_, port_, nodeDataEditor_,
                   [this](const TreeNode& node) { return ShownText(session_, node); }),
      questionnaireSelection_(this),
      assignment_(session_, catalogue_, questionnaireSelection_, port_, dates_),
      entryDialogs_(this, session_),
      evaluation_(session_, catalogue_, port_, dates_, entryDialogs_),
      answering_(session_, catalogue_, port_, entryDialogs_, evaluation_) {
    setObjectName("frmMain");
    resize(748, 499);
    setAcceptDrops(true);
    SetPrintPort(nullptr);
    BuildLayout();
    BuildMenus();
    BuildContextMenu();
    ConnectTree();
    ConnectEditing();
    ConnectReports();
    SetUpSheets();
    SetUpPlan();
    SetUpOverview();
    SetUpReview();
    SetUpDesktop();
    SetUpHelp();
    SetUpRecovery();
    session_.AddObserver(this);
    StateChanged();
}

MainWindow::~MainWindow() {
    // Qt destroys the window's children only after its members, the session among them. What
    // of them reaches the session goes first: the tree's signals to the handlers here, and the
    // tree model, which observes the session's tree, detached from the view.
    disconnect(TreeView->selectionModel(), nullptr, this, nullptr);
    disconnect(TreeView, nullptr, this, nullptr);
    TreeView->setModel(nullptr);
    delete model_;
    model_ = nullptr;
    delete plan_;
    plan_ = nullptr;
    session_.RemoveObserver(this);
    delete recovery_;
    recovery_ = nullptr;
    // The members go now, in the reverse order of their declaration: the commands, then the
    // session with its records.
}

void MainWindow::BuildLayout() {
    const std::vector<QIcon> icons = LoadTreeIcons();
    // The client area holds the splitter and, above it, the panel's guidance note.
    auto* clientArea = new QWidget(this);
    auto* clientLayout = new QVBoxLayout(clientArea);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Horizontal, clientArea);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setHandleWidth(6);
    Splitter1->setChildrenCollapsible(false);
    clientLayout->addWidget(Splitter1);
    Panel1 = new InfoPanel(icons, clientArea, Splitter1);
    // The tree sits in a host that stays in place while the tree is hidden, so the panel keeps
    // its width when no document is shown.
    auto* treeHost = new QWidget(Splitter1);
    auto* hostLayout = new QVBoxLayout(treeHost);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    TreeView = new DocumentTreeView(treeHost);
    hostLayout->addWidget(TreeView);
    model_ = new TreeModel(session_, icons, this);
    TreeView->setModel(model_);
    TreeView->setVisible(false);
    Splitter1->addWidget(Panel1);
    Splitter1->addWidget(treeHost);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({105, 748 - 105 - 6});
    setCentralWidget(clientArea);
}

void MainWindow::BuildMenus() {
    auto add = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    ArchivoMenu = menuBar()->addMenu("&Archivo");
    Nuevo1 = add(ArchivoMenu, "Nuevo1", "&Nuevo");
    Abrir1 = add(ArchivoMenu, "Abrir1", "&Abrir ...");
    Importar1 = add(ArchivoMenu, "Importar1", "&Importar ...");
    Guardar1 = add(ArchivoMenu, "Guardar1", "&Guardar");
    Guardarcomo1 = add(ArchivoMenu, "Guardarcomo1", "G&uardar como ...");
    Cerrar1 = add(ArchivoMenu, "Cerrar1", "&Cerrar");
    ArchivoMenu->addSeparator();
    Imprimir1 = add(ArchivoMenu, "Imprimir1", "&Imprimir");
    InformeEvaluacion1 =
        add(ArchivoMenu, "InformeEvaluacion1", QString::fromUtf8("Informe de evaluación ..."));
    ArchivoMenu->addSeparator();
    ResumenCarpeta1 = add(ArchivoMenu, "ResumenCarpeta1", "Resumen de una carpeta ...");
    ArchivoMenu->addSeparator();
    Salir1 = add(ArchivoMenu, "Salir1", "&Salir");
    // The documents used last, just before "&Salir" (main_window_desktop.cpp).
    recentFiles_ = new RecentFilesMenu(ArchivoMenu, Salir1, settings_, this);
    recentFiles_->setObjectName("RecentFilesMenu");

    BuildEditMenu();  // "&Edición", between "&Archivo" and "Vistas"

    VistasMenu = menuBar()->addMenu("Vistas");
    Geogrfica1 = add(VistasMenu, "Geogrfica1", QString::fromUtf8("Geográfica"));
    emporal1 = add(VistasMenu, "emporal1", "Temporal");
    Valoracin1 = add(VistasMenu, "Valoracin1", QString::fromUtf8("Valoración"));
    Riesgos1 = add(VistasMenu, "Riesgos1", "Riesgos");

    AyudaMenu = menuBar()->addMenu("A&yuda");
    Ayuda2 = add(AyudaMenu, "Ayuda2", "&Ayuda");
    Manual1 = add(AyudaMenu, "Manual1", "&Manual");
    VerSugerencia1 = add(AyudaMenu, "VerSugerencia1", "Ver Sugerencia");
    Asistente1 = add(AyudaMenu, "Asistente1", "Asistente");
    AyudaMenu->addSeparator();
    Acercade1 = add(AyudaMenu, "Acercade1", "Acerca de ...");
    Asistente1->setEnabled(false);  // never enabled

    Nuevo1->setShortcut(QKeySequence::New);
    Abrir1->setShortcut(QKeySequence::Open);
    Guardar1->setShortcut(QKeySequence::Save);
    Imprimir1->setShortcut(QKeySequence::Print);

    connect(Nuevo1, &QAction::triggered, this, [this] { commands_.New(); });
    connect(Abrir1, &QAction::triggered, this, [this] { commands_.Open(); });
    connect(Importar1, &QAction::triggered, this, [this] { commands_.Import(); });
    connect(Guardar1, &QAction::triggered, this, [this] { commands_.Save(); });
    connect(Guardarcomo1, &QAction::triggered, this, [this] { commands_.SaveAs(); });
    connect(Cerrar1, &QAction::triggered, this, [this] { commands_.Close(); });
    connect(Salir1, &QAction::triggered, this, [this] {
        if (!commands_.MayQuit()) return;
        quitting_ = true;
        close();
    });
    // The handlers of "Vistas" and "A&yuda", each in the file of its area.
    const std::pair<QAction*, void (MainWindow::*)()> handlers[] = {
        {Geogrfica1, &MainWindow::Geogrfica1Click},
        {emporal1, &MainWindow::emporal1Click},
        {Valoracin1, &MainWindow::Valoracin1Click},
        {Riesgos1, &MainWindow::Riesgos1Click},
        {Ayuda2, &MainWindow::Ayuda2Click},
        {Manual1, &MainWindow::Manual1Click},
        {VerSugerencia1, &MainWindow::VerSugerencia1Click},
        {Acercade1, &MainWindow::Acercade1Click},
    };
    for (const auto& [action, handler] : handlers)
        connect(action, &QAction::triggered, this, handler);
}

void MainWindow::BuildContextMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    auto add = [this](const char* name, const QString& caption) {
        QAction* action = PopupMenu1->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    NuevaZona1 = add("NuevaZona1", "Nueva Zona");
    NuevoPuesto1 = add("NuevoPuesto1", "Nuevo Puesto");
    PopupMenu1->addSeparator();
    AsignarCuestionarios1 = add("AsignarCuestionarios1", "Asignar Cuestionarios");
    IndicarDeficiencias1 = add("IndicarDeficiencias1", "Indicar Deficiencias");
    IndicarMedidasPrev1 = add("IndicarMedidasPrev1", "Indicar Medidas Prev");
    ResponderCuestionario1 = add("ResponderCuestionario1", "Responder Cuestionario");
    PopupMenu1->addSeparator();
    Informe1 = add("Informe1", "Informe");
    Exportar1 = add("Exportar1", "Exportar a un archivo ...");
    PopupMenu1->addSeparator();
    Eliminar1 = add("Eliminar1", "Eliminar");
    connect(TreeView, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (!session_.TreeVisible()) return;
        PrepareContextMenu();
        PopupMenu1->exec(TreeView->viewport()->mapToGlobal(pos));
    });
}

void MainWindow::EnableNodeCommands(bool on) {
    for (QAction* action :
         {NuevaZona1, NuevoPuesto1, AsignarCuestionarios1, IndicarDeficiencias1, IndicarMedidasPrev1,
          ResponderCuestionario1, Informe1, Exportar1, Eliminar1, FichaPuesto1}) {
        action->setEnabled(on);
    }
}

void MainWindow::PrepareContextMenu() {
    const ContextMenuState state = ContextMenuFor(session_.SelectedKind());
    const std::pair<QAction*, bool> entries[] = {
        {NuevaZona1, state.nuevaZona},
        {NuevoPuesto1, state.nuevoPuesto},
        {AsignarCuestionarios1, state.asignarCuestionarios},
        {IndicarDeficiencias1, state.indicarDeficiencias},
        {IndicarMedidasPrev1, state.indicarMedidasPrev},
        {ResponderCuestionario1, state.responderCuestionario},
        {Informe1, state.informe},
        {Exportar1, state.exportar},
        {Eliminar1, state.eliminar},
        {FichaPuesto1, state.fichaPuesto},
    };
    for (const auto& [action, on] : entries)
        action->setEnabled(on);
    FichaPuesto1->setVisible(state.fichaPuesto);
}

// The selected node is the one the user sees highlighted. Qt's current index (the focus frame)
// may stand on a node that is not selected, after a click on empty space or when the tree takes
// the focus; then nothing is selected.
void MainWindow::ConnectTree() {
    connect(model_, &TreeModel::selectNodeRequested, this, [this](const QModelIndex& index) {
        QItemSelectionModel* selection = TreeView->selectionModel();
        if (!index.isValid()) {
            selection->clearSelection();
            return;
        }
        // Also when the node is the current one already: it is shown highlighted.
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        TreeView->scrollTo(index);
    });
    connect(model_, &TreeModel::expandRequested, this,
            [this](const QModelIndex& index) { TreeView->expand(index); });
    connect(TreeView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainWindow::SyncSelectionFromView);
}

void MainWindow::SyncSelectionFromView() {
    const QModelIndexList selected = TreeView->selectionModel()->selectedIndexes();
    session_.Tree().Select(selected.isEmpty() ? nullptr : model_->NodeAt(selected.constFirst()));
    ShowSelectedPhoto();
}

void MainWindow::StateChanged() {
    setWindowTitle(QString::fromStdString(session_.Caption()));
    TreeView->setVisible(session_.TreeVisible());
    const bool documents = session_.DocumentCommandsEnabled();
    for (QAction* action : {Importar1, Imprimir1, InformeEvaluacion1, FichasPuestos1, Cerrar1, Geogrfica1,
                            emporal1, Valoracin1, Riesgos1}) {
        action->setEnabled(documents);
    }
    Guardar1->setEnabled(session_.SaveCommandsEnabled());
    Guardarcomo1->setEnabled(session_.SaveCommandsEnabled());
    TreeView->setDragEnabled(session_.DragEnabled());
    PlanStateChanged();
    ReviewStateChanged();
    EditStateChanged();
    DesktopStateChanged();
    if (recovery_) recovery_->SessionChanged();
    ShowSelectedPhoto();
}

void MainWindow::OpenStartupDocument(const QStringList& arguments) {
    if (!arguments.isEmpty()) commands_.LoadDocument(PathFromQt(arguments.constFirst()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // After "&Salir" the question has been asked already.
    if (quitting_ || commands_.MayQuit()) {
        recovery_->Leave();
        event->accept();
    } else {
        event->ignore();
    }
    quitting_ = false;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) commands_.LoadDocument(PathFromQt(url.toLocalFile()));
    }
    event->acceptProposedAction();
}
