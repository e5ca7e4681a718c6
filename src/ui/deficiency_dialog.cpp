#include "deficiency_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "deficiency_form.h"
#include "dialog_text.h"
#include "entry_dialog_style.h"
#include "item_list_combo.h"
#include "named_controls.h"
#include "photo_strip.h"
#include "text_codec.h"

using namespace valuation;

DeficiencyDialog::DeficiencyDialog(DeficiencyForm& form, QWidget* parent, DocumentSession* session)
    : QDialog(parent), form_(form) {
    setObjectName("frmRespuestas");
    entry_style::FixedWindow(this);
    if (session) photos = new PhotoStrip(*session, 'D', form_.Photos(), this);
    BuildControls();
    BuildLayout();
    Connect();

    setWindowTitle(ToQt(form_.Caption()));
    ShowFromStart(Edit2, ToQt(form_.Location()));
    for (const std::string& entry : form_.Items())
        cmb->addItem(ToQt(entry));
    cmb->ShowPicked(cmb->findText(ToQt(form_.Picked())));  // -1, none, unless picked already
    Memo3->setPlainText(MemoToQt(form_.ItemText()));
    Memo1->setPlainText(MemoToQt(form_.Recommendation()));
    Memo2->setPlainText(MemoToQt(form_.Detected()));
    Reflect();
    cmb->setFocus();  // the location above is only shown
}

void DeficiencyDialog::BuildControls() {
    Label6 = NamedLabel("Label6", "Procedencia:", this);
    Edit2 = NamedEdit("Edit2", this);
    Edit2->setReadOnly(true);
    Label1 = NamedLabel(
        "Label1",
        QString::fromUtf8("Indique el ítem y la deficiencia que ha encontrado, así como su valoración:"),
        this);
    cmb = new ItemListCombo(this);
    cmb->setObjectName("cmb");
    cmb->setMaxVisibleItems(15);
    cmb->setFixedWidth(cmb->fontMetrics().horizontalAdvance("0000") + 40);
    Memo3 = NamedMemo("Memo3", 2, this);
    Label7 = NamedLabel("Label7", "Deficiencia detectada", this);
    Memo2 = NamedMemo("Memo2", 3, this);
    Label5 = NamedLabel("Label5", QString::fromUtf8("Recomendación genérica KALDO-TORVE"), this);
    Memo1 = NamedMemo("Memo1", 3, this);
    // Wide enough for an item's text and its recommendation to read in a few lines.
    Memo2->setMinimumWidth(Memo2->fontMetrics().averageCharWidth() * 105);

    auto group = [this](const char* name, const QString& title, QWidget* parent) {
        auto* box = new QGroupBox(title, parent);
        box->setObjectName(name);
        return box;
    };
    GroupBox2 = group("GroupBox2", QString::fromUtf8("Nivel Intervención"), this);
    GroupBox3 = group("GroupBox3", "Consecuencias", GroupBox2);
    GroupBox4 = group("GroupBox4", "Probabilidad", GroupBox2);
    GroupBox5 = group("GroupBox5", QString::fromUtf8("Exposición"), GroupBox4);
    GroupBox6 = group("GroupBox6", "Deficiencias", GroupBox4);

    // The buttons of a group exclude each other through the form, not through Qt: the shown
    // choice is set from the form, and a group can show none selected.
    auto buttons = [this](int position, QWidget* box, std::initializer_list<QRadioButton**> members,
                          int firstNumber, const QString& prefix) {
        int value = 0;
        for (QRadioButton** member : members) {
            auto* button =
                new QRadioButton(prefix + ToQt(ValueName(position, static_cast<char>('0' + value))), box);
            button->setObjectName(QString("RadioButton%1").arg(firstNumber + value));
            button->setAutoExclusive(false);
            groups_[position].push_back(button);
            *member = button;
            ++value;
        }
    };
    buttons(kLevel, GroupBox2, {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4}, 1, " ");
    buttons(kConsequences, GroupBox3, {&RadioButton5, &RadioButton6, &RadioButton7, &RadioButton8}, 5, "");
    buttons(kProbability, GroupBox4, {&RadioButton9, &RadioButton10, &RadioButton11, &RadioButton12}, 9, "");
    buttons(kExposure, GroupBox5, {&RadioButton13, &RadioButton14, &RadioButton15, &RadioButton16}, 13, "");
    buttons(kDeficiency, GroupBox6, {&RadioButton17, &RadioButton18, &RadioButton19}, 17, "");
    for (QRadioButton* button : groups_[kLevel])
        button->setEnabled(false);
    for (QRadioButton* button : groups_[kProbability])
        button->setEnabled(false);

    entry_style::Result(GroupBox2);
    entry_style::Result(GroupBox4);
    entry_style::Choice(GroupBox3);
    entry_style::Choice(GroupBox5);
    entry_style::Choice(GroupBox6);

    Label3 = NamedLabel("Label3", QString::fromUtf8("Seleccionar una opción de los paneles en verde"), this);
    entry_style::Choice(Label3);
    Label2 = NamedLabel("Label2", "Los paneles atenuados son una consecuencia de las selecciones anteriores ",
                        this);
    entry_style::NavyNote(Label2);
}

