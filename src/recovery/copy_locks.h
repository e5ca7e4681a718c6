#pragma once

#include "file_path.h"

// Who owns a recovery copy: a running program holds the lock of its own copy as long as it
// runs, so that a second program never offers, opens or removes it. A lock whose program has
// ended (even killed) can be taken again. The windowing layer locks with the platform's lock
// files; tests keep the locks in memory.
class CopyLocks {
public:
    virtual ~CopyLocks() = default;
    // Takes the lock of the copy (keeping it when already held here); false while another
    // running program holds it or the lock cannot be made.
    virtual bool Take(const FilePath& copy) = 0;
    virtual void Release(const FilePath& copy) = 0;
};
