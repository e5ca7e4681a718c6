#pragma once

#include <QAbstractItemModel>
#include <QIcon>
#include <vector>

#include "tree_observer.h"

class DocumentSession;

// The session's tree as a Qt item model. It follows the tree's changes as they happen, so the
// view keeps its expansion and selection across edits.
class TreeModel : public QAbstractItemModel, public TreeObserver {
    Q_OBJECT
public:
    TreeModel(DocumentSession& session, std::vector<QIcon> icons, QObject* parent = nullptr);
    ~TreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QModelIndex IndexOf(const TreeNode* node) const;
    TreeNode* NodeAt(const QModelIndex& index) const;

    // TreeObserver
    void BeginReset() override;
    void EndReset() override;
    void BeginInsert(TreeNode* parent, int row) override;
    void EndInsert() override;
    void BeginRemove(TreeNode* parent, int row) override;
    void EndRemove() override;
    void BeginMove(TreeNode* from, int fromRow, TreeNode* to, int toRow) override;
    void EndMove() override;
    void NodeChanged(TreeNode* node) override;
    void SelectionChanged(TreeNode* node) override;
    void ExpandRequested(TreeNode* node) override;

signals:
    void selectNodeRequested(const QModelIndex& index);
    void expandRequested(const QModelIndex& index);

private:
    DocumentSession& session_;
    std::vector<QIcon> icons_;
};
