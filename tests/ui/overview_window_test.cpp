#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <filesystem>

#include "catalogue.h"
#include "main_window.h"
#include "overview_table_model.h"
#include "overview_window.h"
#include "field_names.h"
#include "otoken.h"
#include "scripted_port.h"
#include "temp_dir.h"
#include "text_codec.h"

namespace {

// The main window with the overview of a copy of tests/data/overview (see
// tests/overview/overview_folder.h), today 8 December 2026.
struct OverviewWindowTest : ::testing::Test {
    OverviewWindowTest() {
        std::filesystem::copy(TestData("overview").Utf8(), dir.path().Utf8(), std::filesystem::copy_options::recursive);
        window.show();
    }

    OverviewWindow* Open() {
        OverviewWindow* overview = window.OpenOverview(dir.path());
        EXPECT_TRUE(overview->isVisible());
        WaitLoaded(*overview);
        return overview;
    }
    static void WaitLoaded(OverviewWindow& overview) {
        QSignalSpy loaded(&overview, &OverviewWindow::loaded);
        if (overview.Loading()) {
            EXPECT_TRUE(loaded.wait(10000));
        }
    }
    // The texts of a column, top to bottom.
    static QStringList Column(const OverviewWindow& overview, overview::Column column) {
        QStringList texts;
        const QAbstractItemModel* model = overview.tblResumen->model();
        for (int r = 0; r < model->rowCount(); ++r)
            texts << model->index(r, static_cast<int>(column)).data().toString();
        return texts;
    }
    QModelIndex RowOf(const OverviewWindow& overview, const QString& file) {
        const QAbstractItemModel* model = overview.tblResumen->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            const QModelIndex index = model->index(r, static_cast<int>(overview::Column::kFile));
            if (index.data().toString() == file) return index;
        }
        return {};
    }

    TempDir dir;
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates{{2026, 12, 8}};
    MainWindow window{catalogue, &port, &dates};
};

}  // namespace

TEST_F(OverviewWindowTest, ShowsARowPerDocumentWithTheTotalLastInEitherOrder) {
    OverviewWindow* overview = Open();
    EXPECT_FALSE(overview->prgLectura->isVisible());
    EXPECT_EQ(Column(*overview, overview::Column::kFile),
              QStringList({"avisos.kl3", "critico.kl3", "danado.kl3", "no-documento.kl3", "revision-pasada.kl3",
                           "revision-proxima.kl3", "vencidas.kl3", ""}));
    EXPECT_EQ(Column(*overview, overview::Column::kFirm).back(), "Total: 7 documentos");
    EXPECT_EQ(Column(*overview, overview::Column::kOverdue).back(), "2");

    overview->tblResumen->sortByColumn(static_cast<int>(overview::Column::kOverdue), Qt::DescendingOrder);
    const QStringList firms = Column(*overview, overview::Column::kFirm);
    EXPECT_EQ(firms.front(), "Talleres del Norte");
    EXPECT_EQ(firms.back(), "Total: 7 documentos");

    // The review's colours: passed red, soon amber; a document that cannot be read in red.
    const QAbstractItemModel* model = overview->tblResumen->model();
    const int review = static_cast<int>(overview::Column::kNextReview);
    const QColor passed = model->index(RowOf(*overview, "revision-pasada.kl3").row(), review)
                              .data(Qt::BackgroundRole).value<QBrush>().color();
    const QColor soon = model->index(RowOf(*overview, "revision-proxima.kl3").row(), review)
                            .data(Qt::BackgroundRole).value<QBrush>().color();
    EXPECT_EQ(passed, QColor(0xE5, 0x39, 0x35));
    EXPECT_EQ(soon, QColor(0xFF, 0xB3, 0x00));
    EXPECT_FALSE(model->index(RowOf(*overview, "critico.kl3").row(), review).data(Qt::BackgroundRole).isValid());
    const QModelIndex damaged = model->index(RowOf(*overview, "danado.kl3").row(),
                                             static_cast<int>(overview::Column::kNotes));
    EXPECT_EQ(damaged.data().toString(), "Fichero erróneo");
    EXPECT_EQ(damaged.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0xE5, 0x39, 0x35));
}

