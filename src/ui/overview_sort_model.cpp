#include "overview_sort_model.h"

#include "overview_table_model.h"
#include "text_codec.h"

OverviewSortModel::OverviewSortModel(OverviewTableModel& source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source) {
    setSourceModel(&source);
    setDynamicSortFilter(true);
}

void OverviewSortModel::SetSearch(const QString& text) {
    source_.SetSearch(FromQt(text));
    invalidateFilter();
}

bool OverviewSortModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const overview::DocumentFigures* figures = source_.Figures(sourceRow);
    return !figures || overview::Matches(*figures, source_.Search());
}

bool OverviewSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const overview::DocumentFigures* a = source_.Figures(left.row());
    const overview::DocumentFigures* b = source_.Figures(right.row());
    // The total row is last in either order.
    if (!a || !b) return (!b && a) == (sortOrder() == Qt::AscendingOrder);
    const int order = overview::Compare(*a, *b, static_cast<overview::Column>(left.column()));
    if (order != 0) return order < 0;
    return a->fileName < b->fileName;
}
