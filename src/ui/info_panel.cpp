#include "info_panel.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

InfoPanel::InfoPanel(const std::vector<QIcon>& icons, QWidget* parent) : QFrame(parent) {
    (void)icons;
    setObjectName("Panel1");
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName("ListView1");
    ListView1->setHeaderLabel(QString::fromUtf8("INFORMACIÓN"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListView1);
}
