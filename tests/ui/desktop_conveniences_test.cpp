#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <set>

#include "catalogue.h"
#include "desktop_recorder.h"
#include "help_window.h"
#include "main_window.h"
#include "recent_files_menu.h"
#include "scripted_port.h"
#include "temp_dir.h"
#include "text_codec.h"

namespace {

const char* const kDocument = "1\t0\tE\tFirma\r\n2\t1\tZ\tZona\r\n";

QStringList Entries(QMenu* menu) {
    QStringList out;
    for (QAction* action : menu->actions()) {
        if (action->isVisible()) out << (action->isSeparator() ? "-" : action->text());
    }
    return out;
}

QAction* EntryNamed(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

// The list is brought up to date once the command that changed the document has finished.
void FinishCommand() {
    QApplication::processEvents();
}

struct DesktopTest : ::testing::Test {
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    TempDir dir;
    MainWindow window{catalogue, &port, &dates};

    FilePath Document(const std::string& name) {
        WriteFile(dir.File(name), kDocument);
        return dir.File(name);
    }
    void Open(const FilePath& path) {
        window.Commands().LoadDocument(path);
        FinishCommand();
    }
};

}  // namespace

TEST_F(DesktopTest, TheUsualShortcutsReachTheirCommands) {
    const std::pair<QString, QAction*> expected[] = {
        {"Ctrl+N", window.Nuevo1},   {"Ctrl+O", window.Abrir1},
        {"Ctrl+S", window.Guardar1}, {"Ctrl+Shift+S", window.Guardarcomo1},
        {"Ctrl+W", window.Cerrar1},  {"Ctrl+P", window.Imprimir1},
        {"Ctrl+Q", window.Salir1},   {"F1", window.Ayuda2},
    };
    for (const auto& [keys, action] : expected)
        EXPECT_TRUE(action->shortcuts().contains(QKeySequence(keys))) << keys.toStdString();

    // No key is claimed by two entries, which Qt would answer with neither.
    std::set<QString> seen;
    for (QAction* menu : window.menuBar()->actions()) {
        for (QAction* action : menu->menu()->actions()) {
            for (const QKeySequence& keys : action->shortcuts())
                EXPECT_TRUE(seen.insert(keys.toString()).second) << keys.toString().toStdString();
        }
    }
}

// The program names itself once, before any window, by its desktop entry's id, which Wayland
// desktops match each window with; the main window leaves that name alone.
TEST_F(DesktopTest, TheMainWindowLeavesTheApplicationsIdentityAlone) {
    const QString before = QGuiApplication::desktopFileName();
    QGuiApplication::setDesktopFileName("invalid.torve.kaldo");
    { MainWindow another(catalogue, &port, &dates); }
    EXPECT_EQ(QGuiApplication::desktopFileName(), "invalid.torve.kaldo");
    QGuiApplication::setDesktopFileName(before);
}

TEST_F(DesktopTest, F1OpensTheHelpWindow) {
    DesktopRecorder desktop(dir.path());
    std::filesystem::copy(KALDO_BINARY_DIR "/share/kaldo/ayuda", dir.File("ayuda").Utf8(),
                          std::filesystem::copy_options::recursive);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    auto* help = window.findChild<HelpWindow*>("frmAyuda");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(DesktopTest, OpenedDocumentsAreListedNewestFirstBeforeSalir) {
    EXPECT_EQ(Entries(window.ArchivoMenu),
              QStringList({"&Nuevo", "&Abrir ...", "&Importar ...", "&Guardar", "G&uardar como ...",
                           "&Cerrar", "-", "&Imprimir", "Informe de evaluación ...", "Fichas de los puestos ...", "-", "Resumen de una carpeta ...", "Copia de recuperación ...",
                           "-", "&Salir"}));
    Open(Document("primera.kl3"));
    Open(Document("Pérez & Hijos.kl3"));
    EXPECT_EQ(Entries(window.ArchivoMenu),
              QStringList({"&Nuevo", "&Abrir ...", "&Importar ...", "&Guardar", "G&uardar como ...",
                           "&Cerrar", "-", "&Imprimir", "Informe de evaluación ...", "Fichas de los puestos ...", "-", "Resumen de una carpeta ...", "Copia de recuperación ...",
                           "-", "&1 Pérez && Hijos.kl3", "&2 primera.kl3", "-", "&Salir"}));
    EXPECT_EQ(EntryNamed(window.ArchivoMenu, "&2 primera.kl3")->toolTip(), PathToQt(dir.File("primera.kl3")));

    Open(dir.File("primera.kl3"));  // opened again: moves up, not listed twice
    EXPECT_EQ(Entries(window.ArchivoMenu).mid(14, 2),
              QStringList({"&1 primera.kl3", "&2 Pérez && Hijos.kl3"}));
}

TEST_F(DesktopTest, OnlyDocumentsWrittenToAFileAreListed) {
    window.Nuevo1->trigger();  // a new document exists in no file yet
    FinishCommand();
    const auto* recent = window.findChild<RecentFilesMenu*>();
    EXPECT_TRUE(recent->Paths().empty());

    WriteFile(dir.File("roto.kl3"), "\r\n");  // "Fichero erróneo": nothing is left open
    port.answers = {false};
    Open(dir.File("roto.kl3"));
    EXPECT_TRUE(recent->Paths().empty());

    window.Nuevo1->trigger();
    port.files = {dir.File("guardada.kl3")};
    window.Guardarcomo1->trigger();
    FinishCommand();
    EXPECT_EQ(recent->Paths(), std::vector<FilePath>({dir.File("guardada.kl3")}));
}

TEST_F(DesktopTest, ChoosingAnEntryOpensItsDocument) {
    const FilePath first = Document("primera.kl3"), second = Document("segunda.kl3");
    Open(first);
    Open(second);
    window.Nuevo1->trigger();  // unsaved changes: choosing a document asks about them first
    port.answers = {false};
    EntryNamed(window.ArchivoMenu, "&2 primera.kl3")->trigger();
    FinishCommand();
    EXPECT_EQ(port.questions.size(), 1u);
    EXPECT_EQ(window.Session().FileName(), first);
    EXPECT_EQ(Entries(window.ArchivoMenu).mid(14, 2), QStringList({"&1 primera.kl3", "&2 segunda.kl3"}));
}

TEST_F(DesktopTest, AnEntryWhoseDocumentHasGoneIsRemovedWhenChosen) {
    const FilePath gone = Document("borrada.kl3"), kept = Document("abierta.kl3");
    Open(gone);
    Open(kept);
    std::filesystem::remove(gone.Utf8());
    EntryNamed(window.ArchivoMenu, "&2 borrada.kl3")->trigger();
    FinishCommand();
    EXPECT_EQ(window.Session().FileName(), kept);  // the open document stays
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(Entries(window.ArchivoMenu).mid(13), QStringList({"-", "&1 abierta.kl3", "-", "&Salir"}));
}

TEST_F(DesktopTest, EveryWindowSharesTheListThroughTheSettings) {
    Open(Document("compartida.kl3"));
    MainWindow later(catalogue, &port, &dates);
    EXPECT_TRUE(EntryNamed(later.ArchivoMenu, "&1 compartida.kl3"));

    Open(Document("otra.kl3"));
    emit later.ArchivoMenu->aboutToShow();  // the other window catches up when its menu opens
    EXPECT_EQ(Entries(later.ArchivoMenu).mid(14, 2), QStringList({"&1 otra.kl3", "&2 compartida.kl3"}));
}

TEST_F(DesktopTest, WindowSizeAndPanelWidthAreRestoredNextTime) {
    window.show();
    window.resize(900, 640);
    window.Splitter1->setSizes({240, 654});
    QApplication::processEvents();
    const int panel = window.Splitter1->sizes().at(0);
    window.close();

    MainWindow next(catalogue, &port, &dates);
    next.show();
    QApplication::processEvents();
    EXPECT_EQ(next.size(), QSize(900, 640));
    EXPECT_EQ(next.Splitter1->sizes().at(0), panel);
}
