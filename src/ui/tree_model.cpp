#include "tree_model.h"

#include "display_text.h"
#include "document_session.h"
#include "text_codec.h"

TreeModel::TreeModel(DocumentSession& session, std::vector<QIcon> icons, QObject* parent)
    : QAbstractItemModel(parent), session_(session), icons_(std::move(icons)) {
    session_.Tree().SetObserver(this);
}

TreeModel::~TreeModel() {
    session_.Tree().SetObserver(nullptr);
}

TreeNode* TreeModel::NodeAt(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TreeNode*>(index.internalPointer()) : nullptr;
}

QModelIndex TreeModel::IndexOf(const TreeNode* node) const {
    if (!node || node == session_.Tree().Root()) return {};
    return createIndex(node->Row(), 0, const_cast<TreeNode*>(node));
}

QModelIndex TreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    const TreeNode* owner = parent.isValid() ? NodeAt(parent) : session_.Tree().Root();
    if (row >= static_cast<int>(owner->children.size())) return {};
    return createIndex(row, 0, owner->children[row].get());
}

QModelIndex TreeModel::parent(const QModelIndex& child) const {
    const TreeNode* node = NodeAt(child);
    return node ? IndexOf(node->parent) : QModelIndex();
}

int TreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    const TreeNode* owner = parent.isValid() ? NodeAt(parent) : session_.Tree().Root();
    return static_cast<int>(owner->children.size());
}

int TreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TreeModel::data(const QModelIndex& index, int role) const {
    const TreeNode* node = NodeAt(index);
    if (!node) return {};
    if (role == Qt::ToolTipRole && !node->tip.empty()) return ToQt(node->tip);
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return ToQt(ShownText(session_, *node));
    if (role == Qt::DecorationRole && node->icon >= 0 && node->icon < static_cast<int>(icons_.size())) {
        return icons_[node->icon];
    }
    return {};
}

Qt::ItemFlags TreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (session_.DragEnabled()) flags |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    return flags;
}

void TreeModel::BeginReset() {
    beginResetModel();
}
void TreeModel::EndReset() {
    endResetModel();
}
void TreeModel::BeginInsert(TreeNode* parent, int row) {
    beginInsertRows(IndexOf(parent), row, row);
}
void TreeModel::EndInsert() {
    endInsertRows();
}
void TreeModel::BeginRemove(TreeNode* parent, int row) {
    beginRemoveRows(IndexOf(parent), row, row);
}
void TreeModel::EndRemove() {
    endRemoveRows();
}

void TreeModel::BeginMove(TreeNode* from, int fromRow, TreeNode* to, int toRow) {
    beginMoveRows(IndexOf(from), fromRow, fromRow, IndexOf(to), toRow);
}

void TreeModel::EndMove() {
    endMoveRows();
}

void TreeModel::NodeChanged(TreeNode* node) {
    const QModelIndex index = IndexOf(node);
    emit dataChanged(index, index);
}

void TreeModel::SelectionChanged(TreeNode* node) {
    emit selectNodeRequested(IndexOf(node));
}

void TreeModel::ExpandRequested(TreeNode* node) {
    emit expandRequested(IndexOf(node));
}
