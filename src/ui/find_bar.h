#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

// The small bar above the tree of "Buscar ...": the text looked for, "N de M", and buttons for
// the previous and the next match and for closing it. Return goes to the next match,
// Shift+Return to the previous one, Escape closes the bar.
class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);

    QString Text() const;
    // Shows the bar with its text selected, ready to be typed over.
    void Open();
    // "N de M", or that nothing was found; nothing at all for an empty text.
    void ShowResult(int position, int count);

    // Controls by their names.
    QLineEdit* edtBuscar;
    QLabel* lblResultado;
    QToolButton* btnAnterior;
    QToolButton* btnSiguiente;
    QToolButton* btnCerrar;

signals:
    void textEdited(const QString& text);
    void nextRequested();
    void previousRequested();
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
