#include "overview_window.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "overview_commands.h"
#include "overview_loader.h"
#include "overview_sort_model.h"
#include "overview_table_model.h"
#include "qt_dates.h"
#include "qt_spanish.h"
#include "text_codec.h"

namespace {

// Long names and reasons are cut at this width; their tooltips show them whole.
constexpr int kWidestColumn = 220;
// Room beside a heading for the sort indicator.
constexpr int kHeadingPadding = 28;

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* Label(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

OverviewWindow::OverviewWindow(const FilePath& folder, UserPort& port, DatePort& dates, QWidget* parent)
    : QWidget(parent, Qt::Window),
      folder_(folder),
      port_(port),
      dates_(dates),
      format_(QtDates().Format()),
      model_(new OverviewTableModel(dates, this)),
      sorted_(new OverviewSortModel(*model_, this)),
      loader_(new OverviewLoader(this)) {
    setObjectName("frmResumen");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Resumen de una carpeta - " + PathToQt(folder));
    BuildControls();
    BuildLayout();
    resize(1300, 600);

    connect(loader_, &OverviewLoader::listed, this, [this](int count) {
        prgLectura->setRange(0, std::max(count, 1));
        prgLectura->setValue(count == 0 ? 1 : 0);
    });
    connect(loader_, &OverviewLoader::read, this, [this](const overview::DocumentFigures& figures) {
        model_->Add(figures);
        prgLectura->setValue(prgLectura->value() + 1);
    });
    connect(loader_, &OverviewLoader::finished, this, &OverviewWindow::Loaded);
    connect(loader_, &OverviewLoader::failed, this, [this](const QString& reason) {
        lblEstado->setText("No se puede leer la carpeta: " + reason);
        Loaded();
    });
    Reload();
}

OverviewWindow::~OverviewWindow() = default;

void OverviewWindow::BuildControls() {
    lblCarpeta = Label("lblCarpeta", PathToQt(folder_), this);
    QFont bold = lblCarpeta->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblCarpeta->setFont(bold);
    chkSubcarpetas = new QCheckBox("Incluir subcarpetas", this);
    chkSubcarpetas->setObjectName("chkSubcarpetas");
    dtAFecha = new QDateEdit(QtDates::ToQDate(dates_.Today()), this);
    dtAFecha->setObjectName("dtAFecha");
    ShowCalendarInSpanish(*dtAFecha);
    dtAFecha->setDisplayFormat(QString::fromStdString(format_.Pattern()));
    edtBuscar = new QLineEdit(this);
    edtBuscar->setObjectName("edtBuscar");
    edtBuscar->setClearButtonEnabled(true);
    edtBuscar->setPlaceholderText("empresa, NIF/CIF o archivo");

    tblResumen = new QTableView(this);
    tblResumen->setObjectName("tblResumen");
    tblResumen->setModel(sorted_);
    tblResumen->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblResumen->setSelectionMode(QAbstractItemView::SingleSelection);
    tblResumen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblResumen->setAlternatingRowColors(true);
    tblResumen->setWordWrap(false);
    tblResumen->verticalHeader()->setVisible(false);
    tblResumen->verticalHeader()->setDefaultSectionSize(tblResumen->fontMetrics().height() + 8);
    tblResumen->horizontalHeader()->setStretchLastSection(true);
    tblResumen->setSortingEnabled(true);
    tblResumen->sortByColumn(static_cast<int>(overview::Column::kFile), Qt::AscendingOrder);
    prgLectura = new QProgressBar(this);
    prgLectura->setObjectName("prgLectura");
    prgLectura->setFormat("%v de %m documentos");
    btnCancelar = Button("btnCancelar", "Cancelar", this);
    lblEstado = Label("lblEstado", QString(), this);
    btnXlsx = Button("btnXlsx", QString::fromUtf8("Hoja de cálculo (.xlsx)..."), this);
    btnCsv = Button("btnCsv", "CSV...", this);
    btnCerrar = Button("btnCerrar", "Cerrar", this);

    connect(chkSubcarpetas, &QCheckBox::toggled, this, &OverviewWindow::Reload);
    connect(dtAFecha, &QDateEdit::dateChanged, this, &OverviewWindow::Reload);
    connect(edtBuscar, &QLineEdit::textChanged, sorted_, &OverviewSortModel::SetSearch);
    connect(btnCancelar, &QPushButton::clicked, this, [this] {
        loader_->Cancel();
        lblEstado->setText("Lectura cancelada: faltan documentos.");
        Loaded();
    });
    connect(tblResumen, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        const QString path = index.data(OverviewTableModel::PathRole).toString();
        if (!path.isEmpty()) emit documentRequested(PathFromQt(path));
    });
    connect(btnXlsx, &QPushButton::clicked, this, [this] { Save(overview::Format::kXlsx); });
    connect(btnCsv, &QPushButton::clicked, this, [this] { Save(overview::Format::kCsv); });
    connect(btnCerrar, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

void OverviewWindow::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(lblCarpeta, 1);
    top->addWidget(chkSubcarpetas);
    top->addSpacing(12);
    QLabel* asOf = Label("lblAFecha", "A fecha de:", this);
    asOf->setBuddy(dtAFecha);
    top->addWidget(asOf);
    top->addWidget(dtAFecha);
    layout->addLayout(top);

    auto* search = new QHBoxLayout;
    QLabel* find = Label("lblBuscar", "Buscar:", this);
    find->setBuddy(edtBuscar);
    search->addWidget(find);
    search->addWidget(edtBuscar, 1);
    search->addWidget(prgLectura);
    search->addWidget(btnCancelar);
    layout->addLayout(search);
    layout->addWidget(tblResumen, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblEstado, 1);
    bottom->addWidget(Label("lblGuardar", "Guardar el resumen como:", this));
    bottom->addWidget(btnXlsx);
    bottom->addWidget(btnCsv);
    bottom->addWidget(btnCerrar);
    layout->addLayout(bottom);
}

Date OverviewWindow::AsOf() const {
    return QtDates::FromQDate(dtAFecha->date());
}

void OverviewWindow::Reload() {
    model_->Clear(AsOf());
    lblEstado->clear();
    prgLectura->setRange(0, 0);  // busy until the documents are counted
    prgLectura->setVisible(true);
    btnCancelar->setVisible(true);
    btnXlsx->setEnabled(false);
    btnCsv->setEnabled(false);
    loader_->Start(folder_, chkSubcarpetas->isChecked(), format_, AsOf());
}

bool OverviewWindow::Loading() const {
    return loader_->Running();
}

void OverviewWindow::FitColumns() {
    // As wide as the cells and the longest line of the heading (the header measures it whole).
    const QFontMetrics metrics = tblResumen->horizontalHeader()->fontMetrics();
    for (int c = 0; c < overview::kColumnCount; ++c) {
        int heading = 0;
        for (const QString& line : sorted_->headerData(c, Qt::Horizontal).toString().split('\n'))
            heading = std::max(heading, metrics.horizontalAdvance(line));
        const int width = std::max(static_cast<QAbstractItemView*>(tblResumen)->sizeHintForColumn(c), heading + kHeadingPadding);
        tblResumen->setColumnWidth(c, std::min(width, kWidestColumn));
    }
    columnsFitted_ = true;
}

void OverviewWindow::Loaded() {
    // Once, so that widths the user chose stay when the folder is read again.
    if (!columnsFitted_ && !model_->Rows().empty()) FitColumns();
    prgLectura->setVisible(false);
    btnCancelar->setVisible(false);
    btnXlsx->setEnabled(!model_->Rows().empty());
    btnCsv->setEnabled(!model_->Rows().empty());
    emit loaded();
}

overview::Overview OverviewWindow::Overview() const {
    const Date asOf = AsOf();
    overview::Overview result{folder_, asOf, format_.Format(asOf), model_->Rows()};
    std::sort(result.documents.begin(), result.documents.end(),
              [](const auto& a, const auto& b) { return a.fileName < b.fileName; });
    return result;
}

void OverviewWindow::Save(overview::Format format) {
    overview::SaveOverview(Overview(), format, port_, dates_);
}
