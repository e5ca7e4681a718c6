#pragma once

#include <QSortFilterProxyModel>
#include <optional>
#include <string>

// The plan window's view of the plan: the rows of one state and one level only, when chosen,
// whose cells contain a text (ignoring case and accents, as the tree's find does: "metalurgica"
// finds "Metalúrgica"), sorted by the cells' sort keys. Rows that sort
// alike keep the plan's order.
class PlanFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit PlanFilterModel(QObject* parent = nullptr);

    void SetState(std::optional<int> state);
    void SetLevel(std::optional<int> level);
    void SetText(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    std::optional<int> state_;
    std::optional<int> level_;
    std::string foldedText_;  // Windows-1252, folded for searching
};
