#pragma once

#include <QWidget>

#include "overview_export.h"
#include "short_date_format.h"

class DatePort;
class OverviewLoader;
class OverviewSortModel;
class OverviewTableModel;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class UserPort;

// "Resumen de una carpeta": one row per document of a folder, read on other threads while the
// rows appear, with a progress bar and "Cancelar"; sortable by any column, searched, with the
// total row last, on the date "A fecha de:"; saved as a workbook or CSV. A double click asks
// for that document to be opened in the main window.
class OverviewWindow : public QWidget {
    Q_OBJECT
public:
    OverviewWindow(const FilePath& folder, UserPort& port, DatePort& dates, QWidget* parent = nullptr);
    ~OverviewWindow() override;

    // Reads the folder again with the window's options.
    void Reload();
    bool Loading() const;
    // The overview of the documents read so far, in the folder's order.
    overview::Overview Overview() const;

    // Controls by their names (also their object names).
    QLabel* lblCarpeta;
    QCheckBox* chkSubcarpetas;
    QDateEdit* dtAFecha;
    QLineEdit* edtBuscar;
    QTableView* tblResumen;
    QProgressBar* prgLectura;
    QPushButton* btnCancelar;
    QLabel* lblEstado;
    QPushButton* btnXlsx;
    QPushButton* btnCsv;
    QPushButton* btnCerrar;

signals:
    void documentRequested(const FilePath& path);
    // Every document of the folder was read (or the folder could not be).
    void loaded();

private:
    void BuildControls();
    void BuildLayout();
    void Loaded();
    void FitColumns();
    void Save(overview::Format format);
    Date AsOf() const;

    FilePath folder_;
    UserPort& port_;
    DatePort& dates_;
    ShortDateFormat format_;
    OverviewTableModel* model_;
    OverviewSortModel* sorted_;
    OverviewLoader* loader_;
    bool columnsFitted_ = false;
};
