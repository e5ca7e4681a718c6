#pragma once

#include <QAbstractTableModel>

#include "action_plan.h"

// The rows of an action plan as a Qt table: one column per plan column, the level's colour in
// "Nivel", and for each cell a sort key (dates as dates, undated last; levels and states in the
// plan's order) under SortRole. The rows stay in the plan's order; a proxy sorts and filters.
class PlanTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        SortRole = Qt::UserRole + 1,
        SlotRole,   // the node table slot of the row's measure or deficiency
        StateRole,  // plan::State as an int
        LevelRole,  // plan::Level as an int
        PlanOrderRole,
    };

    explicit PlanTableModel(QObject* parent = nullptr);

    void SetPlan(plan::ActionPlan plan);
    const plan::ActionPlan& Plan() const { return plan_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant SortKey(const plan::PlanRow& row, plan::Column column) const;

    plan::ActionPlan plan_;
};
