#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "catalogue.h"
#include "file_io.h"
#include "main_window.h"
#include "named_child.h"
#include "recovery_ui_fixture.h"
#include "recovery_window.h"

extern char** environ;

// A program killed while it edits: a child process of this test program (fork and SIGKILL),
// which is what a crash is on Linux.

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
