#include "checklist_dialog.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "checklist_form.h"
#include "entry_dialog_style.h"
#include "named_controls.h"
#include "text_codec.h"

using checklist::Answer;

namespace {

// The answers in the order of their buttons, which is also their id in a row's group.
constexpr Answer kAnswers[] = {Answer::kYes, Answer::kNo, Answer::kNotApplicable};

int ButtonOf(Answer answer) {
    for (int id = 0; id < 3; ++id) {
        if (kAnswers[id] == answer) return id;
    }
    return -1;
}

QString ItemName(int number) {
    return QString("Item%1").arg(number, 2, 10, QChar('0'));
}

}  // namespace

ChecklistDialog::ChecklistDialog(ChecklistForm& form, QWidget* parent) : QDialog(parent), form_(form) {
    setObjectName("frmCuestionario");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(ToQt(form_.Caption()));
    BuildControls();
    Reflect(false);
    lstItems->setFocus();
    resize(860, 640);
}

void ChecklistDialog::BuildControls() {
    auto* layout = new QVBoxLayout(this);

    QStringList notes;
    for (const std::string& note : form_.Notes())
        notes << ToQt(note);
    lblNotas = NamedLabel("lblNotas", notes.join('\n'), this);
    lblNotas->setTextFormat(Qt::PlainText);  // catalogue texts, never markup
    lblNotas->setWordWrap(true);
    lblNotas->setFrameShape(QFrame::StyledPanel);
    lblNotas->setMargin(6);
    lblNotas->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblNotas->setVisible(!notes.isEmpty());
    layout->addWidget(lblNotas);

    lstItems = new QScrollArea(this);
    lstItems->setObjectName("lstItems");
    lstItems->setWidgetResizable(true);
    lstItems->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstItems->setFocusPolicy(Qt::StrongFocus);
    lstItems->installEventFilter(this);
    auto* list = new QWidget(lstItems);
    list->setObjectName("lstItemsContent");
    auto* rows = new QVBoxLayout(list);
    rows->setSpacing(1);
    for (int i = 0; i < static_cast<int>(form_.Items().size()); ++i)
        rows->addWidget(BuildRow(i, list));
    rows->addStretch(1);
    lstItems->setWidget(list);
    layout->addWidget(lstItems, 1);

    lblTeclas = NamedLabel(
        "lblTeclas",
        QString::fromUtf8("Flechas: cambiar de ítem · S: Sí · N: No · P: No procede · Supr: sin responder"),
        this);
    lblTeclas->setEnabled(false);  // a hint, drawn softly
    layout->addWidget(lblTeclas);

    auto* bottom = new QHBoxLayout;
    lblRespondidos = NamedLabel("lblRespondidos", QString(), this);
    btnPendientes = new QPushButton(QString::fromUtf8("&Marcar pendientes como Sí"), this);
    btnPendientes->setObjectName("btnPendientes");
    btnPendientes->setAutoDefault(false);
    connect(btnPendientes, &QPushButton::clicked, this, [this] {
        form_.MarkPendingAsYes();
        Reflect();
    });
    bottom->addWidget(lblRespondidos);
    bottom->addSpacing(12);
    bottom->addWidget(btnPendientes);
    AddOkCancelButtons(*this, *bottom, {"BitBtn1", "&Aceptar"}, {"BitBtn2", "&Cancelar"}, true)
        .cancel->setAutoDefault(false);
    layout->addLayout(bottom);
}

