#include "plan_filter_model.h"

#include "plan_table_model.h"
#include "text_codec.h"
#include "text_fold.h"

PlanFilterModel::PlanFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(PlanTableModel::SortRole);
    setDynamicSortFilter(true);
}

void PlanFilterModel::SetState(std::optional<int> state) {
    state_ = state;
    invalidateFilter();
}

void PlanFilterModel::SetLevel(std::optional<int> level) {
    level_ = level;
    invalidateFilter();
}

void PlanFilterModel::SetText(const QString& text) {
    foldedText_ = FoldForSearch(FromQt(text.trimmed()));
    invalidateFilter();
}

bool PlanFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QAbstractItemModel* model = sourceModel();
    const QModelIndex first = model->index(sourceRow, 0, sourceParent);
    if (state_ && first.data(PlanTableModel::StateRole).toInt() != *state_) return false;
    if (level_ && first.data(PlanTableModel::LevelRole).toInt() != *level_) return false;
    if (foldedText_.empty()) return true;
    for (int c = 0; c < model->columnCount(sourceParent); ++c) {
        const QString cell = model->index(sourceRow, c, sourceParent).data(Qt::ToolTipRole).toString();
        if (ContainsFolded(FoldForSearch(FromQt(cell)), foldedText_)) return true;
    }
    return false;
}

bool PlanFilterModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(sortRole()), b = right.data(sortRole());
    const QPartialOrdering order = QVariant::compare(a, b);
    if (order != QPartialOrdering::Equivalent) return order == QPartialOrdering::Less;
    // Ties keep the plan's order, either way up: descending order asks the other way round.
    const int planA = left.data(PlanTableModel::PlanOrderRole).toInt();
    const int planB = right.data(PlanTableModel::PlanOrderRole).toInt();
    return sortOrder() == Qt::AscendingOrder ? planA < planB : planA > planB;
}
