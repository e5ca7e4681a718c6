#include "find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

FindBar::FindBar(QWidget* parent) : QWidget(parent) {
    setObjectName("FindBar");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    auto* label = new QLabel("Buscar:", this);
    edtBuscar = new QLineEdit(this);
    edtBuscar->setObjectName("edtBuscar");
    edtBuscar->setClearButtonEnabled(true);
    edtBuscar->setPlaceholderText(QString::fromUtf8("Nombre, texto, técnico, fecha ..."));
    label->setBuddy(edtBuscar);
    lblResultado = new QLabel(this);
    lblResultado->setObjectName("lblResultado");
    lblResultado->setMinimumWidth(lblResultado->fontMetrics().horizontalAdvance("No encontrado "));
    auto button = [this](const char* name, const QString& tip, QStyle::StandardPixmap icon) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setAutoRaise(true);
        b->setIcon(style()->standardIcon(icon));
        return b;
    };
    btnAnterior = button("btnAnterior", "Anterior (Mayús+F3)", QStyle::SP_ArrowUp);
    btnSiguiente = button("btnSiguiente", "Siguiente (F3)", QStyle::SP_ArrowDown);
    btnCerrar = button("btnCerrar", "Cerrar (Esc)", QStyle::SP_DialogCloseButton);
    layout->addWidget(label);
    layout->addWidget(edtBuscar, 1);
    layout->addWidget(lblResultado);
    layout->addWidget(btnAnterior);
    layout->addWidget(btnSiguiente);
    layout->addWidget(btnCerrar);
    setFocusProxy(edtBuscar);
    edtBuscar->installEventFilter(this);

    connect(edtBuscar, &QLineEdit::textEdited, this, &FindBar::textEdited);
    connect(btnAnterior, &QToolButton::clicked, this, &FindBar::previousRequested);
    connect(btnSiguiente, &QToolButton::clicked, this, &FindBar::nextRequested);
    connect(btnCerrar, &QToolButton::clicked, this, [this] {
        hide();
        emit closed();
    });
    hide();
}

QString FindBar::Text() const {
    return edtBuscar->text();
}

void FindBar::Open() {
    show();
    edtBuscar->setFocus(Qt::ShortcutFocusReason);
    edtBuscar->selectAll();
}

void FindBar::ShowResult(int position, int count) {
    if (edtBuscar->text().isEmpty()) {
        lblResultado->clear();
    } else if (count == 0) {
        lblResultado->setText("No encontrado");
    } else {
        lblResultado->setText(QString("%1 de %2").arg(position).arg(count));
    }
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtBuscar && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier) {
                emit previousRequested();
            } else {
                emit nextRequested();
            }
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            hide();
            emit closed();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