QFrame* ChecklistDialog::BuildRow(int index, QWidget* parent) {
    const ChecklistForm::Item& item = form_.Items()[index];
    auto* frame = new QFrame(parent);
    frame->setObjectName(ItemName(item.number));
    frame->installEventFilter(this);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(6, 4, 6, 4);

    auto* number = new QLabel(QString("%1.").arg(item.number), frame);
    QFont bold = number->font();
    bold.setBold(true);
    number->setFont(bold);
    number->setFixedWidth(number->fontMetrics().horizontalAdvance("000."));
    number->setAlignment(Qt::AlignRight | Qt::AlignTop);
    row->addWidget(number, 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    auto* text = new QLabel(ToQt(item.text), frame);
    text->setObjectName("lblTexto");
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    texts->addWidget(text);
    if (item.locked) {
        auto* note =
            new QLabel(QString::fromUtf8("Deficiencia anotada: la respuesta es No mientras exista"), frame);
        entry_style::Result(note);
        QFont small = note->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        small.setBold(false);
        small.setItalic(true);
        note->setFont(small);
        texts->addWidget(note);
    }
    row->addLayout(texts, 1);

    // The degree letter, discreet: small and grey, its meaning in the tooltip.
    auto* degree = new QLabel(item.degree ? QString(QChar::fromLatin1(item.degree)) : QString(), frame);
    degree->setObjectName("lblGrado");
    degree->setEnabled(false);
    QFont small = degree->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    degree->setFont(small);
    degree->setFixedWidth(degree->fontMetrics().horizontalAdvance("MM"));
    degree->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    degree->setToolTip(QString::fromUtf8("Nivel de deficiencia que propone el catálogo: ") +
                       ToQt(ChecklistForm::DegreeName(item.degree)));
    row->addWidget(degree, 0, Qt::AlignTop);

    Row r{frame, new QButtonGroup(frame), nullptr, nullptr, nullptr};
    QRadioButton** buttons[] = {&r.yes, &r.no, &r.notApplicable};
    const QString captions[] = {QString::fromUtf8("Sí"), "No", "No procede"};
    const char* names[] = {"rbSi", "rbNo", "rbNoProcede"};
    for (int id = 0; id < 3; ++id) {
        auto* button = new QRadioButton(captions[id], frame);
        button->setObjectName(names[id]);
        // The list keeps the keyboard: arrows move between items, not between these buttons.
        button->setFocusPolicy(Qt::NoFocus);
        r.answers->addButton(button, id);
        row->addWidget(button, 0, Qt::AlignTop);
        *buttons[id] = button;
    }
    r.yes->setMinimumWidth(r.yes->sizeHint().width() + 8);
    r.no->setMinimumWidth(r.no->sizeHint().width() + 8);
    connect(r.answers, &QButtonGroup::idClicked, this, [this, index](int id) {
        form_.SetCurrent(index);
        form_.SetAnswer(index, kAnswers[id]);
        lstItems->setFocus();
        Reflect();
    });
    rows_.push_back(r);
    return frame;
}

bool ChecklistDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstItems && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        return ListKey(key->key(), key->text());
    }
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
            if (rows_[i].frame == watched) {
                form_.SetCurrent(i);
                lstItems->setFocus();
                Reflect();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ChecklistDialog::keyPressEvent(QKeyEvent* event) {
    // Over the buttons too, the letters answer; arrows there move between the buttons.
    const bool letter = event->key() == Qt::Key_S || event->key() == Qt::Key_N || event->key() == Qt::Key_P;
    if (letter && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
        ListKey(event->key(), event->text())) {
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ChecklistDialog::ListKey(int key, const QString& text) {
    const int count = static_cast<int>(form_.Items().size());
    if (count == 0) return false;
    switch (key) {
        case Qt::Key_Up:
            form_.MovePrevious();
            break;
        case Qt::Key_Down:
            form_.MoveNext();
            break;
        case Qt::Key_Home:
            form_.SetCurrent(0);
            break;
        case Qt::Key_End:
            form_.SetCurrent(count - 1);
            break;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            const int page = 8;
            form_.SetCurrent(
                std::clamp(form_.Current() + (key == Qt::Key_PageUp ? -page : page), 0, count - 1));
            break;
        }
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            form_.SetAnswer(form_.Current(), Answer::kNone);
            break;
        default:
            if (text.size() != 1 || !form_.KeyTyped(text.at(0).toLatin1())) return false;
            break;
    }
    Reflect();
    return true;
}

void ChecklistDialog::Reflect(bool scroll) {
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i)
        ReflectRow(i);
    lblRespondidos->setText(ToQt(form_.CountText()));
    const int current = form_.Current();
    // With a little of the neighbouring items in sight, to read the current one in its place.
    if (scroll && current >= 0) lstItems->ensureWidgetVisible(rows_[current].frame, 0, 24);
}

void ChecklistDialog::ReflectRow(int index) {
    const ChecklistForm::Item& item = form_.Items()[index];
    Row& row = rows_[index];
    const int id = ButtonOf(item.answer);
    if (id < 0) {
        // An exclusive group keeps one button checked; none is, for an item not answered.
        row.answers->setExclusive(false);
        for (QAbstractButton* button : row.answers->buttons())
            button->setChecked(false);
        row.answers->setExclusive(true);
    } else {
        row.answers->button(id)->setChecked(true);
    }
    row.yes->setEnabled(!item.locked);
    row.notApplicable->setEnabled(!item.locked);

    // The current item stands out in a pale shade of the selection colour.
    const bool current = index == form_.Current();
    if (current) {
        QPalette palette = lstItems->palette();
        const QColor base = palette.color(QPalette::Base);
        const QColor highlight = palette.color(QPalette::Highlight);
        palette.setColor(QPalette::Window, QColor((base.red() * 3 + highlight.red()) / 4,
                                                  (base.green() * 3 + highlight.green()) / 4,
                                                  (base.blue() * 3 + highlight.blue()) / 4));
        row.frame->setPalette(palette);
    }
    row.frame->setAutoFillBackground(current);
    row.frame->setFrameShape(current ? QFrame::Box : QFrame::NoFrame);
}
