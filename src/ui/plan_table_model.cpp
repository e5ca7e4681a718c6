#include "plan_table_model.h"

#include <QBrush>
#include <QColor>
#include <QDate>
#include <limits>

#include "plan_colours.h"
#include "qt_dates.h"
#include "text_codec.h"

namespace {

// A cell shows one line: the line breaks of a memo become " / "; the tooltip has them all.
QString OneLine(const std::string& text) {
    QString out = ToQt(text);
    out.replace("\r\n", " / ");
    return out;
}

// Days of a date, and for no readable date a value after every date.
qlonglong DayKey(const plan::PlanDate& date) {
    if (!date.date) return std::numeric_limits<qlonglong>::max();
    return QtDates::ToQDate(*date.date).toJulianDay();
}

}  // namespace

PlanTableModel::PlanTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void PlanTableModel::SetPlan(plan::ActionPlan plan) {
    beginResetModel();
    plan_ = std::move(plan);
    endResetModel();
}

int PlanTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(plan_.rows.size());
}

int PlanTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : plan::kColumnCount;
}

QVariant PlanTableModel::SortKey(const plan::PlanRow& row, plan::Column column) const {
    switch (column) {
        case plan::Column::kLevel:
            return static_cast<int>(row.level);
        case plan::Column::kState:
            return static_cast<int>(row.state);
        case plan::Column::kPlannedDate:
            return DayKey(row.planned);
        case plan::Column::kDoneDate:
            return DayKey(row.done);
        case plan::Column::kCost:
            return row.cost ? QVariant(*row.cost) : QVariant(-1);
        default:
            return ToQt(row.Text(column)).toCaseFolded();
    }
}

QVariant PlanTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= plan::kColumnCount) return {};
    const plan::PlanRow& row = plan_.rows[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<plan::Column>(index.column());
    switch (role) {
        case Qt::DisplayRole:
            return OneLine(row.Text(column));
        case Qt::TextAlignmentRole:
            return column == plan::Column::kCost ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        case Qt::ToolTipRole:
            return row.Text(column).empty() ? QVariant() : QVariant(ToQt(row.Text(column)));
        case Qt::BackgroundRole:
            if (column == plan::Column::kLevel) {
                const plan::Rgb c = plan::LevelColour(row.level);
                return QBrush(QColor(c.red, c.green, c.blue));
            }
            return {};
        case Qt::ForegroundRole:
            if (column == plan::Column::kLevel)
                return QBrush(plan::LevelTextIsLight(row.level) ? Qt::white : Qt::black);
            if (column == plan::Column::kState && row.state == plan::State::kOverdue)
                return QBrush(QColor(160, 0, 0));
            return {};
        case SortRole:
            return SortKey(row, column);
        case SlotRole:
            return row.slot;
        case StateRole:
            return static_cast<int>(row.state);
        case LevelRole:
            return static_cast<int>(row.level);
        case PlanOrderRole:
            return index.row();
        default:
            return {};
    }
}

QVariant PlanTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= plan::kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return ToQt(plan::ColumnHeading(static_cast<plan::Column>(section)));
}
