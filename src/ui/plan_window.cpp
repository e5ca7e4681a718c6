#include "plan_window.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <vector>

#include "cp1252.h"
#include "plan_filter_model.h"
#include "plan_summary.h"
#include "plan_table_model.h"
#include "qt_dates.h"
#include "qt_spanish.h"
#include "text_codec.h"

namespace {

// The narrowest that a column of long texts is made to fit the window.
constexpr int kNarrowestText = 70;

QLabel* Label(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

PlanWindow::PlanWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmPlan");
    setWindowTitle(QString::fromUtf8("Plan de acción"));
    model_ = new PlanTableModel(this);
    filter_ = new PlanFilterModel(this);
    filter_->setSourceModel(model_);
    BuildControls();
    BuildLayout();
    resize(1260, 560);
}

void PlanWindow::BuildControls() {
    lblTitulo = Label("lblTitulo", QString(), this);
    QFont bold = lblTitulo->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblTitulo->setFont(bold);
    dtAFecha = new QDateEdit(this);
    dtAFecha->setObjectName("dtAFecha");
    ShowCalendarInSpanish(*dtAFecha);
    dtAFecha->setDisplayFormat(QString::fromStdString(QtDates().Format().Pattern()));
    lblRecuentos = Label("lblRecuentos", QString(), this);
    // A long firm name or many counts wrap rather than widen the window beyond the screen.
    lblTitulo->setWordWrap(true);
    lblRecuentos->setWordWrap(true);

    cmbEstado = new QComboBox(this);
    cmbEstado->setObjectName("cmbEstado");
    cmbEstado->addItem("Todos");
    for (int s = 0; s < plan::kStateCount; ++s)
        cmbEstado->addItem(ToQt(plan::StateName(static_cast<plan::State>(s))), s);
    cmbNivel = new QComboBox(this);
    cmbNivel->setObjectName("cmbNivel");
    cmbNivel->addItem("Todos");
    for (int l = 0; l < plan::kLevelCount; ++l)
        cmbNivel->addItem(ToQt(plan::LevelName(static_cast<plan::Level>(l))), l);
    edtBuscar = new QLineEdit(this);
    edtBuscar->setObjectName("edtBuscar");
    edtBuscar->setClearButtonEnabled(true);
    edtBuscar->setPlaceholderText(QString::fromUtf8("texto en cualquier columna"));
    btnOrden = Button("btnOrden", "Orden del plan", this);
    btnOrden->setToolTip(QString::fromUtf8("Por nivel, fecha prevista y orden del documento"));

    tblPlan = new QTableView(this);
    tblPlan->setObjectName("tblPlan");
    tblPlan->setModel(filter_);
    tblPlan->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPlan->setSelectionMode(QAbstractItemView::SingleSelection);
    tblPlan->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPlan->setAlternatingRowColors(true);
    tblPlan->setWordWrap(false);
    tblPlan->verticalHeader()->setVisible(false);
    tblPlan->verticalHeader()->setDefaultSectionSize(tblPlan->fontMetrics().height() + 8);
    tblPlan->horizontalHeader()->setStretchLastSection(true);
    // The photos' names are for the exported files; the window has no room for them.
    tblPlan->setColumnHidden(static_cast<int>(plan::Column::kPhotos), true);
    // At first the plan's own order; a third click on a heading goes back to it.
    tblPlan->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    tblPlan->horizontalHeader()->setSortIndicatorClearable(true);
    tblPlan->setSortingEnabled(true);

    btnXlsx = Button("btnXlsx", QString::fromUtf8("Hoja de cálculo (.xlsx)..."), this);
    btnCsv = Button("btnCsv", "CSV...", this);
    btnPdf = Button("btnPdf", "PDF...", this);
    btnCerrar = Button("btnCerrar", "Cerrar", this);

    connect(dtAFecha, &QDateEdit::dateChanged, this, &PlanWindow::asOfChanged);
    connect(cmbEstado, &QComboBox::currentIndexChanged, this, &PlanWindow::ApplyFilters);
    connect(cmbNivel, &QComboBox::currentIndexChanged, this, &PlanWindow::ApplyFilters);
    connect(edtBuscar, &QLineEdit::textChanged, this, &PlanWindow::ApplyFilters);
    connect(btnOrden, &QPushButton::clicked, this, &PlanWindow::PlanOrder);
    connect(tblPlan, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) emit nodeRequested(index.data(PlanTableModel::SlotRole).toInt());
    });
    connect(btnXlsx, &QPushButton::clicked, this, [this] { emit exportRequested(plan::Format::kXlsx); });
    connect(btnCsv, &QPushButton::clicked, this, [this] { emit exportRequested(plan::Format::kCsv); });
    connect(btnPdf, &QPushButton::clicked, this, [this] { emit exportRequested(plan::Format::kPdf); });
    connect(btnCerrar, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

void PlanWindow::BuildLayout() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(lblTitulo, 1);
    top->addWidget(Label("lblAFecha", "A fecha de:", this));
    top->addWidget(dtAFecha);
    layout->addLayout(top);
    layout->addWidget(lblRecuentos);

    auto* filters = new QHBoxLayout;
    const std::pair<const char*, QWidget*> labelled[] = {
        {"Estado:", cmbEstado}, {"Nivel:", cmbNivel}, {"Buscar:", edtBuscar}};
    for (const auto& [caption, control] : labelled) {
        QLabel* label = Label("", caption, this);
        label->setBuddy(control);
        filters->addWidget(label);
        filters->addWidget(control, control == edtBuscar ? 1 : 0);
    }
    filters->addWidget(btnOrden);
    layout->addLayout(filters);
    layout->addWidget(tblPlan, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label("lblGuardar", "Guardar el plan como:", this));
    for (QPushButton* button : {btnXlsx, btnCsv, btnPdf})
        bottom->addWidget(button);
    bottom->addStretch(1);
    bottom->addWidget(btnCerrar);
    layout->addLayout(bottom);
}

