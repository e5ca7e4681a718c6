#include "measure_dialog.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialog_text.h"
#include "entry_dialog_style.h"
#include "measure_form.h"
#include "named_controls.h"
#include "qt_dates.h"
#include "qt_spanish.h"
#include "photo_strip.h"
#include "text_codec.h"
#include "valuation_code.h"

MeasureDialog::MeasureDialog(MeasureForm& form, QWidget* parent, DocumentSession* session)
    : QDialog(parent), form_(form) {
    setObjectName("frmMedida");
    entry_style::FixedWindow(this);
    if (session) photos = new PhotoStrip(*session, 'R', form_.Photos(), this);
    BuildControls();
    BuildLayout();

    setWindowTitle(ToQt(form_.Caption()));
    Edit1->setText(ToQt(form_.Location()));
    Edit2->setText(ToQt(form_.Measure()));
    Edit3->setText(ToQt(form_.Detected()));
    Edit3->setCursorPosition(0);
    Edit1->setCursorPosition(0);
    Memo1->setPlainText(MemoToQt(form_.Comments()));
    for (int i = 0; i < static_cast<int>(levels_.size()); ++i)
        levels_[i]->setChecked(i == form_.Level());
    dtP->setDate(QtDates::ToQDate(form_.PlannedDate()));
    MemoRecursos->setPlainText(MemoToQt(form_.Resources()));
    EditCoste->setText(ToQt(form_.Cost()));
    Edit2->setFocus();  // the location above is only shown
}

void MeasureDialog::BuildControls() {
    Label11 = NamedLabel("Label11", "Procedencia:", this);
    Edit1 = NamedEdit("Edit1", this);
    Edit1->setReadOnly(true);
    Label3 = NamedLabel("Label3", QString::fromUtf8("Medida específica:"), this);
    Edit2 = NamedEdit("Edit2", this);
    Label5 = NamedLabel("Label5", "Deficiencia detectada", this);
    // Shown for reference: what is typed here is not kept.
    Edit3 = NamedEdit("Edit3", this);
    Label4 = NamedLabel("Label4", "Comentarios:", this);
    Memo1 = NamedMemo("Memo1", 4, this);
    for (QLabel* wrapped : {Label3, Label5}) {
        wrapped->setWordWrap(true);
        wrapped->setFixedWidth(wrapped->fontMetrics().horizontalAdvance("Deficiencia") + 8);
    }

    Label1 = NamedLabel("Label1", QString::fromUtf8("Nivel de Intervención"), this);
    const char* names[] = {"RadioButton1", "RadioButton2", "RadioButton6", "RadioButton7"};
    QRadioButton** members[] = {&RadioButton1, &RadioButton2, &RadioButton6, &RadioButton7};
    for (int i = 0; i < 4; ++i) {
        // Shown only: set from the deficiency, never by the user, and possibly none.
        auto* button =
            new QRadioButton(" " + ToQt(valuation::InterventionLevelName(static_cast<char>('0' + i))), this);
        button->setObjectName(names[i]);
        button->setAutoExclusive(false);
        button->setEnabled(false);
        entry_style::Result(button);
        levels_.push_back(button);
        *members[i] = button;
    }

    Label2 = NamedLabel("Label2", "Fecha Prevista:", this);
    dtP = new QDateEdit(this);
    dtP->setObjectName("dtP");
    ShowCalendarInSpanish(*dtP);
    dtP->setDisplayFormat(QString::fromStdString(QtDates().Format().Pattern()));

    LabelRecursos = NamedLabel("LabelRecursos", "Recursos:", this);
    LabelRecursos->setToolTip(QString::fromUtf8("Recursos humanos y materiales, y coste, de la medida"));
    MemoRecursos = NamedMemo("MemoRecursos", 2, this);
    LabelCoste = NamedLabel("LabelCoste", QString::fromUtf8("Coste previsto (€):"), this);
    EditCoste = NamedEdit("EditCoste", this);
    EditCoste->setAlignment(Qt::AlignRight);
    EditCoste->setPlaceholderText("0,00");
    EditCoste->setMaximumWidth(EditCoste->fontMetrics().horizontalAdvance("0") * 18);
}

void MeasureDialog::BuildLayout() {
    auto* main = new QVBoxLayout(this);
    main->setSizeConstraint(QLayout::SetFixedSize);
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(1, Edit1->fontMetrics().averageCharWidth() * 80);
    int row = 0;
    auto addRow = [&](QLabel* label, QWidget* field) {
        grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(field, row, 1);
        ++row;
    };
    addRow(Label11, Edit1);
    addRow(Label3, Edit2);
    addRow(Label5, Edit3);
    grid->addWidget(Label4, row, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(Memo1, row++, 1);
    main->addLayout(grid);

    main->addSpacing(6);
    main->addWidget(Label1);
    auto* levels = new QHBoxLayout;
    for (QRadioButton* button : levels_)
        levels->addWidget(button);
    levels->addStretch(1);
    main->addLayout(levels);

    main->addSpacing(6);
    auto* planned = new QHBoxLayout;
    planned->addWidget(Label2);
    planned->addWidget(dtP);
    planned->addStretch(1);
    main->addLayout(planned);

    // The resources go below every control above; the buttons stay at the foot of the window.
    main->addSpacing(6);
    auto* resources = new QGridLayout;
    resources->setColumnMinimumWidth(1, Edit1->fontMetrics().averageCharWidth() * 80);
    int labelWidth = 0;  // the boxes line up with those above
    for (QLabel* label : {Label11, Label3, Label5, Label4})
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    resources->setColumnMinimumWidth(0, labelWidth);
    resources->addWidget(LabelRecursos, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    resources->addWidget(MemoRecursos, 0, 1);
    main->addLayout(resources);
    // The cost on a row of its own, as the planned date above.
    main->addSpacing(6);
    auto* cost = new QHBoxLayout;
    cost->addWidget(LabelCoste);
    cost->addWidget(EditCoste);
    cost->addStretch(1);
    main->addLayout(cost);
    if (photos) {
        main->addSpacing(6);
        main->addWidget(photos);
    }

    auto* bottom = new QHBoxLayout;
    AddOkCancelButtons(*this, *bottom, {"BitBtn1", "&Aceptar"}, {"BitBtn2", "&Cancelar"}, true);
    main->addLayout(bottom);
}

void MeasureDialog::accept() {
    DialogTextReader reader;
    const std::string measure = reader.Line(Edit2->text());
    const std::string comments = reader.Memo(Memo1->toPlainText());
    const std::string resources = reader.Memo(MemoRecursos->toPlainText());
    const std::string cost = reader.Line(EditCoste->text());
    const PhotoList photoList = photos ? photos->Photos(reader) : PhotoList();
    if (reader.Refused(this)) return;
    if (const auto problem = form_.SetCost(cost)) {
        QMessageBox::warning(this, windowTitle(), ToQt(*problem));
        EditCoste->setFocus();
        return;
    }
    form_.SetResources(resources);
    form_.SetMeasure(measure);
    form_.SetComments(comments);
    form_.SetPlannedDate(QtDates::FromQDate(dtP->date()));
    if (photos) form_.SetPhotos(photoList);
    QDialog::accept();
}

void MeasureDialog::done(int result) {
    if (photos) photos->Finish(result == Accepted);
    QDialog::done(result);
}
