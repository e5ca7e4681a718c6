#pragma once

#include <QWidget>
#include <vector>

#include "document_review.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The "Revisar el documento" window: what the document still lacks, one line per gap under its
// group, or "El documento está completo". It only shows the gaps it is given; a double click on
// a gap asks for its node.
class ReviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReviewWindow(QWidget* parent = nullptr);

    // Shows new gaps, keeping the groups folded or unfolded and the selected gap where it stays.
    void SetGaps(const std::vector<review::Gap>& gaps);

    // Controls by their names (also their object names).
    QLabel* lblResumen;
    QTreeWidget* lstPuntos;
    QPushButton* btnCerrar;

signals:
    // A double click on a gap: the slot of its node.
    void nodeRequested(int slot);

private:
    void ItemDoubleClicked(QTreeWidgetItem* item);
};