void PlanWindow::SetPlan(plan::ActionPlan plan) {
    const int selected = SelectedSlot();
    const bool firstPlan = model_->rowCount() == 0;
    lblTitulo->setText(ToQt(plan::HeadingText(plan)));
    const std::string cost = plan::CostText(plan.counts);
    lblRecuentos->setText(ToQt(plan::CountsText(plan.counts) + (cost.empty() ? "" : W(" · ") + cost)));
    const bool rows = !plan.rows.empty();
    model_->SetPlan(std::move(plan));
    for (QPushButton* button : {btnXlsx, btnCsv, btnPdf})
        button->setEnabled(rows);
    if (firstPlan && isVisible()) FitColumns();
    SelectSlot(selected);
}

void PlanWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Now the window has the size it opens with on this screen.
    FitColumns();
}

// Each column as wide as its content, within the window's width: the columns of long texts share
// what the others leave (their full texts are in the tooltips), the narrower first taking all
// they need. A width the user set is kept.
void PlanWindow::FitColumns() {
    const plan::Column texts[] = {plan::Column::kPlace,      plan::Column::kQuestionnaire,
                                  plan::Column::kDeficiency, plan::Column::kMeasure,
                                  plan::Column::kResources,  plan::Column::kResponsible,
                                  plan::Column::kDoneBy,     plan::Column::kComments};
    int last = plan::kColumnCount - 1;  // the last shown, stretched to the window's edge
    while (last > 0 && tblPlan->isColumnHidden(last)) --last;
    auto userSet = [&](int c) {
        return c != last && static_cast<int>(fitted_.size()) == plan::kColumnCount &&
               tblPlan->columnWidth(c) != fitted_[c];
    };
    std::vector<bool> shared(plan::kColumnCount, false);
    for (const plan::Column column : texts)
        shared[static_cast<int>(column)] = !userSet(static_cast<int>(column));
    std::vector<int> natural(plan::kColumnCount);
    int fixed = 0;
    for (int c = 0; c < plan::kColumnCount; ++c) {
        if (!userSet(c)) tblPlan->resizeColumnToContents(c);
        natural[c] = tblPlan->columnWidth(c);
        if (!shared[c]) fixed += natural[c];
    }
    const QMargins margins = layout()->contentsMargins();
    const int available = width() - margins.left() - margins.right() - 2 * tblPlan->frameWidth() -
                          tblPlan->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    std::vector<int> order;
    for (int c = 0; c < plan::kColumnCount; ++c) {
        if (shared[c]) order.push_back(c);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return natural[a] < natural[b]; });
    int room = available - fixed, left = static_cast<int>(order.size());
    // On a narrow screen the long texts share what there is, narrower than they would be made.
    const int narrowest = std::min(kNarrowestText, std::max(1, room / std::max(1, left)));
    for (const int c : order) {
        const int width = std::min(natural[c], std::max(narrowest, room / left));
        tblPlan->setColumnWidth(c, width);
        room -= width;
        --left;
    }
    fitted_.clear();
    for (int c = 0; c < plan::kColumnCount; ++c)
        fitted_.push_back(tblPlan->columnWidth(c));
}

const plan::ActionPlan& PlanWindow::Plan() const {
    return model_->Plan();
}

QDate PlanWindow::AsOf() const {
    return dtAFecha->date();
}

void PlanWindow::SetAsOf(const QDate& date) {
    dtAFecha->setDate(date);
}

void PlanWindow::FilterState(std::optional<plan::State> state) {
    cmbEstado->setCurrentIndex(state ? cmbEstado->findData(static_cast<int>(*state)) : 0);
}

void PlanWindow::ApplyFilters() {
    auto chosen = [](const QComboBox* box) -> std::optional<int> {
        const QVariant data = box->currentData();
        return data.isValid() ? std::optional<int>(data.toInt()) : std::nullopt;
    };
    filter_->SetState(chosen(cmbEstado));
    filter_->SetLevel(chosen(cmbNivel));
    filter_->SetText(edtBuscar->text());
}

void PlanWindow::PlanOrder() {
    tblPlan->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    filter_->sort(-1);
}

int PlanWindow::SelectedSlot() const {
    const QModelIndex current = tblPlan->currentIndex();
    return current.isValid() ? current.data(PlanTableModel::SlotRole).toInt() : 0;
}

void PlanWindow::SelectSlot(int slot) {
    if (slot == 0) return;
    for (int r = 0; r < filter_->rowCount(); ++r) {
        const QModelIndex index = filter_->index(r, 0);
        if (index.data(PlanTableModel::SlotRole).toInt() == slot) {
            tblPlan->selectRow(r);
            tblPlan->setCurrentIndex(index);
            return;
        }
    }
}
