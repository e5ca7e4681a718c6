#pragma once

#include <QObject>
#include <memory>

#include "file_path.h"
#include "qt_copy_locks.h"
#include "recovery_clock.h"
#include "recovery_keeper.h"
#include "recovery_writer.h"

class DocumentCommands;
class DocumentSession;
class QLabel;
class QStatusBar;
class QTimer;
class QWidget;
class SettingsStore;
class UserPort;

// The recovery copies in the window: the keeper of this program's copy, ticked every second,
// in the user's data folder ("recuperacion" in QStandardPaths::AppDataLocation) under a lock
// of its own; the offer of the copies that no running program owns; the setting of the
// interval; and the status bar's notes (a recovered copy not yet saved, a copy that could not
// be written).
class RecoveryService : public QObject {
    Q_OBJECT
public:
    RecoveryService(DocumentSession& session, DocumentCommands& commands, UserPort& port,
                    SettingsStore& settings, QStatusBar& bar, QWidget* window);
    ~RecoveryService() override;

    static FilePath Folder();
    const FilePath& CopyPath() const { return keeper_.CopyPath(); }

    // Every change of the session's state, as it happens.
    void SessionChanged();
    // "Recuperar documentos", when there is a copy to offer.
    void OfferCopies();
    // "Copia de recuperación ...": asks for the minutes and stores them.
    void ChangeInterval();
    int IntervalMinutes() const { return keeper_.IntervalMinutes(); }
    void SetIntervalMinutes(int minutes);
    // The program ends normally: the copy goes, and the lock with it.
    void Leave();

    QLabel* RecoveredNotice() const { return recoveredNotice_; }

private:
    void Settle();
    void Tick();
    // Makes the folder and takes this program's lock, before its first copy is written.
    bool PrepareFolder();

    DocumentSession& session_;
    DocumentCommands& commands_;
    UserPort& port_;
    SettingsStore& settings_;
    QStatusBar& bar_;
    QWidget* window_;
    SystemRecoveryClock clock_;
    QtCopyLocks locks_;
    RecoveryWriter writer_;
    RecoveryKeeper keeper_;
    QTimer* timer_;
    QLabel* recoveredNotice_;
    bool settlePending_ = false;
    bool prepared_ = false;
    bool recovered_ = false;  // the document came from a copy and is not saved yet
};
