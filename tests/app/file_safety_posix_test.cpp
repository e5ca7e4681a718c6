// Saving and opening seen from outside, the program run as it ships: as a user who is not root
// (the tests run as root in CI, so they switch to "nobody" there), under a file-size limit, on
// files that are not documents, with the user's language.
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>

#include "program_run.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;

// The program as the other user can run it: the build folder may sit where only its owner can
// enter (root's home, a mktemp folder), so the program and its catalogue are copied once into a
// folder that everyone may enter and read.
const std::string& ProgramForOtherUser() {
    static const TempDir folder;
    static const std::string program = [] {
        if (geteuid() != 0) return std::string(KALDO_PROGRAM);
        const fs::path built(KALDO_PROGRAM);
        const fs::path copy = fs::path(folder.path().Utf8()) / built.filename();
        fs::copy_file(built, copy);
        fs::copy_file(built.parent_path() / "C31.TXT", copy.parent_path() / "C31.TXT");
        fs::permissions(folder.path().Utf8(), fs::perms(0755));
        fs::permissions(copy, fs::perms(0755));
        fs::permissions(copy.parent_path() / "C31.TXT", fs::perms(0644));
        return copy.string();
    }();
    return program;
}

// Runs a shell script with the program's path in $KALDO, as a user other than root: when the
// tests run as root, as "nobody". Every script ends in a time limit, so nothing can hang.
ProgramRun RunAsUser(const std::string& script) {
    const std::string& program = ProgramForOtherUser();
    return RunInChild([&] {
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(126);
        setenv("KALDO", program.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl("/bin/sh", "sh", "-c", script.c_str(), static_cast<char*>(nullptr));
    });
}

// The program run by the script: "exec timeout -s KILL 20 $KALDO" and the arguments, so that the
// script's status is the program's, 128 + the signal's number when one ended it.
std::string Kaldo(const std::string& arguments) {
    return "exec timeout -s KILL 20 \"$KALDO\" " + arguments;
}

// A path as one argument of a script.
std::string Quoted(const FilePath& path) {
    return "'" + path.Utf8() + "'";
}

// A folder of the user that RunAsUser runs as; its files are made theirs with Own.
struct UserFolder {
    TempDir dir;
    UserFolder() { Own(dir.path()); }
    FilePath File(const std::string& name) const { return dir.File(name); }
    FilePath Write(const std::string& name, const std::string& bytes) const {
        WriteFile(File(name), bytes);
        Own(File(name));
        return File(name);
    }
    static void Own(const FilePath& path) {
        if (geteuid() == 0) {
            EXPECT_EQ(chown(path.Utf8().c_str(), kNobody, kNobody), 0);
        }
    }
    std::size_t Entries() const {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path().Utf8()))
            ++n;
        return n;
    }
};

const std::string kOld = "1\t0\tE\tDocumento anterior\r\n";
const std::string kSource = "1\t0\tE\tFirma\r\n2\t1\tZ\tNave\r\n";

// es_ES.UTF-8 as the system has it, or made in the folder (LOCPATH) from the locale sources of
// the "locales" package; empty when neither is possible.
std::string SpanishLocale(const UserFolder& folder) {
    if (RunAsUser("locale -a").out.find("es_ES.utf8") != std::string::npos) return "LANG=es_ES.UTF-8";
    const FilePath made = folder.File("locales");
    const std::string command =
        "localedef -i es_ES -f UTF-8 '" + made.Utf8() + "/es_ES.UTF-8' >/dev/null 2>&1";
    fs::create_directory(made.Utf8());
    if (std::system(command.c_str()) != 0 && !fs::exists(made.Utf8() + "/es_ES.UTF-8/LC_MESSAGES")) return "";
    UserFolder::Own(made);
    return "LOCPATH=" + Quoted(made) + " LANG=es_ES.UTF-8";
}

}  // namespace

