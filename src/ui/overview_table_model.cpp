#include "overview_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "text_codec.h"

using overview::Column;

namespace {

const QColor kPassed(0xE5, 0x39, 0x35);  // the red of Crítico
const QColor kSoon(0xFF, 0xB3, 0x00);    // amber

}  // namespace

OverviewTableModel::OverviewTableModel(DatePort& dates, QObject* parent)
    : QAbstractTableModel(parent), dates_(dates) {}

void OverviewTableModel::Clear(const Date& asOf) {
    beginResetModel();
    rows_.clear();
    asOf_ = asOf;
    totals_ = {};
    endResetModel();
}

void OverviewTableModel::Add(overview::DocumentFigures figures) {
    const int row = static_cast<int>(rows_.size());
    beginInsertRows({}, row, row);
    rows_.push_back(std::move(figures));
    endInsertRows();
    if (overview::Matches(rows_.back(), search_)) Sum();
}

void OverviewTableModel::SetSearch(const std::string& search) {
    search_ = search;
    Sum();
}

void OverviewTableModel::Sum() {
    std::vector<const overview::DocumentFigures*> matching;
    for (const auto& figures : rows_) {
        if (overview::Matches(figures, search_)) matching.push_back(&figures);
    }
    totals_ = overview::Sum(matching);
    const int total = static_cast<int>(rows_.size());
    emit dataChanged(index(total, 0), index(total, overview::kColumnCount - 1));
}

const overview::DocumentFigures* OverviewTableModel::Figures(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? &rows_[static_cast<std::size_t>(row)] : nullptr;
}

int OverviewTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size()) + 1;
}

int OverviewTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : overview::kColumnCount;
}

QVariant OverviewTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto column = static_cast<Column>(index.column());
    if (role == Qt::TextAlignmentRole && overview::IsCount(column))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == TotalRole) return IsTotal(index.row());
    if (const overview::DocumentFigures* figures = Figures(index.row()))
        return DocumentData(*figures, column, role);
    return TotalData(column, role);
}

QVariant OverviewTableModel::DocumentData(const overview::DocumentFigures& figures, Column column, int role) const {
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return ToQt(overview::CellText(figures, column, dates_));
        case PathRole:
            return PathToQt(figures.path);
        case Qt::ForegroundRole:
            if (column == Column::kNotes && !figures.Readable()) return QBrush(kPassed);
            if (column == Column::kNextReview && overview::ReviewOf(figures, asOf_) == overview::Review::kPassed)
                return QBrush(Qt::white);
            return {};
        case Qt::BackgroundRole:
            if (column != Column::kNextReview) return {};
            switch (overview::ReviewOf(figures, asOf_)) {
                case overview::Review::kPassed:
                    return QBrush(kPassed);
                case overview::Review::kSoon:
                    return QBrush(kSoon);
                default:
                    return {};
            }
        default:
            return {};
    }
}

QVariant OverviewTableModel::TotalData(Column column, int role) const {
    switch (role) {
        case Qt::DisplayRole:
            return ToQt(overview::TotalText(totals_, column));
        case Qt::FontRole: {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        case Qt::ForegroundRole:
            return column == Column::kNotes ? QVariant(QBrush(kPassed)) : QVariant();
        default:
            return {};
    }
}

QVariant OverviewTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= overview::kColumnCount)
        return {};
    // Headings on two lines, so that the columns of numbers and dates stay narrow.
    QString heading = ToQt(overview::ColumnHeading(static_cast<Column>(section)));
    const int space = heading.lastIndexOf(' ');
    if (space > 0) heading[space] = '\n';
    return heading;
}
