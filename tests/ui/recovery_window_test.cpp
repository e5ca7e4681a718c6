#include <gtest/gtest.h>


#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "catalogue.h"
#include "document_commands.h"
#include "field_names.h"
#include "file_io.h"
#include "main_window.h"
#include "named_child.h"
#include "qt_copy_locks.h"
#include "recovery_copy.h"
#include "recovery_folder.h"
#include "recovery_service.h"
#include "recovery_ui_fixture.h"
#include "recovery_window.h"
#include "scripted_port.h"
#include "settings_fixture.h"
#include "temp_dir.h"
#include "text_codec.h"


TEST_F(RecoveryUi, TwoProgramsLocksKeepTheirCopiesApart) {
    const FilePath copy = recovery_folder::CopyPath(RecoveryService::Folder(), "a");
    QtCopyLocks first, second;
    ASSERT_TRUE(first.Take(copy));
    EXPECT_TRUE(first.Take(copy));  // held already
    EXPECT_FALSE(second.Take(copy));
    first.Release(copy);
    EXPECT_TRUE(second.Take(copy));
}

TEST_F(RecoveryUi, TheWindowListsTheCopiesAndDiscardsOnlyWhatTheUserDiscards) {
    const std::int64_t copied = QDateTime(QDate(2026, 12, 8), QTime(10, 30, 0)).toMSecsSinceEpoch();
    std::vector<OrphanedCopy> copies = {
        {FilePath("/a/nueva"), {FilePath("NuevaEmpresa.kl3"), copied, "x"}, std::nullopt},
        {FilePath("/a/taller"), {FilePath("/datos/taller.kl3"), copied, "y"}, copied + 3'600'000},
    };
    std::vector<std::string> discarded;
    RecoveryWindow window(copies, [&](const OrphanedCopy& copy) { discarded.push_back(copy.path.Utf8()); });
    EXPECT_EQ(window.windowTitle(), "Recuperar documentos");
    QTableWidget* list = Named<QTableWidget>(window, "ListaCopias");
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_EQ(list->item(0, 0)->text(), "<Nueva Empresa>");
    EXPECT_EQ(list->item(1, 0)->text(), "taller.kl3");
    EXPECT_EQ(list->item(1, 1)->text(), "/datos");
    EXPECT_EQ(list->item(1, 2)->text(), "08/12/2026 10:30:00");
    EXPECT_EQ(list->item(1, 3)->text(),
              QString::fromUtf8("08/12/2026 11:30:00 (el archivo se guardó después de esta copia)"));
    EXPECT_EQ(Named<QPushButton>(window, "btnAbrir")->text(), "Abrir la copia");
    EXPECT_EQ(Named<QPushButton>(window, "btnMasTarde")->text(), QString::fromUtf8("Más tarde"));

    list->selectRow(1);
    EXPECT_TRUE(Named<QLabel>(window, "lblAviso")->text().contains(QString::fromUtf8("se guardó después")));
    Named<QPushButton>(window, "btnDescartar")->click();
    EXPECT_EQ(discarded, std::vector<std::string>({"/a/taller"}));
    ASSERT_EQ(list->rowCount(), 1);
    Named<QPushButton>(window, "btnMasTarde")->click();
    EXPECT_FALSE(window.Chosen());
    EXPECT_EQ(window.Remaining().size(), 1u);
    EXPECT_EQ(discarded.size(), 1u);
}

TEST_F(RecoveryUi, AnOpenedCopyIsTheDocumentUnsavedUntilSavedOverTheOriginal) {
    const std::string edited = EditedBytes(document);
    const FilePath copy = PlantCopy("1-1", {document, 1, edited});
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window(catalogue, &port, &dates);
    const auto watch = WhenShown<RecoveryWindow>(
        [](RecoveryWindow* offer) { Named<QPushButton>(*offer, "btnAbrir")->click(); });
    window.OfferRecoveryCopies();

    EXPECT_EQ(window.windowTitle(), PathToQt(document));
    EXPECT_TRUE(window.Session().Modified());
    QLabel* notice = Named<QLabel>(window, "lblCopiaRecuperada");
    EXPECT_FALSE(notice->isHidden());
    EXPECT_EQ(ReadFile(document), ReadFile(TestData("taller.kl3")));  // nothing written yet

    window.Guardar1->trigger();
    EXPECT_TRUE(port.dialogs.empty());
    EXPECT_EQ(ReadFile(document), edited);
    EXPECT_TRUE(notice->isHidden());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !file_io::Exists(copy); }, 5000));
}

TEST_F(RecoveryUi, ACopyOwnedByARunningProgramIsNotOffered) {
    const FilePath copy = PlantCopy("2-2", {document, 1, "1\t0\tE\tX\r\n"});
    QtCopyLocks otherProgram;
    ASSERT_TRUE(otherProgram.Take(copy));
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window(catalogue, &port, &dates);
    bool offered = false;
    const auto watch = WhenShown<RecoveryWindow>([&](RecoveryWindow* offer) {
        offered = true;
        offer->reject();
    });
    window.OfferRecoveryCopies();
    QTest::qWait(50);
    EXPECT_FALSE(offered);
    EXPECT_TRUE(file_io::Exists(copy));
}

TEST_F(RecoveryUi, TheIntervalIsAskedForAndKeptInTheSettings) {
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    {
        MainWindow window(catalogue, &port, &dates);
        EXPECT_EQ(window.Recovery()->IntervalMinutes(), 2);
        const auto watch = WhenShown<QInputDialog>([](QInputDialog* ask) {
            EXPECT_TRUE(
                ask->labelText().startsWith(QString::fromUtf8("Copia de recuperación cada N minutos")));
            ask->setIntValue(0);
            ask->accept();
        });
        window.CopiaRecuperacion1->trigger();
        EXPECT_EQ(window.Recovery()->IntervalMinutes(), 0);
    }
    MainWindow next(catalogue, &port, &dates);
    EXPECT_EQ(next.Recovery()->IntervalMinutes(), 0);
}

TEST_F(RecoveryUi, ACopyThatCannotBeWrittenIsToldInTheStatusBarAndEditingGoesOn) {
    // A file where the data folder would be made: no user can write a copy there.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir(data).removeRecursively();
    QDir().mkpath(QFileInfo(data).path());
    WriteFile(PathFromQt(data), "");
    // Gone again after the test, even a failed one: on Windows the next test has the same folder.
    const std::unique_ptr<const QString, void (*)(const QString*)> unblock(&data, [](const QString* path) {
        QFile::remove(*path);
    });
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window(catalogue, &port, &dates);
    window.Commands().LoadDocument(document);
    RenameZone(window.Session());
    const QString told = QString::fromUtf8("No se pudo escribir la copia de recuperación");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return window.statusBar()->currentMessage().startsWith(told); }, 15'000));
    EXPECT_TRUE(port.errors.empty());
    EXPECT_TRUE(port.messages.empty());
    // Saving does not depend on the copy.
    window.Guardar1->trigger();
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_EQ(ReadFile(document), EditedBytes(TestData("taller.kl3")));
}

// The program to be killed: run by RecoveryKill in a process of its own, never on its own.
