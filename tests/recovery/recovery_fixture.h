#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "copy_locks.h"
#include "document_commands.h"
#include "document_session.h"
#include "field_names.h"
#include "file_io.h"
#include "recovery_clock.h"
#include "recovery_copy.h"
#include "recovery_folder.h"
#include "recovery_keeper.h"
#include "recovery_writer.h"
#include "scripted_port.h"
#include "temp_dir.h"

// A clock that moves only when the test moves it.
class HandClock : public RecoveryClock {
public:
    std::int64_t NowMs() const override { return now; }
    void Pass(std::int64_t ms) { now += ms; }
    std::int64_t now = 1'765'000'000'000;
};

// Locks held by several programs, kept in memory: `holder` names the program that asks.
class SharedLocks {
public:
    bool Take(int program, const FilePath& copy) {
        const auto [it, inserted] = owners_.emplace(copy.Utf8(), program);
        return inserted || it->second == program;
    }
    void Release(int program, const FilePath& copy) {
        const auto it = owners_.find(copy.Utf8());
        if (it != owners_.end() && it->second == program) owners_.erase(it);
    }
    // A program that ended, however: its locks can be taken again.
    void End(int program) {
        std::erase_if(owners_, [&](const auto& entry) { return entry.second == program; });
    }

private:
    std::map<std::string, int> owners_;
};

class ProgramLocks : public CopyLocks {
public:
    ProgramLocks(SharedLocks& shared, int program) : shared_(shared), program_(program) {}
    bool Take(const FilePath& copy) override { return shared_.Take(program_, copy); }
    void Release(const FilePath& copy) override { shared_.Release(program_, copy); }

private:
    SharedLocks& shared_;
    int program_;
};

// Tells the keeper of every change of the session's state as it happens, as the window does.
struct KeeperObserver : SessionObserver {
    RecoveryKeeper* keeper = nullptr;
    void StateChanged() override { keeper->SessionChanged(); }
};

// A session with a document open from a scratch folder, and the recovery copy's keeper.
struct RecoveryFixture : ::testing::Test {
    TempDir dir;
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    DocumentCommands commands{session, port, dates};
    HandClock clock;
    RecoveryWriter writer;
    FilePath folder = dir.File("recuperacion");
    FilePath copy = recovery_folder::CopyPath(folder, "1-100");
    RecoveryKeeper keeper{session, clock, writer, copy, 2};
    FilePath document = dir.File("taller.kl3");

    ~RecoveryFixture() override { session.RemoveObserver(&observer); }

    KeeperObserver observer;

    void SetUp() override {
        observer.keeper = &keeper;
        session.AddObserver(&observer);
        std::filesystem::create_directory(folder.Utf8());
        WriteFile(document, ReadFile(TestData("taller.kl3")));
        ASSERT_EQ(commands.LoadDocument(document), DocumentCommands::LoadResult::Loaded);
        Settle();
    }

    // What the window does once a command has finished.
    void Settle() { keeper.Settled(); }

    // An edit as the commands make it: one step, the document modified, then the window's call.
    void Rename(int slot, const std::string& name) {
        {
            const UndoStep step(session, "Renombrar");
            session.Table().Record(slot)->SetField(field::kName, name);
            session.SetModified(true);
        }
        Settle();
    }
    // Time passes with the window's tick every second.
    std::optional<std::string> Wait(std::int64_t ms) {
        std::optional<std::string> failure;
        for (std::int64_t passed = 0; passed < ms; passed += 1000) {
            clock.Pass(1000);
            if (auto reason = keeper.Tick()) failure = reason;
            writer.WaitIdle();
        }
        return failure;
    }
    std::optional<RecoveryCopy> Copy() const {
        if (!file_io::IsFile(copy)) return std::nullopt;
        return ParseCopy(ReadFile(copy));
    }
};
