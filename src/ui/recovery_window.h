#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "recovery_folder.h"

class QLabel;
class QPushButton;
class QTableWidget;

// "Recuperar documentos": the recovery copies that no running program owns, one row each
// (document, folder, time of the copy, time of the document file), with "Abrir la copia",
// "Descartar" and "Más tarde". A copy is removed only by "Descartar"; the window then lists the
// rest, and closes when none is left.
class RecoveryWindow : public QDialog {
    Q_OBJECT
public:
    // `discard` removes a copy the user gave up.
    RecoveryWindow(std::vector<OrphanedCopy> copies, std::function<void(const OrphanedCopy&)> discard,
                   QWidget* parent = nullptr);

    // After exec: the copy to open, if the user chose one.
    std::optional<OrphanedCopy> Chosen() const { return chosen_; }
    const std::vector<OrphanedCopy>& Remaining() const { return copies_; }

    // Controls by their names.
    QTableWidget* ListaCopias;
    QLabel* lblAviso;
    QPushButton* btnAbrir;
    QPushButton* btnDescartar;
    QPushButton* btnMasTarde;

private:
    void Fill();
    void SelectionChanged();
    void AbrirClick();
    void DescartarClick();

    std::vector<OrphanedCopy> copies_;
    std::function<void(const OrphanedCopy&)> discard_;
    std::optional<OrphanedCopy> chosen_;
};
