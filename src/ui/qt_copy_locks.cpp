#include "qt_copy_locks.h"

#include "text_codec.h"

bool QtCopyLocks::Take(const FilePath& copy) {
    if (Holds(copy)) return true;
    auto lock = std::make_unique<QLockFile>(PathToQt(copy) + ".lock");
    // Only a program that no longer runs leaves a stale lock, however long ago it was made.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return false;
    held_.emplace(copy.Utf8(), std::move(lock));
    return true;
}

void QtCopyLocks::Release(const FilePath& copy) {
    held_.erase(copy.Utf8());
}
