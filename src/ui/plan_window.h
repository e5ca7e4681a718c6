#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "action_plan.h"
#include "plan_export.h"

class PlanFilterModel;
class PlanTableModel;
class QComboBox;
class QDate;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The "Plan de acción" window: the plan's table, sortable by any column and filtered by state,
// level and a text, with its title, date and counts above and the export buttons below. It only
// shows what it is given; the main window builds the plan, follows the document and carries
// out what the window asks for.
class PlanWindow : public QWidget {
    Q_OBJECT
public:
    explicit PlanWindow(QWidget* parent = nullptr);

    // Shows a new plan, keeping the filters, the sorting and the selected row.
    void SetPlan(plan::ActionPlan plan);
    const plan::ActionPlan& Plan() const;
    // The plan's date ("A fecha de:"), today's unless the user chose another.
    QDate AsOf() const;
    void SetAsOf(const QDate& date);
    // Shows the rows of one state only (nothing: every state).
    void FilterState(std::optional<plan::State> state);

    // Controls by their names (also their object names).
    QLabel* lblTitulo;
    QDateEdit* dtAFecha;
    QLabel* lblRecuentos;
    QComboBox* cmbEstado;
    QComboBox* cmbNivel;
    QLineEdit* edtBuscar;
    QPushButton* btnOrden;
    QTableView* tblPlan;
    QPushButton* btnXlsx;
    QPushButton* btnCsv;
    QPushButton* btnPdf;
    QPushButton* btnCerrar;

protected:
    void showEvent(QShowEvent* event) override;

signals:
    void asOfChanged(const QDate& date);
    // A double click on a row: the slot of its measure or deficiency.
    void nodeRequested(int slot);
    void exportRequested(plan::Format format);

private:
    void BuildControls();
    void BuildLayout();
    void FitColumns();
    void ApplyFilters();
    void PlanOrder();
    int SelectedSlot() const;
    void SelectSlot(int slot);

    PlanTableModel* model_;
    PlanFilterModel* filter_;
    // The widths FitColumns gave; a column that has another now was set by the user.
    std::vector<int> fitted_;
};
