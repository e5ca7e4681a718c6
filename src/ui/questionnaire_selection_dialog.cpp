#include "questionnaire_selection_dialog.h"

#include <algorithm>

#include <QDateEdit>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "named_controls.h"
#include "qt_dates.h"
#include "qt_spanish.h"
#include "questionnaire_selection_form.h"
#include "text_codec.h"

namespace {

// The row of the list's selected entry, or -1 when none is selected.
int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.constFirst());
}

QToolButton* MoveButton(const char* name, const QString& glyph, const QString& hint, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(glyph);
    button->setToolTip(hint);
    button->setFixedSize(36, 28);
    return button;
}

}  // namespace

QuestionnaireSelectionDialog::QuestionnaireSelectionDialog(QuestionnaireSelectionForm& form,
                                                           const QString& dateFormat, QWidget* parent)
    : QDialog(parent), form_(form) {
    setObjectName("frmSelCuest");
    setWindowTitle(ToQt(form_.Caption()));
    setModal(true);

    BuildLists();
    BuildDate();
    dtPick->setDisplayFormat(dateFormat);

    auto* buttons = new QHBoxLayout;
    QPushButton* ok =
        AddOkCancelButtons(*this, *buttons, {"OKBtn", "&Aceptar"}, {"CancelBtn", "&Cancelar"}, false).ok;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowLists();
    FitLists();
    ok->setFocus();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void QuestionnaireSelectionDialog::BuildLists() {
    GroupBox1 = new QGroupBox(QString::fromUtf8("Selección Cuestionarios:"), this);
    GroupBox1->setObjectName("GroupBox1");
    Label1 = new QLabel("Cuestionarios disponibles:", GroupBox1);
    Label1->setObjectName("Label1");
    Label2 = new QLabel("Cuestionarios seleccionados:", GroupBox1);
    Label2->setObjectName("Label2");
    Label3 = new QLabel("Doble click para seleccionar", GroupBox1);
    Label3->setObjectName("Label3");
    ListBox1 = new QListWidget(GroupBox1);
    ListBox1->setObjectName("ListBox1");
    ListBox2 = new QListWidget(GroupBox1);
    ListBox2->setObjectName("ListBox2");
    for (QListWidget* list : {ListBox1, ListBox2})
        list->setSelectionMode(QAbstractItemView::SingleSelection);

    SpeedButton1 = MoveButton("SpeedButton1", ">>", "Todos disponibles", GroupBox1);
    SpeedButton2 = MoveButton("SpeedButton2", ">", "Seleccionado", GroupBox1);
    SpeedButton3 = MoveButton("SpeedButton3", "<", "Eliminar", GroupBox1);
    SpeedButton4 = MoveButton("SpeedButton4", "<<", "Eliminar todos", GroupBox1);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QToolButton* button : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4})
        moves->addWidget(button);
    moves->addStretch();

    auto* grid = new QGridLayout(GroupBox1);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 2);
    grid->addWidget(ListBox1, 1, 0);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(ListBox2, 1, 2);
    grid->addWidget(Label3, 2, 0, 1, 3);

    connect(SpeedButton1, &QToolButton::clicked, this, [this] {
        form_.SelectAll();
        ShowLists();
    });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] {
        form_.Select(SelectedRow(ListBox1));
        ShowLists();
    });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] {
        form_.Deselect(SelectedRow(ListBox2));
        ShowLists();
    });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] {
        form_.DeselectAll();
        ShowLists();
    });
    for (QListWidget* list : {ListBox1, ListBox2}) {
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, list](QListWidgetItem* item) { MoveEntry(list, list->row(item), false); });
        list->installEventFilter(this);
    }
}

void QuestionnaireSelectionDialog::MoveEntry(QListWidget* from, int row, bool keepHighlight) {
    if (from == ListBox1) {
        form_.Select(row);
    } else {
        form_.Deselect(row);
    }
    ShowLists();
    if (keepHighlight && from->count() > 0) from->setCurrentRow(std::min(row, from->count() - 1));
}

bool QuestionnaireSelectionDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QListWidget*>(watched);
    if (list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int row = SelectedRow(list);
            if (row >= 0) MoveEntry(list, row, true);
            return true;  // never the default button's: the user is choosing entries
        }
    }
    return QDialog::eventFilter(watched, event);
}

void QuestionnaireSelectionDialog::BuildDate() {
    GroupBox2 = new QGroupBox(QString::fromUtf8(" Fecha probable de inspección: "), this);
    GroupBox2->setObjectName("GroupBox2");
    dtPick = new QDateEdit(GroupBox2);
    dtPick->setObjectName("dtPick");
    ShowCalendarInSpanish(*dtPick);
    dtPick->setMinimumDate(QDate(100, 1, 1));
    dtPick->setDate(QtDates::ToQDate(form_.date));
    Label4 = new QLabel(QString::fromUtf8("Indicar fecha probable de inspección (calendario desplegable)"),
                        GroupBox2);
    Label4->setObjectName("Label4");
    auto* row = new QHBoxLayout(GroupBox2);
    row->addWidget(dtPick);
    row->addWidget(Label4, 1);
    connect(dtPick, &QDateEdit::dateChanged, this,
            [this](const QDate& date) { form_.date = QtDates::FromQDate(date); });
}

void QuestionnaireSelectionDialog::FitLists() {
    // Room for every entry in either list, so that neither ever needs scrolling.
    const QListWidget* filled = ListBox1->count() > 0 ? ListBox1 : ListBox2;
    const int rows = static_cast<int>(QuestionnaireSelectionForm::FixedEntries().size());
    const QFontMetrics metrics(ListBox1->font());
    int width = 0;
    for (const std::string& entry : QuestionnaireSelectionForm::FixedEntries())
        width = std::max(width, metrics.horizontalAdvance(ToQt(entry)));
    for (QListWidget* list : {ListBox1, ListBox2}) {
        const int frame = 2 * list->frameWidth();
        list->setFixedSize(width + frame + 24, rows * filled->sizeHintForRow(0) + frame + 4);
    }
}

void QuestionnaireSelectionDialog::ShowLists() {
    const std::pair<QListWidget*, const std::vector<std::string>*> lists[] = {{ListBox1, &form_.Available()},
                                                                              {ListBox2, &form_.Selected()}};
    for (const auto& [widget, entries] : lists) {
        widget->clear();
        for (const std::string& entry : *entries)
            widget->addItem(ToQt(entry));
    }
}
