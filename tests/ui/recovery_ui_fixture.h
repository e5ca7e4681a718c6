#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "document_commands.h"
#include "document_session.h"
#include "field_names.h"
#include "recovery_copy.h"
#include "recovery_folder.h"
#include "recovery_service.h"
#include "scripted_port.h"
#include "settings_fixture.h"
#include "temp_dir.h"
#include "text_codec.h"
#include "undo_history.h"

// What the recovery window's tests share: a home of each test's own, the example document in a
// scratch folder, and the one edit they make.
inline constexpr const char* kRenamed = "Nave recuperada";

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
inline void RenameZone(DocumentSession& session) {
    const UndoStep step(session, "Renombrar");
    session.Table().Record(5)->SetField(field::kName, kRenamed);
    session.SetModified(true);
}

inline std::string EditedBytes(const FilePath& original) {
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

