#include "node_data_dialog.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>
#include <array>
#include <functional>
#include <initializer_list>

#include "blankable_date_edit.h"
#include "dialog_text.h"
#include "entry_dialog_style.h"
#include "firm_data_box.h"
#include "kinds.h"
#include "named_controls.h"
#include "node_data_form.h"
#include "qt_dates.h"
#include "photo_strip.h"
#include "text_codec.h"
#include "workstation_data_box.h"

namespace {

constexpr int kLabelWidth = 132;
constexpr int kBoxWidth = 340;
const QString kCalendarHint = QString::fromUtf8("(Pulsar desplegable para ver un calendario):");

// Captions stand at the top of their row, beside the first line of a text box.
QLabel* CaptionLabel(const char* name, const QString& caption, QWidget* parent) {
    QLabel* label = NamedLabel(name, caption, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

BlankableDateEdit* DatePicker(const char* name, QWidget* parent) {
    auto* picker = new BlankableDateEdit(parent);
    picker->setObjectName(name);
    picker->setDisplayFormat(QString::fromStdString(QtDates().Format().Pattern()));
    picker->setFixedWidth(130);
    return picker;
}

QFrame* Panel(const char* name, QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    return panel;
}

QGridLayout* LabelledGrid(QWidget* owner) {
    auto* grid = new QGridLayout(owner);
    grid->setColumnMinimumWidth(0, kLabelWidth);
    grid->setColumnMinimumWidth(1, kBoxWidth);
    grid->setColumnStretch(1, 1);
    return grid;
}

// The panel of one date, its controls named in `names` from the panel down: the calendar hint
// across, the date's caption and calendar (with what `beside` makes at the row's end), and the
// caption and name of the technician. Made in that order, which is also the order of the tab key.
QFrame* DatePanel(const std::array<const char*, 6>& names, const QString& dateCaption,
                  BlankableDateEdit*& date, QLineEdit*& technician,
                  const std::function<QWidget*(QWidget*)>& beside, QWidget* parent) {
    QFrame* panel = Panel(names[0], parent);
    auto* grid = LabelledGrid(panel);
    grid->addWidget(CaptionLabel(names[1], kCalendarHint, panel), 0, 0, 1, 2);
    grid->addWidget(CaptionLabel(names[2], dateCaption, panel), 1, 0, Qt::AlignVCenter);
    auto* dateRow = new QHBoxLayout;
    date = DatePicker(names[3], panel);
    dateRow->addWidget(date);
    dateRow->addStretch();
    if (beside) dateRow->addWidget(beside(panel));
    grid->addLayout(dateRow, 1, 1);
    grid->addWidget(CaptionLabel(names[4], QString::fromUtf8("Técnico:"), panel), 2, 0, Qt::AlignVCenter);
    technician = NamedEdit(names[5], panel);
    grid->addWidget(technician, 2, 1);
    return panel;
}

// The level buttons only show the deficiency's level: disabled, in bold maroon.
QRadioButton* LevelButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    button->setEnabled(false);
    entry_style::Result(button);
    return button;
}

void SetVisible(std::initializer_list<QWidget*> controls, bool visible) {
    for (QWidget* control : controls)
        control->setVisible(visible);
}

}  // namespace

NodeDataDialog::NodeDataDialog(NodeDataForm& form, BlankQuestionnaireHook printBlank, QWidget* parent,
                               DocumentSession* session)
    : QDialog(parent), form_(form), printBlank_(std::move(printBlank)) {
    if (session && form_.Adaptation().showsPhotos)
        photos = new PhotoStrip(*session, form_.Kind(), form_.Values().photos, this);
    setObjectName("frmDatos");
    setWindowTitle(QString::fromUtf8("Edición de Datos"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    BuildControls();
    Adapt();
    Fill();
    connect(DateTimePicker2, &BlankableDateEdit::userChangedDate, this,
            &NodeDataDialog::DateTimePicker2Change);
    connect(BitBtn3, &QPushButton::clicked, this, &NodeDataDialog::BitBtn3Click);
    connect(btnResponder, &QPushButton::clicked, this, &NodeDataDialog::btnResponderClick);
    Memo1->setFocus();
}

void NodeDataDialog::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // a fixed-size window that fits what is shown

    auto* location = new QWidget(this);
    auto* locationRow = LabelledGrid(location);
    Label11 = CaptionLabel("Label11", "Procedencia:", location);
    Edit2 = NamedEdit("Edit2", location);
    Edit2->setReadOnly(true);
    locationRow->addWidget(Label11, 0, 0, Qt::AlignVCenter);
    locationRow->addWidget(Edit2, 0, 1);
    layout->addWidget(location);

    Panel1 = Panel("Panel1", this);
    auto* names = LabelledGrid(Panel1);
    Label4 = CaptionLabel("Label4", "Nombre:", Panel1);
    Memo1 = NamedMemo("Memo1", 2, Panel1);
    Label5 = CaptionLabel("Label5", "Comentarios:", Panel1);
    mem5 = NamedMemo("mem5", 4, Panel1);
    Label3 = CaptionLabel("Label3", QString::fromUtf8("Nivel de Intervención"), Panel1);
    RadioButton5 = LevelButton("RadioButton5", QString::fromUtf8(" Crítico"), Panel1);
    RadioButton2 = LevelButton("RadioButton2", " A corregir", Panel1);
    RadioButton6 = LevelButton("RadioButton6", " A mejorar", Panel1);
    RadioButton7 = LevelButton("RadioButton7", " No imprescindible", Panel1);
    auto* levels = new QButtonGroup(this);
    auto* levelRow = new QHBoxLayout;
    for (QRadioButton* button : {RadioButton5, RadioButton2, RadioButton6, RadioButton7}) {
        levels->addButton(button);
        levelRow->addWidget(button);
    }
    levelRow->addStretch();
    names->addWidget(Label4, 0, 0);
    names->addWidget(Memo1, 0, 1);
    names->addWidget(Label5, 1, 0);
    names->addWidget(mem5, 1, 1);
    names->addWidget(Label3, 2, 0, Qt::AlignVCenter);
    names->addLayout(levelRow, 2, 1);
    layout->addWidget(Panel1);

    layout->addWidget(DatePanel(
        {"Panel2", "Label1", "Label6", "DateTimePicker1", "Label7", "edt7"},
        "Fecha Prevista:", DateTimePicker1, edt7,
        [this](QWidget* panel) {
        BitBtn3 = new QPushButton(QString::fromUtf8("Imp. Vacío"), panel);
        BitBtn3->setObjectName("BitBtn3");
        BitBtn3->setIcon(QIcon::fromTheme("document-print", style()->standardIcon(QStyle::SP_FileIcon)));
        BitBtn3->setAutoDefault(false);
        return BitBtn3;
        },
        this));
    layout->addWidget(DatePanel({"Panel3", "Label2", "Label8", "DateTimePicker2", "Label9", "edt9"},
                                "Fecha Realiz:", DateTimePicker2, edt9, nullptr, this));

    auto* observations = new QWidget(this);
    auto* observationsRow = LabelledGrid(observations);
    Label10 = CaptionLabel("Label10", "Observaciones:", observations);
    mem10 = NamedMemo("mem10", 3, observations);
    observationsRow->addWidget(Label10, 0, 0);
    observationsRow->addWidget(mem10, 0, 1);
    layout->addWidget(observations);

    auto* resources = new QWidget(this);
    auto* resourcesRow = LabelledGrid(resources);
    LabelRecursos = CaptionLabel("LabelRecursos", "Recursos:", resources);
    LabelRecursos->setToolTip(QString::fromUtf8("Recursos humanos y materiales, y coste, de la medida"));
    memRecursos = NamedMemo("memRecursos", 2, resources);
    resourcesRow->addWidget(LabelRecursos, 0, 0);
    resourcesRow->addWidget(memRecursos, 0, 1);
    LabelCoste = CaptionLabel("LabelCoste", "Coste previsto (€):", resources);
    edtCoste = NamedEdit("edtCoste", resources);
    edtCoste->setAlignment(Qt::AlignRight);
    edtCoste->setPlaceholderText("0,00");
    edtCoste->setMaximumWidth(edtCoste->fontMetrics().horizontalAdvance("0") * 18);
    resourcesRow->addWidget(LabelCoste, 1, 0);
    resourcesRow->addWidget(edtCoste, 1, 1, Qt::AlignLeft);
    layout->addWidget(resources);

    auto* answers = new QWidget(this);
    answers->setObjectName("Respuestas");
    auto* answersRow = new QHBoxLayout(answers);
    lblRespondidos = NamedLabel("lblRespondidos", QString(), answers);
    btnResponder = new QPushButton("Responder Cuestionario", answers);
    btnResponder->setObjectName("btnResponder");
    btnResponder->setAutoDefault(false);
    answersRow->addWidget(lblRespondidos, 1);
    answersRow->addWidget(btnResponder);
    layout->addWidget(answers);

    firmData = new FirmDataBox(this);
    layout->addWidget(firmData);
    workstationData = new WorkstationDataBox(this);
    layout->addWidget(workstationData);
    if (photos) layout->addWidget(photos);

    auto* buttons = new QHBoxLayout;
    AddOkCancelButtons(*this, *buttons, {"BitBtn1", "Aceptar"}, {"BitBtn2", "Cancelar"}, true)
        .cancel->setAutoDefault(false);
    layout->addLayout(buttons);

    // The rows outside the panels line up with the labels and boxes inside them.
    const int inset = Panel1->frameWidth() + names->contentsMargins().left();
    locationRow->setContentsMargins(inset, 0, inset, 0);
    observationsRow->setContentsMargins(inset, 0, inset, 0);
    resourcesRow->setContentsMargins(inset, 0, inset, 0);
    firmData->AlignWith(kLabelWidth, inset);
    workstationData->AlignWith(kLabelWidth, inset);
    answersRow->setContentsMargins(inset, 0, inset, 0);

    // Shown only for the kinds that need them.
    SetVisible({Label3, RadioButton5, RadioButton2, RadioButton6, RadioButton7}, false);
    SetVisible({location, Label11, Edit2, BitBtn3}, false);
    SetVisible({resources, LabelRecursos, memRecursos, LabelCoste, edtCoste}, false);
    SetVisible({answers, lblRespondidos, btnResponder}, false);
}

void NodeDataDialog::Adapt() {
    const NodeDataAdaptation& a = form_.Adaptation();
    Label4->setText(ToQt(a.nameLabel));
    Label5->setText(ToQt(a.commentsLabel));
    Label5->setWordWrap(a.commentsLabelWraps);
    if (a.commentsLabelWraps) Label5->setFixedWidth(kLabelWidth);
    Label10->setText(ToQt(a.observationsLabel));
    // The rows outside the panels go with their controls, so that no gap is left.
    SetVisible({Label10->parentWidget(), Label10, mem10}, a.showsObservations);
    SetVisible({Label3, RadioButton5, RadioButton2, RadioButton6, RadioButton7}, a.showsLevels);
    SetVisible({Label11->parentWidget(), Label11, Edit2}, a.showsLocation);
    SetVisible({LabelRecursos->parentWidget(), LabelRecursos, memRecursos, LabelCoste, edtCoste},
               a.showsResources);
    firmData->Adapt(a);
    workstationData->Adapt(a);
    BitBtn3->setVisible(a.showsPrintBlank);
    BitBtn3->setEnabled(static_cast<bool>(printBlank_));
    Memo1->setReadOnly(a.nameReadOnly);
    SetVisible({lblRespondidos->parentWidget(), lblRespondidos, btnResponder}, form_.OffersAnswering());
}

void NodeDataDialog::Fill() {
    const NodeDataValues& values = form_.Values();
    setWindowTitle(ToQt(form_.Caption()));
    DateTimePicker1->setDate(QtDates::ToQDate(values.planned));
    DateTimePicker2->setDate(QtDates::ToQDate(values.completion));
    DateTimePicker2->SetBlank(!form_.CompletionDateSet());
    Memo1->setPlainText(MemoToQt(values.name));
    mem5->setPlainText(MemoToQt(values.comments));
    QRadioButton* const levels[] = {RadioButton5, RadioButton2, RadioButton6, RadioButton7};
    if (const auto level = form_.Level()) levels[*level]->setChecked(true);
    edt7->setText(ToQt(values.plannedBy));
    edt9->setText(ToQt(values.doneBy));
    mem10->setPlainText(MemoToQt(values.observations));
    memRecursos->setPlainText(MemoToQt(values.resources));
    edtCoste->setText(ToQt(values.cost));
    ShowFromStart(Edit2, ToQt(form_.Location()));
    lblRespondidos->setText(ToQt(form_.AnswersSummary()));
    firmData->Fill(values);
    workstationData->Fill(values);
}

void NodeDataDialog::DateTimePicker2Change() {
    DateTimePicker2->SetBlank(false);
    form_.CompletionDateChanged();
}

void NodeDataDialog::BitBtn3Click() {
    if (!printBlank_) return;
    DialogTextReader reader;
    form_.Values().name = reader.Memo(Memo1->toPlainText());
    printBlank_(form_.BlankQuestionnaireNumber(), form_.BlankHeading());
}

void NodeDataDialog::btnResponderClick() {
    form_.AnswerQuestionnaire();
    lblRespondidos->setText(ToQt(form_.AnswersSummary()));
}

void NodeDataDialog::accept() {
    DialogTextReader reader;
    NodeDataValues values = form_.Values();
    values.name = reader.Memo(Memo1->toPlainText());
    // A measure's box shows its deficiency's text, which is not stored from here.
    if (form_.Kind() != kind::kMeasure) values.comments = reader.Memo(mem5->toPlainText());
    values.planned = QtDates::FromQDate(DateTimePicker1->date());
    values.plannedBy = reader.Line(edt7->text());
    values.completion = QtDates::FromQDate(DateTimePicker2->HeldDate());
    values.doneBy = reader.Line(edt9->text());
    values.observations = reader.Memo(mem10->toPlainText());
    values.resources = reader.Memo(memRecursos->toPlainText());
    values.cost = reader.Line(edtCoste->text());
    firmData->Take(reader, values);
    workstationData->Take(reader, values);
    if (photos) values.photos = photos->Photos(reader);
    if (reader.Refused(this)) return;
    if (const auto problem = form_.CheckFigures(values)) {
        QMessageBox::warning(this, windowTitle(), ToQt(*problem));
        return;
    }
    form_.Values() = values;
    QDialog::accept();
}

void NodeDataDialog::done(int result) {
    if (photos) photos->Finish(result == Accepted);
    QDialog::done(result);
}
