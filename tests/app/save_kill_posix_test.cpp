// Saving seen from outside: the program is killed at random moments while it saves a large
// document over another one, and the file on disk must always be one of the two, whole.
// KALDO_KILL_RUNS sets the number of killed saves (20 by default).
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <iostream>
#include <random>
#include <thread>

#include "program_run.h"
#include "temp_dir.h"

namespace {

using Clock = std::chrono::steady_clock;
using Micros = std::chrono::microseconds;

// 1024 records with long fields and memo texts: a firm, zones, workstations, questionnaires,
// deficiencies and measures, about four megabytes, so that writing it takes a while.
std::string LargeDocument() {
    const std::string words =
        "Revisar el estado de los resguardos, la señalización y el orden del puesto de trabajo";
    std::string bytes;
    for (int line = 1; line <= 1024; ++line) {
        const char kind = "EZPCDR"[line == 1 ? 0 : 1 + line % 5];
        bytes += std::to_string(line) + '\t' + std::to_string(line / 2) + '\t' + kind + '\t';
        for (int field = 4; field <= 13; ++field)
            bytes += words + " " + std::to_string(line * 100 + field) + "~~" + words + "~~" + words + "~~" +
                     words + '\t';
        bytes += "00100100000000000000000\r\n";
    }
    return bytes;
}

std::string SmallDocument() {
    return "1\t0\tE\tDocumento anterior\r\n2\t1\tZ\tZona\r\n3\t2\tP\tPuesto\r\n";
}

// The temporary files that saves left next to the document.
std::vector<std::string> TemporaryFiles(const FilePath& dir, const std::string& name) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Utf8())) {
        const std::string file = entry.path().filename().string();
        if (file.rfind("." + name + ".", 0) == 0) found.push_back(file);
    }
    return found;
}

std::vector<std::string> VisibleFiles(const FilePath& dir) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Utf8())) {
        const std::string file = entry.path().filename().string();
        if (file[0] != '.') found.push_back(file);
    }
    std::sort(found.begin(), found.end());
    return found;
}

// Tells when a save's temporary file is created in a folder and when it is renamed over the
// document, as they happen.
class SaveWatch {
public:
    explicit SaveWatch(const FilePath& dir) : fd_(inotify_init1(IN_CLOEXEC | IN_NONBLOCK)) {
        inotify_add_watch(fd_, dir.Utf8().c_str(), IN_CREATE | IN_MOVED_FROM);
    }
    ~SaveWatch() { close(fd_); }
    SaveWatch(const SaveWatch&) = delete;
    SaveWatch& operator=(const SaveWatch&) = delete;

    // Waits for the next temporary file of "out.kl3" to be created (IN_CREATE) or renamed
    // (IN_MOVED_FROM); false when none came in time. One read can bring both events of a fast
    // save: those after the one waited for are kept for the next wait.
    bool WaitFor(std::uint32_t mask, Micros timeout) {
        const auto deadline = Clock::now() + timeout;
        for (;;) {
            while (!pending_.empty()) {
                const std::uint32_t event = pending_.front();
                pending_.pop_front();
                if (event & mask) return true;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) return false;
            pollfd ready{fd_, POLLIN, 0};
            if (poll(&ready, 1, static_cast<int>(left.count())) > 0) ReadEvents();
        }
    }

private:
    void ReadEvents() {
        alignas(inotify_event) char buffer[4096];
        const ssize_t n = read(fd_, buffer, sizeof buffer);
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->len > 0 && std::string(event->name).rfind(".out.kl3.", 0) == 0)
                pending_.push_back(event->mask);
        }
    }

    int fd_;
    std::deque<std::uint32_t> pending_;  // masks of events read but not yet waited for
};

// How long a save left to finish takes from its start to its end, and from the creation of its
// temporary file to its rename over the document.
struct Timings {
    Micros whole{0};
    Micros window{0};
};

