#pragma once

#include <QFrame>
#include <vector>

class QIcon;
class QLabel;
class QPixmap;
class QPlainTextEdit;
class QTreeWidget;

// The information panel on the left of the main window (Panel1): the list ListView1 with the
// recommended working procedure and the legend of the tree icons, and the pale yellow note
// Memo1 that shows the guidance text of the selected procedure step.
class InfoPanel : public QFrame {
    Q_OBJECT
public:
    // The note lies on noteHost (the main window's client area), above the panel and the tree,
    // at the client area's coordinates.
    InfoPanel(const std::vector<QIcon>& icons, QWidget* noteHost, QWidget* parent = nullptr);
    ~InfoPanel() override;

    QTreeWidget* ListView1;
    QPlainTextEdit* Memo1;
    // At the foot of the panel, below the list: the selected node's first photo, if it has one.
    QLabel* photo;

    // The largest thumbnail the panel shows whole at its present width.
    QSize PhotoBox() const;
    // Shows a thumbnail at the foot of the panel; a null one hides it.
    void ShowPhoto(const QPixmap& thumbnail, const QString& toolTip);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillList(const std::vector<QIcon>& icons);
    void ListView1SelectItem();
    void ListView1MouseMove(int x);
};
