#pragma once

#include <QSortFilterProxyModel>

class OverviewTableModel;

// The overview window's order and search: the documents that match the search, sorted by the
// column's own order (counts and dates by value), and the total row last whichever the order.
class OverviewSortModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit OverviewSortModel(OverviewTableModel& source, QObject* parent = nullptr);

    void SetSearch(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    OverviewTableModel& source_;
};
