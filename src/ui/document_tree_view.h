#pragma once

#include <QTreeView>

#include "tree_drop.h"

class QMimeData;

// The main window's tree (TreeView): read-only labels, indentation 19, a right-button press
// selects the node under the pointer before the context menu opens. A node dragged within
// the tree is dropped where the hit test of the drop point says; files dragged in from the
// desktop are left to the main window.
class DocumentTreeView : public QTreeView {
    Q_OBJECT
public:
    // What lies under a point of the viewport.
    enum class Hit { Label, BelowLastNode, Indentation, Button, RightOfLabel };

    explicit DocumentTreeView(QWidget* parent = nullptr);

    // The hit test: which part of which node (none below the last node) lies under the point.
    Hit HitTest(const QPoint& point, QModelIndex* node) const;
    static DropZone ZoneOf(Hit hit);
    // The data a drag from this tree carries: it names this tree, so only its own drags drop.
    QMimeData* DragData() const;
    bool IsOwnDrag(const QMimeData* data) const;
    // Only this tree's own drags are taken: anything else dragged over it is ignored (true).
    bool RefuseForeignDrag(QDropEvent* event) const;

signals:
    // A dragged node was let go over the tree.
    void nodeDropped(const QModelIndex& hitNode, DropZone zone);
    // A double click with the left button anywhere but on an expand button, or Return, Enter or
    // F2: the node data editor is asked for.
    void treeDoubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Return, Enter and F2 open the editor; Shift+F10 opens the context menu as the Menu key does.
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QByteArray DragKey() const;
    // The icon and label of a node, in viewport coordinates.
    QRect LabelRect(const QModelIndex& index) const;
};
