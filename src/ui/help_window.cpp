#include "help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "text_codec.h"

namespace {

std::string ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::HtmlResource && name.isLocalFile()) {
        const std::string bytes = ReadBytes(name.toLocalFile());
        if (!bytes.empty()) return ToQt(bytes);
    }
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(const FilePath& folder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(folder) {
    setObjectName("frmAyuda");
    setWindowTitle("Ayuda de KALDO 3.1");
    resize(920, 620);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* bar = new QHBoxLayout;
    auto button = [this, bar](const char* name, const QString& caption, QStyle::StandardPixmap icon,
                              const QKeySequence& key) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setText(caption);
        b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setShortcut(key);
        bar->addWidget(b);
        return b;
    };
    btnAtras = button("btnAtras", QString::fromUtf8("Atrás"), QStyle::SP_ArrowBack, QKeySequence::Back);
    btnAdelante = button("btnAdelante", "Adelante", QStyle::SP_ArrowForward, QKeySequence::Forward);
    btnInicio = button("btnInicio", "Inicio", QStyle::SP_DirHomeIcon, QKeySequence("Alt+Home"));
    bar->addStretch();
    layout->addLayout(bar);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    tabIndice = new QTabWidget(splitter);
    tabIndice->setObjectName("tabIndice");
    trvContenido = new QTreeWidget(tabIndice);
    trvContenido->setObjectName("trvContenido");
    trvContenido->setHeaderHidden(true);
    tabIndice->addTab(trvContenido, "Contenido");
    auto* searchPage = new QWidget(tabIndice);
    auto* searchLayout = new QVBoxLayout(searchPage);
    edtBuscarAyuda = new QLineEdit(searchPage);
    edtBuscarAyuda->setObjectName("edtBuscarAyuda");
    edtBuscarAyuda->setPlaceholderText("Palabras a buscar");
    edtBuscarAyuda->setClearButtonEnabled(true);
    lstResultados = new QListWidget(searchPage);
    lstResultados->setObjectName("lstResultados");
    searchLayout->addWidget(edtBuscarAyuda);
    searchLayout->addWidget(lstResultados);
    tabIndice->addTab(searchPage, "Buscar");
    txtPagina = new HelpBrowser(splitter);
    txtPagina->setObjectName("txtPagina");
    txtPagina->setOpenExternalLinks(true);
    splitter->addWidget(tabIndice);
    splitter->addWidget(txtPagina);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 660});
    layout->addWidget(splitter, 1);

    connect(btnAtras, &QToolButton::clicked, txtPagina, &QTextBrowser::backward);
    connect(btnAdelante, &QToolButton::clicked, txtPagina, &QTextBrowser::forward);
    connect(btnInicio, &QToolButton::clicked, this, [this] { ShowTopic({}); });
    connect(txtPagina, &QTextBrowser::backwardAvailable, btnAtras, &QToolButton::setEnabled);
    connect(txtPagina, &QTextBrowser::forwardAvailable, btnAdelante, &QToolButton::setEnabled);
    connect(txtPagina, &QTextBrowser::sourceChanged, this, &HelpWindow::MarkCurrentInContents);
    connect(trvContenido, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { ShowTopic(FromQt(item->data(0, Qt::UserRole).toString())); });
    connect(trvContenido, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ShowTopic(FromQt(item->data(0, Qt::UserRole).toString())); });
    connect(edtBuscarAyuda, &QLineEdit::returnPressed, this, &HelpWindow::Search);
    connect(lstResultados, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        ShowTopic(FromQt(item->data(Qt::UserRole).toString()));
        // The first of the words looked for, on the page, if it is written as typed.
        const QString first = edtBuscarAyuda->text().section(' ', 0, 0, QString::SectionSkipEmpty);
        if (!first.isEmpty()) txtPagina->find(first);
    });
    connect(lstResultados, &QListWidget::itemClicked, lstResultados, &QListWidget::itemActivated);
    // The search tab is there to type: its box takes the cursor.
    connect(tabIndice, &QTabWidget::currentChanged, this, [this, searchPage](int index) {
        if (tabIndice->widget(index) == searchPage) edtBuscarAyuda->setFocus(Qt::TabFocusReason);
    });
    btnAtras->setEnabled(false);
    btnAdelante->setEnabled(false);

    FillContents();
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::FillContents() {
    contents_ = help::ReadContents(ReadBytes(PathToQt(folder_) + QString::fromLatin1(help::kContentsFile)));
    QTreeWidgetItem* page = nullptr;
    for (const help::ContentsEntry& entry : contents_) {
        QTreeWidgetItem* item =
            entry.level == 0 || !page ? new QTreeWidgetItem(trvContenido) : new QTreeWidgetItem(page);
        if (entry.level == 0) page = item;
        item->setText(0, ToQt(entry.title));
        item->setData(0, Qt::UserRole, ToQt(entry.target));
    }
}

void HelpWindow::ShowTopic(const std::string& target) {
    std::string topic = target;
    if (topic.empty() && !contents_.empty()) topic = contents_.front().target;
    const std::string page = help::PageOf(topic);
    QUrl url = QUrl::fromLocalFile(PathToQt(folder_) + ToQt(page));
    if (topic.size() > page.size()) url.setFragment(ToQt(topic.substr(page.size() + 1)));
    if (txtPagina->source() != url) txtPagina->setSource(url);
}

void HelpWindow::MarkCurrentInContents(const QUrl& source) {
    const QString page = source.fileName();
    const QString target = source.hasFragment() ? page + '#' + source.fragment() : page;
    QTreeWidgetItem* best = nullptr;
    for (QTreeWidgetItemIterator it(trvContenido); *it; ++it) {
        const QString item = (*it)->data(0, Qt::UserRole).toString();
        if (item == target) {
            best = *it;
            break;
        }
        if (!best && item == page) best = *it;
    }
    if (best) trvContenido->setCurrentItem(best);
}

void HelpWindow::Search() {
    if (!search_) {
        search_ = std::make_unique<help::PageSearch>();
        for (const help::ContentsEntry& entry : contents_) {
            if (entry.level != 0) continue;
            const std::string html = ReadBytes(PathToQt(folder_) + ToQt(entry.target));
            search_->AddPage(entry.target, entry.title, help::PageText(html));
        }
    }
    lstResultados->clear();
    const auto hits = search_->Search(FromQt(edtBuscarAyuda->text()));
    for (const help::PageSearch::Hit& hit : hits) {
        auto* item = new QListWidgetItem(ToQt(hit.title), lstResultados);
        item->setData(Qt::UserRole, ToQt(hit.page));
    }
    if (hits.empty() && !edtBuscarAyuda->text().trimmed().isEmpty()) {
        auto* item =
            new QListWidgetItem(QString::fromUtf8("Ninguna página contiene esas palabras"), lstResultados);
        item->setFlags(Qt::NoItemFlags);
    }
}
