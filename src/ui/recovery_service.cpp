#include "recovery_service.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#include "document_session.h"
#include "recovered_document.h"
#include "recovery_folder.h"
#include "recovery_setting.h"
#include "recovery_window.h"
#include "text_codec.h"

namespace {

FilePath OwnCopyPath(const SystemRecoveryClock& clock) {
    static int windows = 0;
    return recovery_folder::CopyPath(
        RecoveryService::Folder(),
        recovery_folder::NewId(static_cast<int>(QApplication::applicationPid()), clock.NowMs(), ++windows));
}

}  // namespace

RecoveryService::RecoveryService(DocumentSession& session, DocumentCommands& commands, UserPort& port,
                                 SettingsStore& settings, QStatusBar& bar, QWidget* window)
    : QObject(window),
      session_(session),
      commands_(commands),
      port_(port),
      settings_(settings),
      bar_(bar),
      window_(window),
      keeper_(session, clock_, writer_, OwnCopyPath(clock_), recovery_setting::Minutes(settings)),
      timer_(new QTimer(this)),
      recoveredNotice_(new QLabel(QString::fromUtf8("Copia recuperada, sin guardar"), &bar)) {
    recoveredNotice_->setObjectName("lblCopiaRecuperada");
    recoveredNotice_->setVisible(false);
    bar.addPermanentWidget(recoveredNotice_);
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &RecoveryService::Tick);
    timer_->start();
}

RecoveryService::~RecoveryService() = default;

FilePath RecoveryService::Folder() {
    return PathFromQt(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/" +
                      recovery_folder::kFolderName);
}

void RecoveryService::SessionChanged() {
    keeper_.SessionChanged();
    if (recovered_ && (!session_.Modified() || session_.ViewMode() == view::kNone)) {
        recovered_ = false;
        recoveredNotice_->setVisible(false);
    }
    // The snapshot is taken once the command that made the change has finished.
    if (settlePending_) return;
    settlePending_ = true;
    QTimer::singleShot(0, this, &RecoveryService::Settle);
}

void RecoveryService::Settle() {
    settlePending_ = false;
    keeper_.Settled();
}

bool RecoveryService::PrepareFolder() {
    if (prepared_) return true;
    if (!QDir().mkpath(PathToQt(Folder()))) return false;
    prepared_ = locks_.Take(keeper_.CopyPath());
    return prepared_;
}

void RecoveryService::Tick() {
    // Nothing is made in the user's folder before there is something to keep. A folder that
    // cannot be made is told as the failed write that follows.
    if (session_.Modified() && keeper_.IntervalMinutes() > 0) PrepareFolder();
    if (const auto failure = keeper_.Tick()) {
        bar_.showMessage(QString::fromUtf8("No se pudo escribir la copia de recuperación: %1")
                             .arg(QString::fromStdString(*failure)),
                         30'000);
    }
}

void RecoveryService::OfferCopies() {
    std::vector<OrphanedCopy> copies = FindOrphanedCopies(Folder(), locks_, keeper_.CopyPath());
    if (copies.empty()) return;
    RecoveryWindow window(
        std::move(copies),
        [this](const OrphanedCopy& copy) {
        recovery_folder::Remove(copy.path);
        locks_.Release(copy.path);
        },
        window_);
    window.exec();
    // Those left for later are let go, for another program or the next start.
    for (const OrphanedCopy& copy : window.Remaining())
        locks_.Release(copy.path);
    const auto chosen = window.Chosen();
    if (!chosen) return;
    if (!OpenRecoveredCopy(chosen->copy, session_, commands_, port_)) {
        locks_.Release(chosen->path);
        return;
    }
    // Removed once the document is saved or given up, as this program's own copy.
    keeper_.Adopt(chosen->path);
    prepared_ = PrepareFolder();
    recovered_ = true;
    recoveredNotice_->setVisible(true);
}

void RecoveryService::SetIntervalMinutes(int minutes) {
    keeper_.SetInterval(minutes);
    if (!recovery_setting::StoreMinutes(settings_, keeper_.IntervalMinutes()))
        bar_.showMessage(QString::fromUtf8("No se pudo guardar el ajuste de la copia de recuperación"),
                         30'000);
}

void RecoveryService::ChangeInterval() {
    bool accepted = false;
    const int minutes =
        QInputDialog::getInt(window_, QString::fromUtf8("Copia de recuperación"),
                             QString::fromUtf8("Copia de recuperación cada N minutos (0 la desactiva):"),
                             keeper_.IntervalMinutes(), 0, RecoverySchedule::kLongestMinutes, 1, &accepted);
    if (accepted) SetIntervalMinutes(minutes);
}

void RecoveryService::Leave() {
    timer_->stop();
    keeper_.Leave();
    locks_.Release(keeper_.CopyPath());
}
