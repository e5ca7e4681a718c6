#include "info_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct ListEntry {
    const char* caption;  // UTF-8
    int icon;             // -1: none
};

constexpr ListEntry kEntries[] = {
    {"Procedimiento a seguir:", -1},
    {"Crear una nueva empresa o centro", 5},
    {"1º Diseñar zonas", -1},
    {"2º Asociar cuestionarios", -1},
    {"3º Imprimir cuestionarios vacíos", -1},
    {"4º Inspeccionar los lugares", -1},
    {"5º Anotar las deficiencias", -1},
    {"6º Buscar las medidas preventivas adecuadas", -1},
    {"(Para introducir los datos, pulsar el botón derecho del ratón)", -1},
    {"Leyenda:", -1},
    {"Datos sobre un puesto de trabajo", 1},
    {"Cuestionarios que ayudan a detectar riesgos", 2},
    {"Espacio para anotar las deficiencias", 3},
    {"Espacio para anotar las medidas correctoras", 4},
    {"Datos de la empresa en su totalidad", 5},
    {"Items que no han sido programados en el tiempo", 6},
    {"Items programados y que no se han realizado", 7},
    {"Items ya realizados", 8},
    {"Cuestionarios sin valorar", 9},
    {"Valoraciones como correctas", 10},
    {"Items valorados como mejorables y que requieren una intervención somera", 11},
    {"Deficiencias que requieren una atención justificable", 12},
    {"Deficiencias que necesariamente deben solventarse", 13},
};

// The headings of the two parts of the list.
constexpr int kProcedureHeading = 0;
constexpr int kLegendHeading = 9;

// Guidance for the procedure steps, items 1 to 7.
constexpr const char* kGuidance[] = {
    "Asigne un nombre a su organización y a diferentes centros si los hubiere.",
    "Asigne un nombre a cada uno de los ámbitos de trabajo en los que existen riesgos comunes, "
    "desglosándolos luego en los puestos de trabajo que tengan riesgos específicos.",
    "Asignar los cuestionarios específicos tanto a cada zona, como a cada puesto de trabajo. El "
    "cuestionario \"Gestión preventiva\" sólo se aplica en la empresa.",
    "Para imprimir los cuestionarios sin cumplimentar debe accederse al cuestionario en formato pdf que se "
    "encuentra en la carpeta \\KALDOWEB o pulsar el botón correspondiente.",
    "Una vez seleccionado cada cuestionario podrá añadir comentarios aclaratorios en el campo "
    "\"Descripción de agentes implicados\".",
    "Tras la identificación de deficiencias genéricas del cuestionario, deberían matizarse las específicas "
    "detectadas y evaluarlas.",
    "Deberá complementar las medidas genéricas del método con las específicas que Vd. considere.",
};
constexpr int kFirstStep = 1;
constexpr int kLastStep = 7;

// The note's place: beside the selected step, 17 pixels lower for each step.
constexpr int kNoteLeft = 80;
constexpr int kNoteTop = 40;
constexpr int kNoteWidth = 185;
constexpr int kNoteHeight = 89;
int NoteTop(int step) {
    return 22 + 17 * step;
}

// Moving the pointer past this x of the list, away from the step captions, puts the note away.
constexpr int kNoteHideX = 90;

}  // namespace

InfoPanel::InfoPanel(const std::vector<QIcon>& icons, QWidget* noteHost, QWidget* parent) : QFrame(parent) {
    setObjectName("Panel1");
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(grey);

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName("ListView1");
    ListView1->setHeaderLabel(QString::fromUtf8("INFORMACIÓN"));
    ListView1->header()->setSectionsClickable(false);
    ListView1->header()->setSectionsMovable(false);
    ListView1->header()->setStretchLastSection(false);
    ListView1->setColumnWidth(0, 500);
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setIndentation(0);
    ListView1->setIconSize(QSize(16, 16));
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setMouseTracking(true);
    ListView1->viewport()->setMouseTracking(true);
    ListView1->viewport()->installEventFilter(this);
    FillList(icons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListView1);
    photo = new QLabel(this);
    photo->setObjectName("photo");
    photo->setAlignment(Qt::AlignCenter);
    photo->setContentsMargins(0, 4, 0, 4);
    // The panel keeps its width: the thumbnail is made to fit it, never the panel to the thumbnail.
    photo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    photo->hide();
    layout->addWidget(photo);

    Memo1 = new QPlainTextEdit(noteHost);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::ClickFocus);  // never reached with the Tab key
    Memo1->setGeometry(kNoteLeft, kNoteTop, kNoteWidth, kNoteHeight);
    // A small font, so that the longest guidance fits the note without scrolling.
    QFont small = Memo1->font();
    small.setPointSizeF(7.5);
    Memo1->setFont(small);
    Memo1->document()->setDocumentMargin(2);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // the text wraps
    QPalette yellow = Memo1->palette();
    yellow.setColor(QPalette::Base, QColor(255, 255, 170));
    Memo1->setPalette(yellow);
    Memo1->hide();

    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &InfoPanel::ListView1SelectItem);
}

InfoPanel::~InfoPanel() {
    // The list goes after this object's own part: it must not call back into it.
    ListView1->blockSignals(true);
    ListView1->viewport()->removeEventFilter(this);
}

void InfoPanel::FillList(const std::vector<QIcon>& icons) {
    // Items without an icon keep its room, so that all captions start at the same x.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    const QIcon none(blank);
    QFont bold = ListView1->font();
    bold.setBold(true);
    int index = 0;
    for (const ListEntry& entry : kEntries) {
        auto* item = new QTreeWidgetItem(ListView1, {QString::fromUtf8(entry.caption)});
        const bool hasIcon = entry.icon >= 0 && entry.icon < static_cast<int>(icons.size());
        item->setIcon(0, hasIcon ? icons[entry.icon] : none);
        if (index == kProcedureHeading || index == kLegendHeading) item->setFont(0, bold);
        ++index;
    }
}

// Shows the guidance of the selected procedure step; any other selection, or none, hides it.
void InfoPanel::ListView1SelectItem() {
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    const int k = selected.size() == 1 ? ListView1->indexOfTopLevelItem(selected.first()) : -1;
    if (k < kFirstStep || k > kLastStep) {
        Memo1->hide();
        return;
    }
    Memo1->move(kNoteLeft, NoteTop(k));
    Memo1->setPlainText(QString::fromUtf8(kGuidance[k - kFirstStep]));
    Memo1->show();
    Memo1->raise();
}

// The note keeps its text and place until the next selection.
void InfoPanel::ListView1MouseMove(int x) {
    if (x > kNoteHideX) Memo1->hide();
}

bool InfoPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListView1->viewport() && event->type() == QEvent::MouseMove) {
        ListView1MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint().x());
    }
    return QFrame::eventFilter(watched, event);
}

void InfoPanel::ShowPhoto(const QPixmap& thumbnail, const QString& toolTip) {
    photo->setPixmap(thumbnail);
    photo->setFixedHeight(thumbnail.height() + 8);
    photo->setToolTip(toolTip);
    photo->setVisible(!thumbnail.isNull());
}

QSize InfoPanel::PhotoBox() const {
    return QSize(std::max(32, width() - 8), 120);
}