TEST_F(OverviewWindowTest, SearchSubfoldersAndDateChangeTheRowsAndTheTotal) {
    OverviewWindow* overview = Open();
    overview->edtBuscar->setText("revision");
    EXPECT_EQ(Column(*overview, overview::Column::kFirm),
              QStringList({"Panadería Sol", "Gestoría Luna", "Total: 2 documentos"}));
    overview->edtBuscar->clear();

    overview->chkSubcarpetas->setChecked(true);
    WaitLoaded(*overview);
    EXPECT_EQ(Column(*overview, overview::Column::kFirm).back(), "Total: 8 documentos");
    EXPECT_EQ(Column(*overview, overview::Column::kOverdue).back(), "3");

    overview->dtAFecha->setDate(QDate(2026, 12, 2));
    WaitLoaded(*overview);
    EXPECT_EQ(Column(*overview, overview::Column::kOverdue).back(), "2");
    EXPECT_EQ(Column(*overview, overview::Column::kPending).back(), "3");
}

TEST_F(OverviewWindowTest, ADoubleClickOpensTheDocumentInTheMainWindowAskingToSaveFirst) {
    window.Nuevo1->trigger();
    OverviewWindow* overview = Open();
    const QModelIndex row = RowOf(*overview, "vencidas.kl3");
    ASSERT_TRUE(row.isValid());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(overview));
    const QPoint centre = overview->tblResumen->visualRect(row).center();
    port.answers = {false};  // the new firm is not saved
    // What the window system sends: a click, then the double click.
    QTest::mouseClick(overview->tblResumen->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(overview->tblResumen->viewport(), Qt::LeftButton, {}, centre);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.Session().FileName(), dir.File("vencidas.kl3"));
    EXPECT_TRUE(port.answers.empty()) << "asked to save the new document first";
    EXPECT_EQ(window.Session().Table().Record(1)->GetField(field::kName), "Talleres del Norte");
}

TEST_F(OverviewWindowTest, ExportsWhatItShowsThroughTheSaveDialog) {
    OverviewWindow* overview = Open();
    const FilePath csv = dir.File("salida/resumen.csv");
    std::filesystem::create_directory(dir.File("salida").Utf8());
    port.files = {csv};
    overview->btnCsv->click();
    const std::string text = ReadFile(csv);
    EXPECT_NE(text.find("\r\nTalleres del Norte;A22222222;vencidas.kl3;;;0;1;0;1;1;2;2;0;18;"), std::string::npos)
        << text;
    EXPECT_NE(text.find("\r\nTotal: 7 documentos;"), std::string::npos);
    EXPECT_TRUE(port.errors.empty());
}

TEST_F(OverviewWindowTest, CancelStopsTheReadingAndNothingOfItArrivesAfterwards) {
    OverviewWindow* overview = window.OpenOverview(dir.path());
    // Nothing read has reached the window yet: it comes through the window's event loop.
    overview->btnCancelar->click();
    EXPECT_FALSE(overview->Loading());
    EXPECT_FALSE(overview->prgLectura->isVisible());
    EXPECT_EQ(overview->lblEstado->text(), "Lectura cancelada: faltan documentos.");
    QTest::qWait(200);
    EXPECT_EQ(Column(*overview, overview::Column::kFirm), QStringList({"Total: 0 documentos"}));

    overview->chkSubcarpetas->setChecked(true);  // reads again, whole
    WaitLoaded(*overview);
    EXPECT_EQ(Column(*overview, overview::Column::kFirm).back(), "Total: 8 documentos");
    EXPECT_TRUE(overview->lblEstado->text().isEmpty());
}
