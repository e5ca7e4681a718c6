#include "document_tree_view.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <algorithm>

namespace {
const QString kDragFormat = "application/x-kaldo-tree-node";
}

DocumentTreeView::DocumentTreeView(QWidget* parent) : QTreeView(parent) {
    setObjectName("TreeView");
    setHeaderHidden(true);
    setIndentation(19);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setUniformRowHeights(true);
    // Long deficiency and measure texts scroll sideways instead of being cut short.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    // The column fits the rows on screen: measuring all of up to 1024 labels on every change of
    // the tree took longer than a frame.
    header()->setResizeContentsPrecision(0);
    setExpandsOnDoubleClick(false);
    setDropIndicatorShown(false);  // where a node lands follows the hit test, not Qt's indicator
    // A drag that the tree does not take (files from the desktop) goes on to the main window.
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
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

void DocumentTreeView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    if (HitTest(event->position().toPoint(), nullptr) == Hit::Button) return;
    emit treeDoubleClicked();
}

void DocumentTreeView::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_F2)) {
        event->accept();
        emit treeDoubleClicked();
        return;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        event->accept();
        // Where the Menu key opens it: at the node in hand, or at the top of the tree.
        const QModelIndex selected = selectionModel()->selectedIndexes().isEmpty()
                                         ? QModelIndex()
                                         : selectionModel()->selectedIndexes().first();
        const QRect node = selected.isValid() ? LabelRect(selected) : QRect();
        emit customContextMenuRequested(node.isValid() ? node.center() : QPoint(4, 4));
        return;
    }
    QTreeView::keyPressEvent(event);
}

QRect DocumentTreeView::LabelRect(const QModelIndex& index) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QRect item = visualRect(index);
    option.rect = item;
    const int width = itemDelegateForIndex(index)->sizeHint(option, index).width();
    return QRect(item.left(), item.top(), width, item.height());
}

DocumentTreeView::Hit DocumentTreeView::HitTest(const QPoint& point, QModelIndex* node) const {
    // The row is found by height alone: the column ends after the longest text, and the space to
    // its right still belongs to the rows beside it.
    const QModelIndex index = indexAt(QPoint(std::max(0, header()->sectionViewportPosition(0)), point.y()));
    if (node) *node = index;
    if (!index.isValid()) return Hit::BelowLastNode;
    // Left of a node's icon lie its indentation, one step per level, and then the column of
    // its expand button.
    const QRect label = LabelRect(index);
    if (point.x() < label.left() - indentation()) return Hit::Indentation;
    if (point.x() < label.left()) return Hit::Button;
    if (point.x() <= label.right()) return Hit::Label;
    return Hit::RightOfLabel;
}

DropZone DocumentTreeView::ZoneOf(Hit hit) {
    switch (hit) {
        case Hit::Label:
            return DropZone::OnNode;
        case Hit::BelowLastNode:
            return DropZone::BelowLastNode;
        case Hit::Indentation:
            return DropZone::Indentation;
        default:
            return DropZone::Elsewhere;
    }
}

// A drag is this tree's own when it carries this process's and this tree's identity.
QByteArray DocumentTreeView::DragKey() const {
    return QByteArray::number(QApplication::applicationPid()) + ' ' +
           QByteArray::number(reinterpret_cast<quintptr>(this));
}

QMimeData* DocumentTreeView::DragData() const {
    auto* data = new QMimeData;
    data->setData(kDragFormat, DragKey());
    return data;
}

bool DocumentTreeView::IsOwnDrag(const QMimeData* data) const {
    return data && dragEnabled() && data->data(kDragFormat) == DragKey();
}

bool DocumentTreeView::RefuseForeignDrag(QDropEvent* event) const {
    if (IsOwnDrag(event->mimeData())) return false;
    event->ignore();
    return true;
}

void DocumentTreeView::startDrag(Qt::DropActions) {
    const QModelIndex index = currentIndex();
    if (!index.isValid()) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(DragData());
    const QRect label = LabelRect(index);
    drag->setPixmap(viewport()->grab(label));
    drag->setHotSpot(viewport()->mapFromGlobal(QCursor::pos()) - label.topLeft());
    drag->exec(Qt::MoveAction, Qt::MoveAction);
}

void DocumentTreeView::dragEnterEvent(QDragEnterEvent* event) {
    if (RefuseForeignDrag(event)) return;
    setState(DraggingState);
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void DocumentTreeView::dragMoveEvent(QDragMoveEvent* event) {
    if (RefuseForeignDrag(event)) return;
    QTreeView::dragMoveEvent(event);  // scrolls the tree when the pointer nears its edges
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void DocumentTreeView::dropEvent(QDropEvent* event) {
    if (RefuseForeignDrag(event)) return;
    stopAutoScroll();
    setState(NoState);
    QModelIndex node;
    const Hit hit = HitTest(event->position().toPoint(), &node);
    event->setDropAction(Qt::MoveAction);
    event->accept();
    emit nodeDropped(node, ZoneOf(hit));
}
