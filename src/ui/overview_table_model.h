#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "overview_figures.h"
#include "overview_table.h"

class DatePort;

// The documents of the overview as a Qt table, in the order they were read, with the total row
// of the documents that match the search always last. The next review is red when passed and
// amber when due within 30 days; the reason of a document that could not be read is red. A proxy
// sorts (OverviewSortModel) and filters by the search.
class OverviewTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role { PathRole = Qt::UserRole + 1, TotalRole };

    OverviewTableModel(DatePort& dates, QObject* parent = nullptr);

    // Forgets every row; the overview's date decides the review's colour.
    void Clear(const Date& asOf);
    void Add(overview::DocumentFigures figures);
    // The search that the total row sums (Windows-1252).
    void SetSearch(const std::string& search);

    const std::string& Search() const { return search_; }
    const overview::DocumentFigures* Figures(int row) const;
    bool IsTotal(int row) const { return row == static_cast<int>(rows_.size()); }
    const std::vector<overview::DocumentFigures>& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant DocumentData(const overview::DocumentFigures& figures, overview::Column column, int role) const;
    QVariant TotalData(overview::Column column, int role) const;
    void Sum();

    DatePort& dates_;
    Date asOf_;
    std::vector<overview::DocumentFigures> rows_;
    std::string search_;
    overview::Totals totals_;
};
