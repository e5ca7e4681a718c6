#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <memory>
#include <vector>

#include "file_path.h"
#include "help_pages.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// Shows a help page: the pages are Windows-1252, which Qt's HTML reader does not know by itself.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};

// The program's own help window: the contents on the left (with a search over the pages), the
// page on the right, and back, forward and the first page above. It reads the pages that the
// build makes for the help file, from the folder "ayuda".
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(const FilePath& folder, QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Shows a page, "editor.htm" or "ayuda.htm#acerca-de"; empty for the first page.
    void ShowTopic(const std::string& target);

    // Controls by their names.
    QToolButton* btnAtras;
    QToolButton* btnAdelante;
    QToolButton* btnInicio;
    QTabWidget* tabIndice;
    QTreeWidget* trvContenido;
    QLineEdit* edtBuscarAyuda;
    QListWidget* lstResultados;
    HelpBrowser* txtPagina;

private:
    void FillContents();
    void Search();
    void MarkCurrentInContents(const QUrl& source);

    FilePath folder_;
    std::vector<help::ContentsEntry> contents_;
    std::unique_ptr<help::PageSearch> search_;  // read when first needed
};
