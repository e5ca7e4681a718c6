#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
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
#include "recovery_window.h"
#include "scripted_port.h"
#include "settings_fixture.h"
#include "temp_dir.h"
#include "text_codec.h"

extern char** environ;

namespace {

constexpr const char* kRenamed = "Nave recuperada";

// Runs `act` on the first visible top-level window of type Window as soon as one shows (a modal
// dialog's own loop is running then), for as long as the returned watch lives.
template <typename Window>
std::unique_ptr<QTimer> WhenShown(std::function<void(Window*)> act) {
    auto poll = std::make_unique<QTimer>();
    poll->setInterval(10);
    QObject::connect(poll.get(), &QTimer::timeout, [timer = poll.get(), act] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<Window*>(widget);
            if (window && window->isVisible()) {
                timer->stop();
                act(window);
                return;
            }
        }
    });
    poll->start();
    return poll;
}

// The edit that the tests make: one undoable step renaming the zone in slot 5.
void RenameZone(DocumentSession& session) {
    const UndoStep step(session, "Renombrar");
    session.Table().Record(5)->SetField(field::kName, kRenamed);
    session.SetModified(true);
}

std::string EditedBytes(const FilePath& original) {
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    DocumentCommands commands(session, port, dates);
    commands.LoadDocument(original);
    RenameZone(session);
    return DocumentCommands::FileBytes(session);
}

// Each test with its own home, where the data folder (and the recovery copies) lives.
struct RecoveryUi : ScratchSettings {
    TempDir dir;
    QByteArray oldHome = qgetenv("HOME");
    FilePath document = dir.File("taller.kl3");

    void SetUp() override {
        ScratchSettings::SetUp();
        qputenv("HOME", QByteArray::fromStdString(home.path().Utf8()));
        WriteFile(document, ReadFile(TestData("taller.kl3")));
        QDir().mkpath(PathToQt(RecoveryService::Folder()));
    }
    void TearDown() override {
        qputenv("HOME", oldHome);
        ScratchSettings::TearDown();
    }
    FilePath PlantCopy(const std::string& id, const RecoveryCopy& copy) {
        const FilePath path = recovery_folder::CopyPath(RecoveryService::Folder(), id);
        WriteFile(path, ComposeCopy(copy));
        return path;
    }
};

}  // namespace

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
    std::filesystem::remove_all(home.path().Utf8() + "/.qttest");
    WriteFile(home.File(".qttest"), "");
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
TEST(DISABLED_RecoveryChild, EditsADocumentAndWaitsToBeKilled) {
    const QByteArray document = qgetenv("KALDO_RECOVERY_DOCUMENT");
    ASSERT_FALSE(document.isEmpty());
    qputenv("HOME", qgetenv("KALDO_RECOVERY_HOME"));
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window(catalogue, &port, &dates);
    window.show();
    window.Commands().LoadDocument(FilePath(document.toStdString()));
    RenameZone(window.Session());
    QTest::qWait(120'000);
}

TEST_F(RecoveryUi, AKilledProgramsCopyIsOfferedOpenedAndSavedOverTheOriginal) {
    const std::string expected = EditedBytes(document);
    // The program runs in a process of its own, edits the document and is killed once its copy is written.
    const std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
    std::vector<std::string> environment = {"KALDO_RECOVERY_DOCUMENT=" + document.Utf8(),
                                            "KALDO_RECOVERY_HOME=" + home.path().Utf8()};
    for (char** entry = environ; *entry; ++entry)
        environment.emplace_back(*entry);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string filter = "--gtest_filter=DISABLED_RecoveryChild.*";
    std::string disabled = "--gtest_also_run_disabled_tests";
    std::vector<char*> argv = {const_cast<char*>(program.c_str()), filter.data(), disabled.data(), nullptr};
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    ASSERT_GT(pid, 0);
    const bool copied = QTest::qWaitFor(
        [&] {
        const auto copies = recovery_folder::Copies(RecoveryService::Folder());
        return !copies.empty() && ParseCopy(ReadFile(copies.front()));
        },
        30'000);
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(copied);
    ASSERT_TRUE(WIFSIGNALED(status));
    const FilePath copy = recovery_folder::Copies(RecoveryService::Folder()).front();
    EXPECT_TRUE(file_io::Exists(FilePath(copy.Utf8() + ".lock")));  // left by the killed program
    EXPECT_EQ(ReadFile(document), ReadFile(TestData("taller.kl3")));
    // The next start offers the copy; it is opened and saved over the original.
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    MainWindow window(catalogue, &port, &dates);
    int rows = 0;
    const auto watch = WhenShown<RecoveryWindow>([&](RecoveryWindow* offer) {
        rows = Named<QTableWidget>(*offer, "ListaCopias")->rowCount();
        Named<QPushButton>(*offer, "btnAbrir")->click();
    });
    window.OfferRecoveryCopies();
    EXPECT_EQ(rows, 1);
    ASSERT_TRUE(window.Session().Modified());
    window.Guardar1->trigger();
    EXPECT_EQ(ReadFile(document), expected);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !file_io::Exists(copy); }, 5000));
}