// Renaming a new file over the document needs only the folder's permission: the document's
// own must be asked first, or a read-only document is replaced without a word.
TEST(FileSafety, AWriteProtectedDocumentIsNotReplaced) {
    UserFolder folder;
    const FilePath source = folder.Write("in.kl3", kSource);
    const FilePath doc = folder.Write("doc.kl3", kOld);
    chmod(doc.Utf8().c_str(), 0444);
    ProgramRun run = RunAsUser("LC_ALL=C " + Kaldo("--normalizar " + Quoted(source) + " " + Quoted(doc)));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, doc.Utf8() + ": Permission denied\n");
    EXPECT_EQ(ReadFile(doc), kOld);
    struct stat info {};
    stat(doc.Utf8().c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0444u);
    EXPECT_EQ(folder.Entries(), 2u) << "no temporary file is left behind";

    // Another user's document in a folder that everyone may write.
    const FilePath shared = folder.File("shared");
    fs::create_directory(shared.Utf8());
    chmod(shared.Utf8().c_str(), 0777);
    const FilePath theirs(shared.Utf8() + "/doc.kl3");
    WriteFile(theirs, kOld);
    if (geteuid() != 0) GTEST_SKIP() << "a document of another user needs root to make";
    run = RunAsUser("LC_ALL=C " + Kaldo("--normalizar " + Quoted(source) + " " + Quoted(theirs)));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, theirs.Utf8() + ": Permission denied\n");
    EXPECT_EQ(ReadFile(theirs), kOld);
}

// A write beyond the file-size limit raises SIGXFSZ, which would end the program with the
// user's changes; ignored, the write fails like any other.
TEST(FileSafety, AFileSizeLimitMakesTheSaveFailInsteadOfKillingTheProgram) {
    UserFolder folder;
    std::string big = "1\t0\tE\tFirma\r\n";
    for (int n = 2; big.size() < 100 * 1024; ++n)
        big += std::to_string(n) + "\t1\tZ\tZona " + std::to_string(n) + std::string(200, '.') + "\r\n";
    const FilePath source = folder.Write("in.kl3", big);
    const FilePath doc = folder.Write("doc.kl3", kOld);
    const ProgramRun run =
        RunAsUser("ulimit -f 8 && LC_ALL=C " + Kaldo("--normalizar " + Quoted(source) + " " + Quoted(doc)));
    EXPECT_EQ(run.status, 2) << "128 + 25 is SIGXFSZ";
    EXPECT_EQ(run.err, doc.Utf8() + ": File too large\n");
    EXPECT_EQ(ReadFile(doc), kOld);
    EXPECT_EQ(folder.Entries(), 2u) << "no temporary file is left behind";
}

// A pipe would block the program for good, a link to /dev/zero fill the memory: only regular
// files are read, and anything else is answered at once with what it is.
TEST(FileSafety, OnlyRegularFilesAreOpened) {
    UserFolder folder;
    ASSERT_EQ(mkfifo(folder.File("pipe.kl3").Utf8().c_str(), 0600), 0);
    UserFolder::Own(folder.File("pipe.kl3"));
    fs::create_symlink("/dev/zero", folder.File("zero.kl3").Utf8());
    fs::create_directory(folder.File("folder.kl3").Utf8());
    const std::pair<const char*, const char*> cases[] = {
        {"pipe.kl3", "es una tubería, no un archivo"},
        {"zero.kl3", "es un dispositivo, no un archivo"},
        {"folder.kl3", "es una carpeta, no un archivo"},
    };
    for (const auto& [name, reason] : cases) {
        SCOPED_TRACE(name);
        const FilePath path = folder.File(name);
        const ProgramRun run = RunAsUser(Kaldo("--verificar " + Quoted(path)));
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, path.Utf8() + ": " + reason + "\n");
        EXPECT_EQ(run.out, "");
    }
}

// The system's error texts follow the user's language, as they do in the window.
TEST(FileSafety, MessagesSpeakTheUsersLanguage) {
    UserFolder folder;
    const std::string locale = SpanishLocale(folder);
    if (locale.empty()) GTEST_SKIP() << "no es_ES.UTF-8 locale and no locale sources (package locales)";
    const FilePath source = folder.Write("in.kl3", kSource);
    const FilePath doc = folder.Write("doc.kl3", kOld);
    chmod(doc.Utf8().c_str(), 0444);
    const ProgramRun run =
        RunAsUser(locale + " " + Kaldo("--normalizar " + Quoted(source) + " " + Quoted(doc)));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, doc.Utf8() + ": Permiso denegado\n");

    const FilePath missing = folder.File("no/such/doc.kl3");
    const ProgramRun again =
        RunAsUser(locale + " " + Kaldo("--normalizar " + Quoted(source) + " " + Quoted(missing)));
    EXPECT_EQ(again.err, missing.Utf8() + ": No existe el fichero o el directorio\n");
}
