#pragma once

#include <QLockFile>
#include <map>
#include <memory>
#include <string>

#include "copy_locks.h"

// The locks of the recovery copies on the platform's lock files ("<copy>.lock" beside each
// copy). A lock left by a program that was killed or lost with the computer is stale and
// taken over, because the process that wrote it no longer runs. Released when this goes.
class QtCopyLocks : public CopyLocks {
public:
    bool Take(const FilePath& copy) override;
    void Release(const FilePath& copy) override;
    bool Holds(const FilePath& copy) const { return held_.count(copy.Utf8()) != 0; }

private:
    std::map<std::string, std::unique_ptr<QLockFile>> held_;
};