void DeficiencyDialog::BuildLayout() {
    auto* main = new QVBoxLayout(this);
    main->setSizeConstraint(QLayout::SetFixedSize);

    auto* origin = new QHBoxLayout;
    origin->addWidget(Label6);
    origin->addWidget(Edit2, 1);
    main->addLayout(origin);
    main->addSpacing(4);
    main->addWidget(Label1);
    auto* item = new QHBoxLayout;
    item->addWidget(cmb, 0, Qt::AlignTop);
    item->addWidget(Memo3, 1);
    main->addLayout(item);
    main->addWidget(Label7);
    main->addWidget(Memo2);
    main->addWidget(Label5);
    main->addWidget(Memo1);

    // The groups nest as the method reads: consequences and probability give the level,
    // exposure and deficiency level give the probability.
    auto column = [this](QGroupBox* box, int position) {
        auto* layout = new QVBoxLayout(box);
        for (QRadioButton* button : groups_[position])
            layout->addWidget(button);
        layout->addStretch(1);
    };
    column(GroupBox3, kConsequences);
    column(GroupBox5, kExposure);
    column(GroupBox6, kDeficiency);

    // A derived group: its buttons in a row, above the two groups it is derived from.
    auto derived =
        [this](QGroupBox* box, int position, QGroupBox* first, int firstStretch, QGroupBox* second) {
        auto* layout = new QVBoxLayout(box);
        auto* row = new QHBoxLayout;
        for (QRadioButton* button : groups_[position])
            row->addWidget(button);
        row->addStretch(1);
        layout->addLayout(row);
        auto* inputs = new QHBoxLayout;
        inputs->addWidget(first, firstStretch);
        inputs->addWidget(second, 1);
        layout->addLayout(inputs);
    };
    derived(GroupBox4, kProbability, GroupBox5, 1, GroupBox6);
    derived(GroupBox2, kLevel, GroupBox3, 0, GroupBox4);
    main->addSpacing(4);
    main->addWidget(GroupBox2);

    main->addWidget(Label3);
    main->addWidget(Label2);
    auto* buttons = new QHBoxLayout;
    // The photos share the buttons' row, to their left, so that the dialog still fits a 1366 x 768
    // screen; the buttons keep the bottom right corner.
    if (photos) buttons->addWidget(photos, 8);
    const OkCancelButtons okCancel =
        AddOkCancelButtons(*this, *buttons, {"BitBtn1", "&Aceptar"}, {"BitBtn2", "&Cancelar"}, true);
    buttons->setAlignment(okCancel.ok, Qt::AlignBottom);
    buttons->setAlignment(okCancel.cancel, Qt::AlignBottom);
    main->addLayout(buttons);
}

void DeficiencyDialog::Connect() {
    using Handler = void (DeficiencyForm::*)();
    const std::pair<QRadioButton*, Handler> clicks[] = {
        {RadioButton5, &DeficiencyForm::RadioButton5Click},
        {RadioButton6, &DeficiencyForm::RadioButton6Click},
        {RadioButton7, &DeficiencyForm::RadioButton7Click},
        {RadioButton8, &DeficiencyForm::RadioButton8Click},
        {RadioButton13, &DeficiencyForm::RadioButton13Click},
        {RadioButton14, &DeficiencyForm::RadioButton14Click},
        {RadioButton15, &DeficiencyForm::RadioButton15Click},
        {RadioButton16, &DeficiencyForm::RadioButton16Click},
        {RadioButton17, &DeficiencyForm::RadioButton17Click},
        {RadioButton18, &DeficiencyForm::RadioButton18Click},
        {RadioButton19, &DeficiencyForm::RadioButton19Click},
    };
    for (const auto& [button, handler] : clicks) {
        // The form is captured itself: GCC's undefined-behaviour checker took the dialog for a
        // null pointer when the handler was called through the captured dialog.
        connect(button, &QRadioButton::clicked, this, [this, &form = form_, handler = handler] {
            (form.*handler)();
            Reflect();
        });
    }
    // Only picking from the list selects an item; typing into the edit field does nothing.
    connect(cmb, &ItemListCombo::itemPicked, this, [this](int index) {
        form_.cmbSelect(FromQt(cmb->itemText(index)));
        Memo1->setPlainText(MemoToQt(form_.Recommendation()));
        Memo3->setPlainText(MemoToQt(form_.ItemText()));
        Reflect();
    });
}

void DeficiencyDialog::Reflect() {
    for (int group = 0; group < kPositions; ++group) {
        const int selected = form_.Selected(group);
        for (int i = 0; i < static_cast<int>(groups_[group].size()); ++i)
            groups_[group][i]->setChecked(i == selected);
    }
}

void DeficiencyDialog::accept() {
    DialogTextReader reader;
    const std::string itemText = reader.Memo(Memo3->toPlainText());
    const std::string recommendation = reader.Memo(Memo1->toPlainText());
    const std::string detected = reader.Memo(Memo2->toPlainText());
    const PhotoList photoList = photos ? photos->Photos(reader) : PhotoList();
    if (reader.Refused(this)) return;
    form_.SetItemText(itemText);
    form_.SetRecommendation(recommendation);
    form_.SetDetected(detected);
    if (photos) form_.SetPhotos(photoList);
    QDialog::accept();
}

void DeficiencyDialog::done(int result) {
    if (photos) photos->Finish(result == Accepted);
    QDialog::done(result);
}
