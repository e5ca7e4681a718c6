#pragma once

#include <QTreeView>

// The main window's tree (TreeView): read-only labels, indentation 19, a right-button press
// selects the node under the pointer before the context menu opens, and files dragged in from
// the desktop are left to the main window.
class DocumentTreeView : public QTreeView {
    Q_OBJECT
public:
    explicit DocumentTreeView(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
};
