#include "document_tree_view.h"

#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMouseEvent>

DocumentTreeView::DocumentTreeView(QWidget* parent) : QTreeView(parent) {
    setObjectName("TreeView");
    setHeaderHidden(true);
    setIndentation(19);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(false);
}

void DocumentTreeView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        // A right click on a node selects it; on empty space the selection stays.
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid()) setCurrentIndex(index);
        return;
    }
    QTreeView::mousePressEvent(event);
}

void DocumentTreeView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() != this) {
        event->ignore();  // files from the desktop go to the main window
        return;
    }
    QTreeView::dragEnterEvent(event);
}
