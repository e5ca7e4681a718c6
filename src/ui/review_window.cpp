#include "review_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "text_codec.h"

namespace {

constexpr int kSlotRole = Qt::UserRole + 1;

}  // namespace

ReviewWindow::ReviewWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmRevisar");
    setWindowTitle("Revisar el documento");

    lblResumen = new QLabel(this);
    lblResumen->setObjectName("lblResumen");
    QFont bold = lblResumen->font();
    bold.setBold(true);
    lblResumen->setFont(bold);
    lstPuntos = new QTreeWidget(this);
    lstPuntos->setObjectName("lstPuntos");
    // What is missing first, so that it is read whatever the length of the node's path.
    lstPuntos->setColumnCount(2);
    lstPuntos->setHeaderLabels({QString::fromUtf8("Punto pendiente"), "Nodo"});
    lstPuntos->setColumnWidth(0, 340);
    lstPuntos->setUniformRowHeights(true);
    lstPuntos->setExpandsOnDoubleClick(true);
    btnCerrar = new QPushButton("Cerrar", this);
    btnCerrar->setObjectName("btnCerrar");
    btnCerrar->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblResumen);
    layout->addWidget(lstPuntos, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QString::fromUtf8("Doble clic en un punto: muestra su nodo en el árbol."), this));
    bottom->addStretch(1);
    bottom->addWidget(btnCerrar);
    layout->addLayout(bottom);

    connect(btnCerrar, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(lstPuntos, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { ItemDoubleClicked(item); });
    resize(980, 460);
}

void ReviewWindow::SetGaps(const std::vector<review::Gap>& gaps) {
    // What the user folded and selected stays so while the document changes.
    std::array<bool, review::kGroupCount> folded{};
    std::array<bool, review::kGroupCount> shown{};
    for (int i = 0; i < lstPuntos->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* group = lstPuntos->topLevelItem(i);
        const int g = group->data(0, kSlotRole).toInt();
        shown[g] = true;
        folded[g] = !group->isExpanded();
    }
    const QTreeWidgetItem* current = lstPuntos->currentItem();
    const QString selected = current && current->parent() ? current->text(0) + current->text(1) : QString();

    lstPuntos->clear();
    std::array<QTreeWidgetItem*, review::kGroupCount> groups{};
    std::array<int, review::kGroupCount> counts{};
    for (const review::Gap& gap : gaps)
        ++counts[static_cast<int>(gap.group)];
    QTreeWidgetItem* reselect = nullptr;
    for (const review::Gap& gap : gaps) {
        const int g = static_cast<int>(gap.group);
        if (!groups[g]) {
            groups[g] = new QTreeWidgetItem(lstPuntos);
            groups[g]->setText(0, ToQt(review::GroupName(gap.group)) + QString(" (%1)").arg(counts[g]));
            groups[g]->setData(0, kSlotRole, g);
            QFont font = groups[g]->font(0);
            font.setBold(true);
            groups[g]->setFont(0, font);
            groups[g]->setFirstColumnSpanned(true);
        }
        auto* item = new QTreeWidgetItem(groups[g]);
        item->setText(0, ToQt(gap.missing));
        item->setText(1, ToQt(gap.place));
        item->setToolTip(0, item->text(0));
        item->setToolTip(1, item->text(1));
        item->setData(0, kSlotRole, gap.slot);
        if (!reselect && item->text(0) + item->text(1) == selected) reselect = item;
    }
    for (int g = 0; g < review::kGroupCount; ++g) {
        if (groups[g]) groups[g]->setExpanded(!(shown[g] && folded[g]));
    }
    if (reselect) lstPuntos->setCurrentItem(reselect);
    // What is missing is read whole; the paths take the rest, their full text in the tooltips.
    lstPuntos->resizeColumnToContents(0);
    lstPuntos->setColumnWidth(0, std::min(lstPuntos->columnWidth(0), width() / 2));
    lblResumen->setText(gaps.empty() ? QString::fromUtf8("El documento está completo")
                                     : ToQt(review::PendingText(static_cast<int>(gaps.size()))));
}

void ReviewWindow::ItemDoubleClicked(QTreeWidgetItem* item) {
    if (item && item->parent()) emit nodeRequested(item->data(0, kSlotRole).toInt());
}
