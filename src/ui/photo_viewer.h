#pragma once

#include <QDialog>

#include "file_path.h"
#include "photo_list.h"

class QLabel;
class QPushButton;
class PhotoView;

// A record's photos shown large, one at a time, fitted to the window: its caption and "n de N"
// below, "Anterior" and "Siguiente" (also the arrow keys, Re Pág and Av Pág), Escape closes.
class PhotoViewer : public QDialog {
    Q_OBJECT
public:
    PhotoViewer(const FilePath& folder, const PhotoList& photos, int index, QWidget* parent = nullptr);

    int Index() const { return index_; }
    void Show(int index);
    void Next() { Show(index_ + 1); }
    void Previous() { Show(index_ - 1); }

private:
    FilePath folder_;
    PhotoList photos_;
    int index_ = -1;
    PhotoView* view_;
    QLabel* caption_;
    QLabel* counter_;
    QPushButton* previous_;
    QPushButton* next_;
};