Timings TimeOneSave(const ProgramArguments& arguments, const FilePath& dir) {
    SaveWatch watch(dir);
    const auto start = Clock::now();
    const pid_t pid = StartProgram(arguments, dir);
    Timings timings;
    if (watch.WaitFor(IN_CREATE, std::chrono::seconds(60))) {
        const auto created = Clock::now();
        if (watch.WaitFor(IN_MOVED_FROM, std::chrono::seconds(60)))
            timings.window = std::chrono::duration_cast<Micros>(Clock::now() - created);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    timings.whole = std::chrono::duration_cast<Micros>(Clock::now() - start);
    return timings;
}

int RunsWanted() {
    const char* text = std::getenv("KALDO_KILL_RUNS");
    const int runs = text ? std::atoi(text) : 0;
    return runs > 0 ? runs : 20;
}

}  // namespace

TEST(SaveKill, AKilledSaveLeavesTheOldOrTheNewDocumentWhole) {
    TempDir dir;
    const FilePath source = dir.File("big.kl3"), target = dir.File("out.kl3");
    WriteFile(source, LargeDocument());
    const std::string old = SmallDocument();
    const ProgramArguments arguments = {"--normalizar", source, target};

    // A save left to finish gives the new document and the moments to aim at.
    WriteFile(target, old);
    const Timings timings = TimeOneSave(arguments, dir.path());
    const std::string saved = ReadFile(target);
    ASSERT_NE(saved, old);
    ASSERT_GT(saved.size(), 3000000u);
    ASSERT_TRUE(TemporaryFiles(dir.path(), "out.kl3").empty()) << "a finished save leaves no temporary file";

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    SCOPED_TRACE("seed " + std::to_string(seed));
    const int runs = RunsWanted();
    const long long whole = timings.whole.count() * 11 / 10, window = timings.window.count() * 12 / 10;
    int oldKept = 0, newWritten = 0, leftovers = 0;
    for (int run = 0; run < runs; ++run) {
        WriteFile(target, old);
        SaveWatch watch(dir.path());
        const pid_t pid = StartProgram(arguments, dir.path());
        if (run % 2 == 0) {
            // Anywhere in the program's life.
            std::this_thread::sleep_for(Micros(std::uniform_int_distribution<long long>(0, whole)(random)));
        } else if (watch.WaitFor(IN_CREATE, timings.whole * 4)) {
            // Once the temporary file is there: within the write, the flush or the rename.
            std::this_thread::sleep_for(Micros(std::uniform_int_distribution<long long>(0, window)(random)));
        }
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);

        const std::string now = ReadFile(target);
        if (now == old) {
            ++oldKept;
        } else if (now == saved) {
            ++newWritten;
        } else {
            FAIL() << "run " << run << ": the document is neither the old nor the new one (" << now.size()
                   << " bytes)";
        }
        EXPECT_EQ(VisibleFiles(dir.path()), (std::vector<std::string>{"big.kl3", "out.kl3"}));
        leftovers = static_cast<int>(TemporaryFiles(dir.path(), "out.kl3").size());
    }
    std::cout << runs << " killed saves: old document kept " << oldKept << ", new document written "
              << newWritten << ", temporary files left by saves killed while writing: " << leftovers
              << " (a save takes " << timings.whole.count() / 1000 << " ms, " << timings.window.count() / 1000
              << " ms of it from the temporary file's creation to its rename)\n";

    // Temporary files left by killed saves never take the document's place: the next save
    // writes the whole new document and removes them.
    WriteFile(target, old);
    ASSERT_EQ(RunProgram(arguments, dir.path()).status, 0);
    EXPECT_EQ(ReadFile(target), saved);
    EXPECT_TRUE(TemporaryFiles(dir.path(), "out.kl3").empty());
}

// The watcher itself: a fast save's creation and rename often arrive in one read, and the
// rename must still be there for the second wait instead of being waited for in vain.
TEST(SaveKill, TheWatcherKeepsEventsThatArriveTogether) {
    TempDir dir;
    SaveWatch watch(dir.path());
    WriteFile(dir.File(".out.kl3.kaldo-abc123"), "x");
    std::filesystem::rename(dir.File(".out.kl3.kaldo-abc123").Utf8(), dir.File("out.kl3").Utf8());
    EXPECT_TRUE(watch.WaitFor(IN_CREATE, std::chrono::seconds(5)));
    EXPECT_TRUE(watch.WaitFor(IN_MOVED_FROM, std::chrono::seconds(5)));
    EXPECT_FALSE(watch.WaitFor(IN_CREATE, std::chrono::milliseconds(50))) << "nothing more happened";
}
