#pragma once

#include <QFrame>
#include <vector>

class QTreeWidget;
class QIcon;

// The information panel on the left of the main window (Panel1 with ListView1).
class InfoPanel : public QFrame {
    Q_OBJECT
public:
    InfoPanel(const std::vector<QIcon>& icons, QWidget* parent = nullptr);

    QTreeWidget* ListView1;
};
